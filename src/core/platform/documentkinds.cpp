#include "documentkinds.h"

#include "asciitext.h"

namespace tarvello {

static_assert(DocumentKindFacts(DocumentKind::ArmyPack).kind == DocumentKind::ArmyPack,
              "kDocumentKinds is in the order of DocumentKind");

bool HasExtensionOf(std::string_view name, DocumentKind kind)
{
    const std::string_view extension = DocumentKindFacts(kind).extension;
    return name.size() >= extension.size()
           && EqualsNoCase(name.substr(name.size() - extension.size()), extension);
}

DocumentKind DocumentKindOf(std::string_view path)
{
    for (const DocumentKindInfo &info : kDocumentKinds)
        if (HasExtensionOf(path, info.kind))
            return info.kind;
    return DocumentKind::Unknown;
}

std::string ProposedFileName(std::string_view name, DocumentKind kind)
{
    std::string proposed(name);
    proposed += DocumentKindFacts(kind).extension;
    return proposed;
}

} // namespace tarvello
