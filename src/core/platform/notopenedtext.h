#pragma once

#include <string>

namespace tarvello {

// The message for a file that is neither a figure nor an army: "x cannot be
// opened: Tarvello opens figure files (.tvf) and army files (.tva)."; with
// packs, "... figure files (.tvf), army files (.tva) and army packs (.tvz)."
std::string NotOpenedText(const std::string &path, bool withPacks = false);

} // namespace tarvello
