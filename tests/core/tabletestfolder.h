#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace tarvello {

// A fresh folder under the system's temporary folder, removed with the object;
// it stands in for the program folder in table loading tests.
class TableTestFolder
{
public:
    TableTestFolder();
    ~TableTestFolder();
    TableTestFolder(const TableTestFolder &) = delete;
    TableTestFolder &operator=(const TableTestFolder &) = delete;

    std::string Path() const { return m_path.string(); }
    void Write(const std::string &name, std::string_view bytes) const;
    void Remove(const std::string &name) const;
    // Copies every file of folder into this one.
    void CopyFrom(const std::string &folder) const;

private:
    std::filesystem::path m_path;
};

} // namespace tarvello
