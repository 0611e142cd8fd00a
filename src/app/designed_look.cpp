// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/designed_look.h"

#include <QGroupBox>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>

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

DesignedStyle::DesignedStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

void DesignedStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                  QPainter* painter, const QWidget* widget) const {
    if (element != PE_FrameGroupBox) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    // Where Fusion draws its frame line: under the title, one pixel in from the left and
    // on the right and bottom edges, in a faint grey.
    constexpr int frameGap = 4;
    const auto* box = qobject_cast<const QGroupBox*>(widget);
    const bool titled = !box || box->isCheckable() || !box->title().isEmpty();
    const int top = titled ? std::max(pixelMetric(PM_ExclusiveIndicatorHeight, option, widget),
                                      option->fontMetrics.height()) +
                                 frameGap
                           : frameGap;
    const QRect frame = option->rect.adjusted(1, top, -1, -1);
    // The outline of frame, each pixel once: filled, not stroked, it stays cheap to repaint in
    // part when shown scaled.
    const QColor line(117, 117, 117, 50);
    const int width = frame.width() + 1;
    painter->fillRect(QRect(frame.left(), frame.top(), width, 1), line);
    painter->fillRect(QRect(frame.left(), frame.bottom() + 1, width, 1), line);
    painter->fillRect(QRect(frame.left(), frame.top() + 1, 1, frame.height() - 1), line);
    painter->fillRect(QRect(frame.right() + 1, frame.top() + 1, 1, frame.height() - 1), line);
}

int DesignedStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                             QStyleHintReturn* returnData) const {
    if (hint == SH_MenuBar_AltKeyNavigation)
        return 0;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

} // namespace zephyra
