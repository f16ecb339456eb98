#include "figurefile.h"

#include "platform/asciitext.h"
#include "platform/numbers.h"
#include "platform/profiledocument.h"
#include "platform/runtimeerror.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>

namespace tarvello {

namespace {

const char *const kImageProperties = "ImageProperties";
const char *const kImagePixels = "ImagePixels";

// True for the name of a numbered section of the series: the series word
// (any case) followed by one or more digits.
bool IsSeriesSection(std::string_view name, std::string_view word)
{
    if (name.size() <= word.size() || !StartsWithNoCase(name, word))
        return false;
    return std::all_of(name.begin() + static_cast<std::ptrdiff_t>(word.size()), name.end(),
                       [](char c) { return c >= '0' && c <= '9'; });
}

// A whole number written in a pixel line: plain digits directly, anything
// else through the locale number with whole-number rounding.
std::optional<std::int64_t> WholeNumber(std::string_view text)
{
    std::int64_t value = 0;
    const char *end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ec == std::errc() && ptr == end)
        return value;
    const std::optional<double> number = LocaleNumber(text, '.');
    if (!number || !std::isfinite(*number))
        return std::nullopt;
    const double rounded = RoundHalfEven(*number);
    if (rounded < -9.0e15 || rounded > 9.0e15)
        return std::nullopt;
    return static_cast<std::int64_t>(rounded);
}

int PictureSide(const ProfileDocument &doc, std::string_view key)
{
    const std::string text = doc.Read(kImageProperties, key, "0");
    const std::optional<double> number = LocaleNumber(text, '.');
    if (!number)
        throw RuntimeError(errtext::kTypeMismatch);
    const double side = RoundHalfEven(*number);
    if (!std::isfinite(side) || side > kMaxPictureSide)
        throw RuntimeError(errtext::kOverflow);
    if (side < 0)
        throw RuntimeError(errtext::kInvalidCall);
    return static_cast<int>(side);
}

void AppendNumber(std::string &out, std::uint64_t value)
{
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, result.ptr);
}

} // namespace

const char *SeriesWord(FigureSeries series)
{
    switch (series) {
    case FigureSeries::Melee:
        return "MeleeWeapon";
    case FigureSeries::Missile:
        return "MissileWeapon";
    case FigureSeries::ExtraItem:
        return "ExtraItem";
    }
    return "";
}

const std::vector<std::string> &SeriesKeys(FigureSeries series)
{
    static const std::vector<std::string> melee = {"Name", "Max Damage", "Notes"};
    static const std::vector<std::string> missile = {"Name", "Max Damage", "Attack Radius", "Short",
                                                     "Long", "Shots", "Notes"};
    static const std::vector<std::string> items = {"Name", "Cost", "Max Damage", "Attack Radius",
                                                   "Short", "Long", "Notes"};
    switch (series) {
    case FigureSeries::Melee:
        return melee;
    case FigureSeries::Missile:
        return missile;
    case FigureSeries::ExtraItem:
        break;
    }
    return items;
}

std::vector<ListRow> &SeriesRows(FigureRecord &record, FigureSeries series)
{
    switch (series) {
    case FigureSeries::Melee:
        return record.lvwMeleeWeaponsSelected;
    case FigureSeries::Missile:
        return record.lvwMissileWeaponsSelected;
    case FigureSeries::ExtraItem:
        break;
    }
    return record.lvwExtraItemsSelected;
}

const std::vector<ListRow> &SeriesRows(const FigureRecord &record, FigureSeries series)
{
    return SeriesRows(const_cast<FigureRecord &>(record), series);
}

static constexpr FigureSeries kAllSeries[] = {FigureSeries::Melee, FigureSeries::Missile,
                                              FigureSeries::ExtraItem};

void WriteFigureSections(ProfileDocument &doc, const FigureRecord &record)
{
    // The picture is appended after everything else, so its old lines go.
    doc.DeleteSection(kImageProperties);
    doc.DeleteSection(kImagePixels);

    for (const FigureField &field : FigureFields())
        doc.Write("Figure", field.name, FieldValue(record, field));

    for (FigureSeries series : kAllSeries) {
        // Every numbered section goes, not only those up to the first gap,
        // so no stale weapon survives a save.
        const std::string_view word = SeriesWord(series);
        std::vector<std::string> stale;
        for (const std::string &name : doc.SectionNames()) {
            if (IsSeriesSection(name, word))
                stale.push_back(name);
        }
        for (const std::string &name : stale)
            doc.DeleteSection(name);

        const std::vector<std::string> &keys = SeriesKeys(series);
        const std::vector<ListRow> &rows = SeriesRows(record, series);
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const std::string section = std::string(word) + std::to_string(i + 1);
            for (std::size_t k = 0; k < keys.size(); ++k)
                doc.Write(section, keys[k], k < rows[i].size() ? rows[i][k] : std::string());
        }
    }
}

