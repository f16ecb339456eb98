#pragma once

#include <cstdint>
#include <vector>

// The figure's picture in pixels, and the conversions between the screen's
// twips and pixels.
namespace tarvello {

// A picture of width x height pixels, row by row (index y * width + x). Each
// colour is red + green * 256 + blue * 65536, as the figure file stores it.
struct Picture
{
    static constexpr std::uint32_t kWhite = 16777215;

    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> colours;

    Picture() = default;
    // A blank (all white) picture of the given size; negative sizes give 0.
    Picture(int w, int h);

    // The colour at (x, y); white outside the picture.
    std::uint32_t Pixel(int x, int y) const;
    // Sets the colour at (x, y); a point outside the picture is ignored.
    void SetPixel(int x, int y, std::uint32_t colour);

    bool operator==(const Picture &other) const = default;
};

// Twips per pixel of a screen of 96 pixels per inch.
inline constexpr double kTwipsPerPixel96Dpi = 15.0;

// Twips to pixels: twips / twipsPerPixel rounded half to even; throws
// RuntimeError("Overflow") when the result does not fit an int.
int PixelsX(double twips, double twipsPerPixelX = kTwipsPerPixel96Dpi);
int PixelsY(double twips, double twipsPerPixelY = kTwipsPerPixel96Dpi);
// Pixels to twips: pixels * twipsPerPixel.
double TwipsX(double pixels, double twipsPerPixelX = kTwipsPerPixel96Dpi);
double TwipsY(double pixels, double twipsPerPixelY = kTwipsPerPixel96Dpi);

} // namespace tarvello
