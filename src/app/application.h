#pragma once

namespace zephyra {

// Builds the application and the main window and runs the event loop.
int runApplication(int argc, char** argv);

} // namespace zephyra
