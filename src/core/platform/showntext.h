#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// What a widget is given of a text that a file or the clipboard may make
// arbitrarily long: shaping megabytes of text would freeze the window, so
// widgets get a bounded part while documents keep and save the whole.
namespace tarvello {

// The longest text, in characters, that a widget is given.
inline constexpr std::size_t kMaxShownText = 1000;

// True when text is shown whole (it is at most kMaxShownText long).
inline bool IsShownWhole(std::string_view text)
{
    return text.size() <= kMaxShownText;
}

// The text as shown: whole, or its first kMaxShownText - 1 characters and an
// ellipsis (Windows-1252 0x85).
std::string ShownText(std::string_view text);

} // namespace tarvello
