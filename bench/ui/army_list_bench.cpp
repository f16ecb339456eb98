// Filling the army editor's available list with 2,000 figures: Refresh scans
// a folder of 2,000 figure files (no pictures) and shows one row for each;
// then one keystroke in the filter box, and a sort by a header click, each
// until the list is drawn again.
#include "army/frmarmy.h"
#include "platform/fileio.h"
#include "silentdialogs.h"
#include "rules/modloaddata.h"
#include "rules/rulestables.h"

#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>

using namespace tarvello;

namespace {

constexpr int kFiles = 2000;

// A program folder whose figures folder holds kFiles small figure files.
QString ProgramFolder()
{
    const std::filesystem::path dir = std::filesystem::temp_directory_path()
                                      / "tarvello_army_list_bench";
    const std::filesystem::path figures = dir / "figures";
    std::filesystem::create_directories(figures);
    for (int i = 0; i < kFiles; ++i) {
        const std::string n = std::to_string(i);
        (void)tarvello::WriteFileAtomically(
            (figures / ("f" + n + ".tvf")).string(),
            "[Figure]\r\ntxtFigureName=Figure " + n + "\r\ncboRace=Human\r\ntxtFinalCost=" + n
                + "\r\n[MeleeWeapon1]\r\nName=Sword\r\n[MissileWeapon1]\r\nName=Bow\r\nShots=2\r\n");
    }
    return QString::fromStdString(dir.string());
}

// Refresh of an army editor over context until the list shows every figure
// (with its cost now when withNow).
void TimeRefresh(benchmark::State &state, AppContext &context, bool withNow)
{
    frmArmy window(context);
    window.show();
    auto *refresh = window.findChild<QPushButton *>(QStringLiteral("btnRefresh"));
    auto *list = window.findChild<QTreeWidget *>(QStringLiteral("lvwUnits"));
    for (auto _ : state) {
        refresh->click();
        QApplication::processEvents();
        if (list->topLevelItemCount() != kFiles
            || (withNow && list->topLevelItem(0)->text(4).isEmpty()))
            state.SkipWithError("the list does not show every figure");
    }
}

void BM_RefreshFillsAvailableList(benchmark::State &state)
{
    SilentDialogs dialogs;
    AppContext context;
    context.dialogs = &dialogs;
    context.programFolder = ProgramFolder();
    TimeRefresh(state, context, false);
}
BENCHMARK(BM_RefreshFillsAvailableList)->Unit(benchmark::kMillisecond);

// The same list of 2,000 copies of a shipped figure (its picture cut off),
// without (0) and with (1) the rules tables, that is with the "Now" column
// costing every figure again.
void BM_RefreshWithNowColumn(benchmark::State &state)
{
    const std::filesystem::path dir = std::filesystem::temp_directory_path()
                                      / "tarvello_army_now_bench";
    const std::filesystem::path figures = dir / "figures";
    std::filesystem::create_directories(figures);
    std::string sample = tarvello::ReadFileBytes(TARVELLO_SHIPPED_DATA_DIR
                                                 "/figures/spearman.tvf").value_or("");
    sample = sample.substr(0, sample.find("[ImageProperties]"));
    for (int i = 0; i < kFiles; ++i)
        (void)tarvello::WriteFileAtomically((figures / ("f" + std::to_string(i) + ".tvf")).string(),
                                            sample);
    tarvello::RulesTables tables;
    tarvello::LoadAllTables(tables, TARVELLO_SHIPPED_DATA_DIR, ".", [](const tarvello::Failure &) {});
    SilentDialogs dialogs;
    AppContext context;
    context.dialogs = &dialogs;
    context.tables = state.range(0) ? &tables : nullptr;
    context.programFolder = QString::fromStdString(dir.string());
    TimeRefresh(state, context, state.range(0) != 0);
}
BENCHMARK(BM_RefreshWithNowColumn)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// An army editor listing the kFiles figures of the bench folder, shown.
struct ListedArmy
{
    SilentDialogs dialogs;
    AppContext context;
    std::unique_ptr<frmArmy> window;
    QTreeWidget *list = nullptr;

    ListedArmy()
    {
        context.dialogs = &dialogs;
        context.programFolder = ProgramFolder();
        window = std::make_unique<frmArmy>(context);
        window->show();
        window->findChild<QPushButton *>(QStringLiteral("btnRefresh"))->click();
        list = window->findChild<QTreeWidget *>(QStringLiteral("lvwUnits"));
        QApplication::processEvents();
    }
    void redraw() const
    {
        list->viewport()->repaint();
        QApplication::processEvents();
    }
};

// One keystroke a round: "Figure 1" (1,111 rows) and "Figure " (all 2,000)
// in turn.
void BM_FilterKeystroke(benchmark::State &state)
{
    ListedArmy army;
    auto *filter = army.window->findChild<QLineEdit *>(QStringLiteral("txtFilter"));
    bool longer = false;
    for (auto _ : state) {
        longer = !longer;
        filter->setText(longer ? QStringLiteral("Figure 1") : QStringLiteral("Figure "));
        army.redraw();
        if (army.list->topLevelItemCount() != (longer ? 1111 : kFiles))
            state.SkipWithError("the filter shows other rows");
    }
}
BENCHMARK(BM_FilterKeystroke)->Unit(benchmark::kMillisecond);

// A click on the "Cost" header a round: ascending and descending in turn.
void BM_SortByHeaderClick(benchmark::State &state)
{
    ListedArmy army;
    QHeaderView *header = army.list->header();
    for (auto _ : state) {
        emit header->sectionClicked(3);
        army.redraw();
        if (army.list->topLevelItemCount() != kFiles)
            state.SkipWithError("the sort lost rows");
    }
}
BENCHMARK(BM_SortByHeaderClick)->Unit(benchmark::kMillisecond);

} // namespace

