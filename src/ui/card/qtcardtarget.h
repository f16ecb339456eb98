#pragma once

#include "card/drawtarget.h"
#include "platform/twips.h"

#include <QFont>
#include <QImage>

class QPainter;

namespace tarvello {

// The card drawn with a QPainter: on the screen card's persistent image or
// on a printer page, in twips converted at the painter device's resolution.
class QtCardTarget : public ICardTarget
{
public:
    // The pictures a card draws; a null image cannot be drawn.
    struct Pictures
    {
        QImage figure;
        QImage logo;
        QImage credit;
    };

    // lineWidth is the target's line width, kept by the caller between
    // drawings. pixelTwips is the length of the card's pixels (frame sides,
    // line widths) in twips; 0 takes the painter device's own pixel.
    QtCardTarget(QPainter &painter, bool printer, const Pictures &pictures, int &lineWidth,
                 double pixelTwips = 0);

    bool IsPrinter() const override { return m_printer; }
    double PixelTwips() const override;
    void Clear() override;
    void SetFont(const std::string &name, int size, bool bold, bool italic) override;
    double TextWidth(std::string_view text) override;
    double TextHeight(std::string_view text) override;
    void SetCursor(double x, double y) override;
    void Print(std::string_view text) override;
    void SetLineWidth(int pixels) override;
    void Line(double x1, double y1, double x2, double y2) override;
    void Box(double x1, double y1, double x2, double y2) override;
    void DrawPicture(CardPicture picture, double x, double y, double width,
                     double height) override;

private:
    double toX(double twips) const { return twips / TwipsPerPixel(m_dpiX); }
    double toY(double twips) const { return twips / TwipsPerPixel(m_dpiY); }
    void usePen();

    QPainter &m_painter;
    bool m_printer;
    const Pictures &m_pictures;
    int &m_lineWidth;
    double m_dpiX;
    double m_dpiY;
    double m_pixelTwips;
    QFont m_font;
    double m_x = 0;
    double m_y = 0;
};

// True when a font of that name is installed (compared without regard to
// case).
bool FontExists(const std::string &name);

} // namespace tarvello
