// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window.h"

#include "app/accessible_controls.h"
#include "app/announcements.h"
#include "app/controls_page.h"
#include "app/designed_look.h"
#include "app/focus_mark.h"
#include "app/ground_position.h"
#include "app/languages.h"
#include "app/main_menu.h"
#include "app/motion_panel_view.h"
#include "app/notebook.h"
#include "app/pointer_widget.h"
#include "app/shown.h"
#include "app/spoken_notice.h"
#include "app/translated.h"
#include "app/velocities_page.h"
#include "app/zoom_host.h"
#include "flight/flight_clock.h"
#include "motions/motion_panel.h"
#include "startup/startup.h"
#include "vectors/velocity_panel.h"

#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QTimer>
#include <QToolTip>

#include <algorithm>
#include <cmath>
#include <limits>

namespace zephyra {

namespace {

void setTimerRunning(QTimer* timer, bool running) {
    if (running && !timer->isActive())
        timer->start();
    else if (!running && timer->isActive())
        timer->stop();
}

} // namespace

Trelativefrm::Trelativefrm(Platform& platform, QWidget* parent)
    : QMainWindow(parent),
      platform_(platform), context_{scene_, platform, nullptr, [this] { project(); }},
      designedTipFont_(QToolTip::font()) {
    // Before any control exists: assistive tools keep the first interface made for each.
    installAccessibleControls();
    setObjectName(QStringLiteral("relativefrm"));
    setWindowTitle(QStringLiteral("Zephyra"));
    buildTimers();
    context_.say = [notice = new SpokenNotice(this)](const QString& text, const void* about) {
        notice->say(text, about);
    };

    // Before the controls are built, so they all inherit the designed palette.
    setPalette(designedPalette());
    auto* boxStyle = new DesignedStyle;
    boxStyle->setParent(this);
    context_.boxStyle = boxStyle;
    boxStyle_ = boxStyle;
    QWidget* client = buildClient();
    ground_ = new GroundPosition(context_, client);
    panel1_ = new QWidget(client);
    place(panel1_, "Panel1", {588, 3, 197, 537});
    fillBackground(panel1_, QColor::fromRgb(khakiColour));
    notebook_ = new Notebook(panel1_);
    place(notebook_, "TabbedNotebook1", {2, 2, 193, 535});
    controls_ = new ControlsPage(context_,
                                 notebook_->addPage(QT_TRANSLATE_NOOP("Trelativefrm", "&Controls"),
                                                    QStringLiteral("controlsPage")));
    velocities_ = new VelocitiesPage(
        context_, notebook_->addPage(QT_TRANSLATE_NOOP("Trelativefrm", "&Velocities"),
                                     QStringLiteral("velocitiesPage")));
    connect(notebook_, &Notebook::currentChanged, this,
            [this](int page) { context_.run([&] { scene_.notebookPage = page; }); });
    ground_->buildTileHolders(client);
    motionPanel_ = new MotionPanelView(context_, client);
    menuBar()->setStyle(boxStyle);
    menu_ =
        new MainMenu({context_, [this] { close(); }, [this] { motionPanel_->takeFocus(); },
                      [](const QString& code) { setLanguage(code); },
                      [this](int direction) { zoom(direction); }, [this] { toggleFullScreen(); }},
                     menuBar());
    // Alt alone does not reach the menus (see DesignedStyle); F10 does, as on GNOME.
    connect(new QShortcut(QKeySequence(Qt::Key_F10), this), &QShortcut::activated, this,
            [this] { menuBar()->setActiveAction(menuBar()->actions().constFirst()); });
    // A menu opened by a key while a button is held takes the mouse, and the release with it.
    for (QMenu* menu : menuBar()->findChildren<QMenu*>())
        connect(menu, &QMenu::aboutToShow, this, [this] { endPresses(); });
    new FocusMark(client);
    buildFullScreenExit();
    narrator_.emplace(scene_, [this](const QString& text) { context_.say(text, nullptr); });
    for (QPushButton* button : client->findChildren<QPushButton*>())
        button->installEventFilter(this);
    paceAnnouncements();

    context_.run([this] { FormCreate(scene_); });
    // Boxes whose title a translation made smaller now hold all their controls.
    for (QGroupBox* box : findChildren<QGroupBox*>())
        fitCaption(box);

    // The designed size, or smaller where the screen is: never off it.
    zoomAtStart(100);
}

Trelativefrm::~Trelativefrm() {
    // The hints' font is the application's: it goes back to the designed one with the window.
    QToolTip::setFont(designedTipFont_);
}

QWidget* Trelativefrm::buildClient() {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(designedClient);
    fillBackground(client, QColor::fromRgb(windowColour));
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    font.setPixelSize(11);
    client->setFont(font);
    host_ = new ZoomHost(client, this);
    fillBackground(host_, QColor::fromRgb(windowColour));
    // Small enough for any screen: the client area shrinks with the window.
    host_->setMinimumSize(designedClient / 4);
    host_->resize(designedClient);
    setCentralWidget(host_);
    return client;
}

void Trelativefrm::buildTimers() {
    windtr_ = new QTimer(this);
    windtr_->setObjectName(QStringLiteral("windtr"));
    windtr_->setInterval(20);
    windtr_->setTimerType(Qt::PreciseTimer); // the flight keeps real time
    angletr_ = new QTimer(this);
    angletr_->setObjectName(QStringLiteral("angletr"));
    angletr_->setInterval(25);
    connect(windtr_, &QTimer::timeout, this,
            [this] { context_.run([this] { windtrTimer(scene_); }); });
    connect(angletr_, &QTimer::timeout, this,
            [this] { context_.run([this] { angletrTimer(scene_); }); });
}

// The flight clock changes the time and the displacement at every tick: told as one, at most
// once per interval, while the plane flies.
void Trelativefrm::paceAnnouncements() {
    auto* announcements = new Announcements(&Announcements::tell, this);
    std::vector<QObject*> clock{controls_->timeBar(), controls_->timeLabel()};
    for (QWidget* readout : ground_->displacement().readouts())
        clock.push_back(readout);
    announcements->pace(
        clock, [this] { return scene_.running; }, announcedTimeInterval);
    Announcements::route(announcements);
}

QSize Trelativefrm::availableSize() const {
    const QScreen* shownOn = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!shownOn)
        return designedSize(1.0);
    // The frame is known once the window shows (start-up fits it again then).
    const QSize frame = frameGeometry().size() - size();
    return shownOn->availableGeometry().size() - frame;
}

