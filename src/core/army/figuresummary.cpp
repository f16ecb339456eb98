#include "figuresummary.h"
#include "figure/figurekeys.h"

#include "platform/asciitext.h"
#include "platform/cp1252.h"
#include "platform/documentkinds.h"
#include "platform/fileio.h"
#include "platform/numbers.h"
#include "platform/profiledocument.h"
#include "platform/runtimeerror.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <system_error>

namespace tarvello {

namespace {

constexpr const char *kNone = "<none>";
constexpr const char *kFigureSection = figurekeys::kFigureSection;

// The Figure keys of the single fields, in field order (the lists excluded).
constexpr std::pair<SummaryField, const char *> kSingleKeys[] = {
    {kFigureName, figurekeys::kFigureName},
    {kRace, figurekeys::kRace},
    {kFigureType, figurekeys::kFigureType},
    {kCost, figurekeys::kFinalCost},
    {kTrainingLevel, figurekeys::kTrainingLevel},
    {kHitFactor, figurekeys::kAdjustedHitFactor},
    {kHitPoints, figurekeys::kHitPoints},
    {kMorale, figurekeys::kBaseMorale},
    {kMove, figurekeys::kMove},
    {kCommandSkill, figurekeys::kCommandSkill},
    {kArmor, figurekeys::kArmorType}};

// " (n)" without the blank for a positive shot count, else nothing.
std::string ShotsSuffix(const std::string &shots)
{
    const double count = RoundHalfEven(LeadingNumber(shots));
    if (!(count > 0))
        return {};
    if (count < 1e15)
        return '(' + std::to_string(static_cast<long long>(count)) + ')';
    return '(' + NumberText(count, '.') + ')';
}

// The names of sections word1, word2, ... joined by "|", up to the first
// section whose Name is empty or missing.
std::string JoinedNames(const ProfileDocument &doc, const char *word, bool withShots)
{
    std::string joined;
    for (unsigned long long n = 1;; ++n) {
        const std::string section = word + std::to_string(n);
        const std::string name = doc.Read(section, "Name", "");
        if (name.empty())
            return joined;
        if (n > 1)
            joined += '|';
        joined += name;
        if (withShots)
            joined += ShotsSuffix(doc.Read(section, "Shots", ""));
    }
}

bool IsFigureFileName(const std::string &name)
{
    return HasExtensionOf(name, DocumentKind::Figure);
}

} // namespace

FigureSummary ReadFigureSummary(const ProfileDocument &doc)
{
    FigureSummary summary;
    for (const auto &[field, key] : kSingleKeys)
        summary.fields[field] = doc.Read(kFigureSection, key, kNone);
    summary.fields[kMeleeList] = JoinedNames(doc, "MeleeWeapon", false);
    summary.fields[kMissileList] = JoinedNames(doc, "MissileWeapon", true);
    summary.fields[kExtraItemList] = JoinedNames(doc, "ExtraItem", false);
    return summary;
}

std::string UnitFieldText(std::string text)
{
    for (char &c : text) {
        if (c == ';')
            c = ',';
        else if (c == '\r' || c == '\n')
            c = ' ';
    }
    return text;
}

std::string UnitFigureName(const ProfileDocument &doc)
{
    return UnitFieldText(doc.Read(kFigureSection, figurekeys::kFigureName, kNone));
}

FigureSummary FigureSummaryFromBytes(std::string bytes)
{
    return ReadFigureSummary(ProfileDocument::FromBytes(std::move(bytes)));
}

Result<std::vector<std::string>> ListFigureFiles(const std::string &folder)
{
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path dir(folder);
    if (folder.empty() || !fs::exists(dir, ec))
        return std::vector<std::string>();
    std::vector<std::string> names;
    fs::directory_iterator it(dir, ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        std::string name = it->path().filename().string();
        std::error_code typeError;
        if (IsFigureFileName(name) && it->is_regular_file(typeError))
            names.push_back(std::move(name));
    }
    if (ec)
        return Failure{"", errtext::kPathFileAccess};
    std::sort(names.begin(), names.end());
    for (std::string &name : names)
        name = (dir / name).string();
    return names;
}

Result<std::vector<FigureSummary>> ScanFigureFolder(const std::string &folder)
{
    Result<std::vector<std::string>> paths = ListFigureFiles(folder);
    if (!paths)
        return paths.failure();
    std::vector<FigureSummary> summaries;
    summaries.reserve(paths.value().size());
    for (const std::string &path : paths.value()) {
        std::optional<std::string> bytes = ReadListedFileBytes(path);
        summaries.push_back(FigureSummaryFromBytes(bytes ? std::move(*bytes) : std::string()));
    }
    return summaries;
}

std::map<std::string, std::string> FigureFilesByName(const std::string &folder)
{
    std::map<std::string, std::string> byName;
    const Result<std::vector<std::string>> paths = ListFigureFiles(folder);
    if (!paths)
        return byName;
    for (const std::string &path : paths.value()) {
        std::optional<std::string> bytes = ReadListedFileBytes(path);
        if (!bytes)
            continue;
        const ProfileDocument doc = ProfileDocument::FromBytes(std::move(*bytes));
        byName.emplace(UnitFigureName(doc), path);
    }
    return byName;
}

std::string FolderPath(const std::string &directoryText)
{
#ifdef _WIN32
    return directoryText;
#else
    return Cp1252ToUtf8(directoryText);
#endif
}

std::string DirectoryText(const std::string &folderPath)
{
#ifdef _WIN32
    return folderPath;
#else
    return Utf8ToCp1252(folderPath);
#endif
}

} // namespace tarvello
