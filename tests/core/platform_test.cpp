#include "platform/cp1252.h"
#include "platform/fileio.h"
#include "platform/homefolder.h"
#include "platform/modfunctions.h"
#include "platform/numbers.h"
#include "platform/runtimeerror.h"
#include "platform/showntext.h"
#include "platform/twips.h"
#include "shell/readme.h"
#include "shell/settingsfile.h"
#include "testfolder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <utility>

#include <pwd.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <string>
#include <vector>

namespace tarvello {
namespace {

struct LeadingCase
{
    const char *text;
    double expected;
};

class LeadingNumberTest : public testing::TestWithParam<LeadingCase>
{};

TEST_P(LeadingNumberTest, ReadsAsFarAsItGoes)
{
    EXPECT_DOUBLE_EQ(LeadingNumber(GetParam().text), GetParam().expected) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Texts, LeadingNumberTest,
                         testing::Values(LeadingCase{"12", 12}, LeadingCase{" 1 2", 12},
                                         LeadingCase{"\t-3\n", -3}, LeadingCase{"2.5", 2.5},
                                         LeadingCase{"abc", 0}, LeadingCase{"", 0},
                                         LeadingCase{"1,5", 1}, LeadingCase{".5", 0.5},
                                         LeadingCase{"-", 0}, LeadingCase{"+7x", 7},
                                         LeadingCase{"1e3", 1000}, LeadingCase{"1D2", 100},
                                         LeadingCase{"1e", 1}, LeadingCase{"1e+", 1},
                                         LeadingCase{"2.5e-1", 0.25}, LeadingCase{"&H1F", 31},
                                         LeadingCase{"&hFFFF", -1}, LeadingCase{"&O17", 15},
                                         LeadingCase{"&H", 0}, LeadingCase{"3 . 5", 3.5},
                                         LeadingCase{"1.2.3", 1.2}, LeadingCase{"\r5", 0}));

TEST(LeadingNumber, HugeExponentIsInfinite)
{
    EXPECT_TRUE(std::isinf(LeadingNumber("1e400")));
    EXPECT_EQ(LeadingNumber("1e-400"), 0.0);
}

struct LocaleCase
{
    const char *text;
    char mark;
    bool ok;
    double expected;
};

class LocaleNumberTest : public testing::TestWithParam<LocaleCase>
{};

TEST_P(LocaleNumberTest, ReadsTheWholeText)
{
    const auto &c = GetParam();
    const auto value = LocaleNumber(c.text, c.mark);
    ASSERT_EQ(value.has_value(), c.ok) << c.text;
    if (c.ok) {
        EXPECT_DOUBLE_EQ(*value, c.expected) << c.text;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, LocaleNumberTest,
    testing::Values(LocaleCase{"1.25", '.', true, 1.25}, LocaleCase{"1,25", ',', true, 1.25},
                    LocaleCase{"1,25", '.', false, 0}, LocaleCase{"1.25", ',', false, 0},
                    LocaleCase{"  -7 ", '.', true, -7}, LocaleCase{"", '.', false, 0},
                    LocaleCase{" ", ',', false, 0}, LocaleCase{"1E+15", '.', true, 1e15},
                    LocaleCase{"1E-05", ',', true, 1e-5}, LocaleCase{"N/A", '.', false, 0},
                    LocaleCase{".5", '.', true, 0.5}, LocaleCase{"5.", '.', true, 5},
                    LocaleCase{"12abc", '.', false, 0}, LocaleCase{"1e", '.', false, 0},
                    LocaleCase{"1e999", '.', false, 0}, LocaleCase{"+3", ',', true, 3}));

TEST(IsNumeric, AcceptsLocaleNumbersAndRadixLiterals)
{
    for (const auto &[text, mark, numeric] : {std::tuple{"-3", '.', true}, {"2,5", ',', true},
                                              {"&H1F", '.', true}, {"&H", '.', false},
                                              {"abc", '.', false}, {"", '.', false}, {"-", '.', false}})
        EXPECT_EQ(IsNumeric(text, mark), numeric) << text;
}

struct TextCase
{
    double value;
    char mark;
    const char *expected;
};

class NumberTextTest : public testing::TestWithParam<TextCase>
{};

TEST_P(NumberTextTest, ShortestFormWithFifteenDigits)
{
    EXPECT_EQ(NumberText(GetParam().value, GetParam().mark), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, NumberTextTest,
    testing::Values(TextCase{0, '.', "0"}, TextCase{-0.0, '.', "0"}, TextCase{12, '.', "12"},
                    TextCase{0.5, '.', "0.5"}, TextCase{0.5, ',', "0,5"},
                    TextCase{1.35, ',', "1,35"}, TextCase{-2.25, '.', "-2.25"},
                    TextCase{0.1 + 0.2, '.', "0.3"}, TextCase{1e15, '.', "1E+15"},
                    TextCase{123456789012345, '.', "123456789012345"},
                    TextCase{1234567890123456, '.', "1.23456789012346E+15"},
                    TextCase{0.0001, '.', "0.0001"}, TextCase{0.00001, '.', "1E-05"},
                    TextCase{1.5e-7, ',', "1,5E-07"}, TextCase{2.0 / 3.0, '.', "0.666666666666667"}));

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour)
{
    for (const auto &[value, rounded] : {std::pair{2.5, 2}, {3.5, 4}, {-2.5, -2}, {-3.5, -4},
                                         {42.5, 42}, {43.5, 44}, {2.4999, 2}, {-0.4, 0}})
        EXPECT_EQ(RoundHalfEven(value), rounded) << value;
}

TEST(ToInt16, RangeIsChecked)
{
    EXPECT_EQ(ToInt16(32767), 32767);
    EXPECT_EQ(ToInt16(-32768), -32768);
    EXPECT_EQ(ToInt16(32766.5), 32766);
    EXPECT_THROW(ToInt16(32768), RuntimeError);
    EXPECT_THROW(ToInt16(32767.5), RuntimeError);
    EXPECT_THROW(ToInt16(-32769), RuntimeError);
    EXPECT_THROW(ToInt16(INFINITY), RuntimeError);
    EXPECT_THROW(ToInt32(3e9), RuntimeError);
}

TEST(CutAtNul, KeepsTheTextBeforeTheFirstNul)
{
    using namespace std::string_view_literals;
    for (const auto &[text, cut] : {std::pair{",\0\0\0"sv, ","}, {"ab\0cd\0"sv, "ab"}, {"\0abc"sv, ""},
                                    {"no terminator"sv, ""}, {""sv, ""}})
        EXPECT_EQ(CutAtNul(text), cut) << text;
}

struct DecimalCase
{
    const char *text;
    const char *separator;
    std::optional<double> expected; // nullopt: the text is not a number
};

class ParseDecimalTest : public testing::TestWithParam<DecimalCase>
{};

TEST_P(ParseDecimalTest, ReadsEitherMarkOrFailsWithTypeMismatch)
{
    const DecimalCase &c = GetParam();
    if (c.expected) {
        EXPECT_DOUBLE_EQ(ParseDecimal(c.text, c.separator), *c.expected) << c.text;
        return;
    }
    try {
        ParseDecimal(c.text, c.separator);
        ADD_FAILURE() << "no failure for \"" << c.text << "\"";
    } catch (const RuntimeError &e) {
        EXPECT_STREQ(e.what(), "Type mismatch");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseDecimalTest,
    testing::Values(DecimalCase{"0.5", ".", 0.5}, DecimalCase{"0,5", ".", 0.5},
                    DecimalCase{"0.5", ",", 0.5}, DecimalCase{"0,5", ",", 0.5},
                    DecimalCase{"1,25", "", 1.25}, DecimalCase{" -3 ", ",", -3},
                    DecimalCase{"2E3", ".", 2000}, DecimalCase{"12", ",", 12},
                    DecimalCase{"", ".", std::nullopt}, DecimalCase{"", ",", std::nullopt},
                    DecimalCase{"abc", ".", std::nullopt}, DecimalCase{"1.2,5", ",", std::nullopt},
                    DecimalCase{"1 000", ".", std::nullopt}, DecimalCase{"1;5", ".", std::nullopt},
                    // A mark other than "." or ",": "." and "," both become ",".
                    DecimalCase{"1,5", "'", std::nullopt}, DecimalCase{"1'5", "'", 1.5}));

// Restores LC_ALL when a test has changed it.
class LocaleEnvironment
{
public:
    LocaleEnvironment()
    {
        if (const char *old = std::getenv("LC_ALL"))
            m_old = old;
    }
    ~LocaleEnvironment()
    {
        if (m_old)
            setenv("LC_ALL", m_old->c_str(), 1);
        else
            unsetenv("LC_ALL");
    }

private:
    std::optional<std::string> m_old;
};

TEST(GetDecimalSeparator, IsThePointInTheCLocaleAndForAnUnknownLocale)
{
    LocaleEnvironment restore;
    for (const char *locale : {"C", "xx_NOWHERE.invalid"}) {
        setenv("LC_ALL", locale, 1);
        EXPECT_EQ(GetDecimalSeparator(), ".") << locale;
    }
}

namespace fs = std::filesystem;

TEST(ReadFileBytes, FolderAndMissingFileGiveNothing)
{
    const TestFolder dir;
    EXPECT_FALSE(ReadFileBytes(dir.Path()).has_value());
    EXPECT_FALSE(ReadFileBytes(dir.File("none.txt")).has_value());
    EXPECT_EQ(ReadFailureDescription(dir.File("none.txt")), "File not found");
    EXPECT_EQ(ReadFailureDescription(dir.Path()), "Path/File access error");
}

std::string Times(const std::string &text, int count)
{
    std::string out;
    while (count-- > 0)
        out += text;
    return out;
}

TEST(FileNames, TheLongestNameIsSavedAndALongerOneSaysWhy)
{
    const TestFolder dir;
    // {name, saved}: 255 bytes is the file system's limit, its temporary's
    // name included; "\xC3\x96" is one letter (UTF-8 "Ö").
    const struct { std::string name; bool saved; } cases[] = {
        {std::string(251, 'a') + ".tvf", true},
        {Times("\xC3\x96", 125) + ".tvf", true},
        {"\xC3\x96" + std::string(249, 'c') + ".tvf", true},
        {std::string(252, 'd') + ".tvf", false},
    };
    for (const auto &c : cases) {
        const std::string path = dir.File(c.name);
        const Status saved = WriteFileAtomically(path, "x");
        EXPECT_EQ(saved.ok(), c.saved) << c.name.size();
        if (c.saved)
            continue;
        EXPECT_EQ(saved.failure().description, "File name too long for the file system");
        EXPECT_EQ(ReadFailure(LoadingSentence(path), path),
                  (Failure{LoadingSentence(path), "File name too long for the file system",
                           FailureKind::CannotRead}));
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), fs::directory_iterator()), 3);
}

TEST(SettingsFile, OnlyAnOrdinaryFileOrNoneYetIsOpened)
{
    const TestFolder dir;
    dir.Write("tarvello.conf", "[Window]\r\n");
    fs::create_symlink(dir.File("tarvello.conf"), dir.File("link.conf"));
    ASSERT_EQ(mkfifo(dir.File("pipe.conf").c_str(), 0600), 0);
    const struct { std::string path; bool usable; } cases[] = {
        {dir.File("tarvello.conf"), true}, {dir.File("link.conf"), true},
        {dir.File("new.conf"), true},      {dir.File("pipe.conf"), false},
        {"/dev/zero", false},              {dir.Path(), false},
        {"", false}};
    for (const auto &c : cases)
        EXPECT_EQ(IsUsableSettingsFile(c.path), c.usable) << c.path;
}

TEST(PlayerHomeFolder, HomeOrElseTheUserDatabase)
{
    const passwd *user = getpwuid(getuid());
    ASSERT_TRUE(user && *user->pw_dir);
    const struct { const char *home; std::string found; } cases[] = {
        {"/home/p", "/home/p"}, {"", user->pw_dir}, {nullptr, user->pw_dir}};
    for (const auto &c : cases)
        EXPECT_EQ(PlayerHomeFolder(c.home), c.found) << (c.home ? c.home : "unset");
}

TEST(WriteFileAtomically, WritesWholeAndReadsBack)
{
    const TestFolder dir;
    const std::string file = dir.File("a.txt");
    const std::string bytes("x\0y\r\n\xE9", 6);
    ASSERT_TRUE(WriteFileAtomically(file, bytes).ok());
    EXPECT_EQ(ReadFileBytes(file), bytes);
    ASSERT_TRUE(WriteFileAtomically(file, "second").ok());
    EXPECT_EQ(ReadFileBytes(file), "second");
}

TEST(WriteFileAtomically, FailureLeavesTheOldFile)
{
    const TestFolder dir;
    const std::string file = dir.File("keep.txt");
    ASSERT_TRUE(WriteFileAtomically(file, "old").ok());
    // A folder in the target's place cannot be replaced by the new file.
    const std::string folder = dir.File("folder.txt");
    fs::create_directories(fs::path(folder) / "inside");
    const Status failed = WriteFileAtomically(folder, "new");
    ASSERT_FALSE(failed.ok());
    EXPECT_EQ(failed.failure(), (Failure{"Error in saving " + folder + " !", "Path/File access error",
                                          FailureKind::CannotWrite}));
    EXPECT_EQ(ReadFileBytes(file), "old");
    EXPECT_FALSE(WriteFileAtomically(dir.File("missing/x.txt"), "new").ok());
    // Nothing but the two targets is left in the folder.
    std::vector<std::string> names;
    for (const auto &entry : fs::directory_iterator(dir.Path()))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"folder.txt", "keep.txt"}));
}

