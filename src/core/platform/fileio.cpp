#include "fileio.h"

#include "runtimeerror.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace tarvello {

std::optional<std::string> ReadFileBytes(const std::string &path)
{
    // A folder opens like a file here and reports a nonsense size.
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec))
        return std::nullopt;
    std::FILE *f = std::fopen(path.c_str(), "rb");
    if (!f)
        return std::nullopt;
    std::string bytes;
    if (std::fseek(f, 0, SEEK_END) == 0) {
        const long size = std::ftell(f);
        if (size > 0)
            bytes.reserve(static_cast<std::size_t>(size));
        std::fseek(f, 0, SEEK_SET);
    }
    // Growing the string would zero-fill it first; reading through a small
    // buffer that stays in the cache and appending costs less than that.
    char buffer[1 << 16];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, f)) > 0)
        bytes.append(buffer, got);
    const bool failed = std::ferror(f) != 0;
    std::fclose(f);
    if (failed)
        return std::nullopt;
    return bytes;
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
