// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/menu_table.h"

namespace zephyra {

const std::vector<MenuSpec>& mainMenu() {
    using M = MenuKind;
    // The built-in questions are added to their submenus from the question list.
    static const std::vector<MenuSpec> menu{
        {"File1", "&File", nullptr, M::Submenu},
        {"Experiment1", "Questions", "File1", M::Submenu},
        {"Introduction1", "Introduction", "Experiment1", M::Submenu},
        {"Easy1", "Easy", "Experiment1", M::Submenu},
        {"Medium1", "Medium", "Experiment1", M::Submenu},
        {"Hard1", "Hard", "Experiment1", M::Submenu},
        {"Motion11", "Worksheets", "Experiment1", M::Submenu},
        {"Workssheet11", "Works sheet #1", "Motion11", M::Submenu},
        {"Fullsolution1", "Full solution", "Workssheet11", M::Submenu},
        {"PartialSolution1", "Partial Solution", "Workssheet11", M::Submenu},
        {"Motion21", "Motion 2", "Experiment1", M::HiddenItem},
        {"Motion1", "Motion 3", "Experiment1", M::HiddenItem},
        {"N2", "-", "File1", M::Separator},
        {"SaveMotion1", "&Save Motion", "File1", M::Item, 0, "Ctrl+S"},
        {"Openmotion1", "&Open Motion", "File1", M::Item, 0, "Ctrl+O"},
        {"N1", "-", "File1", M::Separator},
        {"Copyselect1", "Copy Select", "File1", M::CheckItem},
        {"Exit1", "E&xit", "File1", M::Item, 0, "Ctrl+Q"},
        {"Options1", "&Options", nullptr, M::Submenu},
        {"Showvectors1", "Show Vectors", "Options1", M::CheckItem},
        {"ShowShore1", "Show River", "Options1", M::CheckItem},
        {"Showposition1", "Show Displacement", "Options1", M::CheckItem},
        {"Units1", "Units: m,s", "Options1", M::Submenu},
        {"ms1", "m,s", "Units1", M::Item, 0},
        {"kmh1", "km, h", "Units1", M::Item, 8},
        {"Help1", "&Help", nullptr, M::Submenu},
        {"UserGuide1", "&User Guide", "Help1", M::Item, 0, "F1"},
        {"About1", "&About", "Help1", M::Item},
    };
    return menu;
}

} // namespace zephyra
