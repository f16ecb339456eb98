#include "figure/costcalculation.h"
#include "figure/figurefile.h"
#include "figure/figuremodel.h"
#include "figure/figurerecord.h"
#include "platform/fileio.h"
#include "figure_testtables.h"
#include "rules/rulestables.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>

using namespace tarvello;

namespace {

FigureModel ThreeOfEach(const RulesTables &tables)
{
    FigureModel model(tables);
    bool ok = model.Initialize().ok();
    for (int i = 0; i < 3; ++i) {
        for (FigureSeries series : kAllSeries)
            ok = model.Add(series, i).ok() && ok;
    }
    ok = model.SetShots(1, 10).ok() && ok;
    ok = model.SetOptionalRangeCost(true).ok() && ok;
    ok = model.Choose(&FigureRecord::cboTrainingLevel, 1).ok() && ok;
    if (!ok)
        std::fprintf(stderr, "the benchmark figure did not calculate\n");
    return model;
}

void BM_CalculateCost(benchmark::State &state)
{
    const RulesTables tables = figuretest::FigureTestTables();
    FigureModel model = ThreeOfEach(tables);
    FigureRecord record = model.Record();
    for (auto _ : state) {
        Status calculated = CalculateCost(record, tables);
        benchmark::DoNotOptimize(calculated);
        benchmark::DoNotOptimize(record.txtFinalCost);
    }
}
BENCHMARK(BM_CalculateCost);

Picture LargePicture()
{
    Picture picture(1024, 1024);
    for (int y = 0; y < 1024; ++y) {
        for (int x = 0; x < 1024; ++x)
            picture.SetPixel(x, y, static_cast<std::uint32_t>((x * 7919 + y * 104729) % 16777215));
    }
    return picture;
}

// A figure file with a 1024 x 1024 picture, every pixel coloured, written
// once per process.
const std::string &LargeFigureFile(const RulesTables &tables)
{
    static const std::string path = [&tables] {
        const std::filesystem::path dir = std::filesystem::temp_directory_path()
                                          / "tarvello_figure_bench";
        std::filesystem::create_directories(dir);
        const std::string file = (dir / "large.tvf").string();
        FigureModel model = ThreeOfEach(tables);
        model.SetFigureName("Large");
        model.SetImageFile("large.bmp");
        model.SetPicture(LargePicture());
        if (!model.SaveTo(file).ok())
            std::fprintf(stderr, "could not write %s\n", file.c_str());
        return file;
    }();
    return path;
}

void BM_FigureOpenLargePicture(benchmark::State &state)
{
    const RulesTables tables = figuretest::FigureTestTables();
    const std::string &file = LargeFigureFile(tables);
    for (auto _ : state) {
        FigureModel model(tables);
        if (!model.Initialize().ok() || !model.Open(file).empty() || model.Image().width != 1024)
            state.SkipWithError("open failed");
        benchmark::DoNotOptimize(model.Image().colours.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations())
                            * static_cast<std::int64_t>(std::filesystem::file_size(file)));
}
BENCHMARK(BM_FigureOpenLargePicture)->Unit(benchmark::kMillisecond);

void BM_FigureSaveLargePicture(benchmark::State &state)
{
    const RulesTables tables = figuretest::FigureTestTables();
    const std::string &file = LargeFigureFile(tables);
    FigureModel model(tables);
    if (!model.Initialize().ok() || !model.Open(file).empty())
        state.SkipWithError("open failed");
    for (auto _ : state) {
        if (!model.SaveTo(file).ok())
            state.SkipWithError("save failed");
    }
}
BENCHMARK(BM_FigureSaveLargePicture)->Unit(benchmark::kMillisecond);

} // namespace

// A figure of n melee weapons (200,000 make a file of about 11 MB): its save
// deletes the n numbered sections and writes them again.
void BM_FigureSaveManySections(benchmark::State &state)
{
    const RulesTables tables = figuretest::FigureTestTables();
    const std::filesystem::path dir = std::filesystem::temp_directory_path()
                                      / "tarvello_figure_bench";
    std::filesystem::create_directories(dir);
    const std::string file = (dir / "sections.tvf").string();
    std::string text = "[Figure]\r\ntxtFigureName=Horde\r\n";
    for (std::int64_t i = 1; i <= state.range(0); ++i)
        text += "[MeleeWeapon" + std::to_string(i) + "]\r\nName=Dagger\r\nMax Damage=2\r\nNotes=\r\n";
    if (!WriteFileAtomically(file, text).ok())
        state.SkipWithError("cannot write the figure");
    FigureModel model(tables);
    if (!model.Initialize().ok())
        state.SkipWithError("no tables");
    (void)model.Open(file);
    if (model.Record().lvwMeleeWeaponsSelected.size() != static_cast<std::size_t>(state.range(0)))
        state.SkipWithError("open failed");
    for (auto _ : state) {
        if (!model.SaveTo(file).ok())
            state.SkipWithError("save failed");
    }
}
BENCHMARK(BM_FigureSaveManySections)->Arg(20000)->Arg(200000)->Unit(benchmark::kMillisecond);
