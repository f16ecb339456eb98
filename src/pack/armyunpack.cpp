#include "armypack.h"

#include "packmanifest.h"

#include "army/armyfile.h"
#include "army/figuresummary.h"
#include "platform/asciitext.h"
#include "platform/fileio.h"

#include <zip.h>

#include <sys/stat.h>

#include <cstdio>
#include <algorithm>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <set>

namespace tarvello {

namespace {

namespace fs = std::filesystem;

constexpr std::size_t kChunk = 1 << 16;
constexpr std::uint64_t kMaxManifestBytes = 1 << 20;
constexpr int kMaxFolderNumber = 10000;

// A failure of the unpacking: thrown inside, returned as a Failure.
struct Refusal
{
    std::string description;
    FailureKind kind = FailureKind::NotThisFormat;
};

// The name as two entries that one file system may take for one compare it.
std::string Folded(std::string name)
{
    for (char &c : name)
        c = static_cast<char>(FoldAscii(static_cast<unsigned char>(c)));
    return name;
}

std::string Entry(const std::string &name)
{
    return "The pack's entry \"" + ShownName(name) + "\" ";
}

std::string Megabytes(std::uint64_t bytes)
{
    return bytes >= (std::uint64_t{1} << 30) && bytes % (std::uint64_t{1} << 30) == 0
               ? std::to_string(bytes >> 30) + " GB"
               : std::to_string(bytes >> 20) + " MB";
}

struct ZipCloser
{
    void operator()(zip_t *zip) const { zip_discard(zip); }
};
struct FileCloser
{
    void operator()(zip_file_t *file) const { zip_fclose(file); }
};

// One entry of the pack as its directory declares it.
struct PackEntry
{
    zip_uint64_t index = 0;
    std::string name;
    std::uint64_t size = 0;
};

class PackReader
{
public:
    PackReader(const std::string &path, const UnpackBounds &bounds) : m_bounds(bounds)
    {
        int code = 0;
        m_zip.reset(zip_open(path.c_str(), ZIP_RDONLY, &code));
        if (!m_zip) {
            zip_error_t error;
            zip_error_init_with_code(&error, code);
            const std::string description = zip_error_strerror(&error);
            zip_error_fini(&error);
            throw Refusal{"Not an army pack: " + description};
        }
    }

    // Every entry, checked by its name, kind and declared size.
    std::vector<PackEntry> Entries()
    {
        const zip_int64_t count = zip_get_num_entries(m_zip.get(), 0);
        std::vector<PackEntry> entries;
        std::set<std::string> names;
        std::uint64_t total = 0;
        for (zip_int64_t i = 0; i < count; ++i) {
            PackEntry entry = Checked(static_cast<zip_uint64_t>(i));
            if (!names.insert(Folded(entry.name)).second)
                throw Refusal{"The pack holds two entries named \"" + ShownName(entry.name) + "\""};
            total += entry.size;
            if (total > m_bounds.totalBytes)
                throw Refusal{"The pack unpacks to more than " + Megabytes(m_bounds.totalBytes)};
            entries.push_back(std::move(entry));
        }
        return entries;
    }

    // Reads entry piece by piece into sink, hashing it; stops at the
    // entry's and the pack's bounds whatever the directory declared.
    std::string Read(const PackEntry &entry, const std::function<void(std::string_view)> &sink)
    {
        std::unique_ptr<zip_file_t, FileCloser> file(zip_fopen_index(m_zip.get(), entry.index, 0));
        if (!file)
            throw Refusal{Entry(entry.name) + "cannot be read: " + zip_strerror(m_zip.get())};
        Sha256Stream hash;
        std::string chunk(kChunk, '\0');
        std::uint64_t size = 0;
        for (;;) {
            const zip_int64_t read = zip_fread(file.get(), chunk.data(), chunk.size());
            if (read < 0)
                throw Refusal{Entry(entry.name) + "cannot be read: "
                              + zip_error_strerror(zip_file_get_error(file.get()))};
            if (read == 0)
                break;
            size += static_cast<std::uint64_t>(read);
            m_read += static_cast<std::uint64_t>(read);
            CheckBounds(entry.name, size, m_read);
            const std::string_view piece(chunk.data(), static_cast<std::size_t>(read));
            hash.Add(piece);
            sink(piece);
        }
        if (size != entry.size)
            throw Refusal{Entry(entry.name) + "does not match its manifest (size)"};
        return hash.Hex();
    }

