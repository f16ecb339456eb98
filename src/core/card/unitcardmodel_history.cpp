// The card window's undo and redo: a snapshot of the design after each
// change; undoing puts back the one before.
#include "unitcardmodel.h"

namespace tarvello {

CardSnapshot UnitCardModel::Snapshot() const
{
    return {m_style, m_image, m_styleChanged, m_layoutChanged};
}

// A change that leaves the design as it was (a "+" at the size limit) makes
// no step, but the flags it set are kept for the steps after it.
void UnitCardModel::Step(std::string name, const std::string &mergeKey)
{
    const CardSnapshot now = Snapshot();
    const CardSnapshot &before = m_history.Current();
    if (now.style == before.style && now.image == before.image)
        m_history.Amend(now);
    else
        m_history.Record(std::move(name), now, mergeKey);
}

// A save changed the flags but is no step; the next edit starts a new one.
void UnitCardModel::SavedNow()
{
    m_history.Amend(Snapshot());
    m_history.BreakMerge();
}

void UnitCardModel::Restore(const CardSnapshot &snapshot)
{
    m_style = snapshot.style;
    m_image = snapshot.image;
    m_styleChanged = m_savedStyle ? m_style != *m_savedStyle : snapshot.styleChanged;
    m_layoutChanged = m_savedImage ? m_image != *m_savedImage : snapshot.layoutChanged;
}

} // namespace tarvello
