// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPalette>
#include <QProxyStyle>

namespace zephyra {

// The window's colours are designed, so it wears one light palette whatever the desktop's:
// dark text on the pale yellow, the khaki and the light pages, in every colour group.
QPalette designedPalette();

// Fusion, except that a group box frame is only an outline: Fusion shades the inside of the
// box, which would tint the designed colours of the boxes.
class DesignedStyle : public QProxyStyle {
public:
    DesignedStyle();
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
};

} // namespace zephyra
