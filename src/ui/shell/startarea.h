#pragma once

#include <QList>
#include <QWidget>

class QAction;
class QLabel;
class QMdiArea;
class QVBoxLayout;

namespace tarvello {

class RecentFilesMenu;

// What the empty main window shows: the commands that start a document (the
// menu items' own actions, shown with their icon text) and the recent files,
// newest first, each a button. It lies on the MDI area's viewport but is no
// child window, so it never becomes the active one; it shows only while no
// child window is open.
class StartArea : public QWidget
{
    Q_OBJECT

public:
    StartArea(QMdiArea *area, const QList<QAction *> &commands, RecentFilesMenu *recentFiles);

    // Shows the area when no child window is open, hides it otherwise.
    void followChildren();

signals:
    // A recent file's button was clicked.
    void chosen(const QString &path);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    QWidget *buildPanel(const QList<QAction *> &commands);
    void fillRecentFiles();

    QMdiArea *m_area;
    RecentFilesMenu *m_recentFiles;
    QVBoxLayout *m_recentList = nullptr;
    QLabel *m_noRecentFiles = nullptr;
};

} // namespace tarvello
