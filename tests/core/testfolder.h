#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace tarvello {

// A fresh, empty folder "tarvello_" name under the system's temporary folder,
// left in place (a TestFolder removes its own).
std::filesystem::path FreshTestFolder(const std::string &name);
// Writes bytes as the file name of folder; its path. Throws when it cannot.
std::string WriteTestFile(const std::filesystem::path &folder, const std::string &name,
                          std::string_view bytes);

// A fresh folder under the system's temporary folder, removed with the
// object: the one temporary folder of every core test.
// Expects actual to equal the golden file name under tests/data; with
// TARVELLO_UPDATE_GOLDEN set, rewrites the golden file instead (review the
// difference before committing it).
void ExpectGolden(const std::string &actual, const std::string &name);

// A figure file with a name and a final cost, nothing else.
inline std::string FigureText(const std::string &name, const std::string &cost)
{
    return "[Figure]\r\ntxtFigureName=" + name + "\r\ntxtFinalCost=" + cost + "\r\n";
}

class TestFolder
{
public:
    TestFolder();
    ~TestFolder();
    TestFolder(const TestFolder &) = delete;
    TestFolder &operator=(const TestFolder &) = delete;

    std::string Path() const { return m_path.string(); }
    // The path of a file in the folder.
    std::string File(const std::string &name) const { return (m_path / name).string(); }
    void Write(const std::string &name, std::string_view bytes) const { WriteTestFile(m_path, name, bytes); }
    void Remove(const std::string &name) const;
    // Copies every file of folder into this one.
    void CopyFrom(const std::string &folder) const;

private:
    std::filesystem::path m_path;
};

} // namespace tarvello
