#pragma once

// The one unit of layout: twips, 1440 to the inch, and its conversions.
namespace tarvello {

inline constexpr int kTwipsPerInch = 1440;

// Twips in one centimetre (1440 / 2.54).
inline constexpr double kTwipsPerCm = kTwipsPerInch / 2.54;

// Twips per device pixel at the given dots per inch (15 at 96 dpi).
constexpr double TwipsPerPixel(double dpi) { return kTwipsPerInch / dpi; }

// One screen pixel as the card's pixel lengths mean it: a logical pixel,
// 1/96 inch, whatever the zoom or the screen's scaling.
inline constexpr double kLogicalPixelTwips = TwipsPerPixel(96);

// Twips to device pixels at dpi, rounded half to even; throws
// RuntimeError("Overflow") when the result does not fit an int.
int TwipsToPixels(double twips, double dpi);

// Dots per metre at dpi, as images store their resolution.
constexpr double DotsPerMetre(double dpi) { return dpi * 100 / 2.54; }

// Device pixels at dpi to twips (not rounded).
constexpr double PixelsToTwips(double pixels, double dpi) { return pixels * TwipsPerPixel(dpi); }

} // namespace tarvello
