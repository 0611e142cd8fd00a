// SPDX-License-Identifier: GPL-3.0-or-later
// The least a flight can cost on this display: the model's ground view advanced by the flight
// clock at every 20 ms tick and shown whole, in a window of the designed size holding nothing
// else. Measured beside the whole program, it tells what share of the program's cost is the
// picture itself and what is the rest of the window.
// With --scale, the picture is drawn sharp at that scale straight into the window, as the
// program shows its ground view zoomed (full screen on 1920 x 1080 is about 1.910).
// Usage: zephyra_bare_picture [--flight SECONDS] [--scale FACTOR] [Qt options]
#include "flight/flight_clock.h"
#include "ground_view/ground_view.h"
#include "process_time.h"
#include "scene/artwork.h"
#include "scene/scene.h"
#include "support/started_scene.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>
#include <QWidget>

#include <cmath>
#include <cstdio>

using namespace zephyra;

namespace {

class Picture : public QWidget {
public:
    Picture(const Scene& scene, double scale)
        : scene_(scene), scale_(scale), tile_(scale == 1.0 ? QImage() : skyTile(scale)) {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter painter(this);
        if (scale_ == 1.0)
            painter.drawImage(event->rect().topLeft(), scene_.waterim, event->rect());
        else
            paintGroundViewAt(scene_, scale_, tile_, painter);
    }

private:
    const Scene& scene_;
    double scale_;
    QImage tile_;
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    int flightMs = 30000;
    const QStringList args = QApplication::arguments();
    if (const qsizetype at = args.indexOf(QStringLiteral("--flight"));
        at > 0 && at + 1 < args.size())
        flightMs = int(1000 * args.at(at + 1).toDouble());

    double scale = 1.0;
    if (const qsizetype at = args.indexOf(QStringLiteral("--scale"));
        at > 0 && at + 1 < args.size())
        scale = args.at(at + 1).toDouble();

    Scene scene = startedScene();
    QWidget window;
    window.resize(static_cast<int>(std::ceil(792 * scale)),
                  static_cast<int>(std::ceil(565 * scale)));
    auto* picture = new Picture(scene, scale);
    picture->setParent(&window);
    picture->setGeometry(
        QRect(QPoint(static_cast<int>(waterimLeft * scale), static_cast<int>(waterimTop * scale)),
              QSize(static_cast<int>(std::ceil(scene.waterim.width() * scale)),
                    static_cast<int>(std::ceil(scene.waterim.height() * scale)))));
    window.show();

    QTimer clock;
    clock.setInterval(20);
    clock.setTimerType(Qt::PreciseTimer);
    int ticks = 0;
    QObject::connect(&clock, &QTimer::timeout, [&] {
        // Factor 2, and round again at the end, as Repeat does.
        setTime(scene, scene.tsb.position + 2 <= scene.tsb.max ? scene.tsb.position + 2 : 0);
        picture->update();
        ++ticks;
    });
    double cpu = 0;
    QElapsedTimer wall;
    QTimer::singleShot(2000, [&] {
        clock.start();
        ticks = 0;
        cpu = processSeconds();
        wall.start();
        QTimer::singleShot(flightMs, [&] {
            const double seconds = double(wall.elapsed()) / 1000;
            std::printf("bare picture:  %6.2f %% of one core over %.1f s (%.1f ticks per second)\n",
                        100 * (processSeconds() - cpu) / seconds, seconds, ticks / seconds);
            std::fflush(stdout);
            QApplication::exit(0);
        });
    });
    return QApplication::exec();
}
