#pragma once

#include "armyunit.h"
#include "platform/failure.h"

#include <map>
#include <string>
#include <vector>

// The summary of a figure file that the army editor offers as an available
// figure, and the scan of a folder of figure files.
namespace tarvello {

class ProfileDocument;

// The summary of a figure file held in doc: the ten single keys and the
// armour of the Figure section ("<none>" when absent), and the melee, missile
// and extra item names of the numbered sections joined by "|" up to the first
// empty name; a missile weapon with a positive shot count gets "(n)".
FigureSummary ReadFigureSummary(const ProfileDocument &doc);

// A summary field as an army line keeps it: ";" becomes "," and a line break
// a blank, since a line of the army file holds neither.
std::string UnitFieldText(std::string text);

// The figure name that the army lines made from the figure file in doc hold:
// the summary's name ("<none>" when absent) as a unit field.
std::string UnitFigureName(const ProfileDocument &doc);

// The summary of the figure file whose bytes are given.
FigureSummary FigureSummaryFromBytes(std::string bytes);

// Every ordinary file of folder whose name ends in ".tvf" (any case), in name
// order, each read once. A folder that does not exist gives an empty list; a
// folder that exists but cannot be listed gives a failure without sentence.
// A file that cannot be read is listed with the defaults of an empty file.
Result<std::vector<FigureSummary>> ScanFigureFolder(const std::string &folder);

// The paths of the files ScanFigureFolder reads, in the same order.
Result<std::vector<std::string>> ListFigureFiles(const std::string &folder);

// Each figure file of folder by the figure name its army lines hold
// (UnitFigureName), the first file of a name (in name order) first: the file
// an army line of that name stands for. An unlistable folder gives none.
std::map<std::string, std::string> FigureFilesByName(const std::string &folder);

// A directory text of the army (Windows-1252) as a path the file functions
// open.
std::string FolderPath(const std::string &directoryText);

// A path as an army's directory text: the reverse of FolderPath (a character
// that Windows-1252 lacks becomes "?").
std::string DirectoryText(const std::string &folderPath);

} // namespace tarvello
