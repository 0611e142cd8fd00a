// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/shape_view.h"
#include "scene/scene.h"

#include <QColor>
#include <QRect>

#include <vector>

namespace zephyra {

enum class ControlKind {
    GroupBox,
    Panel,
    Notebook,
    Page,
    Button,
    Label,        // sizes itself to its caption, left edge fixed
    CentredLabel, // fixed size, caption centred
    WrappedLabel, // fixed size, caption word-wrapped
    ScrollBar,
    CheckBox,
    RadioButton,
    RadioGroup,
    Picture,
    Shape,
    Memo,
};

// One control of the main window as designed: where it sits, what it says and whether it
// shows at start. Rows are in creation order, which is also the stacking order (later rows
// lie above earlier ones in the same parent).
struct ControlSpec {
    const char* name;
    ControlKind kind;
    const char* parent; // "client" is the window's client area below the menu bar
    QRect geometry;     // relative to the parent's client area (a page's starts at (4, 25))
    const char* caption = nullptr;
    bool visible = true;
    const char* accessibleName = nullptr; // for controls that show no caption of their own
    int fontPixelSize = 0;                // 0: the window's font
    ShapeStyle shape = {};
    bool checked = false;
    Qt::CursorShape cursor = Qt::ArrowCursor;
    QColor background = {}; // invalid: the parent's
};

const std::vector<ControlSpec>& windowLayout();
// The rows of the right-hand panel and its notebook pages, part of windowLayout().
std::vector<ControlSpec> notebookRows();

// Items of the radio group "Distance Scale", in item-index order.
const std::vector<const char*>& distanceScaleItems();

inline constexpr QSize clientSize{792, 546};

} // namespace zephyra
