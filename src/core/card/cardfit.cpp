// Fitting the card's texts onto it: each part keeps its style as long as it
// fits, and only a part that would leave the inner frame, run into the
// attack blocks or under the logo gets smaller fonts or other places.
#include "carddraw.h"

#include "platform/numbers.h"

#include <algorithm>
#include <cmath>
#include <exception>

namespace tarvello {

namespace {

constexpr double kPad = 24;
// The room a fitted roll column leaves on each side of its widest text.
constexpr double kMinCellPad = 8;
// What the roll columns keep clear of the inner frame, and the cost line of
// the logo, so that they do not touch it.
constexpr double kFrameGap = 24;
constexpr double kLogoGap = 57;

void UseFont(ICardTarget &t, const FontRole &role, int size)
{
    t.SetFont(role.Name, size, role.Bold != 0, role.Italic != 0);
}

// Steps size down from its start to kFitMinPoints until fits(size) holds;
// returns whether it does.
template<typename Fits>
bool StepDown(int &size, Fits fits)
{
    bool ok = fits(size);
    while (!ok && size > kFitMinPoints)
        ok = fits(--size);
    return ok;
}

// Writes a stepped size back into a role; an unchanged one keeps its text.
void Resize(FontRole &role, int start, int size)
{
    if (size != start)
        role.Size = std::to_string(size);
}

int AttacksDrawn(const clsFigure &f)
{
    return int(std::min<std::size_t>(2, f.Attacks.size()));
}

bool FitHeading(ICardTarget &t, const clsFigure &f, FontRole &role, const CardBox &room)
{
    const int start = FontSizeOf(role.Size);
    int size = start;
    const bool ok = StepDown(size, [&](int s) {
        UseFont(t, role, s);
        const double w = t.TextWidth(f.Name);
        const double x = double(CardGeometry::kWidth / 2
                                - static_cast<long long>(RoundHalfEven(w)) / 2);
        return x >= room.left && x + w <= room.right
               && CardGeometry::kHeadingTop + t.TextHeight(f.Name) <= CardGeometry::kDataTop;
    });
    Resize(role, start, size);
    return ok;
}

// The data lines against the attack blocks (or, without attacks, the cost
// line) and the inner frame's left side.
class DataFit
{
public:
    DataFit(ICardTarget &t, const clsFigure &f, const CardStyle &style, const CardBox &room)
        : m_t(t), m_f(f), m_style(style), m_room(room), m_lines(DataLines(f))
    {
    }

