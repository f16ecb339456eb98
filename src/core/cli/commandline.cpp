#include "commandline.h"

#include "card/cardsheetjob.h"

#include <algorithm>
#include <charconv>

namespace tarvello {

namespace {

constexpr unsigned Bit(CliCommand command)
{
    return 1u << static_cast<unsigned>(command);
}

constexpr unsigned kPrinted = Bit(CliCommand::Pdf) | Bit(CliCommand::Cards);
constexpr unsigned kWithTables = Bit(CliCommand::Export) | kPrinted | Bit(CliCommand::CardImages)
                                 | Bit(CliCommand::Check) | Bit(CliCommand::UpdateCosts);

// A whole number from low to high, all of text.
std::optional<int> WholeNumber(const std::string &text, int low, int high)
{
    int value = 0;
    const char *end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || stop != end || value < low || value > high)
        return std::nullopt;
    return value;
}

bool SetOutput(CliRequest &request, const std::string &value)
{
    request.output = value;
    return !value.empty();
}

bool SetTables(CliRequest &request, const std::string &value)
{
    request.tables = value;
    return !value.empty();
}

bool SetPaper(CliRequest &request, const std::string &value)
{
    std::string lower = value;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return char(c >= 'A' && c <= 'Z' ? c + 32 : c); });
    if (lower == "a4")
        request.paper = CliPaper::A4;
    else if (lower == "letter")
        request.paper = CliPaper::Letter;
    else
        return false;
    return true;
}

bool SetCopies(CliRequest &request, const std::string &value)
{
    const std::optional<int> copies = WholeNumber(value, 1, kMaxSheetCopies);
    request.copies = copies.value_or(0);
    return copies.has_value();
}

bool SetDpi(CliRequest &request, const std::string &value)
{
    const std::optional<int> dpi = WholeNumber(value, kCardImageMinDpi, kCardImageMaxDpi);
    request.dpi = dpi.value_or(0);
    return dpi.has_value();
}

template<bool CliRequest::*flag>
bool SetFlag(CliRequest &request, const std::string &)
{
    request.*flag = true;
    return true;
}

