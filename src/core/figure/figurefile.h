#pragma once

#include "figurerecord.h"
#include "figureseries.h"
#include "picture.h"
#include "platform/documentkinds.h"
#include "platform/failure.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

// The figure file (.tvf): a profile file with a Figure section, numbered
// weapon and item sections and the picture as pixel lines.
namespace tarvello {

class ProfileDocument;

// The save dialog's filter for figure files.
inline constexpr const char *kFigureFileFilter = DocumentKindFacts(DocumentKind::Figure).filter;

// Writes the figure into doc as a save does: every Figure key in control
// order (existing keys keep their places), every numbered section of the
// three series deleted and the rows written again at the end, and the image
// sections deleted. Other sections (CardLayout, Style) are left as they are.
void WriteFigureSections(ProfileDocument &doc, const FigureRecord &record);

// Appends the image sections as CR LF lines to out: "[ImageProperties]",
// "Width=", "Height=", "[ImagePixels]" and one "x_y=colour" line per pixel that
// is not white, column by column. Throws RuntimeError when the picture's
// colours do not match its size.
void AppendImageText(std::string &out, const Picture &picture);

// The whole text of a saved figure file, and how building its picture went.
struct FigureFileText
{
    // doc after WriteFigureSections, plus the image sections when
    // txtImageFile is not empty and they could be built.
    std::string text;
    // "Error saving image!" with the description when the image lines could
    // not be built; text then holds the figure sections only.
    Status image;
};

// Builds the text of a saved figure file from doc and the figure. A picture
// that could not be read is written back as its sections' text
// (keptImageText, when not empty) instead of the picture's lines.
FigureFileText MakeFigureFileText(ProfileDocument &doc, const FigureRecord &record,
                                  const Picture &picture, std::string_view keptImageText = {});

// The value of a key of the Figure section, with a default.
std::string ReadFigureValue(const ProfileDocument &doc, std::string_view key,
                            std::string_view def);

// The rows of a series: sections 1, 2, ... up to the first one whose Name is
// empty or missing; each row holds the section's keys, empty when absent.
std::vector<ListRow> ReadSeries(const ProfileDocument &doc, FigureSeries series);

// The picture stored in doc: Width x Height of [ImageProperties] (default 0),
// blank, with every valid pixel line of [ImagePixels] set. Lines that are
// malformed, outside the picture or with a negative colour are ignored.
// Throws RuntimeError naming the problem when Width or Height is not a
// number or is negative, or the picture is larger than a figure file holds
// (kMaxPictureSide, kMaxPicturePixels).
Picture ReadPicture(const ProfileDocument &doc);

// The [ImageProperties] and [ImagePixels] sections as doc holds them, as CR
// LF lines; empty when doc has neither.
std::string PictureSectionsText(const ProfileDocument &doc);

} // namespace tarvello
