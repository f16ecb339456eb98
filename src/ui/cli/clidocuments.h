#pragma once

#include "commandlinerun.h"

#include "army/armymodel.h"
#include "figure/figuremodel.h"

#include <memory>

namespace tarvello {

// A figure or army file of a run, opened as its editor opens it: the
// editor's notices are said, a file that cannot be opened fails (nullptr).
std::unique_ptr<FigureModel> openCliFigure(CliRun &run, const std::string &path);
std::unique_ptr<ArmyModel> openCliArmy(CliRun &run, const std::string &path);

// The kind of path, Figure or Army; any other fails with the main window's
// message and gives Unknown.
DocumentKind cliDocumentKind(CliRun &run, const std::string &path);

// Writes bytes whole to path (nothing left behind on a failure), or to
// standard output when path is empty; false on a failure, which is said.
bool writeOutput(CliRun &run, const std::string &path, std::string_view bytes);

} // namespace tarvello
