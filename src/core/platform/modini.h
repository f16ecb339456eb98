#pragma once

#include <string>

// Single-call profile access: each call loads the file and, for writes, saves
// it again. Use ProfileDocument directly to read or write many keys.
namespace tarvello {

// The value of key in section of file, or def when the file, section or key
// is absent.
std::string ReadIni(const std::string &section, const std::string &key,
                    const std::string &def, const std::string &file);

// Sets key in section of file, creating the file, section and key as needed.
void WriteIni(const std::string &section, const std::string &key,
              const std::string &value, const std::string &file);

// Removes section with all its keys from file.
void DeleteIniSection(const std::string &section, const std::string &file);

} // namespace tarvello
