#pragma once

#include "platform/fileio.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

// A fresh, empty folder under the temporary folder for army tests.
inline std::filesystem::path ArmyTestFolder(const std::string &name)
{
    const auto dir = std::filesystem::temp_directory_path() / ("tarvello_army_" + name);
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    return dir;
}

// Writes text as a file of folder; its path.
inline std::string ArmyTestFile(const std::filesystem::path &folder, const std::string &name,
                                const std::string &text)
{
    const std::string path = (folder / name).string();
    EXPECT_TRUE(tarvello::WriteFileAtomically(path, text).ok()) << path;
    return path;
}

// A figure file with a name and a final cost, nothing else.
inline std::string FigureText(const std::string &name, const std::string &cost)
{
    return "[Figure]\r\ntxtFigureName=" + name + "\r\ntxtFinalCost=" + cost + "\r\n";
}
