// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>
#include <QWidget>

#include <optional>
#include <vector>

class QGraphicsProxyWidget;
class QGraphicsScene;
class QGraphicsView;

namespace zephyra {

// The designed client area, in designed pixels.
inline constexpr QSize designedClient(792, 546);
// Zoom steps are this many percent apart, from 100 %.
inline constexpr int zoomStepPercent = 25;

// The largest uniform scale at which the designed client area fits into area.
double fittingScale(QSize area);
// The zoom steps, in percent, from 100 up to the largest at which the client area and the
// given height above it (the menu bar) fit into available; 100 at least.
std::vector<int> zoomSteps(QSize available, int heightAbove);
// The step after (direction 1) or before (direction -1) the scale shown, which may lie between
// steps after a resize; none when no step lies that way.
std::optional<int> nextZoomStep(const std::vector<int>& steps, double scale, int direction);

// The widget with the keyboard focus: inside the client area when it is shown scaled, where
// the application's focus widget is the view that shows it.
QWidget* focusedWidget();

// Where a widget is seen on the screen, in its screen's pixels: scaled with the client area.
QRect shownOnScreen(const QWidget* widget);

// Shows the client area at the largest scale that fits, centred on the window's pale yellow.
// At scale 1 the client is an ordinary child, painted and used exactly as designed; at any
// other scale it is embedded in a graphics view that paints it scaled and maps the input
// back to designed pixels. Its widgets keep their designed geometry either way.
class ZoomHost : public QWidget {
    Q_OBJECT
public:
    ZoomHost(QWidget* client, QWidget* parent);

    double scale() const { return scale_; }
    QWidget* client() const { return client_; }
    // Where the client area is shown, in the host's own pixels.
    QRect clientRect() const;
    // Shown scaled, a control hidden with the focus keeps it (the view has the application's
    // focus); the focus goes on to the next control, as at scale 1.
    void keepFocusShown();

    // Shown scaled, what the client repainted so far reaches the view now, as an area of its
    // own: what repaints after it (the read-outs beside a moving ground view) is then painted
    // apart from it, not with the whole rectangle around both.
    void settle();

Q_SIGNALS:
    void scaleChanged(double scale);

protected:
    void resizeEvent(QResizeEvent* event) override;
    // Shown scaled, the client is a window of its own that Qt's accelerators of buttons do not
    // reach: Alt and a letter presses (or, shared, moves the focus to) its button here.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showAt(double scale);

    QWidget* client_;
    QGraphicsScene* stage_;
    QGraphicsView* view_;
    QGraphicsProxyWidget* proxy_ = nullptr;
    double scale_ = 1.0;
};

} // namespace zephyra
