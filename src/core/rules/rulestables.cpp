#include "rulestables.h"

namespace tarvello {

const std::vector<AttackRollRow> &RulesTables::AttackRolls(TrainingLevel level) const
{
    switch (level) {
    case TrainingLevel::Line:
        return LineAttackRolls;
    case TrainingLevel::Elite:
        return EliteAttackRolls;
    case TrainingLevel::Green:
        break;
    }
    return GreenAttackRolls;
}

char RulesTables::DecimalMark() const
{
    return DecimalSeparator.empty() ? '.' : DecimalSeparator[0];
}

} // namespace tarvello
