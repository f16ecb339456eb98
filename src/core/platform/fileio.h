#pragma once

#include "failure.h"

#include <optional>
#include <string>
#include <string_view>

// Whole-file reading and writing.
namespace tarvello {

// The bytes of a file; nullopt when it is missing or cannot be read.
std::optional<std::string> ReadFileBytes(const std::string &path);

// The same for a file that a directory listing has just shown to be an
// ordinary file: it is not looked up once more before it is opened.
std::optional<std::string> ReadListedFileBytes(const std::string &path);

// Why a file could not be read: "File not found" for a missing file, "File
// name too long for the file system" for a name or path longer than it
// allows, else "Path/File access error".
std::string ReadFailureDescription(const std::string &path);

// The failure of a read of path that did not succeed: sentence, the
// description above, and the kind (NotFound or CannotRead).
Failure ReadFailure(const std::string &sentence, const std::string &path);

// The sentence of a failed opening of path: "Error in loading " + path + " !".
std::string LoadingSentence(const std::string &path);

// The sentence of a failed save of path: "Error in saving " + path + " !".
std::string SavingSentence(const std::string &path);

// Writes bytes whole to a temporary file beside path, puts it on the disk and
// renames it into place, then puts the folder on the disk: neither a failure
// nor a power cut leaves a half-written file. A path that is a symbolic link
// is followed, so the link stays and the file it names gets the bytes; an
// existing file keeps its permissions and, where allowed, its owner. (A
// second hard link to the old file keeps the old bytes: a rename cannot
// follow it.) The temporary file is named after the file: its name, cut
// where the file system would not take it with the rest, ".tmp~", the
// process and a count. Such files of this file whose writing process no
// longer runs (a killed save) are removed first; files of other names stay.
// A name longer than the file system allows fails with "File name too long
// for the file system". The failure carries
// SavingSentence(path); an operation with a sentence of its own replaces it.
Status WriteFileAtomically(const std::string &path, std::string_view bytes);

// Copies the file from to the file to as WriteFileAtomically writes: a copy
// that fails (a full disk) leaves no file at to, never part of one.
Status CopyFileAtomically(const std::string &from, const std::string &to);

// Splits text into lines at CR LF, lone LF or lone CR; a final line without
// an end is kept, a final line end adds no empty line.
template<typename Fn>
void ForEachLine(std::string_view text, Fn &&fn)
{
    std::size_t pos = 0;
    const std::size_t n = text.size();
    while (pos < n) {
        std::size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string_view::npos) {
            fn(text.substr(pos));
            return;
        }
        fn(text.substr(pos, end - pos));
        pos = end + ((text[end] == '\r' && end + 1 < n && text[end + 1] == '\n') ? 2 : 1);
    }
}

} // namespace tarvello
