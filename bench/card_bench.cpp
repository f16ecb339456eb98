// Drawing the unit card: the whole card with two attacks on a recording
// target (the card's own work, without the painting itself).
#include "busycard.h"
#include "card/carddraw.h"
#include "cardrecorder.h"

#include <benchmark/benchmark.h>

using namespace tarvello;

namespace {

void BM_DrawCardOnRecorder(benchmark::State &state)
{
    const clsFigure figure = bench::BusyCardFigure();
    const CardStyle style = DefaultCardStyle("Sans");
    const CardScene scene = bench::BusyCardScene(figure, style);
    for (auto _ : state) {
        cardtest::CardRecorder target;
        DrawCard(target, scene);
        benchmark::DoNotOptimize(target.ops.data());
    }
}
BENCHMARK(BM_DrawCardOnRecorder)->Unit(benchmark::kMicrosecond);

} // namespace
