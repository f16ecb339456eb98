#pragma once

#include "platform/failure.h"

#include <string>
#include <vector>

// Where the program finds its rules tables, readme and sample figures.
namespace tarvello {

// The files of the program folder that the player may change: the eleven
// rules tables and readme.txt.
std::vector<std::string> ProgramFiles();

// True when a file can be created in folder (it is then removed again).
bool FolderIsWritable(const std::string &folder);

// Makes userFolder the player's own program folder: creates it and copies
// the program files and the "figures" folder of installFolder into it. Files
// the player already has there are never overwritten; missing ones are copied
// again, each whole or not at all. Returns userFolder. Failure: "Error in
// preparing " + userFolder + " !" + CR LF + description and the file.
Result<std::string> PrepareUserProgramFolder(const std::string &installFolder,
                                             const std::string &userFolder);

// The folder the program uses as its program folder: installFolder when the
// player can write it, otherwise the prepared userFolder. On a failure the
// caller shows it and goes on with installFolder, which its text says.
Result<std::string> ChooseProgramFolder(const std::string &installFolder,
                                        const std::string &userFolder);

// Replaces each rules table of userFolder that is empty (0 bytes: a copy cut
// short, never a table, which has a header line) by installFolder's. The
// notice names the tables replaced; empty when none was.
std::string ReplaceEmptyTables(const std::string &installFolder, const std::string &userFolder);

} // namespace tarvello
