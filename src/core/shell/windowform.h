#pragma once

#include <optional>
#include <string_view>

namespace tarvello {

// The document windows the main window creates, forwards commands to and finds
// among its children. Each window's objectName is its form name.
enum class WindowForm { Figure, Army, UnitCard, EditTable };

// The form name of form: "frmFigure", "frmArmy", "frmUnitCard", "frmEdit_Table".
std::string_view FormName(WindowForm form);

// The form a window's objectName names; nullopt for any other window.
std::optional<WindowForm> FormOfName(std::string_view name);

} // namespace tarvello
