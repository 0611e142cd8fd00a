// SPDX-License-Identifier: GPL-3.0-or-later
// The menu table: every item that can be chosen has a handler, every check item a scene flag.
#include "app/main_menu.h"
#include "app/window_fixture.h"

#include <QApplication>
#include <QFileInfo>
#include <QMenu>

namespace {

using zephyra::MenuKind;
using zephyra::MenuRow;

TEST(MainMenuRows, EveryItemThatCanBeChosenHasAHandlerAndEveryCheckItemAFlag) {
    int items = 0;
    for (const MenuRow& row : zephyra::mainMenuRows()) {
        SCOPED_TRACE(row.name);
        const bool chosen = row.kind == MenuKind::Item || row.kind == MenuKind::CheckItem;
        EXPECT_EQ(row.handler != nullptr, chosen);
        EXPECT_EQ(row.checked != nullptr, row.kind == MenuKind::CheckItem);
        EXPECT_TRUE(row.title == nullptr || row.kind == MenuKind::Submenu);
        items += chosen;
    }
    // The designed eleven, Show Question, Show Path, Describe the Scene, Check Ground Velocity,
    // the View menu's four and Worksheets.
    EXPECT_EQ(items, 20);
}

// Each item chosen through its action does what its row says, and nothing else's.
TEST_F(Window, MenuItemsRunTheirOwnHandlers) {
    choose("kmh1");
    EXPECT_EQ(window.scene().unitsTag, zephyra::unitsKmH);
    EXPECT_EQ(find<QMenu>("Units1")->title(), QStringLiteral("Units: km, h"));
    choose("ms1");
    EXPECT_EQ(window.scene().unitsTag, zephyra::unitsMS);
    choose("ShowShore1");
    EXPECT_TRUE(window.scene().showRiver);
    EXPECT_FALSE(window.scene().showDisplacement);
    EXPECT_TRUE(find<QAction>("ShowShore1")->isChecked());
    choose("Copyselect1");
    EXPECT_TRUE(window.scene().copySelect);
    EXPECT_TRUE(find<QAction>("Copyselect1")->isChecked());
    choose("UserGuide1");
    EXPECT_EQ(platform.openedUrls.size(), 1U);
    // The worksheets lie beside the guide.
    choose("Worksheets1");
    ASSERT_EQ(platform.openedUrls.size(), 2U);
    EXPECT_EQ(platform.openedUrls.back().fileName(), QStringLiteral("worksheets.html"));
    EXPECT_TRUE(QFileInfo::exists(platform.openedUrls.back().toLocalFile()));
    EXPECT_EQ(platform.aboutShown, 1);
    choose("Openmotion1");
    EXPECT_EQ(window.scene().panelMode, zephyra::PanelMode::Load);
    EXPECT_EQ(QApplication::focusWidget(), find("lsbt"));
}

} // namespace
