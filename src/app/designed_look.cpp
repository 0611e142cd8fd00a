// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/designed_look.h"

#include <QApplication>
#include <QGroupBox>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>
#include <QWidget>

#include <algorithm>

namespace zephyra {

QPalette designedPalette() {
    const QColor text(0, 0, 0);
    const QColor face(240, 240, 240);
    const QColor white(255, 255, 255);
    // Still dark enough to read on the pale yellow and the light pages.
    const QColor disabledText(64, 64, 64);

    // Built from the button face, which gives the bevels their shades.
    QPalette palette(face);
    palette.setColor(QPalette::Window, face);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Button, face);
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::BrightText, white);
    palette.setColor(QPalette::Base, white);
    palette.setColor(QPalette::AlternateBase, face);
    palette.setColor(QPalette::ToolTipBase, QColor(255, 255, 225));
    palette.setColor(QPalette::ToolTipText, text);
    palette.setColor(QPalette::Highlight, QColor(0, 120, 215));
    palette.setColor(QPalette::HighlightedText, white);
    palette.setColor(QPalette::Link, QColor(0, 0, 255));
    palette.setColor(QPalette::LinkVisited, QColor(128, 0, 128));
    palette.setColor(QPalette::PlaceholderText, QColor(96, 96, 96));
    // Every role set in every group, so nothing falls back to the desktop's colours, and the
    // window looks the same whether or not it has the focus.
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
        const auto r = static_cast<QPalette::ColorRole>(role);
        const QColor colour = palette.color(QPalette::Active, r);
        for (const QPalette::ColorGroup group :
             {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            palette.setColor(group, r, colour);
    }
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::PlaceholderText})
        palette.setColor(QPalette::Disabled, role, disabledText);
    palette.setColor(QPalette::Disabled, QPalette::Base, face);
    palette.setColor(QPalette::Disabled, QPalette::Highlight, QColor(160, 160, 160));
    return palette;
}

DesignedStyle::DesignedStyle(double scale)
    : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))), scale_(scale) {}

void DesignedStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                  QPainter* painter, const QWidget* widget) const {
    if (element == PE_FrameGroupBox) {
        drawGroupBoxFrame(option, painter, widget);
        return;
    }
    const bool arrow = element == PE_IndicatorArrowUp || element == PE_IndicatorArrowDown ||
                       element == PE_IndicatorArrowLeft || element == PE_IndicatorArrowRight;
    if (scale_ == 1.0 || !arrow) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    // Fusion draws an arrow no larger than its designed size: drawn at that size into the
    // rectangle made small, then made large with the painter.
    QStyleOption small;
    small.state = option->state;
    small.direction = option->direction;
    small.palette = option->palette;
    small.fontMetrics = option->fontMetrics;
    small.rect = QRect(QPoint(0, 0), (QSizeF(option->rect.size()) / scale_).toSize());
    painter->save();
    painter->translate(option->rect.topLeft());
    painter->scale(scale_, scale_);
    QProxyStyle::drawPrimitive(element, &small, painter, widget);
    painter->restore();
}

void DesignedStyle::drawGroupBoxFrame(const QStyleOption* option, QPainter* painter,
                                      const QWidget* widget) const {
    // Where Fusion draws its frame line: under the title, one pixel in from the left and
    // on the right and bottom edges, in a faint grey.
    const int frameGap = qRound(4 * scale_);
    const int inset = qRound(scale_);
    const auto* box = qobject_cast<const QGroupBox*>(widget);
    const bool titled = !box || box->isCheckable() || !box->title().isEmpty();
    const int top = titled ? std::max(pixelMetric(PM_ExclusiveIndicatorHeight, option, widget),
                                      option->fontMetrics.height()) +
                                 frameGap
                           : frameGap;
    const QRect frame = option->rect.adjusted(inset, top, -inset, -inset);
    // The outline of frame, inset pixels thick, each pixel once: filled, not stroked, it stays
    // cheap to repaint in part when shown scaled.
    const QColor line(117, 117, 117, 50);
    const QRect outer(frame.topLeft(), frame.size() + QSize(inset, inset));
    const int side = outer.height() - 2 * inset;
    painter->fillRect(QRect(outer.left(), outer.top(), outer.width(), inset), line);
    painter->fillRect(QRect(outer.left(), outer.bottom() - inset + 1, outer.width(), inset), line);
    painter->fillRect(QRect(outer.left(), outer.top() + inset, inset, side), line);
    painter->fillRect(QRect(outer.right() - inset + 1, outer.top() + inset, inset, side), line);
}

int DesignedStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                               const QWidget* widget) const {
    const int designed = QProxyStyle::pixelMetric(metric, option, widget);
    // Negative and zero metrics are markers (no limit, none), not sizes.
    return designed > 0 && !measuringDesigned_ ? qRound(designed * scale_) : designed;
}

QSize DesignedStyle::sizeFromContents(ContentsType type, const QStyleOption* option,
                                      const QSize& contents, const QWidget* widget) const {
    if (scale_ == 1.0)
        return QProxyStyle::sizeFromContents(type, option, contents, widget);
    // The contents (text in the scaled font, icons at the scaled size) are scaled already;
    // what the style adds around them (margins, the check column), its metrics and its
    // constants at their designed size, is scaled here, once.
    measuringDesigned_ = true;
    const QSize designed = QProxyStyle::sizeFromContents(type, option, contents, widget);
    measuringDesigned_ = false;
    if (!designed.isValid())
        return designed;
    return contents + (designed - contents) * scale_;
}

QFont scaledFont(QFont font, double scale) {
    if (font.pixelSize() > 0)
        font.setPixelSize(qRound(font.pixelSize() * scale));
    else
        font.setPointSizeF(font.pointSizeF() * scale);
    return font;
}

double boxScale(double zoom) {
    return std::max(zoom, 1.0);
}

void showScaled(QWidget* window, QStyle* style, double scale) {
    window->setFont(scale == 1.0 ? QFont() : scaledFont(QApplication::font(window), scale));
    window->setStyle(style);
    for (QWidget* widget : window->findChildren<QWidget*>())
        if (widget->window() == window)
            widget->setStyle(style);
}

int DesignedStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                             QStyleHintReturn* returnData) const {
    if (hint == SH_MenuBar_AltKeyNavigation)
        return 0;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

} // namespace zephyra
