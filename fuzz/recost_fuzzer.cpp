// Costs arbitrary bytes again as a figure file: nothing may crash, and
// skipping the picture's pixels must not change what opening the whole file
// gives (the cost, the notices, the copied rows).
#include "figure/figuremodel.h"
#include "figure/recost.h"
#include "figure_testtables.h"
#include "rules/rulestables.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

using namespace tarvello;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const RulesTables tables = figuretest::FigureTestTables();
    const std::string content(reinterpret_cast<const char *>(data), size);
    const Result<FigureRecost> recost = RecostFigureContent(tables, "fuzz.tvf", content);
    FigureModel model(tables);
    (void)model.Initialize();
    const std::vector<Failure> notices = model.OpenContent("fuzz.tvf", content);
    // A picture that cannot be read stops opening the whole file, while
    // recosting skips it; only files that open compare.
    bool opened = true;
    for (const Failure &notice : notices)
        opened = opened && notice.sentence != "Error in loading fuzz.tvf !";
    if (recost.ok() && opened) {
        const FigureRecord &whole = model.Record();
        if (recost.value().newCost != whole.txtFinalCost
            || recost.value().record.lvwMeleeWeaponsSelected != whole.lvwMeleeWeaponsSelected
            || recost.value().notices.size() > notices.size())
            std::abort();
    }
    (void)StaleCostHint(content, model.Record().txtFinalCost);
    return 0;
}
