// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/announcements.h"

#include <QAccessible>
#include <QWidget>

namespace zephyra {

namespace {

Announcements* routed = nullptr;
QAccessible::UpdateHandler previous = nullptr;

void handler(QAccessibleEvent* event);

// Qt hands an event to the platform's bridge when no handler is installed.
void toTools(QAccessibleEvent* event) {
    if (previous) {
        previous(event);
        return;
    }
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(handler);
}

void handler(QAccessibleEvent* event) {
    if (routed)
        routed->offer(event);
    else
        toTools(event);
}

// Events that keep an assistive tool's picture of the window whole: always told.
bool aboutTheTree(QAccessible::Event type) {
    switch (type) {
    case QAccessible::ObjectCreated:
    case QAccessible::ObjectDestroyed:
    case QAccessible::ObjectShow:
    case QAccessible::ObjectHide:
    case QAccessible::ObjectReorder:
    case QAccessible::ParentChanged:
    case QAccessible::Focus:
        return true;
    default:
        return false;
    }
}

} // namespace

Announcements::Announcements(Forward forward, QObject* parent)
    : QObject(parent), forward_(std::move(forward)) {}

void Announcements::route(Announcements* announcements) {
    static const bool installed = [] {
        previous = QAccessible::installUpdateHandler(handler);
        return true;
    }();
    (void)installed;
    routed = announcements;
    connect(announcements, &QObject::destroyed, [announcements] {
        if (routed == announcements)
            routed = nullptr;
    });
}

void Announcements::tell(QAccessibleEvent* event) {
    toTools(event);
}

void Announcements::pace(const std::vector<QObject*>& members, std::function<bool()> active,
                         int intervalMs) {
    Group group{
        {members.begin(), members.end()}, std::move(active), intervalMs, {}, new QTimer(this)};
    group.held->setSingleShot(true);
    const std::size_t index = groups_.size();
    connect(group.held, &QTimer::timeout, this, [this, index] { tellHeld(groups_[index]); });
    groups_.push_back(std::move(group));
}

Announcements::Group* Announcements::groupOf(const QObject* object) {
    for (Group& group : groups_)
        for (const QPointer<QObject>& member : group.members)
            if (member == object)
                return &group;
    return nullptr;
}

void Announcements::offer(QAccessibleEvent* event) {
    QObject* object = event->object();
    const auto* widget = qobject_cast<QWidget*>(object);
    // A widget drawn for the eye only (the focus ring) tells assistive tools nothing at all.
    if (widget && widget->isVisible() && event->accessibleInterface() &&
        event->accessibleInterface()->state().invisible)
        return;
    if (!aboutTheTree(event->type())) {
        if (widget && !widget->isVisible())
            return;
        if (Group* group = groupOf(object); group && group->active()) {
            const qint64 since = group->lastTold.isValid() ? group->lastTold.elapsed() : -1;
            if (since >= 0 && since < group->intervalMs) {
                if (!group->held->isActive())
                    group->held->start(static_cast<int>(group->intervalMs - since));
                return;
            }
            group->lastTold.start();
            group->held->stop();
        }
    }
    forward_(event);
}

void Announcements::tellHeld(Group& group) {
    QObject* first = group.members.empty() ? nullptr : group.members.front().data();
    const auto* widget = qobject_cast<QWidget*>(first);
    if (!first || (widget && !widget->isVisible()))
        return;
    group.lastTold.start();
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(first);
    if (accessible && accessible->valueInterface()) {
        QAccessibleValueChangeEvent changed(first, accessible->valueInterface()->currentValue());
        forward_(&changed);
    } else {
        QAccessibleEvent renamed(first, QAccessible::NameChanged);
        forward_(&renamed);
    }
}

} // namespace zephyra
