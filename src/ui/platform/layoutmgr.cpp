#include "layoutmgr.h"

#include <QEvent>
#include <QWidget>

#include <cmath>

namespace tarvello {

LayoutMgr::LayoutMgr(QWidget *host)
    : QObject(host)
    , m_host(host)
{
    host->installEventFilter(this);
}

void LayoutMgr::registerControl(QWidget *widget, double xFactor, double yFactor,
                                double widthFactor, double heightFactor)
{
    m_entries.append({widget, widget->geometry(), m_host->size(), xFactor, yFactor,
                      widthFactor, heightFactor});
}

void LayoutMgr::relayout()
{
    const QSize host = m_host->size();
    for (const Entry &e : std::as_const(m_entries)) {
        if (!e.widget)
            continue;
        const double dx = host.width() - e.hostBase.width();
        const double dy = host.height() - e.hostBase.height();
        const int x = e.base.x() + static_cast<int>(std::lround(dx * e.xFactor));
        const int y = e.base.y() + static_cast<int>(std::lround(dy * e.yFactor));
        const int w = e.base.width() + static_cast<int>(std::lround(dx * e.widthFactor));
        const int h = e.base.height() + static_cast<int>(std::lround(dy * e.heightFactor));
        e.widget->setGeometry(x, y, std::max(w, 0), std::max(h, 0));
    }
}

bool LayoutMgr::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_host && event->type() == QEvent::Resize)
        relayout();
    return QObject::eventFilter(watched, event);
}

} // namespace tarvello
