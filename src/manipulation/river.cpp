#include "manipulation/river.h"

#include "flight/ground_view.h"
#include "manipulation/banks.h"
#include "scene/scene.h"
#include "vectors/notation.h"
#include "vectors/velocity_panel.h"

#include <QPainter>

namespace zephyra {

void ShowShore1Click(Scene& scene) {
    scene.showRiver = !scene.showRiver;
    // The sky comes back from the copy taken at start-up, so it returns exactly as designed.
    scene.airim = scene.showRiver ? scene.wim : scene.aim;
    scene.shoresb.visible = scene.showRiver;
    scene.shorelb.visible = scene.showRiver;
    scene.windAngle = 0.0;
    plotairspeedbtClick(scene);
    airbtClick(scene);
}

void shoresbChange(Scene& scene) {
    const double width = scene.shoresb.position * currentMetresPerPixel(scene);
    scene.shorelb.caption =
        QStringLiteral("River Width: ") + fixedText(width, 5, 1) + scene.distanceUnit;
    airbtClick(scene);
}

void plotshorebtClick(Scene& scene, QPainter& canvas) {
    canvas.setRenderHint(QPainter::Antialiasing, false);
    canvas.setPen(QPen(Qt::black, 1));
    canvas.setBrush(QColor(bankColour));
    for (const QRect& bank : bankRects(scene.shoresb.position))
        // A 1 px outline adds one pixel to the right and bottom of the rectangle drawn.
        canvas.drawRect(bank.adjusted(0, 0, -1, -1));
    canvas.setBrush(Qt::white);
}

void setRiverWidth(Scene& scene, int width) {
    setPosition(scene.shoresb, width, [&] { shoresbChange(scene); });
}

} // namespace zephyra