    std::string ReadWhole(const PackEntry &entry, std::string &hash)
    {
        std::string bytes;
        hash = Read(entry, [&bytes](std::string_view piece) { bytes += piece; });
        return bytes;
    }

private:
    PackEntry Checked(zip_uint64_t index)
    {
        const char *raw = zip_get_name(m_zip.get(), index, ZIP_FL_ENC_RAW);
        PackEntry entry{index, raw ? raw : "", 0};
        if (const std::string problem = EntryNameProblem(entry.name); !problem.empty())
            throw Refusal{Entry(entry.name) + problem};
        zip_uint8_t system = 0;
        zip_uint32_t attributes = 0;
        if (zip_file_get_external_attributes(m_zip.get(), index, 0, &system, &attributes) == 0
            && system == ZIP_OPSYS_UNIX && ((attributes >> 16) & S_IFMT) == S_IFLNK)
            throw Refusal{Entry(entry.name) + "is a symbolic link"};
        zip_stat_t stat;
        if (zip_stat_index(m_zip.get(), index, 0, &stat) != 0 || (stat.valid & ZIP_STAT_SIZE) == 0)
            throw Refusal{Entry(entry.name) + "cannot be read: " + zip_strerror(m_zip.get())};
        entry.size = stat.size;
        CheckBounds(entry.name, entry.size, 0);
        return entry;
    }

    void CheckBounds(const std::string &name, std::uint64_t entryBytes, std::uint64_t totalBytes) const
    {
        if (entryBytes > m_bounds.entryBytes)
            throw Refusal{Entry(name) + "is larger than " + Megabytes(m_bounds.entryBytes)};
        if (totalBytes > m_bounds.totalBytes)
            throw Refusal{"The pack unpacks to more than " + Megabytes(m_bounds.totalBytes)};
    }

