#include "figure/costcalculation.h"
#include "figure/figurefile.h"
#include "figure/figuremodel.h"
#include "figure/figurerecord.h"
#include "rules/rulestables.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>

using namespace tarvello;

namespace {

// Tables with a few rows of each kind and attack-roll rows 0..8.
RulesTables BenchTables()
{
    RulesTables t;
    t.ArmorTypes = {{"Leather", 2, 3, 4, 5}, {"Chain", 4, 5, 6, 7}};
    t.Races = {{"Human", 0}, {"Dwarf", 1}};
    t.DefenseFactors = {0, 1, 1.1, 1.2, 1.35, 1.5, 1.7, 1.9, 2.1, 2.4, 2.7};
    t.Moves = {{"Foot", 6, 1.0}, {"Mounted", 12, 1.5}};
    t.MeleeWeapons = {{"Sword", 4, "Edge"}, {"Dagger", 2, ""}, {"Halberd", 6, ""}};
    t.MissileWeapons = {{"Bow", 4, 1, 10, 20, ""}, {"Crossbow", 5, 1, 12, 24, ""},
                        {"Catapult", 8, 3, 30, 60, ""}};
    t.ExtraItems = {{"Shield", 5, 0, 0, 0, 0, ""}, {"Banner", 12, 0, 0, 0, 0, ""},
                    {"Wand", 20, 3, 1, 5, 10, ""}};
    t.CommandSkills = {{"None", 0, 0}, {"Good", 1, 10}};
    for (int d = 0; d <= 8; ++d) {
        AttackRollRow row;
        row.Damage = static_cast<std::int16_t>(d);
        row.MeleeMultiplier = 1 + d * 0.25;
        row.MissileMultiplier = 1 + d * 0.5;
        t.GreenAttackRolls.push_back(row);
        t.LineAttackRolls.push_back(row);
        t.EliteAttackRolls.push_back(row);
    }
    return t;
}

FigureModel ThreeOfEach(const RulesTables &tables)
{
    FigureModel model(tables);
    model.Initialize();
    for (int i = 0; i < 3; ++i) {
        model.AddMeleeWeapon(i);
        model.AddMissileWeapon(i);
        model.AddExtraItem(i);
    }
    model.SetShots(1, 10);
    model.SetOptionalRangeCost(true);
    model.ChooseTrainingLevel(1);
    return model;
}

void BM_CalculateCost(benchmark::State &state)
{
    const RulesTables tables = BenchTables();
    FigureModel model = ThreeOfEach(tables);
    FigureRecord record = model.record();
    for (auto _ : state) {
        std::string message = CalculateCost(record, tables);
        benchmark::DoNotOptimize(message);
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
        if (!model.SaveTo(file).empty())
            std::fprintf(stderr, "could not write %s\n", file.c_str());
        return file;
    }();
    return path;
}

void BM_FigureOpenLargePicture(benchmark::State &state)
{
    const RulesTables tables = BenchTables();
    const std::string &file = LargeFigureFile(tables);
    for (auto _ : state) {
        FigureModel model(tables);
        model.Initialize();
        FigureMessages messages = model.Open(file);
        if (!messages.empty() || model.picture().width != 1024)
            state.SkipWithError("open failed");
        benchmark::DoNotOptimize(model.picture().colours.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations())
                            * static_cast<std::int64_t>(std::filesystem::file_size(file)));
}
BENCHMARK(BM_FigureOpenLargePicture)->Unit(benchmark::kMillisecond);

void BM_FigureSaveLargePicture(benchmark::State &state)
{
    const RulesTables tables = BenchTables();
    const std::string &file = LargeFigureFile(tables);
    FigureModel model(tables);
    model.Initialize();
    model.Open(file);
    for (auto _ : state) {
        FigureMessages messages = model.SaveTo(file);
        if (!messages.empty())
            state.SkipWithError("save failed");
    }
}
BENCHMARK(BM_FigureSaveLargePicture)->Unit(benchmark::kMillisecond);

} // namespace
