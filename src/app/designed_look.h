// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPalette>
#include <QProxyStyle>

namespace zephyra {

// The window's colours are designed, so it wears one light palette whatever the desktop's:
// dark text on the pale yellow, the khaki and the light pages, in every colour group.
QPalette designedPalette();

// Fusion, except that a group box frame is only an outline (Fusion shades the inside of the
// box, which would tint the designed colours of the boxes), and that Alt pressed alone does
// not move the focus to the menu bar: a screen reader listening to the keys may deliver Alt+S
// so that the menu bar sees Alt alone, and the student is left in the menu bar.
class DesignedStyle : public QProxyStyle {
public:
    DesignedStyle();
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    int styleHint(StyleHint hint, const QStyleOption* option = nullptr,
                  const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;
};

} // namespace zephyra
