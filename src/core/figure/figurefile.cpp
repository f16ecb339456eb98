#include "figurefile.h"

#include "platform/explaintexts.h"
#include "platform/messagetexts.h"
#include "figurekeys.h"

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

const char *const kImageProperties = figurekeys::kImagePropertiesSection;
const char *const kImagePixels = figurekeys::kImagePixelsSection;

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

// A side of the stored picture, or a RuntimeError naming what is wrong.
int PictureSide(const ProfileDocument &doc, std::string_view key)
{
    const std::string text = doc.Read(kImageProperties, key, "0");
    const std::optional<double> number = LocaleNumber(text, '.');
    if (!number)
        throw RuntimeError(FillText(msg::kSideNotNumber, {key, text}));
    const double side = RoundHalfEven(*number);
    if (side < 0)
        throw RuntimeError(FillText(msg::kSideBelowZero, {key, text}));
    if (!std::isfinite(side) || side > kMaxPictureSide)
        return kMaxPictureSide + 1;
    return static_cast<int>(side);
}

void AppendNumber(std::string &out, std::uint64_t value)
{
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, result.ptr);
}

} // namespace

void WriteFigureSections(ProfileDocument &doc, const FigureRecord &record)
{
    // The picture is appended after everything else, so its old lines go;
    // every numbered section of the three series goes, not only those up to
    // the first gap, so no stale weapon survives a save. One pass over the
    // sections, however many a file holds.
    doc.DeleteSectionsIf([](std::string_view name) {
        if (EqualsNoCase(name, kImageProperties) || EqualsNoCase(name, kImagePixels))
            return true;
        return std::any_of(kAllSeries.begin(), kAllSeries.end(), [name](FigureSeries series) {
            return IsSeriesSection(name, Schema(series).sectionWord);
        });
    });

    for (const FigureField &field : FigureFields())
        doc.Write(figurekeys::kFigureSection, field.name, FieldValue(record, field));

    for (FigureSeries series : kAllSeries) {
        const SeriesSchema &schema = Schema(series);
        const std::string_view word = schema.sectionWord;
        const std::vector<ListRow> &rows = SelectedRows(record, series);
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const std::string section = std::string(word) + std::to_string(i + 1);
            for (std::size_t k = 0; k < schema.selected.size(); ++k)
                doc.Write(section, schema.selected[k].fileKey,
                          k < rows[i].size() ? rows[i][k] : std::string());
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

    out.append("[").append(kImageProperties).append("]\r\n");
    out.append(figurekeys::kImageWidth).append("=");
    AppendNumber(out, w);
    out.append("\r\n").append(figurekeys::kImageHeight).append("=");
    AppendNumber(out, h);
    out.append("\r\n[").append(kImagePixels).append("]\r\n");
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

FigureFileText MakeFigureFileText(ProfileDocument &doc, const FigureRecord &record,
                                  const Picture &picture, std::string_view keptImageText)
{
    WriteFigureSections(doc, record);
    FigureFileText file{doc.ToText(), {}};
    std::string &text = file.text;
    if (record.txtImageFile.empty())
        return file;
    if (!text.empty() && text.back() != '\n' && text.back() != '\r')
        text += "\r\n";
    const std::size_t figureSize = text.size();
    if (!keptImageText.empty()) {
        text += keptImageText;
        return file;
    }
    try {
        AppendImageText(text, picture);
    } catch (const std::exception &e) {
        text.resize(figureSize);
        file.image = Failure{TV_TR("Core", "Error saving image!"), e.what()};
    }
    return file;
}

std::string ReadFigureValue(const ProfileDocument &doc, std::string_view key, std::string_view def)
{
    return doc.Read(figurekeys::kFigureSection, key, def);
}

std::vector<ListRow> ReadSeries(const ProfileDocument &doc, FigureSeries series)
{
    std::vector<ListRow> rows;
    const SeriesSchema &schema = Schema(series);
    const std::string word = schema.sectionWord;
    // Ends at the latest after the file's last section.
    for (std::size_t i = 1;; ++i) {
        const std::string section = word + std::to_string(i);
        std::string name = doc.Read(section, "Name", "");
        if (name.empty())
            break;
        ListRow row;
        row.reserve(schema.selected.size());
        row.push_back(std::move(name));
        for (std::size_t k = 1; k < schema.selected.size(); ++k)
            row.push_back(doc.Read(section, schema.selected[k].fileKey, ""));
        rows.push_back(std::move(row));
    }
    return rows;
}

Picture ReadPicture(const ProfileDocument &doc)
{
    const int w = PictureSide(doc, figurekeys::kImageWidth);
    const int h = PictureSide(doc, figurekeys::kImageHeight);
    if (w > kMaxPictureSide || h > kMaxPictureSide || static_cast<long long>(w) * h > kMaxPicturePixels)
        throw RuntimeError(msg::FillFileText(msg::kPictureTooLarge,
                                             {doc.Read(kImageProperties, figurekeys::kImageWidth, "0"),
                                              doc.Read(kImageProperties, figurekeys::kImageHeight, "0")}));
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

std::string PictureSectionsText(const ProfileDocument &doc)
{
    std::string text;
    for (const char *section : {kImageProperties, kImagePixels}) {
        const std::size_t start = text.size();
        const bool found = doc.ForEachEntry(section, [&text](const ProfileLine &line) {
            text.append(line.key);
            if (line.hasValue)
                text.append("=").append(line.value);
            text.append("\r\n");
        });
        if (found)
            text.insert(start, "[" + std::string(section) + "]\r\n");
    }
    return text;
}

} // namespace tarvello
