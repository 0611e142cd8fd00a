#pragma once

#include <QUrl>

namespace zephyra {

// The user guide: next to an installed program (share/doc/Zephyra), else in the source tree
// the program was built from.
QUrl guideUrl();

} // namespace zephyra
