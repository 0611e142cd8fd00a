// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window.h"

#include "app/accessible_controls.h"
#include "app/announcements.h"
#include "app/designed_look.h"
#include "app/notebook.h"
#include "motions/motion_panel.h"
#include "scene/artwork.h"
#include "startup/startup.h"
#include "vectors/velocity_panel.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTimer>

namespace zephyra {

Trelativefrm::Trelativefrm(Platform& platform, QWidget* parent)
    : QMainWindow(parent), platform_(platform) {
    // Before any control exists: assistive tools keep the first interface made for each.
    installAccessibleControls();
    setObjectName(QStringLiteral("relativefrm"));
    setWindowTitle(QStringLiteral("Zephyra"));
    // Fixed single border: system menu, minimise and close, no maximise.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);

    const QColor blue(0, 0, 255), black(0, 0, 0), red(255, 0, 0);
    turnArrows_ = {turnArrow(blue, false), turnArrow(blue, true), turnArrow(black, false),
                   turnArrow(black, true), turnArrow(red, false), turnArrow(red, true)};

    windtr_ = new QTimer(this);
    windtr_->setObjectName(QStringLiteral("windtr"));
    windtr_->setInterval(20);
    windtr_->setTimerType(Qt::PreciseTimer); // the flight keeps real time
    angletr_ = new QTimer(this);
    angletr_->setObjectName(QStringLiteral("angletr"));
    angletr_->setInterval(25);

    // Before the controls are built, so they all inherit the designed palette.
    setPalette(designedPalette());
    groupBoxStyle_ = new DesignedStyle;
    groupBoxStyle_->setParent(this);
    buildControls();
    buildMenu();
    bindControls();
    connectButtons();
    connectBars();
    connectPictures();
    connectShapes();
    connectMenu();
    connectPanel();
    setUpKeyboard();
    paceAnnouncements();

    handle([this] { FormCreate(scene_); });

    layout()->setSizeConstraint(QLayout::SetFixedSize);
    centreOnScreen();
}

Trelativefrm::~Trelativefrm() = default;

// The flight clock changes the time and the displacement at every tick: told as one, at most
// twice a second, while the plane flies.
void Trelativefrm::paceAnnouncements() {
    auto* announcements = new Announcements(&Announcements::tell, this);
    std::vector<QObject*> clock;
    for (const char* name : {"tsb", "timelb", "nslb", "ewlb"})
        clock.push_back(control<QWidget>(name));
    announcements->pace(
        clock, [this] { return scene_.running; }, announcedTimeInterval);
    Announcements::route(announcements);
}

void Trelativefrm::centreOnScreen() {
    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = rect();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

bool Trelativefrm::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate && !activated_) {
        activated_ = true;
        // The about box is modal: open it once this activation has been handled.
        QTimer::singleShot(0, this, [this] {
            handle([this] { FormActivate(scene_, platform_); });
            if (startFile_)
                handle([this] { openMotionFile(scene_, platform_, *startFile_); });
        });
    }
    // A turn button released while another window had the mouse sends no release here.
    if (event->type() == QEvent::WindowDeactivate && scene_.angletrEnabled)
        handle([this] { Image10MouseUp(scene_); });
    return QMainWindow::event(event);
}

bool Trelativefrm::eventFilter(QObject* watched, QEvent* event) {
    auto* memo = control<QPlainTextEdit>("expmem");
    if (watched == memo || watched == memo->viewport())
        memoEvent(event);
    if ((event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) &&
        keyEvent(watched, static_cast<QKeyEvent*>(event)))
        return true;
    return QMainWindow::eventFilter(watched, event);
}

} // namespace zephyra
