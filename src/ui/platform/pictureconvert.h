#pragma once

#include "figure/picture.h"

#include <QImage>

namespace tarvello {

// The figure's picture between Qt images and the core's pixel colours.

// A picture of the image's size in 24-bit colours (red + green * 256 +
// blue * 65536); semi-transparent pixels are composited on white.
Picture pictureFromImage(const QImage &image);

// An opaque RGB image of the picture's pixels.
QImage imageFromPicture(const Picture &picture);

} // namespace tarvello
