// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/shown.h"

#include "app/slider_bar.h"
#include "app/translated.h"
#include "scene/language.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QVariant>

#include <algorithm>

namespace zephyra {

double shownZoom(const QWidget* widget) {
    const QGraphicsProxyWidget* proxy = widget->window()->graphicsProxyWidget();
    if (!proxy || !proxy->scene() || proxy->scene()->views().isEmpty())
        return 1.0;
    return (proxy->sceneTransform() * proxy->scene()->views().constFirst()->viewportTransform())
        .m11();
}

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

namespace {

constexpr const char* designedSizeProperty = "zephyraDesignedPixelSize";

QString withoutMnemonic(QString text) {
    static const QRegularExpression mnemonic(QStringLiteral("&(.)"));
    return text.replace(mnemonic, QStringLiteral("\\1"));
}

} // namespace

bool captionFits(const QWidget* widget, const QFont& font) {
    const QFontMetrics metrics(font);
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        const QRect room = label->contentsRect();
        if (label->wordWrap())
            return metrics
                       .boundingRect(QRect(0, 0, room.width(), 1 << 20), Qt::TextWordWrap,
                                     label->text())
                       .height() <= room.height();
        int width = 0;
        for (const QString& line : label->text().split(QLatin1Char('\n')))
            width = std::max(width, metrics.horizontalAdvance(line));
        return width <= room.width();
    }
    if (const auto* box = qobject_cast<const QGroupBox*>(widget)) {
        QStyleOptionGroupBox option;
        option.initFrom(box);
        option.fontMetrics = metrics;
        option.text = box->title();
        option.subControls = QStyle::SC_GroupBoxLabel;
        const QRect label = box->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                         QStyle::SC_GroupBoxLabel, box);
        return label.left() >= 0 && label.right() < box->width();
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        QStyleOptionButton option;
        option.initFrom(button);
        const QStyle::SubElement contents =
            qobject_cast<const QCheckBox*>(button)      ? QStyle::SE_CheckBoxContents
            : qobject_cast<const QRadioButton*>(button) ? QStyle::SE_RadioButtonContents
                                                        : QStyle::SE_PushButtonContents;
        const QRect room = button->style()->subElementRect(contents, &option, button);
        return metrics.horizontalAdvance(withoutMnemonic(button->text())) <= room.width();
    }
    return true;
}

void fitCaption(QWidget* widget) {
    QVariant designed = widget->property(designedSizeProperty);
    if (!designed.isValid()) {
        designed = widget->font().pixelSize();
        widget->setProperty(designedSizeProperty, designed);
    }
    if (designed.toInt() <= 0)
        return; // sized in points: not a designed caption
    QFont font = widget->font();
    font.setPixelSize(designed.toInt());
    while (font.pixelSize() > smallestPixelSize && !captionFits(widget, font))
        font.setPixelSize(font.pixelSize() - 1);
    if (font.pixelSize() != widget->font().pixelSize())
        widget->setFont(font);
    if (!qobject_cast<QGroupBox*>(widget) || font.pixelSize() == designed.toInt())
        return;
    // Only a group box's title is smaller; its controls, made before or after, keep the
    // designed font.
    QFont controls = font;
    controls.setPixelSize(designed.toInt());
    for (QWidget* child : widget->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!child->testAttribute(Qt::WA_SetFont) || child->font().pixelSize() == font.pixelSize())
            child->setFont(controls);
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
    place(box, name, geometry);
    if (title)
        setTranslatedText(box, title);
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
    if (!grows_)
        fitCaption(widget_);
    if (grows_) {
        const auto widthIn = [this](const QFont& font) {
            const QFontMetrics metrics(font);
            int width = 0;
            for (const QString& line : widget_->text().split(QLatin1Char('\n')))
                width = std::max(width, metrics.horizontalAdvance(line));
            return width;
        };
        int width = widthIn(widget_->font());
        // A translation wider than the room left on its page is shown smaller, down to the
        // smallest size; the designed captions keep their font.
        const int room = widget_->parentWidget()->width() - widget_->x();
        if (caption != label.caption && (width > room || shrunk_)) {
            QFont font = widget_->parentWidget()->font();
            while (font.pixelSize() > smallestPixelSize && widthIn(font) > room)
                font.setPixelSize(font.pixelSize() - 1);
            shrunk_ = font != widget_->parentWidget()->font();
            widget_->setFont(shrunk_ ? font : QFont());
            width = widthIn(widget_->font());
        } else if (shrunk_) {
            shrunk_ = false;
            widget_->setFont(QFont());
            width = widthIn(widget_->font());
        }
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
    place(widget_, row.name, row.geometry);
    if (row.caption) {
        setTranslatedText(widget_, row.caption);
    } else {
        widget_->setText(localised(context.scene.*row.sceneCaption));
        fitCaption(widget_);
    }
    QObject::connect(widget_, &QPushButton::clicked, widget_, [&context, click = row.click] {
        context.run([&] { click(context.scene, context.platform); });
    });
}

void ShownButton::project(const Scene& scene) {
    if (caption_ && widget_->text() != localised(scene.*caption_)) {
        widget_->setText(localised(scene.*caption_));
        fitCaption(widget_);
    }
}

QCheckBox* makeCheckBox(const CheckRow& row, WindowContext& context, QWidget* parent) {
    auto* box = new QCheckBox(parent);
    place(box, row.name, row.geometry);
    setTranslatedText(box, row.caption);
    box->setChecked(context.scene.*row.checked);
    QObject::connect(box, &QCheckBox::toggled, box, [&context, toggle = row.toggle](bool on) {
        context.run([&] { toggle(context.scene, on); });
    });
    return box;
}

} // namespace zephyra
