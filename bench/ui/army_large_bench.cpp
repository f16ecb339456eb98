// An army editor holding an army of 100,000 lines with long texts: a Page Up
// or Page Down on the selected line's count (a step of 10), until the window
// has drawn the change. The counters give the memory after opening and after
// the first change.
#include "../bigarmy.h"
#include "army/frmarmy.h"
#include "silentdialogs.h"

#include <QApplication>
#include <QSpinBox>
#include <QTreeWidget>

#include <benchmark/benchmark.h>

using namespace tarvello;

namespace {

void BM_LargeArmyCountPageStep(benchmark::State &state)
{
    const int lines = static_cast<int>(state.range(0));
    const std::string file = bigarmy::ArmyFile(lines);
    SilentDialogs dialogs;
    AppContext context;
    context.dialogs = &dialogs;
    const double before = bigarmy::ResidentMegabytes();
    frmArmy window(context);
    window.show();
    window.openArmyFile(QString::fromStdString(file));
    QApplication::processEvents();
    const double opened = bigarmy::ResidentMegabytes();
    auto *list = window.findChild<QTreeWidget *>(QStringLiteral("lvwSelectedUnits"));
    auto *count = window.findChild<QSpinBox *>(QStringLiteral("updUnitCount"));
    list->setCurrentItem(list->topLevelItem(lines / 2));
    QApplication::processEvents();
    count->stepBy(10);
    QApplication::processEvents();
    const double edited = bigarmy::ResidentMegabytes();
    bool up = false;
    for (auto _ : state) {
        up = !up;
        count->stepBy(up ? 10 : -10);
        list->viewport()->repaint();
        QApplication::processEvents();
    }
    if (list->topLevelItemCount() != lines || list->topLevelItem(lines / 2)->text(0) != count->text())
        state.SkipWithError("the list does not follow the count");
    // Freed memory stays with the process: the first run's figures count.
    static const double kOpened = opened - before;
    static const double kEdited = edited - before;
    state.counters["MB_opened"] = kOpened;
    state.counters["MB_first_edit"] = kEdited;
}
BENCHMARK(BM_LargeArmyCountPageStep)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(25);

} // namespace
