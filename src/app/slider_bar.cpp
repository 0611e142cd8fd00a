// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/slider_bar.h"

#include <QStyle>
#include <QStyleOptionSlider>

namespace zephyra {

SliderBar::SliderBar(QWidget* parent) : QScrollBar(Qt::Horizontal, parent) {}

QRect SliderBar::slider() const {
    QStyleOptionSlider option;
    initStyleOption(&option);
    return style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, this);
}

// At either end an arrow may look disabled, so reaching or leaving an end repaints.
void SliderBar::sliderChange(SliderChange change) {
    if (change == SliderValueChange && paintedSlider_.isValid() && slider() == paintedSlider_ &&
        !atEnd(value()) && !atEnd(paintedValue_))
        return;
    QScrollBar::sliderChange(change);
}

void SliderBar::paintEvent(QPaintEvent* event) {
    paintedSlider_ = slider();
    paintedValue_ = value();
    QScrollBar::paintEvent(event);
}

} // namespace zephyra
