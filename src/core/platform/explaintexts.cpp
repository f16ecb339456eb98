#include "explaintexts.h"

#include "platform/cp1252.h"

namespace tarvello::msg {

std::string FillFileText(std::string_view pattern, std::initializer_list<std::string_view> args)
{
    return FillText(Utf8ToCp1252(pattern), args);
}

} // namespace tarvello::msg
