#include "profiledocument.h"

#include "asciitext.h"
#include "fileio.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <cstring>
#include <filesystem>
#include <utility>

namespace tarvello {

namespace {

// Below these sizes a linear scan is faster than keeping a hash table.
constexpr std::size_t kKeyIndexThreshold = 32;
constexpr std::size_t kSectionIndexThreshold = 16;
constexpr std::size_t kNotFound = static_cast<std::size_t>(-1);
// Positions in the text are 32-bit, which keeps a line at 16 bytes: a
// picture of a million pixel lines then costs 16 MB beside its text.
constexpr std::size_t kMaxText = std::numeric_limits<std::uint32_t>::max() - 1;
constexpr std::uint32_t kNoValue = std::numeric_limits<std::uint32_t>::max();

std::uint64_t HashFold(std::string_view s)
{
    std::uint64_t h = 14695981039346656037ull;
    for (const char c : s) {
        h ^= FoldAscii(static_cast<unsigned char>(c));
        h *= 1099511628211ull;
    }
    return h ^ (h >> 29);
}

// Calls fn(line) for every line; CR LF, lone LF and lone CR end lines, a
// final line end adds no empty line. fn returns false to stop.
template<typename Fn>
void ScanLines(std::string_view text, Fn &&fn)
{
    const char *p = text.data();
    const char *const end = p + text.size();
    // The next LF is remembered so that a file of lone CR lines is not
    // searched to its end for every line.
    const char *lf = end;
    bool lfKnown = false;
    while (p < end) {
        if (!lfKnown || lf < p) {
            lfKnown = true;
            const void *found = std::memchr(p, '\n', static_cast<std::size_t>(end - p));
            lf = found ? static_cast<const char *>(found) : end;
        }
        const void *cr = std::memchr(p, '\r', static_cast<std::size_t>(lf - p));
        const char *lineEnd;
        const char *next;
        if (cr) {
            lineEnd = static_cast<const char *>(cr);
            next = lineEnd + 1;
            if (next < end && *next == '\n')
                ++next;
        } else {
            lineEnd = lf;
            next = lf < end ? lf + 1 : end;
        }
        if (!fn(std::string_view(p, static_cast<std::size_t>(lineEnd - p))))
            return;
        p = next;
    }
}

bool IsHeaderLine(std::string_view line)
{
    std::size_t i = 0;
    while (i < line.size() && IsBlank(line[i]))
        ++i;
    return i < line.size() && line[i] == '[';
}

// The name of a header line: the text after "[" up to "]" (or the line's
// end), without surrounding blanks.
std::string_view HeaderName(std::string_view line)
{
    std::size_t open = line.find('[');
    std::string_view rest = line.substr(open + 1);
    const std::size_t close = rest.find(']');
    if (close != std::string_view::npos)
        rest = rest.substr(0, close);
    return TrimBlanks(rest);
}

// Splits a key line at its first "="; false when the line has none.
bool SplitEntry(std::string_view line, std::string_view &key, std::string_view &value)
{
    const void *eq = std::memchr(line.data(), '=', line.size());
    if (!eq)
        return false;
    const std::size_t at = static_cast<std::size_t>(static_cast<const char *>(eq) - line.data());
    key = TrimBlanks(line.substr(0, at));
    value = line.substr(at + 1);
    return true;
}

std::string CleanValue(std::string_view raw)
{
    std::string_view v = TrimBlanks(raw);
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        v = v.substr(1, v.size() - 2);
    const std::size_t nul = v.find('\0');
    if (nul != std::string_view::npos)
        v = v.substr(0, nul);
    return std::string(v);
}

bool NeedsQuotes(char c)
{
    return IsBlank(c) || c == '"' || c == '\'';
}

// The raw text written for a value: cut at a line end, and quoted when Read
// would otherwise strip its blanks or quotes.
std::string EncodeValue(std::string_view value)
{
    const std::size_t lineEnd = value.find_first_of("\r\n");
    if (lineEnd != std::string_view::npos)
        value = value.substr(0, lineEnd);
    if (!value.empty() && (NeedsQuotes(value.front()) || NeedsQuotes(value.back())))
        return '"' + std::string(value) + '"';
    return std::string(value);
}

// An open-addressing hash table of positions in a list of names, matching
// names without regard to case; the first position of a name wins. It covers
// the positions below m_covered and catches up with appended ones on demand.
class FoldTable
{
public:
    template<typename NameAt, typename Usable>
    void CatchUp(std::size_t size, NameAt nameAt, Usable usable)
    {
        if (m_covered >= size)
            return;
        if (m_slots.empty())
            Rehash(Capacity(size - m_covered), nameAt);
        for (; m_covered < size; ++m_covered) {
            if (usable(m_covered))
                Insert(m_covered, nameAt);
        }
    }

