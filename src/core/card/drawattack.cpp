#include "carddraw.h"

#include <string>

namespace tarvello {

namespace {

constexpr int kPad = 24;

void Cell(ICardTarget &t, double x1, double y1, double x2, double y2)
{
    t.Line(x1, y1, x2, y1);
    t.Line(x2, y1, x2, y2);
    t.Line(x2, y2, x1, y2);
    t.Line(x1, y2, x1, y1);
}

void Font(ICardTarget &t, const FontRole &role)
{
    t.SetFont(role.Name, FontSizeOf(role.Size), role.Bold != 0, role.Italic != 0);
}

void At(ICardTarget &t, double x, double y, const std::string &text)
{
    t.SetCursor(x, y);
    t.Print(text);
}

} // namespace

std::string AttackTitle(const clsAttack &a)
{
    std::string title = a.Name;
    if (a.ShortRange > 0)
        title += " S:" + std::to_string(a.ShortRange);
    if (a.LongRange > 0)
        title += " L:" + std::to_string(a.LongRange);
    if (a.AttackRadius > 1)
        title += " AR:" + std::to_string(a.AttackRadius);
    if (a.Shots > 0)
        title += " #:" + std::to_string(a.Shots);
    return title;
}

std::string TwoColumnNumber(int value)
{
    // Appended rather than " " + text: GCC 12 warns of a false overlap there.
    std::string text(value < 10 ? 1 : 0, ' ');
    text += std::to_string(value);
    return text;
}

void DrawAttack(ICardTarget &t, const clsAttack &attack, int index, const CardStyle &style,
                const RollColumns &columns)
{
    const FontRole &title = style.Attack;
    Font(t, title);
    double u = t.TextHeight("DMG") + 2 * kPad;
    double y = CardGeometry::kAttackBase - index * 3 * u;
    const double x0 = CardGeometry::kAttackLeft;
    t.SetLineWidth(t.IsPrinter() ? 5 : 2);

    PrintText(t, x0, y, AttackTitle(attack), title.Name, FontSizeOf(title.Size), title.Bold != 0, 0,
              title.Italic != 0);
    y += t.TextHeight("DMG");
    Font(t, style.AttackRoll);
    u = t.TextHeight("DMG") + 2 * kPad;

    At(t, x0, y, "ROLL");
    y += t.TextHeight("DMG");
    At(t, x0 + kPad, y + kPad, "DMG");
    const double lw = t.TextWidth("DMG") + 2 * kPad;
    Cell(t, x0, y, x0 + lw, y + u);

    double x = x0 + lw + 50;
    const bool natural = columns.width <= 0;
    const double c = natural ? t.TextWidth("00") + (t.IsPrinter() ? 2 * kPad : 0) : columns.width;
    const double pad = natural ? kPad : columns.pad;
    for (int k = 1; k <= 10; ++k) {
        At(t, x + pad, y - t.TextHeight("00"), TwoColumnNumber(k));
        Cell(t, x, y, x + c, y + u);
        At(t, x + pad, y + kPad, TwoColumnNumber(AttackRoll(attack, k)));
        x += c;
    }
}

} // namespace tarvello
