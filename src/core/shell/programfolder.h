#pragma once

#include "platform/failure.h"

#include <optional>
#include <string>
#include <vector>

// Where the program finds its rules tables, readme and sample figures.
namespace tarvello {

// The file an install writes into the program folder it makes; a build folder
// has none. It tells an installed copy, whose player files live in the
// player's own folder, from a build folder, without guessing from the path.
inline constexpr const char *kInstallMarker = "installed.txt";

// The files of the program folder that the player may change: the eleven
// rules tables and readme.txt.
std::vector<std::string> ProgramFiles();

// True when a file can be created in folder (it is then removed again).
bool FolderIsWritable(const std::string &folder);

// Makes userFolder the player's own program folder: creates it and copies
// the program files and the "figures" folder of installFolder into it. Files
// the player already has there are never overwritten; missing ones are copied
// again, each whole or not at all. An army the copy brings (.tva) gets the
// copy's "figures" folder as its figure directory. Returns userFolder.
// Failure: "Error in preparing " + userFolder + " !" + CR LF + description and
// the file; a file in the place of a folder is named ("... is a file, not a
// folder").
Result<std::string> PrepareUserProgramFolder(const std::string &installFolder,
                                             const std::string &userFolder);

// True when folder holds kInstallMarker.
bool IsInstalledCopy(const std::string &folder);

// The program folder of a start, and what the start says first.
struct ProgramFolderChoice
{
    std::string folder;             // empty: the program cannot go on and stops
    std::optional<Failure> failure; // shown before the start goes on or stops
};

// The folder the program uses as its program folder. An installed copy always
// uses the prepared userFolder and never writes installFolder, so the
// player's tables outlive reinstalls. A build folder is used as it is when the
// player can write it, otherwise the prepared userFolder. Without a userFolder
// (no home folder) where one is needed, the start stops with "Tarvello cannot
// find your home folder!". A userFolder prepared only in part is used all the
// same, after the failure; one that is no folder at all stops the start. The
// install folder is never the fallback: an installed copy must not write it.
ProgramFolderChoice ChooseProgramFolder(const std::string &installFolder,
                                        const std::optional<std::string> &userFolder);

// Replaces each rules table of userFolder that is empty (0 bytes: a copy cut
// short, never a table, which has a header line) by installFolder's. The
// notice names the tables replaced; empty when none was.
std::string ReplaceEmptyTables(const std::string &installFolder, const std::string &userFolder);

} // namespace tarvello
