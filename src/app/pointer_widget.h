// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessible>
#include <QWidget>

#include <optional>

namespace zephyra {

// The designed pixel a pointer position lies in. Shown scaled, a position falls between
// designed pixels: the one whose square holds it is meant, so a drag of d device pixels moves
// by d / scale designed pixels whichever way it goes.
QPoint designedPixel(QPointF position);

// Reports the mouse in the widget's own coordinates. Qt grabs the mouse on a press, so moves
// and the release keep coming here until the button goes up, wherever the pointer is.
// Assistive tools see it in the role it is given, with a value for a dial and a press action
// for a button.
class PointerWidget : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

    QAccessible::Role accessibleRole() const { return role_; }
    void setAccessibleRole(QAccessible::Role role) { role_ = role; }
    // A dial's direction in degrees, counter-clockwise from East.
    double accessibleValue() const { return value_; }
    void setAccessibleValue(double value) { value_ = value; }

    // What an assistive tool's press action or value change asks for.
    void requestPress() { Q_EMIT pressRequested(); }
    void requestValue(double value) { Q_EMIT valueRequested(value); }

Q_SIGNALS:
    void pressed(QPoint at);
    void moved(QPoint at);
    void released(QPoint at);
    void pressRequested();
    void valueRequested(double value);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // Disabled while a button is held (a panel opening over it), or left by the focus for a
    // menu or another window, the widget gets no release: the press ends here instead, where
    // the pointer last was.
    void changeEvent(QEvent* event) override;

public:
    // Ends a press whose release will not come here, as a release where the pointer last was.
    void endPress();

private:
    std::optional<QPoint> held_;
    QAccessible::Role role_ = QAccessible::Graphic;
    double value_ = 0.0;
};

} // namespace zephyra
