// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/window_context.h"

#include <QKeySequence>
#include <QObject>

#include <functional>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;

namespace zephyra {

enum class MenuKind { Submenu, Item, CheckItem, Separator, HiddenItem };

// What a menu item may do besides running behaviour on the scene.
struct MenuActions {
    WindowContext& context;
    std::function<void()> closeWindow;
    std::function<void()> focusPanel;
    std::function<void(const QString& code)> chooseLanguage;
    std::function<void(int direction)> zoom; // 1 in, -1 out, 0 the designed size
    std::function<void()> toggleFullScreen;
};

// One entry of the main menu, in menu order; parent nullptr is the menu bar. An item runs
// its handler with its tag; a check item shows a scene flag; a submenu may take its title
// from the scene. Every item but a hidden one has a handler.
struct MenuRow {
    const char* name;
    const char* caption;
    const char* parent;
    MenuKind kind;
    void (*handler)(MenuActions&, int tag) = nullptr;
    int tag = 0;
    const char* shortcut = nullptr; // shown in the menu, e.g. "Ctrl+O"; more after "; "
    bool Scene::*checked = nullptr;
    QString Scene::*title = nullptr;
    // The platform's own keys for the item, after those of shortcut.
    QKeySequence::StandardKey standardKey = QKeySequence::UnknownKey;
};

const std::vector<MenuRow>& mainMenuRows();

// The menu bar: File (the built-in questions, save, open, copy select, exit), Options, View
// (zoom and full screen) and Help, built from mainMenuRows() and the question list.
class MainMenu : public QObject {
    Q_OBJECT
public:
    MainMenu(MenuActions actions, QMenuBar* bar);

    void project();
    // The texts that do not come from the window's own table: the questions' captions in the
    // language now chosen, and which language is checked.
    void retranslate();

private:
    struct Built {
        const MenuRow* row;
        QAction* action;
    };
    struct QuestionItem {
        QAction* item;
        int index;    // in the question list
        int submenus; // the parts of its path before the caption
    };
    void buildQuestions(const std::vector<std::pair<QStringList, QMenu*>>& menus);
    void buildLanguages(QMenu* menu);

    MenuActions actions_;
    std::vector<Built> built_;
    std::vector<QuestionItem> questionItems_;
    std::vector<std::pair<QString, QAction*>> languageItems_;
};

} // namespace zephyra
