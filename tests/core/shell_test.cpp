#include "platform/documentkinds.h"
#include "platform/fileio.h"
#include "platform/trtext.h"
#include "shell/commandtable.h"
#include "shell/programfolder.h"
#include "shell/recentfiles.h"
#include "shell/uilanguage.h"
#include "shell/windowplacement.h"
#include "testfolder.h"

#include <array>
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace tarvello {
namespace {

using List = std::vector<std::string>;

TEST(RecentFiles, AddPutsNewestFirstMovesRepeatsAndKeepsTheLimit)
{
    struct Case { List before; std::string path; List after; };
    const Case cases[] = {
        {{}, "/a.tvf", {"/a.tvf"}},
        {{"/a.tvf", "/b.tva"}, "/c.tvf", {"/c.tvf", "/a.tvf", "/b.tva"}},
        {{"/a.tvf", "/b.tva", "/c.tvf"}, "/c.tvf", {"/c.tvf", "/a.tvf", "/b.tva"}},
        {{"/a.tvf", "/b.tva"}, "/a.tvf", {"/a.tvf", "/b.tva"}},
        {{"/a.tvf"}, "", {"/a.tvf"}},
        {{"/A.tvf"}, "/a.tvf", {"/a.tvf", "/A.tvf"}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(AddRecentFile(c.before, c.path), c.after) << c.path;
}

TEST(RecentFiles, TheNinthFileDropsTheOldest)
{
    List list;
    for (int i = 1; i <= 9; ++i)
        list = AddRecentFile(list, "/f" + std::to_string(i) + ".tvf");
    // The oldest went; opening an old one again keeps all eight.
    list = AddRecentFile(list, "/f5.tvf");
    EXPECT_EQ(list, (List{"/f5.tvf", "/f9.tvf", "/f8.tvf", "/f7.tvf", "/f6.tvf", "/f4.tvf",
                          "/f3.tvf", "/f2.tvf"}));
}

TEST(RecentFiles, MissingEntryIsRemovedAndSettingsAreCleaned)
{
    EXPECT_EQ(RemoveRecentFile({"/a.tvf", "/gone.tva", "/b.tvf"}, "/gone.tva"),
              (List{"/a.tvf", "/b.tvf"}));
    EXPECT_EQ(CleanRecentFiles({"/a.tvf", "", "/b.tvf", "/a.tvf", "/c", "/d", "/e", "/f",
                                          "/g", "/h", "/i"}),
              (List{"/a.tvf", "/b.tvf", "/c", "/d", "/e", "/f", "/g", "/h"}));
    // An entry longer than any path names no file.
    const std::string longest = "/" + std::string(4095, 'p');
    EXPECT_EQ(CleanRecentFiles({longest + "q", "/a.tvf", std::string(10u << 20, 'x'), longest}),
              (List{"/a.tvf", longest}));
}

TEST(RecentFiles, CaptionsNumberTheFirstNineAndShowAmpersands)
{
    EXPECT_EQ(RecentFileCaption(1, "/home/p/Salt & Iron.tva"), "&1 Salt && Iron.tva");
    EXPECT_EQ(RecentFileCaption(10, "/x.tvf"), "10 x.tvf");
    EXPECT_EQ(RecentFileCaption(2, "C:\\Armies\\north.tva"), "&2 north.tva");
    EXPECT_EQ(RecentFileCaption(3, "plain.tvf"), "&3 plain.tvf");
}

TEST(RecentFiles, FilesOfTheSameNameAreToldApartByTheirFolder)
{
    EXPECT_EQ(RecentFileCaptions({"/home/p/Spring/orcs.tvf", "/home/p/elves.tvf",
                                  "/home/p/Old & New/orcs.tvf", "orcs.tvf"}),
              (List{"&1 orcs.tvf (Spring)", "&2 elves.tvf", "&3 orcs.tvf (Old && New)",
                    "&4 orcs.tvf"}));
    // The same folder name twice: the whole folder says which is which.
    EXPECT_EQ(RecentFileCaptions({"/a/Armies/north.tva", "C:\\b\\Armies\\north.tva"}),
              (List{"&1 north.tva (/a/Armies)", "&2 north.tva (C:\\b\\Armies)"}));
}

TEST(WindowPlacement, AGrownWindowMovesLeftAndUpAndShrinksOnlyWhenItMust)
{
    struct Case
    {
        WindowRect window;
        int minWidth, minHeight;
        WindowRect kept;
    };
    // Area 800 x 600.
    const Case cases[] = {
        {{100, 50, 300, 200}, 0, 0, {100, 50, 300, 200}},   // inside: unchanged
        {{600, 50, 300, 200}, 0, 0, {500, 50, 300, 200}},   // right edge out: moves left
        {{100, 500, 300, 200}, 0, 0, {100, 400, 300, 200}}, // bottom edge out: moves up
        {{300, 20, 900, 200}, 0, 0, {0, 20, 800, 200}},     // wider than the area
        {{300, 20, 900, 200}, 850, 0, {0, 20, 850, 200}},   // not below its minimum
        {{700, 550, 800, 600}, 0, 0, {0, 0, 800, 600}},     // exactly the area
        {{-30, -10, 300, 200}, 0, 0, {0, 0, 300, 200}},     // back from beyond the corner
    };
    for (const Case &c : cases)
        EXPECT_EQ(KeepInsideArea(c.window, 800, 600, c.minWidth, c.minHeight), c.kept)
            << c.window.left << "," << c.window.top << " " << c.window.width << "x"
            << c.window.height;
}

TEST(DocumentKinds, KindComesFromTheExtensionInAnyCase)
{
    const std::pair<const char *, DocumentKind> cases[] = {
        {"/f/knight.tvf", DocumentKind::Figure}, {"C:\\f\\KNIGHT.TVF", DocumentKind::Figure},
        {"army.Tva", DocumentKind::Army},        {"/s/bold.tvs", DocumentKind::Style},
        {"/t/races.skv", DocumentKind::Table},   {"/p/Border Guard.TVZ", DocumentKind::ArmyPack},
        {"/f/notes.txt", DocumentKind::Unknown}, {"/f.tvf/readme", DocumentKind::Unknown},
        {"/f/tvf", DocumentKind::Unknown},       {"/f/knight.tvf.bak", DocumentKind::Unknown},
    };
    for (const auto &[path, kind] : cases)
        EXPECT_EQ(DocumentKindOf(path), kind) << path;
    EXPECT_EQ(ProposedFileName("Sir Test", DocumentKind::Army), "Sir Test.tva");
}

// The desktop learns the same types and extensions from the installed MIME file.
TEST(DocumentKinds, MimeFileRegistersEachKindWithItsExtension)
{
    const std::string xml =
        ReadFileBytes(std::string(TARVELLO_SHIPPED_DATA_DIR) + "/../packaging/tarvello-mime.xml")
            .value_or("");
    ASSERT_FALSE(xml.empty());
    for (const DocumentKindInfo &info : kDocumentKinds) {
        if (*info.mimeType == '\0')
            continue;
        const std::size_t type = xml.find(std::string("type=\"") + info.mimeType + "\"");
        ASSERT_NE(type, std::string::npos) << info.mimeType;
        const std::size_t glob = xml.find("<glob pattern=\"", type);
        EXPECT_EQ(xml.substr(glob, std::strlen(info.extension) + 17),
                  std::string("<glob pattern=\"*") + info.extension + "\"")
            << info.mimeType;
    }
    // A pack is a zip to the desktop, and double-clicked it opens in Tarvello.
    const std::size_t pack = xml.find("type=\"application/x-tarvello-army-pack\"");
    EXPECT_LT(xml.find("<sub-class-of type=\"application/zip\"/>", pack), xml.find("</mime-type>", pack));
    const std::string entry = ReadFileBytes(std::string(TARVELLO_SHIPPED_DATA_DIR)
                                            + "/../packaging/org.tarvello.Tarvello.desktop")
                                  .value_or("");
    EXPECT_NE(entry.find(";application/x-tarvello-army-pack;"), std::string::npos);
}

struct RouteCase
{
    std::optional<WindowForm> form;
    // Save, SaveAs, PrintIt, Export, PrintPreview, PrintCards, UpdateCosts,
    // ExportArmyPack.
    const char *takes;
    // Save As and Export when the File menu opens; Print Cards.
    std::optional<bool> menuState;
    bool printCards;
};

class CommandRouting : public testing::TestWithParam<RouteCase>
{};

TEST_P(CommandRouting, ForwardsWhatTheWindowKindTakes)
{
    const RouteCase &c = GetParam();
    const CommandSet taken = c.form ? CommandsOf(*c.form) : CommandSet{};
    const Command commands[] = {Command::Save,         Command::SaveAs,     Command::PrintIt,
                                Command::Export,       Command::PrintPreview, Command::PrintCards,
                                Command::UpdateCosts,  Command::ExportArmyPack};
    std::string takes;
    for (Command command : commands)
        takes += taken.has(command) ? 'y' : 'n';
    EXPECT_EQ(takes, c.takes);
    for (Command never : {Command::Quit, Command::Undo, Command::NewFigure})
        EXPECT_FALSE(taken.has(never));
    const std::optional<CommandSet> active = c.form ? std::optional(taken) : std::nullopt;
    EXPECT_EQ(ItemEnabling(Command::SaveAs, active), c.menuState);
    EXPECT_EQ(ItemEnabling(Command::Export, active), c.menuState);
    EXPECT_EQ(ItemEnabling(Command::PrintCards, active), c.printCards);
    for (Command never : {Command::Save, Command::PrintIt, Command::PrintPreview, Command::Undo})
        EXPECT_EQ(ItemEnabling(never, active), std::nullopt);
}

// Test names by window kind, in the order of the cases below.
std::string RouteCaseName(const testing::TestParamInfo<RouteCase> &info)
{
    static const std::array<const char *, 5> kNames{"Figure", "Army", "UnitCard", "EditTable", "None"};
    return kNames.at(info.index);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, CommandRouting,
    testing::Values(RouteCase{WindowForm::Figure, "yyyyyynn", true, true},
                    RouteCase{WindowForm::Army, "yyyyyyyy", true, true},
                    RouteCase{WindowForm::UnitCard, "ynynyynn", false, true},
                    RouteCase{WindowForm::EditTable, "ynynynnn", false, false},
                    RouteCase{std::nullopt, "nnnnnnnn", std::nullopt, false}),
    RouteCaseName);

// Each command has one row, in a menu declared above it, under a name of its own.
TEST(CommandTable, EachCommandOnceInADeclaredMenu)
{
    std::vector<std::string_view> names;
    std::vector<std::string_view> menus{""};
    std::vector<int> rows(kCommandCount);
    for (const CommandRow &row : kCommandRows) {
        EXPECT_NE(std::find(menus.begin(), menus.end(), row.parent), menus.end()) << row.name;
        EXPECT_EQ(std::find(names.begin(), names.end(), row.name), names.end()) << row.name;
        names.push_back(row.name);
        if (row.kind == RowKind::Menu)
            menus.push_back(row.name);
        if (row.kind == RowKind::Item)
            ++rows.at(static_cast<std::size_t>(row.command));
    }
    EXPECT_EQ(rows, std::vector<int>(rows.size(), 1));
    for (const std::optional<Command> &button : kToolBarCommands)
        EXPECT_TRUE(!button || RowOf(*button).icon != CommandIcon::None);
    for (Command button : kStartCommands)
        EXPECT_FALSE(RowOf(button).iconText.empty());
}

namespace fs = std::filesystem;

std::string Read(const fs::path &path)
{
    return ReadFileBytes(path.string()).value_or("<missing>");
}

TEST(ProgramFolder, AWritableInstallFolderIsUsedAsItIs)
{
    const fs::path install = FreshTestFolder("install_writable");
    const fs::path user = FreshTestFolder("user_unused") / "tarvello";
    EXPECT_TRUE(FolderIsWritable(install.string()));
    EXPECT_FALSE(FolderIsWritable((install / "missing").string()));
    const auto chosen = ChooseProgramFolder(install.string(), user.string());
    EXPECT_FALSE(chosen.failure);
    EXPECT_EQ(chosen.folder, install.string());
    EXPECT_FALSE(fs::exists(user));
    // Without a home folder, where none is needed.
    EXPECT_EQ(ChooseProgramFolder(install.string(), std::nullopt).folder, install.string());
    EXPECT_TRUE(fs::is_empty(install));
}

TEST(ProgramFolder, TheUserFolderGetsTheFilesOnceAndKeepsThePlayersChanges)
{
    const fs::path install = FreshTestFolder("install_readonly");
    for (const std::string &file : ProgramFiles())
        WriteTestFile(install, file, "shipped " + file + "\r\n");
    fs::create_directories(install / "figures");
    WriteTestFile(install / "figures", "knight.tvf", "[Figure]\r\n");
    WriteTestFile(install, "tarvello", "not copied");
    const fs::path user = FreshTestFolder("user_home") / "share" / "tarvello";

    const auto first = PrepareUserProgramFolder(install.string(), user.string());
    ASSERT_TRUE(first.ok()) << first.failure().Message();
    EXPECT_EQ(first.value(), user.string());
    for (const std::string &file : ProgramFiles())
        EXPECT_EQ(Read(user / file), "shipped " + file + "\r\n");
    EXPECT_EQ(Read(user / "figures" / "knight.tvf"), "[Figure]\r\n");
    EXPECT_FALSE(fs::exists(user / "tarvello"));

    // The player edits a table and loses another; the next start keeps the
    // edit and brings the lost one back.
    WriteTestFile(user, "races.skv", "edited\r\n");
    fs::remove(user / "move.skv");
    const auto second = PrepareUserProgramFolder(install.string(), user.string());
    ASSERT_TRUE(second.ok());
    EXPECT_EQ(Read(user / "races.skv"), "edited\r\n");
    EXPECT_EQ(Read(user / "move.skv"), "shipped move.skv\r\n");
}

TEST(ProgramFolder, EmptyTablesOfAnInterruptedCopyAreReplacedWithANotice)
{
    const fs::path install = FreshTestFolder("install_shipped");
    for (const std::string &file : ProgramFiles())
        WriteTestFile(install, file, "shipped " + file + "\r\n");
    const fs::path user = FreshTestFolder("user_cut");
    WriteTestFile(user, "eliteattackroll.skv", "");
    WriteTestFile(user, "races.skv", "edited\r\n");
    WriteTestFile(user, "readme.txt", "");
    EXPECT_EQ(ReplaceEmptyTables(install.string(), user.string()),
              "The rules tables eliteattackroll.skv in " + user.string()
                  + " were empty (a copy cut short) and have been replaced by the tables shipped "
                    "with Tarvello.");
    EXPECT_EQ(Read(user / "eliteattackroll.skv"), "shipped eliteattackroll.skv\r\n");
    EXPECT_EQ(Read(user / "races.skv"), "edited\r\n");
    EXPECT_EQ(Read(user / "readme.txt"), "");
    EXPECT_EQ(ReplaceEmptyTables(install.string(), user.string()), "");
}

TEST(ProgramFolder, AFailedCopyNamesItsFileAndTheInstallFolderIsNeverUsedInstead)
{
    const fs::path install = FreshTestFolder("install_pipe");
    WriteTestFile(install, kInstallMarker, "installed\n");
    WriteTestFile(install, "races.skv", "shipped\r\n");
    fs::create_directories(install / "figures");
    WriteTestFile(install / "figures", "a.tvf", "[Figure]\r\n");
    const fs::path home = FreshTestFolder("home_blocked");
    const std::string user = (home / "share" / "tarvello").string();
    const std::string goesOn = "\r\nTarvello goes on with the files of " + user + ".";
    // {file in the way or pipe to copy, folder used, description}
    const struct { std::string blocker; bool pipe; std::string folder, description; } cases[] = {
        {"share/tarvello/figures", false, user,
         (home / "share/tarvello/figures").string() + " is a file, not a folder." + goesOn},
        {"share/tarvello/move.skv", true, user,
         "Path/File access error: " + user + "/move.skv" + goesOn},
        {"share", false, "", (home / "share").string() + " is a file, not a folder.\r\nTarvello stops."},
        {"", false, "", "HOME is not set, and the system's user database names no home folder for"
                        " this user. Tarvello stops."},
    };
    for (const auto &c : cases) {
        fs::remove_all(home / "share");
        fs::remove(install / "move.skv");
        if (c.pipe) {
            ASSERT_EQ(mkfifo((install / "move.skv").c_str(), 0600), 0);
        } else if (!c.blocker.empty()) {
            fs::create_directories((home / c.blocker).parent_path());
            WriteTestFile((home / c.blocker).parent_path(), fs::path(c.blocker).filename(), "file");
        }
        const auto untouched = fs::last_write_time(install);
        const auto chosen = ChooseProgramFolder(
            install.string(), c.blocker.empty() ? std::nullopt : std::optional(user));
        ASSERT_TRUE(chosen.failure) << c.blocker;
        EXPECT_EQ(chosen.folder, c.folder) << c.blocker;
        EXPECT_EQ(chosen.failure->description, c.description);
        EXPECT_EQ(fs::last_write_time(install), untouched);
    }
}

TEST(ProgramFolder, AnInstalledCopyUsesThePlayersFolderAndPointsTheSampleArmyThere)
{
    const fs::path install = FreshTestFolder("install_marked");
    WriteTestFile(install, kInstallMarker, "installed\n");
    WriteTestFile(install, "races.skv", "shipped\r\n");
    fs::create_directories(install / "figures");
    const std::string army = "Guard\r\n/usr/lib/tarvello/figures\r\nheader\r\n1;1;A\r\n";
    WriteTestFile(install / "figures", "guard.TVA", army);
    WriteTestFile(install / "figures", "a.tvf", "[Figure]\r\n");
    const auto untouched = fs::last_write_time(install);
    const fs::path user = FreshTestFolder("user_of_install") / "tarvello";
    const std::string figures = (user / "figures").string();

    // Writable as it is, the installed folder is neither used nor written.
    const auto chosen = ChooseProgramFolder(install.string(), user.string());
    ASSERT_FALSE(chosen.failure) << chosen.failure->Message();
    EXPECT_EQ(chosen.folder, user.string());
    EXPECT_EQ(fs::last_write_time(install), untouched);
    EXPECT_EQ(Read(user / "races.skv"), "shipped\r\n");
    EXPECT_EQ(Read(user / "figures" / "a.tvf"), "[Figure]\r\n");
    EXPECT_EQ(Read(user / "figures" / "guard.TVA"),
              "Guard\r\n" + figures + "\r\nheader\r\n1;1;A\r\n");
    EXPECT_EQ(Read(install / "figures" / "guard.TVA"), army);

    // The player's own directory in his copy stays at the next start.
    WriteTestFile(user / "figures", "guard.TVA", army);
    ASSERT_EQ(ChooseProgramFolder(install.string(), user.string()).folder, user.string());
    EXPECT_EQ(Read(user / "figures" / "guard.TVA"), army);
}

TEST(ProgramFolder, AUserFolderThatCannotBeMadeIsAFailure)
{
    const fs::path install = FreshTestFolder("install_for_failure");
    WriteTestFile(install, "races.skv", "x\r\n");
    const std::string user = WriteTestFile(FreshTestFolder("user_blocked"), "file", "no folder") + "/tarvello";
    const auto result = PrepareUserProgramFolder(install.string(), user);
    ASSERT_FALSE(result.ok());
    EXPECT_EQ(result.failure().Message(), "Error in preparing " + user + " !\r\n"
                                              + user.substr(0, user.size() - 9) + " is a file, not a folder.");
}

TEST(WindowLanguage, TheChoiceThenLanguageThenTheFirstLocaleVariableSet)
{
    struct Case
    {
        std::string_view chosen;
        LanguageEnvironment environment;
        std::string_view expected;
    };
    const Case cases[] = {
        {"", {"de", "", "", "C"}, "de"},                      // LANGUAGE also when LANG=C
        {"", {"es:fr_FR:de", "", "", "en_US.UTF-8"}, "fr"},   // the first the program has
        {"", {"es", "", "", "de_DE.UTF-8"}, "de"},            // none of LANGUAGE: the locale
        {"", {"", "", "fr_CA.UTF-8", "de_DE.UTF-8"}, "fr"},   // LC_MESSAGES before LANG
        {"", {"", "C.UTF-8", "fr_FR", "de_DE"}, "en"},        // LC_ALL first
        {"", {"", "", "", "es_ES.UTF-8"}, "en"},              // a language it lacks
        {"", {"", "", "", ""}, "en"},
        {"de", {"fr", "", "", "fr_FR"}, "de"},                // the player's choice
        {"en", {"de", "", "", "de_DE"}, "en"},
        {"xx", {"", "", "", "fr_FR@euro"}, "fr"},             // an unknown choice: the desktop's
    };
    for (const Case &c : cases)
        EXPECT_EQ(WindowLanguage(c.chosen, c.environment), c.expected) << c.environment.language;
    EXPECT_EQ(AppearanceNamed("Dark"), Appearance::Dark);
    EXPECT_EQ(AppearanceNamed("Light"), Appearance::Light);
    EXPECT_EQ(AppearanceNamed("dark?"), Appearance::System);
    EXPECT_EQ(FillText("%2 before %1, 100%", {"a", "b"}), "b before a, 100%");
    EXPECT_EQ(FillText("Error in saving %1 !", {"x%2.tvf"}), "Error in saving x%2.tvf !");
}

} // namespace
} // namespace tarvello
