#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The File, Open Recent list and the kinds of document a path names.
namespace tarvello {

// How many figures and armies the recent list keeps.
inline constexpr std::size_t kRecentFilesLimit = 8;

// The list with path first (newest first): an earlier entry of the same path
// moves to the front instead of appearing twice; the list is cut to limit.
// An empty path leaves the list as it is.
std::vector<std::string> AddRecentFile(std::vector<std::string> list, const std::string &path,
                                       std::size_t limit = kRecentFilesLimit);

// The list without path.
std::vector<std::string> RemoveRecentFile(std::vector<std::string> list, const std::string &path);

// The longest path a system takes, in bytes; a longer entry of the settings
// file names no file.
inline constexpr std::size_t kMaxPathBytes = 4096;

// A list as read back from the settings file, made sound again: empty entries,
// entries longer than kMaxPathBytes and repeats dropped (the first, newest,
// kept), cut to limit.
std::vector<std::string> CleanRecentFiles(const std::vector<std::string> &list,
                                          std::size_t limit = kRecentFilesLimit);

// The menu caption of entry number (1-based): "&1 " and the file's name (the
// path without its folders) for the first nine, the number and a blank after
// that; "&" in the name doubled so that it is shown, not taken as an access
// key. The full path is the item's tool tip.
std::string RecentFileCaption(std::size_t number, std::string_view path);

// The menu captions of the whole list, numbered from 1. Entries of the same
// file name in different folders are told apart by their folder's name in
// brackets after the caption ("&2 orcs.tvf (Spring)"), by the whole folder
// where those names are the same too.
std::vector<std::string> RecentFileCaptions(const std::vector<std::string> &list);

} // namespace tarvello
