// Drawing the unit card: the whole card with two attacks on a recording
// target (the card's own work, without the painting itself).
#include "card/carddraw.h"
#include "cardrecorder.h"

#include <benchmark/benchmark.h>

using namespace tarvello;

namespace {

clsFigure BusyFigure()
{
    clsFigure f;
    f.Name = "Battle Mage of the North";
    f.FigureType = 4;
    f.TrainingLevel = 2;
    f.Move = 6;
    f.HitFactor = 7;
    f.HitPoints = 3;
    f.Command = 2;
    f.Armor = "Plate Mail Armour";
    f.Cost = 142;
    f.OptionalRules = true;
    f.ExtraItems = 2;
    f.ManaDraw = 4;
    f.MaxMana = 10;
    f.SpellRangeShort = 8;
    f.SpellRangeLong = 10;
    f.MaxSpells = 8;
    for (const char *name : {"Staff", "Longbow", "Dagger"}) {
        clsAttack a;
        a.Name = name;
        a.ShortRange = 12;
        a.LongRange = 24;
        a.AttackRadius = 2;
        for (int k = 1; k <= 10; ++k)
            AttackRoll(a, k) = std::int16_t(k * 2);
        f.Attacks.push_back(a);
    }
    return f;
}

void BM_DrawCardOnRecorder(benchmark::State &state)
{
    const clsFigure figure = BusyFigure();
    const CardStyle style = DefaultCardStyle("Sans");
    CardScene scene;
    scene.figure = &figure;
    scene.style = &style;
    scene.image = kInitialImageRect;
    scene.hasFigurePicture = true;
    scene.creditWidth = 4500;
    scene.creditHeight = 600;
    for (auto _ : state) {
        cardtest::CardRecorder target;
        DrawCard(target, scene);
        benchmark::DoNotOptimize(target.ops.data());
    }
}
BENCHMARK(BM_DrawCardOnRecorder)->Unit(benchmark::kMicrosecond);

} // namespace
