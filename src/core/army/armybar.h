#pragma once

#include "armypoints.h"

#include "figure/pointsbar.h"

#include <cstdint>
#include <string_view>

// The army's total as a bar of its points by figure type.
namespace tarvello {

// The parts of an army of the given total and composition: the points of
// each figure type its lines have (Normal, Commander, Hero, Vehicle,
// BattleMage, then "other"), and the total's rounding. With a points limit
// the bar reaches the limit, which it marks: "Left" for the points left, or
// "Over" under the points beyond it.
PointsBar ArmyCompositionBar(const ArmyComposition &composition, std::int32_t total,
                             std::string_view limit, char decimalMark);

} // namespace tarvello
