// The army editor's undo and redo: every user change is recorded as a
// snapshot after it; undoing restores the one before and recomputes the total.
#include "armymodel.h"

namespace tarvello {

namespace {

// The army itself is the same in both states (the selected line and the
// figure files may differ).
bool SameArmy(const ArmySnapshot &a, const ArmySnapshot &b)
{
    return a.army == b.army && a.unitCount == b.unitCount && a.unitSize == b.unitSize;
}

} // namespace

ArmySnapshot ArmyModel::Snapshot() const
{
    return {m_document, m_selected, m_unitCount, m_unitSize, m_figureFiles};
}

void ArmyModel::Step(std::string name, const std::string &mergeKey)
{
    if (!m_loading)
        m_history.Record(std::move(name), Snapshot(), mergeKey);
}

void ArmyModel::RecordFileRewrites(const std::vector<FileRewrite> &rewrites)
{
    if (rewrites.empty())
        return;
    // The state before the step learns what the files held, the step what
    // they hold now.
    m_figureFiles = m_figureFiles.WithBefore(rewrites);
    m_history.Amend(Snapshot());
    m_figureFiles = m_figureFiles.WithAfter(rewrites);
    m_history.Record("Update Costs", Snapshot());
}

std::string ArmyModel::SelectedName() const
{
    if (m_selected < 0 || static_cast<std::size_t>(m_selected) >= Units().size())
        return {};
    return Units()[static_cast<std::size_t>(m_selected)].Summary(kFigureName);
}

Status ArmyModel::Restore(const ArmySnapshot &snapshot)
{
    m_document = snapshot.army;
    m_selected = snapshot.selected;
    m_unitCount = snapshot.unitCount;
    m_unitSize = snapshot.unitSize;
    m_fileRestore = m_figureFiles.RestoreTo(snapshot.figureFiles);
    m_figureFiles = snapshot.figureFiles;
    UnitsChanged();
    const bool loading = m_loading;
    m_loading = true;
    Status total = RecalcTotal();
    m_loading = loading;
    m_changed = !m_history.AsSaved(SameArmy);
    return total;
}

} // namespace tarvello
