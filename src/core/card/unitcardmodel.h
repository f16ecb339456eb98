#pragma once

#include "platform/messagetexts.h"

#include "cardlayout.h"
#include "cardstyle.h"
#include "carddraw.h"
#include "clsfigure.h"

#include "platform/failure.h"
#include "platform/documentkinds.h"
#include "platform/history.h"

#include <optional>
#include <string>
#include <vector>

// The unit card window's state and commands, without any window: the figure
// it shows, its style and layout, and the two unsaved-changes flags. The
// window forwards each command, shows the returned messages and redraws.
namespace tarvello {

// How "Save Layout" ended.
struct LayoutSaveResult
{
    enum Outcome { Saved, FigureNotSaved, WriteFailed } outcome = Saved;
    // "Unit must be saved first in order to save layout data!" or the write
    // failure; empty when saved.
    std::string message;
};

// A font as the font dialog shows and returns it.
struct CardFontChoice
{
    std::string name;
    double size = 0.0;
    bool bold = false;
    bool italic = false;
};

// What "Show Design" and "Hide Design" do: the window width to set (0: the
// width stays), whether the design then shows, and the button's new caption.
struct DesignToggle
{
    int widthTwips = 0;
    bool designShown = false;
    const char *caption = "";
};

// What undo and redo restore: the card's design and its two flags.
struct CardSnapshot
{
    CardStyle style;
    CardRect image;
    bool styleChanged = false;
    bool layoutChanged = false;

    bool operator==(const CardSnapshot &) const = default;
};

class UnitCardModel : public UndoableDocument<CardSnapshot>
{
public:
    // A new card window: the default style in defaultFont (the card's own
    // font), the picture at its initial place, nothing changed (opening a
    // card is no change of its layout).
    explicit UnitCardModel(std::string defaultFont);

    const clsFigure &figure() const { return m_figure; }
    const CardStyle &style() const { return m_style; }
    const CardRect &image() const { return m_image; }
    // True when the figure has a picture (its ImageFile is not empty).
    bool HasPicture() const { return !m_figure.ImageFile.empty(); }
    bool StyleChanged() const { return m_styleChanged; }
    bool LayoutChanged() const { return m_layoutChanged; }
    // "Unit Card: " followed by the figure's name.
    std::string Caption() const { return FillText(msg::kCardCaption, {m_figure.Name}); }
    // Name + ".tvs", proposed by the style file dialogs.
    std::string ProposedStyleFileName() const
    {
        return ProposedFileName(m_figure.Name, DocumentKind::Style);
    }

    // Keeps the figure, applies its saved layout values that are not 0 and
    // reads the style saved in its figure file; clears StyleChanged. Returns
    // the missing-font messages to show.
    std::vector<std::string> LoadFigure(clsFigure figure, const FontExistsFn &fontExists);

    // "+", "-" and the position scroll bars; each sets LayoutChanged.
    void Grow();
    void Shrink();
    void SetLeft(int left);
    void SetTop(int top);
    // The picture dragged or nudged to (left, top). Moves of one drag share
    // a mergeKey and make one step (EndFieldEdit ends it); with an empty key
    // each move is a step.
    void MovePicture(int left, int top, const std::string &mergeKey = {});

    // A text or check box of the style edited directly (no flag changes).
    void SetStyleValue(const StyleKey &key, const std::string &value);

    // "Change..": the dialog's preset for a role; fails ("Error in changing
    // style!") when its size text is not a number.
    Result<CardFontChoice> FontPreset(FontRoleId role) const;
    // The dialog's font (name not empty) becomes the role's; size written
    // with decimalMark; sets StyleChanged.
    void ApplyFont(FontRoleId role, const CardFontChoice &chosen, char decimalMark);

    // "Save Style" to a chosen file: the seventeen Style keys; clears
    // StyleChanged. Fails with "Error in saving style " + path + " !".
    Status SaveStyle(const std::string &path);
    // "Load Style" from a chosen file; flags untouched. Fails with "Error in
    // loading style " + path + " !". The value is a notice to show, empty
    // when there is none: a file without a Style section (the defaults
    // apply), or sizes that cannot be drawn (drawn at the defaults, kept as
    // written).
    Result<std::string> LoadStyle(const std::string &path);
    // "Save Layout": CardLayout (and the style when "Save style into layout"
    // is ticked) into the figure file; clears LayoutChanged when written.
    LayoutSaveResult SaveLayout();

    // Closing: the style question is asked when StyleChanged; answering Yes
    // marks the layout changed when the style goes into the layout too.
    void StyleQuestionAnsweredYes();
    // The layout question is asked when this is true.
    bool AsksLayoutQuestion() const;

    // Undo and redo of moves and resizes of the picture, font changes and
    // Load Style; the names say what Undo and Redo would take back or repeat
    // ("Move Picture"). Loading a figure starts a new history.

    // What DrawCard needs, with the credit picture's box size in twips.
    CardScene Scene(int creditWidth, int creditHeight) const;

private:
    CardSnapshot Snapshot() const;
    void Step(std::string name, const std::string &mergeKey = {});
    void SavedNow();
    void Restore(const CardSnapshot &snapshot) override;

    std::string m_defaultFont;
    clsFigure m_figure;
    CardStyle m_style;
    CardRect m_image = kInitialImageRect;
    bool m_styleChanged = false;
    bool m_layoutChanged = false;
    // The style last written to a style file and the picture's place last
    // written into the figure file: after a save, the flags of an undone or
    // redone state say whether it differs from what was saved.
    std::optional<CardStyle> m_savedStyle;
    std::optional<CardRect> m_savedImage;
};

// The design button's caption, saying what it will do: "Hide Design" while
// the design shows, otherwise "Show Design".
const char *DesignCaption(bool designShown);

// The design button pressed while the design shows or not: a window of its
// own size widens to 10515 twips to show it or narrows to 5655 to hide it; a
// maximised window keeps its size and only shows or hides the design.
DesignToggle ToggleDesign(bool designShown, bool maximised);

} // namespace tarvello
