#include "platform/fileio.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace tarvello {
namespace {

namespace fs = std::filesystem;

fs::path freshFolder(const std::string &name)
{
    const fs::path dir = fs::temp_directory_path() / ("tarvello_fileio_" + name);
    fs::remove_all(dir);
    fs::create_directories(dir);
    return dir;
}

TEST(ReadFileBytes, FolderAndMissingFileGiveNothing)
{
    const fs::path dir = freshFolder("folder");
    EXPECT_FALSE(ReadFileBytes(dir.string()).has_value());
    EXPECT_FALSE(ReadFileBytes((dir / "none.txt").string()).has_value());
    EXPECT_EQ(ReadFailureDescription((dir / "none.txt").string()), "File not found");
    EXPECT_EQ(ReadFailureDescription(dir.string()), "Path/File access error");
}

TEST(WriteFileAtomically, WritesWholeAndReadsBack)
{
    const fs::path file = freshFolder("write") / "a.txt";
    const std::string bytes("x\0y\r\n\xE9", 6);
    ASSERT_EQ(WriteFileAtomically(file.string(), bytes), "");
    EXPECT_EQ(ReadFileBytes(file.string()), bytes);
    ASSERT_EQ(WriteFileAtomically(file.string(), "second"), "");
    EXPECT_EQ(ReadFileBytes(file.string()), "second");
}

TEST(WriteFileAtomically, FailureLeavesTheOldFile)
{
    const fs::path dir = freshFolder("fail");
    const fs::path file = dir / "keep.txt";
    ASSERT_EQ(WriteFileAtomically(file.string(), "old"), "");
    // A folder in place of the temporary file makes the write fail.
    fs::create_directories(dir / "keep.txt.tmp~");
    EXPECT_NE(WriteFileAtomically(file.string(), "new"), "");
    EXPECT_EQ(ReadFileBytes(file.string()), "old");
    EXPECT_NE(WriteFileAtomically((dir / "missing" / "x.txt").string(), "new"), "");
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

} // namespace
} // namespace tarvello
