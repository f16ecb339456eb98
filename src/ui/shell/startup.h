#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class QWidget;
#include <optional>

namespace tarvello {

class IDialogs;
class frmMain;
class frmSplash;

// The title window, shown and painted at once, so that the main window is
// built behind it while the player reads it; frmMain::startUp waits for its key.
std::unique_ptr<frmSplash> showTitleWindow();

// With TARVELLO_STARTUP_TIMES set, writes "<what> <milliseconds since the
// epoch>" to standard error when window is first painted (start-up timing).
void markFirstPaint(QWidget &window, const char *what);

// The program folder for this start. An installed copy (the install's marker
// file beside the executable) always uses the player's data folder, given a
// copy of the tables, the readme and the sample figures that it lacks at
// each start; a build folder is used as it is when the player can write it,
// otherwise the same data folder. A failure to prepare it is shown; nullopt
// when the program cannot go on (no home folder, no data folder), never the
// installed folder.
std::optional<QString> startProgramFolder(IDialogs &dialogs);

// Tells the player when the settings file is not an ordinary file (a pipe, a
// device): it is then not opened, and the start goes on with the defaults.
void checkSettingsFile(IDialogs &dialogs, const QString &settingsFile);

// Opens each file named on the command line, as File, Open would.
void openCommandLineFiles(frmMain &main, const QStringList &paths);

} // namespace tarvello
