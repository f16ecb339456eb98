#pragma once

#include <cstdint>
#include <string>

namespace tarvello {

class IPrinterPage;

// The vertical position at which printing resumes on a new page.
inline constexpr std::int32_t kPageTop = 300;

// Alignment codes of PrintTextAt.
inline constexpr std::int16_t kAlignLeft = 0;
inline constexpr std::int16_t kAlignCentre = 1;
inline constexpr std::int16_t kAlignRight = 2;

// Prints text at (x, y) in the given font, centred on x (align 1), ending at
// x (align 2) or starting at x (any other code). The font is set afresh on
// every call; an empty face keeps the face. When the text does not fit below
// y, one new page is started and the text and y go to kPageTop.
void PrintTextAt(IPrinterPage &printer, std::int32_t x, std::int32_t &y, const std::string &text,
                 const std::string &fontName, std::int32_t fontSize, bool bold, std::int16_t align,
                 bool italic);

} // namespace tarvello
