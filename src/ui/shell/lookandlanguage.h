#pragma once

#include "shell/uilanguage.h"

#include <QObject>
#include <QString>

class QCoreApplication;
class QMenu;
class QWidget;

namespace tarvello {

class IDialogs;

// The language code the windows speak at this start ("en", "de", "fr"): the
// player's choice kept in settingsFile, else the desktop's (LANGUAGE,
// LC_ALL, LC_MESSAGES, LANG). Numbers keep the locale's own decimal mark.
QString startLanguage(const QString &settingsFile);

// Loads the program's translation of language from translationsFolder
// (tarvello_<code>.qm) and Qt's own (qtbase_<code>.qm, for the buttons of
// its dialogs) into app. English loads nothing. False when the program's
// translation was missing.
bool installTranslations(QCoreApplication &app, const QString &language,
                         const QString &translationsFolder);

// The folder of the program's translations: "translations" beside it.
QString programTranslationsFolder();

// The appearance kept in settingsFile (System when none).
Appearance keptAppearance(const QString &settingsFile);

// Gives the whole program the look of appearance; System gives back the
// style and palette it started with.
void applyAppearance(Appearance appearance);

// Help, Language and Help, Appearance: radio items that keep the player's
// choice in the settings file. A language applies at the next start (a box
// says so); an appearance at once.
class LookMenus : public QObject
{
    Q_OBJECT

public:
    LookMenus(QMenu *helpMenu, const QString &settingsFile, IDialogs &dialogs,
              QWidget *parent);

private:
    void addLanguageMenu(QMenu *helpMenu);
    void addAppearanceMenu(QMenu *helpMenu);
    void chooseLanguage(const QString &code);
    void chooseAppearance(Appearance appearance);

    QString m_settingsFile;
    IDialogs &m_dialogs;
    QWidget *m_parent;
};

} // namespace tarvello
