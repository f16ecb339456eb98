#include "shell/programfolder.h"

#include "testfolder.h"
#include "platform/fileio.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;
using namespace tarvello;

static std::string Read(const fs::path &path)
{
    return tarvello::ReadFileBytes(path.string()).value_or("<missing>");
}

TEST(ProgramFolder, AWritableInstallFolderIsUsedAsItIs)
{
    const fs::path install = FreshTestFolder("install_writable");
    const fs::path user = FreshTestFolder("user_unused") / "tarvello";
    EXPECT_TRUE(tarvello::FolderIsWritable(install.string()));
    EXPECT_FALSE(tarvello::FolderIsWritable((install / "missing").string()));
    const auto chosen = tarvello::ChooseProgramFolder(install.string(), user.string());
    ASSERT_TRUE(chosen.ok());
    EXPECT_EQ(chosen.value(), install.string());
    EXPECT_FALSE(fs::exists(user));
    EXPECT_TRUE(fs::is_empty(install));
}

TEST(ProgramFolder, TheUserFolderGetsTheFilesOnceAndKeepsThePlayersChanges)
{
    const fs::path install = FreshTestFolder("install_readonly");
    for (const std::string &file : tarvello::ProgramFiles())
        WriteTestFile(install, file, "shipped " + file + "\r\n");
    fs::create_directories(install / "figures");
    WriteTestFile(install / "figures", "knight.tvf", "[Figure]\r\n");
    WriteTestFile(install, "tarvello", "not copied");
    const fs::path user = FreshTestFolder("user_home") / "share" / "tarvello";

    const auto first = tarvello::PrepareUserProgramFolder(install.string(), user.string());
    ASSERT_TRUE(first.ok()) << first.failure().Message();
    EXPECT_EQ(first.value(), user.string());
    for (const std::string &file : tarvello::ProgramFiles())
        EXPECT_EQ(Read(user / file), "shipped " + file + "\r\n");
    EXPECT_EQ(Read(user / "figures" / "knight.tvf"), "[Figure]\r\n");
    EXPECT_FALSE(fs::exists(user / "tarvello"));

    // The player edits a table and loses another; the next start keeps the
    // edit and brings the lost one back.
    WriteTestFile(user, "races.skv", "edited\r\n");
    fs::remove(user / "move.skv");
    const auto second = tarvello::PrepareUserProgramFolder(install.string(), user.string());
    ASSERT_TRUE(second.ok());
    EXPECT_EQ(Read(user / "races.skv"), "edited\r\n");
    EXPECT_EQ(Read(user / "move.skv"), "shipped move.skv\r\n");
}

TEST(ProgramFolder, AUserFolderThatCannotBeMadeIsAFailure)
{
    const fs::path install = FreshTestFolder("install_for_failure");
    WriteTestFile(install, "races.skv", "x\r\n");
    const std::string user = WriteTestFile(FreshTestFolder("user_blocked"), "file", "no folder") + "/tarvello";
    const auto result = tarvello::PrepareUserProgramFolder(install.string(), user);
    ASSERT_FALSE(result.ok());
    EXPECT_EQ(result.failure().Message(),
              "Error in preparing " + user + " !\r\nPath/File access error");
}
