#pragma once

#include "failure.h"

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// A profile (INI) file held in memory in file order: load it once, query and
// change it many times, save it once. Section and key names match without
// regard to case; the first section or key of a name wins.
namespace tarvello {

// One line of a section as stored: views into the document, valid until it
// changes. key is the text before the first "=" without surrounding blanks and
// value the raw text after it; a line without "=" has hasValue false and its
// whole text in key.
struct ProfileLine
{
    std::string_view key;
    std::string_view value;
    bool hasValue = true;
};

// The answer of a lookup in profile text that may not be complete yet.
struct ProfileLookup
{
    enum Status { Found, Absent, Undecided };
    Status status = Absent;
    std::string value;
};

class ProfileDocument
{
public:
    ProfileDocument();
    ~ProfileDocument();
    ProfileDocument(ProfileDocument &&) noexcept;
    ProfileDocument &operator=(ProfileDocument &&) noexcept;

    // Parses the bytes of a profile file (CR LF, lone LF or lone CR lines).
    static ProfileDocument Parse(std::string_view content);

    // The same for bytes the caller hands over, without copying them.
    static ProfileDocument FromBytes(std::string bytes);

    // Looks key up in section of profile text by Read's rules without
    // building a document. With atEnd false, content holds only the first
    // whole lines of the file, and the answer is Undecided when the lines
    // after it may still decide it.
    static ProfileLookup Lookup(std::string_view content, std::string_view section,
                                std::string_view key, bool atEnd = true);

    // Loads a file; a missing or unreadable file gives an empty document and
    // the failure "Error in loading " + path + " !".
    Status Load(const std::string &path);

    // The value of key in section, trimmed, one pair of enclosing quotes
    // removed, cut at a NUL, however long; def when absent.
    std::string Read(std::string_view section, std::string_view key, std::string_view def) const;

    // Sets key in section: replaces an existing value in place, else adds the
    // key at the end of its section, adding the section at the end if needed.
    // A value that begins or ends with a blank or a quote is written quoted;
    // a value is cut at its first line end, which a line cannot hold.
    void Write(std::string_view section, std::string_view key, std::string_view value);

    // Removes the section with all its lines (every section of that name).
    void DeleteSection(std::string_view section);

    // Removes every section whose name (as written) matches, in one pass
    // over the document however many go.
    void DeleteSectionsIf(const std::function<bool(std::string_view)> &matches);

    // Appends a "[name]" or "key=value" line without quoting; the document
    // then holds what reading the file with that line appended would give.
    // An entry becomes part of the last section.
    void AppendSection(std::string_view name);
    void AppendEntry(std::string_view key, std::string_view value);

    // The names of the sections, as written, in file order (lines before
    // the first section header belong to none).
    std::vector<std::string> SectionNames() const;

    // True when a section of that name exists.
    bool HasSection(std::string_view name) const;

    // Calls fn for every line of the first section of that name, in order;
    // false when there is no such section.
    bool ForEachEntry(std::string_view section,
                      const std::function<void(const ProfileLine &)> &fn) const;

    // The file text: "[name]" lines and "key=value" lines, CR LF ends.
    std::string ToText() const;

    // Writes the file whole through WriteFileAtomically; on a failure the old
    // file is left as it was.
    Status Save(const std::string &path) const;

private:
    // The file's bytes and every text added since, lines and sections as
    // positions in them, and the lookup tables.
    struct Data;
    Data &D() const;

    mutable std::unique_ptr<Data> m_data;
};

} // namespace tarvello
