#include "carddraw.h"

#include "figure/figurerecord.h"
#include "figure/figurerules.h"
#include "platform/numbers.h"
#include "platform/runtimeerror.h"
#include "platform/twips.h"

#include <cmath>
#include <exception>
#include <functional>
#include <optional>

namespace tarvello {

namespace {

// Integer division of a measured length, rounded first, truncating.
long long IntDiv(double value, long long divisor)
{
    return static_cast<long long>(RoundHalfEven(value)) / divisor;
}

// Runs one drawing step; a step that fails is left out.
void Step(const std::function<void()> &step)
{
    try {
        step();
    } catch (const std::exception &) {
    }
}

void DrawFrames(ICardTarget &t)
{
    const double px = t.PixelTwips();
    const double w = CardGeometry::kWidth;
    const double h = CardGeometry::kHeight;
    t.Box(2 * px, 2 * px, w, px);
    t.Box(w - px, 2 * px, w, h);
    t.Box(2 * px, h - px, w, h);
    t.Box(2 * px, 2 * px, px, h);

    const double x0 = CmToTwips(0.3);
    const double y0 = CmToTwips(0.35);
    const double fw = CmToTwips(5.45);
    const double bottom = CmToTwips(8);
    const double th = RoundHalfEven(5 * px);
    t.Box(x0, y0, x0 + fw, y0 + th);
    t.Box(x0 + fw - th, y0, x0 + fw, bottom);
    t.Box(x0, bottom - th, x0 + fw, bottom);
    t.Box(x0, y0, x0 + th, bottom);
}

void DrawRole(ICardTarget &t, const FontRole &role, double y, const std::string &text, int align)
{
    PrintText(t, 0, y, text, role.Name, FontSizeOf(role.Size), role.Bold != 0, align,
              role.Italic != 0);
}

void DrawData(ICardTarget &t, const clsFigure &f, const FontRole &data)
{
    const int size = FontSizeOf(data.Size);
    t.SetFont(data.Name, size, data.Bold != 0, data.Italic != 0);
    double y = CardGeometry::kDataTop;
    const std::vector<std::string> lines = DataLines(f);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            y += t.TextHeight("Move");
        if (!lines[i].empty())
            DrawRole(t, data, y, lines[i], 2);
    }
}

} // namespace

int CmToTwips(double cm)
{
    return int(RoundHalfEven(cm * kTwipsPerCm));
}

CardBox InnerRoom(double pixelTwips)
{
    const double x0 = CmToTwips(0.3);
    const double y0 = CmToTwips(0.35);
    const double th = RoundHalfEven(5 * pixelTwips);
    return {x0 + th, y0 + th, x0 + CmToTwips(5.45) - th, CmToTwips(8) - th};
}

CardBox LogoBox()
{
    const double left = CmToTwips(0.5);
    const double top = CmToTwips(7);
    return {left, top, left + CmToTwips(2.1), top + CmToTwips(0.8)};
}

std::vector<std::string> DataLines(const clsFigure &f)
{
    std::vector<std::string> lines{TrainingLine(f.FigureType, f.TrainingLevel)};
    const auto line = [&lines](bool shown, std::string text) {
        if (shown)
            lines.push_back(std::move(text));
    };
    line(true, "Move: " + std::to_string(f.Move));
    line(true, "Hit Factor: " + std::to_string(f.HitFactor));
    line(f.HitPoints > 1, "Hit Points: " + std::to_string(f.HitPoints));
    line(f.Command > 0, "Command: +" + std::to_string(f.Command));
    line(f.Morale > 0, "Morale: " + std::to_string(f.Morale));
    line(f.MaxSpells > 0, "Total Spells:" + std::to_string(f.MaxSpells));
    line(f.MaxMana > 0, "Max Mana:" + std::to_string(f.MaxMana));
    line(f.ManaDraw > 0, "Mana Draw:" + std::to_string(f.ManaDraw));
    line(f.SpellRangeShort > 0, "Spell Range");
    line(f.SpellRangeShort > 0, "Short:" + std::to_string(f.SpellRangeShort) + " Long:"
                                    + std::to_string(f.SpellRangeLong));
    line(true, "Armor:");
    // A long armour name wraps once, at its first blank (which is dropped).
    const std::size_t blank = f.Armor.find(' ');
    if (f.Armor.size() > 10 && blank != std::string::npos) {
        line(true, f.Armor.substr(0, blank));
        line(true, f.Armor.substr(blank + 1));
    } else {
        line(true, f.Armor);
    }
    line(f.ExtraItems > 0, "Extra:" + std::to_string(f.ExtraItems));
    return lines;
}

