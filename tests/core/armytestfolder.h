#pragma once

#include "platform/fileio.h"
#include "testfolder.h"

// The army tests' names for the shared temporary-folder helpers.
inline std::filesystem::path ArmyTestFolder(const std::string &name)
{
    return tarvello::FreshTestFolder("tarvello_army_" + name);
}

inline std::string ArmyTestFile(const std::filesystem::path &folder, const std::string &name,
                                const std::string &text)
{
    return tarvello::WriteTestFile(folder, name, text);
}

// A figure file with a name and a final cost, nothing else.
inline std::string FigureText(const std::string &name, const std::string &cost)
{
    return "[Figure]\r\ntxtFigureName=" + name + "\r\ntxtFinalCost=" + cost + "\r\n";
}
