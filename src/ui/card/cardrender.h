#pragma once

#include "qtcardtarget.h"

#include "card/carddraw.h"

#include <QByteArray>
#include <QImage>

namespace tarvello {

// The card drawn on its own at true size: as an image at dpi dots per inch
// (the screen's variant or the printer's), and as the files "Save as
// Image..." writes.
struct CardRender
{
    const CardScene &scene;
    const QtCardTarget::Pictures &pictures;

    // A white image of the card at dpi; the screen's variant draws its
    // pixel lengths in logical pixels and starts with the line width given
    // (the width the last drawing of the screen card left). fits tells
    // whether the card fitted.
    QImage image(double dpi, bool printer, int lineWidth = 1, bool *fits = nullptr) const;
    // The printed card as a PNG of 300 dots per inch.
    QByteArray png() const;
    // The printed card as a one-page PDF of the card's size (vector).
    QByteArray pdf() const;
};

// The PNG's resolution.
inline constexpr int kCardImageDpi = 300;

// The bytes of a card image as a PNG file, as every card image is written.
QByteArray cardPngBytes(const QImage &image);

} // namespace tarvello
