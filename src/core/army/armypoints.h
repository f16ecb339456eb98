#pragma once

#include "armyunit.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The army's points beyond its total: an optional points limit with the points
// left or over it, and the points of each unit line.
namespace tarvello {

// The most digits a points limit has.
inline constexpr std::size_t kPointsLimitDigits = 9;

// A limit as typed: empty (no limit) or 1 to kPointsLimitDigits digits.
bool IsPointsLimitText(std::string_view text);

// The limit's value; nullopt for no limit (or a text that is not a limit).
std::optional<std::int32_t> PointsLimitValue(std::string_view text);

// How the total stands against the limit.
struct PointsBalance
{
    enum class Kind { NoLimit, Left, Over };
    Kind kind = Kind::NoLimit;
    // Points left (Left, 0 at the limit) or over it (Over).
    std::int64_t points = 0;

    // "253 left", "120 over", empty without a limit.
    std::string Text() const;
    bool IsOver() const { return kind == Kind::Over; }
};

// The total (as shown, its leading number) against the limit text.
PointsBalance BalanceOf(const std::string &total, std::string_view limit);

// A line's points: count x unit size x figure cost, each its field's leading
// number as the total counts them ("<none>" is 0).
double LinePoints(const ArmyUnit &unit);
// The same as a number text in the locale of decimalMark ("2,5").
std::string LinePointsText(const ArmyUnit &unit, char decimalMark);

// The army file's third line: the header, and as its seventeenth field
// "Points Limit=<n>" when a limit is set.
std::string ArmyHeaderLineWithLimit(std::string_view limit);

// What a third line says of the points limit.
struct HeaderLimit
{
    // The limit in its shortest digits; empty for none.
    std::string limit;
    // The line from its seventeenth field on, ";" first; empty when it has
    // no more than the 16 headers. Written back as read while the limit is
    // not changed.
    std::string tail;
    // A "Points Limit=" field is there but gives no limit: not a whole number
    // from 0 to 999,999,999, not the seventeenth field, or given twice.
    bool unreadable = false;
};
HeaderLimit LimitOfHeader(std::string_view line);

// The limit a third line holds in its seventeenth field ("Points Limit=<n>"),
// in its shortest digits; empty when it holds none or no valid limit.
inline std::string PointsLimitOfHeader(std::string_view line)
{
    return LimitOfHeader(line).limit;
}

} // namespace tarvello
