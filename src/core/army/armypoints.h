#pragma once

#include "armyunit.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <initializer_list>
#include <utility>
#include <vector>
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

// The figure types an army's points are told apart by: the type texts of
// its lines, any other text counting as Other.
enum class ArmyFigureType : std::uint8_t { Normal, Commander, Hero, Vehicle, BattleMage, Other };
inline constexpr std::size_t kArmyFigureTypes = 6;
// The type's text ("Normal" ... "BattleMage", and "other").
std::string_view ArmyFigureTypeName(ArmyFigureType type);
ArmyFigureType ArmyFigureTypeOf(std::string_view typeText);

// What the total reads of a line, kept beside it: its points, its figures
// (count x unit size), its type and the key of its figure name.
struct LineFacts
{
    double points = 0;
    double figures = 0;
    ArmyFigureType type = ArmyFigureType::Other;
    std::size_t nameKey = 0;
};
LineFacts FactsOf(const ArmyUnit &unit);
// The key of a figure name as a line keeps it (a hash of the text).
std::size_t FigureNameKey(std::string_view name);

// The cost each figure of the army's directory has now, by the key of the
// figure name its lines keep (the first figure of a name counts). An open
// table, so that a look-up per line and keystroke stays a few nanoseconds.
class CostsNow
{
public:
    CostsNow() = default;
    CostsNow(std::initializer_list<std::pair<std::size_t, double>> costs);

    // Adds the cost of key unless key has one; a figure that could not be
    // costed is added with nullopt (its lines keep their own cost).
    void Add(std::size_t key, std::optional<double> cost);
    // The cost of key, nullptr when it has none.
    const double *Find(std::size_t key) const;
    bool empty() const { return m_count == 0; }

private:
    struct Slot
    {
        std::size_t key = 0;
        double cost = 0;
        bool used = false;
        bool costed = false;
    };
    void Grow();

    std::vector<Slot> m_slots;
    std::size_t m_count = 0;
};

// The army's points by figure type, the total those points round to line by
// line, and its rounding (the total minus their sum).
struct ArmyComposition
{
    std::array<double, kArmyFigureTypes> byType{};
    std::array<std::size_t, kArmyFigureTypes> lines{};
    double rounding = 0;
    std::size_t lineCount = 0;
};

// The total summed as RecalcTotal sums it: round(points + total) after every
// line, halves to even, in 32 bits; beside it the points by type and, when
// costs now are given, the total the lines would give with their figures'
// costs now (a line whose figure is not among them keeps its own).
class ArmyTally
{
public:
    explicit ArmyTally(const CostsNow *now = nullptr) : m_now(now && !now->empty() ? now : nullptr) {}

    // Adds a line; a total beyond 32 bits throws RuntimeError ("Overflow").
    void Add(const LineFacts &line);

    std::int32_t Total() const { return m_total; }
    ArmyComposition Composition() const;
    // The total with the costs now, when a line's points differ with them
    // (and it stays within 32 bits).
    std::optional<std::int32_t> TotalNow() const;

private:
    const CostsNow *m_now;
    std::int32_t m_total = 0;
    ArmyComposition m_composition;
    double m_sum = 0;
    double m_totalNow = 0;
    bool m_nowDiffers = false;
    bool m_nowOverflow = false;
};

// "1014 with current costs (14 over)", "(14 under)" below the total, "(the
// same)" when the lines' changes cancel out.
std::string TotalNowText(std::int32_t total, std::int32_t totalNow);

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
