// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/velocities_page.h"

#include "app/picture_view.h"
#include "app/scene_description.h"
#include "app/shape_view.h"
#include "app/translated.h"
#include "manipulation/copy_selection.h"
#include "manipulation/dragging.h"
#include "scene/artwork.h"
#include "scene/vector_parts.h"
#include "vectors/dial.h"
#include "vectors/velocity_panel.h"

#include <QKeyEvent>
#include <QLabel>
#include <QScrollBar>

#include <algorithm>
#include <numbers>

namespace zephyra {

// One velocity on the page, top to bottom; its turn buttons' tags are 2 × index and one more.
struct VectorRow {
    int index; // wind, plane, ground
    LabelRow readout;
    BarRow speed;
    const char* dial;
    const char* dialName;
    QImage Scene::*picture;
    double Scene::*angle;
    void (*down)(Scene&, int, int);
    void (*move)(Scene&, int, int);
    void (*release)(Scene&, Platform&);
    std::array<const char*, 2> turn;
    std::array<const char*, 2> turnNames;
    int top; // of the dial and its turn buttons
    LabelRow bearing;
    const char* rule;
    QRect ruleGeometry;
};

namespace {

const QColor blue(0, 0, 255), black(0, 0, 0), red(255, 0, 0);

const VectorRow vectorRows[] = {
    {0,
     {"airlb", {8, 8, 169, 14}, LabelFit::Centred, &Scene::airlb},
     {"airspeedsb",
      {32, 24, 121, 17},
      QT_TRANSLATE_NOOP("Trelativefrm", "Wind speed"),
      &Scene::airspeedsb,
      setWindSpeed,
      &Scene::airlb,
      0.1},
     "windim",
     QT_TRANSLATE_NOOP("Trelativefrm", "Wind direction"),
     &Scene::windim,
     &Scene::windAngle,
     windimMouseDown,
     windimMouseMove,
     windimMouseUp,
     {"Image10", "Image3"},
     {QT_TRANSLATE_NOOP("Trelativefrm", "Turn wind counter-clockwise"),
      QT_TRANSLATE_NOOP("Trelativefrm", "Turn wind clockwise")},
     48,
     {"currentlb", {8, 80, 65, 14}, LabelFit::Centred, &Scene::currentlb},
     "Shape1",
     {1, 152, 185, 1}},
    {1,
     {"planelb", {8, 160, 169, 14}, LabelFit::Centred, &Scene::planelb},
     {"planespeedsb",
      {32, 176, 121, 17},
      QT_TRANSLATE_NOOP("Trelativefrm", "Plane speed"),
      &Scene::planespeedsb,
      setPlaneSpeed,
      &Scene::planelb,
      0.1},
     "planeim",
     QT_TRANSLATE_NOOP("Trelativefrm", "Plane direction"),
     &Scene::planeim,
     &Scene::planeAngle,
     planeimMouseDown,
     planeimMouseMove,
     [](Scene& scene, Platform&) { planeimMouseUp(scene); },
     {"Image4", "Image5"},
     {QT_TRANSLATE_NOOP("Trelativefrm", "Turn plane counter-clockwise"),
      QT_TRANSLATE_NOOP("Trelativefrm", "Turn plane clockwise")},
     200,
     {"transportlb", {0, 264, 33, 14}, LabelFit::Centred, &Scene::transportlb},
     "Shape2",
     {0, 307, 185, 1}},
    {2,
     {"rlb", {8, 312, 169, 14}, LabelFit::Centred, &Scene::rlb},
     {"resultantsb",
      {32, 328, 121, 17},
      QT_TRANSLATE_NOOP("Trelativefrm", "Ground speed"),
      &Scene::resultantsb,
      setGroundSpeed,
      &Scene::rlb,
      0.1},
     "resultantim",
     QT_TRANSLATE_NOOP("Trelativefrm", "Ground velocity direction"),
     &Scene::resultantim,
     &Scene::groundAngle,
     resultantimMouseDown,
     resultantimMouseMove,
     windimMouseUp,
     {"Image6", "Image7"},
     {QT_TRANSLATE_NOOP("Trelativefrm", "Turn ground velocity counter-clockwise"),
      QT_TRANSLATE_NOOP("Trelativefrm", "Turn ground velocity clockwise")},
     352,
     {"resultantlb", {16, 400, 14, 14}, LabelFit::Grows, &Scene::resultantlb},
     "Shape3",
     {0, 456, 185, 1}},
};

// The captions under the scale bar, each held at its designed left edge, centre or right edge:
// a longer translation grows from there, within the page.
struct ScaleLabel {
    const char* name;
    QRect geometry;
    const char* caption;
    int pixelSize; // 0: the page's
    Qt::Alignment anchor;
};
const ScaleLabel scaleLabels[] = {
    {"smalllb", {16, 464, 25, 11}, QT_TRANSLATE_NOOP("Trelativefrm", "Small"), 9, Qt::AlignLeft},
    {"scalelb",
     {80, 464, 29, 14},
     //: Caption under the vector scale bar, between "Small" and "Large"; short
     QT_TRANSLATE_NOOP("Trelativefrm", "Scale"),
     0,
     Qt::AlignHCenter},
    {"largelb", {160, 464, 26, 11}, QT_TRANSLATE_NOOP("Trelativefrm", "Large"), 9, Qt::AlignRight},
};

const BarRow scaleBar{
    "timesb",       {16, 480, 161, 17}, QT_TRANSLATE_NOOP("Trelativefrm", "Vector scale"),
    &Scene::timesb, setVectorScale,     nullptr};

} // namespace

VelocitiesPage::VelocitiesPage(WindowContext& context, QWidget* page)
    : QObject(page), context_(context), turnArrows_{turnArrow(blue, false),  turnArrow(blue, true),
                                                    turnArrow(black, false), turnArrow(black, true),
                                                    turnArrow(red, false),   turnArrow(red, true)} {
    for (const VectorRow& row : vectorRows)
        buildVector(row, page);
    for (const ScaleLabel& row : scaleLabels) {
        QLabel* label = makeLabel(row.name, row.geometry, LabelFit::Grows, page);
        if (row.pixelSize) {
            QFont small = label->font();
            small.setPixelSize(row.pixelSize);
            label->setFont(small);
        }
        setTranslatedText(label, row.caption);
        scaleLabels_.push_back(label);
    }
    fitScaleLabels();
    timesb_ = makeScrollBar(scaleBar.name, scaleBar.geometry, scaleBar.accessibleName, page);
    connect(timesb_, &QScrollBar::valueChanged, this,
            [this](int value) { context_.run([&] { scaleBar.write(context_.scene, value); }); });
    project();
}

void VelocitiesPage::fitScaleLabels() {
    for (std::size_t i = 0; i < scaleLabels_.size(); ++i) {
        QLabel* label = scaleLabels_[i];
        const ScaleLabel& row = scaleLabels[i];
        const int text = label->fontMetrics().horizontalAdvance(label->text());
        const int width = std::max(row.geometry.width(), text);
        QRect place(row.geometry.topLeft(), QSize(width, row.geometry.height()));
        if (row.anchor == Qt::AlignHCenter)
            place.moveCenter(row.geometry.center());
        else if (row.anchor == Qt::AlignRight)
            place.moveRight(row.geometry.right());
        // The notebook's page area: a page itself takes that size only when first shown.
        const int page = label->parentWidget()->parentWidget()->width();
        if (place.left() + text > page)
            place.moveLeft(page - text);
        if (label->geometry() != place)
            label->setGeometry(place);
    }
}

void VelocitiesPage::buildVector(const VectorRow& row, QWidget* page) {
    Scene& scene = context_.scene;
    labels_.emplace_back(row.readout, scene, page);
    Vector vector{&row,
                  makeScrollBar(row.speed.name, row.speed.geometry, row.speed.accessibleName, page,
                                row.speed.spokenStep),
                  nullptr,
                  {}};
    connect(vector.speed, &QScrollBar::valueChanged, this, [this, &row](int value) {
        context_.run([&] { row.speed.write(context_.scene, value); });
    });
    const auto turnButton = [&](int side, int left) {
        const int tag = 2 * row.index + side;
        auto* button = new PictureView(&turnArrows_[static_cast<std::size_t>(tag)], page);
        button->setRenderer([colour = vectorParts[static_cast<std::size_t>(row.index)].colour,
                             side](double scale, QPainter& canvas) {
            canvas.drawImage(0, 0, turnArrow(colour, side == 1, scale));
        });
        place(button, row.turn[static_cast<std::size_t>(side)], {left, row.top, 17, 17});
        setTranslatedName(button, row.turnNames[static_cast<std::size_t>(side)]);
        button->setFocusPolicy(Qt::TabFocus);
        button->setAccessibleRole(QAccessible::Button);
        button->installEventFilter(this);
        connect(button, &PictureView::pressed, this,
                [this, tag] { context_.run([&] { Image10MouseDown(context_.scene, tag); }); });
        connect(button, &PictureView::released, this,
                [this] { context_.run([&] { Image10MouseUp(context_.scene); }); });
        // One step, as a press held for one tick of the repeat timer.
        connect(button, &PointerWidget::pressRequested, this, [this, tag] {
            context_.run([&] {
                Image10MouseDown(context_.scene, tag);
                angletrTimer(context_.scene);
                Image10MouseUp(context_.scene);
            });
        });
        vector.turn[static_cast<std::size_t>(side)] = button;
    };
    turnButton(0, 23);
    vector.dial = new PictureView(&(scene.*row.picture), page);
    vector.dial->setRenderer([this, &row](double scale, QPainter& canvas) {
        const Scene& now = context_.scene;
        canvas.drawImage(0, 0,
                         dialAt((now.*row.picture).size(),
                                vectorParts[static_cast<std::size_t>(row.index)].colour,
                                now.*row.angle, scale));
    });
    place(vector.dial, row.dial, {40, row.top, dialSize, dialSize});
    setTranslatedName(vector.dial, row.dialName);
    vector.dial->setFocusPolicy(Qt::TabFocus);
    vector.dial->setAccessibleRole(QAccessible::Dial);
    vector.dial->installEventFilter(this);
    connect(vector.dial, &PictureView::pressed, this, [this, &row](QPoint at) {
        context_.run([&] { row.down(context_.scene, at.x(), at.y()); });
    });
    connect(vector.dial, &PictureView::moved, this, [this, &row](QPoint at) {
        context_.run([&] { row.move(context_.scene, at.x(), at.y()); });
    });
    connect(vector.dial, &PictureView::released, this, [this, &row] {
        context_.run([&] { row.release(context_.scene, context_.platform); });
    });
    connect(vector.dial, &PointerWidget::valueRequested, this, [this, &row](double degrees) {
        context_.run(
            [&] { dialKeyPoint(context_.scene, row.index, degrees * std::numbers::pi / 180); });
    });
    turnButton(1, 140);
    labels_.emplace_back(row.bearing, scene, page);
    auto* rule =
        new ShapeView({ShapeStyle::Rectangle, QColor(192, 192, 192), QColor(192, 192, 192)}, page);
    place(rule, row.rule, row.ruleGeometry);
    rule->setAccessibleRole(QAccessible::Separator);
    vectors_.push_back(vector);
}

bool VelocitiesPage::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    for (const Vector& vector : vectors_) {
        if (watched == vector.dial)
            return event->type() == QEvent::KeyPress && dialKey(vector.row->index, key);
        for (int side = 0; side < 2; ++side) {
            if (watched != vector.turn[static_cast<std::size_t>(side)] ||
                key->key() != Qt::Key_Space)
                continue;
            // Held Space repeats through the button's own timer, as a held mouse button does.
            if (!key->isAutoRepeat()) {
                const int tag = 2 * vector.row->index + side;
                if (event->type() == QEvent::KeyPress)
                    context_.run([&] { Image10MouseDown(context_.scene, tag); });
                else
                    context_.run([&] { Image10MouseUp(context_.scene); });
            }
            return true;
        }
    }
    return false;
}