    template<typename NameAt>
    std::size_t Find(std::string_view name, NameAt nameAt) const
    {
        if (m_slots.empty())
            return kNotFound;
        const std::size_t mask = m_slots.size() - 1;
        for (std::size_t i = HashFold(name) & mask;; i = (i + 1) & mask) {
            const std::uint32_t slot = m_slots[i];
            if (slot == 0)
                return kNotFound;
            if (EqualsNoCase(nameAt(slot - 1), name))
                return slot - 1;
        }
    }

    // Adds one position (a name inserted in the middle of a list whose
    // later lines are not indexed) and marks the list covered up to size.
    template<typename NameAt>
    void Add(std::size_t position, std::size_t size, NameAt nameAt)
    {
        if (m_slots.empty())
            Rehash(Capacity(1), nameAt);
        Insert(position, nameAt);
        m_covered = size;
    }

private:
    static std::size_t Capacity(std::size_t count)
    {
        std::size_t capacity = 16;
        while (capacity < count * 2)
            capacity *= 2;
        return capacity;
    }

    template<typename NameAt>
    void Insert(std::size_t position, NameAt nameAt)
    {
        if ((m_count + 1) * 2 > m_slots.size())
            Rehash(m_slots.size() * 2, nameAt);
        const std::string_view name = nameAt(position);
        const std::size_t mask = m_slots.size() - 1;
        for (std::size_t i = HashFold(name) & mask;; i = (i + 1) & mask) {
            const std::uint32_t slot = m_slots[i];
            if (slot == 0) {
                m_slots[i] = static_cast<std::uint32_t>(position + 1);
                ++m_count;
                return;
            }
            if (EqualsNoCase(nameAt(slot - 1), name))
                return; // an earlier line of that name wins
        }
    }

    template<typename NameAt>
    void Rehash(std::size_t capacity, NameAt nameAt)
    {
        std::vector<std::uint32_t> old(capacity, 0);
        old.swap(m_slots);
        const std::size_t mask = m_slots.size() - 1;
        for (const std::uint32_t slot : old) {
            if (slot == 0)
                continue;
            std::size_t i = HashFold(nameAt(slot - 1)) & mask;
            while (m_slots[i] != 0)
                i = (i + 1) & mask;
            m_slots[i] = slot;
        }
    }

    std::vector<std::uint32_t> m_slots; // position + 1; 0 is an empty slot
    std::size_t m_count = 0;
    std::size_t m_covered = 0;
};


// A line: a key and its value, or (valueLength kNoValue) a line without "="
// held whole in the key.
struct StoredLine
{
    std::uint32_t keyPos;
    std::uint32_t keyLength;
    std::uint32_t valuePos;
    std::uint32_t valueLength;

    bool HasValue() const { return valueLength != kNoValue; }
};

// A section of a loaded file keeps its lines as one range of the text until
// it is first read: a file is split into sections at load, and only the
// sections that are read are split into lines.
struct StoredSection
{
    std::uint32_t namePos = 0;
    std::uint32_t nameLength = 0;
    bool hasHeader = true;
    bool parsed = true;
    std::uint32_t bodyPos = 0;
    std::uint32_t bodyLength = 0;
    std::vector<StoredLine> lines;
    std::unique_ptr<FoldTable> keys; // built for a large section on first use
};

// Text saved as UTF-8 by an editor may start with a byte order mark; it is
// not part of the first line.
std::string_view WithoutByteOrderMark(std::string_view content)
{
    constexpr std::string_view kMark = "\xEF\xBB\xBF";
    if (content.substr(0, kMark.size()) == kMark)
        content.remove_prefix(kMark.size());
    return content;
}

} // namespace

struct ProfileDocument::Data
{
    std::string text;
    std::vector<StoredSection> sections;
    FoldTable sectionTable;

