// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/pointer_widget.h"

#include <QColor>

namespace zephyra {

// How a shape floating over the ground view (or a rule on a page) is painted.
struct ShapeStyle {
    enum Form { Circle, Square, Rectangle };
    Form form = Circle;
    QColor fill;    // invalid: no fill
    QColor outline; // invalid: no outline
    bool dottedOutline = false;
};

// A small shape that takes the mouse over its whole rectangle, even where nothing is
// painted, and reports it relative to its own top-left corner. When it has the focus, an arrow
// key (Shift: ten times as far) reports one whole drag: a press at its centre, a move by one
// pixel (ten) that way, and the release.
class ShapeView : public PointerWidget {
    Q_OBJECT
public:
    ShapeView(const ShapeStyle& style, QWidget* parent);

    // A marker whose outline is switched off is an invisible handle.
    void setOutlineShown(bool shown);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    ShapeStyle style_;
    bool outlineShown_ = true;
};

} // namespace zephyra
