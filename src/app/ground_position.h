// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/displacement_box.h"
#include "app/window_context.h"

#include <QImage>
#include <QObject>
#include <QRect>

#include <memory>
#include <optional>
#include <vector>

namespace zephyra {

class PictureView;
class ShapeView;
struct ShapeRow;

// The "Ground Position" box: the ground view, the handles and markers floating over it, the
// copy selection and the displacement box.
class GroundPosition : public QObject {
    Q_OBJECT
public:
    GroundPosition(WindowContext& context, QWidget* client);
    ~GroundPosition() override;

    void project();
    // Keeps the pictures the ground view is built from (hidden), made once the rest of the
    // window exists so they lie above it.
    void buildTileHolders(QWidget* client);
    const DisplacementBox& displacement() const { return *displacement_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildShape(const ShapeRow& row, QWidget* box);
    // The air picture drawn at scale, kept while the scale and the picture stay.
    const QImage& sharpTile(double scale);

    WindowContext& context_;
    PictureView* waterim_;
    PictureView* image1_ = nullptr;
    std::vector<std::pair<const ShapeRow*, ShapeView*>> shapes_;
    std::vector<std::optional<QString>> hints_; // as last set, one per shape
    QRect pressedAt_;                           // where the handle last pressed was
    std::unique_ptr<DisplacementBox> displacement_;
    QImage tile_;
    double tileScale_ = 0.0;
    bool tileWater_ = false;
};

} // namespace zephyra
