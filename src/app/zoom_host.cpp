// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/zoom_host.h"

#include "scene/scene.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>

#include <algorithm>
#include <cmath>

namespace zephyra {

namespace {

// Below this the client area is past reading; the window may still be made that small.
constexpr double smallestScale = 0.1;

// Shows the client area scaled. It paints the window's colour only around the client area,
// which paints all of its own, and keeps which part of the viewport it is painting.
class ClientView : public QGraphicsView {
public:
    using QGraphicsView::QGraphicsView;

    const QRegion& painting() const { return painting_; }

protected:
    void paintEvent(QPaintEvent* event) override {
        painting_ = event->region();
        QGraphicsView::paintEvent(event);
    }

    void drawBackground(QPainter* painter, const QRectF& /*exposed*/) override {
        const QRectF client = viewportTransform().mapRect(sceneRect());
        const QRect covered(QPoint(static_cast<int>(std::ceil(client.left())),
                                   static_cast<int>(std::ceil(client.top()))),
                            QPoint(static_cast<int>(std::floor(client.right())) - 1,
                                   static_cast<int>(std::floor(client.bottom())) - 1));
        painter->save();
        painter->resetTransform();
        for (const QRect& rest : painting_ - QRegion(covered))
            painter->fillRect(rest, QColor::fromRgb(windowColour));
        painter->restore();
    }

private:
    QRegion painting_;
};

// Paints only the parts of the client area being painted, not the rectangle around them: the
// ground view and a read-out changing together would otherwise repaint every control between.
class ClientProxy : public QGraphicsProxyWidget {
public:
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option,
               QWidget* viewport) override {
        const auto* view = viewport ? dynamic_cast<ClientView*>(viewport->parentWidget()) : nullptr;
        if (!view || !widget()) {
            QGraphicsProxyWidget::paint(painter, option, viewport);
            return;
        }
        const QTransform toClient = (sceneTransform() * view->viewportTransform()).inverted();
        QRegion parts;
        for (const QRect& part : view->painting())
            parts += toClient.mapRect(QRectF(part)).toAlignedRect();
        parts &= widget()->rect();
        if (widget()->isVisible() && !parts.isEmpty())
            widget()->render(painter, parts.boundingRect().topLeft(), parts);
    }
};

} // namespace

double fittingScale(QSize area) {
    const double scale = std::min(double(area.width()) / designedClient.width(),
                                  double(area.height()) / designedClient.height());
    return std::max(scale, smallestScale);
}

std::vector<int> zoomSteps(QSize available, int heightAbove) {
    std::vector<int> steps{100};
    for (int percent = 100 + zoomStepPercent;; percent += zoomStepPercent) {
        const bool fits =
            designedClient.width() * percent <= available.width() * 100 &&
            designedClient.height() * percent + heightAbove * 100 <= available.height() * 100;
        if (!fits)
            return steps;
        steps.push_back(percent);
    }
}

std::optional<int> nextZoomStep(const std::vector<int>& steps, double scale, int direction) {
    // A scale within half a percent of a step is on it.
    const double percent = scale * 100.0;
    if (direction > 0) {
        const auto after = std::find_if(steps.begin(), steps.end(),
                                        [&](int step) { return step > percent + 0.5; });
        if (after != steps.end())
            return *after;
        return std::nullopt;
    }
    const auto before =
        std::find_if(steps.rbegin(), steps.rend(), [&](int step) { return step < percent - 0.5; });
    if (before != steps.rend())
        return *before;
    return std::nullopt;
}

QWidget* focusedWidget() {
    QWidget* focus = QApplication::focusWidget();
    const auto* view = qobject_cast<QGraphicsView*>(focus);
    if (!view || !view->scene())
        return focus;
    const auto* proxy = qgraphicsitem_cast<QGraphicsProxyWidget*>(view->scene()->focusItem());
    QWidget* inside = proxy && proxy->widget() ? proxy->widget()->focusWidget() : nullptr;
    return inside ? inside : focus;
}

QRect shownOnScreen(const QWidget* widget) {
    const QWidget* client = widget->window();
    const QGraphicsProxyWidget* proxy = client->graphicsProxyWidget();
    if (!proxy || !proxy->scene() || proxy->scene()->views().isEmpty())
        return {widget->mapToGlobal(QPoint(0, 0)), widget->size()};
    const QGraphicsView* view = proxy->scene()->views().constFirst();
    const QRectF inClient(QPointF(widget->mapTo(client, QPoint(0, 0))), QSizeF(widget->size()));
    const QRectF inScene = proxy->mapRectToScene(inClient);
    const QPoint topLeft = view->mapFromScene(inScene.topLeft());
    const QPoint bottomRight = view->mapFromScene(inScene.bottomRight());
    return {view->viewport()->mapToGlobal(topLeft),
            QSize(bottomRight.x() - topLeft.x(), bottomRight.y() - topLeft.y())};
}