const std::vector<CliOption> kOptions = {
    {"--help", nullptr, CliCommand::Help, 0, 0, 0, "", nullptr, "this text"},
    {"--version", nullptr, CliCommand::Version, 0, 0, 0, "", nullptr,
     "the program's name and version"},
    {"--export", nullptr, CliCommand::Export, 0, 1, 1, "FILE", nullptr,
     "the export text of a figure or an army (what File, Export puts on the clipboard): "
     "UTF-8 on standard output, or with -o the program's file encoding (Windows-1252, "
     "CR LF line ends)"},
    {"-o", "OUT", CliCommand::Open, Bit(CliCommand::Export), 0, 0, "", SetOutput,
     "the file --export writes instead of standard output"},
    {"--pdf", "OUT.pdf", CliCommand::Pdf, 0, 1, 1, "FILE", nullptr,
     "the printed report of a figure or an army, as File, Print makes it"},
    {"--cards", "OUT.pdf", CliCommand::Cards, 0, 1, -1, "FILE...", nullptr,
     "the card sheets of figures and armies, as File, Print Cards makes them"},
    {"--per-unit", nullptr, CliCommand::Open, Bit(CliCommand::Cards), 0, 0, "",
     SetFlag<&CliRequest::perUnit>, "an army: one card per unit (one per army line unless told)"},
    {"--per-figure", nullptr, CliCommand::Open, Bit(CliCommand::Cards), 0, 0, "",
     SetFlag<&CliRequest::perFigure>, "an army: one card per figure file"},
    {"--roster", nullptr, CliCommand::Open, Bit(CliCommand::Cards), 0, 0, "",
     SetFlag<&CliRequest::roster>, "an army: its roster pages before the cards"},
    {"--copies", "N", CliCommand::Open, Bit(CliCommand::Cards), 0, 0, "", SetCopies,
     "a figure: N cards (1 to 999, 1 unless told)"},
    {"--card-images", "DIR", CliCommand::CardImages, 0, 1, -1, "FILE...", nullptr,
     "one PNG per card, named after the figure, into the folder DIR; an existing file "
     "is never overwritten (a new name is numbered)"},
    {"--dpi", "N", CliCommand::Open, Bit(CliCommand::CardImages), 0, 0, "", SetDpi,
     "the card images' resolution (30 to 1200, 300 unless told)"},
    {"--deck", nullptr, CliCommand::Open, Bit(CliCommand::CardImages), 0, 0, "",
     SetFlag<&CliRequest::deck>,
     "also deck sheets of at most 10 x 7 cards (at most 300 dpi) and a card back, the grid "
     "virtual tabletops import"},
    {"--check", nullptr, CliCommand::Check, 0, 1, -1, "FOLDER...", nullptr,
     "every figure and army whose stored cost differs from the current tables, and every "
     "file that cannot be read, one line each on standard output; exit status 1 when there "
     "is any"},
    {"--update-costs", nullptr, CliCommand::UpdateCosts, 0, 1, 1, "FOLDER", nullptr,
     "saves every figure of FOLDER whose cost the current tables changed with its new cost, "
     "as File, Update Costs does"},
    {"--dry-run", nullptr, CliCommand::Open, Bit(CliCommand::UpdateCosts), 0, 0, "",
     SetFlag<&CliRequest::dryRun>, "lists what --update-costs would save and changes nothing"},
    {"--refresh-weapons", nullptr, CliCommand::Open, Bit(CliCommand::UpdateCosts), 0, 0, "",
     SetFlag<&CliRequest::refreshWeapons>,
     "also refreshes the figures' weapons and items from the tables"},
    {"--pack", "OUT.tvz", CliCommand::Pack, 0, 1, 1, "ARMY", nullptr,
     "the army pack of ARMY: the army file, its figure files and a manifest in one file, "
     "as File, Export Army Pack makes it; each figure not found is named on standard error "
     "and packed without"},
    {"--unpack", nullptr, CliCommand::Unpack, 0, 2, 2, "PACK DIR", nullptr,
     "unpacks PACK into a new folder of DIR named after the pack (nothing is overwritten) "
     "and prints the army file's path on standard output"},
    {"--tables", "DIR", CliCommand::Open, kWithTables, 0, 0, "", SetTables,
     "the rules tables of DIR instead of the program's"},
    {"--paper", "A4|Letter", CliCommand::Open, kPrinted, 0, 0, "", SetPaper,
     "the paper of --pdf and --cards (the printer's default unless told)"},
};

const CliOption *FindOption(std::string_view name)
{
    for (const CliOption &option : kOptions) {
        if (name == option.name)
            return &option;
    }
    return nullptr;
}

const CliOption &CommandOption(CliCommand command)
{
    return *std::find_if(kOptions.begin(), kOptions.end(), [command](const CliOption &option) {
        return option.command == command;
    });
}

Failure Wrong(const std::string &sentence, const std::string &description)
{
    return Failure{sentence, description, FailureKind::Refused};
}

// The choices that go with a command, as its usage line shows them.
std::string ChoicesOf(CliCommand command)
{
    std::string line;
    for (const CliOption &option : kOptions) {
        if (option.command != CliCommand::Open || !(option.with & Bit(command)))
            continue;
        line += std::string(" [") + option.name;
        if (option.value)
            line += std::string(" ") + option.value;
        line += "]";
    }
    return line;
}

// The operands and choices read; checks what goes together.
Status CheckRequest(const CliRequest &request, const std::vector<const CliOption *> &choices)
{
    const CliOption &command = CommandOption(request.command);
    for (const CliOption *choice : choices) {
        if (!(choice->with & Bit(request.command)))
            return Wrong("Option not for this command",
                         std::string(choice->name) + " does not go with " + command.name);
    }
    if (request.perUnit && request.perFigure)
        return Wrong("Options that exclude each other", "--per-unit and --per-figure");
    const int count = static_cast<int>(request.operands.size());
    if (count < command.minOperands)
        return Wrong("Missing argument", std::string(command.name) + " needs " + command.operands);
    if (command.maxOperands >= 0 && count > command.maxOperands)
        return Wrong("Too many arguments",
                     std::string(command.name) + " does not take "
                         + request.operands[std::size_t(command.maxOperands)]);
    return {};
}

