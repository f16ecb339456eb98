#include "recentfilesmenu.h"

#include "platform/homefolder.h"
#include "platform/uitext.h"
#include "shell/recentfiles.h"
#include "shell/settingsfile.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QSettings>
#include <QStandardPaths>

#include <string>
#include <vector>

namespace tarvello {

namespace {

const QString kKey = QStringLiteral("RecentFiles/Files");

std::vector<std::string> toList(const QStringList &files)
{
    std::vector<std::string> list;
    for (const QString &file : files)
        list.push_back(file.toStdString());
    return list;
}

QStringList fromList(const std::vector<std::string> &list)
{
    QStringList files;
    for (const std::string &file : list)
        files.append(QString::fromStdString(file));
    return files;
}

} // namespace

RecentFilesMenu::RecentFilesMenu(QMenu *menu, const QString &settingsFile, QObject *parent)
    : QObject(parent)
    , m_menu(menu)
    , m_settingsFile(settingsFile)
{
    m_menu->setToolTipsVisible(true);
    connect(m_menu, &QMenu::aboutToShow, this, &RecentFilesMenu::fillMenu);
    fillMenu();
}

QString RecentFilesMenu::defaultSettingsFile()
{
    if (!PlayerHomeFolder(qgetenv("HOME").constData()))
        return {};
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation))
        .filePath(QStringLiteral("tarvello.conf"));
}

QStringList RecentFilesMenu::files() const
{
    if (!IsUsableSettingsFile(toFilePath(m_settingsFile)))
        return m_unsaved;
    const QSettings settings(m_settingsFile, QSettings::IniFormat);
    return fromList(CleanRecentFiles(toList(settings.value(kKey).toStringList())));
}

void RecentFilesMenu::add(const QString &path)
{
    store(fromList(AddRecentFile(toList(files()), path.toStdString())));
}

void RecentFilesMenu::remove(const QString &path)
{
    store(fromList(RemoveRecentFile(toList(files()), path.toStdString())));
}

void RecentFilesMenu::clear()
{
    store({});
}

void RecentFilesMenu::store(const QStringList &files)
{
    if (IsUsableSettingsFile(toFilePath(m_settingsFile))) {
        QSettings settings(m_settingsFile, QSettings::IniFormat);
        settings.setValue(kKey, files);
        settings.sync();
    } else {
        m_unsaved = files;
    }
    emit changed();
    // The menu is refilled when it next opens: the item that was chosen may
    // still be delivering its signal.
}

void RecentFilesMenu::fillMenu()
{
    m_menu->clear();
    const QStringList entries = files();
    const std::vector<std::string> captions = RecentFileCaptions(toList(entries));
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const QString &path = entries[i];
        QAction *item = m_menu->addAction(shownText(QString::fromStdString(captions[i])));
        item->setObjectName(QStringLiteral("mnuFile_OpenRecent_%1").arg(i + 1));
        item->setToolTip(QDir::toNativeSeparators(path));
        connect(item, &QAction::triggered, this, [this, path] { emit chosen(path); });
    }
    m_menu->addSeparator();
    QAction *clearItem = m_menu->addAction(tr("&Clear"));
    clearItem->setObjectName(QStringLiteral("mnuFile_OpenRecent_Clear"));
    clearItem->setEnabled(!entries.isEmpty());
    connect(clearItem, &QAction::triggered, this, &RecentFilesMenu::clear);
}

} // namespace tarvello
