// The summary of a figure file and the scan of a folder of figure files.

#include "army/figuresummary.h"
#include "testfolder.h"

#include <gtest/gtest.h>

#include <vector>

namespace tarvello {
namespace {

struct SummaryCase
{
    const char *what;
    std::string file;
    std::vector<std::string> fields;
};

TEST(ArmySummary, ReadsKeysListsAndDefaults)
{
    const std::string none = "<none>";
    const std::vector<SummaryCase> cases = {
        {"every field",
         "[Figure]\r\ntxtFigureName=Archer\r\ncboRace=Elf\r\ncboFigureType=Soldier\r\n"
         "txtFinalCost=12.5\r\ncboTrainingLevel=Elite\r\ntxtAdjustedHitFactor=7\r\n"
         "txtHitPoints=2\r\ntxtBaseMorale=8\r\ntxtMove=10\r\ncboCommandSkill=None\r\n"
         "cboArmorType=Leather\r\n[MeleeWeapon1]\r\nName=Dagger\r\n[MeleeWeapon2]\r\nName=Sword\r\n"
         "[MissileWeapon1]\r\nName=Longbow\r\nShots=2\r\n[MissileWeapon2]\r\nName=Sling\r\n"
         "Shots=0\r\n[MissileWeapon3]\r\nName=Dart\r\n[MissileWeapon4]\r\nName=Net\r\nShots=0.5\r\n"
         "[ExtraItem1]\r\nName=Banner\r\n[ImageProperties]\r\nWidth=1\r\nHeight=1\r\n"
         "[ImagePixels]\r\n0_0=255\r\n",
         {"Archer", "Elf", "Soldier", "12.5", "Elite", "7", "2", "8", "10", "None",
          "Dagger|Sword", "Longbow(2)|Sling|Dart|Net", "Banner", "Leather"}},
        {"a gap ends a list; keys match without regard to case",
         "[figure]\r\nTXTFIGURENAME = Axe \r\n[MeleeWeapon1]\r\nName=A\r\n[MeleeWeapon3]\r\nName=C\r\n"
         "[missileweapon1]\r\nname=B\r\nshots=3\r\n",
         {"Axe", none, none, none, none, none, none, none, none, none, "A", "B(3)", "", none}},
        {"no Figure section", "garbage\r\n[Other]\r\nx=1\r\n",
         {none, none, none, none, none, none, none, none, none, none, "", "", "", none}},
        {"a section after the picture is still found",
         "[Figure]\r\ntxtFigureName=Late\r\n[ImagePixels]\r\n0_0=1\r\n1_0=2\r\n[ExtraItem1]\r\n"
         "Name=Horn\r\n",
         {"Late", none, none, none, none, none, none, none, none, none, "", "", "Horn", none}},
    };
    for (const SummaryCase &c : cases) {
        const FigureSummary summary = FigureSummaryFromBytes(c.file);
        EXPECT_EQ(std::vector<std::string>(summary.fields.begin(), summary.fields.end()),
                  c.fields)
            << c.what;
    }
}

TEST(ArmySummary, ScanListsFigureFilesOfAnyCaseOnly)
{
    const auto dir = FreshTestFolder("scan");
    WriteTestFile(dir, "b.TVF", FigureText("B", "2"));
    WriteTestFile(dir, "a.tvf", FigureText("A", "1"));
    WriteTestFile(dir, "c.tvf.bak", FigureText("C", "3"));
    WriteTestFile(dir, "damaged.tvf", std::string("\0\xff[\r[[=\n\x80", 9));
    std::filesystem::create_directories(dir / "folder.tvf");
    const auto scanned = ScanFigureFolder(dir.string());
    ASSERT_TRUE(scanned.ok());
    std::vector<std::string> names;
    for (const FigureSummary &s : scanned.value())
        names.push_back(s.fields[kFigureName]);
    EXPECT_EQ(names, (std::vector<std::string>{"A", "B", "<none>"}));

    const auto missing = ScanFigureFolder((dir / "missing").string());
    ASSERT_TRUE(missing.ok());
    EXPECT_TRUE(missing.value().empty());
}

} // namespace
} // namespace tarvello
