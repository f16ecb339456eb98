#pragma once

#include "cardlayout.h"
#include "cardstyle.h"
#include "clsfigure.h"
#include "drawtarget.h"

#include <string>
#include <string_view>

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

// Sets the target's font, then prints text at y: align 0 at x, 1 centred on
// the card, 2 ending at the right text edge.
void PrintText(ICardTarget &target, double x, double y, std::string_view text,
               const std::string &fontName, int fontSize, bool bold, int align, bool italic);

// Draws attack block index (1 lowest, 2 above it): the title, "ROLL" with
// the column numbers 1 to 10, and "DMG" with the ten boxed roll values.
void DrawAttack(ICardTarget &target, const clsAttack &attack, int index, const CardStyle &style);

// Draws the whole card. A step that fails is left out and the next one
// drawn.
void DrawCard(ICardTarget &target, const CardScene &scene);

// The text of the training line, empty when the training is not 0 ... 2.
std::string TrainingLine(int figureType, int trainingLevel);

// A column number or roll value: a blank before values below 10.
std::string TwoColumnNumber(int value);

} // namespace tarvello
