// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ground_position.h"

#include "app/picture_view.h"
#include "app/scene_description.h"
#include "app/shape_view.h"
#include "app/shown.h"
#include "app/translated.h"
#include "ground_view/ground_view.h"
#include "manipulation/copy_selection.h"
#include "manipulation/dragging.h"
#include "scene/artwork.h"
#include "scene/language.h"

#include <QGroupBox>
#include <QKeyEvent>

namespace zephyra {

namespace {

enum class Drag { None, Point, Middle, Carrier };

QString joined(const Scene& scene) {
    return scene.vectorsJoined ? windowText(QT_TRANSLATE_NOOP("Trelativefrm", ", joined"))
                               : QString();
}
// Joined, or how far the arrow's nearest end is from the end it may join.
QString joinedOr(const Scene& scene, Arrow arrow) {
    return scene.vectorsJoined ? joined(scene) : nearestEnd(scene, arrow);
}
QString wind(const Scene& scene) {
    return spoken(localised(scene.airlb.caption));
}
QString plane(const Scene& scene) {
    return spoken(localised(scene.planelb.caption));
}

// Device pixels per designed pixel where widget is shown: the zoom of the client area it lies
// in times the pixel ratio of the screen.
double deviceScale(const QWidget* widget) {
    return shownZoom(widget) * widget->devicePixelRatioF();
}

} // namespace

// One shape over the ground view, bottom to top: its look, its name for assistive tools, the
// scene shape it shows, how a drag moves it and what describes it. Where it sits, its hint and
// whether it shows come from the scene.
struct ShapeRow {
    const char* name;
    ShapeStyle style;
    const char* accessibleName;
    Shape Scene::*shape;
    Drag drag = Drag::None;
    ShapeId id = ShapeId::planesh;
    QString (*description)(const Scene&) = nullptr;
    Qt::CursorShape cursor = Qt::ArrowCursor;
    bool placeHolder = false; // tails and tips: the logic reads them, they never show
    bool marker = false;      // draws its outline until start-up clears it
};

namespace {

const QColor white(255, 255, 255), black(0, 0, 0);
const ShapeStyle handle{ShapeStyle::Circle, white, black};
const ShapeStyle marker{ShapeStyle::Circle, QColor(), QColor(0, 128, 0)};
const ShapeStyle finish{ShapeStyle::Circle, QColor(), QColor(255, 0, 0)};

QString markers(const Scene& scene) {
    return spoken(scene.Startsh.hint);
}

constexpr auto none = Drag::None;
constexpr auto anyId = ShapeId::planesh;
constexpr auto arrow = Qt::ArrowCursor;
constexpr auto cross = Qt::CrossCursor;

const ShapeRow shapeRows[] = {
    {"movesh",
     {ShapeStyle::Square, white, black},
     QT_TRANSLATE_NOOP("Trelativefrm", "Move wind and plane arrows together"),
     &Scene::movesh,
     Drag::Carrier,
     ShapeId::movesh,
     [](const Scene& s) { return wind(s) + QLatin1String(" and ") + plane(s) + joined(s); }},
    {"planeshb", handle, QT_TRANSLATE_NOOP("Trelativefrm", "Plane arrow tail"), &Scene::planeshb,
     none, anyId, nullptr, arrow, true},
    {"planesht", handle, QT_TRANSLATE_NOOP("Trelativefrm", "Plane arrow tip"), &Scene::planesht,
     none, anyId, nullptr, arrow, true},
    {"windsht", handle, QT_TRANSLATE_NOOP("Trelativefrm", "Wind arrow tip"), &Scene::windsht, none,
     anyId, nullptr, arrow, true},
    {"windshb", handle, QT_TRANSLATE_NOOP("Trelativefrm", "Wind arrow tail"), &Scene::windshb, none,
     anyId, nullptr, arrow, true},
    {"Startsh", marker, QT_TRANSLATE_NOOP("Trelativefrm", "Start marker"), &Scene::Startsh,
     Drag::Point, ShapeId::Startsh, markers, cross, false, true},
    {"stopsh", finish, QT_TRANSLATE_NOOP("Trelativefrm", "Finish marker"), &Scene::stopsh,
     Drag::Point, ShapeId::stopsh, markers, cross, false, true},
    {"planesh",
     {ShapeStyle::Circle, black, black},
     QT_TRANSLATE_NOOP("Trelativefrm", "Plane start"),
     &Scene::planesh,
     Drag::Point,
     ShapeId::planesh,
     nullptr,
     cross},
    {"windshm", handle, QT_TRANSLATE_NOOP("Trelativefrm", "Wind arrow"), &Scene::windshm,
     Drag::Middle, ShapeId::windshm,
     [](const Scene& s) { return wind(s) + joinedOr(s, Arrow::Wind); }},
    {"planeshm", handle, QT_TRANSLATE_NOOP("Trelativefrm", "Plane arrow"), &Scene::planeshm,
     Drag::Middle, ShapeId::planeshm,
     [](const Scene& s) { return plane(s) + joinedOr(s, Arrow::Plane); }},
    {"resultshm", handle, QT_TRANSLATE_NOOP("Trelativefrm", "Ground velocity arrow"),
     &Scene::resultshm, Drag::Middle, ShapeId::resultshm,
     [](const Scene& s) {
         return spoken(localised(s.rlb.caption)) + nearestEnd(s, Arrow::Ground);
     }},
    {"resultshb", handle, QT_TRANSLATE_NOOP("Trelativefrm", "Ground velocity arrow tail"),
     &Scene::resultshb, none, anyId, nullptr, arrow, true},
    {"resultsht", handle, QT_TRANSLATE_NOOP("Trelativefrm", "Ground velocity arrow tip"),
     &Scene::resultsht, none, anyId, nullptr, arrow, true},
    {"copyshape",
     {ShapeStyle::Rectangle, QColor(), black, true},
     QT_TRANSLATE_NOOP("Trelativefrm", "Copy selection"),
     &Scene::copyshape},
};

} // namespace

GroundPosition::GroundPosition(WindowContext& context, QWidget* client)
    : QObject(client), context_(context) {
    Scene& scene = context.scene;
    QGroupBox* box = makeGroupBox("GroupBox1", QT_TRANSLATE_NOOP("Trelativefrm", "Ground Position"),
                                  {3, 0, 582, 537}, client, context.boxStyle);
    fillBackground(box, QColor::fromRgb(windowColour));
    waterim_ = new PictureView(&scene.waterim, box);
    place(waterim_, "waterim", {waterimLeft, waterimTop, waterimWidth, waterimHeight});
    setTranslatedName(waterim_, QT_TRANSLATE_NOOP("Trelativefrm", "Ground view"));
    waterim_->setFocusPolicy(Qt::TabFocus);
    waterim_->setAccessibleRole(QAccessible::Canvas);
    waterim_->installEventFilter(this);
    waterim_->setRenderer([this](double scale, QPainter& canvas) {
        paintGroundViewAt(context_.scene, scale, sharpTile(scale), canvas);
    });
    connect(waterim_, &PictureView::pressed, this, [this](QPoint at) {
        context_.run([&] { waterimMouseDown(context_.scene, at.x(), at.y()); });
    });
    connect(waterim_, &PictureView::moved, this, [this](QPoint at) {
        context_.run([&] { waterimMouseMove(context_.scene, at.x(), at.y()); });
    });
    connect(waterim_, &PictureView::released, this, [this] {
        const double scale = deviceScale(waterim_);
        context_.run(
            [&] { windimMouseUp(context_.scene, context_.platform, scale, sharpTile(scale)); });
    });

    for (const ShapeRow& row : shapeRows)
        buildShape(row, box);
    hints_.resize(shapes_.size());
    image1_ = new PictureView(&scene.image1, box);
    place(image1_, "Image1", {208, 24, 105, 105});
    setTranslatedName(image1_, QT_TRANSLATE_NOOP("Trelativefrm", "Copied picture"));
    image1_->setVisible(false);
    displacement_ = std::make_unique<DisplacementBox>(scene, box, context.boxStyle);
}

GroundPosition::~GroundPosition() = default;

const QImage& GroundPosition::sharpTile(double scale) {
    const Scene& scene = context_.scene;
    if (scene.airim.isNull()) {
        tile_ = QImage();
        return tile_;
    }
    // The air picture is the sky or, in river mode, the water.
    const bool water = scene.airim == scene.wim;
    if (tile_.isNull() || tileScale_ != scale || tileWater_ != water) {
        tile_ = water ? waterTile(scale) : skyTile(scale);
        tileScale_ = scale;
        tileWater_ = water;
    }
    return tile_;
}

void GroundPosition::buildShape(const ShapeRow& row, QWidget* box) {
    auto* view = new ShapeView(row.style, box);
    const Shape& shape = context_.scene.*row.shape;
    place(view, row.name, {shape.left, shape.top, shape.width, shape.height});
    view->setVisible(shape.visible && !row.placeHolder);
    setTranslatedName(view, row.accessibleName);
    if (row.cursor != Qt::ArrowCursor)
        view->setCursor(row.cursor);
    shapes_.emplace_back(&row, view);
    if (row.drag == Drag::None)
        return;
    // Reached by Tab only, so a click leaves the focus (and the look) as it was.
    view->setFocusPolicy(Qt::TabFocus);
    view->setAccessibleRole(QAccessible::Graphic);
    connect(view, &ShapeView::pressed, this, [this, view] {
        pressedAt_ = view->geometry();
        context_.run([&] { planeshMouseDown(context_.scene); });
    });
    connect(view, &ShapeView::moved, this, [this, &row](QPoint at) {
        context_.run([&] {
            Scene& scene = context_.scene;
            if (row.drag == Drag::Point)
                planeshMouseMove(scene, row.id, at.x(), at.y());
            else if (row.drag == Drag::Middle)
                windshmMouseMove(scene, row.id, at.x(), at.y());
            else
                moveshMouseMove(scene, at.x(), at.y());
        });
    });
    connect(view, &ShapeView::released, this, [this, &row, view] {
        context_.run([&] {
            if (row.drag == Drag::Carrier)
                moveshMouseUp(context_.scene);
            else
                planeimMouseUp(context_.scene);
        });
        // Where a key took the handle, told to whoever cannot see it, and why it stayed when
        // the join pulled it back.
        if (!view->hasFocus())
            return;
        QString told = view->accessibleDescription();
        if (row.drag == Drag::Middle && context_.scene.vectorsJoined &&
            view->geometry() == pressedAt_)
            told += windowText(QT_TRANSLATE_NOOP(
                "Trelativefrm",
                ": the join holds it; Shift with an arrow key moves it 10 px, which parts it"));
        context_.say(told, view);
    });
}

void GroundPosition::buildTileHolders(QWidget* client) {
    const std::tuple<const char*, QRect, QImage Scene::*, const char*> holders[] = {
        {"airim",
         {568, 272, 200, 200},
         &Scene::airim,
         QT_TRANSLATE_NOOP("Trelativefrm", "Sky tile")},
        {"wim", {584, 0, 200, 200}, &Scene::wim, QT_TRANSLATE_NOOP("Trelativefrm", "Water tile")},
        {"aim",
         {600, 0, 200, 200},
         &Scene::aim,
         QT_TRANSLATE_NOOP("Trelativefrm", "Saved sky tile")}};
    for (const auto& [name, geometry, picture, accessibleName] : holders) {
        auto* holder = new PictureView(&(context_.scene.*picture), client);
        place(holder, name, geometry);
        setTranslatedName(holder, accessibleName);
        holder->setVisible(false);
    }
}

bool GroundPosition::eventFilter(QObject* watched, QEvent* event) {
    if (watched == waterim_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
        const double scale = deviceScale(waterim_);
        copyGroundView(context_.scene, context_.platform, scale, sharpTile(scale));
        return true;
    }
    return false;
}

void GroundPosition::project() {
    const Scene& scene = context_.scene;
    for (std::size_t i = 0; i < shapes_.size(); ++i) {
        const auto& [row, view] = shapes_[i];
        const Shape& shape = scene.*row->shape;
        const QRect geometry(shape.left, shape.top, shape.width, shape.height);
        if (view->geometry() != geometry)
            view->setGeometry(geometry);
        setShown(view, shape.visible && !row->placeHolder);
        if (hints_[i] != shape.hint) {
            hints_[i] = shape.hint;
            view->setToolTip(shownText(shape.hint));
        }
        if (row->description)
            describe(view, row->description(scene));
        if (row->marker)
            view->setOutlineShown(scene.markerOutlines);
    }
    displacement_->project(scene);
    // In flight the sky moves under the plane at every tick.
    waterim_->refresh(scene.running);
    image1_->refresh();
}

} // namespace zephyra
