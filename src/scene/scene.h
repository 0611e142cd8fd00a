// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scene/controls.h"

#include <QImage>
#include <QPoint>
#include <QString>

#include <array>
#include <vector>

namespace zephyra {

// The ground-view picture inside the "Ground Position" group box.
inline constexpr int waterimLeft = 2;
inline constexpr int waterimTop = 16;
inline constexpr int waterimWidth = 578;
inline constexpr int waterimHeight = 519;

// The window's pale yellow, and the khaki of the right-hand panel and the river banks.
inline constexpr QRgb windowColour = qRgb(254, 253, 199);
inline constexpr QRgb khakiColour = qRgb(169, 150, 109);

inline constexpr int tileSize = 200;
inline constexpr int dialSize = 100;

// Option bits of a motion record; unitsKmH is also the tag of the "km, h" unit item.
inline constexpr int unitsMS = 0;
inline constexpr int unitsKmH = 8;

// The motion panel's mode (the tag of its group box).
enum class PanelMode { None = 0, Save = 1, Load = 2 };

// Every quantity of the scene and every visible state of the main window. Widgets are
// projections of this record; behaviour reads and writes only this.
struct Scene {
    Scene();

    // --- scene variables -------------------------------------------------------------
    int windShiftX = 0;
    int windShiftY = 0;
    int planeShiftX = 0;
    int planeShiftY = 0;
    double windAngle = 0.0;
    double planeAngle = 0.0;
    double groundAngle = 0.0;
    double courseAngle = 0.0;
    std::array<QPoint, 2> strokePoints{};
    int selectionX0 = 0;
    int selectionY0 = 0;
    int selectionX1 = 0;
    int selectionY1 = 0;
    bool dragging = false;
    bool vectorsJoined = false;
    QString motionText;
    QString distanceUnit = QStringLiteral(" m");
    QString speedUnit = QStringLiteral(" m/s");
    QString timeUnit = QStringLiteral(" s");
    std::array<double, 6> metresPerPixel{0.2, 0.4, 1, 2, 4, 10};
    int animationPhase = 0;

    // --- "&Controls" page ------------------------------------------------------------
    QString timerbtCaption = QStringLiteral("&Start");
    Label timelb{QStringLiteral("Time: 0.00 s")};
    ScrollBar tsb{0, 10000, 0, 10};
    Label timefactorlb{QStringLiteral("Time Factor: 1")};
    ScrollBar timefactorsb{1, 10, 2, 2};
    bool repeat = false;          // repeatcb
    int distanceScale = 0;        // distancerb item index, -1 while none is selected
    bool showStartFinish = false; // stopstartcb
    Label directionlb{QStringLiteral("Direction: 100.0 m [E]"), false};
    Label shorelb{QStringLiteral("River Width: 50.0"), false};
    ScrollBar shoresb{0, 500, 250, 1, false};
    Label notelb{QStringLiteral("Note:")};
    int notebookPage = 0;

    // --- "&Velocities" page ----------------------------------------------------------
    Label airlb{QStringLiteral("Wind: 20.0 m/s [E]")};
    ScrollBar airspeedsb{0, 1000, 200, 10};
    Label currentlb{QStringLiteral("[E]"), false};
    Label planelb{QStringLiteral("Plane: 20.0 m/s [E]")};
    ScrollBar planespeedsb{0, 2000, 200, 10};
    Label transportlb{QStringLiteral("[E]"), false};
    Label rlb{QStringLiteral("rlb")};
    ScrollBar resultantsb{0, 3000, 0, 10};
    Label resultantlb{QStringLiteral("[E]"), false};
    ScrollBar timesb{1, 100, 50, 5, false}; // its labels "Small", "Scale", "Large" show with it
    QImage windim;
    QImage planeim;
    QImage resultantim;

    // --- ground view -----------------------------------------------------------------
    QImage waterim;
    QImage airim; // the tile the ground view repeats: sky, or water in river mode
    QImage wim;   // the water tile
    QImage aim;   // the designed sky tile, kept to restore it after river mode
    bool posgbVisible = false;
    Label nslb{QStringLiteral("0 m [N]")};
    Label ewlb{QStringLiteral("0 m [E]")};
    Shape copyshape{120, 32, 65, 65, false, {}};
    QImage image1; // Image1: scratch picture of the copy selection

    Shape planesh{216, 232, 9, 9, true, {}};
    Shape Startsh{112, 352, 17, 17, false, {}};
    Shape stopsh{488, 352, 17, 17, false, {}};
    Shape windshm{480, 112, 7, 7, false, {}};
    Shape planeshm{480, 296, 7, 7, false, {}};
    Shape resultshm{472, 408, 7, 7, false, {}};
    Shape movesh{480, 192, 9, 9, false, {}};
    Shape windshb{440, 56, 7, 7, false, {}};
    Shape windsht{424, 40, 7, 7, false, {}};
    Shape planeshb{496, 48, 7, 7, false, {}};
    Shape planesht{480, 32, 7, 7, false, {}};
    Shape resultshb{424, 424, 7, 7, false, {}};
    Shape resultsht{512, 392, 7, 7, false, {}};
    bool markerOutlines = true; // Startsh and stopsh draw their outline until start-up clears it

    // --- timers ----------------------------------------------------------------------
    bool running = false; // windtr enabled
    bool angletrEnabled = false;
    int angletrTag = 0;

    // --- menu ------------------------------------------------------------------------
    bool showVectors = false;      // Showvectors1
    bool showRiver = false;        // ShowShore1
    bool showDisplacement = false; // Showposition1
    bool copySelect = false;       // Copyselect1
    bool showPath = false;         // ShowPath1
    // The plane's track over the ground since time 0 while Show Path is on: its centre on the
    // ground view after each step of the flight clock, a point only where it moved.
    std::vector<QPoint> path;
    int unitsTag = unitsMS; // Units1 tag
    QString units1Caption = QStringLiteral("Units: m,s");

    // --- motion panel ----------------------------------------------------------------
    bool expgbVisible = false;
    QString expgbCaption = QStringLiteral("Motion");
    PanelMode panelMode = PanelMode::None;
    QString expmemText;
    bool expmemReadOnly = false;
    QString lsbtCaption = QStringLiteral("lsbt");
    bool yngbVisible = false;
    bool qbVisible = false;
    bool panel1Enabled = true;
    QString openmotionFileName; // the file last chosen in the open dialog
    // What "&Yes" applies: the record of that file as it was read for its preview, or the
    // message reading it gave. The file may have changed since; the student saw this one.
    QString chosenRecord;
    QString chosenError;
    // The text of the last question or motion loaded, shown again by Show Question; while the
    // question box shows it again, Ok only closes the box.
    QString questionText;
    bool rereading = false;

    // --- about box -------------------------------------------------------------------
    QString aboutCaption;
    QString aboutProductName;
    QString aboutVersion;
    bool activated = false; // FormActivate has run
};

// Distance units per pixel of the selected scale; a missing selection reads as the first.
double currentMetresPerPixel(const Scene& scene);

// Arrow factor in pixels per tenth of speed unit: timesb's maximum / position × 0.1.
double arrowFactor(const Scene& scene);

} // namespace zephyra
