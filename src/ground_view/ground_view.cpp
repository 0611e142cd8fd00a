// SPDX-License-Identifier: GPL-3.0-or-later
#include "ground_view/ground_view.h"

#include "geometry/figures.h"
#include "geometry/notation.h"
#include "ground_view/arrows.h"
#include "ground_view/shore.h"
#include "scene/pixels.h"
#include "scene/scene.h"

#include <QColor>
#include <QPainter>
#include <QPen>
#include <QPolygon>

#include <algorithm>
#include <cmath>

namespace zephyra {

namespace {

const QColor courseYellow(255, 255, 0);
const QColor courseGreen(0, 128, 0);
const QColor courseRed(255, 0, 0);

// Wide lines end round, as the designed drawing's pens do.
QPen coursePen(const QPainter& canvas, const QColor& colour) {
    return wholePixelPen(canvas, colour, 2, Qt::RoundCap, Qt::RoundJoin);
}

void drawCourse(const Scene& scene, QPainter& canvas) {
    const CourseFigure course =
        courseFigure(pictureCentre(scene.Startsh), pictureCentre(scene.stopsh));
    canvas.setPen(coursePen(canvas, courseYellow));
    canvas.drawLine(course.line);
    canvas.setPen(coursePen(canvas, courseGreen));
    canvas.drawLines(course.startCross.data(), static_cast<int>(course.startCross.size()));
    canvas.setPen(coursePen(canvas, courseRed));
    canvas.drawLines(course.finishCross.data(), static_cast<int>(course.finishCross.size()));
    canvas.setPen(wholePixelPen(canvas, Qt::black, 1));
}

// A colour that reads on the sky, its clouds and the water.
const QColor pathOrange(230, 110, 0);

void drawPath(const Scene& scene, QPainter& canvas) {
    QPolygon track;
    track << pictureCentre(scene.planesh);
    for (const QPoint& point : scene.path)
        track << point;
    canvas.setPen(coursePen(canvas, pathOrange));
    canvas.drawPolyline(track);
    canvas.setPen(wholePixelPen(canvas, Qt::black, 1));
}

// QPainter's 1-px outline leaves out the last pixel of some edges, so a vertex can go
// unpainted; the vertices are painted on their own so every one shows.
void drawFigure(QPainter& canvas, const QPolygon& figure) {
    canvas.drawPolygon(figure);
    canvas.drawPoints(figure);
}

} // namespace

void composeCourse(Scene& scene) {
    const qint64 dx = qint64{scene.stopsh.left} - scene.Startsh.left;
    const qint64 dyUp = qint64{scene.Startsh.top} - scene.stopsh.top;
    const double distance = std::hypot(static_cast<double>(dx), static_cast<double>(dyUp)) *
                            currentMetresPerPixel(scene);
    scene.courseAngle =
        normaliseAngle(angleFromOffset(boundedCoordinate(dx), boundedCoordinate(dyUp), false));
    scene.directionlb.caption = courseLabel(distance, scene.courseAngle, scene.distanceUnit);
}

namespace {

// What airbtClick paints, onto a canvas that may be scaled: the tile is the air picture at the
// canvas's scale. A 1-pixel pen covers the pixel right of and below its line; scaled, its
// figures are moved by oddPenShift so that they cover the same pixels, made large.
void paintGroundView(Scene& scene, QPainter& canvas, const QImage& tile, QPointF oddPenShift) {
    canvas.setRenderHint(QPainter::Antialiasing, false);
    canvas.setPen(wholePixelPen(canvas, Qt::black, 1));
    canvas.setBrush(Qt::white);

    if (tile.isNull())
        canvas.fillRect(scene.waterim.rect(), Qt::white);
    // The tiles are copied whole, each at the device pixel where its corner falls: a plain
    // copy of the tile drawn at the canvas's scale, not a scaled drawing.
    const QTransform toDevice = canvas.deviceTransform();
    canvas.save();
    canvas.setWorldTransform(toDevice.inverted() * canvas.worldTransform());
    for (const QRect& rect :
         tileRects(scene.windShiftX, scene.windShiftY, scene.airim.size(), scene.waterim.size()))
        canvas.drawImage(toDevice.map(rect.topLeft()), tile);
    canvas.restore();
    canvas.translate(oddPenShift);
    if (scene.showRiver)
        plotshorebtClick(scene, canvas);
    canvas.translate(-oddPenShift);
    if (scene.showStartFinish)
        drawCourse(scene, canvas);
    if (scene.showPath && !scene.path.empty())
        drawPath(scene, canvas);
    if (scene.showVectors)
        drawvectorbtClick(scene, canvas);
    canvas.translate(oddPenShift);
    drawplanebtClick(scene, canvas);
}

} // namespace

void airbtClick(Scene& scene) {
    QPainter canvas(&scene.waterim);
    paintGroundView(scene, canvas, scene.airim, {});
}

QImage groundViewAt(const Scene& scene, double scale, const QImage& tile) {
    const QSize designed = scene.waterim.size();
    QImage picture(static_cast<int>(std::ceil(designed.width() * scale)),
                   static_cast<int>(std::ceil(designed.height() * scale)), QImage::Format_RGB32);
    QPainter canvas(&picture);
    paintGroundViewAt(scene, scale, tile, canvas);
    return picture;
}

void paintGroundViewAt(const Scene& scene, double scale, const QImage& tile, QPainter& canvas) {
    canvas.save();
    canvas.scale(scale, scale);
    // Painting writes what it drew back to the scene (the strokes): a copy takes it.
    Scene drawn = scene;
    paintGroundView(drawn, canvas, tile, scale == 1.0 ? QPointF() : QPointF(0.5, 0.5));
    canvas.restore();
}

void recordPath(Scene& scene) {
    if (scene.tsb.position == 0 || !scene.showPath) {
        scene.path.clear();
        return;
    }
    const QPoint here = planeCentre(scene);
    if (scene.path.empty() || scene.path.back() != here)
        scene.path.push_back(here);
}

void ShowPath1Click(Scene& scene) {
    scene.showPath = !scene.showPath;
    scene.path.clear();
    airbtClick(scene);
}

void drawplanebtClick(Scene& scene, QPainter& canvas) {
    canvas.setBrush(Qt::black);
    if (scene.showRiver) {
        walkbtClick(scene, canvas);
    } else {
        const QPoint centre = planeCentre(scene);
        drawFigure(canvas, planePolygon(centre, scene.planeAngle));
        canvas.setBrush(Qt::white);
        canvas.drawEllipse(boxInside(cockpitCorners(centre, scene.planeAngle)));
    }
    canvas.setBrush(Qt::white);
}

void walkbtClick(Scene& scene, QPainter& canvas) {
    const QPoint centre = planeCentre(scene);
    scene.strokePoints = strokeCentres(centre, scene.planeAngle, scene.animationPhase);
    drawFigure(canvas, riverHull(centre, scene.planeAngle));
    canvas.setBrush(QColor(khakiColour));
    for (const QPoint& stroke : scene.strokePoints)
        canvas.drawEllipse(boxInside(strokeCorners(stroke)));
    canvas.setBrush(Qt::black);
}

void writeRiverWidth(Scene& scene) {
    const double width = scene.shoresb.position * currentMetresPerPixel(scene);
    scene.shorelb.caption =
        QStringLiteral("River Width: ") + fixedText(width, 5, 1) + scene.distanceUnit;
}

void distancerbClick(Scene& scene) {
    writeRiverWidth(scene);
    composeCourse(scene);
}

void stopstartcbClick(Scene& scene) {
    scene.Startsh.visible = scene.showStartFinish;
    scene.stopsh.visible = scene.showStartFinish;
    scene.directionlb.visible = scene.showStartFinish;
    airbtClick(scene);
}

void setDistanceScale(Scene& scene, int index) {
    // Like a radio group: below the first item means none selected, past the last is the last.
    const int last = static_cast<int>(scene.metresPerPixel.size()) - 1;
    const int clamped = std::clamp(index, -1, last);
    if (clamped == scene.distanceScale)
        return;
    scene.distanceScale = clamped;
    distancerbClick(scene);
}

void setShowStartFinish(Scene& scene, bool on) {
    setChecked(scene.showStartFinish, on, [&] { stopstartcbClick(scene); });
}

} // namespace zephyra
