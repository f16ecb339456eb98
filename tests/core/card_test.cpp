#include "army/armymodel.h"
#include "card/boxfilter.h"
#include "card/cardbuild.h"
#include "card/carddraw.h"
#include "card/cardlayout.h"
#include "card/cardsheet.h"
#include "card/cardsheetjob.h"
#include "card/cardsource.h"
#include "card/cardstyle.h"
#include "card/unitcardmodel.h"
#include "cardrecorder.h"
#include "figure/figuremodel.h"
#include "figure_testtables.h"
#include "platform/fileio.h"
#include "platform/profiledocument.h"
#include "rules/modloaddata.h"
#include "testfolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <filesystem>
#include <sstream>

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

const FontExistsFn kInstalled = [](const std::string &name) { return name != "Nofont"; };

TEST(CardStyleFile, KeysAreWrittenInTheirOrder)
{
    ProfileDocument doc;
    CardStyle style = DefaultCardStyle("Serif");
    style.Data.Size = "9.5";
    style.Attack.Italic = 1;
    WriteStyle(doc, style);
    ExpectGolden(doc.ToText(), "card/style_keys.tvs");
}

TEST(CardStyleFile, FigureWithoutStyleGetsTheDefaultsAndTheCardFont)
{
    std::vector<std::string> messages;
    bool substituted = false;
    const CardStyle style = ReadFigureStyle(ProfileDocument::Parse("[Figure]\r\nx=1\r\n"),
                                            kInstalled, "Card", messages, substituted);
    EXPECT_EQ(style, DefaultCardStyle("Card"));
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(substituted);
}

TEST(CardStyleFile, MissingFontIsReplacedWithItsMessage)
{
    const ProfileDocument doc = ProfileDocument::Parse(
        "[Style]\r\ntxtHeadingFontName=Nofont\r\ntxtDataFontName=Serif\r\n"
        "txtDataFontSize=\r\nchkDataFontBold=0\r\nchkHeadingFontItalic=1\r\n");
    std::vector<std::string> messages;
    bool substituted = false;
    const CardStyle style = ReadFigureStyle(doc, kInstalled, "Card", messages, substituted);
    EXPECT_EQ(style.Heading, (FontRole{"Card", "14", 1, 1}));
    EXPECT_EQ(style.Data, (FontRole{"Serif", "", 0, 0}));
    EXPECT_EQ(messages, std::vector<std::string>{
                            "The font specified (Nofont) in the style does not exist on this "
                            "computer.Card has been selected instead."});
}

TEST(CardStyleFile, LoadStyleGivesEmptySizesFourteenAndTakesNamesUntested)
{
    const ProfileDocument doc = ProfileDocument::Parse(
        "[Style]\r\ntxtDataFontName=Nofont\r\ntxtDataFontSize=\r\ntxtAttackFontSize=abc\r\n"
        "chkDataFontItalic=1\r\n");
    const CardStyle style = ReadStyleFile(doc, "Card");
    EXPECT_EQ(style.Data, (FontRole{"Nofont", "14", 0, 1}));
    EXPECT_EQ(style.Attack, (FontRole{"Card", "abc", 0, 0}));
    EXPECT_EQ(style.Heading, (FontRole{"Card", "14", 0, 0}));
}

TEST(CardStyleFile, SizesThatCannotBeDrawnAreNamedAndDrawnAtTheirDefault)
{
    CardStyle style = DefaultCardStyle("Card");
    EXPECT_EQ(UndrawableSizesNotice(style), "");
    style.Heading.Size = "0";
    style.Data.Size = "9.5";
    style.Attack.Size = "abc";
    style.AttackRoll.Size = "3000";
    const CardStyle kept = style;
    EXPECT_EQ(UndrawableSizesNotice(style),
              "The style holds font sizes that cannot be drawn: heading \"0\" (drawn at 14), "
              "attack \"abc\" (drawn at 8), attack roll \"3000\" (drawn at 8). The card draws "
              "those texts at their default size; the style keeps the sizes as written.");
    const CardStyle drawn = DrawableStyle(style);
    EXPECT_EQ(style, kept);
    EXPECT_EQ((std::vector<std::string>{drawn.Heading.Size, drawn.Data.Size, drawn.Attack.Size,
                                        drawn.AttackRoll.Size}),
              (std::vector<std::string>{"14", "9.5", "8", "8"}));
}

