#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// Texts the core gives the windows to show, marked for translation without Qt.
//
// TV_TR(context, text) is the text itself; `lupdate` is told that it marks a
// text of that context (-tr-function-alias QT_TRANSLATE_NOOP+=TV_TR), so the
// translation files list it, and the windows translate it where they show it.
// Every text written to a file or printed stays unmarked: it is the game's.
#define TV_TR(context, text) text

namespace tarvello {

// The context of every marked text of the core: the windows look a core text
// up under it.
inline constexpr const char *kCoreTextContext = "Core";

// pattern with %1 .. %9 replaced by args in that order; a translated pattern
// may place them anywhere ("Error in saving %1 !").
std::string FillText(std::string_view pattern, std::initializer_list<std::string_view> args);

} // namespace tarvello
