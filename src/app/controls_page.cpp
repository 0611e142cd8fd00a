// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/controls_page.h"

#include "app/scene_description.h"
#include "app/translated.h"
#include "flight/flight_clock.h"
#include "ground_view/ground_view.h"
#include "manipulation/river.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QShortcut>

namespace zephyra {

namespace {

const BarRow timeBars[] = {
    {"tsb",
     {16, 58, 153, 17},
     QT_TRANSLATE_NOOP("Trelativefrm", "Time"),
     &Scene::tsb,
     setTime,
     &Scene::timelb,
     0.01},
    {"timefactorsb",
     {16, 101, 153, 17},
     QT_TRANSLATE_NOOP("Trelativefrm", "Time factor"),
     &Scene::timefactorsb,
     setTimeFactor,
     &Scene::timefactorlb},
};
const BarRow riverBar{
    "shoresb",       {16, 272, 161, 17}, QT_TRANSLATE_NOOP("Trelativefrm", "River width"),
    &Scene::shoresb, setRiverWidth,      &Scene::shorelb};

const LabelRow timeLabels[] = {
    {"timelb", {64, 40, 65, 14}, LabelFit::Grows, &Scene::timelb},
    {"timefactorlb", {54, 82, 77, 14}, LabelFit::Grows, &Scene::timefactorlb},
};
const LabelRow courseLabels[] = {
    {"directionlb", {0, 233, 185, 14}, LabelFit::Centred, &Scene::directionlb},
    {"shorelb", {48, 254, 89, 14}, LabelFit::Grows, &Scene::shorelb},
};
const LabelRow noteLabel{"notelb", {8, 296, 177, 185}, LabelFit::Wrapped, &Scene::notelb};

const ButtonRow flightButtons[] = {
    {"timerbt",
     {8, 8, 75, 25},
     nullptr,
     &Scene::timerbtCaption,
     [](Scene& scene, Platform&) { timerbtClick(scene); }},
    {"resetbt1",
     {96, 8, 75, 25},
     QT_TRANSLATE_NOOP("Trelativefrm", "&Reset"),
     nullptr,
     [](Scene& scene, Platform&) { resetbt1Click(scene); }},
};

const CheckRow repeatCheck{"repeatcb",
                           {116, 124, 65, 17},
                           QT_TRANSLATE_NOOP("Trelativefrm", "&Repeat"),
                           &Scene::repeat,
                           [](Scene& scene, bool on) { scene.repeat = on; }};
const CheckRow markersCheck{"stopstartcb",
                            {8, 216, 137, 17},
                            QT_TRANSLATE_NOOP("Trelativefrm", "Show Start/Finish"),
                            &Scene::showStartFinish,
                            setShowStartFinish};

const char* const distanceScaleItems[] = {"&100", "&200", "&500", "&1000", "&2000", "&5000"};

} // namespace

ControlsPage::ControlsPage(WindowContext& context, QWidget* page)
    : QObject(page), context_(context),
      startAnywhere_(new QShortcut(QKeySequence(Qt::ALT | Qt::Key_S), page->window())) {
    Scene& scene = context.scene;
    for (const ButtonRow& row : flightButtons)
        buttons_.emplace_back(row, context, page);
    connect(startAnywhere_, &QShortcut::activated, this,
            [this] { buttons_.front().widget()->click(); });
    for (std::size_t i = 0; i < std::size(timeBars); ++i) {
        labels_.emplace_back(timeLabels[i], scene, page);
        bars_.emplace_back(&timeBars[i],
                           makeScrollBar(timeBars[i].name, timeBars[i].geometry,
                                         timeBars[i].accessibleName, page, timeBars[i].spokenStep));
    }
    checks_.emplace_back(&repeatCheck, makeCheckBox(repeatCheck, context, page));
    buildDistanceScale(page);
    checks_.emplace_back(&markersCheck, makeCheckBox(markersCheck, context, page));
    for (const LabelRow& row : courseLabels)
        labels_.emplace_back(row, scene, page);
    bars_.emplace_back(
        &riverBar, makeScrollBar(riverBar.name, riverBar.geometry, riverBar.accessibleName, page));
    labels_.emplace_back(noteLabel, scene, page);
    // Kept from the design, never shown.
    const std::pair<const char*, QRect> unused[] = {{"walkrb", {16, 488, 81, 17}},
                                                    {"relativerb", {96, 488, 97, 17}}};
    for (const auto& [name, geometry] : unused) {
        auto* item = new QRadioButton(QLatin1String(name), page);
        place(item, name, geometry);
        item->setChecked(qstrcmp(name, "relativerb") == 0);
        item->setVisible(false);
    }

    // Value signals, so the keyboard and assistive tools run the same reactions as the mouse.
    for (const auto& [row, bar] : bars_)
        connect(bar, &QScrollBar::valueChanged, this, [this, write = row->write](int value) {
            context_.run([&] { write(context_.scene, value); });
        });
}

// Three columns filled top to bottom, each item as wide as its column and as high as an
// equal share of the space below the caption.
void ControlsPage::buildDistanceScale(QWidget* page) {
    QGroupBox* group =
        makeGroupBox("distancerb", QT_TRANSLATE_NOOP("Trelativefrm", "Distance Scale"),
                     {8, 144, 177, 65}, page, context_.boxStyle);
    const int columns = 3;
    const int count = static_cast<int>(std::size(distanceScaleItems));
    const int perColumn = (count + columns - 1) / columns;
    const int textHeight = group->fontMetrics().height();
    const int spare = group->height() - textHeight - 5;
    const int itemWidth = (group->width() - 10) / columns;
    const int itemHeight = spare / perColumn;
    const int topMargin = textHeight + 1 + (spare % perColumn) / 2;
    for (int i = 0; i < count; ++i) {
        auto* item = new QRadioButton(
            QString::fromUtf8(distanceScaleItems[static_cast<std::size_t>(i)]), group);
        item->setObjectName(QStringLiteral("distancerb%1").arg(i));
        item->setGeometry((i / perColumn) * itemWidth + 8, (i % perColumn) * itemHeight + topMargin,
                          itemWidth, itemHeight);
        item->setChecked(i == context_.scene.distanceScale);
        connect(item, &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                context_.run([&] { setDistanceScale(context_.scene, i); });
        });
        distanceItems_.push_back(item);
    }
}

