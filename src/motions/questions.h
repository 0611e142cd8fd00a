// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace zephyra {

struct Scene;

struct Question {
    // Submenus of "Questions" and the caption, joined by '/': "Introduction/Move vectors".
    // A caption may hold a '/' itself ("Introduction/Start/finish line").
    QString menuPath;
    QString handler; // e.g. "Movevectors1Click"
    QStringList lines;
    QString record;
};

// The seventeen built-in questions in menu order.
const std::vector<Question>& questions();

// Shows question `index` (0-based, menu order) in the motion panel.
void showQuestion(Scene& scene, int index);

} // namespace zephyra
