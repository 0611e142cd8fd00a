// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/shown.h"

#include "app/slider_bar.h"
#include "app/translated.h"
#include "scene/language.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>

#include <algorithm>

namespace zephyra {

void setShown(QWidget* widget, bool shown) {
    if (widget->isHidden() == shown)
        widget->setVisible(shown);
}

void setChecked(QAbstractButton* button, bool checked) {
    if (button->isChecked() == checked)
        return;
    const QSignalBlocker blocker(button);
    button->setChecked(checked);
}

void describe(QWidget* widget, const QString& description) {
    if (widget->accessibleDescription() != description)
        widget->setAccessibleDescription(description); // tells assistive tools itself
}

QString shownText(QString text) {
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

QString spoken(QString text) {
    text.replace(QLatin1String("\r\n"), QLatin1String(" "));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    return text.simplified();
}

void place(QWidget* widget, const char* name, const QRect& geometry) {
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(geometry);
    widget->raise();
}

void fillBackground(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QGroupBox* makeGroupBox(const char* name, const char* title, const QRect& geometry, QWidget* parent,
                        QStyle* style) {
    auto* box = new QGroupBox(parent);
    box->setStyle(style);
    if (title)
        setTranslatedText(box, title);
    place(box, name, geometry);
    return box;
}

QScrollBar* makeScrollBar(const char* name, const QRect& geometry, const char* accessibleName,
                          QWidget* parent, double spokenStep) {
    auto* bar = new SliderBar(parent);
    bar->setSpokenStep(spokenStep);
    bar->setInvertedControls(false);
    bar->setFocusPolicy(Qt::StrongFocus);
    setTranslatedName(bar, accessibleName);
    place(bar, name, geometry);
    return bar;
}

QLabel* makeLabel(const char* name, const QRect& geometry, LabelFit fit, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(fit == LabelFit::Centred ? Qt::AlignHCenter | Qt::AlignTop
                                                 : Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(fit == LabelFit::Wrapped);
    place(label, name, geometry);
    return label;
}

ShownLabel::ShownLabel(const LabelRow& row, const Scene& scene, QWidget* parent)
    : widget_(makeLabel(row.name, row.geometry, row.fit, parent)), label_(row.label),
      grows_(row.fit == LabelFit::Grows) {
    project(scene);
}

void ShownLabel::project(const Scene& scene) {
    const Label& label = scene.*label_;
    setShown(widget_, label.visible);
    const QString caption = localised(label.caption);
    if (caption_ == caption)
        return;
    caption_ = caption;
    widget_->setText(shownText(caption));
    if (grows_) {
        int width = 0;
        for (const QString& line : widget_->text().split(QLatin1Char('\n')))
            width = std::max(width, widget_->fontMetrics().horizontalAdvance(line));
        // Moving an edge repaints what lay behind it: the time's digits keep their width.
        if (width != widget_->width())
            widget_->resize(width, widget_->height());
    }
}

void projectBar(QScrollBar* widget, const ScrollBar& bar) {
    if (widget->minimum() != bar.min || widget->maximum() != bar.max ||
        widget->pageStep() != bar.pageStep || widget->value() != bar.position) {
        const QSignalBlocker blocker(widget);
        widget->setRange(bar.min, bar.max);
        widget->setPageStep(bar.pageStep);
        widget->setValue(bar.position);
    }
    setShown(widget, bar.visible);
}

ShownButton::ShownButton(const ButtonRow& row, WindowContext& context, QWidget* parent)
    : widget_(new QPushButton(parent)), caption_(row.sceneCaption) {
    if (row.caption)
        setTranslatedText(widget_, row.caption);
    else
        widget_->setText(localised(context.scene.*row.sceneCaption));
    place(widget_, row.name, row.geometry);
    QObject::connect(widget_, &QPushButton::clicked, widget_, [&context, click = row.click] {
        context.run([&] { click(context.scene, context.platform); });
    });
}

void ShownButton::project(const Scene& scene) {
    if (caption_ && widget_->text() != localised(scene.*caption_))
        widget_->setText(localised(scene.*caption_));
}

QCheckBox* makeCheckBox(const CheckRow& row, WindowContext& context, QWidget* parent) {
    auto* box = new QCheckBox(parent);
    setTranslatedText(box, row.caption);
    place(box, row.name, row.geometry);
    box->setChecked(context.scene.*row.checked);
    QObject::connect(box, &QCheckBox::toggled, box, [&context, toggle = row.toggle](bool on) {
        context.run([&] { toggle(context.scene, on); });
    });
    return box;
}

} // namespace zephyra
