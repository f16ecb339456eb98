// Opens arbitrary bytes as an army file. Opening never fails other than with
// a message; an army that opened saves, and the saved file opens again with
// the same name, units and total. The report is formed or fails cleanly.
#include "army/armymodel.h"
#include "army/armyreport.h"
#include "recordingprinter.h"
#include "platform/fileio.h"
#include "fuzztemp.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string path = FuzzTempPath("in.tva");
    if (!tarvello::WriteFileAtomically(path, std::string(reinterpret_cast<const char *>(data), size))
             .ok())
        return 0;
    tarvello::ArmyModel army("", '.');
    const tarvello::Status opened = army.Open(path);
    if (army.Loading() || (!opened.ok() && opened.failure().sentence.empty()))
        std::abort();
    (void)army.ExportText();
    RecordingPrinter printer;
    (void)tarvello::PrintArmyReport(printer, army.ReportData(), '.');
    if (!opened.ok())
        return 0;
    const std::string saved = FuzzTempPath("out.tva");
    if (!army.WriteArmy(saved).ok())
        std::abort();
    tarvello::ArmyModel again("", '.');
    if (!again.Open(saved).ok() || again.ArmyName() != army.ArmyName()
        || again.Units() != army.Units() || again.ArmyCost() != army.ArmyCost())
        std::abort();
    return 0;
}