TEST(UnitCardModel, LoadStyleTellsWhatTheFileDidNotHold)
{
    TestFolder dir;
    const struct { const char *bytes; std::string notice; } cases[] = {
        {"", NoStyleNotice(dir.File("s.tvs"))},
        {"\x01\xff random", NoStyleNotice(dir.File("s.tvs"))},
        {"[Style]\r\ntxtHeadingFontName=Serif\r\n", ""},
        {"[Style]\r\ntxtDataFontSize=-2\r\n",
         "The style holds font sizes that cannot be drawn: data \"-2\" (drawn at 8). The card "
         "draws those texts at their default size; the style keeps the sizes as written."}};
    for (const auto &c : cases) {
        dir.Write("s.tvs", c.bytes);
        UnitCardModel card("Card");
        const Result<std::string> loaded = card.LoadStyle(dir.File("s.tvs"));
        ASSERT_TRUE(loaded.ok());
        EXPECT_EQ(loaded.value(), c.notice) << c.bytes;
    }
}

TEST(CardLayoutFile, ValuesOutsideTheLayoutCountAsNotSet)
{
    const ProfileDocument doc = ProfileDocument::Parse(
        "[CardLayout]\r\nHeight=-20\r\nWidth= 1534 \r\nLeft=-300\r\nTop=1e9\r\n");
    EXPECT_EQ(ReadCardLayout(doc), (CardRect{-300, 0, 1534, 0}));
    EXPECT_EQ(LayoutValue("40000", false), 0);
    EXPECT_EQ(LayoutValue("abc", true), 0);
    EXPECT_EQ(LayoutValue("12.5", false), 12);
}

TEST(CardLayoutFile, GrowThenShrinkDoesNotRestoreTheSize)
{
    const CardRect grown = Grown(kInitialImageRect);
    EXPECT_EQ(grown, (CardRect{540, 360, 1534, 1996}));
    EXPECT_EQ(Shrunk(grown), (CardRect{540, 360, 1380, 1796}));
    EXPECT_EQ(Grown(CardRect{0, 0, 30000, 10}).Width, 30000);
    EXPECT_EQ(Shrunk(CardRect{0, 0, 1, 1}), (CardRect{0, 0, 1, 1}));
}

clsFigure SavedFigure(const std::string &path)
{
    clsFigure figure;
    figure.Name = "Knight";
    figure.UnitFile = path;
    figure.ImageFile = "knight.bmp";
    figure.ImageLeft = 600;
    figure.ImageWidth = 1000;
    return figure;
}

TEST(UnitCardModel, LayoutAndStyleSavedIntoTheFigureComeBack)
{
    TestFolder dir;
    const std::string path = dir.File("knight.tvf");
    ASSERT_TRUE(WriteFileAtomically(path, "[Figure]\r\ntxtFigureName=Knight\r\n").ok());
    UnitCardModel card("Card");
    EXPECT_TRUE(card.LoadFigure(SavedFigure(path), kInstalled).empty());
    EXPECT_FALSE(card.LayoutChanged() || card.StyleChanged() || card.AsksLayoutQuestion());
    EXPECT_EQ(card.image(), (CardRect{600, 360, 1000, 1815}));
    card.SetStyleValue(StyleKeys()[0], "1");
    card.ApplyFont(FontRoleId::Data, {"Serif", 10.5, false, true}, ',');
    EXPECT_TRUE(card.StyleChanged());
    card.Grow();
    ASSERT_EQ(card.SaveLayout().outcome, LayoutSaveResult::Saved);
    EXPECT_FALSE(card.LayoutChanged());

    ProfileDocument saved;
    ASSERT_TRUE(saved.Load(path));
    EXPECT_EQ(saved.Read("CardLayout", "Width", ""), "1100");
    EXPECT_EQ(saved.Read("Figure", "txtFigureName", ""), "Knight");
    UnitCardModel again("Card");
    clsFigure figure = SavedFigure(path);
    figure.ImageWidth = 1100;
    figure.ImageHeight = 1996;
    (void)again.LoadFigure(figure, kInstalled);
    EXPECT_EQ(again.style(), card.style());
    EXPECT_EQ(again.style().Data, (FontRole{"Serif", "10,5", 0, 1}));
    EXPECT_EQ(again.image(), (CardRect{600, 360, 1100, 1996}));
    EXPECT_FALSE(again.StyleChanged());

    // Moved and saved again: the file read back holds the picture where it is.
    card.MovePicture(120, 240);
    ASSERT_EQ(card.SaveLayout().outcome, LayoutSaveResult::Saved);
    ASSERT_TRUE(saved.Load(path));
    EXPECT_EQ(ReadCardLayout(saved), card.image());
    EXPECT_NE(card.image(), (CardRect{600, 360, 1100, 1996}));
}

