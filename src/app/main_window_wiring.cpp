// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window.h"

#include "app/guide_location.h"
#include "app/notebook.h"
#include "app/picture_view.h"
#include "app/shape_view.h"
#include "flight/flight_clock.h"
#include "ground_view/arrows.h"
#include "ground_view/ground_view.h"
#include "manipulation/copy_selection.h"
#include "manipulation/dragging.h"
#include "manipulation/river.h"
#include "manipulation/units.h"
#include "motions/motion_panel.h"
#include "scene/platform.h"
#include "startup/startup.h"
#include "vectors/velocity_panel.h"

#include <QAction>
#include <QCheckBox>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>

namespace zephyra {

void Trelativefrm::connectButtons() {
    const std::pair<const char*, void (*)(Scene&)> plain[] = {{"timerbt", timerbtClick},
                                                              {"resetbt1", resetbt1Click},
                                                              {"cancelbt", cancelbtClick},
                                                              {"nbt", nbtClick}};
    for (const auto& [name, click] : plain)
        connect(control<QPushButton>(name), &QPushButton::clicked, this,
                [this, click] { handle([this, click] { click(scene_); }); });
    const std::pair<const char*, void (*)(Scene&, Platform&)> withPlatform[] = {
        {"lsbt", lsbtClick}, {"ybt", ybtClick}, {"okbt", okbtClick}};
    for (const auto& [name, click] : withPlatform)
        connect(control<QPushButton>(name), &QPushButton::clicked, this,
                [this, click] { handle([this, click] { click(scene_, platform_); }); });

    connect(control<QCheckBox>("repeatcb"), &QCheckBox::toggled, this,
            [this](bool on) { handle([this, on] { scene_.repeat = on; }); });
    connect(control<QCheckBox>("stopstartcb"), &QCheckBox::toggled, this,
            [this](bool on) { handle([this, on] { setShowStartFinish(scene_, on); }); });
    for (int index = 0; index < static_cast<int>(distanceItems_.size()); ++index)
        connect(distanceItems_[static_cast<std::size_t>(index)], &QRadioButton::toggled, this,
                [this, index](bool on) {
                    if (on)
                        handle([this, index] { setDistanceScale(scene_, index); });
                });
    connect(notebook_, &Notebook::currentChanged, this,
            [this](int page) { handle([this, page] { scene_.notebookPage = page; }); });
}

// Value signals, so the keyboard and assistive tools run the same reactions as the mouse.
void Trelativefrm::connectBars() {
    const std::pair<const char*, void (*)(Scene&, int)> bars[] = {{"tsb", setTime},
                                                                  {"timefactorsb", setTimeFactor},
                                                                  {"shoresb", setRiverWidth},
                                                                  {"airspeedsb", setWindSpeed},
                                                                  {"planespeedsb", setPlaneSpeed},
                                                                  {"resultantsb", setGroundSpeed},
                                                                  {"timesb", setVectorScale}};
    for (const auto& [name, write] : bars)
        connect(
            control<QScrollBar>(name), &QScrollBar::valueChanged, this,
            [this, write](int value) { handle([this, write, value] { write(scene_, value); }); });

    connect(windtr_, &QTimer::timeout, this, [this] { handle([this] { windtrTimer(scene_); }); });
    connect(angletr_, &QTimer::timeout, this, [this] { handle([this] { angletrTimer(scene_); }); });
}

void Trelativefrm::connectPictures() {
    struct Dial {
        const char* name;
        void (*down)(Scene&, int, int);
        void (*move)(Scene&, int, int);
    };
    const Dial dials[] = {{"windim", windimMouseDown, windimMouseMove},
                          {"planeim", planeimMouseDown, planeimMouseMove},
                          {"resultantim", resultantimMouseDown, resultantimMouseMove},
                          {"waterim", waterimMouseDown, waterimMouseMove}};
    for (const Dial& dial : dials) {
        auto* view = control<PictureView>(dial.name);
        connect(view, &PictureView::pressed, this, [this, down = dial.down](QPoint at) {
            handle([&] { down(scene_, at.x(), at.y()); });
        });
        connect(view, &PictureView::moved, this, [this, move = dial.move](QPoint at) {
            handle([&] { move(scene_, at.x(), at.y()); });
        });
        const bool plane = QLatin1String(dial.name) == QLatin1String("planeim");
        connect(view, &PictureView::released, this, [this, plane] {
            handle([&] { plane ? planeimMouseUp(scene_) : windimMouseUp(scene_, platform_); });
        });
    }

    const char* turnButtons[] = {"Image10", "Image3", "Image4", "Image5", "Image6", "Image7"};
    for (int tag = 0; tag < 6; ++tag) {
        auto* view = control<PictureView>(turnButtons[tag]);
        connect(view, &PictureView::pressed, this,
                [this, tag] { handle([&] { Image10MouseDown(scene_, tag); }); });
        connect(view, &PictureView::released, this,
                [this] { handle([&] { Image10MouseUp(scene_); }); });
    }
}

void Trelativefrm::connectShapes() {
    enum class Drag { Point, Middle, Carrier };
    const std::tuple<const char*, ShapeId, Drag> draggable[] = {
        {"planesh", ShapeId::planesh, Drag::Point},
        {"Startsh", ShapeId::Startsh, Drag::Point},
        {"stopsh", ShapeId::stopsh, Drag::Point},
        {"windshm", ShapeId::windshm, Drag::Middle},
        {"planeshm", ShapeId::planeshm, Drag::Middle},
        {"resultshm", ShapeId::resultshm, Drag::Middle},
        {"movesh", ShapeId::movesh, Drag::Carrier}};
    for (const auto& [name, id, drag] : draggable) {
        auto* shape = control<ShapeView>(name);
        connect(shape, &ShapeView::pressed, this,
                [this] { handle([this] { planeshMouseDown(scene_); }); });
        connect(shape, &ShapeView::moved, this, [this, id = id, drag = drag](QPoint at) {
            handle([&] {
                if (drag == Drag::Point)
                    planeshMouseMove(scene_, id, at.x(), at.y());
                else if (drag == Drag::Middle)
                    windshmMouseMove(scene_, id, at.x(), at.y());
                else
                    moveshMouseMove(scene_, at.x(), at.y());
            });
        });
        connect(shape, &ShapeView::released, this, [this, drag = drag] {
            handle([&] { drag == Drag::Carrier ? moveshMouseUp(scene_) : planeimMouseUp(scene_); });
        });
    }
}

void Trelativefrm::connectMenu() {
    for (auto it = actions_.cbegin(); it != actions_.cend(); ++it) {
        QAction* action = it.value();
        if (action->menu() || action->isSeparator())
            continue;
        connect(action, &QAction::triggered, this,
                [this, name = it.key(), action] { onMenuItem(name, action->data().toInt()); });
    }
    // An open menu takes the mouse, so a turn button held meanwhile never hears its release.
    for (QMenu* menu : findChildren<QMenu*>())
        connect(menu, &QMenu::aboutToShow, this, [this] {
            if (scene_.angletrEnabled)
                handle([this] { Image10MouseUp(scene_); });
        });
}

void Trelativefrm::onMenuItem(const QString& name, int tag) {
    if (name == QLatin1String("Exit1")) {
        close();
        return;
    }
    const std::pair<const char*, void (*)(Scene&)> items[] = {
        {"SaveMotion1", SaveMotion1Click}, {"Openmotion1", Openmotion1Click},
        {"Copyselect1", Copyselect1Click}, {"Showvectors1", Showvectors1Click},
        {"ShowShore1", ShowShore1Click},   {"Showposition1", Showposition1Click}};
    for (const auto& [itemName, click] : items)
        if (name == QLatin1String(itemName))
            handle([this, click = click] { click(scene_); });
    if (name == QLatin1String("ms1") || name == QLatin1String("kmh1"))
        handle([this, tag] { ms1Click(scene_, tag); });
    if (name == QLatin1String("About1"))
        handle([this] { About1Click(scene_, platform_); });
    if (name == QLatin1String("UserGuide1"))
        platform_.openUrl(guideUrl());
    if (name == QLatin1String("SaveMotion1") || name == QLatin1String("Openmotion1"))
        focusPanel();
}

void Trelativefrm::connectPanel() {
    auto* memo = control<QPlainTextEdit>("expmem");
    memo->installEventFilter(this);
    // The typed text belongs to the scene as soon as it is typed.
    connect(memo, &QPlainTextEdit::textChanged, this, [this, memo] {
        memoText_ = memo->toPlainText();
        handle([this] { scene_.expmemText = memoText_; });
    });
}

} // namespace zephyra
