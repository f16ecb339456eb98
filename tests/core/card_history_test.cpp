#include "card/cardstyle.h"
#include "card/unitcardmodel.h"

#include "platform/fileio.h"
#include "testfolder.h"

#include <gtest/gtest.h>

namespace tarvello {
namespace {

const FontExistsFn kInstalled = [](const std::string &) { return true; };

const StyleKey &Key(std::string_view name)
{
    for (const StyleKey &key : StyleKeys()) {
        if (name == key.name)
            return key;
    }
    throw std::logic_error("no such style key");
}

struct CardState
{
    CardStyle style;
    CardRect image;
    bool styleChanged;
    bool layoutChanged;
    bool operator==(const CardState &) const = default;
};

CardState StateOf(const UnitCardModel &card)
{
    return {card.style(), card.image(), card.StyleChanged(), card.LayoutChanged()};
}

TEST(UnitCardHistory, EveryStepUndoneGivesTheOpenedCardAndRedoneTheLast)
{
    TestFolder dir;
    dir.Write("gothic.tvs", "[Style]\r\ntxtHeadingFontName=Gothic\r\ntxtHeadingFontSize=20\r\n");
    UnitCardModel card("Card");
    (void)card.LoadFigure(clsFigure{}, kInstalled);
    const CardState opened = StateOf(card);

    card.SetLeft(600);
    card.SetLeft(700);   // one drag of the scroll bar is one step
    card.EndFieldEdit();
    card.SetTop(400);
    card.Grow();
    card.Shrink();
    card.ApplyFont(FontRoleId::Data, {"Serif", 10, false, true}, '.');
    card.SetStyleValue(Key("txtAttackFontSize"), "1");
    card.SetStyleValue(Key("txtAttackFontSize"), "12");
    card.SetStyleValue(Key("chkAttackFontItalic"), "1");
    ASSERT_TRUE(card.LoadStyle(dir.File("gothic.tvs")).ok());
    const CardState last = StateOf(card);

    const std::vector<std::string> expected = {
        "Load Style", "Change Attack Font", "Change Attack Font", "Change Data Font",
        "Reduce Picture", "Enlarge Picture", "Move Picture", "Move Picture"};
    std::vector<std::string> undone;
    while (card.CanUndo()) {
        undone.push_back(card.UndoName());
        card.Undo();
    }
    EXPECT_EQ(undone, expected);
    EXPECT_EQ(StateOf(card), opened);

    card.Redo();
    EXPECT_EQ(card.image().Left, 700);
    while (card.CanRedo())
        card.Redo();
    EXPECT_EQ(StateOf(card), last);
    card.Undo();
    EXPECT_EQ(card.style().Attack, (FontRole{"Card", "12", 1, 1}));
}

TEST(UnitCardHistory, AfterASaveTheFlagsSayWhetherTheStateDiffersFromTheSavedOne)
{
    TestFolder dir;
    const std::string figurePath = dir.File("knight.tvf");
    ASSERT_TRUE(WriteFileAtomically(figurePath, "[Figure]\r\ntxtFigureName=Knight\r\n").ok());
    clsFigure figure;
    figure.UnitFile = figurePath;
    UnitCardModel card("Card");
    (void)card.LoadFigure(figure, kInstalled);

    card.Grow();
    ASSERT_EQ(card.SaveLayout().outcome, LayoutSaveResult::Saved);
    card.ApplyFont(FontRoleId::Heading, {"Serif", 20, true, false}, '.');
    ASSERT_TRUE(card.SaveStyle(dir.File("style.tvs")).ok());

    card.Undo();
    EXPECT_TRUE(card.StyleChanged());
    EXPECT_FALSE(card.LayoutChanged());
    card.Undo();
    EXPECT_TRUE(card.LayoutChanged());
    card.Redo();
    EXPECT_FALSE(card.LayoutChanged());
    card.Redo();
    EXPECT_FALSE(card.StyleChanged());
    EXPECT_FALSE(card.AsksLayoutQuestion());
}

TEST(UnitCardHistory, AChangeThatLeavesTheCardAsItWasIsNoStepButKeepsItsFlag)
{
    UnitCardModel card("Card");
    card.SetStyleValue(Key("txtHeadingFontSize"), "14");
    EXPECT_FALSE(card.CanUndo());
    card.ApplyFont(FontRoleId::Heading, {"Card", 14, true, false}, '.');
    EXPECT_FALSE(card.CanUndo());
    EXPECT_TRUE(card.StyleChanged());
    card.SetLeft(900);
    card.Undo();
    EXPECT_TRUE(card.StyleChanged());
}

} // namespace
} // namespace tarvello
