#pragma once

#include "platform/failure.h"

#include <string>
#include <string_view>

// Choosing a picture file for a figure: whether its bytes hold the whole
// picture, and whether to offer it scaled down to what a card can use.
namespace tarvello {

// A size in pixels.
struct PixelSize
{
    int width = 0;
    int height = 0;

    bool operator==(const PixelSize &) const = default;
};

// True when a figure file holds a picture of that size (kMaxPictureSide,
// kMaxPicturePixels).
bool FitsFigureFile(PixelSize size);

// The largest size with the picture's proportions within kCardPictureWidth x
// kCardPictureHeight (each side at least 1); the size itself when it fits.
PixelSize CardPictureSize(PixelSize size);

// What choosing a picture of a size asks before taking it.
struct PictureOffer
{
    // The picture is larger than a card can use: offer it scaled to `scaled`.
    bool ask = false;
    // Answering No keeps the picture whole; false beyond the figure file's
    // limit, where No leaves the figure's picture as it was.
    bool keepWhole = true;
    PixelSize scaled;
    // "This picture is 1200 x 1600 pixels; printed on a card it needs at most
    // 709 x 945. Scale it down? (Yes keeps the figure file small)", and for a
    // picture beyond the limit a line saying what No does.
    std::string question;
};
PictureOffer OfferPicture(PixelSize size);

// Why the bytes of a picture file cannot hold the whole picture they declare,
// empty when nothing is missing. A bitmap (BM) must reach the end of its
// pixel rows (or of its compressed data); a JPEG must end its last scan.
std::string PictureFileShortfall(std::string_view bytes);

// The refusal of a chosen picture file: "The picture " + path + " cannot be
// read!" with the description.
Failure PictureRefused(const std::string &path, std::string description);

} // namespace tarvello