bool VelocitiesPage::dialKey(int dial, QKeyEvent* event) {
    const Qt::KeyboardModifiers mods = event->modifiers();
    // Alt and Meta chords are the window's (Alt+S starts the flight); a compass letter with
    // Ctrl too.
    if (mods & (Qt::AltModifier | Qt::MetaModifier))
        return false;
    const bool letter = event->key() == Qt::Key_N || event->key() == Qt::Key_E ||
                        event->key() == Qt::Key_S || event->key() == Qt::Key_W;
    if (letter && (mods & Qt::ControlModifier))
        return false;
    const double step = mods & Qt::ControlModifier ? turnButtonStepDegrees
                        : mods & Qt::ShiftModifier ? 10.0
                                                   : 1.0;
    const double pi = std::numbers::pi;
    Scene& scene = context_.scene;
    switch (event->key()) {
    case Qt::Key_Right:
        context_.run([&] { dialKeyTurn(scene, dial, step); });
        return true;
    case Qt::Key_Left:
        context_.run([&] { dialKeyTurn(scene, dial, -step); });
        return true;
    case Qt::Key_N:
        context_.run([&] { dialKeyPoint(scene, dial, pi / 2); });
        return true;
    case Qt::Key_E:
        context_.run([&] { dialKeyPoint(scene, dial, 0.0); });
        return true;
    case Qt::Key_S:
        context_.run([&] { dialKeyPoint(scene, dial, 3 * pi / 2); });
        return true;
    case Qt::Key_W:
        context_.run([&] { dialKeyPoint(scene, dial, pi); });
        return true;
    default:
        return false;
    }
}

