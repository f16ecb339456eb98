#pragma once

#include "figureseries.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A bar of points cut into parts: the figure editor's cost breakdown and the
// army's composition by figure type. Everything but the painting is worked
// out here: the parts, their places, their captions and the texts read
// aloud.
namespace tarvello {

// The look of a part: a colour on screen, a pattern on paper.
enum class BarSwatch : std::uint8_t {
    Melee,
    MeleeAlt,
    Missile,
    MissileAlt,
    Item,
    ItemAlt,
    Command,
    Magic,
    Normal,
    Commander,
    Hero,
    Vehicle,
    BattleMage,
    Other,
    Rounding,
    Left,
    Over,
};

// A colour as red, green and blue, 0 to 255.
struct BarColour
{
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;

    bool operator==(const BarColour &) const = default;
};

// How a swatch is printed in black and white.
enum class BarPattern : std::uint8_t {
    Empty,      // outline only
    Rising,     // lines from bottom left to top right
    Falling,    // lines from top left to bottom right
    Horizontal,
    Vertical,
    Cross,      // horizontal and vertical lines
    Diagonal,   // rising and falling lines
    Dense,      // close rising lines
    Solid,      // filled black
};

// A swatch's fill, the text that reads on it, and its print pattern. The
// fills are mid-tones of distinct lightness, so that they read on light and
// dark desktops and in grey.
struct SwatchLook
{
    BarColour fill;
    BarColour text;
    BarPattern pattern;
};
SwatchLook LookOf(BarSwatch swatch);

// One part of a bar.
struct BarPart
{
    std::string label;
    double points = 0;
    BarSwatch swatch = BarSwatch::Normal;
    // What hovering over the part tells (Windows-1252, lines ended by "\n").
    std::string tip;
    // The list row a click on the part stands for (row -1: none).
    FigureSeries series = FigureSeries::Melee;
    int row = -1;
    // Drawn as a strip under the bar from the point from on, rather than
    // stacked in it.
    bool overlay = false;
    double from = 0;
};

// A part's place, in fractions of the bar's width and height from its
// top-left corner.
struct BarRect
{
    double left = 0;
    double right = 0;
    double top = 0;
    double bottom = 1;

    double Width() const { return right - left; }
};

// A bar laid out: parts that are not overlays stack from zero, positive ones
// to the right and negative ones to the left, in their order; the bar spans
// from the sum of the negative parts to the sum of the positive ones (or the
// marker, when further).
struct PointsBar
{
    std::vector<BarPart> parts;
    std::vector<BarRect> places;
    // The limit's mark and zero (when parts lie left of it), as fractions of
    // the width.
    std::optional<double> markerAt;
    std::optional<double> zeroAt;
    // What the bar as a whole tells when hovered.
    std::string tip;
    // Each part's points as shown, in the locale's decimal mark.
    char decimalMark = '.';

    // "Sword: 12.5; Rounding: -0.5": each part as "label: points", joined
    // by "; ", in the order drawn.
    std::string Description() const;
    // A part's points as shown: at most two decimals ("12.35", "-0.5").
    std::string PointsText(std::size_t part) const;
    // The part at the point (fractions of width and height), -1 for none;
    // an overlay lies over the parts it covers.
    int PartAt(double x, double y) const;
    // What a part of width (in the units of textWidth) shows: "label points"
    // when it fits, else the points alone, else nothing.
    std::string Caption(std::size_t part, double width,
                        const std::function<double(std::string_view)> &textWidth) const;
};

// Lays out parts; marker, when given, is the point where the limit's mark
// stands.
PointsBar LayOutBar(std::vector<BarPart> parts, std::optional<double> marker, char decimalMark);

} // namespace tarvello
