// The army's unit lines, their reactions and the total.

#include "army/armymodel.h"
#include "testfolder.h"

#include <gtest/gtest.h>

#include <vector>

namespace tarvello {
namespace {

// A model over a folder of figures named after their costs.
struct Army
{
    explicit Army(const std::string &name, const std::vector<std::string> &costs)
        : dir(FreshTestFolder(name))
        , model(dir.string(), '.')
    {
        for (std::size_t i = 0; i < costs.size(); ++i)
            WriteTestFile(dir, "f" + std::to_string(i) + ".tvf",
                         FigureText("F" + std::to_string(i), costs[i]));
        EXPECT_TRUE(model.ScanFigures().ok());
    }
    void Add(int row, const std::string &count, const std::string &size)
    {
        model.SetUnitsToAdd(count);
        model.SetUnitSizeAdd(size);
        EXPECT_TRUE(model.Add(row).ok());
    }
    std::vector<std::string> Column(std::size_t field) const
    {
        std::vector<std::string> column;
        for (const ArmyUnit &unit : model.Units())
            column.push_back(unit.fields[field]);
        return column;
    }

    std::filesystem::path dir;
    ArmyModel model;
};

using Texts = std::vector<std::string>;

TEST(ArmyModel, AddMergesSameFigureAndSize)
{
    Army army("merge", {"12"});
    EXPECT_FALSE(army.model.Changed());
    army.Add(0, "3", "10");
    EXPECT_EQ(army.model.SelectedUnit(), 0);
    EXPECT_EQ(army.model.UnitCount(), "3");
    EXPECT_EQ(army.model.UnitSize(), "10");
    army.Add(0, "2", "10");
    EXPECT_EQ(army.Column(0), Texts{"5"});
    EXPECT_EQ(army.model.ArmyCost(), "600");
    army.Add(0, "1", "12");
    EXPECT_EQ(army.Column(1), (Texts{"10", "12"}));
    EXPECT_EQ(army.model.ArmyCost(), "744");
    EXPECT_TRUE(army.model.Changed());
}

TEST(ArmyModel, TotalRoundsTheRunningSumHalfToEven)
{
    Army army("round", {"2.5", "2.5", "2.5", "<none>"});
    Texts totals;
    for (int row = 0; row < 4; ++row) {
        army.Add(row, "1", "1");
        totals.push_back(army.model.ArmyCost());
    }
    EXPECT_EQ(totals, (Texts{"2", "4", "6", "6"}));
    EXPECT_EQ(army.model.Units().size(), 4u);
}

TEST(ArmyModel, CountStepsAndRemoveDeleteLines)
{
    Army army("count", {"10", "20"});
    army.Add(0, "1", "2");
    army.Add(1, "7", "3");
    ASSERT_EQ(army.model.ArmyCost(), "440");
    ASSERT_TRUE(army.model.SelectUnit(1).ok());
    ASSERT_TRUE(army.model.Remove().ok());
    EXPECT_EQ(army.Column(2), Texts{"F0"});
    EXPECT_EQ(army.model.ArmyCost(), "20");
    ASSERT_TRUE(army.model.SetUnitSize("4").ok());
    EXPECT_EQ(army.model.ArmyCost(), "40");
    ASSERT_TRUE(army.model.SetUnitCount("0").ok());
    EXPECT_TRUE(army.model.Units().empty());
    EXPECT_EQ(army.model.UnitCount(), "0");
    EXPECT_EQ(army.model.UnitSize(), "0");
    EXPECT_EQ(army.model.ArmyCost(), "0");
    EXPECT_EQ(army.model.SelectedUnit(), -1);
    // Without a selected line the boxes change nothing.
    EXPECT_TRUE(army.model.SetUnitCount("5").ok());
    EXPECT_TRUE(army.model.Remove().ok());
    EXPECT_TRUE(army.model.Units().empty());
}

TEST(ArmyModel, SelectingDoesNotMarkChangedTypingDoes)
{
    Army army("select", {"10"});
    army.Add(0, "2", "3");
    army.Add(0, "1", "4");
    ASSERT_TRUE(army.model.WriteArmy((army.dir / "a.tva").string()).ok());
    ASSERT_TRUE(army.model.SelectUnit(1).ok());
    EXPECT_EQ(army.model.UnitCount(), "1");
    EXPECT_EQ(army.model.UnitSize(), "4");
    EXPECT_FALSE(army.model.Changed());
    // A count that is not a number neither deletes nor changes the line.
    EXPECT_TRUE(army.model.SetUnitCount("").ok());
    EXPECT_TRUE(army.model.SetUnitCount("x").ok());
    EXPECT_EQ(army.Column(0), (Texts{"2", "1"}));
    army.model.SetArmyName("Host");
    EXPECT_TRUE(army.model.Changed());
}

TEST(ArmyModel, UnitFieldsHoldNoSeparatorOrLineBreak)
{
    Army army("separator", {});
    WriteTestFile(army.dir, "s.tvf", "[Figure]\r\ntxtFigureName=A;B\r\n[MeleeWeapon1]\r\nName=x;y\r\n");
    ASSERT_TRUE(army.model.ScanFigures().ok());
    EXPECT_EQ(army.model.Available()[0].fields[kFigureName], "A;B");
    army.Add(0, "1", "1");
    army.Add(0, "1", "1");
    EXPECT_EQ(army.Column(2), Texts{"A,B"});
    EXPECT_EQ(army.Column(12), Texts{"x,y"});
    EXPECT_EQ(army.Column(0), Texts{"2"});
    army.model.SetArmyName("Two\r\nLines");
    EXPECT_EQ(army.model.ArmyName(), "Two  Lines");
}

TEST(ArmyModel, TotalBeyondThirtyTwoBitsFailsAndKeepsTheShownTotal)
{
    Army army("overflow", {"1e9", "1"});
    army.Add(1, "1", "1");
    army.model.SetUnitsToAdd("1000");
    army.model.SetUnitSizeAdd("24");
    const Status status = army.model.Add(0);
    ASSERT_FALSE(status.ok());
    EXPECT_EQ(status.failure().Message(), "Error in calculating cost!\r\nOverflow");
    EXPECT_EQ(army.model.ArmyCost(), "1");
}

TEST(ArmyModel, RescanKeepsUnitsAndDropsRowsOfAFolderItCannotList)
{
    Army army("rescan", {"5"});
    army.Add(0, "1", "1");
    EXPECT_FALSE(army.model.Browse(WriteTestFile(army.dir, "plain", "x")).ok());
    EXPECT_TRUE(army.model.Available().empty());
    EXPECT_EQ(army.model.Units().size(), 1u);
    EXPECT_EQ(army.model.ArmyCost(), "5");
    EXPECT_TRUE(army.model.Browse("").ok());
}

} // namespace
} // namespace tarvello