    std::string_view At(std::uint32_t pos, std::uint32_t length) const
    {
        return std::string_view(text.data() + pos, length);
    }
    std::string_view Name(const StoredSection &section) const
    {
        return At(section.namePos, section.nameLength);
    }
    std::string_view Key(const StoredLine &line) const { return At(line.keyPos, line.keyLength); }
    std::string_view Value(const StoredLine &line) const
    {
        return line.HasValue() ? At(line.valuePos, line.valueLength) : std::string_view();
    }
    bool IsBlankLine(const StoredLine &line) const
    {
        return !line.HasValue() && TrimBlanks(Key(line)).empty();
    }

    // Adds bytes to the text; the position where they start.
    std::uint32_t Store(std::string_view bytes)
    {
        const std::uint32_t pos = static_cast<std::uint32_t>(text.size());
        text.append(bytes);
        return pos;
    }

    // The line at text[pos, pos + length) as it belongs to section.
    StoredLine MakeLine(const StoredSection &section, std::size_t pos, std::size_t length) const
    {
        const std::string_view line = std::string_view(text).substr(pos, length);
        std::string_view key;
        std::string_view value;
        if (section.hasHeader && SplitEntry(line, key, value)) {
            return StoredLine{Offset(key), static_cast<std::uint32_t>(key.size()), Offset(value),
                              static_cast<std::uint32_t>(value.size())};
        }
        return StoredLine{static_cast<std::uint32_t>(pos), static_cast<std::uint32_t>(length), 0,
                          kNoValue};
    }
    std::uint32_t Offset(std::string_view part) const
    {
        return static_cast<std::uint32_t>(part.data() - text.data());
    }

    StoredSection MakeSection(std::string_view header) const
    {
        StoredSection section;
        const std::string_view name = HeaderName(header);
        section.namePos = Offset(name);
        section.nameLength = static_cast<std::uint32_t>(name.size());
        return section;
    }

    // Splits the whole text into sections; their lines wait until read.
    // Only "[" can start a header, so the search jumps from one "[" to the
    // next instead of visiting every line.
    void ParseText()
    {
        if (text.size() > kMaxText)
            text.resize(kMaxText);
        if (const std::size_t mark = text.size() - WithoutByteOrderMark(text).size())
            text.erase(0, mark);
        sections.clear();
        const char *const base = text.data();
        const std::size_t n = text.size();
        StoredSection current;
        current.hasHeader = false;
        std::size_t bodyStart = 0;
        std::size_t from = 0;
        while (from < n) {
            const void *hit = std::memchr(base + from, '[', n - from);
            if (!hit)
                break;
            const std::size_t at = static_cast<std::size_t>(static_cast<const char *>(hit) - base);
            std::size_t lineStart = at;
            while (lineStart > 0 && IsBlank(base[lineStart - 1]))
                --lineStart;
            if (lineStart > 0 && base[lineStart - 1] != '\n' && base[lineStart - 1] != '\r') {
                from = at + 1;
                continue;
            }
            std::size_t lineEnd = at;
            while (lineEnd < n && base[lineEnd] != '\r' && base[lineEnd] != '\n')
                ++lineEnd;
            CloseSection(current, bodyStart, lineStart);
            current = MakeSection(std::string_view(base + lineStart, lineEnd - lineStart));
            from = lineEnd;
            if (from < n)
                from += (base[from] == '\r' && from + 1 < n && base[from + 1] == '\n') ? 2 : 1;
            bodyStart = from;
        }
        CloseSection(current, bodyStart, n);
    }

