#include "frmfigure.h"

#include "figure/figuremodel.h"
#include "figure/recost.h"
#include "platform/fileio.h"
#include "platform/uitext.h"

namespace tarvello {

void frmFigure::showStaleCostHint(const std::string &path)
{
    const std::optional<std::string> bytes = tarvello::ReadFileBytes(path);
    if (!bytes)
        return;
    const std::string hint = tarvello::StaleCostHint(*bytes, m_model->Record().txtFinalCost);
    if (!hint.empty())
        setWindowTitle(windowTitle() + QStringLiteral(" \u2014 ") + FromFileText(hint));
}

} // namespace tarvello
