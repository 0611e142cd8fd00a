// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/pointer_widget.h"

#include <QImage>

namespace zephyra {

// Shows a picture held elsewhere (the scene or the window) at its top-left corner and reports
// the mouse in its own coordinates.
class PictureView : public PointerWidget {
    Q_OBJECT
public:
    PictureView(const QImage* image, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const QImage* image_;
};

} // namespace zephyra