// A size that cannot be drawn stays in the style as the file has it, and
// Save Style and Save Layout write it back so.
TEST(UnitCardModel, SizesThatCannotBeDrawnAreKeptAndSavedAsWritten)
{
    TestFolder dir;
    const std::string path = dir.File("knight.tvf");
    ASSERT_TRUE(WriteFileAtomically(path, "[Style]\r\nchkSaveStyleIntoLayout=1\r\n"
                                          "txtHeadingFontSize=5000\r\ntxtDataFontSize=abc\r\n")
                    .ok());
    UnitCardModel card("Card");
    EXPECT_EQ(card.LoadFigure(SavedFigure(path), kInstalled).size(), 1u);
    EXPECT_EQ(card.style().Heading.Size, "5000");
    EXPECT_EQ(card.style().Data.Size, "abc");
    ASSERT_TRUE(card.SaveStyle(dir.File("s.tvs")).ok());
    ASSERT_EQ(card.SaveLayout().outcome, LayoutSaveResult::Saved);
    for (const std::string &file : {dir.File("s.tvs"), path}) {
        ProfileDocument saved;
        ASSERT_TRUE(saved.Load(file));
        EXPECT_EQ(saved.Read(kStyleSection, "txtHeadingFontSize", ""), "5000") << file;
        EXPECT_EQ(saved.Read(kStyleSection, "txtDataFontSize", ""), "abc") << file;
    }
    UnitCardModel loaded("Card");
    ASSERT_TRUE(loaded.LoadStyle(dir.File("s.tvs")).ok());
    EXPECT_EQ(loaded.style(), card.style());
}

TEST(UnitCardModel, NeverSavedFigureWritesNoLayout)
{
    UnitCardModel card("Card");
    (void)card.LoadFigure(clsFigure{}, kInstalled);
    card.MovePicture(100, 200);
    const LayoutSaveResult result = card.SaveLayout();
    EXPECT_EQ(result.outcome, LayoutSaveResult::FigureNotSaved);
    EXPECT_EQ(result.message, "Unit must be saved first in order to save layout data!");
    EXPECT_TRUE(card.LayoutChanged());
}

TEST(UnitCardModel, StyleFileRoundTripAndFailures)
{
    TestFolder dir;
    const std::string path = dir.File("style.tvs");
    UnitCardModel card("Card");
    card.ApplyFont(FontRoleId::Heading, {"Serif", 20, true, false}, '.');
    ASSERT_TRUE(card.SaveStyle(path).ok());
    EXPECT_FALSE(card.StyleChanged());
    UnitCardModel other("Other");
    ASSERT_TRUE(other.LoadStyle(path).ok());
    EXPECT_EQ(other.style(), card.style());
    const Status missing = other.LoadStyle(path + ".none").status();
    ASSERT_FALSE(missing.ok());
    EXPECT_EQ(missing.failure().sentence, "Error in loading style " + path + ".none !");
    other.SetStyleValue(StyleKeys()[2], "big");
    EXPECT_EQ(other.FontPreset(FontRoleId::AttackRoll).failure().Message(),
              "Error in changing style!\r\nType mismatch");
}

TEST(UnitCardModel, LayoutQuestionFollowsTheFlags)
{
    UnitCardModel card("Card");
    ASSERT_EQ(card.SaveLayout().outcome, LayoutSaveResult::FigureNotSaved);
    card.SetStyleValue(StyleKeys()[0], "1");
    card.ApplyFont(FontRoleId::Heading, {"Serif", 12, true, false}, '.');
    card.StyleQuestionAnsweredYes();
    EXPECT_TRUE(card.LayoutChanged());
}

TEST(BoxFilter, EdgeValues)
{
    ClsBoxFilter box;
    EXPECT_EQ(box.Filter(1.0), 1.0);
    EXPECT_EQ(box.Filter(1.0001), 0.0);
    EXPECT_EQ(box.Filter(-0.7), 1.0);
    box.SetWidth(0);
    EXPECT_EQ(box.Filter(0), 1.0);
    EXPECT_EQ(box.Filter(0.1), 0.0);
    box.SetWidth(3);
    EXPECT_EQ(box.Filter(2), 0.0);
}

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

