#include "army/armyfile.h"
#include "army/armymodel.h"
#include "army/armytextimport.h"
#include "army/figuresummary.h"
#include "testfolder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tarvello {
namespace {

// Figures as a folder's scan lists them: each name with cost 10.
std::vector<FigureSummary> Figures(const std::vector<std::string> &names)
{
    std::vector<FigureSummary> figures;
    for (const std::string &name : names)
        figures.push_back(FigureSummaryFromBytes(FigureText(name, "10")));
    return figures;
}

// "count size name" of every unit, and "line: reason" of every refused line.
std::string Outcome(const ArmyFromText &army)
{
    std::string out;
    for (const ArmyUnit &unit : army.units)
        out += unit.Count() + " " + unit.Size() + " " + unit.Summary(kFigureName) + "; ";
    for (const RefusedTextLine &line : army.refused)
        out += std::to_string(line.lineNumber) + ": " + line.reason + "; ";
    return out;
}

struct ListCase
{
    const char *text;
    const char *outcome;
    const char *limit = "";
};

class ArmyTextList : public testing::TestWithParam<ListCase>
{};

TEST_P(ArmyTextList, ReadsEachFormOfLineAndNamesWhatItCannot)
{
    const ListCase &c = GetParam();
    const ArmyFromText army =
        ImportArmyText(c.text, Figures({"Spearman", "Orc Archer", "Twin", "Twin", "x2", "3rd Foot"}));
    EXPECT_EQ(Outcome(army), c.outcome) << c.text;
    EXPECT_EQ(army.pointsLimit, c.limit) << c.text;
    EXPECT_FALSE(army.fromExport);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, ArmyTextList,
    testing::Values(
        ListCase{"3 x Spearman", "3 1 Spearman; "}, ListCase{"3x Spearman (size 10)", "3 10 Spearman; "},
        ListCase{"Spearman x3", "3 1 Spearman; "}, ListCase{"10 Spearman", "10 1 Spearman; "},
        ListCase{"  spearman  \r\n\r\n2 \xD7 ORC ARCHER", "1 1 Spearman; 2 1 Orc Archer; "},
        ListCase{"Spearman X04 (Size 7)", "4 7 Spearman; "},
        ListCase{"Points Limit: 1000\n2 Spearman", "2 1 Spearman; ", "1000"},
        ListCase{"2 Spearman\n750 points", "2 1 Spearman; ", "750"},
        ListCase{"3rd Foot\n2 x x2", "1 1 3rd Foot; 2 1 x2; "},
        ListCase{"3 x Pikeman\n2 Twin\nSpearman (size ten)\n0 x Spearman",
                 "1: no figure of this name; 2: 2 figures of this name; "
                 "3: the unit size is no whole number; 4: a count or size of 0, or too many digits; "},
        ListCase{"1234567890 Spearman", "1: a count or size of 0, or too many digits; "}));

// An army with two lines of one figure and size, a figure named in another
// case and a unit of "<none>" cost: exported, then read back against the
// same folder.
TEST(ArmyText, ExportReadBackGivesTheSameLinesAndName)
{
    TestFolder folder;
    folder.Write("a.tvf", FigureText("Archer", "12"));
    folder.Write("b.tvf", FigureText("archer", "7"));
    folder.Write("c.tvf", "[Figure]\r\ntxtFigureName=Ogre; Big\r\ntxtFinalCost=30\r\n"
                          "[MeleeWeapon1]\r\nName=Club\r\n[MeleeWeapon2]\r\nName=Fist\r\n");
    const std::vector<FigureSummary> figures = ScanFigureFolder(folder.Path()).value();
    std::vector<ArmyUnit> units;
    for (const auto &[count, size, figure] :
         {std::tuple{"3", "10", 0}, {"1", "1", 2}, {"3", "10", 0}, {"2", "5", 1}}) {
        ArmyUnit unit;
        unit.Count() = count;
        unit.Size() = size;
        for (std::size_t i = 0; i < kSummaryFields; ++i)
            unit.fields[i + 2] = UnitFieldText(figures[static_cast<std::size_t>(figure)].fields[i]);
        units.push_back(unit);
    }
    folder.Write("army.tva", ArmyFileText("Border (Guard)", folder.Path(), units));
    ArmyModel army(folder.Path(), '.');
    ASSERT_TRUE(army.Open(folder.File("army.tva")).ok());
    const std::string text = army.ExportText().value();

    const ArmyFromText back = ImportArmyText(text, figures);
    EXPECT_TRUE(back.fromExport);
    EXPECT_EQ(back.name, "Border (Guard)");
    EXPECT_EQ(back.units, units);
    EXPECT_TRUE(back.refused.empty()) << Outcome(back);

    // Two files of one name: the lines of that name are listed, not guessed.
    folder.Write("d.tvf", FigureText("Archer", "99"));
    const ArmyFromText twice = ImportArmyText(text, ScanFigureFolder(folder.Path()).value());
    EXPECT_EQ(Outcome(twice), "1 1 Ogre, Big; 2 5 archer; 3: 2 figures of this name; "
                              "21: 2 figures of this name; ");

    // An army without lines is its first line alone.
    EXPECT_EQ(ImportArmyText("Empty (0 pts)", figures).name, "Empty");
}

TEST(ArmyText, ImportedArmyIsANewChangedArmyOfThatFolder)
{
    TestFolder folder;
    folder.Write("s.tvf", FigureText("Spearman", "4"));
    const ArmyFromText text = ImportArmyText("Points Limit: 100\n3 x Spearman (size 2)\n1 Spearman",
                                             ScanFigureFolder(folder.Path()).value());
    ArmyModel army("elsewhere", '.');
    ASSERT_TRUE(army.ImportFromText(text, folder.Path()).ok());
    EXPECT_EQ(army.Caption(), "Army Creator");
    EXPECT_EQ(army.UnitDirectory(), DirectoryText(folder.Path()));
    EXPECT_EQ(army.Units().size(), 2u);
    EXPECT_EQ(army.ArmyCost(), "28");
    EXPECT_EQ(army.PointsLimit(), "100");
    EXPECT_EQ(army.Available().size(), 1u);
    EXPECT_TRUE(army.Changed());
    EXPECT_TRUE(army.FileName().empty());
    ASSERT_TRUE(army.Undo().ok());
    EXPECT_EQ(army.Units().size(), 0u);
    EXPECT_FALSE(army.Changed());
}

} // namespace
} // namespace tarvello
