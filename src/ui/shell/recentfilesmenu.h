#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class QMenu;
class QWidget;

namespace tarvello {

// File, Open Recent: the figures and armies last opened or saved, kept in the
// user's settings file and shown newest first in menu by their file names,
// each with its full path as tool tip, then a Clear item.
class RecentFilesMenu : public QObject
{
    Q_OBJECT

public:
    // settingsFile: the INI file that keeps the list (read anew each time,
    // so that two running programs share it). One that is not an ordinary
    // file (a pipe, a device), or none, is never opened: the list is then
    // kept only while the program runs.
    RecentFilesMenu(QMenu *menu, const QString &settingsFile, QObject *parent = nullptr);

    // The user's own settings file in Qt's config folder for this program;
    // empty without a home folder.
    static QString defaultSettingsFile();

    QStringList files() const;
    void add(const QString &path);
    void remove(const QString &path);
    void clear();

signals:
    // An entry was chosen.
    void chosen(const QString &path);
    // The list was changed by this program.
    void changed();

private:
    void store(const QStringList &files);
    void fillMenu();

    QMenu *m_menu;
    QString m_settingsFile;
    // The list while the settings file is not usable.
    QStringList m_unsaved;
};

} // namespace tarvello
