// The army report: its export text and its printed calls.

#include "army/armyreport.h"
#include "armyrecordingprinter.h"

#include "platform/fileio.h"

#include <gtest/gtest.h>

#include <vector>

namespace tarvello {
namespace {

const std::string kData = TARVELLO_TEST_DATA_DIR "/army/";

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

TEST(ArmyReport, ExportTextMatchesGolden)
{
    const Result<std::string> text = ArmyExportText(TwoUnits(), '.');
    ASSERT_TRUE(text.ok());
    EXPECT_EQ(text.value(), ReadFileBytes(kData + "export_two_units.txt"));
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
    ArmyRecordingPrinter printer;
    data.units[0].fields[5] = "<none>";
    EXPECT_FALSE(PrintArmyReport(printer, data, '.').ok());
    EXPECT_EQ(printer.log.back(), "KillDoc");
    EXPECT_EQ(printer.log.size(), 6u); // name, cost, unit name, count and size, KillDoc
}

TEST(ArmyReport, PrintedUnitCrossesPages)
{
    ArmyRecordingPrinter printer(2500);
    ASSERT_TRUE(PrintArmyReport(printer, TwoUnits(), '.').ok());
    std::string calls;
    for (const std::string &call : printer.log)
        calls += call + '\n';
    EXPECT_EQ(calls, ReadFileBytes(kData + "print_two_units.txt"));
}

} // namespace
} // namespace tarvello