void ControlsPage::project() {
    const Scene& scene = context_.scene;
    for (ShownButton& button : buttons_)
        button.project(scene);
    startAnywhere_->setEnabled(scene.notebookPage != 0);
    for (const auto& [row, box] : checks_)
        setChecked(box, scene.*(row->checked));
    for (int index = 0; index < static_cast<int>(distanceItems_.size()); ++index) {
        QRadioButton* item = distanceItems_[static_cast<std::size_t>(index)];
        if (item->isChecked() == (index == scene.distanceScale))
            continue;
        const QSignalBlocker blocker(item);
        item->setAutoExclusive(false);
        item->setChecked(index == scene.distanceScale);
        item->setAutoExclusive(true);
    }
    // Each scale says what it sets, in the unit distances are told in.
    if (describedUnit_ != scene.distanceUnit) {
        describedUnit_ = scene.distanceUnit;
        for (std::size_t i = 0; i < distanceItems_.size(); ++i)
            describe(
                distanceItems_[i],
                distanceScaleMeaning(
                    scene,
                    QString::fromUtf8(distanceScaleItems[i]).remove(QLatin1Char('&')).toInt()));
    }
    for (ShownLabel& label : labels_)
        label.project(scene);
    const bool throttleTime =
        scene.running && timeDescribed_.isValid() && timeDescribed_.elapsed() < 500;
    for (const auto& [row, bar] : bars_) {
        projectBar(bar, scene.*(row->bar));
        const QString description = spoken((scene.*(row->readout)).caption);
        if (bar == timeBar() && bar->accessibleDescription() != description) {
            if (throttleTime)
                continue;
            timeDescribed_.start();
        }
        describe(bar, description);
    }
}

} // namespace zephyra
