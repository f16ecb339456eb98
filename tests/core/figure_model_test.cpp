#include "figure/figuremodel.h"
#include "figure/figurerules.h"
#include "figure_testtables.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace tarvello;
using ::testing::ElementsAre;
using R = FigureRecord;

namespace {

constexpr int kVehicle = static_cast<int>(FigureType::Vehicle);
constexpr int kBattleMage = static_cast<int>(FigureType::BattleMage);

class FigureModelTest : public ::testing::Test
{
protected:
    FigureModelTest() { EXPECT_TRUE(model.Initialize().ok()); }

    const FigureRecord &r() const { return model.Record(); }

    RulesTables tables = figuretest::FigureTestTables();
    FigureModel model{tables};
};

TEST_F(FigureModelTest, OpensWithFilledListsAndCostUnchanged)
{
    EXPECT_FALSE(model.Loading());
    EXPECT_FALSE(model.Changed());
    EXPECT_THAT(r().cboRace.items, ElementsAre("Human", "Dwarf", "Elf"));
    EXPECT_EQ(r().cboCommandSkill.Text(), "None");
    EXPECT_THAT(r().lvwMissileWeapons[0], ElementsAre("Bow", "4", "1", "10", "20", "Arrows"));
    EXPECT_THAT(r().lvwExtraItems[2], ElementsAre("Wand", "20", "3", "1", "5", "10", "Sparks; hot"));
    EXPECT_EQ(r().txtFinalCost, "0");
    // Choosing the same entry again still recalculates and marks the figure.
    EXPECT_TRUE(model.Choose(&R::cboRace, 0).ok());
    EXPECT_TRUE(model.Changed());
}

TEST_F(FigureModelTest, TrainingCaptionsFollowTheTypeAndKeepThePosition)
{
    ASSERT_TRUE(model.Choose(&R::cboTrainingLevel, 1).ok());
    ASSERT_TRUE(model.Choose(&R::cboFigureType, kVehicle).ok());
    EXPECT_STREQ(model.TrainingLabel(), "Targeting System");
    EXPECT_THAT(r().cboTrainingLevel.items, ElementsAre("Poor", "Good", "Excellent"));
    EXPECT_EQ(r().cboTrainingLevel.index, 1);

    ASSERT_TRUE(model.Choose(&R::cboFigureType, kBattleMage).ok());
    EXPECT_STREQ(model.TrainingLabel(), "Training Level");
    EXPECT_EQ(model.Captions(), TrainingCaptions::Mage);
    EXPECT_EQ(r().txtMagicSkillCost, "25");

    ASSERT_TRUE(model.Choose(&R::cboFigureType, kVehicle).ok());
    ASSERT_TRUE(model.Choose(&R::cboFigureType, 2).ok()); // Hero
    EXPECT_THAT(r().cboTrainingLevel.items, ElementsAre("Green", "Line", "Elite"));
    EXPECT_EQ(model.Captions(), TrainingCaptions::Training);
    EXPECT_EQ(r().cboTrainingLevel.index, 1);
}

TEST_F(FigureModelTest, TypedFieldsAreCorrected)
{
    const std::pair<const char *, const char *> adjustments[] = {
        {"abc", "0"}, {"", "0"}, {"2x", "0"}, {"-3", "-3"}, {"2.5", "2.5"}};
    for (const auto &[typed, kept] : adjustments) {
        ASSERT_TRUE(model.SetAdjustHitFactor(typed).ok());
        EXPECT_EQ(r().txtAdjustHitFactor, kept) << typed;
    }
    const std::pair<const char *, const char *> hits[] = {
        {"0", "1"}, {"", "1"}, {"abc", "1"}, {"7", "7"}, {"0.4", "0.4"}, {"-3", "-3"}};
    for (const auto &[typed, kept] : hits) {
        ASSERT_TRUE(model.SetHitPoints(typed).ok());
        EXPECT_EQ(r().txtHitPoints, kept) << typed;
        EXPECT_EQ(r().txtHitPointsCopy, kept) << typed;
    }
}

TEST_F(FigureModelTest, NameMarksChangedWithoutCalculating)
{
    model.SetFigureName("Sir Test");
    EXPECT_TRUE(model.Changed());
    EXPECT_EQ(model.ProposedFileName(), "Sir Test.tvf");
}

TEST_F(FigureModelTest, AddAndRemoveWithoutARowDoNothing)
{
    for (FigureSeries series : kAllSeries) {
        EXPECT_TRUE(model.Add(series, -1).ok());
        EXPECT_TRUE(model.Add(series, 99).ok());
        EXPECT_TRUE(model.Remove(series, -1).ok());
        EXPECT_TRUE(SelectedRows(r(), series).empty());
    }
    EXPECT_FALSE(model.Changed());
}

TEST_F(FigureModelTest, SameSwordTwiceCountsTwiceAndRemoveTakesTheRow)
{
    for (int row : {0, 1, 0})
        ASSERT_TRUE(model.Add(FigureSeries::Melee, row).ok());
    // Green sword 2 twice, dagger 1.5.
    EXPECT_EQ(r().txtMeleeWeaponMultiplier, "5.5");
    ASSERT_TRUE(model.Remove(FigureSeries::Melee, 1).ok());
    EXPECT_THAT(r().lvwMeleeWeaponsSelected,
                ElementsAre(ElementsAre("Sword", "4", "Edge"), ElementsAre("Sword", "4", "Edge")));
    EXPECT_EQ(r().txtMeleeWeaponMultiplier, "4");
    ASSERT_TRUE(model.Add(FigureSeries::ExtraItem, 1).ok());
    EXPECT_EQ(r().txtExtraItemsCost, "12");
    ASSERT_TRUE(model.Remove(FigureSeries::ExtraItem, 0).ok());
    EXPECT_EQ(r().txtExtraItemsCostCopy, "0");
}

TEST_F(FigureModelTest, MissileCopyGetsUnlimitedShotsAndTheSpinnerChangesTheSelectedRow)
{
    ASSERT_TRUE(model.Add(FigureSeries::Missile, 0).ok());
    EXPECT_THAT(r().lvwMissileWeaponsSelected[0], ElementsAre("Bow", "4", "1", "10", "20", "0", "Arrows"));
    ASSERT_TRUE(model.SetShots(0, 10).ok());
    EXPECT_EQ(r().lvwMissileWeaponsSelected[0][5], "10");
    EXPECT_EQ(r().txtLimitedShots, "10");
    EXPECT_EQ(r().txtMissileWeaponMultiplier, "2");

    ASSERT_TRUE(model.Add(FigureSeries::Missile, 1).ok());
    model.ClickMissileRow(1);
    EXPECT_EQ(r().txtLimitedShots, "0");
    model.ClickMissileRow(0);
    EXPECT_EQ(r().txtLimitedShots, "10");

    // Without a selected row the spinner changes only its own field.
    ASSERT_TRUE(model.SetShots(-1, 4).ok());
    EXPECT_EQ(r().txtLimitedShots, "4");
    EXPECT_EQ(r().lvwMissileWeaponsSelected[0][5], "10");
    ASSERT_TRUE(model.SetShots(1, kShotsLimit + 5).ok());
    EXPECT_EQ(r().lvwMissileWeaponsSelected[1][5], "20");
    ASSERT_TRUE(model.SetShots(1, -1).ok());
    EXPECT_EQ(r().lvwMissileWeaponsSelected[1][5], "0");
}

TEST_F(FigureModelTest, OptionalCheckBoxes)
{
    ASSERT_TRUE(model.Choose(&R::cboMove, 1).ok());
    ASSERT_TRUE(model.SetUseOptionalMovement(true).ok());
    EXPECT_EQ(r().txtMoveMultiplier, "1.36");
    ASSERT_TRUE(model.Add(FigureSeries::Missile, 3).ok()); // sling, equal ranges
    ASSERT_TRUE(model.SetOptionalRangeCost(true).ok());
    EXPECT_EQ(r().txtMissileWeaponMultiplier, "3.97");
}

TEST_F(FigureModelTest, FailedCalculationDoesNotMarkChanged)
{
    const std::string finalCost = r().txtFinalCost;
    const Status added = model.Add(FigureSeries::Melee, 3); // Greatsword, damage 9
    ASSERT_FALSE(added.ok());
    EXPECT_EQ(added.failure().Message(), "Error in calculating cost!\r\nSubscript out of range");
    EXPECT_EQ(r().lvwMeleeWeaponsSelected.size(), 1u);
    EXPECT_FALSE(model.Changed());
    EXPECT_EQ(r().txtFinalCost, finalCost);
}

TEST(FigureModelFailure, EmptyTablesReportOnOpeningTheWindow)
{
    RulesTables tables = figuretest::FigureTestTables();
    tables.Races.clear();
    FigureModel model(tables);
    const Status opened = model.Initialize();
    ASSERT_FALSE(opened.ok());
    EXPECT_EQ(opened.failure(), (Failure{"Error in calculating cost!", "Subscript out of range"}));
    EXPECT_EQ(model.Record().cboRace.index, -1);
    EXPECT_FALSE(model.Changed());
}

} // namespace
