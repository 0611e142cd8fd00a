#pragma once

#include <QWidget>

namespace zephyra {

// Reports the mouse in the widget's own coordinates. Qt grabs the mouse on a press, so moves
// and the release keep coming here until the button goes up, wherever the pointer is.
class PointerWidget : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

Q_SIGNALS:
    void pressed(QPoint at);
    void moved(QPoint at);
    void released(QPoint at);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace zephyra