    // The top of the highest attack block at attack size sa.
    double Limit(int sa) const
    {
        const int drawn = AttacksDrawn(m_f);
        if (drawn == 0)
            return CardGeometry::kCostTop;
        UseFont(m_t, m_style.Attack, sa);
        return CardGeometry::kAttackBase - drawn * 3 * (m_t.TextHeight("DMG") + 2 * kPad);
    }
    bool TooLow(int sd, int sa) const
    {
        const double limit = Limit(sa);
        UseFont(m_t, m_style.Data, sd);
        return CardGeometry::kDataTop + double(m_lines.size()) * m_t.TextHeight("Move") > limit;
    }
    bool TooWide(int sd) const
    {
        UseFont(m_t, m_style.Data, sd);
        return std::any_of(m_lines.begin(), m_lines.end(), [this](const std::string &line) {
            return CardGeometry::kRightEdge - m_t.TextWidth(line) < m_room.left;
        });
    }

private:
    ICardTarget &m_t;
    const clsFigure &m_f;
    const CardStyle &m_style;
    const CardBox &m_room;
    std::vector<std::string> m_lines;
};

// Data font first, then the attack and attack roll fonts together.
bool FitData(ICardTarget &t, const clsFigure &f, CardStyle &style, const CardBox &room)
{
    const DataFit data(t, f, style, room);
    const int d0 = FontSizeOf(style.Data.Size);
    const int a0 = FontSizeOf(style.Attack.Size);
    const int r0 = FontSizeOf(style.AttackRoll.Size);
    int sd = d0, sa = a0, sr = r0;
    bool ok = StepDown(sd, [&](int s) { return !data.TooLow(s, sa) && !data.TooWide(s); });
    if (!ok) {
        while (data.TooLow(sd, sa) && (sa > kFitMinPoints || sr > kFitMinPoints)) {
            sa = sa > kFitMinPoints ? sa - 1 : sa;
            sr = sr > kFitMinPoints ? sr - 1 : sr;
        }
        ok = !data.TooLow(sd, sa) && !data.TooWide(sd);
    }
    Resize(style.Data, d0, sd);
    Resize(style.Attack, a0, sa);
    Resize(style.AttackRoll, r0, sr);
    return ok;
}

bool FitTitles(ICardTarget &t, const clsFigure &f, FontRole &role, const CardBox &room)
{
    const int start = FontSizeOf(role.Size);
    int size = start;
    const bool ok = StepDown(size, [&](int s) {
        UseFont(t, role, s);
        for (int i = 0; i < AttacksDrawn(f); ++i) {
            if (CardGeometry::kAttackLeft + t.TextWidth(AttackTitle(f.Attacks[std::size_t(i)]))
                > room.right)
                return false;
        }
        return true;
    });
    Resize(role, start, size);
    return ok;
}

// The ten roll columns between the label cell and the inner frame: as they
// are, else narrower, else (below the narrowest) in a smaller font. A roll
// font so much higher than the attack font that the lower block would reach
// the cost line is made smaller as well.
bool FitColumns(ICardTarget &t, const clsFigure &f, const CardStyle &style, FontRole &role,
                const CardBox &room, RollColumns &columns)
{
    UseFont(t, style.Attack, FontSizeOf(style.Attack.Size));
    const double titleHeight = t.TextHeight("DMG");
    const double blockTop = CardGeometry::kAttackBase - 3 * (titleHeight + 2 * kPad);
    const int start = FontSizeOf(role.Size);
    int size = start;
    const bool ok = StepDown(size, [&](int s) {
        UseFont(t, role, s);
        if (blockTop + titleHeight + 2 * t.TextHeight("DMG") + 2 * kPad > CardGeometry::kCostTop)
            return false;
        const double first = CardGeometry::kAttackLeft + t.TextWidth("DMG") + 2 * kPad + 50;
        const double natural = t.TextWidth("00") + (t.IsPrinter() ? 2 * kPad : 0);
        double widest = 0;
        double reach = first + 10 * natural;
        for (int k = 1; k <= 10; ++k) {
            double w = t.TextWidth(TwoColumnNumber(k));
            for (int i = 0; i < AttacksDrawn(f); ++i)
                w = std::max(w, t.TextWidth(TwoColumnNumber(AttackRoll(f.Attacks[std::size_t(i)], k))));
            widest = std::max(widest, w);
            reach = std::max(reach, first + (k - 1) * natural + kPad + w);
        }
        if (reach <= room.right - kFrameGap) {
            columns = {};
            return true;
        }
        const double width = std::floor((room.right - kFrameGap - first) / 10);
        columns = {width, std::max(0.0, std::floor((width - widest) / 2))};
        return width >= widest + 2 * kMinCellPad;
    });
    Resize(role, start, size);
    return ok;
}

// The cost line beside the logo: smaller, then further right.
bool FitCost(ICardTarget &t, const clsFigure &f, CardFit &fit, const CardBox &room)
{
    const double clear = LogoBox().right + kLogoGap;
    const std::string text = CostLine(f);
    const int start = FontSizeOf(fit.cost.Size);
    int size = start;
    double width = 0;
    const bool ok = StepDown(size, [&](int s) {
        UseFont(t, fit.cost, s);
        width = t.TextWidth(text);
        return CardGeometry::kRightEdge - width >= clear;
    });
    Resize(fit.cost, start, size);
    if (ok)
        return true;
    fit.costLeft = std::min(clear, room.right - width);
    return fit.costLeft >= clear;
}

// Runs one part of the fitting; a part whose font cannot be set keeps what
// the style has (and the drawing leaves it out in any case).
template<typename Part, typename Value>
bool Fit(Value &value, Part part)
{
    const Value before = value;
    try {
        return part(value);
    } catch (const std::exception &) {
        value = before;
        return true;
    }
}

} // namespace

CardFit FitCard(ICardTarget &t, const CardScene &scene)
{
    const clsFigure &f = *scene.figure;
    const CardBox room = InnerRoom(t.PixelTwips());
    CardFit fit;
    // A size that cannot be drawn is drawn at its role's default.
    fit.style = DrawableStyle(*scene.style);
    fit.cost = fit.style.Data;
    bool ok = Fit(fit.style.Heading, [&](FontRole &r) { return FitHeading(t, f, r, room); });
    ok &= Fit(fit.style, [&](CardStyle &s) { return FitData(t, f, s, room); });
    if (AttacksDrawn(f) > 0) {
        ok &= Fit(fit.style.Attack, [&](FontRole &r) { return FitTitles(t, f, r, room); });
        ok &= Fit(fit, [&](CardFit &c) {
            return FitColumns(t, f, c.style, c.style.AttackRoll, room, c.columns);
        });
    }
    ok &= Fit(fit, [&](CardFit &c) { return FitCost(t, f, c, room); });
    fit.fits = ok;
    return fit;
}

} // namespace tarvello
