// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/bar_row.h"
#include "app/window_context.h"

#include <QElapsedTimer>
#include <QObject>

#include <vector>

class QCheckBox;
class QShortcut;
class QRadioButton;
class QScrollBar;

namespace zephyra {

// The "&Controls" page: Start and Reset, the time and its factor, Repeat, the distance scale,
// the start and finish markers' switch and direction, the river width, and the note.
class ControlsPage : public QObject {
    Q_OBJECT
public:
    ControlsPage(WindowContext& context, QWidget* page);

    void project();

    // The bars and labels the flight clock changes at every tick.
    QScrollBar* timeBar() const { return bars_.front().second; }
    QLabel* timeLabel() const { return labels_.front().widget(); }

private:
    void buildDistanceScale(QWidget* page);

    WindowContext& context_;
    std::vector<ShownButton> buttons_;
    std::vector<std::pair<const CheckRow*, QCheckBox*>> checks_;
    std::vector<QRadioButton*> distanceItems_;
    QString describedUnit_; // the distance unit the items' descriptions are in
    std::vector<std::pair<const BarRow*, QScrollBar*>> bars_;
    std::vector<ShownLabel> labels_;
    QShortcut* startAnywhere_;    // Alt+S while the other page hides "&Start" and its mnemonic
    QElapsedTimer timeDescribed_; // during a flight the time is described at most twice a second
};

} // namespace zephyra
