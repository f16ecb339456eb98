#include "armypoints.h"

#include "armyfile.h"

#include "platform/messagetexts.h"
#include "platform/numbers.h"
#include "platform/runtimeerror.h"

#include <algorithm>
#include <cmath>
#include <functional>

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

namespace {

constexpr std::array<std::string_view, kArmyFigureTypes> kTypeNames = {
    "Normal", "Commander", "Hero", "Vehicle", "BattleMage", TV_TR("Core", "other")};

// A total within 32 bits.
bool FitsTotal(double total)
{
    return std::isfinite(total) && total >= -2147483648.5 && total < 2147483647.5;
}

} // namespace

std::string_view ArmyFigureTypeName(ArmyFigureType type)
{
    return kTypeNames[static_cast<std::size_t>(type)];
}

ArmyFigureType ArmyFigureTypeOf(std::string_view typeText)
{
    for (std::size_t i = 0; i + 1 < kArmyFigureTypes; ++i) {
        if (kTypeNames[i] == typeText)
            return static_cast<ArmyFigureType>(i);
    }
    return ArmyFigureType::Other;
}

std::size_t FigureNameKey(std::string_view name)
{
    return std::hash<std::string_view>{}(name);
}

LineFacts FactsOf(const ArmyUnit &unit)
{
    const double figures = LeadingNumber(unit.Count()) * LeadingNumber(unit.Size());
    return {figures * LeadingNumber(unit.Summary(kCost)), figures,
            ArmyFigureTypeOf(unit.Summary(kFigureType)), FigureNameKey(unit.Summary(kFigureName))};
}

CostsNow::CostsNow(std::initializer_list<std::pair<std::size_t, double>> costs)
{
    for (const auto &[key, cost] : costs)
        Add(key, cost);
}

void CostsNow::Grow()
{
    std::vector<Slot> old = std::move(m_slots);
    m_slots.assign(std::max<std::size_t>(16, old.size() * 2), Slot{});
    m_count = 0;
    for (const Slot &slot : old) {
        if (slot.used)
            Add(slot.key, slot.costed ? std::optional<double>(slot.cost) : std::nullopt);
    }
}

void CostsNow::Add(std::size_t key, std::optional<double> cost)
{
    // At most half full, so that a look-up finds a free slot soon.
    if ((m_count + 1) * 2 > m_slots.size())
        Grow();
    const std::size_t mask = m_slots.size() - 1;
    for (std::size_t i = key & mask;; i = (i + 1) & mask) {
        Slot &slot = m_slots[i];
        if (slot.used && slot.key == key)
            return;
        if (!slot.used) {
            slot = {key, cost.value_or(0), true, cost.has_value()};
            ++m_count;
            return;
        }
    }
}

const double *CostsNow::Find(std::size_t key) const
{
    if (m_slots.empty())
        return nullptr;
    const std::size_t mask = m_slots.size() - 1;
    for (std::size_t i = key & mask;; i = (i + 1) & mask) {
        const Slot &slot = m_slots[i];
        if (!slot.used)
            return nullptr;
        if (slot.key == key)
            return slot.costed ? &slot.cost : nullptr;
    }
}

void ArmyTally::Add(const LineFacts &line)
{
    m_total = ToInt32(line.points + m_total);
    const auto type = static_cast<std::size_t>(line.type);
    m_composition.byType[type] += line.points;
    ++m_composition.lines[type];
    ++m_composition.lineCount;
    m_sum += line.points;
    if (!m_now)
        return;
    double points = line.points;
    if (const double *now = m_now->Find(line.nameKey)) {
        points = line.figures * *now;
        m_nowDiffers = m_nowDiffers || points != line.points;
    }
    m_totalNow = RoundHalfEven(points + m_totalNow);
    m_nowOverflow = m_nowOverflow || !FitsTotal(m_totalNow);
}

ArmyComposition ArmyTally::Composition() const
{
    ArmyComposition composition = m_composition;
    composition.rounding = m_total - m_sum;
    return composition;
}

std::optional<std::int32_t> ArmyTally::TotalNow() const
{
    if (!m_nowDiffers || m_nowOverflow)
        return std::nullopt;
    return static_cast<std::int32_t>(m_totalNow);
}

std::string TotalNowText(std::int32_t total, std::int32_t totalNow)
{
    const std::int64_t difference = std::int64_t{totalNow} - total;
    const std::string now = std::to_string(totalNow);
    if (difference == 0)
        return FillText(msg::kTotalNowSame, {now});
    return FillText(difference > 0 ? msg::kTotalNowOver : msg::kTotalNowUnder,
                    {now, std::to_string(difference > 0 ? difference : -difference)});
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
