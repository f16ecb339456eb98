#include "programfolder.h"

#include "army/armyfile.h"
#include "army/figuresummary.h"
#include "platform/fileio.h"
#include "platform/runtimeerror.h"
#include "rules/tablecatalogue.h"

#include <cctype>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace fs = std::filesystem;

namespace tarvello {

namespace {

constexpr const char *kSampleFolder = "figures";

void CopyIfMissing(const fs::path &from, const fs::path &to)
{
    std::error_code error;
    if (fs::exists(to, error) || !fs::exists(from, error))
        return;
    if (!fs::copy_file(from, to, error) || error)
        throw RuntimeError(errtext::kPathFileAccess);
}

// Copies the ordinary files of from that to lacks; returns the ones copied.
std::vector<fs::path> CopyFolderIfMissing(const fs::path &from, const fs::path &to)
{
    std::vector<fs::path> copied;
    std::error_code error;
    if (!fs::is_directory(from, error))
        return copied;
    fs::create_directories(to, error);
    if (error)
        throw RuntimeError(errtext::kPathFileAccess);
    for (const fs::directory_entry &entry : fs::directory_iterator(from, error)) {
        const fs::path target = to / entry.path().filename();
        if (!entry.is_regular_file(error) || fs::exists(target, error))
            continue;
        CopyIfMissing(entry.path(), target);
        copied.push_back(target);
    }
    if (error)
        throw RuntimeError(errtext::kPathFileAccess);
    return copied;
}

bool IsArmyFile(const fs::path &file)
{
    std::string extension = file.extension().string();
    for (char &c : extension)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return extension == ".tva";
}

// An army copied into folder names folder as its figure directory, so that it
// opens with its figures listed wherever the copy lies.
void PointArmiesAtFolder(const std::vector<fs::path> &copied, const fs::path &folder)
{
    const std::string directory = DirectoryText(folder.string());
    for (const fs::path &file : copied) {
        if (!IsArmyFile(file))
            continue;
        const std::optional<std::string> bytes = ReadFileBytes(file.string());
        if (!bytes)
            throw RuntimeError(errtext::kPathFileAccess);
        const Status written =
            WriteFileAtomically(file.string(), WithArmyDirectory(*bytes, directory));
        if (!written)
            throw RuntimeError(written.failure().description);
    }
}

} // namespace

std::vector<std::string> ProgramFiles()
{
    std::vector<std::string> files;
    for (const TableInfo &table : kTableCatalogue)
        files.emplace_back(table.file);
    files.emplace_back("readme.txt");
    return files;
}

bool FolderIsWritable(const std::string &folder)
{
    std::error_code error;
    if (!fs::is_directory(folder, error))
        return false;
    const fs::path probe = fs::path(folder) / ".tarvello-write-probe";
    {
        std::ofstream out(probe, std::ios::binary);
        if (!out || !(out << 'x') || !out.flush())
            return false;
    }
    fs::remove(probe, error);
    return true;
}

Result<std::string> PrepareUserProgramFolder(const std::string &installFolder,
                                             const std::string &userFolder)
{
    try {
        const fs::path from(installFolder);
        const fs::path to(userFolder);
        std::error_code error;
        fs::create_directories(to, error);
        if (error || !fs::is_directory(to))
            throw RuntimeError(errtext::kPathFileAccess);
        for (const std::string &file : ProgramFiles())
            CopyIfMissing(from / file, to / file);
        PointArmiesAtFolder(CopyFolderIfMissing(from / kSampleFolder, to / kSampleFolder),
                            to / kSampleFolder);
    } catch (const std::exception &error) {
        return Failure{"Error in preparing " + userFolder + " !", error.what()};
    }
    return userFolder;
}

bool IsInstalledCopy(const std::string &folder)
{
    std::error_code error;
    return fs::is_regular_file(fs::path(folder) / kInstallMarker, error);
}

Result<std::string> ChooseProgramFolder(const std::string &installFolder,
                                        const std::string &userFolder)
{
    if (!IsInstalledCopy(installFolder) && FolderIsWritable(installFolder))
        return installFolder;
    return PrepareUserProgramFolder(installFolder, userFolder);
}

} // namespace tarvello