int Trelativefrm::menuBarHeight(double scale) const {
    scale = boxScale(scale);
    if (scale == (menuStyle_ ? menuStyle_->scale() : 1.0))
        return menuBar()->sizeHint().height();
    // Measured on a bar of the same titles, so the window's own stays as it is shown.
    DesignedStyle style(scale);
    QMenuBar probe;
    probe.setStyle(&style);
    probe.setFont(scaledFont(QApplication::font(&probe), scale));
    for (const QAction* action : menuBar()->actions())
        probe.addAction(action->text());
    return probe.sizeHint().height();
}

QSize Trelativefrm::designedSize(double scale) const {
    return {qRound(designedClient.width() * scale),
            static_cast<int>(std::ceil(designedClient.height() * scale)) + menuBarHeight(scale)};
}

double Trelativefrm::scaleFitting(QSize area, double most) const {
    const auto fits = [&](double menuScale) {
        const int below = std::max(1, area.height() - menuBarHeight(menuScale));
        return std::min(most, fittingScale({area.width(), below}));
    };
    // The menu bar grows with the scale: a bar shown at the scale that leaves room for the bar
    // at its designed size leaves a little less room, for a scale it surely fits.
    return fits(fits(1.0));
}

void Trelativefrm::showMenusAt(double scale) {
    scale = boxScale(scale);
    if (scale == (menuStyle_ ? menuStyle_->scale() : 1.0))
        return;
    // The style shown so far lives until no menu wears it.
    const std::unique_ptr<DesignedStyle> shown = std::move(menuStyle_);
    if (scale != 1.0)
        menuStyle_ = std::make_unique<DesignedStyle>(scale);
    showScaled(menuBar(), menuStyle_ ? menuStyle_.get() : boxStyle_, scale);
    for (QMenu* menu : menuBar()->findChildren<QMenu*>())
        showScaled(menu, menuStyle_.get(), scale);
    // The hints over the ground view's shapes grow with it.
    QToolTip::setFont(scale == 1.0 ? designedTipFont_ : scaledFont(designedTipFont_, scale));
}

void Trelativefrm::zoomTo(int percent) {
    if (isFullScreen() || isMaximized())
        showNormal();
    resize(designedSize(percent / 100.0));
}

