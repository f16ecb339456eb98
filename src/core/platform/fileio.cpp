#include "fileio.h"

#include "platform/messagetexts.h"

#include "runtimeerror.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string_view>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#include <process.h>
#else
#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace tarvello {

namespace {

long ProcessId()
{
#ifdef _WIN32
    return static_cast<long>(_getpid());
#else
    return static_cast<long>(::getpid());
#endif
}

constexpr std::size_t kChunk = 1 << 16;

// The bytes of an open file. A small file takes one read and one more that
// finds its end; a larger one is sized first so that it is read into one
// block. Growing a string would zero-fill it, so reads go through a small
// buffer that stays in the cache and are appended.
std::optional<std::string> ReadOpenFile(std::FILE *f)
{
    // Reads go straight into the chunk: a stream buffer of its own would
    // cost a status query and a copy.
    std::setvbuf(f, nullptr, _IONBF, 0);
    char buffer[kChunk];
    std::string bytes;
    std::size_t got = std::fread(buffer, 1, kChunk, f);
    if (got == kChunk) {
        const long at = std::ftell(f);
        if (at >= 0 && std::fseek(f, 0, SEEK_END) == 0) {
            const long size = std::ftell(f);
            if (size > at)
                bytes.reserve(static_cast<std::size_t>(size));
        }
        std::fseek(f, at, SEEK_SET);
    }
    while (got > 0) {
        bytes.append(buffer, got);
        got = std::fread(buffer, 1, kChunk, f);
    }
    const bool failed = std::ferror(f) != 0;
    std::fclose(f);
    if (failed)
        return std::nullopt;
    return bytes;
}

} // namespace

std::optional<std::string> ReadFileBytes(const std::string &path)
{
    // Only ordinary files: opening a pipe would wait for a writer.
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec))
        return std::nullopt;
    return ReadListedFileBytes(path);
}

std::optional<std::string> ReadListedFileBytes(const std::string &path)
{
    std::FILE *f = std::fopen(path.c_str(), "rb");
    if (!f)
        return std::nullopt;
    return ReadOpenFile(f);
}

std::string ReadFailureDescription(const std::string &path)
{
    std::error_code ec;
    const bool exists = std::filesystem::exists(path, ec);
    if (ec == std::errc::filename_too_long)
        return errtext::kNameTooLong;
    if (!exists)
        return errtext::kFileNotFound;
    return errtext::kPathFileAccess;
}

Failure ReadFailure(const std::string &sentence, const std::string &path)
{
    const std::string description = ReadFailureDescription(path);
    return Failure{sentence, description,
                   description == errtext::kFileNotFound ? FailureKind::NotFound
                                                          : FailureKind::CannotRead};
}

std::string LoadingSentence(const std::string &path)
{
    return FillText(msg::kErrorLoading, {path});
}

std::string SavingSentence(const std::string &path)
{
    return FillText(msg::kErrorSaving, {path});
}

