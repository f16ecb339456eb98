#pragma once

#include <QString>
#include <QStringList>

namespace tarvello {

class IDialogs;
class frmMain;

// The program folder for this start: the executable's folder when the player
// can write it, otherwise the player's data folder, filled on the first start
// with a copy of the tables, the readme and the sample figures. A failure to
// prepare it is shown, and the executable's folder is used.
QString StartProgramFolder(IDialogs &dialogs);

// Opens each file named on the command line, as File, Open would.
void OpenCommandLineFiles(frmMain &main, const QStringList &paths);

} // namespace tarvello
