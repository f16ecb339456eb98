#include "figure/costcalculation.h"
#include "figure/figurerecord.h"
#include "figure_testtables.h"
#include "platform/fileio.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace tarvello;

namespace {

const ListRow kDagger = {"Dagger", "2", ""};

std::vector<std::string> Split(const std::string &text, char mark)
{
    std::vector<std::string> parts(1);
    for (char c : text)
        c == mark ? void(parts.emplace_back()) : parts.back().push_back(c);
    return parts;
}

std::vector<ListRow> Rows(const std::string &text)
{
    std::vector<ListRow> rows;
    for (const std::string &row : text.empty() ? std::vector<std::string>() : Split(text, ','))
        rows.push_back(Split(row, ':'));
    return rows;
}

// One line of tests/data/figure/costs.txt: a figure and what it costs.
struct CostCase
{
    std::vector<std::string> fields;
    const std::string &name() const { return fields[0]; }
};

std::vector<CostCase> Cases()
{
    std::vector<CostCase> cases;
    ForEachLine(ReadFileBytes(TARVELLO_TEST_DATA_DIR "/figure/costs.txt").value_or(""),
                [&cases](std::string_view line) {
                    if (!line.empty() && line[0] != '#')
                        cases.push_back({Split(std::string(line), '|')});
                });
    return cases;
}
const std::vector<CostCase> kCases = Cases();

FigureRecord MakeRecord(const CostCase &c)
{
    FigureRecord r;
    std::istringstream choices(c.fields[1] + " " + c.fields[4]);
    for (ChoiceList FigureRecord::*list : {&FigureRecord::cboFigureType, &FigureRecord::cboTrainingLevel,
                                           &FigureRecord::cboArmorType, &FigureRecord::cboRace,
                                           &FigureRecord::cboMove, &FigureRecord::cboCommandSkill}) {
        r.*list = ChoiceList{{"a", "b", "c", "d", "e"}, 0};
        choices >> (r.*list).index;
    }
    choices >> r.chkUseOptionalMovement >> r.chkOptionalRangeCost;
    r.txtAdjustHitFactor = c.fields[2];
    r.txtHitPoints = c.fields[3];
    r.lvwMeleeWeaponsSelected = Rows(c.fields[5]);
    r.lvwMissileWeaponsSelected = Rows(c.fields[6]);
    r.lvwExtraItemsSelected = Rows(c.fields[7]);
    return r;
}

// The derived fields in the order of the file's last twelve columns.
std::string FigureRecord::*const kDerived[] = {
    &FigureRecord::txtBaseHitFactor,         &FigureRecord::txtBaseMorale,
    &FigureRecord::txtMagicSkillCost,        &FigureRecord::txtAdjustedHitFactor,
    &FigureRecord::txtDefenseFactor,         &FigureRecord::txtMoveMultiplier,
    &FigureRecord::txtMeleeWeaponMultiplier, &FigureRecord::txtMissileWeaponMultiplier,
    &FigureRecord::txtExtraItemsCost,        &FigureRecord::txtTotalWeaponMultiplier,
    &FigureRecord::txtCost,                  &FigureRecord::txtFinalCost};

class FigureCost : public ::testing::TestWithParam<CostCase>
{
};

TEST_P(FigureCost, DerivedFields)
{
    const CostCase &c = GetParam();
    const RulesTables tables = figuretest::FigureTestTables();
    FigureRecord r = MakeRecord(c);
    ASSERT_EQ(c.fields.size(), 8 + std::size(kDerived));
    ASSERT_TRUE(CalculateCost(r, tables).ok());
    for (std::size_t i = 0; i < std::size(kDerived); ++i)
        EXPECT_EQ(r.*kDerived[i], c.fields[8 + i]) << i;
    EXPECT_EQ(r.txtExtraItemsCostCopy, r.txtExtraItemsCost);
    EXPECT_EQ(r.txtHitPointsCopy, c.fields[3]);
}

INSTANTIATE_TEST_SUITE_P(Figures, FigureCost, ::testing::ValuesIn(kCases),
                         [](const auto &info) { return info.param.name(); });

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
