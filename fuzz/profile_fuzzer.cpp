// Parses arbitrary bytes as a profile file, changes it, writes it out and
// reads it again: written keys must read back, the text must be stable, and
// the document and the quick lookup must agree.
#include "platform/profiledocument.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <map>
#include <string>
#include <utility>

namespace {

std::string Fold(std::string s)
{
    for (char &c : s) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c + ('a' - 'A'));
    }
    return s;
}

// A section or key name that a line can hold: no line end, "]" or "=", no
// blanks around it, not taken for a header.
std::string Name(FuzzedDataProvider &in)
{
    std::string raw = in.ConsumeRandomLengthString(12);
    std::string name;
    for (const char c : raw) {
        if (c != '\r' && c != '\n' && c != ']' && c != '=')
            name += c;
    }
    while (!name.empty() && (name.front() == ' ' || name.front() == '\t' || name.front() == '['))
        name.erase(0, 1);
    while (!name.empty() && (name.back() == ' ' || name.back() == '\t'))
        name.pop_back();
    return name;
}

// What Read gives for a value written by Write.
std::string Expected(std::string value)
{
    value = value.substr(0, value.find_first_of("\r\n"));
    return value.substr(0, value.find('\0'));
}

void Check(bool ok)
{
    if (!ok)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzedDataProvider in(data, size);
    const std::string content = in.ConsumeRandomLengthString(4096);
    tarvello::ProfileDocument doc = tarvello::ProfileDocument::Parse(content);

    // The text is stable once written.
    const std::string first = doc.ToText();
    Check(tarvello::ProfileDocument::Parse(first).ToText() == first);

    std::map<std::pair<std::string, std::string>, std::pair<std::string, std::string>> written;
    int steps = 0;
    while (in.remaining_bytes() > 0 && steps++ < 64) {
        switch (in.ConsumeIntegralInRange(0, 5)) {
        case 0: {
            const std::string section = Name(in);
            const std::string key = Name(in);
            const std::string read = doc.Read(section, key, "\x01");
            const tarvello::ProfileLookup lookup
                = tarvello::ProfileDocument::Lookup(doc.ToText(), section, key);
            Check(lookup.status == tarvello::ProfileLookup::Found ? read == lookup.value
                                                                  : read == "\x01");
            break;
        }
        case 1:
        case 2: {
            const std::string section = Name(in);
            const std::string key = Name(in);
            const std::string value = in.ConsumeRandomLengthString(300);
            doc.Write(section, key, value);
            written[{Fold(section), Fold(key)}] = {section + "\n" + key, Expected(value)};
            Check(doc.Read(section, key, "\x01") == Expected(value));
            break;
        }
        case 3: {
            const std::string section = Name(in);
            doc.DeleteSection(section);
            for (auto it = written.begin(); it != written.end();) {
                if (it->first.first == Fold(section))
                    it = written.erase(it);
                else
                    ++it;
            }
            Check(doc.Read(section, Name(in), "\x01") == "\x01");
            break;
        }
        case 4: {
            // Raw lines may hide earlier writes only by adding later
            // sections and keys, which never win over the first ones.
            const std::string name = in.ConsumeRandomLengthString(12);
            doc.AppendSection(name);
            break;
        }
        case 5: {
            const std::string key = in.ConsumeRandomLengthString(12);
            const std::string value = in.ConsumeRandomLengthString(20);
            doc.AppendEntry(key, value);
            break;
        }
        }
    }

    const std::string text = doc.ToText();
    const tarvello::ProfileDocument reread = tarvello::ProfileDocument::Parse(text);
    Check(reread.ToText() == text);
    for (const auto &[folded, entry] : written) {
        const std::string &names = entry.first;
        const std::size_t split = names.find('\n');
        const std::string section = names.substr(0, split);
        const std::string key = names.substr(split + 1);
        Check(doc.Read(section, key, "\x01") == entry.second);
        Check(reread.Read(section, key, "\x01") == entry.second);
        Check(tarvello::ProfileDocument::Lookup(text, section, key).value == entry.second);
    }
    Check(doc.SectionNames() == reread.SectionNames());
    return 0;
}
