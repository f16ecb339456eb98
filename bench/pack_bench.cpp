// Army packs: packing, and unpacking, an army of 100 figures of the samples'
// size, and of 100 figures with 256 x 256 pictures (about 125 MB of pixel
// lines) at the fastest compression level; reading a 1,000-line army list
// back in.
#include "army/armyfile.h"
#include "army/armytextimport.h"
#include "army/figuresummary.h"
#include "pack/armypack.h"
#include "platform/fileio.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>

using namespace tarvello;

namespace {

namespace fs = std::filesystem;

constexpr int kFigures = 100;

// The sample spearman as figure number, or (side > 0) a figure with a
// picture of side x side pixels, none of them white.
std::string FigureBytes(int number, int side)
{
    const std::string name = "Figure " + std::to_string(number);
    if (side == 0) {
        std::string text = ReadFileBytes(std::string(TARVELLO_SHIPPED_DATA_DIR) + "/figures/spearman.tvf").value_or("");
        const std::size_t at = text.find("txtFigureName=Spearman");
        if (at != std::string::npos)
            text.replace(at, 22, "txtFigureName=" + name);
        return text;
    }
    std::string text = "[Figure]\r\ntxtFigureName=" + name + "\r\ntxtFinalCost=12\r\n"
                       "[ImageProperties]\r\nWidth=" + std::to_string(side) + "\r\nHeight="
                       + std::to_string(side) + "\r\n[ImagePixels]\r\n";
    for (int x = 0; x < side; ++x) {
        for (int y = 0; y < side; ++y)
            text += std::to_string(x) + '_' + std::to_string(y) + '='
                    + std::to_string((x * 7919 + y * 104729 + number) % 16777215) + "\r\n";
    }
    return text;
}

// A folder holding the army of kFigures lines and its figure files, written
// once per process; the army's path.
std::string ArmyFolder(int side)
{
    const fs::path dir = fs::temp_directory_path() / ("tarvello_pack_bench_" + std::to_string(side));
    const std::string army = (dir / "army.tva").string();
    if (fs::exists(army))
        return army;
    fs::create_directories(dir);
    std::vector<ArmyUnit> units;
    for (int i = 0; i < kFigures; ++i) {
        const std::string path = (dir / ("figure" + std::to_string(i) + ".tvf")).string();
        const std::string bytes = FigureBytes(i, side);
        if (!WriteFileAtomically(path, bytes).ok())
            std::fprintf(stderr, "could not write %s\n", path.c_str());
        ArmyUnit unit;
        unit.Count() = "2";
        unit.Size() = "10";
        const FigureSummary summary = FigureSummaryFromBytes(bytes);
        for (std::size_t f = 0; f < kSummaryFields; ++f)
            unit.fields[f + 2] = UnitFieldText(summary.fields[f]);
        units.push_back(unit);
    }
    (void)WriteFileAtomically(army, ArmyFileText("Bench", DirectoryText(dir.string()), units));
    return army;
}

// The folder the benchmarks write into, empty.
fs::path OutFolder()
{
    const fs::path out = fs::temp_directory_path() / "tarvello_pack_bench_out";
    fs::remove_all(out);
    fs::create_directories(out);
    return out;
}

// Packs the army, each iteration.
void BM_PackArmy(benchmark::State &state)
{
    const std::string army = ArmyFolder(static_cast<int>(state.range(0)));
    const std::string pack = (OutFolder() / "Bench.tvz").string();
    for (auto _ : state) {
        if (!PackArmy(army, pack).ok())
            state.SkipWithError("pack failed");
    }
    state.counters["pack_MB"] = static_cast<double>(fs::file_size(pack)) / 1e6;
}
BENCHMARK(BM_PackArmy)->Arg(0)->Arg(256)->Unit(benchmark::kMillisecond)->UseRealTime();

// Unpacks the army's pack into a fresh folder, each iteration.
void BM_UnpackArmy(benchmark::State &state)
{
    const std::string army = ArmyFolder(static_cast<int>(state.range(0)));
    const fs::path out = OutFolder();
    const std::string pack = (out / "Bench.tvz").string();
    if (!PackArmy(army, pack).ok())
        state.SkipWithError("pack failed");
    for (auto _ : state) {
        if (!UnpackArmy(pack, out.string()).ok())
            state.SkipWithError("unpack failed");
        state.PauseTiming();
        fs::remove_all(out / "Bench");
        state.ResumeTiming();
    }
}
BENCHMARK(BM_UnpackArmy)->Arg(0)->Arg(256)->Unit(benchmark::kMillisecond)->UseRealTime();

// A list of n lines ("3 x Figure n (size 10)") against 100 figures: 1,000
// lines, 100,000 lines (2.6 MB) and 400,000 lines (10 MB).
void BM_ImportArmyList(benchmark::State &state)
{
    std::vector<FigureSummary> figures;
    for (int i = 0; i < kFigures; ++i)
        figures.push_back(FigureSummaryFromBytes(FigureBytes(i, 0)));
    std::string text = "Points Limit: 5000\r\n";
    for (int line = 0; line < state.range(0); ++line)
        text += std::to_string(line % 9 + 1) + " x figure " + std::to_string(line % kFigures) + " (size 10)\r\n";
    for (auto _ : state) {
        ArmyFromText army = ImportArmyText(text, figures);
        benchmark::DoNotOptimize(army);
    }
}
BENCHMARK(BM_ImportArmyList)->Arg(1000)->Arg(100000)->Arg(400000)->Unit(benchmark::kMillisecond);

} // namespace
