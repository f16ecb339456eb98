// The army editor's undo and redo: every user change is recorded as a
// snapshot after it; undoing restores the one before and recomputes the total.
#include "armymodel.h"

namespace tarvello {

ArmySnapshot ArmyModel::Snapshot() const
{
    return {m_armyName, m_unitDirectory, m_units, m_selected, m_unitCount, m_unitSize,
            m_pointsLimit, m_headerTail};
}

void ArmyModel::Step(std::string name, const std::string &mergeKey)
{
    if (!m_loading)
        m_history.Record(std::move(name), Snapshot(), mergeKey);
}

std::string ArmyModel::SelectedName() const
{
    if (m_selected < 0 || static_cast<std::size_t>(m_selected) >= m_units.size())
        return {};
    return m_units[static_cast<std::size_t>(m_selected)].Summary(kFigureName);
}

Status ArmyModel::Restore(const ArmySnapshot &snapshot)
{
    m_armyName = snapshot.armyName;
    m_unitDirectory = snapshot.unitDirectory;
    m_units = snapshot.units;
    m_selected = snapshot.selected;
    m_unitCount = snapshot.unitCount;
    m_unitSize = snapshot.unitSize;
    m_pointsLimit = snapshot.pointsLimit;
    m_headerTail = snapshot.headerTail;
    UnitsChanged();
    const bool loading = m_loading;
    m_loading = true;
    Status total = RecalcTotal();
    m_loading = loading;
    m_changed = !m_history.AtSaved();
    return total;
}

} // namespace tarvello
