#include "army/armycostcheck.h"
#include "army/armymodel.h"
#include "figure/figuremodel.h"
#include "figure/recost.h"
#include "figure_testtables.h"
#include "platform/fileio.h"
#include "testfolder.h"

#include <gtest/gtest.h>

#include <functional>

using namespace tarvello;

namespace {

// A Dwarf with a sword, a bow (3 shots) and a shield, built in the editor.
std::string FigureCost(const RulesTables &tables, FigureModel *keep = nullptr)
{
    FigureModel local(tables);
    FigureModel &m = keep ? *keep : local;
    EXPECT_TRUE(m.Initialize().ok());
    m.SetFigureName("Axeman");
    EXPECT_TRUE(m.Choose(&FigureRecord::cboRace, 1).ok());
    EXPECT_TRUE(m.Add(FigureSeries::Melee, 0).ok());
    EXPECT_TRUE(m.Add(FigureSeries::Missile, 0).ok());
    EXPECT_TRUE(m.SetShots(0, 3).ok());
    EXPECT_TRUE(m.Add(FigureSeries::ExtraItem, 0).ok());
    return m.Record().txtFinalCost;
}

struct TableEdit
{
    const char *what;
    std::function<void(RulesTables &)> edit;
    bool costFollows;   // the cost changes without refreshing rows
    bool rowChanges;    // a copied row differs from its table row
};

class FigureRecostTest : public ::testing::Test
{
protected:
    FigureRecostTest()
    {
        FigureModel model(tables);
        stored = FigureCost(tables, &model);
        EXPECT_TRUE(model.SaveTo(path).ok());
        bytes = *ReadFileBytes(path);
    }

    RulesTables tables = figuretest::FigureTestTables();
    TestFolder folder;
    std::string path = folder.File("axeman.tvf");
    std::string stored;
    std::string bytes;
};

TEST_F(FigureRecostTest, TableEditsAreFoundAndNothingIsWritten)
{
    const TableEdit edits[] = {
        {"race modifier", [](RulesTables &t) { t.Races[1].HitFactorModifier = 3; }, true, false},
        {"attack roll", [](RulesTables &t) { t.GreenAttackRolls[4].MeleeMultiplier = 4; }, true,
         false},
        {"melee row", [](RulesTables &t) { t.MeleeWeapons[0].MaxDamage = 6; }, false, true},
        {"item row", [](RulesTables &t) { t.ExtraItems[0].Cost = 9; }, false, true},
        {"nothing", [](RulesTables &) {}, false, false},
    };
    for (const TableEdit &e : edits) {
        SCOPED_TRACE(e.what);
        RulesTables changed = figuretest::FigureTestTables();
        e.edit(changed);
        const std::string fresh = FigureCost(changed);
        const Result<FigureRecost> r = RecostFigureFile(changed, path);
        ASSERT_TRUE(r.ok());
        EXPECT_EQ(r.value().storedCost, stored);
        EXPECT_TRUE(r.value().notices.empty());
        EXPECT_EQ(r.value().newCost, e.costFollows ? fresh : stored);
        EXPECT_EQ(r.value().refreshedCost, fresh);
        EXPECT_EQ(r.value().newCost != stored, e.costFollows);
        EXPECT_EQ(r.value().changedRows.size(), e.rowChanges ? 1u : 0u);
        EXPECT_EQ(StaleCostHint(bytes, r.value().newCost),
                  e.costFollows ? "Stored cost " + stored + ", now " + fresh + " after table changes"
                                : "");
        EXPECT_EQ(*ReadFileBytes(path), bytes);
    }
}

TEST_F(FigureRecostTest, ChangedRowTellsItsValuesAndKeepsShots)
{
    tables.MissileWeapons[0].LongRange = 30;
    tables.MissileWeapons[0].Notes = "Longbow";
    const FigureRecost r = RecostFigureFile(tables, path).value();
    ASSERT_EQ(r.changedRows.size(), 1u);
    EXPECT_EQ(r.changedRows[0].series, FigureSeries::Missile);
    EXPECT_EQ(r.changedRows[0].name, "Bow");
    EXPECT_EQ(r.changedRows[0].values,
              (std::vector<ValueChange>{{"Long", "20", "30"}, {"Notes", "Arrows", "Longbow"}}));
    EXPECT_EQ(Cell(r.refreshed.lvwMissileWeaponsSelected[0], FigureSeries::Missile,
                   SeriesColumn::Shots),
              "3");
}

TEST_F(FigureRecostTest, RemovedRaceIsReportedAndNotSaved)
{
    tables.Races.erase(tables.Races.begin() + 1);
    const FigureRecost r = RecostFigureFile(tables, path).value();
    ASSERT_FALSE(r.notices.empty());
    EXPECT_EQ(r.notices[0].sentence, "The item Dwarf does not exist in current resourcefiles!");
    EXPECT_FALSE(SaveRecostedFigure(tables, path, true).ok());
    EXPECT_EQ(*ReadFileBytes(path), bytes);
}

TEST_F(FigureRecostTest, SavingKeepsTheOtherSectionsAndWritesTheNewCost)
{
    folder.Write("axeman.tvf", bytes + "[CardLayout]\r\nImageLeft=120\r\n");
    tables.MeleeWeapons[0].MaxDamage = 6;
    const std::string fresh = FigureCost(tables);
    for (bool refresh : {false, true}) {
        ASSERT_TRUE(SaveRecostedFigure(tables, path, refresh).ok());
        const FigureRecost again = RecostFigureFile(tables, path).value();
        EXPECT_EQ(again.storedCost, refresh ? fresh : stored);
        EXPECT_EQ(again.changedRows.empty(), refresh);
        EXPECT_NE(ReadFileBytes(path)->find("[CardLayout]\r\nImageLeft=120\r\n"),
                  std::string::npos);
    }
    EXPECT_FALSE(RecostFigureFile(tables, folder.File("missing.tvf")).ok());
}

TEST_F(FigureRecostTest, ArmyLinesTakeTheCostsTheirFiguresHaveNow)
{
    FigureModel human(tables);
    ASSERT_TRUE(human.Initialize().ok());
    human.SetFigureName("Militia");
    ASSERT_TRUE(human.SaveTo(folder.File("militia.tvf")).ok());
    folder.Write("zz.tvf", "not a figure");
    ArmyModel army(folder.Path(), '.');
    ASSERT_TRUE(army.ScanFigures().ok());
    ASSERT_TRUE(army.Add(0).ok() && army.Add(1).ok());
    ASSERT_TRUE(army.WriteArmy(folder.File("army.tva")).ok());
    const std::string total = army.ArmyCost();

    tables.Races[1].HitFactorModifier = 3;
    const std::vector<FigureCostCheck> checks = CheckFigureCosts(folder.Path(), tables).value();
    ASSERT_EQ(checks.size(), 3u);
    EXPECT_TRUE(checks[0].Differs());
    EXPECT_EQ(checks[0].newCost, FigureCost(tables));
    EXPECT_FALSE(checks[1].Differs());
    EXPECT_TRUE(checks[2].failed);
    const std::vector<std::string> now = UnitCostsNow(army.Units(), checks);
    ASSERT_TRUE(army.ReplaceFigureCosts(now).ok());
    EXPECT_TRUE(army.Changed());
    EXPECT_EQ(army.Units()[0].Summary(kCost), checks[0].newCost);
    EXPECT_NE(army.ArmyCost(), total);
    EXPECT_EQ(*ReadFileBytes(path), bytes);
}

} // namespace
