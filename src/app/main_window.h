// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/layout_table.h"
#include "scene/scene.h"

#include <QElapsedTimer>
#include <QHash>
#include <QMainWindow>
#include <QPointer>

#include <array>
#include <optional>
#include <utility>
#include <vector>

class QAction;
class QKeyEvent;
class QLabel;
class QMenu;
class QRadioButton;
class QScrollBar;
class QStyle;
class QTimer;

namespace zephyra {

class FocusMark;
class Notebook;
class Platform;
class PictureView;
class ShapeView;

// Shortest time between two announcements of the flight time.
inline constexpr int announcedTimeInterval = 600;

// The main window. It owns the scene; every widget is a projection of it. User input is
// forwarded to the behaviour functions, and after each handled event project() brings
// every widget in line with the scene again.
class Trelativefrm : public QMainWindow {
    Q_OBJECT
public:
    explicit Trelativefrm(Platform& platform, QWidget* parent = nullptr);
    ~Trelativefrm() override;

    const Scene& scene() const { return scene_; }

    // Brings every widget, check mark and timer in line with the scene, signals blocked.
    void project();

    // Opens the motion file at path once the first activation has shown the about box, as
    // "&Open Motion" and "&Load" would with that file chosen.
    void openAtStart(const QString& path) { startFile_ = path; }

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Runs one handler on the scene, then projects it.
    template <class Handler> void handle(Handler&& handler) {
        std::forward<Handler>(handler)();
        project();
    }

    void buildControls();
    QWidget* buildControl(const ControlSpec& spec, QWidget* parent);
    void buildDistanceItems(QWidget* group);
    const QImage* pictureOf(const QString& name) const;
    void bindControls();
    void buildMenu();
    void buildQuestionItems(const QList<std::pair<QStringList, QMenu*>>& menus);
    void centreOnScreen();

    void connectButtons();
    void connectBars();
    void connectPictures();
    void connectShapes();
    void connectMenu();
    void connectPanel();
    void onMenuItem(const QString& name, int tag);

    void setUpKeyboard();
    bool keyEvent(QObject* watched, QKeyEvent* event);
    void memoEvent(QEvent* event);
    void focusPanel();
    void returnFocusFromPanel();
    void projectAccessibility();
    void paceAnnouncements();

    void projectControlsPage();
    void projectVelocitiesPage();
    void projectGroundView();
    void projectMotionPanel();
    void projectMenuAndTimers();

    template <class T> T* control(const char* name) const;

    Scene scene_;
    Platform& platform_;
    bool activated_ = false;
    std::optional<QString> startFile_;

    QHash<QString, QWidget*> controls_;
    QHash<QString, QAction*> actions_;
    std::array<QImage, 6> turnArrows_;
    std::vector<std::pair<QScrollBar*, ScrollBar Scene::*>> bars_;
    // A label or shape with the scene texts it was last given: comparing with what a widget
    // reports back would find a difference where there is none.
    struct ShownLabel {
        QLabel* widget;
        Label Scene::*member;
        std::optional<QString> caption;
    };
    struct ShownShape {
        ShapeView* widget;
        Shape Scene::*member;
        bool placeHolder;
        std::optional<QString> hint;
    };
    std::vector<ShownLabel> labels_;
    std::vector<ShownShape> shapes_;
    QString memoText_; // the explanation as last set
    std::vector<PictureView*> pictures_;
    std::vector<QRadioButton*> distanceItems_;
    Notebook* notebook_ = nullptr;
    QStyle* groupBoxStyle_ = nullptr; // draws the group boxes without shading their insides
    QTimer* windtr_ = nullptr;
    QTimer* angletr_ = nullptr;

    FocusMark* focusMark_ = nullptr;
    QPointer<QWidget> panelReturn_; // where the focus goes back when the motion panel closes
    bool panelShown_ = false;
    bool memoEnterPending_ = false; // the focus is in the text box, its placeholder not cleared
    QElapsedTimer timeAnnounced_;
};

template <class T> T* Trelativefrm::control(const char* name) const {
    return qobject_cast<T*>(controls_.value(QLatin1String(name)));
}

} // namespace zephyra
