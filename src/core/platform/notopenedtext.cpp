#include "notopenedtext.h"

#include "documentkinds.h"

namespace tarvello {

std::string NotOpenedText(const std::string &path)
{
    return path + " cannot be opened: Tarvello opens figure files ("
           + DocumentKindFacts(DocumentKind::Figure).extension + ") and army files ("
           + DocumentKindFacts(DocumentKind::Army).extension + ").";
}

} // namespace tarvello
