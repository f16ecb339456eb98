#include "lookandlanguage.h"

#include "platform/failurebox.h"
#include "platform/idialogs.h"
#include "platform/uitext.h"
#include "shell/settingsfile.h"

#include <QActionGroup>
#include <QApplication>
#include <QLibraryInfo>
#include <QMenu>
#include <QPalette>
#include <QPointer>
#include <QSettings>
#include <QStyle>
#include <QStyleFactory>
#include <QTranslator>

namespace tarvello {

namespace {

const QString kLanguageKey = QStringLiteral("Appearance/Language");
const QString kAppearanceKey = QStringLiteral("Appearance/Look");

QString settingOf(const QString &settingsFile, const QString &key)
{
    if (!IsUsableSettingsFile(toFilePath(settingsFile)))
        return {};
    return QSettings(settingsFile, QSettings::IniFormat).value(key).toString();
}

void keepSetting(const QString &settingsFile, const QString &key, const QString &value)
{
    if (!IsUsableSettingsFile(toFilePath(settingsFile)))
        return;
    QSettings settings(settingsFile, QSettings::IniFormat);
    settings.setValue(key, value);
    settings.sync();
}

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string environment(const char *name)
{
    return qEnvironmentVariable(name).toStdString();
}

// What the program started with, for Appearance, System.
struct StartLook
{
    QString styleName;
    QPalette palette;
};

StartLook &startLook()
{
    static StartLook look{QApplication::style() ? QApplication::style()->name() : QString(),
                          QApplication::palette()};
    return look;
}

QPalette darkPalette()
{
    QPalette palette;
    const QColor window(53, 53, 56);
    // Fields and unticked boxes stand well apart from the window behind them.
    const QColor base(28, 28, 30);
    const QColor text(230, 230, 230);
    const QColor disabled(128, 128, 128);
    palette.setColor(QPalette::Window, window);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::AlternateBase, window);
    palette.setColor(QPalette::ToolTipBase, QColor(66, 66, 70));
    palette.setColor(QPalette::ToolTipText, text);
    palette.setColor(QPalette::PlaceholderText, disabled);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::Button, window);
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::BrightText, QColor(255, 100, 100));
    palette.setColor(QPalette::Light, QColor(85, 85, 90));
    palette.setColor(QPalette::Midlight, QColor(70, 70, 74));
    palette.setColor(QPalette::Mid, QColor(45, 45, 48));
    palette.setColor(QPalette::Dark, QColor(28, 28, 30));
    palette.setColor(QPalette::Shadow, Qt::black);
    palette.setColor(QPalette::Link, QColor(110, 170, 255));
    palette.setColor(QPalette::LinkVisited, QColor(180, 140, 255));
    palette.setColor(QPalette::Highlight, QColor(42, 110, 190));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, disabled);
    palette.setColor(QPalette::Disabled, QPalette::Base, window);
    palette.setColor(QPalette::Disabled, QPalette::Highlight, QColor(70, 70, 75));
    return palette;
}

} // namespace

QString startLanguage(const QString &settingsFile)
{
    const LanguageEnvironment desktop{environment("LANGUAGE"), environment("LC_ALL"),
                                      environment("LC_MESSAGES"), environment("LANG")};
    const std::string chosen = settingOf(settingsFile, kLanguageKey).toStdString();
    return QString::fromStdString(WindowLanguage(chosen, desktop));
}

QString programTranslationsFolder()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/translations");
}