// A vector's speed bar and dial are described by its read-out; the turn buttons beside them
// are not, so tabbing past them does not repeat it. The focused control tells the read-out it
// changed, heard after the raw value a screen reader speaks.
void VelocitiesPage::project() {
    const Scene& scene = context_.scene;
    for (ShownLabel& label : labels_)
        label.project(scene);
    for (Vector& vector : vectors_) {
        const VectorRow& row = *vector.row;
        projectBar(vector.speed, scene.*(row.speed.bar));
        const QString readout = spoken((scene.*(row.readout.label)).caption);
        describe(vector.speed, readout);
        describe(vector.dial, readout);
        if (readout != vector.readout) {
            vector.readout = readout;
            const auto focused = [](const QWidget* control) { return control->hasFocus(); };
            if (vector.speed->hasFocus() || vector.dial->hasFocus() ||
                std::ranges::any_of(vector.turn, focused))
                context_.say(readout, vector.dial);
        }
        vector.dial->refresh();
        const double degrees = scene.*(row.angle) * 180 / std::numbers::pi;
        if (vector.dial->accessibleValue() != degrees) {
            vector.dial->setAccessibleValue(degrees);
            if (vector.dial->hasFocus() && QAccessible::isActive()) {
                QAccessibleValueChangeEvent changed(vector.dial, degrees);
                QAccessible::updateAccessibility(&changed);
            }
        }
    }
    projectBar(timesb_, scene.timesb);
    describe(timesb_, vectorScaleMeaning(scene));
    for (QWidget* label : scaleLabels_)
        setShown(label, scene.timesb.visible);
}

} // namespace zephyra
