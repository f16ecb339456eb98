#include "commandrouting.h"

namespace tarvello {

namespace {

bool IsDocumentEditor(std::string_view formName)
{
    return formName == "frmFigure" || formName == "frmArmy";
}

bool IsCardOrTable(std::string_view formName)
{
    return formName == "frmUnitCard" || formName == "frmEdit_Table";
}

} // namespace

bool ChildReceives(std::string_view formName, FileCommand command)
{
    if (IsDocumentEditor(formName))
        return true;
    if (IsCardOrTable(formName))
        return command == FileCommand::Save || command == FileCommand::PrintIt;
    return false;
}

std::optional<bool> SaveAsAndExportEnabled(std::string_view formName)
{
    if (IsDocumentEditor(formName))
        return true;
    if (IsCardOrTable(formName))
        return false;
    return std::nullopt;
}

} // namespace tarvello
