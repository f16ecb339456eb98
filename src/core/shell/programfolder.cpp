#include "programfolder.h"

#include "platform/explaintexts.h"
#include "platform/messagetexts.h"

#include "army/armyfile.h"
#include "army/figuresummary.h"
#include "platform/fileio.h"
#include "platform/documentkinds.h"
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

// Why folder could not be made: the part of its path that is a file in the
// place of a folder, named, or else the usual description.
std::string FolderFailure(const fs::path &folder)
{
    fs::path part;
    for (const fs::path &name : folder) {
        part /= name;
        std::error_code error;
        const fs::file_status status = fs::symlink_status(part, error);
        if (error || !fs::exists(status))
            break;
        if (!fs::is_directory(part, error))
            return FillText(msg::kFileNotFolder, {part.string()});
    }
    return errtext::kPathFileAccess;
}

// A missing file is copied whole or not at all: a copy cut short (a full
// disk) leaves nothing that a later start would take for the player's own.
void CopyIfMissing(const fs::path &from, const fs::path &to)
{
    std::error_code error;
    if (fs::exists(to, error) || !fs::exists(from, error))
        return;
    if (const Status copied = CopyFileAtomically(from.string(), to.string()); !copied)
        throw RuntimeError(copied.failure().description + ": " + to.string());
}

// Copies the ordinary files of from that to lacks; returns the ones copied.
std::vector<fs::path> CopyFolderIfMissing(const fs::path &from, const fs::path &to)
{
    std::vector<fs::path> copied;
    std::error_code error;
    if (!fs::is_directory(from, error))
        return copied;
    fs::create_directories(to, error);
    if (error || !fs::is_directory(to, error))
        throw RuntimeError(FolderFailure(to));
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
    return HasExtensionOf(file.filename().string(), DocumentKind::Army);
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
    bool written = false;
    {
        std::ofstream out(probe, std::ios::binary);
        written = out && (out << 'x') && out.flush();
    }
    // Also when writing failed half-way (a full disk): no probe stays.
    fs::remove(probe, error);
    return written;
}

Result<std::string> PrepareUserProgramFolder(const std::string &installFolder,
                                             const std::string &userFolder)
{
    try {
        const fs::path from(installFolder);
        const fs::path to(userFolder);
        std::error_code error;
        fs::create_directories(to, error);
        if (error || !fs::is_directory(to, error))
            throw RuntimeError(FolderFailure(to));
        for (const std::string &file : ProgramFiles())
            CopyIfMissing(from / file, to / file);
        PointArmiesAtFolder(CopyFolderIfMissing(from / kSampleFolder, to / kSampleFolder),
                            to / kSampleFolder);
    } catch (const std::exception &error) {
        return Failure{FillText(msg::kErrorPreparing, {userFolder}), error.what()};
    }
    return userFolder;
}

bool IsInstalledCopy(const std::string &folder)
{
    std::error_code error;
    return fs::is_regular_file(fs::path(folder) / kInstallMarker, error);
}

ProgramFolderChoice ChooseProgramFolder(const std::string &installFolder,
                                        const std::optional<std::string> &userFolder)
{
    if (!IsInstalledCopy(installFolder) && FolderIsWritable(installFolder))
        return {installFolder, std::nullopt};
    if (!userFolder)
        return {"", Failure{TV_TR("Core", "Tarvello cannot find your home folder!"),
                            TV_TR("Core", "HOME is not set, and the system's user database names no home folder"
                                          " for this user. Tarvello stops.")}};
    const Result<std::string> prepared = PrepareUserProgramFolder(installFolder, *userFolder);
    if (prepared)
        return {prepared.value(), std::nullopt};
    std::error_code error;
    const bool usable = fs::is_directory(*userFolder, error);
    Failure failure = prepared.failure();
    failure.description += "\r\n" + (usable ? FillText(msg::kGoesOnWith, {*userFolder})
                                             : std::string(TV_TR("Core", "Tarvello stops.")));
    return {usable ? *userFolder : std::string(), failure};
}

std::string ReplaceEmptyTables(const std::string &installFolder, const std::string &userFolder)
{
    std::string replaced;
    for (const TableInfo &table : kTableCatalogue) {
        const fs::path mine = fs::path(userFolder) / table.file;
        std::error_code error;
        if (!fs::is_regular_file(mine, error) || fs::file_size(mine, error) != 0 || error)
            continue;
        const fs::path shipped = fs::path(installFolder) / table.file;
        if (!fs::is_regular_file(shipped, error) || fs::file_size(shipped, error) == 0 || error)
            continue;
        if (!CopyFileAtomically(shipped.string(), mine.string()))
            continue;
        replaced += (replaced.empty() ? "" : ", ") + std::string(table.file);
    }
    if (replaced.empty())
        return {};
    return FillText(msg::kTablesReplaced, {replaced, userFolder});
}

} // namespace tarvello
