// Every preview of a figure at once with the shipped tables: each available
// weapon and item added, each entry of the six choice lists chosen.
#include "figure/costbreakdown.h"
#include "figure/costpreview.h"
#include "figure/figuremodel.h"
#include "rules/modloaddata.h"
#include "rules/rulestables.h"

#include <benchmark/benchmark.h>

#include <string>

using namespace tarvello;

namespace {

void BM_AllCostPreviews(benchmark::State &state)
{
    RulesTables tables;
    LoadAllTables(tables, TARVELLO_SHIPPED_DATA_DIR, ".", [](const Failure &) {});
    FigureModel model(tables);
    const std::string figure = std::string(TARVELLO_SHIPPED_DATA_DIR) + "/figures/knight_hero.tvf";
    if (!model.Initialize().ok() || !model.Open(figure).empty())
        state.SkipWithError("the sample figure did not open");
    const FigureRecord &record = model.Record();
    using R = FigureRecord;
    constexpr Choice FigureInputs::*kLists[] = {&R::cboFigureType, &R::cboTrainingLevel, &R::cboRace,
                                                &R::cboArmorType,  &R::cboMove,          &R::cboCommandSkill};
    int previews = 0;
    for (auto _ : state) {
        CostPreviewer previewer(record, tables);
        previews = 0;
        for (FigureSeries series : kAllSeries) {
            for (const ListRow &row : AvailableRows(model.Available(), series)) {
                benchmark::DoNotOptimize(previewer.Add(series, row));
                ++previews;
            }
        }
        for (Choice FigureInputs::*list : kLists) {
            for (int i = 0; i < int(model.Entries().Of(list).size()); ++i) {
                benchmark::DoNotOptimize(previewer.Choose(list, i));
                ++previews;
            }
        }
    }
    state.counters["previews"] = previews;
}
BENCHMARK(BM_AllCostPreviews)->Unit(benchmark::kMicrosecond);

// The cost bar after one change of a sample figure: the figure calculated
// now, its parts laid out and the text read aloud.
void BM_CostBreakdown(benchmark::State &state)
{
    static const char *const kFigures[] = {"battle_mage", "dwarf_captain", "elven_archer",
                                           "knight_hero", "spearman", "war_wagon"};
    RulesTables tables;
    LoadAllTables(tables, TARVELLO_SHIPPED_DATA_DIR, ".", [](const Failure &) {});
    FigureModel model(tables);
    const std::string figure = std::string(TARVELLO_SHIPPED_DATA_DIR) + "/figures/"
                               + kFigures[state.range(0)] + ".tvf";
    if (!model.Initialize().ok() || !model.Open(figure).empty())
        state.SkipWithError("the sample figure did not open");
    for (auto _ : state) {
        const CostPreviewer previewer(model.Record(), tables);
        const PointsBar bar = BreakDownCost(model.Record(), previewer, tables);
        benchmark::DoNotOptimize(bar.Description());
    }
    state.SetLabel(kFigures[state.range(0)]);
}
BENCHMARK(BM_CostBreakdown)->DenseRange(0, 5)->Unit(benchmark::kMicrosecond);

} // namespace