// A disk that fills during the write (a file size limit stands in for it):
// the save fails as a write error, the old file stays whole and no temporary
// file is left.
TEST(WriteFileAtomically, AFullDiskLeavesTheOldFile)
{
    const TestFolder dir;
    const std::string file = dir.File("army.tva");
    ASSERT_TRUE(WriteFileAtomically(file, "old").ok());
    rlimit before{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &before), 0);
    rlimit small = before;
    small.rlim_cur = 4096;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const Status failed = WriteFileAtomically(file, std::string(1 << 16, 'x'));
    setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, oldHandler);
    ASSERT_FALSE(failed.ok());
    EXPECT_EQ(failed.failure().description, "Disk full or write error");
    EXPECT_EQ(ReadFileBytes(file), "old");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), fs::directory_iterator()), 1);
}

// A process id that no process has any more: a child that has ended.
long EndedProcess()
{
    const pid_t child = fork();
    if (child == 0)
        _exit(0);
    waitpid(child, nullptr, 0);
    return static_cast<long>(child);
}

TEST(WriteFileAtomically, RemovesTheFoldersTemporariesOfEndedProcessesOnly)
{
    const TestFolder dir;
    const std::string file = dir.File("army.tva");
    const std::string ended = std::to_string(EndedProcess());
    const std::string running = std::to_string(getppid());
    // {name, kept}: what killed saves left, of this file and of others; a
    // save still running in another process keeps its file.
    const std::vector<std::pair<std::string, bool>> cases = {
        {"army.tva.tmp~" + ended + "-1", false},
        {"army.tva.tmp~" + ended + "-12", false},
        {"army.tva.tmp~" + running + "-1", true},
        {"notes.tmp~x-1", true},
        {"army.tva.tmp~" + ended, true},
        // Other files' and other programs' files of the same shape stay.
        {"table.skv.tmp~" + ended + "-7", true},
        {"old-army.tva.tmp~" + ended + "-1", true},
        {"army.tv.tmp~" + ended + "-1", true},
        {"army.tva.tmp~" + ended + "-1.bak", true},
    };
    for (const auto &[name, kept] : cases)
        dir.Write(name, "half");
    ASSERT_TRUE(WriteFileAtomically(file, "whole").ok());
    EXPECT_EQ(ReadFileBytes(file), "whole");
    for (const auto &[name, kept] : cases)
        EXPECT_EQ(fs::exists(dir.File(name)), kept) << name;
}

