// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/layout_table.h"

namespace zephyra {

namespace {

using K = ControlKind;

const QColor white(255, 255, 255);
const QColor black(0, 0, 0);
const QColor paleYellow = QColor::fromRgb(windowColour);
const QColor khaki = QColor::fromRgb(khakiColour);

const ShapeStyle handle{ShapeStyle::Circle, white, black};

std::vector<ControlSpec> groundViewRows() {
    return {
        // The ground view and everything floating over it, bottom to top.
        {.name = "GroupBox1",
         .kind = K::GroupBox,
         .parent = "client",
         .geometry = {3, 0, 582, 537},
         .caption = "Ground Position",
         .background = paleYellow},
        {.name = "waterim",
         .kind = K::Picture,
         .parent = "GroupBox1",
         .geometry = {2, 16, 578, 519},
         .accessibleName = "Ground view"},
        {.name = "movesh",
         .kind = K::Shape,
         .parent = "GroupBox1",
         .geometry = {480, 192, 9, 9},
         .visible = false,
         .accessibleName = "Move wind and plane arrows together",
         .shape = {ShapeStyle::Square, white, black}},
        {.name = "planeshb",
         .kind = K::Shape,
         .parent = "GroupBox1",
         .geometry = {496, 48, 7, 7},
         .visible = false,
         .accessibleName = "Plane arrow tail",
         .shape = handle},
        {.name = "planesht",
         .kind = K::Shape,
         .parent = "GroupBox1",
         .geometry = {480, 32, 7, 7},
         .visible = false,
         .accessibleName = "Plane arrow tip",
         .shape = handle},
        {.name = "windsht",
         .kind = K::Shape,
         .parent = "GroupBox1",
         .geometry = {424, 40, 7, 7},
         .visible = false,
         .accessibleName = "Wind arrow tip",
         .shape = handle},
        {.name = "windshb",
         .kind = K::Shape,
         .parent = "GroupBox1",
         .geometry = {440, 56, 7, 7},
         .visible = false,
         .accessibleName = "Wind arrow tail",
         .shape = handle},
        {.name = "Startsh",
         .kind = K::Shape,
         .parent = "GroupBox1",
         .geometry = {112, 352, 17, 17},
         .visible = false,
         .accessibleName = "Start marker",
         .shape = {ShapeStyle::Circle, QColor(), QColor(0, 128, 0)},
         .cursor = Qt::CrossCursor},
        {.name = "stopsh",
         .kind = K::Shape,
         .parent = "GroupBox1",
         .geometry = {488, 352, 17, 17},
         .visible = false,
         .accessibleName = "Finish marker",
         .shape = {ShapeStyle::Circle, QColor(), QColor(255, 0, 0)},
         .cursor = Qt::CrossCursor},
        {.name = "planesh",
         .kind = K::Shape,
         .parent = "GroupBox1",
         .geometry = {216, 232, 9, 9},
         .accessibleName = "Plane start",
         .shape = {ShapeStyle::Circle, black, black},
         .cursor = Qt::CrossCursor},
        {.name = "windshm",
         .kind = K::Shape,
         .parent = "GroupBox1",
         .geometry = {480, 112, 7, 7},
         .visible = false,
         .accessibleName = "Wind arrow",
         .shape = handle},
        {.name = "planeshm",
         .kind = K::Shape,
         .parent = "GroupBox1",
         .geometry = {480, 296, 7, 7},
         .visible = false,
         .accessibleName = "Plane arrow",
         .shape = handle},
        {.name = "resultshm",
         .kind = K::Shape,
         .parent = "GroupBox1",
         .geometry = {472, 408, 7, 7},
         .visible = false,
         .accessibleName = "Ground velocity arrow",
         .shape = handle},
        {.name = "resultshb",
         .kind = K::Shape,
         .parent = "GroupBox1",
         .geometry = {424, 424, 7, 7},
         .visible = false,
         .accessibleName = "Ground velocity arrow tail",
         .shape = handle},
        {.name = "resultsht",
         .kind = K::Shape,
         .parent = "GroupBox1",
         .geometry = {512, 392, 7, 7},
         .visible = false,
         .accessibleName = "Ground velocity arrow tip",
         .shape = handle},
        {.name = "copyshape",
         .kind = K::Shape,
         .parent = "GroupBox1",
         .geometry = {120, 32, 65, 65},
         .visible = false,
         .accessibleName = "Copy selection",
         .shape = {ShapeStyle::Rectangle, QColor(), black, true}},
        {.name = "Image1",
         .kind = K::Picture,
         .parent = "GroupBox1",
         .geometry = {208, 24, 105, 105},
         .visible = false,
         .accessibleName = "Copied picture"},
        {.name = "posgb",
         .kind = K::GroupBox,
         .parent = "GroupBox1",
         .geometry = {8, 16, 153, 57},
         .caption = "Displacement from Start",
         .visible = false,
         // Opaque in the colour of the box it sits in, so it reads over the river banks too.
         .background = paleYellow},
        {.name = "nslb",
         .kind = K::Label,
         .parent = "posgb",
         .geometry = {48, 16, 38, 14},
         .caption = "0 m [N]"},
        {.name = "ewlb",
         .kind = K::Label,
         .parent = "posgb",
         .geometry = {48, 32, 37, 14},
         .caption = "0 m [E]"},

    };
}

std::vector<ControlSpec> motionPanelRows() {
    return {
        // Picture holders: never shown, kept so every designed picture has its place.
        {.name = "airim",
         .kind = K::Picture,
         .parent = "client",
         .geometry = {568, 272, 200, 200},
         .visible = false,
         .accessibleName = "Sky tile"},
        {.name = "wim",
         .kind = K::Picture,
         .parent = "client",
         .geometry = {584, 0, 200, 200},
         .visible = false,
         .accessibleName = "Water tile"},
        {.name = "aim",
         .kind = K::Picture,
         .parent = "client",
         .geometry = {600, 0, 200, 200},
         .visible = false,
         .accessibleName = "Saved sky tile"},

        // The motion panel lies over the ground view.
        {.name = "expgb",
         .kind = K::GroupBox,
         .parent = "client",
         .geometry = {136, 88, 409, 241},
         .caption = "Motion",
         .visible = false,
         .background = khaki},
        {.name = "expmem",
         .kind = K::Memo,
         .parent = "expgb",
         .geometry = {16, 24, 377, 145},
         .accessibleName = "Explanation"},
        {.name = "lsbt",
         .kind = K::Button,
         .parent = "expgb",
         .geometry = {24, 192, 75, 25},
         .caption = "lsbt"},
        {.name = "cancelbt",
         .kind = K::Button,
         .parent = "expgb",
         .geometry = {120, 192, 75, 25},
         .caption = "&Cancel"},
        {.name = "yngb",
         .kind = K::GroupBox,
         .parent = "expgb",
         .geometry = {199, 173, 194, 57},
         .caption = "Is this the right Experiment?",
         .visible = false},
        {.name = "ybt",
         .kind = K::Button,
         .parent = "yngb",
         .geometry = {16, 24, 75, 25},
         .caption = "&Yes"},
        {.name = "nbt",
         .kind = K::Button,
         .parent = "yngb",
         .geometry = {112, 24, 75, 25},
         .caption = "&No"},
        {.name = "qb",
         .kind = K::GroupBox,
         .parent = "expgb",
         .geometry = {8, 176, 393, 57},
         .caption = "Relative Motion Question",
         .visible = false,
         // Opaque, so the buttons it covers do not show through.
         .background = khaki},
        {.name = "okbt",
         .kind = K::Button,
         .parent = "qb",
         .geometry = {152, 21, 75, 25},
         .caption = "&Ok"},
    };
}

} // namespace

const std::vector<ControlSpec>& windowLayout() {
    static const std::vector<ControlSpec> layout = [] {
        std::vector<ControlSpec> rows = groundViewRows();
        for (const std::vector<ControlSpec>& part : {notebookRows(), motionPanelRows()})
            rows.insert(rows.end(), part.begin(), part.end());
        return rows;
    }();
    return layout;
}

const std::vector<const char*>& distanceScaleItems() {
    static const std::vector<const char*> items{"&100", "&200", "&500", "&1000", "&2000", "&5000"};
    return items;
}

} // namespace zephyra
