// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QPalette>
#include <QProxyStyle>

class QWidget;

namespace zephyra {

// The window's colours are designed, so it wears one light palette whatever the desktop's:
// dark text on the pale yellow, the khaki and the light pages, in every colour group.
QPalette designedPalette();

// Fusion, except that a group box frame is only an outline (Fusion shades the inside of the
// box, which would tint the designed colours of the boxes), and that Alt pressed alone does
// not move the focus to the menu bar: a screen reader listening to the keys may deliver Alt+S
// so that the menu bar sees Alt alone, and the student is left in the menu bar.
// At a scale other than 1 its sizes (margins, indicators, icons) and the pictures it draws
// (frames, arrows, check marks) are that many times as large, for the menus and boxes of a
// window shown zoomed.
class DesignedStyle : public QProxyStyle {
public:
    explicit DesignedStyle(double scale = 1.0);
    double scale() const { return scale_; }

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    int styleHint(StyleHint hint, const QStyleOption* option = nullptr,
                  const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& contents,
                           const QWidget* widget = nullptr) const override;

private:
    void drawGroupBoxFrame(const QStyleOption* option, QPainter* painter,
                           const QWidget* widget) const;

    double scale_;
    mutable bool measuringDesigned_ = false; // metrics at their designed size while set
};

// font, scale times as large, in the unit it is given in (pixels or points).
QFont scaledFont(QFont font, double scale);

// Menus and boxes are shown at the window's zoom, never smaller than designed: scaled down
// with the window on a small screen they would be past reading, and they fit as they are.
double boxScale(double zoom);

// Shows a window made of Qt's own widgets (a menu, a message box, a file dialog) and the
// widgets inside it in style (nullptr: the application's), its font scale times as large as
// the application's; at scale 1 in the application's font. Its child windows (submenus) are
// shown on their own.
void showScaled(QWidget* window, QStyle* style, double scale);

} // namespace zephyra
