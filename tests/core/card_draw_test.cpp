#include "cardrecorder.h"

#include "card/carddraw.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tarvello {
namespace {

using cardtest::CardRecorder;
using Texts = std::vector<std::string>;

CardStyle TestStyle()
{
    CardStyle style = DefaultCardStyle("F");
    style.Heading.Name = "H";
    style.Attack.Name = "A";
    style.AttackRoll.Name = "R";
    return style;
}

clsAttack Attack(const std::string &name, int shortRange = 0, int longRange = 0, int radius = 0,
                 int shots = 0)
{
    clsAttack a;
    a.Name = name;
    a.ShortRange = std::int16_t(shortRange);
    a.LongRange = std::int16_t(longRange);
    a.AttackRadius = std::int16_t(radius);
    a.Shots = std::int16_t(shots);
    for (int k = 1; k <= 10; ++k)
        AttackRoll(a, k) = std::int16_t(k == 1 ? 0 : k + 2);
    return a;
}

std::vector<std::string> Draw(const clsFigure &figure, CardRecorder &target,
                              const CardStyle &style = TestStyle(), bool picture = false)
{
    CardScene scene;
    scene.figure = &figure;
    scene.style = &style;
    scene.image = kInitialImageRect;
    scene.hasFigurePicture = picture;
    scene.creditWidth = 3000;
    scene.creditHeight = 1004;
    DrawCard(target, scene);
    return target.Texts();
}

std::size_t IndexOf(const std::vector<std::string> &ops, const std::string &op)
{
    return std::size_t(std::find(ops.begin(), ops.end(), op) - ops.begin());
}

TEST(CardDraw, ScreenCardStartsWithFramesRuleAndPictures)
{
    clsFigure figure;
    CardRecorder screen;
    Draw(figure, screen, TestStyle(), true);
    const std::vector<std::string> first(screen.ops.begin(), screen.ops.begin() + 11);
    EXPECT_EQ(first, (Texts{"clear", "box 30,30 3402,15", "box 3387,30 3402,4762",
                            "box 30,4747 3402,4762", "box 30,30 15,4762",
                            "box 170,198 3260,273", "box 3185,198 3260,4535",
                            "box 170,4460 3260,4535", "box 170,198 245,4535",
                            "box 340,737 3033,765", "picture figure 540,360 1395x1815"}));
    EXPECT_NE(IndexOf(screen.ops, "picture logo 283,3969 1191x454"), screen.ops.size());
    EXPECT_EQ(screen.ops.back(), "picture credit 1531,4309 600x200");
}

TEST(CardDraw, PrinterCardIsNotClearedAndHasNoFigureWithoutPicture)
{
    clsFigure figure;
    CardRecorder printer(true, 1.2);
    Draw(figure, printer);
    EXPECT_EQ(printer.ops.front(), "box 2.4,2.4 3402,1.2");
    EXPECT_EQ(std::count_if(printer.ops.begin(), printer.ops.end(),
                            [](const std::string &op) { return op.rfind("picture figure", 0) == 0; }),
              0);
}

struct DataCase
{
    const char *what;
    clsFigure figure;
    Texts expected;
};

clsFigure Figure(int type, int training, int hitPoints, int command, int morale,
                 const std::string &armor, int extra = 0)
{
    clsFigure f;
    f.Name = "Unit";
    f.FigureType = std::int16_t(type);
    f.TrainingLevel = std::int16_t(training);
    f.Move = 6;
    f.HitFactor = 5;
    f.HitPoints = hitPoints;
    f.Command = command;
    f.Morale = morale;
    f.Armor = armor;
    f.ExtraItems = extra;
    f.Cost = 35;
    return f;
}

TEST(CardDraw, DataLinesFollowTheirConditions)
{
    clsFigure mage = Figure(4, 2, 2, 0, 0, "Robe");
    mage.MaxSpells = 8;
    mage.MaxMana = 10;
    mage.ManaDraw = 4;
    mage.SpellRangeShort = 8;
    mage.SpellRangeLong = 10;
    clsFigure shortless = mage;
    shortless.SpellRangeShort = 0;
    clsFigure hero = Figure(2, 0, 1, 2, 0, "Plate Mail Armour", 3);
    hero.OptionalRules = true;
    const std::vector<DataCase> cases = {
        {"line soldier, armour of exactly ten characters", Figure(0, 1, 1, 0, 5, "Chain Mail"),
         {"Unit", "Training Level: Line", "Move: 6", "Hit Factor: 5", "Morale: 5", "Armor:",
          "Chain Mail", "Figure Cost: 35"}},
        {"hero: two hit points shown, three-word armour wrapped at the first blank",
         [&] { clsFigure f = hero; f.HitPoints = 2; return f; }(),
         {"Unit", "Training Level: Green", "Move: 6", "Hit Factor: 5", "Hit Points: 2",
          "Command: +2", "Armor:", "Plate", "Mail Armour", "Extra:3", "Figure Cost: 35*"}},
        {"one hit point not shown", hero,
         {"Unit", "Training Level: Green", "Move: 6", "Hit Factor: 5", "Command: +2", "Armor:",
          "Plate", "Mail Armour", "Extra:3", "Figure Cost: 35*"}},
        {"master mage", mage,
         {"Unit", "Training Level: Master", "Move: 6", "Hit Factor: 5", "Hit Points: 2",
          "Total Spells:8", "Max Mana:10", "Mana Draw:4", "Spell Range", "Short:8 Long:10",
          "Armor:", "Robe", "Mage Cost: 35"}},
        {"mage with short range 0 has no range lines", shortless,
         {"Unit", "Training Level: Master", "Move: 6", "Hit Factor: 5", "Hit Points: 2",
          "Total Spells:8", "Max Mana:10", "Mana Draw:4", "Armor:", "Robe", "Mage Cost: 35"}},
        {"vehicle without training", Figure(3, -1, 1, 0, 0, "Hull"),
         {"Unit", "Move: 6", "Hit Factor: 5", "Armor:", "Hull", "Vehicle Cost: 35"}},
        {"vehicle", Figure(3, 2, 1, 0, 0, "Hull"),
         {"Unit", "Targeting System: Excellent", "Move: 6", "Hit Factor: 5", "Armor:", "Hull",
          "Vehicle Cost: 35"}},
    };
    for (const DataCase &c : cases) {
        CardRecorder target;
        EXPECT_EQ(Draw(c.figure, target), c.expected) << c.what;
    }
}

TEST(CardDraw, DataLinesAreRightAlignedOneTextHeightApart)
{
    CardRecorder target;
    Draw(Figure(0, 1, 1, 0, 5, "Chain Mail"), target);
    // Data font 8 points: 160 twips high, 80 twips per character.
    EXPECT_NE(IndexOf(target.ops, "text 1433,907 F8 [Training Level: Line]"), target.ops.size());
    EXPECT_NE(IndexOf(target.ops, "text 2473,1067 F8 [Move: 6]"), target.ops.size());
    EXPECT_NE(IndexOf(target.ops, "text 2233,1707 F8 [Chain Mail]"), target.ops.size());
    EXPECT_NE(IndexOf(target.ops, "text 1833,3969 F8 [Figure Cost: 35]"), target.ops.size());
    // The name, 14 points, centred: 1701 - 560 / 2.
    EXPECT_NE(IndexOf(target.ops, "text 1421,350 H14 [Unit]"), target.ops.size());
}

TEST(CardDraw, AttackTitleShowsOnlyItsSetParts)
{
    const std::vector<std::pair<clsAttack, std::string>> cases = {
        {Attack("Sword"), "Sword"},
        {Attack("Longbow", 12, 24, 1, 0), "Longbow S:12 L:24"},
        {Attack("Catapult", 30, 60, 2, 3), "Catapult S:30 L:60 AR:2 #:3"},
        {Attack("Net", 0, 5, 0, 1), "Net L:5 #:1"},
    };
    for (const auto &[attack, title] : cases) {
        CardRecorder target;
        DrawAttack(target, attack, 1, TestStyle());
        EXPECT_EQ(target.Texts().front(), title);
    }
}

TEST(CardDraw, AttackBlockOnScreenAndOnPrinter)
{
    CardRecorder screen;
    DrawAttack(screen, Attack("Sword"), 1, TestStyle());
    // 8 points: u = 160 + 48; the block starts at 4000 - 3u.
    const Texts expectedStart = {"width 2", "text 300,3376 A8 [Sword]", "text 300,3536 R8 [ROLL]",
                                 "text 324,3720 R8 [DMG]", "line 300,3696 588,3696",
                                 "line 588,3696 588,3904", "line 588,3904 300,3904",
                                 "line 300,3904 300,3696", "text 662,3536 R8 [ 1]",
                                 "line 638,3696 798,3696"};
    EXPECT_EQ(Texts(screen.ops.begin(), screen.ops.begin() + 10), expectedStart);
    EXPECT_NE(IndexOf(screen.ops, "text 662,3720 R8 [ 0]"), screen.ops.size());
    EXPECT_NE(IndexOf(screen.ops, "text 2102,3536 R8 [10]"), screen.ops.size());
    EXPECT_NE(IndexOf(screen.ops, "text 2102,3720 R8 [12]"), screen.ops.size());

    CardRecorder printer(true, 1.2);
    DrawAttack(printer, Attack("Sword"), 2, TestStyle());
    EXPECT_EQ(printer.ops.front(), "width 5");
    EXPECT_EQ(printer.Texts().front(), "Sword");
    EXPECT_NE(IndexOf(printer.ops, "text 300,2752 A8 [Sword]"), printer.ops.size());
    // Cells 48 twips wider: the tenth cell starts at 638 + 9 x 208.
    EXPECT_NE(IndexOf(printer.ops, "line 2510,3072 2718,3072"), printer.ops.size());
}

TEST(CardDraw, OnlyTheFirstTwoAttacksAreDrawn)
{
    clsFigure figure = Figure(0, 0, 1, 0, 3, "Leather");
    figure.Attacks = {Attack("First"), Attack("Second"), Attack("Third")};
    CardRecorder target;
    const Texts texts = Draw(figure, target);
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "ROLL"), 2);
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "Third"), 0);
    EXPECT_NE(IndexOf(target.ops, "text 300,3376 A8 [First]"), target.ops.size());
    EXPECT_NE(IndexOf(target.ops, "text 300,2752 A8 [Second]"), target.ops.size());
}

TEST(CardDraw, AFailingStepIsLeftOutAndDrawingGoesOn)
{
    clsFigure figure = Figure(0, 0, 1, 0, 3, "Leather");
    figure.Attacks = {Attack("Sword")};
    CardStyle style = TestStyle();
    style.Heading.Name = "Missing";
    style.Data.Size = "big";
    CardRecorder target;
    const Texts texts = Draw(figure, target, style);
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "Unit"), 0);
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "Move: 6"), 0);
    EXPECT_EQ(texts.front(), "Sword");
    EXPECT_EQ(target.ops.back(), "picture credit 1531,4309 600x200");
}

} // namespace
} // namespace tarvello
