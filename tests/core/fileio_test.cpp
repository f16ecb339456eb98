#include "platform/fileio.h"
#include "shell/readme.h"
#include "testfolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace tarvello {
namespace {

namespace fs = std::filesystem;

TEST(ReadFileBytes, FolderAndMissingFileGiveNothing)
{
    const TestFolder dir;
    EXPECT_FALSE(ReadFileBytes(dir.Path()).has_value());
    EXPECT_FALSE(ReadFileBytes(dir.File("none.txt")).has_value());
    EXPECT_EQ(ReadFailureDescription(dir.File("none.txt")), "File not found");
    EXPECT_EQ(ReadFailureDescription(dir.Path()), "Path/File access error");
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
    EXPECT_EQ(failed.failure(), (Failure{"Error in saving " + folder + " !", "Path/File access error"}));
    EXPECT_EQ(ReadFileBytes(file), "old");
    EXPECT_FALSE(WriteFileAtomically(dir.File("missing/x.txt"), "new").ok());
    // Nothing but the two targets is left in the folder.
    std::vector<std::string> names;
    for (const auto &entry : fs::directory_iterator(dir.Path()))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"folder.txt", "keep.txt"}));
}

TEST(WriteFileAtomically, RemovesTemporaryFilesLeftByAKilledSave)
{
    const TestFolder dir;
    const std::string file = dir.File("army.tva");
    // What a save killed between writing and renaming leaves behind.
    ASSERT_TRUE(WriteFileAtomically(file + ".tmp~1234-1", "half").ok());
    ASSERT_TRUE(WriteFileAtomically(dir.File("other.tva.tmp~99-1"), "not ours").ok());
    ASSERT_TRUE(WriteFileAtomically(file, "whole").ok());
    EXPECT_EQ(ReadFileBytes(file), "whole");
    EXPECT_FALSE(fs::exists(file + ".tmp~1234-1"));
    EXPECT_TRUE(fs::exists(dir.File("other.tva.tmp~99-1")));
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
    EXPECT_EQ(missing.failure(), (Failure{"Error loading readme file!", "File not found"}));
}

} // namespace
} // namespace tarvello
