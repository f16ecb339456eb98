#include "figure/costbreakdown.h"
#include "figure/costpreview.h"
#include "figure/costsources.h"
#include "figure/figuremodel.h"
#include "figure/figurerules.h"
#include "figure_testtables.h"
#include "platform/numbers.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace tarvello {
namespace {

using ::testing::HasSubstr;
using R = FigureRecord;

constexpr Choice FigureInputs::*kChoiceLists[] = {&R::cboFigureType, &R::cboTrainingLevel, &R::cboRace,
                                                  &R::cboArmorType,  &R::cboMove,          &R::cboCommandSkill};

// Figures made through the editor's own reactions (a failed calculation
// included: the figure then holds a weapon beyond the attack-roll tables).
struct PreviewCase
{
    const char *name;
    std::function<void(FigureModel &)> make;
};

const PreviewCase kFigures[] = {
    {"new figure", [](FigureModel &) {}},
    {"battle mage at Master with a sword and a wand",
     [](FigureModel &m) {
         (void)m.Choose(&R::cboFigureType, int(FigureType::BattleMage));
         (void)m.Choose(&R::cboTrainingLevel, 2);
         (void)m.Add(FigureSeries::Melee, 0);
         (void)m.Add(FigureSeries::ExtraItem, 2);
     }},
    {"vehicle with a catapult, range cost and movement cost",
     [](FigureModel &m) {
         (void)m.Choose(&R::cboFigureType, int(FigureType::Vehicle));
         (void)m.Choose(&R::cboTrainingLevel, 1);
         (void)m.Choose(&R::cboArmorType, 2);
         (void)m.Add(FigureSeries::Missile, 2);
         (void)m.SetOptionalRangeCost(true);
         (void)m.SetUseOptionalMovement(true);
         (void)m.SetHitPoints("3");
     }},
    {"dwarf archer whose bow is limited to 7 shots",
     [](FigureModel &m) {
         (void)m.Choose(&R::cboRace, 1);
         (void)m.Choose(&R::cboCommandSkill, 2);
         (void)m.Add(FigureSeries::Missile, 0);
         (void)m.SetShots(0, 7);
         (void)m.SetAdjustHitFactor("2.5");
     }},
    {"figure holding a greatsword (no cost)",
     [](FigureModel &m) { (void)m.Add(FigureSeries::Melee, 3); }},
};

class CostPreviewTest : public ::testing::Test
{
protected:
    // Notes that start with a number: a copy that took them for its Shots
    // would cost the crossbow differently.
    CostPreviewTest() { tables.MissileWeapons[1].Notes = "2 bolts a turn"; }

    FigureModel Make(const PreviewCase &figure)
    {
        FigureModel model(tables);
        (void)model.Initialize();
        figure.make(model);
        return model;
    }

    double Cost(const FigureModel &model) const
    {
        return LocaleNumber(model.Record().txtFinalCost, '.').value();
    }

    // The preview against the same change made in the editor.
    void ExpectSameAsDoing(const CostPreview &preview, const PreviewCase &figure,
                           const std::function<Status(FigureModel &)> &change)
    {
        FigureModel model = Make(figure);
        const bool before = model.CalculateCost().ok();
        const double cost = Cost(model);
        const Status done = change(model);
        if (before && done) {
            ASSERT_TRUE(preview.delta.has_value()) << preview.reason.Message();
            EXPECT_EQ(*preview.delta, Cost(model) - cost);
            EXPECT_EQ(preview.finalCost, model.Record().txtFinalCost);
            ++costed;
        } else {
            EXPECT_FALSE(preview.delta.has_value());
            EXPECT_EQ(preview.reason, done ? model.CalculateCost().failure() : done.failure());
            ++failed;
        }
    }

