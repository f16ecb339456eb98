// Reads arbitrary bytes as a figure file's summary. Every single field must
// be what a straight scan of the text finds, and a list holds no more names
// than the text has sections.
#include "army/figuresummary.h"
#include "platform/profiledocument.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

const std::pair<tarvello::SummaryField, const char *> kKeys[] = {
    {tarvello::kFigureName, "txtFigureName"}, {tarvello::kCost, "txtFinalCost"},
    {tarvello::kRace, "cboRace"},             {tarvello::kArmor, "cboArmorType"},
    {tarvello::kMove, "txtMove"}};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char *>(data), size);
    const tarvello::FigureSummary summary = tarvello::FigureSummaryFromBytes(bytes);
    for (const auto &[field, key] : kKeys) {
        const tarvello::ProfileLookup found = tarvello::ProfileDocument::Lookup(bytes, "Figure", key);
        const std::string expected = found.status == tarvello::ProfileLookup::Found ? found.value
                                                                                    : "<none>";
        if (summary.fields[field] != expected)
            std::abort();
    }
    std::size_t bars = 0;
    for (const char c : summary.fields[tarvello::kMeleeList])
        bars += c == '|';
    if (bars > size / 4)
        std::abort();
    return 0;
}
