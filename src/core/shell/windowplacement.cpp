#include "windowplacement.h"

#include <algorithm>

namespace tarvello {

namespace {

struct Span
{
    int start;
    int length;
};

Span KeepInside(Span span, int area, int minimum)
{
    if (span.length > area)
        span.length = std::max(area, minimum);
    span.start = std::max(0, std::min(span.start, area - span.length));
    return span;
}

} // namespace

WindowRect KeepInsideArea(const WindowRect &window, int areaWidth, int areaHeight, int minWidth,
                          int minHeight)
{
    const Span across = KeepInside({window.left, window.width}, areaWidth, minWidth);
    const Span down = KeepInside({window.top, window.height}, areaHeight, minHeight);
    return {across.start, down.start, across.length, down.length};
}

} // namespace tarvello
