#pragma once

#include "platform/trtext.h"

#include <array>
#include <string>
#include <string_view>

// The kinds of file the program reads and writes, each known by one row of
// kDocumentKinds: its extension, its file dialogs' filter and its MIME type.
namespace tarvello {

// The documents the program opens or writes, known by their file extension.
enum class DocumentKind { Figure, Army, Style, Table, ArmyPack, Unknown };

// Everything about one kind of document.
struct DocumentKindInfo
{
    DocumentKind kind;
    // The file extension with its dot (".tvf").
    const char *extension;
    // The open and save dialogs' filter, pairs of caption and pattern.
    const char *filter;
    // The desktop's MIME type, empty for files the desktop does not open with us.
    const char *mimeType;
};

// The one table of document kinds.
inline constexpr std::array<DocumentKindInfo, 5> kDocumentKinds = {{
    {DocumentKind::Figure, ".tvf", TV_TR("Core", "Figure (*.tvf)") "|*.tvf|"
     TV_TR("Core", "All files (*.*)") "|*.*",
     "application/x-tarvello-figure"},
    {DocumentKind::Army, ".tva", TV_TR("Core", "Army (*.tva)") "|*.tva|"
     TV_TR("Core", "All files (*.*)") "|*.*",
     "application/x-tarvello-army"},
    {DocumentKind::Style, ".tvs", TV_TR("Core", "Style (*.tvs)") "|*.tvs|"
     TV_TR("Core", "All files (*.*)") "|*.*",
     "application/x-tarvello-style"},
    {DocumentKind::Table, ".skv", TV_TR("Core", "All files (*.*)") "|*.*", ""},
    {DocumentKind::ArmyPack, ".tvz", TV_TR("Core", "Army pack (*.tvz)") "|*.tvz|"
     TV_TR("Core", "All files (*.*)") "|*.*",
     "application/x-tarvello-army-pack"},
}};

// The row of kind (which must not be Unknown).
constexpr const DocumentKindInfo &DocumentKindFacts(DocumentKind kind)
{
    return kDocumentKinds[static_cast<std::size_t>(kind)];
}

// The kind of the file at path, by its extension in any case; Unknown for others.
DocumentKind DocumentKindOf(std::string_view path);

// True when name ends in the extension of kind, in any case.
bool HasExtensionOf(std::string_view name, DocumentKind kind);

// The file name a save dialog proposes for a document called name: the name
// followed by the kind's extension ("Sir Test" gives "Sir Test.tvf").
std::string ProposedFileName(std::string_view name, DocumentKind kind);

} // namespace tarvello
