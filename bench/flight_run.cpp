// SPDX-License-Identifier: GPL-3.0-or-later
// The whole program while flying: the program starts exactly as it does for a user, the about
// box is closed by Escape, then Repeat is ticked and Start pressed at the designed time factor 2.
// Prints the idle CPU share, then over the flight the CPU share of one core (user + system time
// from /proc), the ground view's repaints per second, the flight clock's rate against the wall
// clock, and the model's own repaint time measured in the same process, with the ratio of the
// program's CPU time per tick to it.
// Usage: zephyra_flight_run [--idle SECONDS] [--flight SECONDS] [program options: --zoom
// PERCENT, --full-screen, Qt's]
#include "app/application.h"
#include "app/zoom_host.h"
#include "flight/flight_clock.h"
#include "ground_view/ground_view.h"
#include "process_time.h"
#include "scene/scene.h"
#include "support/started_scene.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <vector>

using namespace zephyra;

namespace {

struct Durations {
    int idleMs = 20000;
    int flightMs = 30000;
};
Durations durations;

QWidget* topLevel(const char* name) {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->objectName() == QLatin1String(name) && widget->isVisible())
            return widget;
    return nullptr;
}

// Counts the paint events of one widget.
class PaintCounter : public QObject {
public:
    int count = 0;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            ++count;
        return QObject::eventFilter(watched, event);
    }
};

// Counts the flight clock's hundredths, across the restarts of Repeat, by reading the time bar
// twice a second (the window sets it without signals).
class ClockCounter : public QObject {
public:
    explicit ClockCounter(QScrollBar* bar) : bar_(bar), last_(bar->value()) {
        auto* poll = new QTimer(this);
        connect(poll, &QTimer::timeout, this, [this] { read(); });
        poll->start(500);
    }
    qint64 read() {
        const int now = bar_->value();
        hundredths_ += now >= last_ ? now - last_ : bar_->maximum() - last_ + now;
        last_ = now;
        return hundredths_;
    }

private:
    QScrollBar* bar_;
    int last_;
    qint64 hundredths_ = 0;
};

// Median time of the model's whole repaint of the ground view in mid-flight, in milliseconds.
double modelRepaintMs() {
    Scene scene = startedScene();
    setTime(scene, 50);
    std::vector<double> batches;
    for (int batch = 0; batch < 9; ++batch) {
        constexpr int calls = 200;
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < calls; ++i)
            airbtClick(scene);
        const std::chrono::duration<double, std::milli> took =
            std::chrono::steady_clock::now() - start;
        batches.push_back(took.count() / calls);
    }
    std::nth_element(batches.begin(), batches.begin() + 4, batches.end());
    return batches[4];
}

void fail(const char* why) {
    std::fprintf(stderr, "flight run: FAIL: %s\n", why);
    QApplication::exit(1);
}

// The steps, each started by a timer: the about box runs its own event loop until it closes.
class Run {
public:
    void closeAbout() {
        QWidget* about = topLevel("aboutboxp");
        if (!about) {
            if (waited_.elapsed() > 10000)
                return fail("the about box did not show");
            QTimer::singleShot(100, [this] { closeAbout(); });
            return;
        }
        QTest::keyClick(about, Qt::Key_Escape);
        QWidget* window = topLevel("relativefrm");
        if (!window)
            return fail("the main window does not show");
        // Shown scaled (--zoom, --full-screen), the client area is embedded in a view.
        const QWidget* client = window->findChild<ZoomHost*>()->client();
        view_ = client->findChild<QWidget*>(QStringLiteral("waterim"));
        start_ = client->findChild<QAbstractButton*>(QStringLiteral("timerbt"));
        repeat_ = client->findChild<QAbstractButton*>(QStringLiteral("repeatcb"));
        clock_ = client->findChild<QScrollBar*>(QStringLiteral("tsb"));
        if (!view_ || !start_ || !repeat_ || !clock_)
            return fail("the window lacks its ground view, Start, Repeat or time bar");
        QTimer::singleShot(2000, [this] { beginIdle(); });
    }

    void beginIdle() {
        cpu_ = processSeconds();
        wall_.start();
        QTimer::singleShot(durations.idleMs, [this] { endIdle(); });
    }

    void endIdle() {
        const double seconds = double(wall_.elapsed()) / 1000;
        std::printf("idle:          %6.2f %% of one core over %.1f s\n",
                    100 * (processSeconds() - cpu_) / seconds, seconds);
        repeat_->click();
        start_->click();
        QTimer::singleShot(1000, [this] { beginFlight(); });
    }

    void beginFlight() {
        view_->installEventFilter(&paints_);
        ticks_ = std::make_unique<ClockCounter>(clock_);
        cpu_ = processSeconds();
        wall_.restart();
        QTimer::singleShot(durations.flightMs, [this] { endFlight(); });
    }

    void endFlight() {
        const double flownCpu = processSeconds() - cpu_;
        const double seconds = double(wall_.elapsed()) / 1000;
        const qint64 hundredths = ticks_->read();
        const int repaints = paints_.count;
        view_->removeEventFilter(&paints_);
        start_->click();

        const double model = modelRepaintMs();
        const double ticksFlown = double(hundredths) / 2; // factor 2: two hundredths per tick
        const double perTick = ticksFlown > 0 ? 1000 * flownCpu / ticksFlown : 0;
        const QWidget* window = topLevel("relativefrm");
        std::printf("flying:        %6.2f %% of one core over %.1f s at time factor 2, the "
                    "window %d x %d, its client area at %.0f %%\n",
                    100 * flownCpu / seconds, seconds, window ? window->width() : 0,
                    window ? window->height() : 0,
                    window ? 100 * window->findChild<ZoomHost*>()->scale() : 0.0);
        std::printf("repaints:      %6.1f per second\n", repaints / seconds);
        std::printf("flight rate:   %8.4f (%.2f s of flight in %.2f s)\n",
                    double(hundredths) / 100 / seconds, double(hundredths) / 100, seconds);
        std::printf("model repaint: %8.4f ms (median); the program spends %.4f ms of CPU per "
                    "tick, %.1f x the model's repaint\n",
                    model, perTick, model > 0 ? perTick / model : 0);
        std::fflush(stdout);
        QApplication::exit(0);
    }

    void begin() {
        waited_.start();
        closeAbout();
    }

private:
    QElapsedTimer waited_, wall_;
    double cpu_ = 0;
    QWidget* view_ = nullptr;
    QAbstractButton* start_ = nullptr;
    QAbstractButton* repeat_ = nullptr;
    QScrollBar* clock_ = nullptr;
    PaintCounter paints_;
    std::unique_ptr<ClockCounter> ticks_;
};
Run run;

void startMeasuring() {
    // Called as each application is made: only the window's, not the one reading the options.
    if (qobject_cast<QApplication*>(QCoreApplication::instance()))
        QTimer::singleShot(0, QCoreApplication::instance(), [] { run.begin(); });
}

} // namespace

int main(int argc, char** argv) {
    std::vector<char*> rest;
    for (int i = 0; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if ((arg == "--idle" || arg == "--flight") && i + 1 < argc)
            (arg == "--idle" ? durations.idleMs : durations.flightMs) =
                int(1000 * QByteArray(argv[++i]).toDouble());
        else
            rest.push_back(argv[i]);
    }
    int restCount = int(rest.size());
    rest.push_back(nullptr);
    qAddPreRoutine(startMeasuring);
    return runApplication(restCount, rest.data());
}
