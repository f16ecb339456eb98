#include "notopenedtext.h"

#include "documentkinds.h"

namespace tarvello {

std::string NotOpenedText(const std::string &path, bool withPacks)
{
    std::string text = path + " cannot be opened: Tarvello opens figure files ("
                       + DocumentKindFacts(DocumentKind::Figure).extension + ")";
    text += withPacks ? ", army files (" : " and army files (";
    text += std::string(DocumentKindFacts(DocumentKind::Army).extension) + ")";
    if (withPacks)
        text += std::string(" and army packs (") + DocumentKindFacts(DocumentKind::ArmyPack).extension + ")";
    return text + ".";
}

} // namespace tarvello
