#include "programfolder.h"

#include "platform/runtimeerror.h"
#include "rules/tablecatalogue.h"

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

void CopyFolderIfMissing(const fs::path &from, const fs::path &to)
{
    std::error_code error;
    if (!fs::is_directory(from, error))
        return;
    fs::create_directories(to, error);
    if (error)
        throw RuntimeError(errtext::kPathFileAccess);
    for (const fs::directory_entry &entry : fs::directory_iterator(from, error)) {
        if (entry.is_regular_file(error))
            CopyIfMissing(entry.path(), to / entry.path().filename());
    }
    if (error)
        throw RuntimeError(errtext::kPathFileAccess);
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
        CopyFolderIfMissing(from / kSampleFolder, to / kSampleFolder);
    } catch (const std::exception &error) {
        return Failure{"Error in preparing " + userFolder + " !", error.what()};
    }
    return userFolder;
}

Result<std::string> ChooseProgramFolder(const std::string &installFolder,
                                        const std::string &userFolder)
{
    if (FolderIsWritable(installFolder))
        return installFolder;
    return PrepareUserProgramFolder(installFolder, userFolder);
}

} // namespace tarvello
