// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QWidget>

#include <utility>
#include <vector>

class QTimer;

namespace zephyra {

// Tells assistive tools a short text as a notification, which a screen reader speaks at once
// wherever the focus is: the result of a flight, a join, a page switched. It is a notification
// shown anew for each text, since a changed name or description alone reaches some screen
// readers as nothing to say. Nothing of it is drawn and it takes no mouse and no focus.
class SpokenNotice : public QWidget {
    Q_OBJECT
public:
    explicit SpokenNotice(QWidget* window);

    // Texts said within a moment are told together (a text repeated at once, once; of texts
    // about the same thing, the latest), after the focus change the same key may have caused:
    // a screen reader interrupts what it is saying for what it is told last.
    void say(const QString& text, const void* about = nullptr);
    static constexpr int delayMs = 300;

    // What assistive tools read as its name: the text told last. Kept here, not as the
    // widget's accessible name, so that telling sends one event, not a rename as well.
    const QString& told() const { return told_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void tell();

    std::vector<std::pair<const void*, QString>> pending_;
    QString told_;
    QTimer* delay_;
};

} // namespace zephyra
