#pragma once

#include <QString>
#include <QStringList>

namespace tarvello {

class IDialogs;
class frmMain;

// The program folder for this start. An installed copy (the install's marker
// file beside the executable) always uses the player's data folder, given a
// copy of the tables, the readme and the sample figures that it lacks at
// each start; a build folder is used as it is when the player can write it,
// otherwise the same data folder. A failure to prepare it is shown, and the
// executable's folder is used.
QString startProgramFolder(IDialogs &dialogs);

// Opens each file named on the command line, as File, Open would.
void openCommandLineFiles(frmMain &main, const QStringList &paths);

} // namespace tarvello