TEST(WriteFileAtomically, WritesThroughSymbolicLinksAndKeepsTheFilesMode)
{
    const TestFolder dir;
    dir.Write("real.tva", "old");
    fs::permissions(dir.File("real.tva"), fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink("real.tva", dir.File("relative.tva"));
    fs::create_symlink(dir.File("relative.tva"), dir.File("chain.tva"));
    for (const char *link : {"relative.tva", "chain.tva"}) {
        ASSERT_TRUE(WriteFileAtomically(dir.File(link), link).ok());
        EXPECT_TRUE(fs::is_symlink(dir.File(link))) << link;
        EXPECT_EQ(ReadFileBytes(dir.File("real.tva")), link);
        EXPECT_EQ(fs::status(dir.File("real.tva")).permissions(),
                  fs::perms::owner_read | fs::perms::owner_write);
    }
    // A new file gets the usual mode, not the last save's.
    ASSERT_TRUE(WriteFileAtomically(dir.File("new.tva"), "x").ok());
    EXPECT_NE(fs::status(dir.File("new.tva")).permissions() & fs::perms::group_read,
              fs::perms::none);
}

TEST(CopyFileAtomically, ACopyThatFailsLeavesNoFile)
{
    const TestFolder dir;
    dir.Write("table.skv", "Name;Cost\r\n");
    ASSERT_TRUE(CopyFileAtomically(dir.File("table.skv"), dir.File("copy.skv")).ok());
    EXPECT_EQ(ReadFileBytes(dir.File("copy.skv")), "Name;Cost\r\n");
    ASSERT_EQ(mkfifo(dir.File("pipe.skv").c_str(), 0600), 0);
    for (const char *from : {"missing.skv", "pipe.skv"}) {
        EXPECT_FALSE(CopyFileAtomically(dir.File(from), dir.File("none.skv")).ok());
        EXPECT_FALSE(fs::exists(dir.File("none.skv"))) << from;
    }
}

TEST(ShownText, LongTextsAreCutForWidgetsOnly)
{
    const std::string huge(50u << 20, 'x');
    const struct { std::string text; std::string shown; } cases[] = {
        {"", ""}, {"Army", "Army"}, {std::string(1000, 'a'), std::string(1000, 'a')},
        {std::string(1001, 'a'), std::string(999, 'a') + "\x85"},
        {huge, std::string(999, 'x') + "\x85"}};
    for (const auto &c : cases) {
        EXPECT_EQ(ShownText(c.text), c.shown) << c.text.size();
        EXPECT_EQ(IsShownWhole(c.text), c.text == c.shown);
    }
}

TEST(ForEachLine, SplitsAtEveryKindOfLineEnd)
{
    std::vector<std::string> lines;
    ForEachLine("a\r\nb\nc\rd\r\n\r\ne", [&](std::string_view l) { lines.emplace_back(l); });
    EXPECT_EQ(lines, (std::vector<std::string>{"a", "b", "c", "d", "", "e"}));
    lines.clear();
    ForEachLine("only\r\n", [&](std::string_view l) { lines.emplace_back(l); });
    EXPECT_EQ(lines, (std::vector<std::string>{"only"}));
}

TEST(ReadReadme, EveryLineEndsWithALineBreak)
{
    const TestFolder dir;
    ASSERT_TRUE(WriteFileAtomically(dir.File("readme.txt"), "First\r\nSecond  line\nThird").ok());
    EXPECT_EQ(ReadReadme(dir.File("readme.txt")).value(), "First\r\nSecond  line\r\nThird\r\n");
    ASSERT_TRUE(WriteFileAtomically(dir.File("empty.txt"), "").ok());
    EXPECT_EQ(ReadReadme(dir.File("empty.txt")).value(), "");
    const Result<std::string> missing = ReadReadme(dir.File("none.txt"));
    ASSERT_FALSE(missing.ok());
    EXPECT_EQ(missing.failure(), (Failure{"Error loading readme file!", "File not found", FailureKind::NotFound}));
}

// UTF-8 of a code point below U+10000.
std::string Utf8(char32_t c)
{
    std::string out;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
    return out;
}

// The code page's characters for 0x80 to 0x9F; its five undefined bytes keep
// their values as control characters.
constexpr char32_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

TEST(Cp1252, EveryByteFrom0x80To0x9FBothWays)
{
    for (int i = 0; i < 32; ++i) {
        const std::string byte(1, static_cast<char>(0x80 + i));
        EXPECT_EQ(Cp1252ToUtf8(byte), Utf8(kHighControls[i])) << std::hex << 0x80 + i;
        EXPECT_EQ(Utf8ToCp1252(Utf8(kHighControls[i])), byte) << std::hex << 0x80 + i;
    }
    EXPECT_EQ(Cp1252ToUtf8("\xE9t\xE9"), "\xC3\xA9t\xC3\xA9");
    EXPECT_EQ(Utf8ToCp1252("\xE2\x82\xAC \xE4\xB8\xAD"), "\x80 ?");
}

TEST(MessageText, PathsKeepTheirLettersAndFileTextsTheirs)
{
    // {message bytes, shown}: a path is the file system's UTF-8, a text read
    // from a file Windows-1252; one message may hold both.
    const struct { std::string bytes; std::string shown; } cases[] = {
        {"Error in loading /home/\xC3\x96laf/a.tvf !", "Error in loading /home/\xC3\x96laf/a.tvf !"},
        {"/\xD0\x94\xD0\xBC/\xE4\xB8\xAD/\xF0\x9F\x90\x89", "/\xD0\x94\xD0\xBC/\xE4\xB8\xAD/\xF0\x9F\x90\x89"},
        {"The item \xC9p\xE9" "e does not exist", "The item \xC3\x89p\xC3\xA9" "e does not exist"},
        {"\xD6laf /\xC3\x96laf \x80", "\xC3\x96laf /\xC3\x96laf \xE2\x82\xAC"},
        // Not UTF-8: cut short, overlong, a surrogate, past U+10FFFF.
        {"\xC3", "\xC3\x83"}, {"\xC0\x80", "\xC3\x80\xE2\x82\xAC"},
        {"\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xE2\x82\xAC"},
        {"\xF4\x90\x80\x80", "\xC3\xB4\xC2\x90\xE2\x82\xAC\xE2\x82\xAC"}};
    for (const auto &c : cases)
        EXPECT_EQ(MessageTextToUtf8(c.bytes), c.shown) << c.bytes;
}

TEST(Twips, ConvertAtTheScreensResolutionRoundingHalfToEven)
{
    // 2, 2.5, 3.5 and 2 pixels.
    for (const auto &[twips, dpi, pixels] : {std::tuple{30.0, 96, 2}, {37.5, 96, 2}, {52.5, 96, 4}, {40.0, 72, 2}})
        EXPECT_EQ(TwipsToPixels(twips, dpi), pixels) << twips;
    EXPECT_EQ(PixelsToTwips(3, 96), 45);
    EXPECT_THROW(TwipsToPixels(1e12, 96), RuntimeError);
}

} // namespace
} // namespace tarvello
