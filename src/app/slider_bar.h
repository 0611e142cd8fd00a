// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QScrollBar>

namespace zephyra {

// A horizontal scroll bar that repaints only when its look changes. A bar's value may change
// without its slider moving by a pixel (the time bar: 10,000 steps over 153 pixels, 50 steps a
// second in flight); Qt's bar repaints at every change.
class SliderBar : public QScrollBar {
    Q_OBJECT
public:
    explicit SliderBar(QWidget* parent);

protected:
    void sliderChange(SliderChange change) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QRect slider() const;
    bool atEnd(int value) const { return value == minimum() || value == maximum(); }

    QRect paintedSlider_;
    int paintedValue_ = 0;
};

} // namespace zephyra
