#pragma once

#include <cstdint>
#include <vector>

// The figure's picture in pixels.
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

} // namespace tarvello
