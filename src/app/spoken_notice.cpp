// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/spoken_notice.h"

#include <QAccessible>
#include <QTimer>

namespace zephyra {

SpokenNotice::SpokenNotice(QWidget* window) : QWidget(window), delay_(new QTimer(this)) {
    delay_->setSingleShot(true);
    delay_->setInterval(delayMs);
    connect(delay_, &QTimer::timeout, this, [this] { tell(); });
    setObjectName(QStringLiteral("spokenNotice"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 1, 1);
    hide();
}

void SpokenNotice::say(const QString& text) {
    // A key held down or pressed again tells its latest read-out once.
    if (text.isEmpty() || (!pending_.isEmpty() && pending_.last() == text))
        return;
    pending_ << text;
    if (!delay_->isActive())
        delay_->start();
}

void SpokenNotice::tell() {
    told_ = pending_.join(QLatin1String(". "));
    pending_.clear();
    if (isHidden()) {
        show(); // tells assistive tools that it shows
        return;
    }
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

void SpokenNotice::paintEvent(QPaintEvent*) {}

} // namespace zephyra
