#pragma once

#include <QFrame>

class QLabel;
class QPushButton;
class QToolButton;

namespace tarvello {

// The bar above a just-opened figure's frames that says its stored cost is
// no longer what the tables make it, with a button to update the figure's
// file and a close button.
class StaleCostBar : public QFrame
{
    Q_OBJECT

public:
    explicit StaleCostBar(QWidget *parent = nullptr);

    // Shows the bar with text; an empty text hides it.
    void showHint(const QString &text);

signals:
    // The user pressed "Update Cost".
    void updateRequested();

private:
    QLabel *m_text;
    QPushButton *m_update;
    QToolButton *m_close;
};

} // namespace tarvello
