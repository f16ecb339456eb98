#pragma once

#include "platform/failure.h"

#include <cstdint>
#include <string>
#include <vector>

// The army pack (.tvz): one zip file holding an army file, every figure file
// its lines name and a manifest (the program's version, the army's name,
// each file's size and SHA-256). Packing and unpacking need no window.
namespace tarvello {

// The manifest's entry in the pack.
inline constexpr const char *kPackManifestName = "manifest.txt";
// The compression level of the figure files: pixel lines compress well
// already at the fastest level.
inline constexpr int kPackCompressionLevel = 1;

// One file to pack: its name in the pack and where it lies.
struct PackedFile
{
    std::string name;
    std::string path;
};

// What a pack of an army holds.
struct ArmyPackPlan
{
    // The army's name as its file's first line holds it (Windows-1252).
    std::string armyName;
    // The army file's name in the pack and its bytes.
    std::string armyEntry;
    std::string armyBytes;
    // The figure files of its lines, each once, in the order of their first line.
    std::vector<PackedFile> figures;
    // The figure names lines name that no file of the army's folder has
    // (Windows-1252, each once, in line order).
    std::vector<std::string> missing;
};

// The pack of the army file whose bytes are given, to be named armyEntry
// (a file name, UTF-8) in the pack: its lines' figure files are found in the
// army's folder (line 2) as the army finds them, by the figure name a line
// keeps.
ArmyPackPlan PlanArmyPack(std::string armyBytes, std::string armyEntry);

// The pack of the army file at armyPath; fails when it cannot be read or is
// no army file.
Result<ArmyPackPlan> PlanArmyPackOf(const std::string &armyPath);

// Writes plan's pack to packPath whole (a temporary file renamed into place).
// Figure files go in byte for byte; plan.missing are left out. Fails when a
// figure file cannot be read or has a name a pack cannot hold.
Status WriteArmyPack(const ArmyPackPlan &plan, const std::string &packPath,
                     int compressionLevel = kPackCompressionLevel);

// PlanArmyPackOf then WriteArmyPack; the figures not found are packed
// without and named in *missing (when given).
Status PackArmy(const std::string &armyPath, const std::string &packPath,
                std::vector<std::string> *missing = nullptr,
                int compressionLevel = kPackCompressionLevel);

// The most bytes one entry and the whole pack may unpack to. Absolute
// bounds: pixel lines compress so well that no ratio tells a bomb.
struct UnpackBounds
{
    std::uint64_t entryBytes = std::uint64_t{256} << 20;
    std::uint64_t totalBytes = std::uint64_t{1} << 30;
};

// Unpacks the pack at packPath into a new folder of destinationParent named
// after the pack ("Border Guard", else "Border Guard 2", ...): nothing that
// exists is ever written. The army file's folder line then names the new
// folder, and *armyPathOut (when given) is the army file's path there.
// Every entry is checked first (a name that leaves the folder or is not
// UTF-8, a symbolic link, two entries of one name, sizes over bounds, the
// manifest), sizes and hashes again while reading; on a failure part-way the
// new folder is removed. The failure's sentence is "Error in loading
// <packPath> !", its description says what is wrong.
Status UnpackArmy(const std::string &packPath, const std::string &destinationParent,
                  std::string *armyPathOut = nullptr, const UnpackBounds &bounds = {});

} // namespace tarvello
