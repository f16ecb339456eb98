#pragma once

namespace tarvello {

class frmMain;

// Registers the document windows that exist with the main window, which
// enables their New and Open menu items.
void registerDocumentWindows(frmMain &main);

} // namespace tarvello
