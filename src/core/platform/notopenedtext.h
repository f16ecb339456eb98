#pragma once

#include <string>

namespace tarvello {

// The message for a file that is neither a figure nor an army: "x cannot be
// opened: Tarvello opens figure files (.tvf) and army files (.tva)."
std::string NotOpenedText(const std::string &path);

} // namespace tarvello