std::string CostLine(const clsFigure &f)
{
    const char *type = f.FigureType == static_cast<int>(FigureType::Vehicle)      ? "Vehicle"
                       : f.FigureType == static_cast<int>(FigureType::BattleMage) ? "Mage"
                                                                                  : "Figure";
    return std::string(type) + " Cost: " + std::to_string(f.Cost) + (f.OptionalRules ? "*" : "");
}

int FontSizeOf(const std::string &sizeText)
{
    std::optional<double> size = LocaleNumber(sizeText, '.');
    if (!size)
        size = LocaleNumber(sizeText, ',');
    if (!size)
        throw RuntimeError(errtext::kTypeMismatch);
    const double points = RoundHalfEven(*size);
    if (!(points >= 1.0 && points <= 2160.0))
        throw RuntimeError(errtext::kInvalidCall);
    return int(points);
}

void PrintText(ICardTarget &target, double x, double y, std::string_view text,
               const std::string &fontName, int fontSize, bool bold, int align, bool italic)
{
    target.SetFont(fontName, fontSize, bold, italic);
    if (align == 1)
        x = double(CardGeometry::kWidth / 2 - IntDiv(target.TextWidth(text), 2));
    else if (align == 2)
        x = CardGeometry::kRightEdge - target.TextWidth(text);
    target.SetCursor(x, y);
    target.Print(text);
}

std::string TrainingLine(int figureType, int trainingLevel)
{
    if (trainingLevel < 0 || trainingLevel >= kTrainingLevelCount)
        return {};
    const auto level = static_cast<std::size_t>(trainingLevel);
    if (figureType == static_cast<int>(FigureType::Vehicle))
        return std::string(kTargetingSystemLabel) + ": " + kVehicleCaptions[level];
    if (figureType == static_cast<int>(FigureType::BattleMage))
        return std::string(kTrainingLevelLabel) + ": " + kMageCaptions[level];
    return std::string(kTrainingLevelLabel) + ": " + kTrainingCaptions[level];
}

bool DrawCard(ICardTarget &t, const CardScene &scene)
{
    const clsFigure &f = *scene.figure;
    const CardFit fit = FitCard(t, scene);
    const CardStyle &style = fit.style;
    if (!t.IsPrinter())
        Step([&] { t.Clear(); });
    Step([&] { DrawFrames(t); });
    Step([&] { t.Box(CmToTwips(0.6), CmToTwips(1.3), CmToTwips(5.35), CmToTwips(1.35)); });
    if (scene.hasFigurePicture) {
        Step([&] {
            t.DrawPicture(CardPicture::Figure, scene.image.Left, scene.image.Top,
                          scene.image.Width, scene.image.Height);
        });
    }
    Step([&] { DrawRole(t, style.Heading, CardGeometry::kHeadingTop, f.Name, 1); });
    Step([&] { DrawData(t, f, style.Data); });
    for (int i = 1; i <= 2 && i <= int(f.Attacks.size()); ++i)
        Step([&] { DrawAttack(t, f.Attacks[std::size_t(i - 1)], i, style, fit.columns); });
    Step([&] {
        const bool moved = fit.costLeft >= 0;
        PrintText(t, moved ? fit.costLeft : 0, CardGeometry::kCostTop, CostLine(f), fit.cost.Name,
                  FontSizeOf(fit.cost.Size), fit.cost.Bold != 0, moved ? 0 : 2,
                  fit.cost.Italic != 0);
    });
    Step([&] {
        const CardBox logo = LogoBox();
        t.DrawPicture(CardPicture::Logo, logo.left, logo.top, logo.right - logo.left,
                      logo.bottom - logo.top);
    });
    Step([&] {
        t.DrawPicture(CardPicture::Credit, CmToTwips(2.7), CmToTwips(7.6),
                      double(scene.creditWidth / 5), double(scene.creditHeight / 5));
    });
    return fit.fits;
}

} // namespace tarvello
