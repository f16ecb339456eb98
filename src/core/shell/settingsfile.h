#pragma once

#include <string>

// The settings file (the recent files, the tool bar's state).
namespace tarvello {

// True when path may be opened as the settings file: it is not empty and
// names an ordinary file (also through a link) or nothing yet. A pipe or a
// device is never opened: reading it would wait for a writer, or never end.
bool IsUsableSettingsFile(const std::string &path);

// The notice of a start whose settings file is not usable.
std::string UnusableSettingsNotice(const std::string &path);

} // namespace tarvello
