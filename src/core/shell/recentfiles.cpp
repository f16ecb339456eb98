#include "recentfiles.h"

#include <algorithm>
#include <cctype>
#include <utility>

namespace tarvello {

namespace {

// The last part of a path with either kind of folder separator.
std::string_view FileNameOf(std::string_view path)
{
    const std::size_t slash = path.find_last_of("/\\");
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

// The path without its last part; empty for a bare file name.
std::string_view FolderOf(std::string_view path)
{
    const std::size_t slash = path.find_last_of("/\\");
    return slash == std::string_view::npos ? std::string_view() : path.substr(0, slash);
}

// "&" doubled, so that a menu shows it instead of taking it as an access key.
void AppendShown(std::string &caption, std::string_view text)
{
    for (const char c : text) {
        caption += c;
        if (c == '&')
            caption += '&';
    }
}

// How many entries of list have what part gives for path, for the few
// entries of the list.
template<typename Part>
std::size_t CountSame(const std::vector<std::string> &list, std::string_view path, Part part)
{
    return static_cast<std::size_t>(std::count_if(
        list.begin(), list.end(), [&](const std::string &other) { return part(other) == part(path); }));
}

} // namespace

std::vector<std::string> AddRecentFile(std::vector<std::string> list, const std::string &path,
                                       std::size_t limit)
{
    if (path.empty())
        return list;
    list = RemoveRecentFile(std::move(list), path);
    list.insert(list.begin(), path);
    if (list.size() > limit)
        list.resize(limit);
    return list;
}

std::vector<std::string> RemoveRecentFile(std::vector<std::string> list, const std::string &path)
{
    list.erase(std::remove(list.begin(), list.end(), path), list.end());
    return list;
}

std::vector<std::string> CleanRecentFiles(const std::vector<std::string> &list, std::size_t limit)
{
    std::vector<std::string> clean;
    for (const std::string &path : list) {
        if (clean.size() == limit)
            break;
        if (!path.empty() && path.size() <= kMaxPathBytes
            && std::find(clean.begin(), clean.end(), path) == clean.end())
            clean.push_back(path);
    }
    return clean;
}

std::string RecentFileCaption(std::size_t number, std::string_view path)
{
    // Appended rather than "&" + number: GCC 12 warns of a false overlap there.
    std::string caption(number < 10 ? 1 : 0, '&');
    caption += std::to_string(number);
    caption += ' ';
    AppendShown(caption, FileNameOf(path));
    return caption;
}

std::vector<std::string> RecentFileCaptions(const std::vector<std::string> &list)
{
    const auto name = [](std::string_view p) { return FileNameOf(p); };
    // Same name and same folder name: the folder's name tells nothing.
    const auto nameInFolder = [](std::string_view p) {
        return std::pair(FileNameOf(p), FileNameOf(FolderOf(p)));
    };
    std::vector<std::string> captions;
    for (std::size_t i = 0; i < list.size(); ++i) {
        std::string caption = RecentFileCaption(i + 1, list[i]);
        const std::string_view folder = FolderOf(list[i]);
        if (!folder.empty() && CountSame(list, list[i], name) > 1) {
            caption += " (";
            AppendShown(caption, CountSame(list, list[i], nameInFolder) > 1 ? folder
                                                                          : FileNameOf(folder));
            caption += ')';
        }
        captions.push_back(std::move(caption));
    }
    return captions;
}

} // namespace tarvello
