#include "showntext.h"

namespace tarvello {

std::string ShownText(std::string_view text)
{
    if (IsShownWhole(text))
        return std::string(text);
    std::string shown(text.substr(0, kMaxShownText - 1));
    shown += '\x85';
    return shown;
}

} // namespace tarvello
