// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessible>

class QObject;
class QString;

namespace zephyra {

// Gives every widget of the client area, Qt's own included, and its parts (a tab of the
// notebook) the place where it is seen on the screen at any scale. Shown scaled, the client
// area is a hidden window of its own, which Qt's interfaces take for the place and size it is
// seen at: each is wrapped, its place told as it is seen, all else as Qt tells it.
QAccessibleInterface* shownPlaceFactory(const QString& className, QObject* object);

} // namespace zephyra