    // Adds a section whose lines are text[bodyStart, bodyEnd); the part
    // before the first header only when it holds a line.
    void CloseSection(StoredSection &section, std::size_t bodyStart, std::size_t bodyEnd)
    {
        if (!section.hasHeader && bodyEnd == 0)
            return;
        section.parsed = false;
        section.bodyPos = static_cast<std::uint32_t>(bodyStart);
        section.bodyLength = static_cast<std::uint32_t>(bodyEnd - bodyStart);
        sections.push_back(std::move(section));
    }

    // The lines of a section, split on first use.
    std::vector<StoredLine> &Lines(StoredSection &section)
    {
        if (section.parsed)
            return section.lines;
        section.parsed = true;
        const std::string_view body(text.data() + section.bodyPos, section.bodyLength);
        std::size_t count = 0;
        ScanLines(body, [&count](std::string_view) {
            ++count;
            return true;
        });
        section.lines.reserve(count);
        ScanLines(body, [this, &section](std::string_view line) {
            section.lines.push_back(MakeLine(
                section, static_cast<std::size_t>(line.data() - text.data()), line.size()));
            return true;
        });
        return section.lines;
    }

    void ParseAll()
    {
        for (StoredSection &section : sections)
            Lines(section);
    }

    // Adds one line of text as reading it at the end of the file would.
    void AppendLine(std::string_view line)
    {
        const std::uint32_t pos = Store(line);
        const std::string_view stored = At(pos, static_cast<std::uint32_t>(line.size()));
        if (IsHeaderLine(stored)) {
            sections.push_back(MakeSection(stored));
            return;
        }
        if (sections.empty())
            sections.emplace_back().hasHeader = false;
        StoredSection &section = sections.back();
        Lines(section).push_back(MakeLine(section, pos, line.size()));
    }

    void AppendLines(std::string_view text)
    {
        ScanLines(text, [this](std::string_view line) {
            AppendLine(line);
            return true;
        });
    }

    std::size_t FindSection(std::string_view name)
    {
        if (sections.size() < kSectionIndexThreshold) {
            for (std::size_t i = 0; i < sections.size(); ++i) {
                if (sections[i].hasHeader && EqualsNoCase(Name(sections[i]), name))
                    return i;
            }
            return kNotFound;
        }
        const auto nameAt = [this](std::size_t i) { return Name(sections[i]); };
        sectionTable.CatchUp(
            sections.size(), nameAt, [this](std::size_t i) { return sections[i].hasHeader; });
        return sectionTable.Find(name, nameAt);
    }

