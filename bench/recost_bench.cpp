// Costing 2,000 saved figures (no pictures) again with the current tables,
// beside the army editor's plain scan of the same folder.
#include "army/armycostcheck.h"
#include "army/figuresummary.h"
#include "figure/figuremodel.h"
#include "figure_testtables.h"
#include "platform/fileio.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>

using namespace tarvello;

namespace {

constexpr int kFiles = 2000;

// kFiles figures saved by the editor: a Dwarf in chain with a sword, a bow
// and a shield, each with its own name.
std::string RecostFolder(const RulesTables &tables)
{
    const std::filesystem::path dir = std::filesystem::temp_directory_path()
                                      / "tarvello_recost_bench";
    std::filesystem::create_directories(dir);
    FigureModel figure(tables);
    (void)figure.Initialize();
    (void)figure.Choose(&FigureRecord::cboRace, 1);
    (void)figure.Choose(&FigureRecord::cboArmorType, 1);
    (void)figure.Add(FigureSeries::Melee, 0);
    (void)figure.Add(FigureSeries::Missile, 0);
    (void)figure.Add(FigureSeries::ExtraItem, 0);
    for (int i = 0; i < kFiles; ++i) {
        figure.SetFigureName("Figure " + std::to_string(i));
        const std::string path = (dir / ("figure" + std::to_string(i) + ".tvf")).string();
        if (!figure.SaveTo(path).ok())
            std::fprintf(stderr, "could not write %s\n", path.c_str());
    }
    return dir.string();
}

void BM_Recost(benchmark::State &state)
{
    RulesTables tables = figuretest::FigureTestTables();
    const std::string folder = RecostFolder(tables);
    tables.Races[1].HitFactorModifier = 2;
    for (auto _ : state) {
        if (state.range(0) == 0) {
            Result<std::vector<FigureSummary>> scanned = ScanFigureFolder(folder);
            benchmark::DoNotOptimize(scanned);
            continue;
        }
        Result<std::vector<FigureCostCheck>> checks = CheckFigureCosts(folder, tables);
        if (!checks.ok() || checks.value().size() != kFiles || !checks.value()[0].Differs())
            state.SkipWithError("not every figure was costed anew");
        benchmark::DoNotOptimize(checks);
    }
}
// 0: the plain scan; 1: costing every figure again.
BENCHMARK(BM_Recost)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
