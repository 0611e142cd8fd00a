// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/command_line.h"

namespace zephyra {

// Reads the command line, then builds the application and the main window and runs the
// event loop. Returns the exit status (2 for a command line it cannot take).
int runApplication(int argc, char** argv);

// Zephyra keeps no state between runs: Qt's file dialogs, which would keep their history in
// the user's settings (~/.config/QtProject.conf), get settings that keep nothing.
void keepNoSettings();

// The language the program speaks: --language, else the desktop's first that it speaks.
QString chosenLanguage(const CommandLine& commandLine);

} // namespace zephyra
