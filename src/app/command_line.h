// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace zephyra {

// What the command line asks for: run (perhaps with a motion file to open), print the help
// or the version, or fail with a one-line message.
struct CommandLine {
    enum class Action { Run, PrintHelp, PrintVersion, Fail };
    Action action = Action::Run;
    std::optional<QString> motionFile;
    std::optional<QString> language; // --language CODE, one the program speaks
    QString output; // for standard output, or for standard error when the action is Fail
    std::optional<int> zoomPercent; // the window's size, in percent of the designed size
    bool fullScreen = false;
};

// Zoom percentages the command line accepts.
inline constexpr int smallestZoomPercent = 25;
inline constexpr int largestZoomPercent = 800;

// Reads the arguments, the program first. Qt's own options (-platform, -style, ...) are
// accepted here and left for QApplication to take.
CommandLine parseCommandLine(const QStringList& arguments);

} // namespace zephyra
