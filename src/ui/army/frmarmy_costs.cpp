// The army editor's cost checks: the "Now" columns, Update Army Costs and
// Update Costs.

#include "frmarmy.h"
#include "platform/failurebox.h"
#include "ui_frmarmy.h"

#include "army/armycostcheck.h"
#include "army/armymodel.h"
#include "army/figuresummary.h"
#include "figure/recost.h"
#include "platform/idialogs.h"
#include "platform/noticebar.h"
#include "platform/pointsbarview.h"
#include "platform/uitext.h"

#include <QPushButton>

#include <algorithm>

namespace tarvello {

namespace {


// "52 → 57" for a changed cost, the cost alone for an unchanged one.
QString costChange(const std::string &stored, const std::string &now)
{
    if (stored == now)
        return shownFileText(now);
    return shownFileText(stored) + QStringLiteral(" \u2192 ") + shownFileText(now);
}

} // namespace

void frmArmy::connectCostReactions()
{
    connect(m_ui->btnUpdateArmyCosts, &QPushButton::clicked, this, &frmArmy::updateArmyCosts);
    connect(m_ui->btnUpdateCosts, &QPushButton::clicked, this, &frmArmy::updateCosts);
}

void frmArmy::checkCosts()
{
    if (!m_context.tables) {
        m_costChecks.clear();
        m_model->SetCostsNow({});
        return;
    }
    Result<std::vector<FigureCostCheck>> checks = CheckFigureCosts(
        FolderPath(m_model->UnitDirectory()), *m_context.tables);
    m_costChecks = checks.ok() ? std::move(checks.value())
                               : std::vector<FigureCostCheck>();
    m_model->SetCostsNow(CostsNowOf(m_costChecks));
}

void frmArmy::showComposition()
{
    m_ui->picArmyComposition->setBar(m_model->CompositionBar());
    const std::optional<std::int32_t> now = m_model->TotalNow();
    const std::string text = now ? TotalNowText(std::stoi(m_model->ArmyCost()), *now)
                                 : std::string();
    m_ui->lblTotalNow->setText(fromMessageText(text));
    m_ui->lblTotalNow->setVisible(now.has_value());
}

QString frmArmy::availableNow(std::size_t row) const
{
    // The scan and the check list the same files; a file that came or went
    // between the two shows nothing rather than another figure's cost.
    if (row >= m_costChecks.size()
        || m_costChecks[row].name != m_model->Available()[row].fields[kFigureName])
        return {};
    const FigureCostCheck &check = m_costChecks[row];
    return check.failed ? QStringLiteral("?") : costChange(check.storedCost, check.newCost);
}

QString frmArmy::unitNow(std::size_t line) const
{
    const ArmyUnit &unit = m_model->Units()[line];
    const FigureCostCheck *check = FigureOfUnit(unit, m_costChecks);
    if (!check)
        return {};
    if (check->failed)
        return QStringLiteral("?");
    return costChange(unit.Summary(kCost), check->newCost);
}

void frmArmy::tablesReloaded()
{
    m_shownAvailable = ~0ull;
    apply({});
}

void frmArmy::updateArmyCosts()
{
    checkCosts();
    m_shownUnits = ~0ull;
    apply(m_model->ReplaceFigureCosts(UnitCostsNow(m_model->Units().Vector(), m_costChecks)));
}

void frmArmy::updateCosts()
{
    checkCosts();
    std::vector<const FigureCostCheck *> changed;
    QStringList lines;
    // The army's own figures are ticked, the folder's others offered unticked.
    std::vector<const FigureCostCheck *> own;
    for (const ArmyUnit &unit : m_model->Units())
        own.push_back(FigureOfUnit(unit, m_costChecks));
    QList<int> ticked;
    for (const FigureCostCheck &check : m_costChecks) {
        if (!check.Differs() && !check.DiffersRefreshed())
            continue;
        if (std::find(own.begin(), own.end(), &check) != own.end())
            ticked.append(lines.size());
        changed.push_back(&check);
        lines.append(tr("%1: %2 (with weapons and items from the tables: %3)   %4")
                         .arg(fromFileText(check.name),
                              costChange(check.storedCost, check.newCost),
                              costChange(check.storedCost, check.refreshedCost),
                              fromFilePath(check.path)));
    }
    if (changed.empty()) {
        m_context.dialogs->message(this, boxTitleText(BoxTitle::Plain),
                                   tr("No figure cost has changed."),
                                   IDialogs::Buttons::Ok, IDialogs::Icon::Information);
        return;
    }
    const std::optional<IDialogs::ChecklistAnswer> answer = m_context.dialogs->checklist(
        this, tr("Update Costs"),
        tr("These figures cost differently under the current tables. "
           "Save the checked ones with their new cost?"),
        lines, ticked, tr("Also refresh weapons and items from the tables"));
    if (!answer)
        return;
    QStringList failures;
    std::vector<FileRewrite> rewrites;
    for (const int i : answer->checked) {
        if (i < 0 || i >= static_cast<int>(changed.size()))
            continue;
        Result<FileRewrite> saved = RewriteRecostedFigure(
            *m_context.tables, changed[static_cast<std::size_t>(i)]->path, answer->option);
        if (!saved)
            failures.append(fromMessageText(saved.failure().Message()));
        else if (saved.value().after != saved.value().before)
            rewrites.push_back(std::move(saved.value()));
    }
    // Edit, Undo Update Costs puts the files back.
    m_model->RecordFileRewrites(rewrites);
    const Status scanned = m_model->ScanFigures();
    apply(scanned);
    QStringList paths;
    for (const FileRewrite &rewrite : rewrites)
        paths.append(fromFilePath(rewrite.path));
    if (!paths.isEmpty())
        emit figureFilesRewritten(paths);
    if (!failures.isEmpty())
        m_context.dialogs->message(this, boxTitleText(BoxTitle::Plain), failures.join(QStringLiteral("\r\n")),
                                   IDialogs::Buttons::Ok, IDialogs::Icon::None);
}

void frmArmy::figureFilesChanged(const QStringList &paths)
{
    std::vector<std::string> files;
    for (const QString &path : paths)
        files.push_back(toFilePath(path));
    if (!FolderHoldsAny(FolderPath(m_model->UnitDirectory()), files))
        return;
    if (!m_figuresNotice) {
        m_figuresNotice = new NoticeBar(QStringLiteral("FiguresChanged"), tr("&Refresh"),
                                        QStringLiteral("btnRefreshFigures"), this);
        m_ui->layoutArmy->insertWidget(0, m_figuresNotice);
        connect(m_figuresNotice, &NoticeBar::buttonPressed, m_ui->btnRefresh, &QPushButton::click);
    }
    m_figuresNotice->showHint(tr("Figures in this folder changed: Refresh to see them."));
}

void frmArmy::showFileRestore()
{
    const FileRestoreReport report = m_model->TakeFileRestore();
    if (!report.touched)
        return;
    apply(m_model->ScanFigures());
    QStringList lines;
    for (const Failure &failure : report.failures)
        lines.append(fromMessageText(failure.Message()));
    if (!report.skipped.empty()) {
        lines.append(tr("These figure files changed since Update Costs and were left as they are:"));
        for (const std::string &path : report.skipped)
            lines.append(fromFilePath(path));
    }
    if (!lines.isEmpty())
        m_context.dialogs->message(this, boxTitleText(BoxTitle::Plain), lines.join(QStringLiteral("\r\n")),
                                   IDialogs::Buttons::Ok, IDialogs::Icon::Information);
}

} // namespace tarvello