// A text drawn on the recorder: its box from the recorder's measures.
struct TextBox
{
    double left, top, right, bottom;
    int size;
    std::string text;
};

std::vector<TextBox> TextBoxes(const CardRecorder &target)
{
    std::vector<TextBox> boxes;
    for (const std::string &op : target.ops) {
        if (op.rfind("text ", 0) != 0)
            continue;
        std::istringstream in(op.substr(5));
        double x = 0, y = 0;
        char comma = 0, role = 0;
        int size = 0;
        in >> x >> comma >> y >> role >> size;
        const std::string text = op.substr(op.find('[') + 1, op.size() - op.find('[') - 2);
        boxes.push_back({x, y, x + double(text.size()) * size * 10, y + size * 20.0, size, text});
    }
    return boxes;
}

bool Overlap(const TextBox &a, double left, double top, double right, double bottom)
{
    return a.left < right && left < a.right && a.top < bottom && top < a.bottom;
}

clsFigure StressMage()
{
    clsFigure mage = Figure(4, 2, 3, 2, 0, "Plate Mail Armour", 2);
    mage.Name = "Battle Mage";
    mage.MaxSpells = 8;
    mage.MaxMana = 10;
    mage.ManaDraw = 4;
    mage.SpellRangeShort = 8;
    mage.SpellRangeLong = 10;
    mage.Attacks = {Attack("Fire Bolt", 12, 24, 2, 3), Attack("Staff")};
    return mage;
}

