// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <vector>

class QAccessibleEvent;

namespace zephyra {

// Decides which accessibility events reach assistive tools. Qt's widgets tell every change
// of their own (a label's text, a scroll bar's value), hidden or not; a screen reader flooded
// with them speaks a focus change seconds late. A hidden widget's changes are not told (an
// assistive tool reads the widget afresh when it shows), and the members of a paced group are
// told at most once per interval while the group is active, as one announcement.
class Announcements : public QObject {
    Q_OBJECT
public:
    using Forward = std::function<void(QAccessibleEvent*)>;

    // forward hands an admitted event on to the assistive tools.
    explicit Announcements(Forward forward, QObject* parent = nullptr);

    // While active() holds, the events of members reach assistive tools at most once per
    // interval; what was held back is told when the interval ends, as a change of the first
    // member's value (or of its name when it has no value).
    void pace(const std::vector<QObject*>& members, std::function<bool()> active, int intervalMs);

    // Hands the event on at once, holds it back for its group, or drops it.
    void offer(QAccessibleEvent* event);

    // Routes the accessibility events of the whole program through announcements, until it
    // is destroyed.
    static void route(Announcements* announcements);
    // Hands an event to the assistive tools, past any routing.
    static void tell(QAccessibleEvent* event);

private:
    struct Group {
        std::vector<QPointer<QObject>> members;
        std::function<bool()> active;
        int intervalMs;
        QElapsedTimer lastTold;
        QTimer* held; // runs while a held-back change waits for the end of the interval
    };

    Group* groupOf(const QObject* object);
    void tellHeld(Group& group);

    Forward forward_;
    std::vector<Group> groups_;
};

} // namespace zephyra
