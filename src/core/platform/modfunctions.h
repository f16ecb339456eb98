#pragma once

#include <string>
#include <string_view>

// Small shared helpers.
namespace tarvello {

// The product name, a blank and the version major.minor.revision.
std::string AppTitle();

// "Version " and the version major.minor.revision.
std::string VersionLine();

// The user's locale decimal mark (from the environment's locale), "." when
// the locale cannot be read.
std::string GetDecimalSeparator();

// The part of text before its first NUL; an empty text if it holds no NUL.
std::string CutAtNul(std::string_view text);

// Reads a decimal column written with "." or "," as the decimal mark:
// converts every mark to decimalSeparator's, then reads the locale number.
// Throws RuntimeError("Type mismatch") when the text is not a number.
double ParseDecimal(std::string_view text, const std::string &decimalSeparator);

// Joins a folder and a file name with the platform's separator.
std::string JoinPath(const std::string &folder, const std::string &name);

} // namespace tarvello
