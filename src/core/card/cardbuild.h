#pragma once

#include "clsfigure.h"

#include "platform/failure.h"

// Building a card's clsFigure from the figure editor's shown values.
namespace tarvello {

struct CardSource;
struct RulesTables;

// The card's figure: the editor's fields converted to numbers (the hit
// factor, hit points, move, cost and command modifier read by the tables'
// decimal mark; the morale by its leading number, "N/A" giving 0), the saved
// layout read from the figure file's CardLayout section (0 when the figure
// was never saved), the mage values by training level for a BattleMage, and
// one clsAttack per melee then missile row with the ten rolls of the row of
// the training level's attack-roll table at the weapon's maximum damage.
// Fails, naming the field or the weapon, when a field is not a whole number
// that fits, or a maximum damage has no row in the table.
Result<clsFigure> BuildCardFigure(const CardSource &source, const RulesTables &tables);

} // namespace tarvello
