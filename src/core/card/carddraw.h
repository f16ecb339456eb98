#pragma once

#include "cardlayout.h"
#include "cardstyle.h"
#include "clsfigure.h"
#include "drawtarget.h"

#include <string>
#include <string_view>
#include <vector>

// Drawing the unit card, 6 cm x 8.4 cm, on a screen card or a printer page.
namespace tarvello {

// The card's geometry in twips.
struct CardGeometry
{
    static constexpr int kWidth = 3402;        // 6 cm
    static constexpr int kHeight = 4762;       // 8.4 cm
    static constexpr int kRightEdge = 3033;    // 5.35 cm: right-aligned text ends here
    static constexpr int kDataTop = 907;       // 1.6 cm: the first data line
    static constexpr int kHeadingTop = 350;    // the unit name
    static constexpr int kCostTop = 3969;      // 7 cm: the cost line
    static constexpr int kAttackBase = 4000;   // attack blocks stack upward from here
    static constexpr int kAttackLeft = 300;
};

// A length in centimetres as whole twips.
int CmToTwips(double cm);

// A rectangle by its edges, in twips.
struct CardBox
{
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
};

// The room inside the card's inner frame (whose sides are 5 pixels of the
// target thick): every text of the card belongs in it.
CardBox InnerRoom(double pixelTwips);

// Where the logo is drawn; nothing else of the card belongs under it.
CardBox LogoBox();

// The smallest point size that fitting steps a font down to.
inline constexpr int kFitMinPoints = 6;

// The ten roll columns of the attack blocks. A width of 0 draws them at
// their own width (the text width of "00"; on a printer 48 twips more) with
// their texts 24 twips in; a card too narrow for that gets narrower columns
// with their texts pad twips in.
struct RollColumns
{
    double width = 0;
    double pad = 24;
};

// Everything one drawing of the card reads: the figure, the style, the
// picture's place, whether the figure has a picture, and the size in twips of
// the credit picture's box (drawn at a fifth of it).
struct CardScene
{
    const clsFigure *figure = nullptr;
    const CardStyle *style = nullptr;
    CardRect image;
    bool hasFigurePicture = false;
    int creditWidth = 0;
    int creditHeight = 0;
};

// The integer point size of a role's size text (the locale's "." or ","
// accepted); throws RuntimeError when the text is not a number or not a size
// from 1 to 2160.
int FontSizeOf(const std::string &sizeText);

// How one drawing of the card fits onto it: the style drawn with (point
// sizes stepped down where the texts would leave the inner frame or run
// into each other), the cost line's font and place, the roll columns, and
// whether everything fits at all (false: too full even at kFitMinPoints).
// A card whose texts fit as they are gets its style unchanged, so it is
// drawn exactly as without fitting.
struct CardFit
{
    CardStyle style;
    FontRole cost;
    // Left edge of the cost line; below 0 it ends at the right text edge.
    double costLeft = -1;
    RollColumns columns;
    bool fits = true;
};

// Measures the card's texts on target and fits them; a part whose font
// cannot be set stays as the style has it.
CardFit FitCard(ICardTarget &target, const CardScene &scene);

// The texts of the data block from the training line (empty when not shown,
// its place kept) down to the extra items, one per line.
std::vector<std::string> DataLines(const clsFigure &figure);

// "Figure Cost: 35*": the type word, the cost, "*" with optional rules.
std::string CostLine(const clsFigure &figure);

// An attack's title: its name and the set range parts.
std::string AttackTitle(const clsAttack &attack);

// Sets the target's font, then prints text at y: align 0 at x, 1 centred on
// the card, 2 ending at the right text edge.
void PrintText(ICardTarget &target, double x, double y, std::string_view text,
               const std::string &fontName, int fontSize, bool bold, int align, bool italic);

// Draws attack block index (1 lowest, 2 above it): the title, "ROLL" with
// the column numbers 1 to 10, and "DMG" with the ten boxed roll values.
void DrawAttack(ICardTarget &target, const clsAttack &attack, int index, const CardStyle &style,
                const RollColumns &columns = {});

// Draws the whole card, fitted (FitCard). A step that fails is left out and
// the next one drawn. Returns false when the card is too full to fit.
bool DrawCard(ICardTarget &target, const CardScene &scene);

// The text of the training line, empty when the training is not 0 ... 2.
std::string TrainingLine(int figureType, int trainingLevel);

// A column number or roll value: a blank before values below 10.
std::string TwoColumnNumber(int value);

} // namespace tarvello
