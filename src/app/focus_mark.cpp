// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/focus_mark.h"

#include <QApplication>
#include <QFocusEvent>
#include <QPainter>

namespace zephyra {

namespace {

constexpr int ringWidth = 3; // one white pixel outside two black ones

} // namespace

FocusMark::FocusMark(QWidget* client) : QWidget(client), client_(client) {
    setObjectName(QStringLiteral("focusMark"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    hide();
    // Focus events tell how the focus came (Tab or a click), which the focus signal does not.
    qApp->installEventFilter(this);
}

bool FocusMark::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::Hide:
        if (watched == target_)
            place();
        break;
    case QEvent::FocusIn:
        if (auto* widget = qobject_cast<QWidget*>(watched);
            widget && widget->window() == client_->window()) {
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
                reason == Qt::ShortcutFocusReason)
                keyboardInUse_ = true;
            else if (reason == Qt::MouseFocusReason)
                keyboardInUse_ = false;
            target_ = widget;
            place();
        }
        break;
    case QEvent::FocusOut:
        if (watched == target_) {
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
                target_ = nullptr;
                place();
            }
        }
        break;
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
        // Typing into a text box is not moving about by keys; the box shows its own focus.
        if (watched == target_ && !target_->inherits("QPlainTextEdit")) {
            keyboardInUse_ = event->type() == QEvent::KeyPress;
            place();
        }
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void FocusMark::place() {
    if (!keyboardInUse_ || !target_ || !target_->isVisible() || !target_->parentWidget()) {
        hide();
        return;
    }
    QWidget* parent = target_->parentWidget();
    if (parentWidget() != parent)
        setParent(parent);
    const QRect inner = target_->geometry();
    outer_ = inner.adjusted(-ringWidth, -ringWidth, ringWidth, ringWidth);
    const QRect shown = outer_ & parent->rect();
    setGeometry(shown);
    outer_.translate(-shown.topLeft());
    setMask((QRegion(outer_) - QRegion(inner.translated(-shown.topLeft()))) & QRegion(rect()));
    raise();
    show();
}

void FocusMark::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(outer_, Qt::white);
    painter.fillRect(outer_.adjusted(1, 1, -1, -1), Qt::black);
}

} // namespace zephyra
