#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

// The files of card images: names made safe from figure names and never
// those of existing files, and the deck sheets' grid.
namespace tarvello {

// A file name's stem from a figure's name (file text): characters no file
// system takes ('/', '\\', ':', '*', '?', '"', '<', '>', '|' and control
// characters) become "_", blanks and dots at either end are dropped, a name
// the system reserves (CON, NUL, COM1, ...) gets "_" behind it, and at most
// 120 characters are kept; an empty result is "card".
std::string SafeFileStem(std::string_view name);

// stem + extension, or stem + " (2)" + extension, " (3)" ... : the first
// that taken refuses (a file that exists, a name already given).
std::string UniqueFileName(const std::string &stem, const std::string &extension,
                           const std::function<bool(const std::string &name)> &taken);

// The most cards of one deck sheet: 10 across, 7 down.
inline constexpr int kDeckColumns = 10;
inline constexpr int kDeckRows = 7;

// One deck sheet: its first card, how many, and its grid (as few columns
// and rows as hold them, at most kDeckColumns x kDeckRows).
struct DeckSheet
{
    int first = 0;
    int count = 0;
    int columns = 0;
    int rows = 0;

    bool operator==(const DeckSheet &) const = default;
};

// The deck sheets of cards cards, in order.
std::vector<DeckSheet> DeckSheets(int cards);

} // namespace tarvello
