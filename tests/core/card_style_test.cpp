#include "card/boxfilter.h"
#include "card/cardlayout.h"
#include "card/cardstyle.h"
#include "card/unitcardmodel.h"

#include "platform/fileio.h"
#include "platform/profiledocument.h"
#include "testfolder.h"

#include <gtest/gtest.h>

namespace tarvello {
namespace {

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
    EXPECT_TRUE(card.LayoutChanged());
    EXPECT_TRUE(card.LoadFigure(SavedFigure(path), kInstalled).empty());
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
}

TEST(UnitCardModel, NeverSavedFigureWritesNoLayout)
{
    UnitCardModel card("Card");
    (void)card.LoadFigure(clsFigure{}, kInstalled);
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
    const Status missing = other.LoadStyle(path + ".none");
    ASSERT_FALSE(missing.ok());
    EXPECT_EQ(missing.failure().sentence, "Error in loading style " + path + ".none !");
    other.SetStyleValue(StyleKeys()[2], "big");
    EXPECT_EQ(other.FontPreset(FontRoleId::AttackRoll).failure().Message(),
              "Error in changing style!\r\nType mismatch");
}

TEST(UnitCardModel, LayoutQuestionFollowsTheFlags)
{
    UnitCardModel card("Card");
    EXPECT_TRUE(card.AsksLayoutQuestion());
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

} // namespace
} // namespace tarvello
