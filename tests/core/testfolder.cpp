#include "testfolder.h"

#include "platform/fileio.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <fstream>
#include <stdexcept>
#include <unistd.h>

namespace tarvello {

std::filesystem::path FreshTestFolder(const std::string &name)
{
    const auto path = std::filesystem::temp_directory_path() / ("tarvello_" + name);
    std::filesystem::remove_all(path);
    std::filesystem::create_directories(path);
    return path;
}

std::string WriteTestFile(const std::filesystem::path &folder, const std::string &name,
                          std::string_view bytes)
{
    std::ofstream out(folder / name, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write test file " + name);
    return (folder / name).string();
}

void ExpectGolden(const std::string &actual, const std::string &name)
{
    const std::string path = std::string(TARVELLO_TEST_DATA_DIR) + "/" + name;
    if (std::getenv("TARVELLO_UPDATE_GOLDEN"))
        ASSERT_TRUE(WriteFileAtomically(path, actual).ok()) << path;
    else
        EXPECT_EQ(actual, ReadFileBytes(path).value_or("<missing " + path + ">")) << name;
}

TestFolder::TestFolder()
{
    static std::atomic<int> counter{0};
    m_path = FreshTestFolder("test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
}

TestFolder::~TestFolder()
{
    std::error_code ec;
    std::filesystem::remove_all(m_path, ec);
}

void TestFolder::Remove(const std::string &name) const
{
    std::filesystem::remove(m_path / name);
}

void TestFolder::CopyFrom(const std::string &folder) const
{
    for (const auto &entry : std::filesystem::directory_iterator(folder)) {
        if (entry.is_regular_file())
            std::filesystem::copy_file(entry.path(), m_path / entry.path().filename(),
                                       std::filesystem::copy_options::overwrite_existing);
    }
}

} // namespace tarvello