// Cards too full for the style: fitted, every text lies inside the inner
// frame, away from the logo and from every other text, each attack with its
// ten columns; the font a part needed is worked out by hand from the
// recorder's measures (size x 10 twips a character, size x 20 high).
TEST(CardFit, TooFullCardsAreFittedInsideTheFrame)
{
    const struct {
        const char *what;
        clsFigure figure;
        bool printer;
        int attackSize;
        std::pair<std::string, int> fitted; // a text and the size it gets
    } cases[] = {
        {"34-character name", [] { clsFigure f = Figure(0, 1, 1, 0, 5, "Chain");
             f.Name = "Sir Aldric of the Northern Marches"; return f; }(), false, 8,
         {"Sir Aldric of the Northern Marches", 8}},
        {"mage with fourteen data lines and two attacks", StressMage(), false, 8, {"Move: 6", 6}},
        {"the same mage printed", StressMage(), true, 8, {"Armor:", 6}},
        {"the mage with 14-point attacks: those step down too", StressMage(), false, 14,
         {"Fire Bolt S:12 L:24 AR:2 #:3", 9}},
        {"and their rolls with them", StressMage(), false, 14, {"10", 9}},
        {"five-digit vehicle cost", [] { clsFigure f = Figure(3, 1, 1, 0, 0, "Hull");
             f.Cost = 12345; f.OptionalRules = true; return f; }(), false, 8,
         {"Vehicle Cost: 12345*", 7}},
        {"long attack title", [] { clsFigure f = Figure(0, 1, 1, 0, 5, "Chain");
             f.Attacks = {Attack("Dragonbone Crossbow", 120, 240, 12, 10)}; return f; }(), false, 8,
         {"Dragonbone Crossbow S:120 L:240 AR:12 #:10", 6}},
        {"printed rolls in 11 points", [] { clsFigure f = Figure(0, 1, 1, 0, 5, "Chain Mail");
             f.Attacks = {Attack("Sword"), Attack("Longbow", 12, 24)}; return f; }(), true, 11,
         {"10", 11}},
        {"screen rolls in 12 points would end just short of the frame: one size smaller",
         [] { clsFigure f = Figure(0, 1, 1, 0, 5, "Chain Mail");
             f.Attacks = {Attack("Sword"), Attack("Longbow", 12, 24)}; return f; }(), false, 12,
         {"10", 11}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        CardStyle style = TestStyle();
        style.Attack.Size = style.AttackRoll.Size = std::to_string(c.attackSize);
        CardRecorder target(c.printer, c.printer ? 1.2 : 15);
        CardScene scene;
        scene.figure = &c.figure;
        scene.style = &style;
        EXPECT_TRUE(DrawCard(target, scene));
        const std::vector<TextBox> boxes = TextBoxes(target);
        const CardBox room = InnerRoom(target.PixelTwips());
        const CardBox logo = LogoBox();
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            const TextBox &b = boxes[i];
            EXPECT_TRUE(b.left >= room.left && b.right <= room.right && b.top >= room.top
                        && b.bottom <= room.bottom) << b.text << " at " << b.left << "," << b.top;
            EXPECT_FALSE(Overlap(b, logo.left, logo.top, logo.right, logo.bottom)) << b.text;
            for (std::size_t j = i + 1; j < boxes.size(); ++j)
                EXPECT_FALSE(Overlap(b, boxes[j].left, boxes[j].top, boxes[j].right, boxes[j].bottom))
                    << b.text << " / " << boxes[j].text;
            if (b.text == c.fitted.first) {
                EXPECT_EQ(b.size, c.fitted.second) << b.text;
            }
        }
        const auto tenth = std::count_if(boxes.begin(), boxes.end(),
                                         [](const TextBox &b) { return b.text == "10"; });
        EXPECT_GE(tenth, std::min<std::ptrdiff_t>(2, std::ptrdiff_t(c.figure.Attacks.size())));
    }
    // A name that is too long even at the smallest size is drawn at it.
    clsFigure crowded = Figure(0, 1, 1, 0, 5, "Chain");
    crowded.Name = std::string(60, 'W');
    CardRecorder target;
    const CardStyle style = TestStyle();
    const CardScene scene{&crowded, &style, kInitialImageRect, false, 0, 0};
    EXPECT_FALSE(DrawCard(target, scene));
    EXPECT_EQ(TextBoxes(target).front().size, kFitMinPoints);
    // A cost line too long to clear the logo even at the smallest size still
    // ends inside the frame (on a coarse target whose frame is thick).
    clsFigure costly = Figure(3, 1, 1, 0, 0, "Hull");
    costly.Cost = std::numeric_limits<std::int32_t>::min();
    costly.OptionalRules = true;
    CardRecorder coarse(false, 35);
    const CardScene costlyScene{&costly, &style, kInitialImageRect, false, 0, 0};
    EXPECT_FALSE(DrawCard(coarse, costlyScene));
    const TextBox cost = TextBoxes(coarse).back();
    EXPECT_EQ(cost.text, "Vehicle Cost: -2147483648*");
    EXPECT_LE(cost.right, InnerRoom(coarse.PixelTwips()).right);
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
    style.Attack.Name = "Missing";
    style.Data.Size = "big";
    CardRecorder target;
    const Texts texts = Draw(figure, target, style);
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "Unit"), 0);
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "Sword"), 0);
    // A size that cannot be drawn is drawn at its role's default.
    EXPECT_NE(std::find(target.ops.begin(), target.ops.end(), "text 2473,1067 F8 [Move: 6]"),
              target.ops.end());
    EXPECT_EQ(target.ops.back(), "picture credit 1531,4309 600x200");
}

// Card sheets: how many cards a page holds and where, the cut marks around
// them, the pages cards take, and an army's cards from its figure files.

// Paper in twips with a printer's usual quarter-inch margins.
SheetArea Paper(int width, int height)
{
    return {width, height, 360, 360, width - 720, height - 720};
}

struct LayoutCase
{
    const char *paper;
    SheetArea area;
    int columns, rows;
    int firstLeft, firstTop; // by hand: (paper - block) / 2 - margin
    int marks;
};

// Blocks: A4 and Letter 10432 x 14512, A5 6917 x 9637, A4 landscape 13947 x 9637.
const LayoutCase kLayouts[] = {
    {"A4", Paper(11906, 16838), 3, 3, 377, 803, 24},
    {"Letter", Paper(12240, 15840), 3, 3, 544, 304, 24},
    {"A5", Paper(8391, 11906), 2, 2, 377, 774, 16},
    {"A4 landscape", Paper(16838, 11906), 4, 2, 1085, 774, 24},
    // A wide left margin: the block moves to the printable area's edge, no
    // room for marks on the left.
    {"A4 uneven margins", {11906, 16838, 1000, 360, 10546, 16118}, 3, 3, 0, 803, 18},
};

