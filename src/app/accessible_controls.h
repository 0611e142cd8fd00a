// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace zephyra {

// Lets assistive tools see the window's own pointer widgets (dials, turn buttons, ground-view
// handles, the ground view) in their roles instead of as fillers, and hides from them the focus
// ring and the layer holding the notebook's pages; tells them all where each widget of the
// client area is seen at any scale. Safe to call more than once.
void installAccessibleControls();

} // namespace zephyra
