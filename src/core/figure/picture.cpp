#include "picture.h"

namespace tarvello {

Picture::Picture(int w, int h)
    : width(w > 0 ? w : 0)
    , height(h > 0 ? h : 0)
    , colours(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), kWhite)
{
}

std::uint32_t Picture::Pixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= width || y >= height)
        return kWhite;
    return colours[static_cast<std::size_t>(y) * static_cast<std::size_t>(width)
                   + static_cast<std::size_t>(x)];
}

void Picture::SetPixel(int x, int y, std::uint32_t colour)
{
    if (x < 0 || y < 0 || x >= width || y >= height)
        return;
    colours[static_cast<std::size_t>(y) * static_cast<std::size_t>(width)
            + static_cast<std::size_t>(x)] = colour;
}

} // namespace tarvello
