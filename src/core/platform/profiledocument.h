#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// A profile (INI) file held in memory in file order: load it once, query and
// change it many times, save it once. Section and key names match without
// regard to case; the first section or key of a name wins.
namespace tarvello {

// One line of a section: a key and its raw value (the text after the first
// "="), or a line without "=" (hasValue false, key holds the whole line).
struct ProfileEntry
{
    std::string key;
    std::string value;
    bool hasValue = true;
};

// One section: its name as written and its lines in order.
struct ProfileSection
{
    std::string name;
    std::vector<ProfileEntry> entries;
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

    // Loads a file; a missing or unreadable file gives an empty document and
    // false.
    bool Load(const std::string &path);

    // The value of key in section, trimmed, one pair of enclosing quotes
    // removed, cut at 249 characters and at a NUL; def when absent.
    std::string Read(std::string_view section, std::string_view key, std::string_view def) const;

    // Sets key in section: replaces an existing value in place, else adds the
    // key at the end of its section, adding the section at the end if needed.
    // A value that begins or ends with a blank or a quote is written quoted.
    void Write(std::string_view section, std::string_view key, std::string_view value);

    // Removes the section with all its lines (every section of that name).
    void DeleteSection(std::string_view section);

    // Appends a line without interpretation (used for picture pixel lines);
    // the line becomes part of the last section.
    void AppendSection(std::string_view name);
    void AppendEntry(std::string_view key, std::string_view value);

    // The sections in file order, for callers that walk lines (pictures).
    const std::vector<ProfileSection> &Sections() const;
    const ProfileSection *FindSection(std::string_view name) const;

    // The file text: "[name]" lines and "key=value" lines, CR LF ends.
    std::string ToText() const;

    // Writes the file whole to a temporary file and renames it into place.
    // Returns an empty text on success, else the failure's description; the
    // old file is then left as it was.
    std::string Save(const std::string &path) const;

private:
    struct Index;
    std::vector<ProfileSection> m_sections;
    mutable std::unique_ptr<Index> m_index;
};

} // namespace tarvello
