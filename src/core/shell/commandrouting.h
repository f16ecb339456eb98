#pragma once

#include <optional>
#include <string_view>

// Which File commands the main window forwards to which child window, known by
// its form name (see WindowForm).
namespace tarvello {

// The File commands the main window forwards to the active child.
enum class FileCommand { Save, SaveAs, PrintIt, Export };

// True when a child of that form name receives the command.
bool ChildReceives(std::string_view formName, FileCommand command);

// The state Save As and Export take when the File menu opens with a child of
// that form name active; nullopt (no active child, or another window) leaves
// them as they were.
std::optional<bool> SaveAsAndExportEnabled(std::string_view formName);

} // namespace tarvello
