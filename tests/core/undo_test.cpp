#include "army/armymodel.h"
#include "figure/figuremodel.h"
#include "figure_testtables.h"
#include "platform/fileio.h"
#include "platform/history.h"
#include "testfolder.h"

#include <gtest/gtest.h>

#include <functional>

using namespace tarvello;
using R = FigureRecord;

namespace {

TEST(History, FoldsOneFieldsEditsDropsRedoAndForgetsALostSavedPoint)
{
    History<int> h(3);
    h.Reset(0);
    h.Record("Type", 1, "name");
    h.Record("Type", 2, "name");
    h.Record("Same", 2);                // no change: no step
    EXPECT_EQ(h.UndoName(), "Type");
    h.BreakMerge();
    h.Record("Type", 3, "name");
    EXPECT_EQ(h.Undo(), 2);
    EXPECT_EQ(h.Undo(), 0);
    EXPECT_FALSE(h.CanUndo());
    EXPECT_TRUE(h.AtSaved());
    EXPECT_EQ(h.RedoName(), "Type");
    EXPECT_EQ(h.Redo(), 2);
    h.MarkSaved();
    h.Undo();
    h.Record("Other", 7);               // the saved state 2 can no longer be reached
    EXPECT_FALSE(h.CanRedo());
    for (int i = 8; i < 12; ++i)
        h.Record("Step", i);
    int steps = 0;
    while (h.CanUndo()) {
        h.Undo();
        ++steps;
        EXPECT_FALSE(h.AtSaved());
    }
    EXPECT_EQ(steps, 3);                // the cap
    EXPECT_EQ(h.Undo(), 8);
}

class FigureUndoTest : public ::testing::Test
{
protected:
    FigureUndoTest() { EXPECT_TRUE(model.Initialize().ok()); }

    std::string Bytes(const std::string &name)
    {
        EXPECT_TRUE(model.SaveTo(folder.File(name)).ok());
        return ReadFileBytes(folder.File(name)).value_or("");
    }

    RulesTables tables = figuretest::FigureTestTables();
    FigureModel model{tables};
    TestFolder folder;
};

TEST_F(FigureUndoTest, StepsUndoneGiveTheSavedFileAndRedoneTheLastFigure)
{
    model.SetFigureName("Ra");
    model.SetFigureName("Ragnar");        // one typed edit
    const std::string saved = Bytes("a.tvf");
    const std::vector<std::function<Status()>> steps = {
        [&] { return model.Choose(&R::cboRace, 1); },
        [&] { return model.Choose(&R::cboFigureType, 3); }, // vehicle captions
        [&] { return model.Add(FigureSeries::Melee, 1); },
        [&] { return model.Add(FigureSeries::Missile, 0); },
        [&] { return model.SetShots(0, 3); },
        [&] { return model.SetHitPoints("4"); },
        [&] { return model.SetUseOptionalMovement(true); },
        [&] { model.ChoosePicture("p.bmp", Picture(2, 1)); return Status{}; },
        [&] { return model.Add(FigureSeries::ExtraItem, 2); },
        [&] { return model.Remove(FigureSeries::Melee, 0); },
    };
    for (const auto &step : steps)
        ASSERT_TRUE(step().ok());
    const FigureRecord last = model.Record();
    ASSERT_NE(last.txtFinalCost, "0");
    EXPECT_EQ(model.UndoName(), "Remove Dagger");

    int undone = 0;
    for (; model.CanUndo(); ++undone)
        ASSERT_TRUE(model.Undo().ok());
    EXPECT_EQ(undone, static_cast<int>(steps.size()) + 1);
    ASSERT_TRUE(model.Redo().ok());       // the name: the saved state
    EXPECT_FALSE(model.Changed());
    EXPECT_EQ(model.Captions(), TrainingCaptions::Training);
    EXPECT_EQ(Bytes("b.tvf"), saved);

    while (model.CanRedo())
        ASSERT_TRUE(model.Redo().ok());
    EXPECT_TRUE(model.Changed());
    EXPECT_EQ(model.Record(), last);
    EXPECT_EQ(model.Captions(), TrainingCaptions::Vehicle);
    EXPECT_EQ(model.Image().width, 2);
}

TEST_F(FigureUndoTest, ChangedFollowsTheSavedPointAndOpeningStartsAfresh)
{
    ASSERT_TRUE(model.Add(FigureSeries::Melee, 0).ok());
    ASSERT_TRUE(model.SaveTo(folder.File("f.tvf")).ok());
    ASSERT_TRUE(model.Choose(&R::cboArmorType, 2).ok());
    ASSERT_TRUE(model.Undo().ok());
    EXPECT_FALSE(model.Changed());
    ASSERT_TRUE(model.Undo().ok());
    EXPECT_TRUE(model.Changed());
    EXPECT_TRUE(model.Record().lvwMeleeWeaponsSelected.empty());
    EXPECT_EQ(model.Record().txtFinalCost, "0");  // recalculated, not stale

    FigureModel opened(tables);
    ASSERT_TRUE(opened.Initialize().ok());
    ASSERT_TRUE(opened.Open(folder.File("f.tvf")).empty());
    EXPECT_FALSE(opened.CanUndo());
    EXPECT_FALSE(opened.Changed());
}

TEST(ArmyUndo, StepsUndoneGiveTheEmptyArmyAndRedoneTheLastOne)
{
    const auto dir = FreshTestFolder("undo");
    WriteTestFile(dir, "a.tvf", FigureText("Archer", "10"));
    WriteTestFile(dir, "b.tvf", FigureText("Knight", "25"));
    ArmyModel model(dir.string(), '.');
    ASSERT_TRUE(model.ScanFigures().ok());
    ASSERT_TRUE(model.WriteArmy((dir / "army.tva").string()).ok());
    model.SetArmyName("North");
    ASSERT_TRUE(model.Add(0).ok());
    model.SetUnitsToAdd("3");
    ASSERT_TRUE(model.Add(1).ok());
    ASSERT_TRUE(model.SelectUnit(1).ok());
    ASSERT_TRUE(model.SetUnitSize("2").ok());
    ASSERT_TRUE(model.SelectUnit(0).ok());
    ASSERT_TRUE(model.SetUnitCount("0").ok());   // deletes the Archer line
    const std::vector<ArmyUnit> last = model.Units();
    const std::string total = model.ArmyCost();
    ASSERT_EQ(total, "150");
    EXPECT_EQ(model.UndoName(), "Change Count of Archer");

    ASSERT_TRUE(model.Undo().ok());
    EXPECT_EQ(model.Units().size(), 2u);
    EXPECT_EQ(model.ArmyCost(), "160");
    while (model.CanUndo())
        ASSERT_TRUE(model.Undo().ok());
    EXPECT_TRUE(model.Units().empty());
    EXPECT_EQ(model.ArmyName(), "");
    EXPECT_EQ(model.ArmyCost(), "0");
    EXPECT_FALSE(model.Changed());
    while (model.CanRedo())
        ASSERT_TRUE(model.Redo().ok());
    EXPECT_EQ(model.Units(), last);
    EXPECT_EQ(model.ArmyCost(), total);
    EXPECT_EQ(model.ArmyName(), "North");
    EXPECT_TRUE(model.Changed());
}

} // namespace
