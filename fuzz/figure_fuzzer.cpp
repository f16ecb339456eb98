// Opens arbitrary bytes as a figure file, then saves the result and opens it
// again: nothing may crash, hang or allocate without bound.
#include "figure/figuremodel.h"
#include "figure_testtables.h"
#include "fuzztemp.h"
#include "rules/rulestables.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

using namespace tarvello;

namespace {

const RulesTables &Tables()
{
    static const RulesTables tables = figuretest::FigureTestTables();
    return tables;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view content(reinterpret_cast<const char *>(data), size);
    // Failures of the calculation are expected for arbitrary input; the
    // fuzzer looks only for crashes.
    FigureModel model(Tables());
    (void)model.Initialize();
    model.OpenContent("fuzz.tvf", std::string(content));
    (void)model.Choose(&FigureRecord::cboFigureType, model.Record().cboFigureType.index);
    (void)model.SetShots(0, 5);

    // Save what was read and read it back: the second open sees only what a
    // save writes.
    if (model.SaveTo(FuzzTempPath("fuzz.tvf")).ok()) {
        FigureModel again(Tables());
        (void)again.Initialize();
        again.Open(FuzzTempPath("fuzz.tvf"));
    }
    return 0;
}
