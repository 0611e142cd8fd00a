#pragma once

#include <QImage>
#include <QWidget>

namespace zephyra {

// Shows a picture held elsewhere (the scene or the window) at its top-left corner and reports
// the mouse in its own coordinates. Qt grabs the mouse on a press, so moves and the release
// keep coming here until the button goes up, wherever the pointer is.
class PictureView : public QWidget {
    Q_OBJECT
public:
    PictureView(const QImage* image, QWidget* parent);

Q_SIGNALS:
    void pressed(QPoint at);
    void moved(QPoint at);
    void released(QPoint at);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    const QImage* image_;
};

} // namespace zephyra
