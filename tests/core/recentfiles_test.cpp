#include "shell/recentfiles.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using tarvello::AddRecentFile;
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
    EXPECT_EQ(tarvello::RemoveRecentFile({"/a.tvf", "/gone.tva", "/b.tvf"}, "/gone.tva"),
              (List{"/a.tvf", "/b.tvf"}));
    EXPECT_EQ(tarvello::CleanRecentFiles({"/a.tvf", "", "/b.tvf", "/a.tvf", "/c", "/d", "/e", "/f",
                                          "/g", "/h", "/i"}),
              (List{"/a.tvf", "/b.tvf", "/c", "/d", "/e", "/f", "/g", "/h"}));
}

TEST(RecentFiles, CaptionsNumberTheFirstNineAndShowAmpersands)
{
    EXPECT_EQ(tarvello::RecentFileCaption(1, "/home/p/Salt & Iron.tva"),
              "&1 /home/p/Salt && Iron.tva");
    EXPECT_EQ(tarvello::RecentFileCaption(10, "/x.tvf"), "10 /x.tvf");
}

TEST(RecentFiles, DocumentKindComesFromTheExtensionInAnyCase)
{
    using tarvello::DocumentKind;
    const std::pair<const char *, DocumentKind> cases[] = {
        {"/f/knight.tvf", DocumentKind::Figure}, {"C:\\f\\KNIGHT.TVF", DocumentKind::Figure},
        {"army.Tva", DocumentKind::Army},        {"/s/bold.tvs", DocumentKind::Style},
        {"/f/notes.txt", DocumentKind::Unknown}, {"/f.tvf/readme", DocumentKind::Unknown},
        {"/f/tvf", DocumentKind::Unknown},       {"/f/knight.tvf.bak", DocumentKind::Unknown},
    };
    for (const auto &[path, kind] : cases)
        EXPECT_EQ(tarvello::DocumentKindOf(path), kind) << path;
}
