#include "modini.h"

#include "fileio.h"
#include "profiledocument.h"
#include "runtimeerror.h"

#include <cstdio>
#include <exception>
#include <filesystem>
#include <optional>
#include <system_error>

namespace tarvello {

namespace {

constexpr std::size_t kFirstChunk = 1 << 16;
constexpr std::size_t kLargestChunk = 1 << 23;

// The document of file, empty when the file does not exist yet; a file that
// exists but cannot be read is a failure, so that a write does not replace it
// with a new file.
Result<ProfileDocument> LoadForChange(const std::string &file)
{
    std::error_code ec;
    const bool exists = std::filesystem::exists(file, ec);
    if (ec)
        return Failure{SavingSentence(file), errtext::kPathFileAccess, FailureKind::CannotWrite};
    ProfileDocument doc;
    if (!exists)
        return doc;
    if (const Status loaded = doc.Load(file); !loaded)
        return Failure{SavingSentence(file), loaded.failure().description};
    return doc;
}

// Applies change to the document of file and saves it.
template<typename Change>
Status ChangeIni(const std::string &file, Change &&change)
{
    try {
        Result<ProfileDocument> doc = LoadForChange(file);
        if (!doc)
            return doc.failure();
        if (!change(doc.value()))
            return {};
        return doc.value().Save(file);
    } catch (const std::exception &e) {
        return Failure{SavingSentence(file), e.what(), FailureKind::CannotWrite};
    }
}

} // namespace

std::string ReadIni(const std::string &section, const std::string &key,
                    const std::string &def, const std::string &file)
{
    // A figure file's picture can make it megabytes long while the keys read
    // one by one lie in its first lines: the file is read in growing chunks
    // until the lines read so far decide the answer.
    std::FILE *f = std::fopen(file.c_str(), "rb");
    if (!f)
        return def;
    std::string bytes;
    std::size_t chunk = kFirstChunk;
    std::string result = def;
    for (;;) {
        const std::size_t had = bytes.size();
        bytes.resize(had + chunk);
        const std::size_t got = std::fread(bytes.data() + had, 1, chunk, f);
        bytes.resize(had + got);
        if (std::ferror(f))
            break;
        if (got < chunk) {
            const ProfileLookup lookup = ProfileDocument::Lookup(bytes, section, key, true);
            if (lookup.status == ProfileLookup::Found)
                result = lookup.value;
            break;
        }
        const std::size_t lastEnd = bytes.find_last_of("\r\n");
        if (lastEnd != std::string::npos) {
            const ProfileLookup lookup = ProfileDocument::Lookup(
                std::string_view(bytes).substr(0, lastEnd + 1), section, key, false);
            if (lookup.status == ProfileLookup::Found)
                result = lookup.value;
            if (lookup.status != ProfileLookup::Undecided)
                break;
        }
        if (chunk < kLargestChunk)
            chunk *= 2;
    }
    std::fclose(f);
    return result;
}

Status WriteIni(const std::string &section, const std::string &key,
                const std::string &value, const std::string &file)
{
    return ChangeIni(file, [&](ProfileDocument &doc) {
        doc.Write(section, key, value);
        return true;
    });
}

Status DeleteIniSection(const std::string &section, const std::string &file)
{
    return ChangeIni(file, [&](ProfileDocument &doc) {
        if (!doc.HasSection(section))
            return false;
        doc.DeleteSection(section);
        return true;
    });
}

} // namespace tarvello
