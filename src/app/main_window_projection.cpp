// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window.h"

#include "app/notebook.h"
#include "app/picture_view.h"
#include "app/shape_view.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTimer>

namespace zephyra {

namespace {

// A hint or caption breaks its line at a carriage return.
QString shownText(QString text) {
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

void setChecked(QAbstractButton* button, bool on) {
    if (button->isChecked() == on)
        return;
    const QSignalBlocker blocker(button);
    button->setChecked(on);
}

void setShown(QWidget* widget, bool shown) {
    if (widget->isHidden() == shown)
        widget->setVisible(shown);
}

void setTimerRunning(QTimer* timer, bool running) {
    if (running && !timer->isActive())
        timer->start();
    else if (!running && timer->isActive())
        timer->stop();
}

// The tails and tips are place-holders the logic reads; they never show.
bool neverShown(const QString& name) {
    static const QStringList placeHolders{QStringLiteral("windshb"),   QStringLiteral("windsht"),
                                          QStringLiteral("planeshb"),  QStringLiteral("planesht"),
                                          QStringLiteral("resultshb"), QStringLiteral("resultsht")};
    return placeHolders.contains(name);
}

} // namespace

void Trelativefrm::bindControls() {
    const std::pair<const char*, ScrollBar Scene::*> bars[] = {
        {"tsb", &Scene::tsb},
        {"timefactorsb", &Scene::timefactorsb},
        {"shoresb", &Scene::shoresb},
        {"airspeedsb", &Scene::airspeedsb},
        {"planespeedsb", &Scene::planespeedsb},
        {"resultantsb", &Scene::resultantsb},
        {"timesb", &Scene::timesb}};
    for (const auto& [name, bar] : bars)
        bars_.emplace_back(control<QScrollBar>(name), bar);

    const std::pair<const char*, Label Scene::*> labels[] = {{"timelb", &Scene::timelb},
                                                             {"timefactorlb", &Scene::timefactorlb},
                                                             {"directionlb", &Scene::directionlb},
                                                             {"shorelb", &Scene::shorelb},
                                                             {"notelb", &Scene::notelb},
                                                             {"airlb", &Scene::airlb},
                                                             {"currentlb", &Scene::currentlb},
                                                             {"planelb", &Scene::planelb},
                                                             {"transportlb", &Scene::transportlb},
                                                             {"rlb", &Scene::rlb},
                                                             {"resultantlb", &Scene::resultantlb},
                                                             {"nslb", &Scene::nslb},
                                                             {"ewlb", &Scene::ewlb}};
    for (const auto& [name, label] : labels)
        labels_.push_back({control<QLabel>(name), label, {}});

    const std::pair<const char*, Shape Scene::*> shapes[] = {
        {"planesh", &Scene::planesh},     {"Startsh", &Scene::Startsh},
        {"stopsh", &Scene::stopsh},       {"windshm", &Scene::windshm},
        {"planeshm", &Scene::planeshm},   {"resultshm", &Scene::resultshm},
        {"movesh", &Scene::movesh},       {"windshb", &Scene::windshb},
        {"windsht", &Scene::windsht},     {"planeshb", &Scene::planeshb},
        {"planesht", &Scene::planesht},   {"resultshb", &Scene::resultshb},
        {"resultsht", &Scene::resultsht}, {"copyshape", &Scene::copyshape}};
    for (const auto& [name, shape] : shapes)
        shapes_.push_back({control<ShapeView>(name), shape, neverShown(QLatin1String(name)), {}});

    for (QWidget* widget : std::as_const(controls_))
        if (auto* picture = qobject_cast<PictureView*>(widget))
            pictures_.push_back(picture);
}

void Trelativefrm::project() {
    for (const auto& [widget, member] : bars_) {
        const ScrollBar& bar = scene_.*member;
        if (widget->minimum() != bar.min || widget->maximum() != bar.max ||
            widget->pageStep() != bar.pageStep || widget->value() != bar.position) {
            const QSignalBlocker blocker(widget);
            widget->setRange(bar.min, bar.max);
            widget->setPageStep(bar.pageStep);
            widget->setValue(bar.position);
        }
        setShown(widget, bar.visible);
    }
    for (ShownLabel& shown : labels_) {
        const Label& label = scene_.*shown.member;
        setShown(shown.widget, label.visible);
        if (shown.caption == label.caption)
            continue;
        shown.caption = label.caption;
        QLabel* widget = shown.widget;
        widget->setText(shownText(label.caption));
        if (!widget->wordWrap() && !(widget->alignment() & Qt::AlignHCenter)) {
            // Sizes itself to its caption, growing to the right.
            int width = 0;
            for (const QString& line : widget->text().split(QLatin1Char('\n')))
                width = std::max(width, widget->fontMetrics().horizontalAdvance(line));
            widget->resize(width, widget->height());
        }
    }
    projectControlsPage();
    projectVelocitiesPage();
    projectGroundView();
    projectMotionPanel();
    projectMenuAndTimers();
    projectAccessibility();
}

void Trelativefrm::projectControlsPage() {
    auto* start = control<QPushButton>("timerbt");
    if (start->text() != scene_.timerbtCaption)
        start->setText(scene_.timerbtCaption);
    setChecked(control<QCheckBox>("repeatcb"), scene_.repeat);
    setChecked(control<QCheckBox>("stopstartcb"), scene_.showStartFinish);
    for (int index = 0; index < static_cast<int>(distanceItems_.size()); ++index) {
        QRadioButton* item = distanceItems_[static_cast<std::size_t>(index)];
        if (item->isChecked() == (index == scene_.distanceScale))
            continue;
        const QSignalBlocker blocker(item);
        item->setAutoExclusive(false);
        item->setChecked(index == scene_.distanceScale);
        item->setAutoExclusive(true);
    }
    if (notebook_->currentIndex() != scene_.notebookPage) {
        const QSignalBlocker blocker(notebook_);
        notebook_->setCurrentIndex(scene_.notebookPage);
    }
    auto* panel = control<QWidget>("Panel1");
    if (panel->isEnabled() != scene_.panel1Enabled)
        panel->setEnabled(scene_.panel1Enabled);
}

void Trelativefrm::projectVelocitiesPage() {
    for (const char* name : {"smalllb", "scalelb", "largelb"})
        setShown(control<QWidget>(name), scene_.timesb.visible);
}

void Trelativefrm::projectGroundView() {
    for (ShownShape& shown : shapes_) {
        const Shape& shape = scene_.*shown.member;
        const QRect geometry(shape.left, shape.top, shape.width, shape.height);
        if (shown.widget->geometry() != geometry)
            shown.widget->setGeometry(geometry);
        setShown(shown.widget, shape.visible && !shown.placeHolder);
        if (shown.hint != shape.hint) {
            shown.hint = shape.hint;
            shown.widget->setToolTip(shownText(shape.hint));
        }
    }
    control<ShapeView>("Startsh")->setOutlineShown(scene_.markerOutlines);
    control<ShapeView>("stopsh")->setOutlineShown(scene_.markerOutlines);
    setShown(control<QWidget>("posgb"), scene_.posgbVisible);
    for (PictureView* picture : pictures_)
        picture->refresh();
}

void Trelativefrm::projectMotionPanel() {
    auto* panel = control<QGroupBox>("expgb");
    if (panel->title() != scene_.expgbCaption) {
        panel->setTitle(scene_.expgbCaption);
        panel->setAccessibleName(scene_.expgbCaption);
    }
    setShown(panel, scene_.expgbVisible);
    // Compared with what was last set: the box reads a no-break space or a lone carriage
    // return back differently, and setting the text again would scroll it to its top.
    if (memoText_ != scene_.expmemText) {
        memoText_ = scene_.expmemText;
        auto* memo = control<QPlainTextEdit>("expmem");
        const QSignalBlocker blocker(memo);
        memo->setPlainText(scene_.expmemText);
    }
    auto* memo = control<QPlainTextEdit>("expmem");
    if (memo->isReadOnly() != scene_.expmemReadOnly)
        memo->setReadOnly(scene_.expmemReadOnly);
    auto* loadSave = control<QPushButton>("lsbt");
    if (loadSave->text() != scene_.lsbtCaption)
        loadSave->setText(scene_.lsbtCaption);
    setShown(control<QWidget>("yngb"), scene_.yngbVisible);
    setShown(control<QWidget>("qb"), scene_.qbVisible);
    // What the question box covers is out of sight, of Tab and of assistive tools.
    for (const char* covered : {"lsbt", "cancelbt", "ybt", "nbt"})
        setShown(control<QWidget>(covered), !scene_.qbVisible);
    if (panelShown_ && !scene_.expgbVisible)
        returnFocusFromPanel();
    panelShown_ = scene_.expgbVisible;
}

void Trelativefrm::projectMenuAndTimers() {
    const std::pair<const char*, bool> checks[] = {{"Showvectors1", scene_.showVectors},
                                                   {"ShowShore1", scene_.showRiver},
                                                   {"Showposition1", scene_.showDisplacement},
                                                   {"Copyselect1", scene_.copySelect}};
    for (const auto& [name, on] : checks) {
        QAction* action = actions_.value(QLatin1String(name));
        if (action->isChecked() == on)
            continue;
        const QSignalBlocker blocker(action);
        action->setChecked(on);
    }
    QMenu* units = actions_.value(QStringLiteral("Units1"))->menu();
    if (units->title() != scene_.units1Caption)
        units->setTitle(scene_.units1Caption);
    setTimerRunning(windtr_, scene_.running);
    setTimerRunning(angletr_, scene_.angletrEnabled);
}

} // namespace zephyra
