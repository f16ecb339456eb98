#include "areasizing.h"

#include "eventhooks.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace tarvello {

void sizeInArea(QMdiSubWindow *frame, QSize wanted)
{
    if (frame->isMaximized())
        return;
    const auto fit = [frame, wanted] {
        const QSize area = frame->mdiArea()->viewport()->size();
        frame->resize(wanted.boundedTo(area).expandedTo(frame->minimumSizeHint()));
        return frame->size() != wanted.expandedTo(frame->minimumSizeHint());
    };
    const bool cut = fit();
    frame->move(qMax(frame->x(), 0), qMax(frame->y(), 0));
    if (!cut)
        return;
    watchResizes(frame->mdiArea()->viewport(), frame,
                 [frame, fit, given = frame->size()]() mutable {
                     if (frame->size() != given || frame->isMaximized() || frame->isMinimized())
                         return false;
                     const bool cut = fit();
                     given = frame->size();
                     return cut;
                 });
}

} // namespace tarvello