    std::unique_ptr<zip_t, ZipCloser> m_zip;
    UnpackBounds m_bounds;
    std::uint64_t m_read = 0;
};

// The manifest, checked against the entries: each entry listed once with its
// size, the army file among them.
PackManifest CheckedManifest(PackReader &reader, const std::vector<PackEntry> &entries)
{
    const auto manifestEntry = std::find_if(entries.begin(), entries.end(), [](const PackEntry &e) {
        return e.name == kPackManifestName;
    });
    if (manifestEntry == entries.end() || manifestEntry->size > kMaxManifestBytes)
        throw Refusal{"Not an army pack: it holds no manifest"};
    std::string hash;
    const std::optional<PackManifest> manifest =
        ParseManifest(reader.ReadWhole(*manifestEntry, hash));
    if (!manifest)
        throw Refusal{"Not an army pack: its manifest cannot be read"};
    std::map<std::string, const ManifestFile *> listed;
    for (const ManifestFile &file : manifest->files)
        listed.emplace(file.name, &file);
    for (const PackEntry &entry : entries) {
        if (entry.name == kPackManifestName)
            continue;
        const auto file = listed.find(entry.name);
        if (file == listed.end())
            throw Refusal{Entry(entry.name) + "is not in its manifest"};
        if (file->second->size != entry.size)
            throw Refusal{Entry(entry.name) + "does not match its manifest (size)"};
        listed.erase(file);
    }
    if (!listed.empty())
        throw Refusal{"The manifest names \"" + ShownName(listed.begin()->first)
                      + "\", which the pack does not hold"};
    if (!HasExtensionOf(manifest->armyEntry, DocumentKind::Army)
        || std::none_of(entries.begin(), entries.end(),
                        [&](const PackEntry &e) { return e.name == manifest->armyEntry; }))
        throw Refusal{"Not an army pack: it holds no army file"};
    return *manifest;
}

// A new folder of parent named after the pack, numbered when the name is
// taken; its path must be one the army file's Windows-1252 folder line holds.
fs::path NewFolder(const std::string &packPath, const std::string &parent)
{
    const std::string stem = SafeFileName(fs::path(packPath).stem().string());
    const std::string base = EntryNameProblem(stem).empty() ? stem : "Army";
    for (int number = 1; number <= kMaxFolderNumber; ++number) {
        const fs::path folder =
            fs::path(parent) / (number == 1 ? base : base + " " + std::to_string(number));
        if (FolderPath(DirectoryText(folder.string())) != folder.string())
            throw Refusal{"The folder \"" + folder.string()
                              + "\" cannot be named in the army file, whose folder line holds "
                                "Windows-1252 text only",
                          FailureKind::CannotWrite};
        std::error_code ec;
        if (fs::create_directory(folder, ec))
            return folder;
        if (ec)
            throw Refusal{"The folder \"" + folder.string() + "\" cannot be made: " + ec.message(),
                          FailureKind::CannotWrite};
    }
    throw Refusal{"Every folder name for the pack is taken", FailureKind::CannotWrite};
}

// Writes entry into folder as a new file, never over one.
void WriteEntry(PackReader &reader, const PackEntry &entry, const ManifestFile &listed,
                const fs::path &folder)
{
    const std::string path = (folder / entry.name).string();
    std::unique_ptr<FILE, int (*)(FILE *)> out(std::fopen(path.c_str(), "wbx"), &std::fclose);
    if (!out)
        throw Refusal{"\"" + path + "\" cannot be written", FailureKind::CannotWrite};
    const std::string hash = reader.Read(entry, [&](std::string_view piece) {
        if (std::fwrite(piece.data(), 1, piece.size(), out.get()) != piece.size())
            throw Refusal{"\"" + path + "\" cannot be written", FailureKind::CannotWrite};
    });
    if (hash != listed.sha256)
        throw Refusal{Entry(entry.name) + "does not match its manifest (SHA-256)"};
    if (std::fflush(out.get()) != 0 || std::fclose(out.release()) != 0)
        throw Refusal{"\"" + path + "\" cannot be written", FailureKind::CannotWrite};
}

// Writes the army file with its folder line naming folder; its path.
std::string WriteArmy(PackReader &reader, const PackEntry &entry, const ManifestFile &listed,
                      const fs::path &folder)
{
    std::string hash;
    const std::string bytes = reader.ReadWhole(entry, hash);
    if (hash != listed.sha256)
        throw Refusal{Entry(entry.name) + "does not match its manifest (SHA-256)"};
    if (ParseArmyFile(bytes).lineCount < 3)
        throw Refusal{Entry(entry.name) + "is no army file"};
    const std::string path = (folder / entry.name).string();
    if (const Status written =
            WriteFileAtomically(path, WithArmyDirectory(bytes, DirectoryText(folder.string())));
        !written)
        throw Refusal{written.failure().description, FailureKind::CannotWrite};
    return path;
}

std::string Unpack(const std::string &packPath, const std::string &parent, const UnpackBounds &bounds)
{
    PackReader reader(packPath, bounds);
    const std::vector<PackEntry> entries = reader.Entries();
    const PackManifest manifest = CheckedManifest(reader, entries);
    const fs::path folder = NewFolder(packPath, parent);
    try {
        std::string armyPath;
        for (const PackEntry &entry : entries) {
            if (entry.name == kPackManifestName)
                continue;
            const ManifestFile &listed = *std::find_if(
                manifest.files.begin(), manifest.files.end(),
                [&entry](const ManifestFile &file) { return file.name == entry.name; });
            if (entry.name == manifest.armyEntry)
                armyPath = WriteArmy(reader, entry, listed, folder);
            else
                WriteEntry(reader, entry, listed, folder);
        }
        return armyPath;
    } catch (...) {
        std::error_code ec;
        fs::remove_all(folder, ec);
        throw;
    }
}

} // namespace

Status UnpackArmy(const std::string &packPath, const std::string &destinationParent,
                  std::string *armyPathOut, const UnpackBounds &bounds)
{
    try {
        std::string armyPath = Unpack(packPath, destinationParent, bounds);
        if (armyPathOut)
            *armyPathOut = std::move(armyPath);
        return {};
    } catch (const Refusal &refusal) {
        return Failure{LoadingSentence(packPath), refusal.description, refusal.kind};
    }
}

} // namespace tarvello