namespace {

namespace fs = std::filesystem;

// The mark between a target's name and the rest of its temporary file's.
constexpr std::string_view kTemporaryMark = ".tmp~";
// Symbolic links followed before the last one is taken as the file itself.
constexpr int kMaxLinkHops = 40;

// The longest file name the usual file systems take, and the most that the
// mark, a process id and a count add to it.
constexpr std::size_t kMaxNameBytes = 255;
constexpr std::size_t kMaxTemporarySuffix = 40;

fs::path FolderOf(const fs::path &target)
{
    return target.has_parent_path() ? target.parent_path() : fs::path(".");
}

// The start of the names of target's temporary files: its own name and the
// mark. A name so long that the rest would not fit is cut, never inside a
// UTF-8 character, so a file of the longest name can still be saved.
std::string TemporaryStem(const fs::path &target)
{
    std::string name = target.filename().string();
    if (name.size() + kMaxTemporarySuffix > kMaxNameBytes) {
        std::size_t cut = kMaxNameBytes - kMaxTemporarySuffix;
        while (cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80)
            --cut;
        name.resize(cut);
    }
    return name + std::string(kTemporaryMark);
}

// A temporary name beside target that no other save uses: the process and a
// count of its saves.
fs::path TemporaryPath(const fs::path &target)
{
    static std::atomic<unsigned long> saves{0};
    return FolderOf(target)
           / (TemporaryStem(target) + std::to_string(ProcessId()) + "-" + std::to_string(++saves));
}

// The process that wrote a temporary file of a save whose temporaries' names
// start with stem, from the "<pid>-<n>" that follows it; 0 when name is not
// one of them.
long TemporaryWriter(std::string_view name, std::string_view stem)
{
    if (name.size() <= stem.size() || name.substr(0, stem.size()) != stem)
        return 0;
    const std::string_view rest = name.substr(stem.size());
    const std::size_t dash = rest.find('-');
    if (dash == 0 || dash == std::string_view::npos || dash + 1 == rest.size())
        return 0;
    const auto digits = [](std::string_view part) {
        return part.find_first_not_of("0123456789") == std::string_view::npos;
    };
    if (!digits(rest.substr(0, dash)) || !digits(rest.substr(dash + 1)) || dash > 9)
        return 0;
    return std::stol(std::string(rest.substr(0, dash)));
}

// True unless the process is known to have ended.
bool ProcessRuns(long pid)
{
#ifdef _WIN32
    (void)pid;
    return true;
#else
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno != ESRCH;
#endif
}

// Removes the temporary files of target that a save killed before its rename
// left behind: those named as a save of target names them whose writing
// process no longer runs, so a save running in a second Tarvello keeps its
// own, and files of other names, another program's among them, stay. Failing
// to remove one is harmless: the next save tries again.
void RemoveStaleTemporaries(const fs::path &target)
{
    std::error_code ec;
    fs::directory_iterator entries(FolderOf(target), ec);
    if (ec)
        return;
    const std::string stem = TemporaryStem(target);
    for (const fs::directory_entry &entry : entries) {
        const long writer = TemporaryWriter(entry.path().filename().string(), stem);
        if (writer > 0 && writer != ProcessId() && !ProcessRuns(writer))
            fs::remove(entry.path(), ec);
    }
}

// The file a save of path replaces: a symbolic link is followed to the file
// it names, so the link stays and the linked file gets the new bytes.
fs::path ResolvedTarget(const std::string &path)
{
    fs::path target(path);
    std::error_code ec;
    for (int hop = 0; hop < kMaxLinkHops && fs::is_symlink(fs::symlink_status(target, ec)); ++hop) {
        const fs::path link = fs::read_symlink(target, ec);
        if (ec)
            break;
        target = link.is_absolute() ? link : FolderOf(target) / link;
    }
    return target;
}

// Puts the file's bytes on the disk before it is renamed into place.
bool FlushToDisk(std::FILE *f)
{
    if (std::fflush(f) != 0)
        return false;
#ifdef _WIN32
    return _commit(_fileno(f)) == 0;
#else
    return ::fsync(::fileno(f)) == 0;
#endif
}

// Creates the temporary file. When target exists, the temporary gets its
// owner (where allowed) and its permissions before any byte is written, so
// the rename neither widens nor narrows who may read the file.
std::FILE *CreateTemporary(const fs::path &temp, const fs::path &target)
{
#ifdef _WIN32
    (void)target;
    return std::fopen(temp.string().c_str(), "wb");
#else
    struct stat existing {};
    const bool exists = ::stat(target.c_str(), &existing) == 0 && S_ISREG(existing.st_mode);
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                          exists ? 0600 : 0666);
    if (fd < 0)
        return nullptr;
    if (exists) {
        // Changing the owner may clear set-id bits, so the mode comes after.
        (void)!::fchown(fd, existing.st_uid, existing.st_gid);
        (void)!::fchmod(fd, existing.st_mode & 07777);
    }
    std::FILE *f = ::fdopen(fd, "wb");
    if (!f)
        ::close(fd);
    return f;
#endif
}

// Puts the folder's new entry (the rename) on the disk. Not every system
// can open a folder for this; then the rename is as durable as it gets.
void FlushFolder(const fs::path &target)
{
#ifndef _WIN32
    const int fd = ::open(FolderOf(target).c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
#else
    (void)target;
#endif
}

} // namespace

Status WriteFileAtomically(const std::string &path, std::string_view bytes)
{
    const auto failed = [&path](const char *description) {
        return Failure{SavingSentence(path), description, FailureKind::CannotWrite};
    };
    const fs::path target = ResolvedTarget(path);
    RemoveStaleTemporaries(target);
    const fs::path temp = TemporaryPath(target);
    std::FILE *f = CreateTemporary(temp, target);
    if (!f)
        return failed(errno == ENAMETOOLONG ? errtext::kNameTooLong : errtext::kPathFileAccess);
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size()
                         && FlushToDisk(f);
    const bool closed = std::fclose(f) == 0;
    std::error_code ec;
    if (!written || !closed) {
        fs::remove(temp, ec);
        return failed(errtext::kDiskFull);
    }
    fs::rename(temp, target, ec);
    if (ec) {
        const bool tooLong = ec == std::errc::filename_too_long;
        fs::remove(temp, ec);
        return failed(tooLong ? errtext::kNameTooLong : errtext::kPathFileAccess);
    }
    FlushFolder(target);
    return {};
}

Status CopyFileAtomically(const std::string &from, const std::string &to)
{
    std::optional<std::string> bytes = ReadFileBytes(from);
    if (!bytes)
        return Failure{SavingSentence(to), ReadFailureDescription(from)};
    return WriteFileAtomically(to, *bytes);
}

} // namespace tarvello