    RulesTables tables = figuretest::FigureTestTables();
    int costed = 0;
    int failed = 0;
};

TEST_F(CostPreviewTest, EveryPreviewEqualsTheCostAfterDoingItMinusBefore)
{
    for (const PreviewCase &figure : kFigures) {
        SCOPED_TRACE(figure.name);
        const FigureModel model = Make(figure);
        const FigureRecord shown = model.Record();
        CostPreviewer previewer(shown, tables);
        for (FigureSeries series : kAllSeries) {
            const std::vector<ListRow> &available = AvailableRows(model.Available(), series);
            for (int row = 0; row < int(available.size()); ++row) {
                SCOPED_TRACE(available[std::size_t(row)][0]);
                ExpectSameAsDoing(previewer.Add(series, available[std::size_t(row)]),
                                  figure, [&](FigureModel &m) { return m.Add(series, row); });
            }
        }
        for (Choice FigureInputs::*list : kChoiceLists) {
            for (int i = 0; i < int(model.Entries().Of(list).size()); ++i) {
                SCOPED_TRACE(model.Entries().Of(list)[std::size_t(i)]);
                ExpectSameAsDoing(previewer.Choose(list, i), figure,
                                  [&](FigureModel &m) { return m.Choose(list, i); });
            }
        }
        // The figure itself is never touched.
        EXPECT_EQ(model.Record(), shown);
    }
    // Four figures cost all but the greatsword (29 changes each); the fifth
    // costs none of its 30.
    EXPECT_EQ(costed, 4 * 29);
    EXPECT_EQ(failed, 4 + 30);
}

TEST(CostDeltaText, SignedWithARealMinus)
{
    EXPECT_EQ(CostDeltaText(12), "+12");
    EXPECT_EQ(CostDeltaText(-3), "\u22123");
    EXPECT_EQ(CostDeltaText(0), "\u00B10");
}

TEST_F(CostPreviewTest, ToolTipsNameEachFactorsSource)
{
    const PreviewCase dwarf = {"line dwarf in chain with a sword, a limited bow and a shield",
                               [](FigureModel &m) {
                                   (void)m.Choose(&R::cboRace, 1);
                                   (void)m.Choose(&R::cboArmorType, 1);
                                   (void)m.Choose(&R::cboTrainingLevel, 1);
                                   (void)m.SetAdjustHitFactor("100");
                                   (void)m.Add(FigureSeries::Melee, 0);
                                   (void)m.Add(FigureSeries::Missile, 0);
                                   (void)m.SetShots(0, 10);
                                   (void)m.Add(FigureSeries::ExtraItem, 0);
                                   (void)m.Add(FigureSeries::ExtraItem, 1);
                               }};
    const FigureModel model = Make(dwarf);
    const CostSources s = ExplainCost(model.Record(), CostPreviewer(model.Record(), tables), tables);
    // Chain's line hit factor 5 + Dwarf 1 + 100, beyond the last row 10.
    EXPECT_THAT(s.defenseFactor, HasSubstr("Defense Factor 2.7: row 10 "));
    EXPECT_THAT(s.defenseFactor, HasSubstr("106 = base hit factor 5 (Armor Type Chain, its column "
                                           "for Training Level Line) + 1 (Race Dwarf) + 100"));
    EXPECT_THAT(s.defenseFactor, HasSubstr("rows 1 to 10, so 10 is used"));
    // Line sword 1 + 4/4 + 0.5; line bow (1 + 4/2 + 0.5 - 1) x 10 / 20 + 1.
    EXPECT_THAT(s.totalWeaponMultiplier, HasSubstr("= melee 2.5 + missile 2.25."));
    EXPECT_THAT(s.totalWeaponMultiplier, HasSubstr("line attack-roll table"));
    EXPECT_THAT(s.totalWeaponMultiplier, HasSubstr("\nSword: 2.5 (Max Damage 4)"));
    EXPECT_THAT(s.totalWeaponMultiplier, HasSubstr("\nBow: 2.25 (Max Damage 4, Attack Radius 1, "
                                                   "limited to 10 shots)"));
    EXPECT_THAT(s.extraItems, HasSubstr("17 = Shield 5 + Banner 12"));
    EXPECT_THAT(s.moveMultiplier, HasSubstr("Movement Foot"));
    EXPECT_THAT(s.finalCost, HasSubstr("the Cost 29.825 rounded"));

    const FigureModel broken = Make(kFigures[4]);
    const CostSources none = ExplainCost(broken.Record(), CostPreviewer(broken.Record(), tables),
                                         tables);
    EXPECT_EQ(none.cost, "The cost cannot be calculated now: Subscript out of range");
}

// Each part of the cost bar against its value worked out by hand (the
// figures of kFigures 1 to 3 and two more); the rounding part is the Final
// Cost minus the others.
TEST_F(CostPreviewTest, CostBarPartsAddUpToTheFinalCost)
{
    const PreviewCase noWeapons = {"good commander without weapons, a shield and a banner",
                                   [](FigureModel &m) {
                                       (void)m.Choose(&R::cboCommandSkill, 1);
                                       (void)m.Add(FigureSeries::ExtraItem, 0);
                                       (void)m.Add(FigureSeries::ExtraItem, 1);
                                   }};
    const PreviewCase twoSwords = {"mounted line figure in chain, 2 hit points, two swords",
                                   [](FigureModel &m) {
                                       (void)m.Choose(&R::cboTrainingLevel, 1);
                                       (void)m.Choose(&R::cboArmorType, 1);
                                       (void)m.Choose(&R::cboMove, 1);
                                       (void)m.SetHitPoints("2");
                                       (void)m.Add(FigureSeries::Melee, 0);
                                       (void)m.Add(FigureSeries::Melee, 0);
                                   }};
    const struct
    {
        const PreviewCase &figure;
        std::vector<double> points;
        const char *description;
    } cases[] = {
        // Elite sword 3 x defense 1.5 (Leather special 5); wand 20; Master 45;
        // 69.5 rounds to 70.
        {kFigures[1], {4.5, 20, 45, 0.5}, "Sword: 4.5; Wand: 20; Magic Skill: 45; Rounding: 0.5"},
        // Line catapult 3 x (3.5 x 5.285 - 4.95 x 0.8) x defense 2.4 x 3 hit
        // points x move 1; 314.01 rounds to 314.
        {kFigures[2], {314.01, -0.01}, "Catapult: 314.01; Rounding: -0.01"},
        // Bow (3 - 1) x 7 / 20 + 1 = 1.7 x defense 1.7 (row 6 of 5.5); Superior 25.
        {kFigures[3], {2.89, 25, 0.11}, "Bow: 2.89; Command Skill: 25; Rounding: 0.11"},
        {noWeapons, {5, 12, 10, 0}, "Shield: 5; Banner: 12; Command Skill: 10; Rounding: 0"},
        // Line sword 2.5 x defense 1.5 x 2 hit points x mounted 1.5, twice;
        // 22.5 rounds to 22.
        {twoSwords, {11.25, 11.25, -0.5}, "Sword: 11.25; Sword: 11.25; Rounding: -0.5"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.figure.name);
        const FigureModel model = Make(c.figure);
        const PointsBar bar = BreakDownCost(model.Record(), CostPreviewer(model.Record(), tables),
                                            tables);
        ASSERT_EQ(bar.parts.size(), c.points.size());
        double sum = 0;
        for (std::size_t i = 0; i < c.points.size(); ++i) {
            EXPECT_NEAR(bar.parts[i].points, c.points[i], 1e-9) << bar.parts[i].label;
            sum += bar.parts[i].points;
        }
        EXPECT_LE(std::abs(bar.parts.back().points), 0.5);
        EXPECT_DOUBLE_EQ(sum, Cost(model));
        EXPECT_EQ(bar.Description(), c.description);
        EXPECT_EQ(bar.zeroAt.has_value(), c.points.back() < 0);
    }
    // A weapon's part stands for its row; the tip names the shared factors.
    const FigureModel model = Make(twoSwords);
    const PointsBar bar = BreakDownCost(model.Record(), CostPreviewer(model.Record(), tables), tables);
    EXPECT_EQ(bar.parts[1].row, 1);
    EXPECT_EQ(bar.parts[1].series, FigureSeries::Melee);
    EXPECT_EQ(bar.parts[2].row, -1);
    EXPECT_THAT(bar.tip, HasSubstr("Defense Factor 1.5 (Race Human, Armor Type Chain"));
    EXPECT_THAT(bar.tip, HasSubstr("Move Multiplier 1.5 (Movement Mounted)\nHit Points 2"));
    // The rounding, -0.5, lies left of zero; the swords share the rest.
    EXPECT_DOUBLE_EQ(*bar.zeroAt, 0.5 / 23);
    EXPECT_DOUBLE_EQ(bar.places[0].left, 0.5 / 23);
    EXPECT_DOUBLE_EQ(bar.places[1].right, 1);
    EXPECT_EQ(bar.PartAt(0.01, 0.5), 2);
    EXPECT_EQ(bar.PartAt(0.9, 0.5), 1);
    const FigureModel broken = Make(kFigures[4]);
    EXPECT_TRUE(BreakDownCost(broken.Record(), CostPreviewer(broken.Record(), tables), tables)
                    .parts.empty());
}

} // namespace
} // namespace tarvello
