#include "eventhooks.h"

#include <QEvent>
#include <QFocusEvent>
#include <QWidget>

#include <utility>

namespace tarvello {

namespace {

// An event filter that hands one type of event of one object to a function;
// the function answers whether to go on watching.
class EventHook : public QObject
{
public:
    EventHook(QObject *watched, QObject *owner, QEvent::Type type,
              std::function<bool(QEvent *)> react)
        : QObject(owner)
        , m_type(type)
        , m_react(std::move(react))
    {
        watched->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == m_type && !m_done && !m_react(event)) {
            m_done = true;
            watched->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }

private:
    QEvent::Type m_type;
    std::function<bool(QEvent *)> m_react;
    bool m_done = false;
};

} // namespace

void onFocusLoss(QWidget *widget, std::function<void()> react)
{
    new EventHook(widget, widget, QEvent::FocusOut, [react = std::move(react)](QEvent *event) {
        // A context menu opening over the widget leaves the focus with it.
        if (static_cast<QFocusEvent *>(event)->reason() != Qt::PopupFocusReason)
            react();
        return true;
    });
}

void watchResizes(QWidget *watched, QObject *owner, std::function<bool()> react)
{
    new EventHook(watched, owner, QEvent::Resize,
                  [react = std::move(react)](QEvent *) { return react(); });
}

} // namespace tarvello
