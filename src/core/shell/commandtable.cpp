#include "commandtable.h"

#include "platform/trtext.h"

namespace tarvello {

namespace {

constexpr WindowKinds kDocuments = KindBit(WindowForm::Figure) | KindBit(WindowForm::Army);
constexpr WindowKinds kCardWindows = kDocuments | KindBit(WindowForm::UnitCard);
constexpr WindowKinds kAllWindows = kCardWindows | KindBit(WindowForm::EditTable);

constexpr CommandRow Menu(std::string_view name, std::string_view parent, std::string_view caption,
                          std::string_view tip = {})
{
    return {RowKind::Menu, name, parent, caption, tip};
}

constexpr CommandRow Separator(std::string_view name, std::string_view parent)
{
    return {RowKind::Separator, name, parent};
}

// An item that no window takes: the main window's own command.
constexpr CommandRow Own(Command command, std::string_view name, std::string_view parent,
                         std::string_view caption, std::string_view tip,
                         std::string_view keys = {}, PlatformKeys platformKeys = PlatformKeys::None)
{
    CommandRow row{RowKind::Item, name, parent, caption, tip};
    row.keys = keys;
    row.platformKeys = platformKeys;
    row.command = command;
    return row;
}

// An item that creates a window (File, New and File, Open).
constexpr CommandRow Creator(Command command, std::string_view name, std::string_view parent,
                             std::string_view caption, std::string_view tip,
                             DocumentKind tipKind, std::string_view iconText,
                             CommandIcon icon, std::string_view keys = {},
                             PlatformKeys platformKeys = PlatformKeys::None)
{
    CommandRow row = Own(command, name, parent, caption, tip, keys, platformKeys);
    row.tipKind = tipKind;
    row.iconText = iconText;
    row.icon = icon;
    row.greying = Greying::ByCreator;
    return row;
}

// An item the active window takes when its kind is one of takers.
constexpr CommandRow Taken(Command command, std::string_view name, std::string_view caption,
                           std::string_view tip, WindowKinds takers, Greying greying,
                           CommandIcon icon = CommandIcon::None, std::string_view keys = {},
                           PlatformKeys platformKeys = PlatformKeys::None)
{
    CommandRow row = Own(command, name, "mnuFile", caption, tip, keys, platformKeys);
    row.icon = icon;
    row.takers = takers;
    row.greying = greying;
    return row;
}

// Undo and Redo of the Edit menu, on the active window's history.
constexpr CommandRow History(Command command, std::string_view name, std::string_view caption,
                             CommandIcon icon, std::string_view keys)
{
    CommandRow row = Own(command, name, "mnuEdit", caption, {}, keys);
    row.icon = icon;
    row.greying = Greying::ByHistory;
    return row;
}

} // namespace

const std::array<CommandRow, 33> kCommandRows{{
    Menu("mnuFile", "", TV_TR("Core", "&File")),
    Menu("mnuFile_New", "mnuFile", TV_TR("Core", "&New")),
    Creator(Command::NewFigure, "mnuFile_Figure_New", "mnuFile_New", TV_TR("Core", "&Figure"),
            TV_TR("Core", "New Figure: compose a figure in a new figure editor"), DocumentKind::Unknown,
            TV_TR("Core", "New Figure"), CommandIcon::NewFigure, "Ctrl+N", PlatformKeys::New),
    Creator(Command::NewArmy, "mnuFileArmy_New", "mnuFile_New", TV_TR("Core", "&Army"),
            TV_TR("Core", "New Army: assemble an army in a new army editor"), DocumentKind::Unknown, TV_TR("Core", "New Army"),
            CommandIcon::NewArmy),
    Menu("mnuFile_Open", "mnuFile", TV_TR("Core", "&Open")),
    Creator(Command::OpenFigure, "mnuFile_Figure_Open", "mnuFile_Open", TV_TR("Core", "&Figure"),
            TV_TR("Core", "Open Figure: open a figure file (%1) in a new figure editor"), DocumentKind::Figure,
            TV_TR("Core", "Open Figure"), CommandIcon::OpenFigure, "Ctrl+O", PlatformKeys::Open),
    Creator(Command::OpenArmy, "mnuFileArmy_Open", "mnuFile_Open", TV_TR("Core", "&Army"),
            TV_TR("Core", "Open Army: open an army file (%1) in a new army editor"), DocumentKind::Army,
            TV_TR("Core", "Open Army"), CommandIcon::OpenArmy),
    Creator(Command::OpenArmyPack, "mnuFile_ArmyPack_Open", "mnuFile_Open", TV_TR("Core", "Army &Pack\u2026"),
            TV_TR("Core", "Open Army Pack: unpack an army pack (%1) into a new folder and open its army"),
            DocumentKind::ArmyPack, TV_TR("Core", "Open Army Pack"), CommandIcon::None),
    Menu("mnuResources", "mnuFile_Open", TV_TR("Core", "&Resource"), TV_TR("Core", "Edit one of the rules tables")),
    Menu("mnuFile_OpenRecent", "mnuFile", TV_TR("Core", "Open Recen&t"),
         TV_TR("Core", "Open one of the figures and armies last opened or saved")),
    Separator("mnuFileSep2", "mnuFile"),
    Taken(Command::Save, "mnuFile_Save", TV_TR("Core", "&Save"),
          TV_TR("Core", "Save the active window's figure, army, table or card layout"), kAllWindows,
          Greying::Never, CommandIcon::Save, "Ctrl+S", PlatformKeys::Save),
    Taken(Command::SaveAs, "mnuFile_SaveAs", TV_TR("Core", "Save &As"),
          TV_TR("Core", "Save the active figure or army in another file"), kDocuments, Greying::ByWindowKind,
          CommandIcon::None, "Ctrl+Shift+S", PlatformKeys::SaveAs),
    Separator("mnuFileSep0", "mnuFile"),
    Taken(Command::PrintIt, "mnuFile_Print", TV_TR("Core", "&Print"),
          TV_TR("Core", "Print the active window's report, card or table"), kAllWindows, Greying::Never,
          CommandIcon::Print, "Ctrl+P", PlatformKeys::Print),
    Taken(Command::PrintPreview, "mnuFile_PrintPreview", TV_TR("Core", "Print Pre&view"),
          TV_TR("Core", "Print Preview: show the active window's printout before printing it"), kAllWindows,
          Greying::Never, CommandIcon::PrintPreview),
    Taken(Command::PrintCards, "mnuFile_PrintCards", TV_TR("Core", "Print &Cards..."),
          TV_TR("Core", "Print the unit cards of the active figure or army, several to a page"), kCardWindows,
          Greying::ByActiveWindow),
    Taken(Command::Export, "mnuFile_Export", TV_TR("Core", "&Export"),
          TV_TR("Core", "Put the active figure's or army's report on the clipboard as text"), kDocuments,
          Greying::ByWindowKind),
    Taken(Command::ExportArmyPack, "mnuFile_ExportArmyPack", TV_TR("Core", "Export Army Pac&k\u2026"),
          TV_TR("Core", "Export Army Pack: one file holding the army and its figure files, to send or move"),
          KindBit(WindowForm::Army), Greying::ByActiveWindow),
    Creator(Command::ImportArmyText, "mnuFile_ImportArmyText", "mnuFile",
            TV_TR("Core", "&Import Army from Text\u2026"),
            TV_TR("Core", "Import Army from Text: a new army of the figures an army list names"),
            DocumentKind::Unknown, TV_TR("Core", "Import Army from Text"), CommandIcon::None),
    Separator("mnuFileSep1", "mnuFile"),
    Own(Command::RefreshResources, "mnuResources_Reload", "mnuFile", TV_TR("Core", "&Refresh Resources"),
        TV_TR("Core", "Load the rules tables again, with the changes saved in them")),
    Taken(Command::UpdateCosts, "mnuFile_UpdateCosts", TV_TR("Core", "&Update Costs\u2026"),
          TV_TR("Core", "Save the army's figures with the costs the rules tables give them now"),
          KindBit(WindowForm::Army), Greying::Never),
    Separator("mnuFileSep3", "mnuFile"),
    Own(Command::Quit, "mnuFileQuit", "mnuFile", TV_TR("Core", "&Quit"), TV_TR("Core", "Close every window and quit Tarvello"),
        "Ctrl+Q", PlatformKeys::Quit),
    Menu("mnuEdit", "", TV_TR("Core", "&Edit")),
    History(Command::Undo, "mnuEdit_Undo", TV_TR("Core", "&Undo"), CommandIcon::Undo, "Ctrl+Z"),
    History(Command::Redo, "mnuEdit_Redo", TV_TR("Core", "&Redo"), CommandIcon::Redo, "Ctrl+Shift+Z; Ctrl+Y"),
    Menu("mnuWindow", "", TV_TR("Core", "&Window")),
    Own(Command::CloseWindow, "mnuWindow_Close", "mnuWindow", TV_TR("Core", "Cl&ose"), TV_TR("Core", "Close the active window"),
        "Ctrl+W", PlatformKeys::Close),
    Menu("mnuHelp", "", TV_TR("Core", "&Help")),
    Own(Command::Readme, "mnuHelp_Readme", "mnuHelp", TV_TR("Core", "&Readme"), TV_TR("Core", "Show readme.txt"), "F1",
        PlatformKeys::HelpContents),
    Own(Command::About, "mnuHelp_About", "mnuHelp", TV_TR("Core", "&About"), TV_TR("Core", "Show the title window")),
}};

const CommandRow &RowOf(Command command)
{
    for (const CommandRow &row : kCommandRows) {
        if (row.kind == RowKind::Item && row.command == command)
            return row;
    }
    return kCommandRows.front(); // every command has its row (see the tests)
}

CommandSet CommandsOf(WindowForm form)
{
    CommandSet commands;
    for (const CommandRow &row : kCommandRows) {
        if (row.kind == RowKind::Item && (row.takers & KindBit(form)) != 0)
            commands = commands.with(row.command);
    }
    return commands;
}

std::optional<bool> ItemEnabling(Command command, std::optional<CommandSet> taken)
{
    const bool known = taken && !taken->empty();
    switch (RowOf(command).greying) {
    case Greying::ByWindowKind:
        return known ? std::optional<bool>(taken->has(command)) : std::nullopt;
    case Greying::ByActiveWindow:
        return known && taken->has(command);
    default:
        return std::nullopt;
    }
}

} // namespace tarvello
