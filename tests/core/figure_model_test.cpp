#include "figure/figuremodel.h"
#include "figure_testtables.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace tarvello;
using ::testing::ElementsAre;

namespace {

class FigureModelTest : public ::testing::Test
{
protected:
    FigureModelTest()
        : tables(figuretest::FigureTestTables())
        , model(tables)
    {
        EXPECT_TRUE(model.Initialize().empty());
    }

    const FigureRecord &r() const { return model.record(); }

    RulesTables tables;
    FigureModel model;
};

TEST_F(FigureModelTest, OpensWithFilledListsAndCost)
{
    EXPECT_TRUE(model.CalcReady());
    EXPECT_FALSE(model.Loading());
    EXPECT_FALSE(model.Changed());
    EXPECT_EQ(model.Caption(), "Figure");
    EXPECT_THAT(r().cboFigureType.items,
                ElementsAre("Normal", "Commander", "Hero", "Vehicle", "BattleMage"));
    EXPECT_THAT(r().cboTrainingLevel.items, ElementsAre("Green", "Line", "Elite"));
    EXPECT_THAT(r().cboRace.items, ElementsAre("Human", "Dwarf", "Elf"));
    EXPECT_THAT(r().cboMove.items, ElementsAre("Foot", "Mounted"));
    EXPECT_EQ(r().cboArmorType.index, 0);
    EXPECT_EQ(r().cboCommandSkill.Text(), "None");
    ASSERT_EQ(r().lvwMissileWeapons.size(), 4u);
    EXPECT_THAT(r().lvwMissileWeapons[0], ElementsAre("Bow", "4", "1", "10", "20", "Arrows"));
    EXPECT_THAT(r().lvwExtraItems[2], ElementsAre("Wand", "20", "3", "1", "5", "10", "Sparks; hot"));
    EXPECT_THAT(r().lvwMeleeWeapons[0], ElementsAre("Sword", "4", "Edge"));
    // Leather green 2, no weapons: cost 0.
    EXPECT_EQ(r().txtBaseHitFactor, "2");
    EXPECT_EQ(r().txtBaseMorale, "3");
    EXPECT_EQ(r().txtFinalCost, "0");
    EXPECT_EQ(model.TrainingLabel(), "Training Level");
}

TEST_F(FigureModelTest, EveryClickRecalculatesAndMarksChanged)
{
    model.ChooseRace(0); // the same entry again
    EXPECT_TRUE(model.Changed());
}

TEST_F(FigureModelTest, TrainingCaptionsFollowTheTypeAndKeepThePosition)
{
    model.ChooseTrainingLevel(1);
    model.ChooseFigureType(kFigureTypeVehicle);
    EXPECT_EQ(model.TrainingLabel(), "Targeting System");
    EXPECT_THAT(r().cboTrainingLevel.items, ElementsAre("Poor", "Good", "Excellent"));
    EXPECT_EQ(r().cboTrainingLevel.index, 1);
    EXPECT_TRUE(model.VehicleCaptions());

    model.ChooseFigureType(kFigureTypeBattleMage);
    EXPECT_EQ(model.TrainingLabel(), "Training Level");
    EXPECT_THAT(r().cboTrainingLevel.items, ElementsAre("Apprentice", "Journeyman", "Master"));
    EXPECT_TRUE(model.MageCaptions());
    EXPECT_FALSE(model.VehicleCaptions());
    EXPECT_EQ(r().txtMagicSkillCost, "25");

    model.ChooseFigureType(kFigureTypeVehicle);
    model.ChooseFigureType(2); // Hero
    EXPECT_EQ(model.TrainingLabel(), "Training Level");
    EXPECT_THAT(r().cboTrainingLevel.items, ElementsAre("Green", "Line", "Elite"));
    EXPECT_EQ(r().cboTrainingLevel.index, 1);
    EXPECT_FALSE(model.VehicleCaptions());
    EXPECT_FALSE(model.MageCaptions());
    // Leather special 5.
    EXPECT_EQ(r().txtBaseHitFactor, "5");
    EXPECT_EQ(r().txtBaseMorale, "N/A");
}

TEST_F(FigureModelTest, NormalToCommanderKeepsTrainingEntries)
{
    model.ChooseFigureType(1);
    EXPECT_THAT(r().cboTrainingLevel.items, ElementsAre("Green", "Line", "Elite"));
    EXPECT_EQ(r().txtBaseMorale, "N/A");
    EXPECT_EQ(r().txtBaseHitFactor, "5");
}

TEST_F(FigureModelTest, TypedFieldsAreCorrected)
{
    const struct
    {
        const char *typed;
        const char *adjust;
    } adjustments[] = {{"abc", "0"}, {"", "0"}, {"2x", "0"}, {"-3", "-3"}, {"2.5", "2.5"}};
    for (const auto &a : adjustments) {
        model.SetAdjustHitFactor(a.typed);
        EXPECT_EQ(r().txtAdjustHitFactor, a.adjust) << a.typed;
    }
    const struct
    {
        const char *typed;
        const char *hitPoints;
    } hits[] = {{"0", "1"}, {"", "1"}, {"abc", "1"}, {"7", "7"}, {"0.4", "0.4"}};
    for (const auto &h : hits) {
        model.SetHitPoints(h.typed);
        EXPECT_EQ(r().txtHitPoints, h.hitPoints) << h.typed;
        EXPECT_EQ(r().txtHitPointsCopy, h.hitPoints) << h.typed;
    }
    EXPECT_TRUE(model.Changed());
}

TEST_F(FigureModelTest, NameMarksChangedWithoutCalculating)
{
    model.SetFigureName("Sir Test");
    EXPECT_TRUE(model.Changed());
    EXPECT_EQ(model.ProposedFileName(), "Sir Test.tvf");
}

TEST_F(FigureModelTest, AddWithoutSelectionAddsNothing)
{
    const auto revision = model.Revision();
    EXPECT_TRUE(model.AddMeleeWeapon(-1).empty());
    EXPECT_TRUE(model.AddMissileWeapon(99).empty());
    EXPECT_TRUE(model.AddExtraItem(-1).empty());
    EXPECT_TRUE(model.RemoveMeleeWeapon(-1).empty());
    EXPECT_TRUE(r().lvwMeleeWeaponsSelected.empty());
    EXPECT_TRUE(r().lvwMissileWeaponsSelected.empty());
    EXPECT_TRUE(r().lvwExtraItemsSelected.empty());
    EXPECT_FALSE(model.Changed());
    EXPECT_GT(model.Revision(), revision);
}

TEST_F(FigureModelTest, SameSwordTwiceCountsTwiceAndRemoveTakesTheRow)
{
    model.AddMeleeWeapon(0);
    model.AddMeleeWeapon(1);
    model.AddMeleeWeapon(0);
    ASSERT_EQ(r().lvwMeleeWeaponsSelected.size(), 3u);
    // Green sword 2 twice, dagger 1.5.
    EXPECT_EQ(r().txtMeleeWeaponMultiplier, "5.5");
    model.RemoveMeleeWeapon(1);
    EXPECT_THAT(r().lvwMeleeWeaponsSelected,
                ElementsAre(ElementsAre("Sword", "4", "Edge"), ElementsAre("Sword", "4", "Edge")));
    EXPECT_EQ(r().txtMeleeWeaponMultiplier, "4");
    model.AddExtraItem(1);
    EXPECT_EQ(r().txtExtraItemsCost, "12");
    model.RemoveExtraItem(0);
    EXPECT_EQ(r().txtExtraItemsCostCopy, "0");
}

TEST_F(FigureModelTest, MissileCopyGetsUnlimitedShotsAndTheSpinnerChangesTheSelectedRow)
{
    model.AddMissileWeapon(0);
    EXPECT_THAT(r().lvwMissileWeaponsSelected[0],
                ElementsAre("Bow", "4", "1", "10", "20", "0", "Arrows"));
    EXPECT_EQ(r().txtMissileWeaponMultiplier, "3");

    model.SetShots(0, 10);
    EXPECT_EQ(r().lvwMissileWeaponsSelected[0][5], "10");
    EXPECT_EQ(r().txtLimitedShots, "10");
    EXPECT_EQ(r().txtMissileWeaponMultiplier, "2");

    model.AddMissileWeapon(1);
    model.ClickMissileRow(1);
    EXPECT_EQ(r().txtLimitedShots, "0");
    model.ClickMissileRow(0);
    EXPECT_EQ(r().txtLimitedShots, "10");

    // Without a selected row the spinner changes only its own field.
    model.SetShots(-1, 4);
    EXPECT_EQ(r().txtLimitedShots, "4");
    EXPECT_EQ(r().lvwMissileWeaponsSelected[0][5], "10");

    model.SetShots(1, 25);
    EXPECT_EQ(r().lvwMissileWeaponsSelected[1][5], "20");
}

TEST_F(FigureModelTest, RemovingTheOnlyMissileKeepsLimitedShots)
{
    model.AddMissileWeapon(0);
    model.SetShots(0, 7);
    model.RemoveMissileWeapon(0);
    EXPECT_EQ(r().txtLimitedShots, "7");
    const std::string cost = r().txtCost;
    model.SetShots(0, 3);
    EXPECT_TRUE(r().lvwMissileWeaponsSelected.empty());
    EXPECT_EQ(r().txtCost, cost);
}

TEST_F(FigureModelTest, OptionalCheckBoxes)
{
    model.ChooseMove(1);
    EXPECT_EQ(r().txtMoveMultiplier, "1.5");
    model.SetUseOptionalMovement(true);
    EXPECT_EQ(r().chkUseOptionalMovement, 1);
    EXPECT_EQ(r().txtMoveMultiplier, "1.36");
    model.AddMissileWeapon(3); // sling, equal ranges
    model.SetOptionalRangeCost(true);
    EXPECT_EQ(r().txtMissileWeaponMultiplier, "3.97");
}

TEST(FigureModelFailure, FailedCalculationDoesNotMarkChanged)
{
    const RulesTables tables = figuretest::FigureTestTables();
    FigureModel model(tables);
    model.Initialize();
    model.SetHitPoints("2");
    ASSERT_TRUE(model.Changed());

    FigureModel fresh(tables);
    fresh.Initialize();
    const std::string finalCost = fresh.record().txtFinalCost;
    EXPECT_THAT(fresh.AddMeleeWeapon(3), // Greatsword, damage 9
                ElementsAre("Error in calculating cost!\r\nSubscript out of range"));
    EXPECT_EQ(fresh.record().lvwMeleeWeaponsSelected.size(), 1u);
    EXPECT_FALSE(fresh.Changed());
    EXPECT_EQ(fresh.record().txtFinalCost, finalCost);
}

TEST(FigureModelFailure, EmptyTablesReportOnOpeningTheWindow)
{
    RulesTables tables = figuretest::FigureTestTables();
    tables.Races.clear();
    FigureModel model(tables);
    EXPECT_THAT(model.Initialize(),
                ElementsAre("Error in calculating cost!\r\nSubscript out of range"));
    EXPECT_EQ(model.record().cboRace.index, -1);
    EXPECT_FALSE(model.Changed());
}

TEST(FigureModelNotification, CallbackFiresOncePerOperation)
{
    const RulesTables tables = figuretest::FigureTestTables();
    FigureModel model(tables);
    int calls = 0;
    model.SetOnChanged([&calls] { ++calls; });
    model.Initialize();
    EXPECT_EQ(calls, 1);
    model.ChooseFigureType(3);
    EXPECT_EQ(calls, 2);
    EXPECT_EQ(model.Revision(), 2u);
}

} // namespace
