#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QSize>

class QWidget;

namespace tarvello {

// Moves and sizes registered controls when their host window is resized:
// each coordinate changes by its factor times the change of the host's width
// (x, width) or height (y, height) since the control was registered.
class LayoutMgr : public QObject
{
    Q_OBJECT

public:
    explicit LayoutMgr(QWidget *host);

    // Registers widget with its present geometry and the host's present size.
    void registerControl(QWidget *widget, double xFactor, double yFactor,
                         double widthFactor, double heightFactor);

    // Lays out every registered control for the host's present size.
    void relayout();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Entry
    {
        QPointer<QWidget> widget;
        QRect base;
        QSize hostBase;
        double xFactor;
        double yFactor;
        double widthFactor;
        double heightFactor;
    };

    QWidget *m_host;
    QList<Entry> m_entries;
};

} // namespace tarvello
