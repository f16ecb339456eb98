#pragma once

namespace tarvello {

class frmMain;

// Registers the document windows that exist with the main window, which
// enables their New and Open menu items.
void RegisterDocumentWindows(frmMain &main);

} // namespace tarvello
