// The figure editor after one change, with its cost previews: the shipped
// tables, and the same tables grown to 1,000 rows each (races, armour,
// movement, command skills, melee and missile weapons, extra items). One
// iteration is a change of race as the drop-down makes it: the calculation,
// the refreshed widgets and the "+Pts" cells of the rows in view. The drop-down
// benchmark opens the race list, whose entries are previewed as it opens.
#include "figure/figuremodel.h"
#include "figure/frmfigure.h"
#include "silentdialogs.h"
#include "rules/modloaddata.h"
#include "rules/rulestables.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QTreeWidget>

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

using namespace tarvello;

namespace {

// Each row repeated, numbered, until the table holds count rows.
template<typename Row>
void Grow(std::vector<Row> &rows, std::size_t count)
{
    const std::vector<Row> shipped = rows;
    for (std::size_t i = rows.size(); i < count; ++i) {
        Row row = shipped[i % shipped.size()];
        row.Name += " " + std::to_string(i);
        rows.push_back(row);
    }
}

RulesTables Tables(std::size_t rows)
{
    RulesTables tables;
    LoadAllTables(tables, TARVELLO_SHIPPED_DATA_DIR, ".", [](const Failure &) {});
    Grow(tables.Races, rows);
    Grow(tables.ArmorTypes, rows);
    Grow(tables.Moves, rows);
    Grow(tables.CommandSkills, rows);
    Grow(tables.MeleeWeapons, rows);
    Grow(tables.MissileWeapons, rows);
    Grow(tables.ExtraItems, rows);
    return tables;
}

// An editor as a 1366 x 768 screen shows it, with a weapon of each kind.
struct Editor
{
    explicit Editor(std::size_t rows)
        : tables(Tables(rows))
    {
        context.dialogs = &dialogs;
        context.tables = &tables;
        window.emplace(context);
        window->show();
        window->resize(1366, 700);
        for (FigureSeries series : kAllSeries)
            (void)window->model().Add(series, 1);
        window->undo();
        window->redo();
    }

    QComboBox *race() const { return window->findChild<QComboBox *>(QStringLiteral("cboRace")); }

    RulesTables tables;
    SilentDialogs dialogs;
    AppContext context;
    std::optional<frmFigure> window;
};

void BM_FigureChangeWithPreviews(benchmark::State &state)
{
    Editor editor(std::size_t(state.range(0)));
    QComboBox *race = editor.race();
    int i = 0;
    for (auto _ : state) {
        i = 1 - i;
        race->setCurrentIndex(i);
        emit race->activated(i);
    }
    auto *melee = editor.window->findChild<QTreeWidget *>(QStringLiteral("lvwMeleeWeapons"));
    const QTreeWidgetItem *first = melee->topLevelItem(0);
    if (!first || first->text(melee->columnCount() - 1).isEmpty())
        state.SkipWithError("the +Pts column is not shown");
}
// The shipped tables (a few rows each), and 1,000 rows each.
BENCHMARK(BM_FigureChangeWithPreviews)->Arg(0)->Arg(1000)->Unit(benchmark::kMillisecond);

void BM_RaceDropDownOpens(benchmark::State &state)
{
    Editor editor(std::size_t(state.range(0)));
    QComboBox *race = editor.race();
    int i = 0;
    for (auto _ : state) {
        state.PauseTiming();
        i = 1 - i;
        race->setCurrentIndex(i);
        emit race->activated(i); // a change: the entries are previewed anew
        state.ResumeTiming();
        race->showPopup();
        race->hidePopup();
    }
}
BENCHMARK(BM_RaceDropDownOpens)->Arg(0)->Arg(1000)->Unit(benchmark::kMillisecond);

} // namespace