void Trelativefrm::zoomAtStart(int percent) {
    resize(designedSize(scaleFitting(availableSize(), percent / 100.0)));
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = rect();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

void Trelativefrm::zoom(int direction) {
    if (direction == 0) {
        zoomTo(100);
        return;
    }
    const QSize available = availableSize();
    std::vector<int> steps = zoomSteps(available, menuBarHeight(1.0));
    // Those leave room for the menu bar at its designed size; shown larger it takes more.
    while (steps.size() > 1 && designedSize(steps.back() / 100.0).height() > available.height())
        steps.pop_back();
    if (const std::optional<int> next = nextZoomStep(steps, host_->scale(), direction))
        zoomTo(*next);
}

void Trelativefrm::toggleFullScreen() {
    if (isFullScreen())
        showNormal();
    else
        enterFullScreen();
}

void Trelativefrm::enterFullScreen() {
    showFullScreen();
    // Without a window manager (a bare X server driving a projector) nothing sizes the
    // window: it takes the screen itself.
    QTimer::singleShot(0, this, [this] {
        if (isFullScreen() && screen() && geometry() != screen()->geometry())
            setGeometry(screen()->geometry());
    });
}

void Trelativefrm::buildFullScreenExit() {
    leaveFullScreen_ = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    leaveFullScreen_->setEnabled(false);
    connect(leaveFullScreen_, &QShortcut::activated, this, [this] { showNormal(); });
}

void Trelativefrm::project() {
    // Shown scaled, the ground view and the read-outs are painted as areas of their own: the
    // ground view now, the rest at the end, before the next step can join it to the next
    // ground view.
    ground_->project();
    host_->settle();
    if (narrator_)
        narrator_->project(scene_);
    controls_->project();
    velocities_->project();
    if (notebook_->currentIndex() != scene_.notebookPage) {
        const QSignalBlocker blocker(notebook_);
        notebook_->setCurrentIndex(scene_.notebookPage);
    }
    if (panel1_->isEnabled() != scene_.panel1Enabled)
        panel1_->setEnabled(scene_.panel1Enabled);
    motionPanel_->project();
    menu_->project();
    // Escape leaves full screen unless a panel, whose Cancel it is, shows.
    const bool panelOpen = scene_.expgbVisible || scene_.qbVisible || scene_.yngbVisible;
    const bool leaves = isFullScreen() && !panelOpen;
    if (leaveFullScreen_->isEnabled() != leaves)
        leaveFullScreen_->setEnabled(leaves);
    host_->keepFocusShown();
    host_->settle();
    setTimerRunning(windtr_, scene_.running);
    setTimerRunning(angletr_, scene_.angletrEnabled);
}

void Trelativefrm::endPresses() {
    if (scene_.angletrEnabled)
        context_.run([this] { Image10MouseUp(scene_); });
    for (PointerWidget* pointer : host_->client()->findChildren<PointerWidget*>())
        pointer->endPress();
}

void Trelativefrm::startUp() {
    if (startedUp_)
        return;
    startedUp_ = true;
    // The about box is modal: open it once the event that started it has been handled.
    QTimer::singleShot(0, this, [this] {
        context_.run([this] { FormActivate(scene_, platform_); });
        if (startFile_)
            context_.run([this] { openMotionFile(scene_, platform_, *startFile_); });
    });
}

void Trelativefrm::showEvent(QShowEvent* event) {
    if (!startedUp_) {
        QTimer::singleShot(startUpWaitMs, this, [this] { startUp(); });
        // With its frame, known now, the window may reach past the screen: it shrinks.
        QTimer::singleShot(0, this, [this] {
            const QScreen* shownOn = screen();
            if (shownOn && windowState() == Qt::WindowNoState &&
                !shownOn->availableGeometry().contains(frameGeometry()))
                zoomAtStart(static_cast<int>(host_->scale() * 100));
        });
    }
    QMainWindow::showEvent(event);
}

bool Trelativefrm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (!enter || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    auto* button = qobject_cast<QPushButton*>(watched);
    // A button hidden with the focus in it (Ok, as its box closes) may still be sent the key.
    if (!button || !button->isVisible() || !button->isEnabled())
        return false;
    button->click();
    return true;
}

// Every text in the language now chosen, the scene as it was; a window leaving full screen
// shows the scene again.
void Trelativefrm::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange && menu_) {
        retranslate(this);
        // Scaled, the client area is shown through the zoom host, outside the window's children.
        if (!isAncestorOf(host_->client()))
            retranslate(host_->client());
        notebook_->retranslate();
        velocities_->fitScaleLabels();
        menu_->retranslate();
        project();
    }
    if (event->type() == QEvent::WindowStateChange && leaveFullScreen_)
        project();
    QMainWindow::changeEvent(event);
}

void Trelativefrm::resizeEvent(QResizeEvent* event) {
    showMenusAt(scaleFitting(event->size(), std::numeric_limits<double>::max()));
    // The client area gets what the menu bar shown anew leaves, now rather than later.
    layout()->activate();
    QMainWindow::resizeEvent(event);
}

bool Trelativefrm::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate)
        startUp();
    // A turn button or handle released while another window had the mouse sends no release
    // here.
    if (event->type() == QEvent::WindowDeactivate)
        endPresses();
    return QMainWindow::event(event);
}

} // namespace zephyra
