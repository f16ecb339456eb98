#pragma once

#include <string>
#include <string_view>

// What the unit card is drawn on: the screen card or a printer page. All
// positions and lengths are twips from the top-left corner of the target;
// every line is black and solid. Any operation may throw when it cannot be
// done (a font that cannot be set, a picture that is missing); the card then
// skips that drawing step and goes on.
namespace tarvello {

// The pictures a card draws besides its texts and lines.
enum class CardPicture { Figure, Logo, Credit };

class ICardTarget
{
public:
    virtual ~ICardTarget() = default;

    // True for a printer page, false for the screen card.
    virtual bool IsPrinter() const = 0;
    // One device pixel of the target, in twips.
    virtual double PixelTwips() const = 0;

    // Clears the whole target to white.
    virtual void Clear() = 0;
    // Sets the current font; size in points.
    virtual void SetFont(const std::string &name, int size, bool bold, bool italic) = 0;
    // Width and height of text in the current font (text is Windows-1252).
    virtual double TextWidth(std::string_view text) = 0;
    virtual double TextHeight(std::string_view text) = 0;
    // Sets the text cursor: the top-left corner of the next printed text.
    virtual void SetCursor(double x, double y) = 0;
    // Prints text at the cursor in the current font.
    virtual void Print(std::string_view text) = 0;

    // Sets the width of the lines and outlines that follow, in device pixels.
    virtual void SetLineWidth(int pixels) = 0;
    // A line, and a rectangle outline with the two points as opposite corners.
    virtual void Line(double x1, double y1, double x2, double y2) = 0;
    virtual void Box(double x1, double y1, double x2, double y2) = 0;
    // Draws a picture stretched into the rectangle.
    virtual void DrawPicture(CardPicture picture, double x, double y, double width,
                             double height) = 0;
};

} // namespace tarvello
