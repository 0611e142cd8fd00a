#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace zephyra {

struct Scene;

struct Question {
    // Submenus of "Questions", then the item's caption: {"Introduction", "Move vectors"}.
    // A list, since a caption may hold a '/' ("Start/finish line").
    QStringList menuPath;
    QString handler; // e.g. "Movevectors1Click"
    QStringList lines;
    QString record;
};

// The seventeen built-in questions in menu order.
const std::vector<Question>& questions();

// Shows question `index` (0-based, menu order) in the motion panel.
void showQuestion(Scene& scene, int index);

} // namespace zephyra