    std::size_t FindLine(std::size_t s, std::string_view key)
    {
        StoredSection &section = sections[s];
        const std::vector<StoredLine> &lines = Lines(section);
        if (lines.size() < kKeyIndexThreshold) {
            for (std::size_t i = 0; i < lines.size(); ++i) {
                if (lines[i].HasValue() && EqualsNoCase(Key(lines[i]), key))
                    return i;
            }
            return kNotFound;
        }
        if (!section.keys)
            section.keys = std::make_unique<FoldTable>();
        const auto nameAt = [this, &lines](std::size_t i) { return Key(lines[i]); };
        section.keys->CatchUp(lines.size(), nameAt,
                              [&lines](std::size_t i) { return lines[i].HasValue(); });
        return section.keys->Find(key, nameAt);
    }
};

ProfileDocument::ProfileDocument() = default;
ProfileDocument::~ProfileDocument() = default;
ProfileDocument::ProfileDocument(ProfileDocument &&) noexcept = default;
ProfileDocument &ProfileDocument::operator=(ProfileDocument &&) noexcept = default;

ProfileDocument::Data &ProfileDocument::D() const
{
    // A moved-from document is empty.
    if (!m_data)
        m_data = std::make_unique<Data>();
    return *m_data;
}

ProfileDocument ProfileDocument::Parse(std::string_view content)
{
    ProfileDocument doc;
    Data &d = doc.D();
    d.text.assign(content.substr(0, std::min(content.size(), kMaxText)));
    d.ParseText();
    return doc;
}

ProfileDocument ProfileDocument::FromBytes(std::string bytes)
{
    ProfileDocument doc;
    Data &d = doc.D();
    d.text = std::move(bytes);
    d.ParseText();
    return doc;
}

ProfileLookup ProfileDocument::Lookup(std::string_view content, std::string_view section,
                                      std::string_view key, bool atEnd)
{
    const std::string_view sectionName = TrimBlanks(section);
    const std::string_view keyName = TrimBlanks(key);
    ProfileLookup result;
    result.status = atEnd ? ProfileLookup::Absent : ProfileLookup::Undecided;
    bool inSection = false;
    ScanLines(WithoutByteOrderMark(content), [&](std::string_view line) {
        if (IsHeaderLine(line)) {
            if (inSection) {
                // The first section of that name ended without the key.
                result.status = ProfileLookup::Absent;
                return false;
            }
            inSection = EqualsNoCase(HeaderName(line), sectionName);
            return true;
        }
        std::string_view lineKey;
        std::string_view value;
        if (inSection && SplitEntry(line, lineKey, value) && EqualsNoCase(lineKey, keyName)) {
            result.status = ProfileLookup::Found;
            result.value = CleanValue(value);
            return false;
        }
        return true;
    });
    return result;
}

Status ProfileDocument::Load(const std::string &path)
{
    m_data = std::make_unique<Data>();
    std::optional<std::string> bytes = ReadFileBytes(path);
    if (!bytes)
        return ReadFailure(LoadingSentence(path), path);
    m_data->text = std::move(*bytes);
    m_data->ParseText();
    return {};
}

std::string ProfileDocument::Read(std::string_view section, std::string_view key,
                                  std::string_view def) const
{
    Data &d = D();
    const std::size_t s = d.FindSection(TrimBlanks(section));
    if (s == kNotFound)
        return std::string(def);
    const std::size_t l = d.FindLine(s, TrimBlanks(key));
    if (l == kNotFound)
        return std::string(def);
    return CleanValue(d.Value(d.sections[s].lines[l]));
}

void ProfileDocument::Write(std::string_view section, std::string_view key, std::string_view value)
{
    Data &d = D();
    // Copies: the arguments may be views into the text, which grows below.
    const std::string sectionName(TrimBlanks(section));
    const std::string keyName(TrimBlanks(key));
    const std::string encoded = EncodeValue(value);
    std::size_t s = d.FindSection(sectionName);
    if (s == kNotFound) {
        StoredSection added;
        added.namePos = d.Store(sectionName);
        added.nameLength = static_cast<std::uint32_t>(sectionName.size());
        s = d.sections.size();
        d.sections.push_back(std::move(added));
    }
    const std::size_t l = d.FindLine(s, keyName);
    const std::uint32_t valuePos = d.Store(encoded);
    const auto valueLength = static_cast<std::uint32_t>(encoded.size());
    StoredSection &target = d.sections[s];
    if (l != kNotFound) {
        target.lines[l].valuePos = valuePos;
        target.lines[l].valueLength = valueLength;
        return;
    }
    const StoredLine line{d.Store(keyName), static_cast<std::uint32_t>(keyName.size()), valuePos,
                          valueLength};
    std::size_t at = target.lines.size();
    while (at > 0 && d.IsBlankLine(target.lines[at - 1]))
        --at;
    target.lines.insert(target.lines.begin() + static_cast<std::ptrdiff_t>(at), line);
    // A large section's table was brought up to date by the search above;
    // the blank lines that moved behind the new key are not in it.
    if (target.keys) {
        const std::vector<StoredLine> &lines = target.lines;
        target.keys->Add(at, lines.size(), [&d, &lines](std::size_t i) { return d.Key(lines[i]); });
    }
}

void ProfileDocument::DeleteSection(std::string_view section)
{
    const std::string_view name = TrimBlanks(section);
    DeleteSectionsIf([name](std::string_view candidate) { return EqualsNoCase(candidate, name); });
}

void ProfileDocument::DeleteSectionsIf(const std::function<bool(std::string_view)> &matches)
{
    Data &d = D();
    const auto kept = std::remove_if(d.sections.begin(), d.sections.end(),
                                     [&d, &matches](const StoredSection &section) {
                                         return section.hasHeader && matches(d.Name(section));
                                     });
    if (kept == d.sections.end())
        return;
    d.sections.erase(kept, d.sections.end());
    // Section positions moved: that table is rebuilt on demand; the key
    // tables moved along with their sections.
    d.sectionTable = FoldTable();
}

void ProfileDocument::AppendSection(std::string_view name)
{
    Data &d = D();
    d.AppendLines('[' + std::string(name) + ']');
}

void ProfileDocument::AppendEntry(std::string_view key, std::string_view value)
{
    Data &d = D();
    // Pixel lines take the direct way; anything that would read back other
    // than as this one key goes through the line parser.
    const bool plain = !d.sections.empty() && d.sections.back().hasHeader
                       && key.find_first_of("=\r\n") == std::string_view::npos
                       && value.find_first_of("\r\n") == std::string_view::npos
                       && !IsHeaderLine(key);
    if (!plain) {
        d.AppendLines(std::string(key) + '=' + std::string(value));
        return;
    }
    const std::string_view trimmed = TrimBlanks(key);
    std::string line;
    line.reserve(trimmed.size() + 1 + value.size());
    line.append(trimmed);
    line += '=';
    line.append(value);
    const std::uint32_t pos = d.Store(line);
    d.Lines(d.sections.back()).push_back(
        StoredLine{pos, static_cast<std::uint32_t>(trimmed.size()),
                   pos + static_cast<std::uint32_t>(trimmed.size()) + 1,
                   static_cast<std::uint32_t>(value.size())});
}

std::vector<std::string> ProfileDocument::SectionNames() const
{
    const Data &d = D();
    std::vector<std::string> names;
    names.reserve(d.sections.size());
    for (const StoredSection &section : d.sections) {
        if (section.hasHeader)
            names.emplace_back(d.Name(section));
    }
    return names;
}

bool ProfileDocument::HasSection(std::string_view name) const
{
    return D().FindSection(TrimBlanks(name)) != kNotFound;
}

bool ProfileDocument::ForEachEntry(std::string_view section,
                                   const std::function<void(const ProfileLine &)> &fn) const
{
    Data &d = D();
    const std::size_t s = d.FindSection(TrimBlanks(section));
    if (s == kNotFound)
        return false;
    for (const StoredLine &line : d.Lines(d.sections[s]))
        fn(ProfileLine{d.Key(line), d.Value(line), line.HasValue()});
    return true;
}

std::string ProfileDocument::ToText() const
{
    Data &d = D();
    d.ParseAll();
    std::size_t size = 0;
    for (const StoredSection &section : d.sections) {
        if (section.hasHeader)
            size += section.nameLength + 4;
        for (const StoredLine &line : section.lines)
            size += line.keyLength + (line.HasValue() ? line.valueLength + 1 : 0) + 2;
    }
    std::string text(size, '\0');
    char *out = text.data();
    const auto put = [&out, &d](std::uint32_t pos, std::uint32_t length) {
        std::memcpy(out, d.text.data() + pos, length);
        out += length;
    };
    for (const StoredSection &section : d.sections) {
        if (section.hasHeader) {
            *out++ = '[';
            put(section.namePos, section.nameLength);
            *out++ = ']';
            *out++ = '\r';
            *out++ = '\n';
        }
        for (const StoredLine &line : section.lines) {
            put(line.keyPos, line.keyLength);
            if (line.HasValue()) {
                *out++ = '=';
                put(line.valuePos, line.valueLength);
            }
            *out++ = '\r';
            *out++ = '\n';
        }
    }
    // A first line that itself starts with the bytes of a byte order mark
    // is written after a mark, so that reading drops only that one.
    if (WithoutByteOrderMark(text).size() != text.size())
        text.insert(0, "\xEF\xBB\xBF");
    return text;
}

Status ProfileDocument::Save(const std::string &path) const
{
    return WriteFileAtomically(path, ToText());
}

} // namespace tarvello