bool Touches(const CutMark &m, const CardRect &c)
{
    return std::max(m.x1, m.x2) >= c.Left && std::min(m.x1, m.x2) <= c.Left + c.Width
           && std::max(m.y1, m.y2) >= c.Top && std::min(m.y1, m.y2) <= c.Top + c.Height;
}

TEST(CardSheetLayout, FitsCardsCentredWithMarksOutsideEveryCard)
{
    for (const LayoutCase &c : kLayouts) {
        SCOPED_TRACE(c.paper);
        const CardSheetLayout layout = LayoutCardSheet(c.area);
        ASSERT_EQ(std::make_pair(layout.columns, layout.rows), std::make_pair(c.columns, c.rows));
        ASSERT_EQ(int(layout.places.size()), c.columns * c.rows);
        EXPECT_EQ(layout.places[0].Left, c.firstLeft);
        EXPECT_EQ(layout.places[0].Top, c.firstTop);
        EXPECT_EQ(layout.places[1].Left - layout.places[0].Left, 3402 + kCardSheetGap);
        EXPECT_EQ(layout.places[std::size_t(c.columns)].Top - layout.places[0].Top, 4762 + kCardSheetGap);
        EXPECT_TRUE(layout.places.back().Left + 3402 <= c.area.width && layout.places.back().Top + 4762 <= c.area.height);
        EXPECT_EQ(int(layout.marks.size()), c.marks);
        for (const CutMark &m : layout.marks) {
            EXPECT_GE(std::min({m.x1, m.y1, m.x2, m.y2}), 0);
            EXPECT_TRUE(std::max(m.x1, m.x2) <= c.area.width && std::max(m.y1, m.y2) <= c.area.height);
            for (const CardRect &card : layout.places)
                EXPECT_FALSE(Touches(m, card)) << m.x1 << "," << m.y1;
        }
        // Every card edge continues in a mark.
        const auto marked = [&layout](bool vertical, int at) {
            return std::any_of(layout.marks.begin(), layout.marks.end(), [&](const CutMark &m) {
                return vertical ? m.x1 == at && m.x2 == at : m.y1 == at && m.y2 == at;
            });
        };
        for (const CardRect &card : layout.places) {
            EXPECT_TRUE(marked(true, card.Left) && marked(true, card.Left + card.Width));
            EXPECT_TRUE(marked(false, card.Top) && marked(false, card.Top + card.Height));
        }
    }
}

TEST(CardSheetLayout, MarksShortenOrVanishWhereTheMarginEnds)
{
    EXPECT_TRUE(LayoutCardSheet({3402, 4762, 0, 0, 3402, 4762}).marks.empty());
    // 100 twips around the card leave marks of 100 - 57.
    const CardSheetLayout narrow = LayoutCardSheet({3602, 4962, 0, 0, 3602, 4962});
    ASSERT_EQ(narrow.marks.size(), 8u);
    for (const CutMark &m : narrow.marks)
        EXPECT_EQ(std::abs(m.x2 - m.x1) + std::abs(m.y2 - m.y1), 43);
    EXPECT_EQ(LayoutCardSheet({3000, 16838, 0, 0, 3000, 16838}).PerPage(), 0);
}

TEST(CardSheetLayout, PagesAndTheirText)
{
    const struct { int cards, perPage, pages; const char *text; } cases[] = {
        {10, 9, 2, "10 cards on 2 pages"}, {19, 9, 3, "19 cards on 3 pages"}, {1, 4, 1, "1 card on 1 page"},
        {0, 9, 0, "0 cards on 0 pages"}, {5, 0, 0, "The card does not fit on this paper."}};
    for (const auto &c : cases) {
        EXPECT_EQ(SheetPageCount(c.cards, c.perPage), c.pages) << c.cards;
        EXPECT_EQ(SheetCountText(c.cards, c.perPage), c.text);
    }
}

TEST(CardSheetLayout, CardsAreCountedInSixtyFourBitsAndHugeJobsRefused)
{
    ArmyUnit unit;
    unit.Count() = "999";
    const std::vector<ArmyUnit> units(3, unit);
    EXPECT_EQ(ArmySheetCards(units, true), 2997);
    // 2.2 million lines of 999 units, as counted.
    const std::int64_t cards = 2200000LL * 999;
    EXPECT_EQ(SheetPageCount(cards, 9), 244200000);
    const struct { std::int64_t cards; int perPage; bool refused; } cases[] = {
        {9000, 9, false}, {9001, 9, true}, {cards, 9, true}, {cards, 0, false}};
    for (const auto &c : cases)
        EXPECT_EQ(SheetJobLimitNotice(c.cards, c.perPage).empty(), !c.refused) << c.cards;
    EXPECT_EQ(SheetJobLimitNotice(9001, 9),
              "9001 cards on 1001 pages are more than one print job makes: at most 1000 pages "
              "(9000 cards) are printed at a time. Print the army in parts, or one card per line.");
}

