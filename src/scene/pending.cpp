// Temporary empty definitions so every layer links while the subsystems are written.
// Each owner deletes a definition here when writing the real one. This file goes away.
#include "flight/flight_clock.h"
#include "flight/ground_view.h"
#include "flight/joined_arrows.h"
#include "manipulation/copy_selection.h"
#include "manipulation/dragging.h"
#include "manipulation/river.h"
#include "manipulation/units.h"
#include "motions/motion_panel.h"
#include "motions/questions.h"
#include "scene/artwork.h"
#include "scene/platform.h"
#include "scene/scene.h"
#include "scene/startup.h"
#include "vectors/arrows.h"
#include "vectors/notation.h"
#include "vectors/velocity_panel.h"

namespace zephyra {

// ---- startup, artwork, flight clock, ground view, notation ----

void FormCreate(Scene&) {}
void FormActivate(Scene&, Platform&) {}
void About1Click(Scene&, Platform&) {}

QImage skyTile() { return QImage(tileSize, tileSize, QImage::Format_RGB32); }
QImage waterTile() { return QImage(tileSize, tileSize, QImage::Format_RGB32); }
QImage turnArrow(const QColor&, bool) { return QImage(17, 17, QImage::Format_RGB32); }

void windtrTimer(Scene&) {}
void timerbtClick(Scene&) {}
void resetbt1Click(Scene&) {}
void resetbtClick(Scene&) {}
void tsbChange(Scene&) {}
void timefactorsbChange(Scene&) {}
void setTime(Scene&, int) {}
void setTimeFactor(Scene&, int) {}

void airbtClick(Scene&) {}
void drawplanebtClick(Scene&, QPainter&) {}
void walkbtClick(Scene&, QPainter&) {}
void distancerbClick(Scene&) {}
void stopstartcbClick(Scene&) {}
void setDistanceScale(Scene&, int) {}
void setShowStartFinish(Scene&, bool) {}

double normaliseAngle(double a) { return a; }
double angleFromOffset(int, int, bool) { return 0; }
QString bearingText(double, BearingForm) { return {}; }
QString speedText(int) { return {}; }
QString velocityLabel(const QString&, int, const QString&, const QString&) { return {}; }
QString courseLabel(double, double, const QString&) { return {}; }
QString fixedText(double, int, int) { return {}; }

// ---- velocity panel, arrows, joined arrows, dragging ----

void plotairspeedbtClick(Scene&) {}
void plotplanespeedbtClick(Scene&) {}
void plotresultantbtClick(Scene&) {}
void airspeedsbChange(Scene&) {}
void planespeedsbChange(Scene&) {}
void resultantsbChange(Scene&) {}
void timesbChange(Scene&) {}
void windimMouseDown(Scene&, int, int) {}
void windimMouseMove(Scene&, int, int) {}
void planeimMouseDown(Scene&, int, int) {}
void planeimMouseMove(Scene&, int, int) {}
void resultantimMouseDown(Scene&, int, int) {}
void resultantimMouseMove(Scene&, int, int) {}
void Image10MouseDown(Scene&, int) {}
void Image10MouseUp(Scene&) {}
void angletrTimer(Scene&) {}
void setWindSpeed(Scene&, int) {}
void setPlaneSpeed(Scene&, int) {}
void setGroundSpeed(Scene&, int) {}
void setVectorScale(Scene&, int) {}

void drawvectorbtClick(Scene&) {}
void drawvectorbtClick(Scene&, QPainter&) {}
void Showvectors1Click(Scene&) {}

void lockedbtClick(Scene&) {}

Shape& shapeOf(Scene& scene, ShapeId) { return scene.planesh; }
void planeshMouseDown(Scene&) {}
void planeshMouseMove(Scene&, ShapeId, int, int) {}
void windshmMouseMove(Scene&, ShapeId, int, int) {}
void moveshMouseMove(Scene&, int, int) {}
void planeimMouseUp(Scene&) {}
void moveshMouseUp(Scene&) {}

// ---- motions ----

void Openmotion1Click(Scene&) {}
void SaveMotion1Click(Scene&) {}
void expmemEnter(Scene&) {}
void lsbtClick(Scene&, Platform&) {}
void ybtClick(Scene&, Platform&) {}
void nbtClick(Scene&) {}
void cancelbtClick(Scene&) {}
void okbtClick(Scene&, Platform&) {}
void expbtClick(Scene&, Platform&) {}
const std::vector<Question>& questions() {
    static const std::vector<Question> none;
    return none;
}
void showQuestion(Scene&, int) {}

} // namespace zephyra
