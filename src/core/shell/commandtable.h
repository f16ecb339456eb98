#pragma once

#include "platform/documentkinds.h"
#include "windowform.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string_view>

// The main window's commands, each declared once: the menus, the toolbar, the
// start area and the status line's tips are built from kCommandRows, and a
// command reaches the active window only when that window takes it.
namespace tarvello {

// The commands of the main window's menu items.
enum class Command : std::uint8_t {
    NewFigure, NewArmy, OpenFigure, OpenArmy, Save, SaveAs, PrintIt, PrintPreview,
    PrintCards, Export, RefreshResources, UpdateCosts, Quit, Undo, Redo, CloseWindow,
    ExportArmyPack, OpenArmyPack, ImportArmyText,
    Readme, About
};

// How many commands there are.
inline constexpr std::size_t kCommandCount = static_cast<std::size_t>(Command::About) + 1;

// The commands a window takes from the main window, one bit per Command.
class CommandSet
{
public:
    constexpr CommandSet() = default;
    constexpr CommandSet(std::initializer_list<Command> commands)
    {
        for (Command command : commands)
            m_bits |= Bit(command);
    }
    // True when command is one of the set.
    constexpr bool has(Command command) const { return (m_bits & Bit(command)) != 0; }
    // The set with command added.
    constexpr CommandSet with(Command command) const
    {
        CommandSet more = *this;
        more.m_bits |= Bit(command);
        return more;
    }
    // True when the set takes no command at all.
    constexpr bool empty() const { return m_bits == 0; }
    constexpr bool operator==(const CommandSet &) const = default;

private:
    static constexpr std::uint32_t Bit(Command command) { return 1u << static_cast<unsigned>(command); }
    std::uint32_t m_bits = 0;
};

// The window kinds a command goes to, one bit per WindowForm.
using WindowKinds = std::uint8_t;

// The bit of form among WindowKinds.
constexpr WindowKinds KindBit(WindowForm form)
{
    return static_cast<WindowKinds>(1u << static_cast<unsigned>(form));
}

// The picture a command shows on the toolbar and the start area.
enum class CommandIcon : std::uint8_t {
    None, NewFigure, OpenFigure, NewArmy, OpenArmy, Save, Print, PrintPreview, Undo, Redo
};

// How a command's menu item is greyed.
enum class Greying : std::uint8_t {
    // Never greyed; the command acts only on a window that takes it.
    Never,
    // Follows the active window when it takes any command: enabled when it
    // takes this one; with no such window active it stays as it was.
    ByWindowKind,
    // Enabled only while the active window takes it.
    ByActiveWindow,
    // Enabled once the windows it creates can be made.
    ByCreator,
    // Follows the active window's history (undo and redo).
    ByHistory,
};

// The platform's own keys for a command, added after the usual one.
enum class PlatformKeys : std::uint8_t { None, New, Open, Save, SaveAs, Print, Quit, Close, HelpContents };

// What a row of the table declares: a submenu, a separator or a command.
enum class RowKind : std::uint8_t { Menu, Separator, Item };

// One row of the command table, in menu order.
struct CommandRow
{
    RowKind kind;
    // The item's (or menu's) objectName, mnu + menu + "_" + item.
    std::string_view name;
    // The objectName of the menu it stands in; empty for the menu bar's menus.
    std::string_view parent;
    // The caption, "&" marking the access key.
    std::string_view caption = {};
    // What the command does, shown as tool tip and in the status line; a
    // "%1" is the extension of tipKind's documents. Empty: the caption.
    std::string_view tip = {};
    DocumentKind tipKind = DocumentKind::Unknown;
    // The name the toolbar and the start area show; empty: the caption.
    std::string_view iconText = {};
    CommandIcon icon = CommandIcon::None;
    // The keys, the usual one first, separated by "; ".
    std::string_view keys = {};
    PlatformKeys platformKeys = PlatformKeys::None;
    // Items only: the command and the window kinds that take it.
    Command command = Command::Quit;
    WindowKinds takers = 0;
    Greying greying = Greying::Never;
};

// Every menu, separator and command of the main window, in menu order.
extern const std::array<CommandRow, 33> kCommandRows;

// The toolbar, left to right; nullopt is a separator.
inline constexpr std::array<std::optional<Command>, 12> kToolBarCommands{
    Command::NewFigure, Command::OpenFigure, Command::NewArmy, Command::OpenArmy,
    std::nullopt,       Command::Save,       std::nullopt,     Command::PrintIt,
    Command::PrintPreview, std::nullopt,     Command::Undo,    Command::Redo,
};

// The commands the start area of the empty main window offers.
inline constexpr std::array<Command, 4> kStartCommands{
    Command::NewFigure, Command::OpenFigure, Command::NewArmy, Command::OpenArmy};

// The row of command.
const CommandRow &RowOf(Command command);

// The commands a window of form takes: those whose row names its kind.
CommandSet CommandsOf(WindowForm form);

// The state the item of command takes with a window active that takes
// taken (nullopt: no window active, or one that takes no command); nullopt
// leaves the item as it is.
std::optional<bool> ItemEnabling(Command command, std::optional<CommandSet> taken);

} // namespace tarvello
