#pragma once

#include "platform/failure.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The program's command line: options that do their work without a window
// and exit, read from one table of options.
namespace tarvello {

// What a command line asks; Open is the windows (no option at all).
enum class CliCommand { Open, Help, Version, Export, Pdf, Cards, CardImages, Check, UpdateCosts, Pack, Unpack };

// The exit status of a command line run.
inline constexpr int kExitDone = 0;
inline constexpr int kExitFindings = 1; // --check found something, or a file failed
inline constexpr int kExitUsage = 2;    // a wrong command line

// The paper of --paper; Default is the printer's own.
enum class CliPaper { Default, A4, Letter };

// The resolution of card images unless --dpi says otherwise, and its range.
inline constexpr int kCardImageDefaultDpi = 300;
inline constexpr int kCardImageMinDpi = 30;
inline constexpr int kCardImageMaxDpi = 1200;

// A command line read: the command, its output (-o, the PDF, the folder of
// images), its files or folders and the choices given with it.
struct CliRequest
{
    CliCommand command = CliCommand::Open;
    std::string output;
    std::vector<std::string> operands;
    std::string tables;
    CliPaper paper = CliPaper::Default;
    bool perUnit = false;
    bool perFigure = false;
    bool roster = false;
    int copies = 1;
    int dpi = kCardImageDefaultDpi;
    bool deck = false;
    bool dryRun = false;
    bool refreshWeapons = false;
};

// One option of the command line. A command's row starts its command (with
// its own value, the output, when value is set) and says how many operands
// (FILE, FOLDER) it takes; a choice's row (command Open) stores its value
// with set and goes with the commands of its mask `with`.
struct CliOption
{
    const char *name;
    const char *value;
    CliCommand command;
    unsigned with;
    int minOperands;
    int maxOperands; // -1: any number
    const char *operands;
    // Stores the choice; false when value is not one it takes.
    bool (*set)(CliRequest &request, const std::string &value);
    const char *help;
};

// The one table of options, in the order --help lists them.
const std::vector<CliOption> &CliOptions();

// True when args (the program's name left out) ask for a run without
// windows: an argument that starts with "--", or "-o".
bool IsCommandLineRun(const std::vector<std::string> &args);

// Reads args (the program's name left out). A wrong command line fails with
// its sentence ("Unknown option") and a description naming the argument.
Result<CliRequest> ParseCommandLine(const std::vector<std::string> &args);

// The usage: one line per command with its choices, then what each option
// does; lines end in LF.
std::string CliUsage();

// A failure as one line of standard error: "sentence: description", with the
// line breaks of either turned into blanks; the sentence alone without a
// description.
std::string MessageLine(const Failure &failure);

} // namespace tarvello
