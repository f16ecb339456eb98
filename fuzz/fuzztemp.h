#pragma once

#include <filesystem>
#include <string>
#include <system_error>
#include <unistd.h>

// A folder of this process for the files a harness writes, removed when the
// process ends. It lies in memory (/dev/shm) where the system has one: a save
// flushes its file to the disk, which there takes longer than all the rest
// of a run.
struct FuzzTempFolder
{
    FuzzTempFolder()
    {
        std::error_code ec;
        const std::filesystem::path base = std::filesystem::is_directory("/dev/shm", ec)
                                               ? std::filesystem::path("/dev/shm")
                                               : std::filesystem::temp_directory_path();
        path = base / ("tarvello_fuzz_" + std::to_string(getpid()));
        std::filesystem::create_directories(path);
    }
    ~FuzzTempFolder()
    {
        std::error_code ec;
        std::filesystem::remove_all(path, ec);
    }
    std::filesystem::path path;
};

// The path of the file name in that folder.
inline std::string FuzzTempPath(const char *name)
{
    static const FuzzTempFolder folder;
    return (folder.path / name).string();
}
