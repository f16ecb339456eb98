#pragma once

#include <optional>
#include <string>

// The player's home folder, which holds his data and settings folders.
namespace tarvello {

// homeVariable (the value of HOME) when it is set and not empty; otherwise
// the home folder that the system's user database gives the user running the
// program (on Windows, USERPROFILE); nullopt when it gives none.
std::optional<std::string> PlayerHomeFolder(const char *homeVariable);

} // namespace tarvello
