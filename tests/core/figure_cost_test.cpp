#include "figure/costcalculation.h"
#include "figure/figurerecord.h"
#include "figure_testtables.h"

#include <gtest/gtest.h>

using namespace tarvello;

namespace {

const ListRow kSword = {"Sword", "4", "Edge"};
const ListRow kDagger = {"Dagger", "2", ""};
const ListRow kHalberd = {"Halberd", "6", "Two-handed"};
const ListRow kBow = {"Bow", "4", "1", "10", "20", "0", "Arrows"};
const ListRow kCrossbow = {"Crossbow", "5", "1", "12", "24", "0", ""};
const ListRow kCatapult = {"Catapult", "8", "3", "30", "60", "0", "Siege"};
const ListRow kShield = {"Shield", "5", "0", "0", "0", "0", "Parry"};

ListRow Shots(ListRow row, const char *shots)
{
    row[5] = shots;
    return row;
}

ChoiceList Choice(int index)
{
    return ChoiceList{{"a", "b", "c", "d", "e"}, index};
}

struct CostCase
{
    const char *name;
    int type, training, armor, race, move, skill;
    const char *adjust;
    const char *hitPoints;
    int optionalMovement, optionalRange;
    std::vector<ListRow> melee, missile, items;
    // Expected derived fields.
    const char *base, *morale, *magic, *adjusted, *defense, *moveMultiplier;
    const char *meleeSum, *missileSum, *itemsSum, *total, *cost, *finalCost;
};

FigureRecord MakeRecord(const CostCase &c)
{
    FigureRecord r;
    r.cboFigureType = Choice(c.type);
    r.cboTrainingLevel = Choice(c.training);
    r.cboArmorType = Choice(c.armor);
    r.cboRace = Choice(c.race);
    r.cboMove = Choice(c.move);
    r.cboCommandSkill = Choice(c.skill);
    r.txtAdjustHitFactor = c.adjust;
    r.txtHitPoints = c.hitPoints;
    r.chkUseOptionalMovement = c.optionalMovement;
    r.chkOptionalRangeCost = c.optionalRange;
    r.lvwMeleeWeaponsSelected = c.melee;
    r.lvwMissileWeaponsSelected = c.missile;
    r.lvwExtraItemsSelected = c.items;
    return r;
}

// Positions: type 0 Normal .. 4 BattleMage; training 0..2; armour 0 Leather,
// 1 Chain, 2 Plate; race 0 Human, 1 Dwarf, 2 Elf; move 0 Foot, 1 Mounted;
// skill 0 None, 1 Good, 2 Superior.
const CostCase kCases[] = {
    // Leather green 2, Human: hit factor 2, defense 1.1; sword green 2.
    // 2 x 1.1 x 1 x 1 = 2.2 -> 2.
    {"NormalGreenSword", 0, 0, 0, 0, 0, 0, "0", "1", 0, 0, {kSword}, {}, {},
     "2", "3", "0", "2", "1.1", "1", "2", "0", "0", "2", "2.2", "2"},
    // Chain line 5 + Dwarf 1 = 6, defense 1.7. Melee line: sword 2.5 + dagger
    // 2 = 4.5; bow line 3.5, unlimited; total 8. 8 x 1.7 = 13.6, x 2 hit
    // points = 27.2, x 1.5 mounted = 40.8, + 10 skill + 5 shield = 55.8 -> 56.
    {"NormalLineMixed", 0, 1, 1, 1, 1, 1, "0", "2", 0, 0, {kSword, kDagger}, {kBow}, {kShield},
     "5", "5", "0", "6", "1.7", "1.5", "4.5", "3.5", "5", "8", "55.8", "56"},
    // Plate elite 8 + Elf -1 = 7, defense 1.9; halberd elite 2 + 1.5 = 3.5.
    // 3.5 x 1.9 = 6.65 -> 7.
    {"NormalEliteHalberd", 0, 2, 2, 2, 0, 0, "0", "1", 0, 0, {kHalberd}, {}, {},
     "8", "7", "0", "7", "1.9", "1", "3.5", "0", "0", "3.5", "6.65", "7"},
    // Commander: Leather special 5, defense 1.5; sword green 2; 3 hit points;
    // Superior 25. 2 x 1.5 x 3 = 9 + 25 = 34.
    {"CommanderGreen", 1, 0, 0, 0, 0, 2, "0", "3", 0, 0, {kSword}, {}, {},
     "5", "N/A", "0", "5", "1.5", "1", "2", "0", "0", "2", "34", "34"},
    // Hero: Chain special 7 + Dwarf 1 = 8, defense 2.1. Sword line 2.5 +
    // crossbow line row 5 = 4: total 6.5. 6.5 x 2.1 = 13.65 x 5 = 68.25 x 1.5
    // = 102.375 + 10 = 112.375 -> 112.
    {"HeroLine", 2, 1, 1, 1, 1, 1, "0", "5", 0, 0, {kSword}, {kCrossbow}, {},
     "7", "N/A", "0", "8", "2.1", "1.5", "2.5", "4", "0", "6.5", "112.375", "112"},
    // Vehicle, Excellent (elite): Plate special 9, defense 2.4. Catapult elite
    // row 8 = 6, radius 3: 18. 18 x 2.4 x 10 = 432 (43.199999999999996 x 10
    // in doubles; the text passage gives 432).
    {"VehicleExcellent", 3, 2, 2, 0, 0, 0, "0", "10", 0, 0, {}, {kCatapult}, {},
     "9", "N/A", "0", "9", "2.4", "1", "0", "18", "0", "18", "432", "432"},
    // BattleMage Apprentice: Leather special 5, defense 1.5; dagger green
    // 1.5. 1.5 x 1.5 = 2.25 + 15 = 17.25 -> 17.
    {"BattleMageApprentice", 4, 0, 0, 0, 0, 0, "0", "1", 0, 0, {kDagger}, {}, {},
     "5", "N/A", "15", "5", "1.5", "1", "1.5", "0", "0", "1.5", "17.25", "17"},
    // Master uses the elite table: dagger 2.5. 2.5 x 1.5 = 3.75 + 45 = 48.75
    // -> 49.
    {"BattleMageMaster", 4, 2, 0, 0, 0, 0, "0", "1", 0, 0, {kDagger}, {}, {},
     "5", "N/A", "45", "5", "1.5", "1", "2.5", "0", "0", "2.5", "48.75", "49"},
    // No weapons: cost is skill 10 + shield 5 + magic 45 = 60.
    {"NoWeapons", 4, 2, 0, 0, 0, 1, "0", "1", 0, 0, {}, {}, {kShield},
     "5", "N/A", "45", "5", "1.5", "1", "0", "0", "5", "0", "60", "60"},
    // Clamping: Chain green 4 + Dwarf 1 - 100 = -95 -> 1, defense 1.
    {"AdjustClampLow", 0, 0, 1, 1, 0, 0, "-100", "1", 0, 0, {kSword}, {}, {},
     "4", "3", "0", "1", "1", "1", "2", "0", "0", "2", "2", "2"},
    // 4 + 1 + 100 = 105 -> last index 10, defense 2.7; 2 x 2.7 = 5.4 -> 5.
    {"AdjustClampHigh", 0, 0, 1, 1, 0, 0, "100", "1", 0, 0, {kSword}, {}, {},
     "4", "3", "0", "10", "2.7", "1", "2", "0", "0", "2", "5.4", "5"},
    // Base 4, modifier 0, adjustment 2.5: 6.5 shown, row 6 (half to even),
    // defense 1.7; 2 x 1.7 = 3.4 -> 3.
    {"AdjustedSixAndAHalf", 0, 0, 1, 0, 0, 0, "2.5", "1", 0, 0, {kSword}, {}, {},
     "4", "3", "0", "6.5", "1.7", "1", "2", "0", "0", "2", "3.4", "3"},
    // Adjustment 3.5: 7.5 shown, row 8, defense 2.1; 2 x 2.1 = 4.2 -> 4.
    {"AdjustedSevenAndAHalf", 0, 0, 1, 0, 0, 0, "3.5", "1", 0, 0, {kSword}, {}, {},
     "4", "3", "0", "7.5", "2.1", "1", "2", "0", "0", "2", "4.2", "4"},
    // Optional movement: Foot 6 x 0.06 + 0.64 = 1; Mounted 12 gives 1.36.
    // Sword, Leather green (defense 1.1): 2 x 1.1 x 1.36 = 2.992 -> 3.
    {"OptionalMovementMounted", 0, 0, 0, 0, 1, 0, "0", "1", 1, 0, {kSword}, {}, {},
     "2", "3", "0", "2", "1.1", "1.36", "2", "0", "0", "2", "2.992", "3"},
    // Shots on the green bow (m = 3, radius 1), defense 1.1: shots 0 and 20
    // keep 3 (cost 3.3 -> 3); 10 gives (3 - 1) x 10 / 20 + 1 = 2 (2.2 -> 2);
    // 1 gives 2 / 20 + 1 = 1.1 (1.21 -> 1).
    {"ShotsZero", 0, 0, 0, 0, 0, 0, "0", "1", 0, 0, {}, {Shots(kBow, "0")}, {},
     "2", "3", "0", "2", "1.1", "1", "0", "3", "0", "3", "3.3", "3"},
    {"ShotsTwenty", 0, 0, 0, 0, 0, 0, "0", "1", 0, 0, {}, {Shots(kBow, "20")}, {},
     "2", "3", "0", "2", "1.1", "1", "0", "3", "0", "3", "3.3", "3"},
    {"ShotsTen", 0, 0, 0, 0, 0, 0, "0", "1", 0, 0, {}, {Shots(kBow, "10")}, {},
     "2", "3", "0", "2", "1.1", "1", "0", "2", "0", "2", "2.2", "2"},
    {"ShotsOne", 0, 0, 0, 0, 0, 0, "0", "1", 0, 0, {}, {Shots(kBow, "1")}, {},
     "2", "3", "0", "2", "1.1", "1", "0", "1.1", "0", "1.1", "1.21", "1"},
    // Optional range, equal ranges 10/10, damage 4 green: melee base 2 x
    // (10 x 0.165 + 0.335 = 1.985) = 3.97; 3.97 x 1.1 = 4.367 -> 4.
    {"OptionalRangeEqual", 0, 0, 0, 0, 0, 0, "0", "1", 0, 1, {},
     {{"Sling", "4", "1", "10", "10", "0", ""}}, {},
     "2", "3", "0", "2", "1.1", "1", "0", "3.97", "0", "3.97", "4.367", "4"},
    // Optional range, bow 10/20: a = 3.635, b = 1.985, t = 0.4:
    // 3.97 - 1.65 x 0.4 = 3.31; 3.31 x 1.1 = 3.641 -> 4.
    {"OptionalRangeBow", 0, 0, 0, 0, 0, 0, "0", "1", 0, 1, {}, {kBow}, {},
     "2", "3", "0", "2", "1.1", "1", "0", "3.31", "0", "3.31", "3.641", "4"},
    // Optional range then 10 shots: (3.31 - 1) x 10 / 20 + 1 = 2.155;
    // 2.155 x 1.1 = 2.3705 -> 2.
    {"OptionalRangeWithShots", 0, 0, 0, 0, 0, 0, "0", "1", 0, 1, {}, {Shots(kBow, "10")}, {},
     "2", "3", "0", "2", "1.1", "1", "0", "2.155", "0", "2.155", "2.3705", "2"},
    // Negative hit points count as they are: 2 x 1.1 x -2 = -4.4 -> -4.
    {"NegativeHitPoints", 0, 0, 0, 0, 0, 0, "0", "-2", 0, 0, {kSword}, {}, {},
     "2", "3", "0", "2", "1.1", "1", "2", "0", "0", "2", "-4.4", "-4"},
    // Half to even on the final cost: 42.5 -> 42, 43.5 -> 44.
    {"FinalHalfDown", 0, 0, 0, 0, 0, 0, "0", "1", 0, 0, {}, {},
     {{"Gold", "42.5", "0", "0", "0", "0", ""}},
     "2", "3", "0", "2", "1.1", "1", "0", "0", "42.5", "0", "42.5", "42"},
    {"FinalHalfUp", 0, 0, 0, 0, 0, 0, "0", "1", 0, 0, {}, {},
     {{"Gold", "43.5", "0", "0", "0", "0", ""}},
     "2", "3", "0", "2", "1.1", "1", "0", "0", "43.5", "0", "43.5", "44"},
};

class FigureCost : public ::testing::TestWithParam<CostCase>
{
};

TEST_P(FigureCost, DerivedFields)
{
    const CostCase &c = GetParam();
    const RulesTables tables = figuretest::FigureTestTables();
    FigureRecord r = MakeRecord(c);
    ASSERT_TRUE(CalculateCost(r, tables).ok());
    EXPECT_EQ(r.txtBaseHitFactor, c.base);
    EXPECT_EQ(r.txtBaseMorale, c.morale);
    EXPECT_EQ(r.txtMagicSkillCost, c.magic);
    EXPECT_EQ(r.txtAdjustedHitFactor, c.adjusted);
    EXPECT_EQ(r.txtDefenseFactor, c.defense);
    EXPECT_EQ(r.txtMoveMultiplier, c.moveMultiplier);
    EXPECT_EQ(r.txtMeleeWeaponMultiplier, c.meleeSum);
    EXPECT_EQ(r.txtMissileWeaponMultiplier, c.missileSum);
    EXPECT_EQ(r.txtExtraItemsCost, c.itemsSum);
    EXPECT_EQ(r.txtExtraItemsCostCopy, c.itemsSum);
    EXPECT_EQ(r.txtTotalWeaponMultiplier, c.total);
    EXPECT_EQ(r.txtCost, c.cost);
    EXPECT_EQ(r.txtFinalCost, c.finalCost);
    EXPECT_EQ(r.txtHitPointsCopy, c.hitPoints);
}

INSTANTIATE_TEST_SUITE_P(Figures, FigureCost, ::testing::ValuesIn(kCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(FigureCostFields, RaceMoveAndSkillValues)
{
    const RulesTables tables = figuretest::FigureTestTables();
    FigureRecord r = MakeRecord(kCases[1]);
    ASSERT_TRUE(CalculateCost(r, tables).ok());
    EXPECT_EQ(r.txtRaceHitFactorModifier, "1");
    EXPECT_EQ(r.txtMove, "12");
    EXPECT_EQ(r.txtCommandSkillCost, "10");
    EXPECT_EQ(r.txtInitiativeModifier, "1");
    r.cboRace.index = 2;
    ASSERT_TRUE(CalculateCost(r, tables).ok());
    EXPECT_EQ(r.txtRaceHitFactorModifier, "-1");
}

TEST(FigureCostFields, CommaDecimalMark)
{
    RulesTables tables = figuretest::FigureTestTables();
    tables.DecimalSeparator = ",";
    FigureRecord r = MakeRecord(kCases[1]);
    ASSERT_TRUE(CalculateCost(r, tables).ok());
    EXPECT_EQ(r.txtDefenseFactor, "1,7");
    EXPECT_EQ(r.txtMoveMultiplier, "1,5");
    EXPECT_EQ(r.txtCost, "55,8");
    EXPECT_EQ(r.txtFinalCost, "56");
}

// Each failure stops at its step: fields before it carry this run's values,
// fields after it keep those of the previous run.
struct FailureCase
{
    const char *name;
    void (*spoil)(FigureRecord &, RulesTables &);
    const char *message;
    // A field written before the failing step, and its new text.
    std::string FigureRecord::*written;
    const char *writtenText;
    // A field after the failing step, which keeps the previous run's text.
    std::string FigureRecord::*kept;
};

const FailureCase kFailures[] = {
    {"DamageBeyondTable",
     [](FigureRecord &r, RulesTables &) {
         r.txtHitPoints = "2";
         r.lvwMeleeWeaponsSelected.push_back({"Greatsword", "9", ""});
     },
     "Error in calculating cost!\r\nSubscript out of range", &FigureRecord::txtHitPointsCopy, "2",
     &FigureRecord::txtMeleeWeaponMultiplier},
    {"MissileDamageBeyondTable",
     [](FigureRecord &r, RulesTables &) {
         r.lvwMeleeWeaponsSelected.push_back(kDagger);
         r.lvwMissileWeaponsSelected.push_back({"Cannon", "12", "1", "1", "1", "0", ""});
     },
     "Error in calculating cost!\r\nSubscript out of range",
     &FigureRecord::txtMeleeWeaponMultiplier, "3.5", &FigureRecord::txtMissileWeaponMultiplier},
    {"EmptyDefenseTable",
     [](FigureRecord &r, RulesTables &t) {
         r.txtAdjustHitFactor = "1";
         t.DefenseFactors.clear();
     },
     "Error in calculating cost!\r\nSubscript out of range", &FigureRecord::txtAdjustedHitFactor,
     "3", &FigureRecord::txtDefenseFactor},
    {"EmptyAttackTable",
     [](FigureRecord &r, RulesTables &t) {
         r.txtHitPoints = "4";
         t.GreenAttackRolls.clear();
     },
     "Error in calculating cost!\r\nSubscript out of range", &FigureRecord::txtHitPointsCopy, "4",
     &FigureRecord::txtMeleeWeaponMultiplier},
    {"RaceBeyondTable",
     [](FigureRecord &r, RulesTables &t) {
         r.cboArmorType.index = 1;
         t.Races.clear();
     },
     "Error in calculating cost!\r\nSubscript out of range", &FigureRecord::txtBaseHitFactor, "4",
     &FigureRecord::txtRaceHitFactorModifier},
    {"HitPointsNotANumber",
     [](FigureRecord &r, RulesTables &) {
         r.txtHitPoints = "3 men";
         r.lvwMeleeWeaponsSelected.push_back(kDagger);
     },
     "Error in calculating cost!\r\nType mismatch", &FigureRecord::txtTotalWeaponMultiplier, "3.5",
     &FigureRecord::txtCost},
    {"CostOverflow",
     [](FigureRecord &r, RulesTables &) { r.txtHitPoints = "1E308"; },
     "Error in calculating cost!\r\nOverflow", &FigureRecord::txtHitPointsCopy, "1E308",
     &FigureRecord::txtCost},
};

class FigureCostFailure : public ::testing::TestWithParam<FailureCase>
{
};

TEST_P(FigureCostFailure, StopsAtItsStep)
{
    const FailureCase &c = GetParam();
    RulesTables tables = figuretest::FigureTestTables();
    FigureRecord r = MakeRecord(kCases[0]); // Normal green, sword: cost 2.2
    ASSERT_TRUE(CalculateCost(r, tables).ok());
    const std::string before = r.*c.kept;
    const std::string finalBefore = r.txtFinalCost;
    c.spoil(r, tables);
    const Status calculated = CalculateCost(r, tables);
    ASSERT_FALSE(calculated.ok());
    EXPECT_EQ(calculated.failure().Message(), c.message);
    EXPECT_EQ(r.*c.written, c.writtenText);
    EXPECT_EQ(r.*c.kept, before);
    EXPECT_EQ(r.txtFinalCost, finalBefore);
}

INSTANTIATE_TEST_SUITE_P(Figures, FigureCostFailure, ::testing::ValuesIn(kFailures),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
