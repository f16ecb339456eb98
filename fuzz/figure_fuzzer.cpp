// Opens arbitrary bytes as a figure file, then saves the result and opens it
// again: nothing may crash, hang or allocate without bound.
#include "figure/figuremodel.h"
#include "rules/rulestables.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <unistd.h>

using namespace tarvello;

namespace {

const RulesTables &Tables()
{
    static const RulesTables tables = [] {
        RulesTables t;
        t.ArmorTypes = {{"Leather", 2, 3, 4, 5}, {"Chain", 4, 5, 6, 7}};
        t.Races = {{"Human", 0}, {"Dwarf", 1}};
        t.DefenseFactors = {0, 1, 1.1, 1.2, 1.35, 1.5};
        t.Moves = {{"Foot", 6, 1.0}};
        t.MeleeWeapons = {{"Sword", 4, ""}};
        t.MissileWeapons = {{"Bow", 4, 1, 10, 20, ""}};
        t.ExtraItems = {{"Shield", 5, 0, 0, 0, 0, ""}};
        t.CommandSkills = {{"None", 0, 0}, {"Good", 1, 10}};
        for (int d = 0; d <= 8; ++d) {
            AttackRollRow row;
            row.MeleeMultiplier = 1 + d * 0.25;
            row.MissileMultiplier = 1 + d * 0.5;
            t.GreenAttackRolls.push_back(row);
            t.LineAttackRolls.push_back(row);
            t.EliteAttackRolls.push_back(row);
        }
        return t;
    }();
    return tables;
}

const std::string &TempPath()
{
    static const std::string path = "/tmp/tarvello_figure_fuzz_" + std::to_string(getpid()) + ".tvf";
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view content(reinterpret_cast<const char *>(data), size);
    FigureModel model(Tables());
    model.Initialize();
    model.OpenContent("fuzz.tvf", std::string(content));
    model.ChooseFigureType(model.record().cboFigureType.index);
    model.SetShots(0, 5);

    // Save what was read and read it back: the second open sees only what a
    // save writes.
    if (model.SaveTo(TempPath()).empty()) {
        FigureModel again(Tables());
        again.Initialize();
        again.Open(TempPath());
    }
    return 0;
}