// An option's line and its help, the help from column 26 and wrapped at
// column 79.
std::string Wrapped(std::string line, const std::string &help)
{
    constexpr std::size_t kColumn = 26;
    constexpr std::size_t kWidth = 79;
    std::string text;
    if (line.size() + 2 > kColumn) {
        text += line + "\n";
        line.clear();
    }
    std::size_t pos = 0;
    while (pos < help.size()) {
        line.resize(kColumn, ' ');
        std::size_t end = help.size();
        if (end - pos > kWidth - kColumn) {
            end = help.rfind(' ', pos + (kWidth - kColumn));
            if (end == std::string::npos || end <= pos)
                end = help.find(' ', pos + 1) == std::string::npos ? help.size() : help.find(' ', pos + 1);
        }
        text += line + help.substr(pos, end - pos) + "\n";
        line.clear();
        pos = end < help.size() ? end + 1 : end;
    }
    return text;
}

} // namespace

const std::vector<CliOption> &CliOptions()
{
    return kOptions;
}

bool IsCommandLineRun(const std::vector<std::string> &args)
{
    return std::any_of(args.begin(), args.end(), [](const std::string &arg) {
        return arg.rfind("--", 0) == 0 || arg == "-o";
    });
}

Result<CliRequest> ParseCommandLine(const std::vector<std::string> &args)
{
    CliRequest request;
    std::vector<const CliOption *> choices;
    bool optionsEnd = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string arg = args[i];
        if (optionsEnd || arg.empty() || arg[0] != '-' || arg == "-") {
            request.operands.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnd = true;
            continue;
        }
        std::optional<std::string> value;
        if (const std::size_t equals = arg.find('='); arg.rfind("--", 0) == 0 && equals != std::string::npos) {
            value = arg.substr(equals + 1);
            arg.resize(equals);
        }
        const CliOption *option = FindOption(arg);
        if (!option)
            return Wrong("Unknown option", arg);
        if (option->value && !value) {
            // An option where the value should be is the value missing.
            if (i + 1 >= args.size() || args[i + 1].rfind("--", 0) == 0)
                return Wrong("Missing argument", arg + " needs " + option->value);
            value = args[++i];
        } else if (!option->value && value) {
            return Wrong("Wrong argument", arg + " takes no value");
        }
        if (option->command != CliCommand::Open) {
            if (request.command != CliCommand::Open && request.command != option->command)
                return Wrong("Options that exclude each other",
                             std::string(CommandOption(request.command).name) + " and " + arg);
            request.command = option->command;
            if (value && !SetOutput(request, *value))
                return Wrong("Missing argument", arg + " needs " + option->value);
            continue;
        }
        if (!option->set(request, value.value_or(std::string())))
            return Wrong("Wrong argument", arg + " does not take " + (value ? "\"" + *value + "\"" : "that"));
        choices.push_back(option);
    }
    if (request.command == CliCommand::Open)
        return Wrong("No command", "give one of --export, --pdf, --cards, --card-images, --check, "
                                   "--update-costs, --pack, --unpack, --help, --version");
    const Status checked = CheckRequest(request, choices);
    if (!checked)
        return checked.failure();
    return request;
}

std::string CliUsage()
{
    std::string usage = "Usage:\n  tarvello FILE...    opens the figures and armies in the windows\n";
    for (const CliOption &option : kOptions) {
        if (option.command == CliCommand::Open)
            continue;
        usage += std::string("  tarvello ") + option.name;
        if (option.value)
            usage += std::string(" ") + option.value;
        if (*option.operands)
            usage += std::string(" ") + option.operands;
        usage += ChoicesOf(option.command) + "\n";
    }
    usage += "\nOptions:\n";
    for (const CliOption &option : kOptions) {
        std::string line = std::string("  ") + option.name;
        if (option.value)
            line += std::string(" ") + option.value;
        if (*option.operands)
            line += std::string(" ") + option.operands;
        usage += Wrapped(line, option.help);
    }
    usage += "\nExit status: 0 done, 1 findings of --check or a file that failed, 2 a wrong "
             "command line.\n";
    return usage;
}

std::string MessageLine(const Failure &failure)
{
    std::string line = failure.description.empty() ? failure.sentence
                                                   : failure.sentence + ": " + failure.description;
    std::string single;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '\r' && i + 1 < line.size() && line[i + 1] == '\n')
            continue;
        single += line[i] == '\r' || line[i] == '\n' ? ' ' : line[i];
    }
    return single;
}

} // namespace tarvello
