// SPDX-License-Identifier: GPL-3.0-or-later
// The least a flight can cost on this display: the model's ground view advanced by the flight
// clock at every 20 ms tick and shown whole, in a window of the designed size holding nothing
// else. Measured beside the whole program, it tells what share of the program's cost is the
// picture itself and what is the rest of the window.
// Usage: zephyra_bare_picture [--flight SECONDS] [Qt options]
#include "flight/flight_clock.h"
#include "process_time.h"
#include "scene/scene.h"
#include "support/started_scene.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>
#include <QWidget>

#include <cstdio>

using namespace zephyra;

namespace {

class Picture : public QWidget {
public:
    explicit Picture(const QImage& image) : image_(image) { setAttribute(Qt::WA_OpaquePaintEvent); }

protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter painter(this);
        painter.drawImage(event->rect().topLeft(), image_, event->rect());
    }

private:
    const QImage& image_;
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    int flightMs = 30000;
    const QStringList args = QApplication::arguments();
    if (const qsizetype at = args.indexOf(QStringLiteral("--flight"));
        at > 0 && at + 1 < args.size())
        flightMs = int(1000 * args.at(at + 1).toDouble());

    Scene scene = startedScene();
    QWidget window;
    window.resize(792, 565);
    auto* picture = new Picture(scene.waterim);
    picture->setParent(&window);
    picture->setGeometry(QRect(QPoint(waterimLeft, waterimTop), scene.waterim.size()));
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
