// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

namespace zephyra {

enum class MenuKind { Submenu, Item, CheckItem, Separator, HiddenItem };

// One item of the main menu as designed, in menu order; parent nullptr is the menu bar.
struct MenuSpec {
    const char* name;
    const char* caption;
    const char* parent;
    MenuKind kind;
    int tag = 0;
    const char* shortcut = nullptr; // shown in the menu, e.g. "Ctrl+O"
};

const std::vector<MenuSpec>& mainMenu();

} // namespace zephyra
