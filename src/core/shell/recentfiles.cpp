#include "recentfiles.h"

#include <algorithm>
#include <cctype>

namespace tarvello {

namespace {

// The last part of a path with either kind of folder separator.
std::string_view FileNameOf(std::string_view path)
{
    const std::size_t slash = path.find_last_of("/\\");
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
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
        if (!path.empty() && std::find(clean.begin(), clean.end(), path) == clean.end())
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
    for (const char c : FileNameOf(path)) {
        caption += c;
        if (c == '&')
            caption += '&';
    }
    return caption;
}

DocumentKind DocumentKindOf(std::string_view path)
{
    const std::string_view name = FileNameOf(path);
    const std::size_t dot = name.rfind('.');
    if (dot == std::string_view::npos)
        return DocumentKind::Unknown;
    std::string extension(name.substr(dot + 1));
    for (char &c : extension)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (extension == "tvf")
        return DocumentKind::Figure;
    if (extension == "tva")
        return DocumentKind::Army;
    if (extension == "tvs")
        return DocumentKind::Style;
    return DocumentKind::Unknown;
}

} // namespace tarvello
