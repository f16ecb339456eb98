#include "commandrouting.h"

#include "windowform.h"

namespace tarvello {

namespace {

bool IsDocumentEditor(std::string_view formName)
{
    const std::optional<WindowForm> form = FormOfName(formName);
    return form == WindowForm::Figure || form == WindowForm::Army;
}

bool IsCardOrTable(std::string_view formName)
{
    const std::optional<WindowForm> form = FormOfName(formName);
    return form == WindowForm::UnitCard || form == WindowForm::EditTable;
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
