// The figure editor's undo and redo: every user change is recorded as a

#include "platform/trtext.h"
// snapshot after it; undoing restores the one before and recalculates.
#include "figuremodel.h"

namespace tarvello {

void FigureModel::Step(std::string name, const std::string &mergeKey)
{
    if (!m_loading)
        m_history.Record(std::move(name), Snapshot(), mergeKey);
}

void FigureModel::ChoosePicture(std::string_view imageFile, Picture picture)
{
    m_record.txtImageFile = imageFile;
    MarkChanged();
    m_picture = std::make_shared<const Picture>(std::move(picture));
    m_unread.reset();
    ++m_pictureRevision;
    Step(TV_TR("Core", "Change Picture"));
}

// The derived fields are recalculated from the restored inputs with the
// tables as they are now, so what is shown always matches its inputs.
Status FigureModel::Restore(const FigureSnapshot &snapshot)
{
    m_record = snapshot.record;
    m_captions = snapshot.captions;
    ShowCaptions();
    m_unread = snapshot.unread;
    if (snapshot.picture != m_picture) {
        m_picture = snapshot.picture;
        ++m_pictureRevision;
    }
    const bool loading = m_loading;
    m_loading = true;
    Status calculated = CalculateCost();
    m_loading = loading;
    m_changed = !m_history.AtSaved();
    return calculated;
}

} // namespace tarvello
