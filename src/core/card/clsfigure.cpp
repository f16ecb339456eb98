#include "clsfigure.h"

#include <array>

namespace tarvello {

namespace {

constexpr std::array<std::int16_t clsAttack::*, 10> kRolls = {
    &clsAttack::Roll1, &clsAttack::Roll2, &clsAttack::Roll3, &clsAttack::Roll4,
    &clsAttack::Roll5, &clsAttack::Roll6, &clsAttack::Roll7, &clsAttack::Roll8,
    &clsAttack::Roll9, &clsAttack::Roll10};

} // namespace

std::int16_t AttackRoll(const clsAttack &attack, int k)
{
    return attack.*kRolls.at(std::size_t(k - 1));
}

std::int16_t &AttackRoll(clsAttack &attack, int k)
{
    return attack.*kRolls.at(std::size_t(k - 1));
}

} // namespace tarvello
