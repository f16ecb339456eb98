#include "cardrecorder.h"
#include "testfolder.h"

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

// Whole cards, every drawing step in order: a line soldier with three attacks
// (only the first two are drawn) on the screen with a picture, and on a printer
// whose pixel is 1.2 twips without one.
TEST(CardDraw, ScreenAndPrinterCardsAsTheGoldenFilesShow)
{
    clsFigure figure = Figure(0, 1, 1, 0, 5, "Chain Mail");
    figure.Attacks = {Attack("Sword"), Attack("Longbow", 12, 24, 1, 0), Attack("Third")};
    for (const bool printer : {false, true}) {
        CardRecorder target(printer, printer ? 1.2 : 15);
        Draw(figure, target, TestStyle(), !printer);
        std::string ops;
        for (const std::string &op : target.ops)
            ops += op + "\n";
        ExpectGolden(ops, printer ? "card/printer.txt" : "card/screen.txt");
    }
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
