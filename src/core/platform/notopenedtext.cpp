#include "notopenedtext.h"

#include "documentkinds.h"
#include "platform/explaintexts.h"

namespace tarvello {

std::string NotOpenedText(const std::string &path, bool withPacks)
{
    return FillText(withPacks ? msg::kNotOpenedPacks : msg::kNotOpened,
                    {path, DocumentKindFacts(DocumentKind::Figure).extension,
                     DocumentKindFacts(DocumentKind::Army).extension,
                     DocumentKindFacts(DocumentKind::ArmyPack).extension});
}

} // namespace tarvello
