#pragma once

#include "failure.h"

#include <string>

// Single-call profile access: each call loads the file and, for writes, saves
// it again. Use ProfileDocument directly to read or write many keys.
namespace tarvello {

// The value of key in section of file, or def when the file, section or key
// is absent. A file that cannot be read is absent: reading has no failure.
std::string ReadIni(const std::string &section, const std::string &key,
                    const std::string &def, const std::string &file);

// Sets key in section of file, creating the file, section and key as needed.
// On a failure ("Error in saving " + file + " !") the file stays as it was.
Status WriteIni(const std::string &section, const std::string &key,
              const std::string &value, const std::string &file);

// Removes section with all its keys from file; a failure as WriteIni's.
Status DeleteIniSection(const std::string &section, const std::string &file);

} // namespace tarvello