ZoomHost::ZoomHost(QWidget* client, QWidget* parent)
    : QWidget(parent), client_(client), stage_(new QGraphicsScene(this)),
      view_(new ClientView(stage_, this)) {
    setObjectName(QStringLiteral("zoomHost"));
    client_->setParent(this);
    stage_->setSceneRect(QRectF(QPointF(0, 0), QSizeF(designedClient)));
    view_->setObjectName(QStringLiteral("zoomView"));
    view_->setFrameShape(QFrame::NoFrame);
    view_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view_->setAlignment(Qt::AlignCenter);
    view_->setFocusPolicy(Qt::StrongFocus);
    view_->setOptimizationFlags(QGraphicsView::DontSavePainterState |
                                QGraphicsView::DontAdjustForAntialiasing);
    // The view paints every pixel of it: nothing behind it is painted first.
    view_->viewport()->setAutoFillBackground(false);
    view_->viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    view_->hide();
    client_->installEventFilter(this);
}

QRect ZoomHost::clientRect() const {
    const QSize shown(qRound(designedClient.width() * scale_),
                      qRound(designedClient.height() * scale_));
    return {QPoint((width() - shown.width()) / 2, (height() - shown.height()) / 2), shown};
}

void ZoomHost::keepFocusShown() {
    QWidget* focus = client_->focusWidget();
    if (!proxy_ || !focus || focus->isVisible())
        return;
    for (QWidget* next = focus->nextInFocusChain(); next != focus; next = next->nextInFocusChain())
        if (next->isVisible() && next->isEnabled() && (next->focusPolicy() & Qt::TabFocus) &&
            client_->isAncestorOf(next)) {
            next->setFocus(Qt::TabFocusReason);
            return;
        }
}

void ZoomHost::settle() {
    if (!proxy_)
        return;
    QCoreApplication::sendPostedEvents(client_, QEvent::UpdateRequest);
    QCoreApplication::sendPostedEvents(stage_, QEvent::MetaCall);
}

bool ZoomHost::eventFilter(QObject* watched, QEvent* event) {
    if (watched != client_ || !proxy_ || event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() != Qt::AltModifier || key->text().isEmpty())
        return false;
    const QKeySequence pressed(Qt::ALT | key->key());
    std::vector<QAbstractButton*> matching;
    for (QAbstractButton* button : client_->findChildren<QAbstractButton*>())
        if (button->isVisible() && button->isEnabled() &&
            QKeySequence::mnemonic(button->text()) == pressed)
            matching.push_back(button);
    if (matching.empty())
        return false;
    if (matching.size() == 1) {
        matching.front()->setFocus(Qt::ShortcutFocusReason);
        matching.front()->animateClick();
        return true;
    }
    // A shared letter moves the focus to the next button that has it.
    const auto focused = std::find(matching.begin(), matching.end(), client_->focusWidget());
    const auto next =
        focused == matching.end() || focused + 1 == matching.end() ? matching.begin() : focused + 1;
    (*next)->setFocus(Qt::ShortcutFocusReason);
    return true;
}

void ZoomHost::resizeEvent(QResizeEvent* event) {
    double scale = fittingScale(event->size());
    // The designed size, and a window wider or taller than it, show the design itself.
    if (std::abs(scale - 1.0) < 1e-9)
        scale = 1.0;
    showAt(scale);
    QWidget::resizeEvent(event);
}

void ZoomHost::showAt(double scale) {
    const bool changed = scale != scale_;
    scale_ = scale;
    QWidget* focus = focusedWidget();
    const bool focusInside = focus && (focus == client_ || client_->isAncestorOf(focus));
    if (scale == 1.0) {
        if (proxy_) {
            proxy_->setWidget(nullptr);
            delete proxy_;
            proxy_ = nullptr;
            client_->setParent(this);
            view_->hide();
        }
        client_->move(clientRect().topLeft());
        client_->show();
    } else {
        if (!proxy_) {
            client_->setParent(nullptr);
            proxy_ = new ClientProxy;
            proxy_->setWidget(client_);
            stage_->addItem(proxy_);
            client_->show();
        }
        view_->setGeometry(rect());
        view_->setTransform(QTransform::fromScale(scale, scale));
        view_->show();
    }
    if (focusInside && changed) {
        if (proxy_)
            view_->setFocus(Qt::OtherFocusReason);
        focus->setFocus(Qt::OtherFocusReason);
    }
    if (changed)
        Q_EMIT scaleChanged(scale);
}

} // namespace zephyra
