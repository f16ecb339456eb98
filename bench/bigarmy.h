#pragma once

// An army file of many unit lines with long texts (a file of about 60 MB for
// 100,000 lines), written once per process into the temporary folder, and the
// memory the process holds.
#include "platform/fileio.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

namespace bigarmy {

inline std::string ArmyFile(int lines)
{
    const std::filesystem::path dir = std::filesystem::temp_directory_path();
    const std::string file = (dir / ("tarvello_big_army_" + std::to_string(lines) + ".tva")).string();
    if (std::filesystem::exists(file))
        return file;
    const std::string melee = "Sword|Axe|" + std::string(300, 'm');
    std::string text = "Big\r\n" + (dir / "tarvello_no_figures").string() + "\r\nheader\r\n";
    for (int i = 0; i < lines; ++i)
        text += "3;10;Orc Archer " + std::to_string(i) + ' ' + std::string(60, 'n')
                + ";Orc;Soldier;12.5;Line;6;1;6;6;None;" + melee + ";Bow(2);"
                + std::string(150, 'x') + ";Chain\r\n";
    (void)tarvello::WriteFileAtomically(file, text);
    return file;
}

// The resident memory of the process in MB.
inline double ResidentMegabytes()
{
    std::ifstream status("/proc/self/status");
    std::string word;
    while (status >> word) {
        if (word == "VmRSS:") {
            double kb = 0;
            status >> kb;
            return kb / 1024;
        }
    }
    return 0;
}

} // namespace bigarmy