// "page" for each new page, "card n" before each card.
struct SheetRecorder : ICardSheetPrinter
{
    cardtest::CardRecorder page{true};
    ICardTarget &Page() override { return page; }
    void UseCardPicture(std::size_t card) override { page.ops.push_back("card " + std::to_string(card)); }
    void NewPage() override { page.ops.push_back("page"); }
    void ClipTo(const CardRect *r) override
    {
        page.ops.push_back(r ? "clip " + std::to_string(r->Left) + "," + std::to_string(r->Top) : "no clip");
    }
};

// An operation with every "x,y" point moved by (dx, dy).
std::string Shifted(const std::string &op, double dx, double dy)
{
    std::istringstream in(op);
    std::ostringstream out;
    for (std::string token; in >> token; out << ' ') {
        const std::size_t comma = token.find(',');
        if (comma == std::string::npos || token.find('[') != std::string::npos)
            out << token;
        else
            out << std::stod(token.substr(0, comma)) + dx << ',' << std::stod(token.substr(comma + 1)) + dy;
    }
    return out.str().substr(0, out.str().size() - 1);
}

TEST(CardSheetPrint, TenCardsTakeTwoPagesEachDrawnAtItsPlace)
{
    clsFigure a, b;
    a.Name = "Spearman";
    b.Name = "Dwarf Captain";
    const CardStyle style = DefaultCardStyle("Arial");
    const std::vector<CardScene> scenes = {{&a, &style, kInitialImageRect, false, 0, 0},
                                           {&b, &style, kInitialImageRect, false, 0, 0}};
    const std::vector<std::size_t> order = {0, 0, 0, 1, 1, 1, 1, 1, 1, 1};
    const CardSheetLayout layout = LayoutCardSheet(Paper(11906, 16838));
    SheetRecorder sheet;
    PrintCardSheets(sheet, layout, scenes, order);
    std::vector<std::string> expected;
    for (std::size_t i = 0; i < order.size(); ++i) {
        if (i % 9 == 0) {
            if (i > 0)
                expected.push_back("page");
            expected.insert(expected.end(), {"no clip", "width 1"});
            for (const CutMark &m : layout.marks)
                expected.push_back("line " + std::to_string(m.x1) + "," + std::to_string(m.y1) + " "
                                   + std::to_string(m.x2) + "," + std::to_string(m.y2));
        }
        const CardRect &place = layout.places[i % 9];
        expected.push_back("card " + std::to_string(order[i]));
        expected.push_back("clip " + std::to_string(place.Left - 28) + "," + std::to_string(place.Top - 28));
        // The card as the card window prints it alone on a fresh page.
        cardtest::CardRecorder alone(true);
        alone.SetLineWidth(1);
        DrawCard(alone, scenes[order[i]]);
        for (const std::string &op : alone.ops)
            expected.push_back(Shifted(op, place.Left, place.Top));
    }
    EXPECT_EQ(sheet.page.ops, expected);
}

