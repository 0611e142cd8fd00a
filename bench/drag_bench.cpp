// SPDX-License-Identifier: GPL-3.0-or-later
// Cost of one step of dragging an arrow by its middle: move, re-lay, snap test and repaint.
#include "manipulation/dragging.h"
#include "scene/scene.h"
#include "support/started_scene.h"

#include <benchmark/benchmark.h>

using namespace zephyra;

namespace {

// The wind middle goes back and forth between two places, so every step really moves it;
// the second brings its tip within reach of the plane's tail, so half the steps snap.
void middleHandleDragStep(benchmark::State& state) {
    Scene scene = startedScene();
    const QPoint places[] = {{300, 200}, {scene.planeshm.left - 78, scene.planeshm.top + 2}};
    planeshMouseDown(scene);
    bool second = false;
    double snaps = 0;
    for (auto _ : state) {
        const QPoint to = places[second ? 1 : 0];
        const Shape& middle = scene.windshm;
        windshmMouseMove(scene, ShapeId::windshm, to.x() - middle.left + middle.width / 2,
                         to.y() - middle.top + middle.height / 2);
        second = !second;
        snaps += scene.vectorsJoined ? 1 : 0;
        benchmark::DoNotOptimize(scene.waterim.constBits());
        benchmark::ClobberMemory();
    }
    state.counters["snapped"] = benchmark::Counter(snaps, benchmark::Counter::kAvgIterations);
}
BENCHMARK(middleHandleDragStep);

} // namespace