void AppendImageText(std::string &out, const Picture &picture)
{
    const std::size_t w = static_cast<std::size_t>(std::max(picture.width, 0));
    const std::size_t h = static_cast<std::size_t>(std::max(picture.height, 0));
    if (picture.colours.size() != w * h)
        throw RuntimeError(errtext::kSubscriptOutOfRange);

    std::size_t coloured = 0;
    for (std::uint32_t colour : picture.colours)
        coloured += colour != Picture::kWhite;

    out += "[ImageProperties]\r\nWidth=";
    AppendNumber(out, w);
    out += "\r\nHeight=";
    AppendNumber(out, h);
    out += "\r\n[ImagePixels]\r\n";
    // At most 5 + 1 + 5 + 1 + 10 + 2 characters per line.
    out.reserve(out.size() + coloured * 24);

    // Each number gets room for 20 digits, the largest 64-bit value.
    char line[64];
    for (std::size_t x = 0; x < w; ++x) {
        for (std::size_t y = 0; y < h; ++y) {
            const std::uint32_t colour = picture.colours[y * w + x];
            if (colour == Picture::kWhite)
                continue;
            char *p = std::to_chars(line, line + 20, x).ptr;
            *p = '_';
            p = std::to_chars(p + 1, p + 21, y).ptr;
            *p = '=';
            p = std::to_chars(p + 1, p + 21, colour).ptr;
            p[0] = '\r';
            p[1] = '\n';
            out.append(line, p + 2);
        }
    }
}

std::string FigureFileText(ProfileDocument &doc, const FigureRecord &record,
                           const Picture &picture, std::string &imageError)
{
    imageError.clear();
    WriteFigureSections(doc, record);
    std::string text = doc.ToText();
    if (record.txtImageFile.empty())
        return text;
    if (!text.empty() && text.back() != '\n' && text.back() != '\r')
        text += "\r\n";
    const std::size_t figureSize = text.size();
    try {
        AppendImageText(text, picture);
    } catch (const std::exception &e) {
        text.resize(figureSize);
        imageError = std::string("Error saving image!\r\n") + e.what();
    }
    return text;
}

std::string ReadFigureValue(const ProfileDocument &doc, std::string_view key, std::string_view def)
{
    return doc.Read("Figure", key, def);
}

std::vector<ListRow> ReadSeries(const ProfileDocument &doc, FigureSeries series)
{
    std::vector<ListRow> rows;
    const std::vector<std::string> &keys = SeriesKeys(series);
    const std::string word = SeriesWord(series);
    // Ends at the latest after the file's last section.
    for (std::size_t i = 1;; ++i) {
        const std::string section = word + std::to_string(i);
        std::string name = doc.Read(section, "Name", "");
        if (name.empty())
            break;
        ListRow row;
        row.reserve(keys.size());
        row.push_back(std::move(name));
        for (std::size_t k = 1; k < keys.size(); ++k)
            row.push_back(doc.Read(section, keys[k], ""));
        rows.push_back(std::move(row));
    }
    return rows;
}

Picture ReadPicture(const ProfileDocument &doc)
{
    const int w = PictureSide(doc, "Width");
    const int h = PictureSide(doc, "Height");
    if (static_cast<long long>(w) * h > kMaxPicturePixels)
        throw RuntimeError(errtext::kOverflow);
    Picture picture(w, h);
    doc.ForEachEntry(kImagePixels, [&picture, w, h](const ProfileLine &entry) {
        if (!entry.hasValue)
            return;
        const std::string_view key = entry.key;
        const std::size_t underscore = key.find('_');
        if (underscore == std::string_view::npos)
            return;
        const auto x = WholeNumber(TrimBlanks(key.substr(0, underscore)));
        const auto y = WholeNumber(TrimBlanks(key.substr(underscore + 1)));
        const auto colour = WholeNumber(TrimBlanks(entry.value));
        if (!x || !y || !colour)
            return;
        if (*x < 0 || *y < 0 || *x >= w || *y >= h || *colour < 0 || *colour > Picture::kWhite)
            return;
        picture.colours[static_cast<std::size_t>(*y) * static_cast<std::size_t>(w)
                        + static_cast<std::size_t>(*x)] = static_cast<std::uint32_t>(*colour);
    });
    return picture;
}

} // namespace tarvello
