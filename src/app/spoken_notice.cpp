// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/spoken_notice.h"

#include <QAccessible>
#include <QStringList>
#include <QTimer>

#include <algorithm>

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

void SpokenNotice::say(const QString& text, const void* about) {
    if (text.isEmpty() || (!pending_.empty() && pending_.back().second == text))
        return;
    // A key held down tells its latest read-out.
    const auto same = std::find_if(pending_.begin(), pending_.end(), [about](const auto& said) {
        return about && said.first == about;
    });
    if (same != pending_.end())
        same->second = text;
    else
        pending_.emplace_back(about, text);
    if (!delay_->isActive())
        delay_->start();
}

void SpokenNotice::tell() {
    QStringList texts;
    for (const auto& said : pending_)
        texts << said.second;
    told_ = texts.join(QLatin1String(". "));
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
