// The army report: its export text and its printed calls.

#include "army/armyreport.h"
#include "recordingprinter.h"
#include "testfolder.h"

#include "platform/fileio.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

namespace tarvello {
namespace {


ArmyUnit Unit(std::initializer_list<const char *> fields)
{
    ArmyUnit unit;
    std::size_t i = 0;
    for (const char *field : fields)
        unit.fields[i++] = field;
    return unit;
}

ArmyReportData TwoUnits()
{
    return {"Host",
            "365",
            {Unit({"3", "10", "Knight", "Human", "Hero", "12", "Elite", "7", "3", "9", "8", "None",
                   "Sword|Axe|Mace", "Bow(2)", "", "Plate"}),
             Unit({"1", "2", "Scout", "Elf", "Soldier", "2.5", "Green", "4", "1", "6", "12", "none",
                   "Dagger||Knife", "", "Horn", ""})}};
}

// A character is 6 twips wide per point (a fifth more in bold), a line 20
// twips high per point.
RecordingPrinter ArmyPrinter(double pageHeight = 15000)
{
    RecordingPrinter printer;
    printer.pageHeight = pageHeight;
    printer.widthOf = [](const std::string &text, const RecordingPrinter::Font &font) {
        return double(text.size()) * 6.0 * font.size * (font.bold ? 1.2 : 1.0);
    };
    printer.heightOf = [](const std::string &, const RecordingPrinter::Font &font) { return 20.0 * font.size; };
    return printer;
}

// Every print as "x,y size[b][i] text", new pages and the document's end by name.
std::vector<std::string> Log(const RecordingPrinter &printer)
{
    using Op = RecordingPrinter::Op;
    std::vector<std::string> log;
    for (const RecordingPrinter::Call &c : printer.calls) {
        char place[96];
        std::snprintf(place, sizeof place, "%g,%g %g%s%s ", c.x, c.y, double(c.font.size),
                      c.font.bold ? "b" : "", c.font.italic ? "i" : "");
        if (c.op == Op::Print || c.op == Op::NewPage || c.op == Op::EndDoc || c.op == Op::KillDoc)
            log.push_back(c.op == Op::Print ? place + c.text : c.op == Op::NewPage ? "NewPage"
                                                   : c.op == Op::EndDoc           ? "EndDoc"
                                                                                  : "KillDoc");
    }
    return log;
}

TEST(ArmyReport, ExportTextMatchesGolden)
{
    const Result<std::string> text = ArmyExportText(TwoUnits(), '.');
    ASSERT_TRUE(text.ok());
    ExpectGolden(text.value(), "army/export_two_units.txt");
    EXPECT_EQ(ArmyExportText({"", "0", {}}, '.').value(), " (0 pts)");
}

TEST(ArmyReport, CostsFollowTheLocaleAndStopAtNoNumber)
{
    ArmyReportData data = TwoUnits();
    data.units.resize(1);
    data.units[0].fields[5] = "2,5";
    const Result<std::string> comma = ArmyExportText(data, ',');
    ASSERT_TRUE(comma.ok());
    EXPECT_NE(comma.value().find("Unit Cost : 25\tTotal Cost : 75\r\n"), std::string::npos);
    for (const char *cost : {"<none>", "2.5", ""}) {
        data.units[0].fields[5] = cost;
        EXPECT_FALSE(ArmyExportText(data, ',').ok()) << cost;
    }
    RecordingPrinter printer = ArmyPrinter();
    data.units[0].fields[5] = "<none>";
    EXPECT_FALSE(PrintArmyReport(printer, data, '.').ok());
    EXPECT_EQ(Log(printer).back(), "KillDoc");
    EXPECT_EQ(Log(printer).size(), 6u); // name, cost, unit name, count and size, KillDoc
}

TEST(ArmyReport, PrintedUnitCrossesPages)
{
    RecordingPrinter printer = ArmyPrinter(2500);
    ASSERT_TRUE(PrintArmyReport(printer, TwoUnits(), '.').ok());
    std::string calls;
    for (const std::string &call : Log(printer))
        calls += call + '\n';
    ExpectGolden(calls, "army/print_two_units.txt");
}

} // namespace
} // namespace tarvello
