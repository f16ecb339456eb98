#include "armybar.h"

#include "platform/explaintexts.h"
#include "platform/numbers.h"

#include <string>
#include <utility>
#include <vector>

namespace tarvello {

namespace {

constexpr BarSwatch kTypeSwatches[kArmyFigureTypes] = {
    BarSwatch::Normal, BarSwatch::Commander,  BarSwatch::Hero,
    BarSwatch::Vehicle, BarSwatch::BattleMage, BarSwatch::Other};

std::string Lines(std::size_t count)
{
    return FillText(count == 1 ? msg::kOneLine : msg::kLines, {std::to_string(count)});
}

} // namespace

PointsBar ArmyCompositionBar(const ArmyComposition &composition, std::int32_t total,
                             std::string_view limit, char decimalMark)
{
    const auto number = [decimalMark](double value) { return NumberText(value, decimalMark); };
    std::vector<BarPart> parts;
    double stacked = 0;
    for (std::size_t i = 0; i < kArmyFigureTypes; ++i) {
        if (composition.lines[i] == 0)
            continue;
        const std::string name(ArmyFigureTypeName(static_cast<ArmyFigureType>(i)));
        const double points = composition.byType[i];
        parts.push_back({name, points, kTypeSwatches[i],
                         FillText(msg::kArmyTypePart, {name, number(points), Lines(composition.lines[i])})});
        stacked += points > 0 ? points : 0;
    }
    if (composition.lineCount > 0) {
        parts.push_back({"Rounding", composition.rounding, BarSwatch::Rounding,
                         FillText(msg::kArmyRounding, {number(composition.rounding)})});
        stacked += composition.rounding > 0 ? composition.rounding : 0;
    }
    std::string tip = FillText(msg::kArmyTotal, {std::to_string(total)});
    std::optional<double> marker;
    const PointsBalance balance = BalanceOf(std::to_string(total), limit);
    if (balance.kind == PointsBalance::Kind::Left) {
        const auto left = static_cast<double>(balance.points);
        if (left > 0)
            parts.push_back({"Left", left, BarSwatch::Left,
                             FillText(msg::kArmyLeft, {std::to_string(balance.points)})});
        marker = stacked + left;
    } else if (balance.kind == PointsBalance::Kind::Over) {
        const auto over = static_cast<double>(balance.points);
        BarPart part{"Over", over, BarSwatch::Over,
                     FillText(msg::kArmyOver, {std::to_string(balance.points)})};
        part.overlay = true;
        part.from = stacked - over;
        parts.push_back(std::move(part));
        marker = stacked - over;
    }
    if (marker)
        tip = FillText(msg::kArmyTotalLimit, {std::to_string(total), limit});
    PointsBar bar = LayOutBar(std::move(parts), marker, decimalMark);
    bar.tip = tip;
    return bar;
}

} // namespace tarvello
