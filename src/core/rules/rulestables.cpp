#include "rulestables.h"

namespace tarvello {

const std::vector<AttackRollRow> &RulesTables::AttackRolls(int trainingPosition) const
{
    if (trainingPosition == 1)
        return LineAttackRolls;
    if (trainingPosition == 2)
        return EliteAttackRolls;
    return GreenAttackRolls;
}

char RulesTables::DecimalMark() const
{
    return DecimalSeparator.empty() ? '.' : DecimalSeparator[0];
}

} // namespace tarvello
