#include "figure_testtables.h"

#include "card/cardbuild.h"
#include "card/cardsource.h"
#include "figure/figuremodel.h"
#include "platform/fileio.h"
#include "testfolder.h"

#include <gtest/gtest.h>

namespace tarvello {
namespace {

// The test tables, with every elite roll 100 higher so that the table used
// shows in the rolls.
RulesTables Tables()
{
    RulesTables tables = figuretest::FigureTestTables();
    for (AttackRollRow &row : tables.EliteAttackRolls) {
        for (std::int16_t &roll : row.Rolls)
            roll = std::int16_t(roll + 100);
    }
    return tables;
}

CardSource Source(int type, int training)
{
    CardSource s;
    s.Name = "Unit";
    s.Move = "6";
    s.Armor = "Chain";
    s.Cost = "42";
    s.HitFactor = "5";
    s.Morale = "N/A";
    s.HitPoints = "2";
    s.Command = "1";
    s.FigureType = type;
    s.TrainingLevel = training;
    return s;
}

std::vector<int> Rolls(const clsAttack &attack)
{
    std::vector<int> rolls;
    for (int k = 1; k <= 10; ++k)
        rolls.push_back(AttackRoll(attack, k));
    return rolls;
}

TEST(CardBuild, RollsComeFromTheTrainingTableRowAtTheMaximumDamage)
{
    CardSource source = Source(0, 2);
    source.Morale = "7";
    source.Melee = {{"Sword", "4", "Edge"}, {"Fist", "0", ""}};
    source.Missile = {{"Bow", "3.5", "2", "10", "20", "0", ""}, {"Bow", "4", "1", "10", "20", "3", ""}};
    const Result<clsFigure> built = BuildCardFigure(source, Tables());
    ASSERT_TRUE(built.ok()) << built.failure().Message();
    const clsFigure &f = built.value();
    ASSERT_EQ(f.Attacks.size(), 4u);
    EXPECT_EQ(f.Attacks[0].Name, "Sword");
    EXPECT_EQ(Rolls(f.Attacks[0]), (std::vector<int>{104, 105, 106, 107, 108, 109, 110, 111, 112, 113}));
    EXPECT_EQ(Rolls(f.Attacks[1]).front(), 100);
    EXPECT_EQ(f.Attacks[1].ShortRange, 0);
    // 3.5 rounds to the even 4.
    EXPECT_EQ(Rolls(f.Attacks[2]).front(), 104);
    EXPECT_EQ(f.Attacks[2].AttackRadius, 2);
    EXPECT_EQ(f.Attacks[3].Shots, 3);
    EXPECT_EQ(f.Attacks[3].LongRange, 20);
    EXPECT_EQ(f.Morale, 7);
    EXPECT_EQ(f.Cost, 42);
    EXPECT_EQ(f.MaxMana, 0);
}

TEST(CardBuild, MageValuesByTrainingLevel)
{
    const std::vector<std::pair<int, std::vector<int>>> cases = {
        {-1, {0, 0, 0, 0, 0}}, {0, {1, 3, 3, 4, 2}}, {1, {2, 6, 4, 5, 4}}, {2, {4, 10, 8, 10, 8}}};
    for (const auto &[training, values] : cases) {
        CardSource source = Source(4, training);
        source.Melee = {{"Staff", "2", ""}};
        const Result<clsFigure> built = BuildCardFigure(source, Tables());
        ASSERT_TRUE(built.ok());
        const clsFigure &f = built.value();
        EXPECT_EQ((std::vector<int>{f.ManaDraw, f.MaxMana, f.SpellRangeShort, f.SpellRangeLong,
                                    f.MaxSpells}),
                  values);
        EXPECT_EQ(Rolls(f.Attacks[0]).front(), training < 0 ? 0 : training == 2 ? 102 : 2);
        EXPECT_EQ(f.Morale, 0);
    }
}

TEST(CardBuild, RefusesWhatItCannotShow)
{
    const std::vector<std::pair<CardSource, std::string>> cases = {
        {[] { CardSource s = Source(0, 1); s.Missile = {{"Catapult", "9", "3"}}; return s; }(),
         "The weapon Catapult has a maximum damage of 9, for which the line attack roll table "
         "has no row."},
        {[] { CardSource s = Source(0, 0); s.Melee = {{"Claw", "-1", ""}}; return s; }(),
         "The weapon Claw has a maximum damage of -1, for which the green attack roll table has "
         "no row."},
        {[] { CardSource s = Source(0, 0); s.HitPoints = "many"; return s; }(),
         "The field Hit Points holds \"many\", which is not a number."},
        {[] { CardSource s = Source(0, 0); s.Missile = {{"Bow", "1", "1", "99999"}}; return s; }(),
         "The weapon Bow has a short range of 99999, which is too large."},
    };
    for (const auto &[source, description] : cases) {
        const Result<clsFigure> built = BuildCardFigure(source, Tables());
        ASSERT_FALSE(built.ok());
        EXPECT_EQ(built.failure().description, description);
    }
}

TEST(CardBuild, TheEditorsFigureWithItsSavedLayout)
{
    const RulesTables tables = Tables();
    FigureModel editor(tables);
    (void)editor.Initialize();
    (void)editor.SetFigureName("Archer");
    (void)editor.Add(FigureSeries::Missile, 0);
    (void)editor.Add(FigureSeries::Melee, 1);
    (void)editor.Add(FigureSeries::ExtraItem, 0);
    (void)editor.SetUseOptionalMovement(true);
    Result<clsFigure> unsaved = BuildCardFigure(CardSourceFromEditor(editor.Record(), ""), tables);
    ASSERT_TRUE(unsaved.ok());
    EXPECT_EQ(unsaved.value().UnitFile, "");
    EXPECT_EQ(unsaved.value().ImageWidth, 0);
    EXPECT_EQ(unsaved.value().Attacks[0].Name, "Dagger");
    EXPECT_EQ(unsaved.value().Attacks[1].Name, "Bow");
    EXPECT_EQ(unsaved.value().ExtraItems, 1);
    EXPECT_TRUE(unsaved.value().OptionalRules);
    EXPECT_EQ(std::to_string(unsaved.value().Cost), editor.Record().txtFinalCost);

    TestFolder dir;
    const std::string path = dir.File("archer.tvf");
    ASSERT_TRUE(WriteFileAtomically(path, "[CardLayout]\r\nHeight=900\r\nWidth=700\r\nLeft=0\r\n"
                                          "Top=250\r\n")
                    .ok());
    Result<clsFigure> saved = BuildCardFigure(CardSourceFromEditor(editor.Record(), path), tables);
    ASSERT_TRUE(saved.ok());
    const clsFigure &f = saved.value();
    EXPECT_EQ((std::vector<int>{f.ImageHeight, f.ImageWidth, f.ImageLeft, f.ImageTop}),
              (std::vector<int>{900, 700, 0, 250}));
}

} // namespace
} // namespace tarvello