TEST(ArmySheet, CardsPerLineOrUnitFromTheFigureFilesEachReadOnce)
{
    RulesTables tables;
    const std::string data = TARVELLO_SHIPPED_DATA_DIR;
    LoadAllTables(tables, data, ".", [](const Failure &failure) { FAIL() << failure.Message(); });
    const std::filesystem::path folder = FreshTestFolder("sheet");
    std::filesystem::copy_file(data + "/figures/spearman.tvf", folder / "spearman.tvf");
    // Saved under another name: found by the figure name inside.
    std::filesystem::copy_file(data + "/figures/elven_archer.tvf", folder / "archers v2.tvf");
    WriteTestFile(folder, "broken.tvf", "[Figure]\r\ntxtFigureName=Broken\r\ntxtImageFile=x.bmp\r\n"
                                       "[ImageProperties]\r\nWidth=abc\r\n");
    std::vector<ArmyUnit> units;
    for (const auto &[count, name] : std::vector<std::pair<std::string, std::string>>{
             {"3", "Spearman"}, {"2", "Ghost"}, {"2", "Elven Archer"}, {"1", "Broken"},
             {"0", "Spearman"}, {"2.5", "Spearman"}}) {
        units.emplace_back();
        units.back().Count() = count;
        units.back().fields[2 + kFigureName] = name;
    }
    const auto job = [&](bool perUnit, const std::filesystem::path &dir) {
        return BuildArmySheetJob(units, perUnit, dir.string(), tables,
                                 [](const std::string &) { return true; }, "Arial");
    };
    EXPECT_EQ(ArmySheetCards(units, false), 6);
    EXPECT_EQ(ArmySheetCards(units, true), 3 + 2 + 2 + 1 + 0 + 2);
    const CardSheetJob lines = job(false, folder);
    // A figure whose picture cannot be read gives its card without it.
    ASSERT_EQ(lines.cards.size(), 3u);
    EXPECT_EQ(lines.cards[0].card.figure().Name + "/" + lines.cards[1].card.figure().Name
                  + "/" + lines.cards[2].card.figure().Name,
              "Spearman/Elven Archer/Broken");
    EXPECT_EQ(lines.cards[2].picture.width, 0);
    EXPECT_EQ(lines.order, (std::vector<std::size_t>{0, 1, 2, 0, 0}));

    const CardSheetJob perUnit = job(true, folder);
    EXPECT_EQ(perUnit.order, (std::vector<std::size_t>{0, 0, 0, 1, 1, 2, 0, 0}));
    ASSERT_EQ(perUnit.skipped.size(), 1u);
    // Named once, with the figure editor's account of the picture.
    FigureModel editor(tables);
    (void)editor.Initialize();
    (void)editor.Open((folder / "broken.tvf").string());
    ASSERT_EQ(perUnit.withoutPicture.size(), 1u);
    EXPECT_EQ(perUnit.withoutPicture[0].reason, editor.PictureProblem());
    EXPECT_EQ(SheetPrintedMessage(8, perUnit.skipped, false, perUnit.withoutPicture),
              "8 cards printed, 1 skipped: Ghost (file not found), 1 without its picture: Broken (Its "
              "Width \"abc\" is not a number.)");
    EXPECT_EQ(SheetPrintedMessage(2, {}, true, {{"A", "x"}, {"B", "y"}}),
              "2 cards previewed, 2 without their picture: A (x); B (y)");
    EXPECT_EQ(SheetPrintedMessage(1, {{"Ghost", "gone"}}), "1 card printed, 1 skipped: Ghost (gone)");
    EXPECT_EQ(SheetPrintedMessage(2, {{"Ghost", "gone"}}, true),
              "2 cards previewed, 1 skipped: Ghost (gone)");
    EXPECT_EQ(job(false, folder / "gone").skipped.size(), units.size()); // every line
}

TEST(ArmySheet, LinesFindTheFiguresTheirScanListed)
{
    RulesTables tables;
    const std::string data = TARVELLO_SHIPPED_DATA_DIR;
    LoadAllTables(tables, data, ".", [](const Failure &failure) { FAIL() << failure.Message(); });
    const std::filesystem::path folder = FreshTestFolder("sheetnames");
    const std::string spearman = ReadFileBytes(data + "/figures/spearman.tvf").value();
    const std::size_t name = spearman.find("txtFigureName=Spearman\r\n");
    ASSERT_NE(name, std::string::npos);
    // Without a name (listed as "<none>") and with a ";" (kept as ",").
    WriteTestFile(folder, "a.tvf", std::string(spearman).erase(name, 24));
    WriteTestFile(folder, "b.tvf", std::string(spearman).insert(name + 19, ";"));
    ArmyModel army(folder.string(), '.');
    ASSERT_TRUE(army.ScanFigures().ok());
    ASSERT_TRUE(army.Add(0).ok() && army.Add(1).ok());
    const CardSheetJob job = BuildArmySheetJob(army.Units().Vector(), false, folder.string(), tables,
                                               [](const std::string &) { return true; }, "Arial");
    EXPECT_TRUE(job.skipped.empty()) << SheetPrintedMessage(0, job.skipped);
    EXPECT_EQ(job.order, (std::vector<std::size_t>{0, 1}));
}

} // namespace
} // namespace tarvello
