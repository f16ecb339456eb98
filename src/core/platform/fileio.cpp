#include "fileio.h"

#include "runtimeerror.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace tarvello {

namespace {

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

std::string WriteFileAtomically(const std::string &path, std::string_view bytes)
{
    namespace fs = std::filesystem;
    const fs::path target(path);
    fs::path temp = target;
    temp += ".tmp~";
    std::FILE *f = std::fopen(temp.string().c_str(), "wb");
    if (!f)
        return errtext::kPathFileAccess;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    const bool closed = std::fclose(f) == 0;
    std::error_code ec;
    if (!written || !closed) {
        fs::remove(temp, ec);
        return "Disk full or write error";
    }
    fs::rename(temp, target, ec);
    if (ec) {
        fs::remove(temp, ec);
        return errtext::kPathFileAccess;
    }
    return {};
}

} // namespace tarvello
