// Scanning a folder of 2,000 figure files for the army editor, without and
// with a 128 x 128 picture in every file.
#include "bigarmy.h"
#include "army/figurefilter.h"
#include "army/armymodel.h"
#include "army/figuresummary.h"
#include "platform/fileio.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>

using namespace tarvello;

namespace {

constexpr int kFiles = 2000;

// A figure file as a save writes it: every Figure key, two melee weapons, a
// missile weapon, an extra item and, when side > 0, a picture of side x side
// pixels none of which is white.
std::string FigureFile(int number, int side)
{
    std::string text = "[Figure]\r\nchkUseOptionalMovement=0\r\nchkOptionalRangeCost=0\r\n"
                       "txtFigureName=Figure "
                       + std::to_string(number) + "\r\ntxtImageFile=figure.bmp\r\n";
    for (const char *key : {"cboFigureType=Soldier", "txtRaceHitFactorModifier=0",
                            "txtAdjustHitFactor=0", "cboTrainingLevel=Line", "txtHitPoints=1",
                            "cboArmorType=Chain", "cboRace=Human", "cboMove=Foot",
                            "cboCommandSkill=None", "txtBaseHitFactor=6",
                            "txtAdjustedHitFactor=6", "txtMove=6", "txtInitiativeModifier=0",
                            "txtBaseMorale=6", "txtExtraItemsCost=5", "txtMagicSkillCost=0",
                            "txtFinalCost=12", "txtExtraItemsCostCopy=5", "txtHitPointsCopy=1",
                            "txtDefenseFactor=2", "txtCost=7", "txtTotalWeaponMultiplier=1.5",
                            "txtMoveMultiplier=1", "txtCommandSkillCost=0", "txtLimitedShots=0",
                            "txtMissileWeaponMultiplier=0.5", "txtMeleeWeaponMultiplier=1"})
        text += std::string(key) + "\r\n";
    text += "[MeleeWeapon1]\r\nName=Sword\r\nMax Damage=6\r\nNotes=\r\n"
            "[MeleeWeapon2]\r\nName=Axe\r\nMax Damage=8\r\nNotes=\r\n"
            "[MissileWeapon1]\r\nName=Bow\r\nMax Damage=4\r\nAttack Radius=1\r\nShort=6\r\n"
            "Long=12\r\nShots=2\r\nNotes=\r\n"
            "[ExtraItem1]\r\nName=Shield\r\nCost=5\r\nMax Damage=0\r\nAttack Radius=0\r\n"
            "Short=0\r\nLong=0\r\nNotes=\r\n";
    if (side > 0) {
        text += "[ImageProperties]\r\nWidth=" + std::to_string(side) + "\r\nHeight="
                + std::to_string(side) + "\r\n[ImagePixels]\r\n";
        for (int x = 0; x < side; ++x) {
            for (int y = 0; y < side; ++y)
                text += std::to_string(x) + '_' + std::to_string(y) + '='
                        + std::to_string((x * 7919 + y * 104729 + number) % 16777215) + "\r\n";
        }
    }
    return text;
}

// The folder of kFiles figure files with pictures of side pixels, written
// once per process.
std::string FigureFolder(int side)
{
    const std::filesystem::path dir = std::filesystem::temp_directory_path()
                                      / ("tarvello_army_bench_" + std::to_string(side));
    const std::string last = (dir / ("figure" + std::to_string(kFiles - 1) + ".tvf")).string();
    if (std::filesystem::exists(last))
        return dir.string();
    std::filesystem::create_directories(dir);
    for (int i = 0; i < kFiles; ++i) {
        const std::string path = (dir / ("figure" + std::to_string(i) + ".tvf")).string();
        if (!WriteFileAtomically(path, FigureFile(i, side)).ok())
            std::fprintf(stderr, "could not write %s\n", path.c_str());
    }
    return dir.string();
}

void BM_ScanFigureFolder(benchmark::State &state)
{
    const std::string folder = FigureFolder(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        Result<std::vector<FigureSummary>> scanned = ScanFigureFolder(folder);
        if (!scanned.ok() || scanned.value().size() != kFiles)
            state.SkipWithError("scan did not list every file");
        benchmark::DoNotOptimize(scanned);
    }
}
BENCHMARK(BM_ScanFigureFolder)->Arg(0)->Arg(128)->Unit(benchmark::kMillisecond);

// Finding among the 2,000 figures: the rows that contain a text, and the rows
// sorted by their cost (numbers) or their name (texts).
void BM_FilterAndSortFigures(benchmark::State &state)
{
    const std::vector<FigureSummary> figures = ScanFigureFolder(FigureFolder(0)).value();
    const std::size_t column = state.range(0) ? kCost : kFigureName;
    for (auto _ : state) {
        std::vector<std::size_t> rows = FilterFigures(figures, "uRE 1");
        SortRows(
            rows, [&](std::size_t row) -> std::string_view { return figures[row].fields[column]; },
            false);
        if (rows.size() != 1111)
            state.SkipWithError("the filter found other rows");
        benchmark::DoNotOptimize(rows);
    }
}
BENCHMARK(BM_FilterAndSortFigures)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

// Opening an army of n count-0 lines (40,000 make a file of 2.9 MB): the
// lines go as the first line is shown.
void BM_ArmyOpenCountZeroLines(benchmark::State &state)
{
    const std::filesystem::path dir = std::filesystem::temp_directory_path()
                                      / "tarvello_army_bench_zero";
    std::filesystem::create_directories(dir);
    const std::string file = (dir / "zeros.tva").string();
    std::string text = "Zeros\r\n" + (dir / "none").string() + "\r\nheader\r\n";
    for (std::int64_t i = 0; i < state.range(0); ++i)
        text += "0;10;Orc Archer " + std::to_string(i)
                + ";Orc;Soldier;12;Line;6;1;6;6;None;Sword|Axe;Bow(2);Horn;Chain\r\n";
    if (!WriteFileAtomically(file, text).ok())
        state.SkipWithError("cannot write the army");
    for (auto _ : state) {
        ArmyModel army("", '.');
        if (!army.Open(file).ok() || !army.Units().empty())
            state.SkipWithError("open failed");
    }
}
BENCHMARK(BM_ArmyOpenCountZeroLines)->Arg(40000)->Arg(200000)->Unit(benchmark::kMillisecond);

// A change of one line's count in an army of n lines with long texts, the
// total summed again and the step recorded; the counters give the memory
// after opening and after the first change.
void BM_LargeArmyCountChange(benchmark::State &state)
{
    const std::string file = bigarmy::ArmyFile(static_cast<int>(state.range(0)));
    ArmyModel army("", '.');
    const double before = bigarmy::ResidentMegabytes();
    (void)army.Open(file);
    const double opened = bigarmy::ResidentMegabytes();
    if (army.Units().size() != static_cast<std::size_t>(state.range(0)))
        state.SkipWithError("open failed");
    // With a second argument of 1, a folder of 2,000 figures has been
    // costed: every 50th line's figure costs 13 now, so each change also
    // sums the total with the costs now.
    if (state.range(1) == 1) {
        CostsNow now;
        for (std::size_t line = 0; line < army.Units().size(); line += 50)
            now.Add(FigureNameKey(army.Units()[line].Summary(kFigureName)), 13);
        army.SetCostsNow(std::move(now));
        if (!army.TotalNow())
            state.SkipWithError("no total with the costs now");
    }
    (void)army.SelectUnit(static_cast<int>(state.range(0) / 2));
    (void)army.SetUnitCount("13");
    const double edited = bigarmy::ResidentMegabytes();
    int count = 0;
    for (auto _ : state) {
        if (!army.SetUnitCount(std::to_string(4 + count++ % 50)).ok())
            state.SkipWithError("change failed");
    }
    // Freed memory stays with the process: the first run's figures count.
    static const double kOpened = opened - before;
    static const double kEdited = edited - before;
    state.counters["MB_opened"] = kOpened;
    state.counters["MB_first_edit"] = kEdited;
}
BENCHMARK(BM_LargeArmyCountChange)->Args({100000, 0})->Args({100000, 1})->Unit(benchmark::kMillisecond);
