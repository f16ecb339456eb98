#include "pointsbar.h"

#include "platform/numbers.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>

namespace tarvello {

namespace {

constexpr BarColour kBlack{0, 0, 0};
constexpr BarColour kWhite{255, 255, 255};

// Indexed by BarSwatch.
constexpr std::array<SwatchLook, 17> kLooks = {{
    {{0x00, 0x72, 0xB2}, kWhite, BarPattern::Rising},     // Melee
    {{0x56, 0xB4, 0xE9}, kBlack, BarPattern::Falling},    // MeleeAlt
    {{0x00, 0x9E, 0x73}, kWhite, BarPattern::Horizontal}, // Missile
    {{0x7F, 0xD1, 0xB9}, kBlack, BarPattern::Vertical},   // MissileAlt
    {{0xE6, 0x9F, 0x00}, kBlack, BarPattern::Cross},      // Item
    {{0xF0, 0xE4, 0x42}, kBlack, BarPattern::Diagonal},   // ItemAlt
    {{0xCC, 0x79, 0xA7}, kBlack, BarPattern::Dense},      // Command
    {{0xD5, 0x5E, 0x00}, kWhite, BarPattern::Vertical},   // Magic
    {{0x56, 0xB4, 0xE9}, kBlack, BarPattern::Rising},     // Normal
    {{0xCC, 0x79, 0xA7}, kBlack, BarPattern::Falling},    // Commander
    {{0xE6, 0x9F, 0x00}, kBlack, BarPattern::Horizontal}, // Hero
    {{0x00, 0x9E, 0x73}, kWhite, BarPattern::Vertical},   // Vehicle
    {{0x00, 0x72, 0xB2}, kWhite, BarPattern::Cross},      // BattleMage
    {{0xF0, 0xE4, 0x42}, kBlack, BarPattern::Diagonal},   // Other
    {{0x9E, 0x9E, 0x9E}, kBlack, BarPattern::Dense},      // Rounding
    {{0xD0, 0xD0, 0xD0}, kBlack, BarPattern::Empty},      // Left
    {{0xC0, 0x00, 0x00}, kWhite, BarPattern::Solid},      // Over
}};

// A fraction of the span lo .. hi.
double Fraction(double point, double lo, double hi)
{
    return hi > lo ? (point - lo) / (hi - lo) : 0;
}

} // namespace

SwatchLook LookOf(BarSwatch swatch)
{
    return kLooks[static_cast<std::size_t>(swatch)];
}

std::string PointsBar::PointsText(std::size_t part) const
{
    double points = std::round(parts[part].points * 100) / 100;
    if (points == 0 || !std::isfinite(points))
        points = 0; // no "-0"
    return NumberText(points, decimalMark);
}

std::string PointsBar::Description() const
{
    std::string text;
    for (std::size_t i = 0; i < parts.size(); ++i)
        text += (i ? "; " : "") + parts[i].label + ": " + PointsText(i);
    return text;
}

int PointsBar::PartAt(double x, double y) const
{
    int found = -1;
    for (std::size_t i = 0; i < places.size(); ++i) {
        const BarRect &r = places[i];
        if (x >= r.left && x < r.right && y >= r.top && y <= r.bottom
            && (found < 0 || parts[i].overlay))
            found = static_cast<int>(i);
    }
    return found;
}

std::string PointsBar::Caption(std::size_t part, double width,
                               const std::function<double(std::string_view)> &textWidth) const
{
    const std::string points = PointsText(part);
    const std::string full = parts[part].label + " " + points;
    if (textWidth(full) <= width)
        return full;
    if (textWidth(points) <= width)
        return points;
    return {};
}

PointsBar LayOutBar(std::vector<BarPart> parts, std::optional<double> marker, char decimalMark)
{
    PointsBar bar;
    bar.decimalMark = decimalMark;
    double positive = 0;
    double negative = 0;
    bool overlays = false;
    for (const BarPart &part : parts) {
        if (part.overlay)
            overlays = true;
        else if (part.points >= 0)
            positive += part.points;
        else
            negative += part.points;
    }
    const double lo = negative;
    const double hi = std::max(positive, marker.value_or(positive));
    // With a strip under it, the bar keeps the upper part of its height.
    constexpr double kStripTop = 0.7;
    double right = 0;
    double left = 0;
    for (const BarPart &part : parts) {
        BarRect place;
        if (part.overlay) {
            place = {Fraction(part.from, lo, hi), Fraction(part.from + part.points, lo, hi),
                     kStripTop, 1};
        } else {
            const double start = part.points >= 0 ? right : left + part.points;
            place = {Fraction(start, lo, hi), Fraction(start + std::abs(part.points), lo, hi), 0,
                     overlays ? kStripTop : 1};
            (part.points >= 0 ? right : left) += part.points;
        }
        bar.places.push_back(place);
    }
    if (marker)
        bar.markerAt = Fraction(*marker, lo, hi);
    if (lo < 0)
        bar.zeroAt = Fraction(0, lo, hi);
    bar.parts = std::move(parts);
    return bar;
}

} // namespace tarvello
