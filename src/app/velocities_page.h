// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/bar_row.h"
#include "app/window_context.h"

#include <QImage>
#include <QObject>

#include <array>
#include <vector>

class QKeyEvent;
class QLabel;
class QScrollBar;

namespace zephyra {

class PictureView;
struct VectorRow;

// The "&Velocities" page: for the wind, the plane and the ground velocity, a read-out, a speed
// bar, a direction dial between two turn buttons and a hidden bearing; then the vector scale.
class VelocitiesPage : public QObject {
    Q_OBJECT
public:
    VelocitiesPage(WindowContext& context, QWidget* page);

    void project();
    // Places the scale's captions for the language now chosen.
    void fitScaleLabels();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Vector {
        const VectorRow* row;
        QScrollBar* speed;
        PictureView* dial;
        std::array<PictureView*, 2> turn; // counter-clockwise, clockwise
        QString readout = {};             // as last projected
    };

    void buildVector(const VectorRow& row, QWidget* page);
    bool dialKey(int dial, QKeyEvent* event);

    WindowContext& context_;
    std::array<QImage, 6> turnArrows_;
    std::vector<Vector> vectors_;
    std::vector<ShownLabel> labels_;
    std::vector<QLabel*> scaleLabels_; // "Small", "Scale" and "Large" show with the scale bar
    QScrollBar* timesb_ = nullptr;
};

} // namespace zephyra
