#pragma once

#include <cstdint>
#include <vector>

// The figure's picture in pixels.
namespace tarvello {

// Largest picture width or height, and largest pixel count (4096 x 4096),
// that a figure file holds.
inline constexpr int kMaxPictureSide = 16384;
inline constexpr long long kMaxPicturePixels = 4096LL * 4096LL;

// The most pixels a printed card can use: the whole card (6 x 8.4 cm) at
// 300 dots per inch.
inline constexpr int kCardPictureWidth = 709;
inline constexpr int kCardPictureHeight = 992;

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

} // namespace tarvello
