#include "cardimagefiles.h"

#include <algorithm>
#include <cctype>

namespace tarvello {

namespace {

constexpr std::size_t kMaxStem = 120;

bool Reserved(std::string stem)
{
    for (char &c : stem)
        c = char(std::toupper(static_cast<unsigned char>(c)));
    if (stem == "CON" || stem == "PRN" || stem == "AUX" || stem == "NUL")
        return true;
    return stem.size() == 4 && (stem.rfind("COM", 0) == 0 || stem.rfind("LPT", 0) == 0)
           && stem[3] >= '1' && stem[3] <= '9';
}

std::string Trimmed(std::string text)
{
    const auto edge = [](char c) { return c == ' ' || c == '.'; };
    while (!text.empty() && edge(text.back()))
        text.pop_back();
    const auto first = std::find_if_not(text.begin(), text.end(), edge);
    return std::string(first, text.end());
}

} // namespace

std::string SafeFileStem(std::string_view name)
{
    std::string stem;
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        const bool refused = byte < 0x20 || byte == 0x7f
                             || std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos;
        stem += refused ? '_' : c;
    }
    stem = Trimmed(stem);
    if (stem.size() > kMaxStem)
        stem = Trimmed(stem.substr(0, kMaxStem));
    if (stem.empty())
        return "card";
    return Reserved(stem) ? stem + "_" : stem;
}

std::string UniqueFileName(const std::string &stem, const std::string &extension,
                           const std::function<bool(const std::string &name)> &taken)
{
    std::string name = stem + extension;
    for (int n = 2; taken(name); ++n)
        name = stem + " (" + std::to_string(n) + ")" + extension;
    return name;
}

std::vector<DeckSheet> DeckSheets(int cards)
{
    constexpr int kPerSheet = kDeckColumns * kDeckRows;
    std::vector<DeckSheet> sheets;
    for (int first = 0; first < cards; first += kPerSheet) {
        DeckSheet sheet;
        sheet.first = first;
        sheet.count = std::min(kPerSheet, cards - first);
        sheet.columns = std::min(kDeckColumns, sheet.count);
        sheet.rows = (sheet.count + sheet.columns - 1) / sheet.columns;
        sheets.push_back(sheet);
    }
    return sheets;
}

} // namespace tarvello
