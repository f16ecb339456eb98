// The bar of a just-opened figure whose stored cost the tables have changed.
#include "frmfigure.h"
#include "ui_frmfigure.h"

#include "figure/figuremodel.h"
#include "figure/recost.h"
#include "platform/fileio.h"
#include "platform/noticebar.h"
#include "platform/uitext.h"

#include <QVBoxLayout>

namespace tarvello {

void frmFigure::showStaleCostHint(const std::string &path)
{
    const std::optional<std::string> bytes = ReadFileBytes(path);
    const std::string hint =
        bytes ? StaleCostHint(*bytes, m_model->Record().txtFinalCost) : std::string();
    if (!m_staleCost) {
        if (hint.empty())
            return;
        m_staleCost = new NoticeBar(QStringLiteral("StaleCost"), tr("&Update Cost"),
                                    QStringLiteral("btnUpdateCost"), this);
        m_ui->layoutWindow->insertWidget(0, m_staleCost);
        connect(m_staleCost, &NoticeBar::buttonPressed, this, &frmFigure::updateStaleCost);
    }
    m_staleCost->showHint(fromMessageText(hint));
}

// The figure's file is saved with the cost it has now, as Update Costs saves
// it. The bar shows only while the figure is as opened, so the editor then
// holds what its file holds.
void frmFigure::updateStaleCost()
{
    const std::string path = m_model->FileName();
    if (path.empty())
        return;
    const Status saved = SaveRecostedFigure(*m_context.tables, path, false);
    if (!saved) {
        report(saved.failure());
        return;
    }
    m_staleCost->hide();
    emit documentFileUsed(fromFilePath(path));
    emit documentSaved(fromFilePath(path));
}

} // namespace tarvello
