// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/narrator.h"
#include "app/window_context.h"
#include "scene/scene.h"

#include <QFont>
#include <QMainWindow>

#include <memory>
#include <optional>

class QShortcut;
class QTimer;

namespace zephyra {

class ControlsPage;
class DesignedStyle;
class GroundPosition;
class MainMenu;
class MotionPanelView;
class Notebook;
class Platform;
class VelocitiesPage;
class ZoomHost;

// Shortest time between two announcements of the flight time.
inline constexpr int announcedTimeInterval = 750;

// The main window. It owns the scene and assembles the parts a person sees, each of which
// builds its widgets, forwards their input to the behaviour and projects its part of the
// scene: the ground view with its shapes and the displacement box, the Controls and
// Velocities pages in the right-hand notebook, the motion panel and the menus.
class Trelativefrm : public QMainWindow {
    Q_OBJECT
public:
    explicit Trelativefrm(Platform& platform, QWidget* parent = nullptr);
    ~Trelativefrm() override;

    const Scene& scene() const { return scene_; }

    // Brings every widget, check mark and timer in line with the scene, signals blocked.
    void project();

    // Opens the motion file at path once start-up has shown the about box, as "&Open Motion"
    // and "&Load" would with that file chosen.
    void openAtStart(const QString& path) { startFile_ = path; }

    // How long start-up waits after the window shows for it to be activated. A desktop may
    // never activate it (a Wayland compositor that maps it without focus, focus-stealing
    // prevention); start-up then runs all the same.
    static constexpr int startUpWaitMs = 1000;

    // The window's size for the client area at scale, the menu bar above it shown at scale.
    QSize designedSize(double scale) const;
    // View menu: the next zoom step up (1) or down (-1), or the designed size (0); the window
    // takes that size, leaving full screen or maximised. Full screen on or off.
    void zoom(int direction);
    void toggleFullScreen();
    void enterFullScreen();
    // The window at percent of the designed size, or as large as the screen holds, centred.
    void zoomAtStart(int percent);

protected:
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // The menus are shown at the scale of the client area below them.
    void resizeEvent(QResizeEvent* event) override;
    // Enter or Return presses the focused push button, as on any desktop.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The about box, the note and the arrows, once: at the first activation, as designed.
    void startUp();
    // Ends every press of a turn button or handle, whose release will not come.
    void endPresses();
    QWidget* buildClient();
    void buildTimers();
    void paceAnnouncements();
    void buildFullScreenExit();
    void zoomTo(int percent);
    // What the screen leaves for the window's inside, its frame taken off.
    QSize availableSize() const;
    // The largest scale up to most at which the client area and the menu bar shown at that
    // scale fit into area.
    double scaleFitting(QSize area, double most) const;
    // The menu bar's height shown at scale.
    int menuBarHeight(double scale) const;
    // Shows the menus, the boxes and the hints over the ground view at scale.
    void showMenusAt(double scale);

    Scene scene_;
    Platform& platform_;
    WindowContext context_;
    bool startedUp_ = false;
    std::optional<QString> startFile_;

    ZoomHost* host_ = nullptr;
    GroundPosition* ground_ = nullptr;
    QWidget* panel1_ = nullptr;
    Notebook* notebook_ = nullptr;
    ControlsPage* controls_ = nullptr;
    VelocitiesPage* velocities_ = nullptr;
    MotionPanelView* motionPanel_ = nullptr;
    MainMenu* menu_ = nullptr;
    std::optional<Narrator> narrator_;
    QTimer* windtr_ = nullptr;
    QTimer* angletr_ = nullptr;
    QShortcut* leaveFullScreen_ = nullptr;
    QStyle* boxStyle_ = nullptr;
    std::unique_ptr<DesignedStyle> menuStyle_; // the menus' style when they are scaled
    QFont designedTipFont_;                    // the hints' font at the designed size
};

} // namespace zephyra
