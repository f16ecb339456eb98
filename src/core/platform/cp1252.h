#pragma once

#include <string>
#include <string_view>

// Text in files is single-byte Windows-1252; the windows show UTF-8.
namespace tarvello {

// Windows-1252 bytes to UTF-8. Bytes that the code page leaves undefined map
// to the control characters of the same value, so nothing is lost.
std::string Cp1252ToUtf8(std::string_view bytes);

// UTF-8 to Windows-1252; a character the code page lacks becomes "?".
std::string Utf8ToCp1252(std::string_view utf8);

} // namespace tarvello
