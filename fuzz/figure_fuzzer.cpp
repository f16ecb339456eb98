// Opens arbitrary bytes as a figure file, then saves the result and opens it
// again: nothing may crash, hang or allocate without bound.
#include "figure/figuremodel.h"
#include "figure_testtables.h"
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
    static const RulesTables tables = figuretest::FigureTestTables();
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
