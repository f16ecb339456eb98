#include "fileio.h"

#include "runtimeerror.h"

#include <atomic>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#include <process.h>
#else
#include <fcntl.h>
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
    if (!std::filesystem::exists(path, ec))
        return errtext::kFileNotFound;
    return errtext::kPathFileAccess;
}

Failure ReadFailure(const std::string &sentence, const std::string &path)
{
    std::error_code ec;
    const bool missing = !std::filesystem::exists(path, ec);
    return Failure{sentence, ReadFailureDescription(path),
                   missing ? FailureKind::NotFound : FailureKind::CannotRead};
}

std::string LoadingSentence(const std::string &path)
{
    return "Error in loading " + path + " !";
}

std::string SavingSentence(const std::string &path)
{
    return "Error in saving " + path + " !";
}

namespace {

// The mark between a target's name and the rest of its temporary file's.
constexpr const char *kTemporaryMark = ".tmp~";

// A temporary name beside target that no other save uses: the process and a
// count of its saves.
std::filesystem::path TemporaryPath(const std::filesystem::path &target)
{
    static std::atomic<unsigned long> saves{0};
    std::filesystem::path temp = target;
    temp += kTemporaryMark + std::to_string(ProcessId()) + "-" + std::to_string(++saves);
    return temp;
}

// Removes the temporary files of target that a save killed before its rename
// left behind. Failing to remove one is harmless: the next save tries again.
void RemoveStaleTemporaries(const std::filesystem::path &target)
{
    namespace fs = std::filesystem;
    const std::string prefix = target.filename().string() + kTemporaryMark;
    std::error_code ec;
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    fs::directory_iterator entries(folder, ec);
    if (ec)
        return;
    for (const fs::directory_entry &entry : entries) {
        if (entry.path().filename().string().rfind(prefix, 0) == 0)
            fs::remove(entry.path(), ec);
    }
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

// Puts the folder's new entry (the rename) on the disk. Not every system
// can open a folder for this; then the rename is as durable as it gets.
void FlushFolder(const std::filesystem::path &target)
{
#ifndef _WIN32
    const std::filesystem::path folder = target.has_parent_path() ? target.parent_path()
                                                                  : std::filesystem::path(".");
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
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
    namespace fs = std::filesystem;
    const auto failed = [&path](const char *description) {
        return Failure{SavingSentence(path), description, FailureKind::CannotWrite};
    };
    const fs::path target(path);
    RemoveStaleTemporaries(target);
    const fs::path temp = TemporaryPath(target);
    std::FILE *f = std::fopen(temp.string().c_str(), "wb");
    if (!f)
        return failed(errtext::kPathFileAccess);
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
        fs::remove(temp, ec);
        return failed(errtext::kPathFileAccess);
    }
    FlushFolder(target);
    return {};
}

} // namespace tarvello
