#include "windowform.h"

#include <array>
#include <utility>

namespace tarvello {

namespace {

constexpr std::array<std::pair<WindowForm, std::string_view>, 4> kForms{{
    {WindowForm::Figure, "frmFigure"},
    {WindowForm::Army, "frmArmy"},
    {WindowForm::UnitCard, "frmUnitCard"},
    {WindowForm::EditTable, "frmEdit_Table"},
}};

} // namespace

std::string_view FormName(WindowForm form)
{
    for (const auto &[each, name] : kForms) {
        if (each == form)
            return name;
    }
    return {};
}

std::optional<WindowForm> FormOfName(std::string_view name)
{
    for (const auto &[form, each] : kForms) {
        if (each == name)
            return form;
    }
    return std::nullopt;
}

} // namespace tarvello