bool installTranslations(QCoreApplication &app, const QString &language,
                         const QString &translationsFolder)
{
    if (language == QLatin1String("en"))
        return true;
    auto *qt = new QTranslator(&app);
    if (qt->load(QStringLiteral("qtbase_") + language,
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    auto *own = new QTranslator(&app);
    if (!own->load(QStringLiteral("tarvello_") + language, translationsFolder))
        return false;
    QCoreApplication::installTranslator(own);
    return true;
}

Appearance keptAppearance(const QString &settingsFile)
{
    return AppearanceNamed(settingOf(settingsFile, kAppearanceKey).toStdString());
}

void applyAppearance(Appearance appearance)
{
    const StartLook &start = startLook();
    switch (appearance) {
    case Appearance::System:
        if (QApplication::style()->name() != start.styleName)
            QApplication::setStyle(QStyleFactory::create(start.styleName));
        QApplication::setPalette(start.palette);
        break;
    case Appearance::Light:
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        QApplication::setPalette(QApplication::style()->standardPalette());
        break;
    case Appearance::Dark:
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        QApplication::setPalette(darkPalette());
        break;
    }
}

LookMenus::LookMenus(QMenu *helpMenu, const QString &settingsFile, IDialogs &dialogs,
                     QWidget *parent)
    : QObject(parent)
    , m_settingsFile(settingsFile)
    , m_dialogs(dialogs)
    , m_parent(parent)
{
    startLook();
    helpMenu->addSeparator();
    addLanguageMenu(helpMenu);
    addAppearanceMenu(helpMenu);
}

void LookMenus::addLanguageMenu(QMenu *helpMenu)
{
    QMenu *menu = helpMenu->addMenu(tr("&Language"));
    menu->setObjectName(QStringLiteral("mnuHelp_Language"));
    menu->menuAction()->setObjectName(QStringLiteral("mnuHelp_Language"));
    menu->menuAction()->setToolTip(tr("The language of the windows, from the next start"));
    auto *group = new QActionGroup(menu);
    const QString kept = settingOf(m_settingsFile, kLanguageKey);
    for (const LanguageChoice &choice : kLanguageChoices) {
        const QString code = fromUtf8(choice.code);
        QAction *item = menu->addAction(code.isEmpty() ? coreText(choice.caption)
                                                       : fromUtf8(choice.caption));
        item->setObjectName(QStringLiteral("mnuHelp_Language_") + (code.isEmpty() ? QStringLiteral("System") : code));
        item->setCheckable(true);
        item->setChecked(code == kept);
        group->addAction(item);
        connect(item, &QAction::triggered, this, [this, code] { chooseLanguage(code); });
    }
}

void LookMenus::addAppearanceMenu(QMenu *helpMenu)
{
    QMenu *menu = helpMenu->addMenu(tr("A&ppearance"));
    menu->setObjectName(QStringLiteral("mnuHelp_Appearance"));
    menu->menuAction()->setObjectName(QStringLiteral("mnuHelp_Appearance"));
    menu->menuAction()->setToolTip(tr("A light or dark look, or the desktop's"));
    auto *group = new QActionGroup(menu);
    const Appearance kept = keptAppearance(m_settingsFile);
    for (const AppearanceChoice &choice : kAppearanceChoices) {
        QAction *item = menu->addAction(coreText(choice.caption));
        item->setObjectName(QStringLiteral("mnuHelp_Appearance_") + fromUtf8(choice.caption));
        item->setCheckable(true);
        item->setChecked(choice.appearance == kept);
        group->addAction(item);
        connect(item, &QAction::triggered, this,
                [this, appearance = choice.appearance] { chooseAppearance(appearance); });
    }
}

void LookMenus::chooseLanguage(const QString &code)
{
    keepSetting(m_settingsFile, kLanguageKey, code);
    m_dialogs.message(m_parent, boxTitleText(BoxTitle::WithVersion),
                      tr("The windows speak the chosen language from the next start of Tarvello."),
                      IDialogs::Buttons::Ok, IDialogs::Icon::Information);
}

void LookMenus::chooseAppearance(Appearance appearance)
{
    for (const AppearanceChoice &choice : kAppearanceChoices) {
        if (choice.appearance == appearance)
            keepSetting(m_settingsFile, kAppearanceKey, fromUtf8(choice.caption));
    }
    applyAppearance(appearance);
}

} // namespace tarvello
