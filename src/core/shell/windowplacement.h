#pragma once

// Where a child window goes when it grows inside the main window's area.
namespace tarvello {

// A window's place and size in pixels, relative to the area's top-left corner.
struct WindowRect
{
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    bool operator==(const WindowRect &) const = default;
};

// The window kept inside an area of areaWidth x areaHeight: moved left and up
// as far as its right and bottom edges need (never past the area's left and
// top edges), and made smaller only where it is larger than the area, though
// never below minWidth x minHeight.
WindowRect KeepInsideArea(const WindowRect &window, int areaWidth, int areaHeight, int minWidth,
                          int minHeight);

} // namespace tarvello
