#include "armypack.h"

#include "packmanifest.h"

#include "army/armyfile.h"
#include "army/figuresummary.h"
#include "platform/cp1252.h"
#include "platform/fileio.h"
#include "platform/modfunctions.h"

#include <zip.h>

#include <filesystem>
#include <memory>
#include <set>

namespace tarvello {

namespace {

struct ZipCloser
{
    void operator()(zip_t *zip) const { zip_discard(zip); }
};
using ZipHandle = std::unique_ptr<zip_t, ZipCloser>;

struct SourceFree
{
    void operator()(zip_source_t *source) const { zip_source_free(source); }
};
using SourceHandle = std::unique_ptr<zip_source_t, SourceFree>;

Failure PackFailure(const std::string &packPath, const std::string &description)
{
    return Failure{SavingSentence(packPath), description, FailureKind::CannotWrite};
}

// Adds bytes (which must outlive the zip's closing) as entry name.
bool AddEntry(zip_t *zip, const std::string &name, const std::string &bytes, int level)
{
    zip_source_t *source = zip_source_buffer(zip, bytes.data(), bytes.size(), 0);
    if (!source)
        return false;
    const zip_int64_t index = zip_file_add(zip, name.c_str(), source, ZIP_FL_ENC_UTF_8);
    if (index < 0) {
        zip_source_free(source);
        return false;
    }
    return zip_set_file_compression(zip, static_cast<zip_uint64_t>(index), ZIP_CM_DEFLATE,
                                 static_cast<zip_uint32_t>(level))
           == 0;
}

// The bytes a closed zip wrote into its buffer source.
std::optional<std::string> SourceBytes(zip_source_t *source)
{
    zip_stat_t stat;
    if (zip_source_open(source) != 0)
        return std::nullopt;
    std::string bytes;
    if (zip_source_stat(source, &stat) == 0 && (stat.valid & ZIP_STAT_SIZE) != 0)
        bytes.resize(stat.size);
    const zip_int64_t read = zip_source_read(source, bytes.data(), bytes.size());
    zip_source_close(source);
    if (read < 0 || static_cast<std::uint64_t>(read) != bytes.size())
        return std::nullopt;
    return bytes;
}

// The whole pack in memory: manifest, army file, figure files.
Result<std::string> PackBytes(const PackManifest &manifest, const std::vector<std::string> &contents,
                              int level, const std::string &packPath)
{
    zip_error_t error;
    zip_error_init(&error);
    SourceHandle source(zip_source_buffer_create(nullptr, 0, 0, &error));
    ZipHandle zip(source ? zip_open_from_source(source.get(), ZIP_TRUNCATE, &error) : nullptr);
    const std::string description = zip_error_strerror(&error);
    zip_error_fini(&error);
    if (!zip)
        return PackFailure(packPath, description);
    zip_source_keep(source.get());
    const std::string manifestText = ManifestText(manifest);
    bool added = AddEntry(zip.get(), kPackManifestName, manifestText, level);
    for (std::size_t i = 0; added && i < contents.size(); ++i)
        added = AddEntry(zip.get(), manifest.files[i].name, contents[i], level);
    if (!added || zip_close(zip.get()) != 0)
        return PackFailure(packPath, zip_strerror(zip.get()));
    (void)zip.release();
    std::optional<std::string> bytes = SourceBytes(source.get());
    if (!bytes)
        return PackFailure(packPath, zip_error_strerror(zip_source_error(source.get())));
    return std::move(*bytes);
}

} // namespace

ArmyPackPlan PlanArmyPack(std::string armyBytes, std::string armyEntry)
{
    ArmyPackPlan plan;
    ArmyFileContent content = ParseArmyFile(armyBytes);
    plan.armyName = content.name;
    plan.armyEntry = std::move(armyEntry);
    plan.armyBytes = std::move(armyBytes);
    const std::map<std::string, std::string> files = FigureFilesByName(FolderPath(content.directory));
    std::set<std::string> seen;
    for (const ArmyUnit &unit : content.units) {
        const std::string &figure = unit.Summary(kFigureName);
        if (!seen.insert(figure).second)
            continue;
        const auto file = files.find(figure);
        if (file == files.end())
            plan.missing.push_back(figure);
        else
            plan.figures.push_back(
                {std::filesystem::path(file->second).filename().string(), file->second});
    }
    return plan;
}

Result<ArmyPackPlan> PlanArmyPackOf(const std::string &armyPath)
{
    std::optional<std::string> bytes = ReadFileBytes(armyPath);
    if (!bytes)
        return ReadFailure(LoadingSentence(armyPath), armyPath);
    if (ParseArmyFile(*bytes).lineCount < 3)
        return Failure{LoadingSentence(armyPath), "Not an army file", FailureKind::NotThisFormat};
    return PlanArmyPack(std::move(*bytes), std::filesystem::path(armyPath).filename().string());
}

Status WriteArmyPack(const ArmyPackPlan &plan, const std::string &packPath, int compressionLevel)
{
    PackManifest manifest{AppTitle(), Cp1252ToUtf8(plan.armyName), plan.armyEntry, {}};
    std::vector<std::string> contents{plan.armyBytes};
    manifest.files.push_back({plan.armyEntry, 0, {}});
    for (const PackedFile &figure : plan.figures) {
        std::optional<std::string> bytes = ReadFileBytes(figure.path);
        if (!bytes)
            return ReadFailure(SavingSentence(packPath), figure.path);
        contents.push_back(std::move(*bytes));
        manifest.files.push_back({figure.name, 0, {}});
    }
    for (std::size_t i = 0; i < contents.size(); ++i) {
        const std::string problem = EntryNameProblem(manifest.files[i].name);
        if (!problem.empty() || manifest.files[i].name == kPackManifestName)
            return PackFailure(packPath, "The file \"" + ShownName(manifest.files[i].name)
                                             + "\" cannot be packed: its name "
                                             + (problem.empty() ? "is the manifest's" : problem));
        manifest.files[i].size = contents[i].size();
        manifest.files[i].sha256 = Sha256Hex(contents[i]);
    }
    const Result<std::string> bytes = PackBytes(manifest, contents, compressionLevel, packPath);
    if (!bytes)
        return bytes.failure();
    return WriteFileAtomically(packPath, bytes.value());
}

Status PackArmy(const std::string &armyPath, const std::string &packPath,
                std::vector<std::string> *missing, int compressionLevel)
{
    const Result<ArmyPackPlan> plan = PlanArmyPackOf(armyPath);
    if (!plan)
        return plan.failure();
    if (missing)
        *missing = plan.value().missing;
    return WriteArmyPack(plan.value(), packPath, compressionLevel);
}

} // namespace tarvello
