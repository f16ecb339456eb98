#include "card/cardimagefiles.h"
#include "cli/commandline.h"

#include <gtest/gtest.h>

#include <set>

namespace tarvello {
namespace {

struct ParseCase
{
    std::vector<std::string> args;
    CliCommand command;          // when it is read
    std::string failure;         // "sentence: description" when it is refused
};

class CommandLineParse : public testing::TestWithParam<ParseCase>
{
};

TEST_P(CommandLineParse, ReadsOrRefusesWithItsReason)
{
    const ParseCase &c = GetParam();
    const Result<CliRequest> read = ParseCommandLine(c.args);
    if (c.failure.empty()) {
        ASSERT_TRUE(read.ok()) << MessageLine(read.failure());
        EXPECT_EQ(read.value().command, c.command);
    } else {
        ASSERT_FALSE(read.ok());
        EXPECT_EQ(MessageLine(read.failure()), c.failure);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CommandLineParse,
    testing::Values(
        ParseCase{{"--help"}, CliCommand::Help, ""},
        ParseCase{{"--export", "a.tvf", "-o", "a.txt"}, CliCommand::Export, ""},
        ParseCase{{"--cards=out.pdf", "a.tva", "b.tvf", "--per-unit", "--roster"}, CliCommand::Cards, ""},
        ParseCase{{"--card-images", "dir", "a.tvf", "--dpi", "600", "--deck"}, CliCommand::CardImages, ""},
        ParseCase{{"--check", "x", "y", "--tables", "t"}, CliCommand::Check, ""},
        ParseCase{{"--update-costs", "x", "--dry-run", "--refresh-weapons"}, CliCommand::UpdateCosts, ""},
        ParseCase{{"--pdf", "o.pdf", "--paper", "letter", "--", "-odd.tvf"}, CliCommand::Pdf, ""},
        ParseCase{{"--frobnicate"}, CliCommand::Open, "Unknown option: --frobnicate"},
        ParseCase{{"--pdf"}, CliCommand::Open, "Missing argument: --pdf needs OUT.pdf"},
        ParseCase{{"--pdf", "--tables", "t"}, CliCommand::Open, "Missing argument: --pdf needs OUT.pdf"},
        ParseCase{{"--pdf", "o.pdf"}, CliCommand::Open, "Missing argument: --pdf needs FILE"},
        ParseCase{{"--export", "a.tvf", "b.tvf"}, CliCommand::Open, "Too many arguments: --export does not take b.tvf"},
        ParseCase{{"--card-images", "d", "a.tvf", "--dpi", "20"}, CliCommand::Open, "Wrong argument: --dpi does not take \"20\""},
        ParseCase{{"--cards", "o.pdf", "a.tvf", "--copies", "1000"}, CliCommand::Open, "Wrong argument: --copies does not take \"1000\""},
        ParseCase{{"--pdf", "o.pdf", "a.tvf", "--paper", "A5"}, CliCommand::Open, "Wrong argument: --paper does not take \"A5\""},
        ParseCase{{"--pdf", "o.pdf", "a.tvf", "--deck"}, CliCommand::Open, "Option not for this command: --deck does not go with --pdf"},
        ParseCase{{"--cards", "o.pdf", "a.tva", "--per-unit", "--per-figure"}, CliCommand::Open, "Options that exclude each other: --per-unit and --per-figure"},
        ParseCase{{"--check", "x", "--pdf", "o.pdf"}, CliCommand::Open, "Options that exclude each other: --check and --pdf"},
        ParseCase{{"--deck=yes", "--card-images", "d", "a.tvf"}, CliCommand::Open, "Wrong argument: --deck takes no value"},
        ParseCase{{"-o", "x.txt", "a.tvf"}, CliCommand::Open, "No command: give one of --export, --pdf, --cards, --card-images, --check, --update-costs, --pack, --unpack, --help, --version"},
        ParseCase{{"--pack", "o.tvz", "a.tva"}, CliCommand::Pack, ""},
        ParseCase{{"--unpack", "p.tvz", "dir"}, CliCommand::Unpack, ""},
        ParseCase{{"--pack", "o.tvz"}, CliCommand::Open, "Missing argument: --pack needs ARMY"},
        ParseCase{{"--unpack", "p.tvz"}, CliCommand::Open, "Missing argument: --unpack needs PACK DIR"},
        ParseCase{{"--pack", "o.tvz", "a.tva", "--tables", "t"}, CliCommand::Open, "Option not for this command: --tables does not go with --pack"}));

TEST(CommandLine, RunsWithoutWindowsOnlyWithAnOption)
{
    EXPECT_FALSE(IsCommandLineRun({"a.tvf", "-platform", "xcb"}));
    EXPECT_TRUE(IsCommandLineRun({"a.tvf", "--check"}));
    EXPECT_TRUE(IsCommandLineRun({"-o"}));
}

TEST(CommandLine, UsageListsEveryOptionAndTheExportEncoding)
{
    // The help is wrapped: compared with its blanks and line breaks as one blank.
    std::string usage;
    for (const char c : CliUsage()) {
        if (!((c == ' ' || c == '\n') && !usage.empty() && usage.back() == ' '))
            usage += c == '\n' ? ' ' : c;
    }
    for (const CliOption &option : CliOptions())
        EXPECT_NE(usage.find(std::string(" ") + option.name + " "), std::string::npos) << option.name;
    EXPECT_NE(usage.find("tarvello --cards OUT.pdf FILE... [--per-unit] [--per-figure] [--roster] "
                         "[--copies N] [--tables DIR] [--paper A4|Letter]"),
              std::string::npos);
    EXPECT_NE(usage.find("UTF-8 on standard output, or with -o the program's file encoding "
                         "(Windows-1252"),
              std::string::npos);
    EXPECT_EQ(MessageLine({"Error in loading a.tvf !", "two\r\nlines"}),
              "Error in loading a.tvf !: two lines");
}

TEST(CardImageFiles, SafeNamesNumberedOnCollision)
{
    const std::vector<std::pair<std::string, std::string>> stems = {
        {"Orc Archer", "Orc Archer"}, {"a/b\\c:d*e?f\"g<h>i|j", "a_b_c_d_e_f_g_h_i_j"},
        {" ..Hidden. ", "Hidden"}, {"", "card"}, {"...", "card"}, {"con", "con_"}, {"COM3", "COM3_"},
        {"Tab\there", "Tab_here"}, {std::string(200, 'x'), std::string(120, 'x')}};
    for (const auto &[name, stem] : stems)
        EXPECT_EQ(SafeFileStem(name), stem) << name;
    std::set<std::string> taken = {"Orc.png", "Orc (2).png"};
    EXPECT_EQ(UniqueFileName("Orc", ".png", [&](const std::string &n) { return taken.count(n) > 0; }),
              "Orc (3).png");
    EXPECT_EQ(UniqueFileName("Elf", ".png", [&](const std::string &n) { return taken.count(n) > 0; }),
              "Elf.png");
}

TEST(CardImageFiles, DeckSheetsHoldAtMostTenBySeven)
{
    EXPECT_TRUE(DeckSheets(0).empty());
    EXPECT_EQ(DeckSheets(3), (std::vector<DeckSheet>{{0, 3, 3, 1}}));
    EXPECT_EQ(DeckSheets(90), (std::vector<DeckSheet>{{0, 70, 10, 7}, {70, 20, 10, 2}}));
    EXPECT_EQ(DeckSheets(71), (std::vector<DeckSheet>{{0, 70, 10, 7}, {70, 1, 1, 1}}));
}

} // namespace
} // namespace tarvello
