#include "armypoints.h"

#include "armyfile.h"

#include "platform/numbers.h"

#include <algorithm>
#include <cmath>

namespace tarvello {

namespace {

constexpr std::string_view kLimitKey = "Points Limit=";

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

bool IsPointsLimitText(std::string_view text)
{
    return text.empty()
           || (text.size() <= kPointsLimitDigits && std::all_of(text.begin(), text.end(), IsDigit));
}

std::optional<std::int32_t> PointsLimitValue(std::string_view text)
{
    if (text.empty() || !IsPointsLimitText(text))
        return std::nullopt;
    std::int32_t value = 0;
    for (const char c : text)
        value = value * 10 + (c - '0');
    return value;
}

std::string PointsBalance::Text() const
{
    switch (kind) {
    case Kind::Left: return std::to_string(points) + " left";
    case Kind::Over: return std::to_string(points) + " over";
    case Kind::NoLimit: break;
    }
    return {};
}

PointsBalance BalanceOf(const std::string &total, std::string_view limit)
{
    const std::optional<std::int32_t> value = PointsLimitValue(limit);
    if (!value)
        return {};
    // The total is a 32-bit whole number; the difference fits 64 bits.
    const double shown = LeadingNumber(total);
    const std::int64_t points = std::isfinite(shown) ? static_cast<std::int64_t>(shown) : 0;
    const std::int64_t left = std::int64_t{*value} - points;
    if (left < 0)
        return {PointsBalance::Kind::Over, -left};
    return {PointsBalance::Kind::Left, left};
}

double LinePoints(const ArmyUnit &unit)
{
    return LeadingNumber(unit.Count()) * LeadingNumber(unit.Size())
           * LeadingNumber(unit.Summary(kCost));
}

std::string LinePointsText(const ArmyUnit &unit, char decimalMark)
{
    return NumberText(LinePoints(unit), decimalMark);
}

std::string ArmyHeaderLineWithLimit(std::string_view limit)
{
    std::string line = ArmyHeaderLine();
    if (const std::optional<std::int32_t> value = PointsLimitValue(limit))
        line += ';' + std::string(kLimitKey) + std::to_string(*value);
    return line;
}

HeaderLimit LimitOfHeader(std::string_view line)
{
    std::size_t start = 0;
    for (std::size_t field = 0; field < kUnitFields; ++field) {
        start = line.find(';', start);
        if (start == std::string_view::npos)
            return {};
        ++start;
    }
    HeaderLimit header;
    header.tail = std::string(line.substr(start - 1));
    std::size_t limits = 0;
    bool first = true;
    for (std::size_t at = start; at <= line.size(); first = false) {
        const std::size_t end = std::min(line.find(';', at), line.size());
        const std::string_view field = line.substr(at, end - at);
        at = end + 1;
        if (field.substr(0, kLimitKey.size()) != kLimitKey)
            continue;
        const std::optional<std::int32_t> value = PointsLimitValue(field.substr(kLimitKey.size()));
        if (++limits == 1 && first && value)
            header.limit = std::to_string(*value);
    }
    header.unreadable = limits > 1 || (limits == 1 && header.limit.empty());
    if (header.unreadable)
        header.limit.clear();
    return header;
}

} // namespace tarvello
