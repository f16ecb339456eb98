#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// The card's style: four font roles and the "Save style into layout" box,
// kept as the card window's controls show them, and its keys in a style file
// (.tvs) or a figure file's Style section.
namespace tarvello {

class ProfileDocument;

// One font role: the name and size texts and the bold and italic boxes
// (0 or 1) as the window shows them.
struct FontRole
{
    std::string Name;
    std::string Size;
    int Bold = 1;
    int Italic = 0;

    bool operator==(const FontRole &) const = default;
};

// The four roles: heading (unit name), data (statistics, cost), attack (the
// title of each attack), attack roll ("ROLL", "DMG", column numbers, rolls).
enum class FontRoleId { Heading, Data, Attack, AttackRoll };

struct CardStyle
{
    int SaveStyleIntoLayout = 0;
    FontRole Heading;
    FontRole Data;
    FontRole Attack;
    FontRole AttackRoll;

    FontRole &Role(FontRoleId id);
    const FontRole &Role(FontRoleId id) const;
    bool operator==(const CardStyle &) const = default;
};

// The section holding a style, in a style file and in a figure file.
inline constexpr const char *kStyleSection = "Style";

// The style of a new card: every name fontName, the heading 14 points and
// the others 8, all bold, none italic, not saved into the layout.
CardStyle DefaultCardStyle(const std::string &fontName);

// One key of the style: its name (the control's) and what it holds.
struct StyleKey
{
    const char *name;
    FontRoleId role;
    enum Kind { SaveIntoLayout, Name, Size, Bold, Italic } kind;
};

// The seventeen keys in the order they are written.
const std::array<StyleKey, 17> &StyleKeys();

// The text a key is written with: a text box's text, a check box's "0"/"1".
std::string StyleValue(const CardStyle &style, const StyleKey &key);

// Writes the seventeen keys into the Style section of doc, in their order.
void WriteStyle(ProfileDocument &doc, const CardStyle &style);

// A check box's value from its key's text: the leading number, any value
// other than 0 ticking the box.
int CheckValue(std::string_view text);

// Tells whether a font of that name is installed.
using FontExistsFn = std::function<bool(const std::string &)>;

// The outcome of CheckStyleFont: the usable name, whether it replaced the
// given one, and the message to show for a missing font (empty: none).
struct StyleFontCheck
{
    std::string name;
    bool substituted = false;
    std::string message;
};

// An empty name becomes fallback without a message; a name that is not
// installed becomes fallback with "The font specified (name) in the style
// does not exist on this computer.fallback has been selected instead.".
StyleFontCheck CheckStyleFont(const std::string &name, const FontExistsFn &fontExists,
                              const std::string &fallback);

// The style of a figure file's Style section, as a card opened for the
// figure reads it: missing keys give "0"/"1" for the boxes and "8" (heading
// "14") for the sizes, and every name passes CheckStyleFont. messages
// receives the missing-font messages in order; substituted tells whether a
// name was replaced.
CardStyle ReadFigureStyle(const ProfileDocument &doc, const FontExistsFn &fontExists,
                          const std::string &fallback, std::vector<std::string> &messages,
                          bool &substituted);

// The style as the card draws it: each size that cannot be drawn (not a
// number, or not from 1 to 2160 points once rounded) at its role's default;
// every other text as it is.
CardStyle DrawableStyle(const CardStyle &style);

// The notice of a style holding sizes that cannot be drawn, naming each role
// and size; empty when every size can be drawn. The style keeps such sizes
// as written (they are saved back so); only the drawing uses the defaults.
std::string UndrawableSizesNotice(const CardStyle &style);

// The notice of a style file without a Style section: it held no style, so
// Load Style gave the defaults.
std::string NoStyleNotice(const std::string &path);

// The style of a style file as "Load Style" reads it: an empty name becomes
// fallback, every other empty text "14", a missing box "0"; names are taken
// untested.
CardStyle ReadStyleFile(const ProfileDocument &doc, const std::string &fallback);

} // namespace tarvello
