#pragma once

#include <QFrame>

class QAction;
class QLabel;
class QPushButton;
class QToolButton;

namespace tarvello {

// A bar that tells the player something about the window it sits in (a
// figure's stored cost that the tables changed, tables saved while editors
// use the old ones), with one button that acts on it and a close button.
// For a bar named "StaleCost": frame fraStaleCost, text lblStaleCost, close
// button btnCloseStaleCost; the action button gets its own name.
class NoticeBar : public QFrame
{
    Q_OBJECT

public:
    NoticeBar(const QString &name, const QString &buttonCaption, const QString &buttonName,
              QWidget *parent = nullptr);

    // Shows the bar with text; an empty text hides it.
    void showHint(const QString &text);

signals:
    // The user pressed the bar's button.
    void buttonPressed();

private:
    QLabel *m_text;
    QPushButton *m_button;
    QToolButton *m_close;
};

} // namespace tarvello
