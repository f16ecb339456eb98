#pragma once

#include "figure/picture.h"
#include "platform/failure.h"

#include <QImage>

namespace tarvello {

// The figure's picture between Qt images and the core's pixel colours.

// A picture of the image's size in 24-bit colours (red + green * 256 +
// blue * 65536); semi-transparent pixels are composited on white.
Picture pictureFromImage(const QImage &image);

// An opaque RGB image of the picture's pixels.
QImage imageFromPicture(const Picture &picture);

// The picture of a file read whole, or its refusal ("The picture ... cannot
// be read!") when the file cannot be read, ends before its picture does, or
// is no picture Qt reads; nothing read in part is ever returned.
Result<QImage> readPictureFile(const QString &path);

} // namespace tarvello
