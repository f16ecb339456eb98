#include "childplacement.h"

#include "shell/windowplacement.h"

#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QResizeEvent>

namespace tarvello {

namespace {

class InsideArea : public QObject
{
public:
    explicit InsideArea(QMdiSubWindow *window)
        : QObject(window)
        , m_window(window)
    {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_window && movedOut(event))
            fit();
        return QObject::eventFilter(watched, event);
    }

private:
    bool movedOut(QEvent *event) const
    {
        if (event->type() == QEvent::Show)
            return true;
        if (event->type() != QEvent::Resize
            || QGuiApplication::mouseButtons() != Qt::NoButton)
            return false;
        const auto *resize = static_cast<const QResizeEvent *>(event);
        return resize->size().width() > resize->oldSize().width()
               || resize->size().height() > resize->oldSize().height();
    }

    void fit()
    {
        QMdiArea *area = m_window->mdiArea();
        if (!area || m_window->isMaximized() || m_window->isMinimized())
            return;
        const QRect now = m_window->geometry();
        const QSize room = area->viewport()->size();
        const QSize least = m_window->minimumSize().expandedTo(m_window->minimumSizeHint());
        const WindowRect kept = KeepInsideArea(
            {now.x(), now.y(), now.width(), now.height()}, room.width(), room.height(),
            least.width(), least.height());
        const QRect wanted(kept.left, kept.top, kept.width, kept.height);
        if (wanted != now)
            m_window->setGeometry(wanted);
    }

    QMdiSubWindow *m_window;
};

} // namespace

void keepChildInsideArea(QMdiSubWindow *window)
{
    window->installEventFilter(new InsideArea(window));
}

} // namespace tarvello
