// Undo and redo of one step in a figure editor holding 30 weapons and items
// (10 melee, 10 missile, 10 extra items); one iteration is an undo and a
// redo, each of which restores the figure,
// recalculates its cost and refreshes the editor's widgets.
#include "figure/figuremodel.h"
#include "figure/frmfigure.h"
#include "silentdialogs.h"
#include "rules/modloaddata.h"
#include "rules/rulestables.h"

#include <QApplication>
#include <QTreeWidget>

#include <benchmark/benchmark.h>

using namespace tarvello;

namespace {

void BM_FigureUndoRedoWith30Rows(benchmark::State &state)
{
    tarvello::RulesTables tables;
    tarvello::LoadAllTables(tables, TARVELLO_SHIPPED_DATA_DIR, ".", [](const tarvello::Failure &) {});
    SilentDialogs dialogs;
    AppContext context;
    context.dialogs = &dialogs;
    context.tables = &tables;
    frmFigure window(context);
    window.show();
    tarvello::FigureModel &model = window.model();
    for (tarvello::FigureSeries series : tarvello::kAllSeries) {
        for (int i = 0; i < 10; ++i)
            (void)model.Add(series, i % 3);
    }
    window.undo();
    window.redo(); // the lists are now shown
    for (auto _ : state) {
        window.undo();
        window.redo();
    }
    if (window.findChild<QTreeWidget *>(QStringLiteral("lvwExtraItemsSelected"))->topLevelItemCount() != 10)
        state.SkipWithError("the editor does not show the 30 rows");
}
BENCHMARK(BM_FigureUndoRedoWith30Rows)->Unit(benchmark::kMillisecond);

} // namespace
