#pragma once

#include <string>
#include <string_view>

// Text in files is single-byte Windows-1252; the windows show UTF-8.
namespace tarvello {

// Windows-1252 bytes to UTF-8. Bytes that the code page leaves undefined map
// to the control characters of the same value, so nothing is lost.
std::string Cp1252ToUtf8(std::string_view bytes);

// A message's bytes to UTF-8. A message joins texts of files (Windows-1252)
// with paths, which the file system keeps in UTF-8: each well-formed UTF-8
// sequence of two to four bytes is kept as it is ("\xC3\x96laf" is "Ölaf"),
// every other byte is read as Windows-1252 ("\xD6laf" is "Ölaf" too).
std::string MessageTextToUtf8(std::string_view bytes);

// UTF-8 to Windows-1252; a character the code page lacks becomes "?".
std::string Utf8ToCp1252(std::string_view utf8);

} // namespace tarvello
