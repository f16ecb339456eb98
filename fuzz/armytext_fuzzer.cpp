// Reads arbitrary bytes as an army list against a few figures. Every unit
// it brings back is one of the figures, with the line's count and size as
// whole numbers (an export's as written); every refused line is a line of
// the text, in order.
#include "army/armytextimport.h"
#include "army/figuresummary.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

const std::vector<tarvello::FigureSummary> &Figures()
{
    static const std::vector<tarvello::FigureSummary> figures = [] {
        std::vector<tarvello::FigureSummary> made;
        for (const char *name : {"Spearman", "spearman", "Orc Archer", " Ogre ", "x2", "3rd Foot"})
            made.push_back(tarvello::FigureSummaryFromBytes(std::string("[Figure]\r\ntxtFigureName=")
                                                             + name + "\r\ntxtFinalCost=10\r\n"));
        return made;
    }();
    return figures;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char *>(data), size);
    const tarvello::ArmyFromText army = tarvello::ImportArmyText(text, Figures());
    for (const tarvello::ArmyUnit &unit : army.units) {
        bool known = false;
        for (const tarvello::FigureSummary &figure : Figures())
            known = known || unit.Summary(tarvello::kFigureName) == figure.fields[tarvello::kFigureName];
        if (!known || (!army.fromExport && (unit.Count().empty() || unit.Size().empty())))
            std::abort();
    }
    std::size_t last = 0;
    for (const tarvello::RefusedTextLine &line : army.refused) {
        if (line.lineNumber <= last || line.lineNumber > size + 1)
            std::abort();
        last = line.lineNumber;
    }
    return 0;
}
