// SPDX-License-Identifier: GPL-3.0-or-later
// Cost of the ground view while flying: the whole repaint, one 20 ms flight tick, and as a
// yardstick one plain fill of a picture the size of the view.
#include "flight/flight_clock.h"
#include "ground_view/ground_view.h"
#include "scene/scene.h"
#include "support/started_scene.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

using namespace zephyra;

namespace {

void fillBaseline(benchmark::State& state) {
    QImage image(waterimWidth, waterimHeight, QImage::Format_RGB32);
    bool odd = false;
    for (auto _ : state) {
        image.fill(odd ? Qt::cyan : Qt::white);
        odd = !odd;
        benchmark::DoNotOptimize(image.constBits());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(fillBaseline);

// A started-up scene in mid-flight: tiles, arrows and the plane all on the view.
void fullRepaint(benchmark::State& state) {
    Scene scene = startedScene();
    setTime(scene, 50);
    for (auto _ : state) {
        airbtClick(scene);
        benchmark::DoNotOptimize(scene.waterim.constBits());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(fullRepaint);

// Repeat keeps the clock going forever, so every iteration is a real time change and redraw.
void flightTick(benchmark::State& state) {
    Scene scene = startedScene();
    scene.repeat = true;
    timerbtClick(scene);
    for (auto _ : state) {
        windtrTimer(scene);
        benchmark::DoNotOptimize(scene.waterim.constBits());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(flightTick);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
