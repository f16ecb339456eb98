#include "scripteddialogs.h"
#include "widgetfind.h"

#include "platform/layoutmgr.h"
#include "rules/rulestables.h"
#include "shell/appcontext.h"
#include "shell/frmmain.h"
#include "shell/frmreadme.h"
#include "shell/frmsplash.h"

#include <QApplication>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>

namespace {

void WriteFile(const QString &path, const QByteArray &bytes)
{
    QFile out(path);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write(bytes);
}

} // namespace

class FrmSplashReadmeTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void splashClosesOnCharacterKey_data();
    void splashClosesOnCharacterKey();
    void splashIgnoresOtherKeys_data();
    void splashIgnoresOtherKeys();
    void splashClosesOnFrameClick();
    void splashIgnoresCloseRequest();

    void readmeShowsEveryLineEndedByLineBreak();
    void readmeConvertsWindows1252();
    void emptyReadmeShowsEmptyBoxWithoutMessage();
    void missingReadmeShowsMessage();
    void readmeTwiceGivesOneWindowReadOnce();

private:
    QString readmePath() const { return m_folder->path() + QStringLiteral("/readme.txt"); }
    frmReadme *openReadme();

    std::unique_ptr<QTemporaryDir> m_folder;
    ScriptedDialogs *m_dialogs = nullptr;
    tarvello::RulesTables *m_tables = nullptr;
    AppContext m_context;
    frmMain *m_main = nullptr;
    frmSplash *m_splash = nullptr;
};

void FrmSplashReadmeTest::initTestCase()
{
    QApplication::setQuitOnLastWindowClosed(false);
}

void FrmSplashReadmeTest::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    QVERIFY(m_folder->isValid());
    m_dialogs = new ScriptedDialogs;
    m_tables = new tarvello::RulesTables;
    m_context = AppContext{m_dialogs, m_tables, m_folder->path()};
    m_main = new frmMain(m_context);
    m_main->setModalRunner([](QDialog &) {});
    m_main->resize(1000, 800);
    m_main->show();
    m_splash = new frmSplash;
}

void FrmSplashReadmeTest::cleanup()
{
    delete m_splash;
    delete m_main;
    delete m_tables;
    delete m_dialogs;
    m_folder.reset();
}

frmReadme *FrmSplashReadmeTest::openReadme()
{
    FindNamed<QAction>(m_main, QStringLiteral("mnuHelp_Readme"))->trigger();
    return FindNamed<frmReadme>(m_main, QStringLiteral("frmReadme"));
}

void FrmSplashReadmeTest::splashClosesOnCharacterKey_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("text");
    QTest::newRow("letter") << int(Qt::Key_A) << "a";
    QTest::newRow("escape") << int(Qt::Key_Escape) << "\x1b";
}

void FrmSplashReadmeTest::splashClosesOnCharacterKey()
{
    QFETCH(int, key);
    QFETCH(QString, text);
    m_splash->show();
    QVERIFY(m_splash->isVisible());
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(m_splash, &press);
    QVERIFY(!m_splash->isVisible());
    QCOMPARE(m_splash->result(), int(QDialog::Accepted));
}

void FrmSplashReadmeTest::splashIgnoresOtherKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("shift") << int(Qt::Key_Shift);
    QTest::newRow("arrow") << int(Qt::Key_Left);
}

void FrmSplashReadmeTest::splashIgnoresOtherKeys()
{
    QFETCH(int, key);
    m_splash->show();
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString());
    QApplication::sendEvent(m_splash, &press);
    QVERIFY(m_splash->isVisible());
}

void FrmSplashReadmeTest::splashClosesOnFrameClick()
{
    m_splash->show();
    QTest::mouseClick(m_splash->Frame1, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QVERIFY(!m_splash->isVisible());

    // A click on a caption inside the frame is a click on the frame.
    m_splash->show();
    QVERIFY(m_splash->isVisible());
    QTest::mouseClick(m_splash->lblProductName, Qt::LeftButton);
    QVERIFY(!m_splash->isVisible());
}

void FrmSplashReadmeTest::splashIgnoresCloseRequest()
{
    m_splash->show();
    QVERIFY(!m_splash->close());
    QVERIFY(m_splash->isVisible());
}

void FrmSplashReadmeTest::readmeShowsEveryLineEndedByLineBreak()
{
    // Lines end with CR LF or a lone LF; the last one has no end.
    WriteFile(readmePath(), "First line\r\nSecond  line\nThird line");
    frmReadme *readme = openReadme();
    QCOMPARE(readme->txtHelp->toPlainText(), QStringLiteral("First line\nSecond  line\nThird line\n"));
    QCOMPARE(readme->txtHelp->document()->blockCount(), 4);
    QVERIFY(m_dialogs->calls.isEmpty());
}

void FrmSplashReadmeTest::readmeConvertsWindows1252()
{
    WriteFile(readmePath(), "Caf\xe9 5\r\n");
    frmReadme *readme = openReadme();
    QCOMPARE(readme->txtHelp->toPlainText(), QString::fromUtf8("Caf\u00e9 5\n"));
}

void FrmSplashReadmeTest::emptyReadmeShowsEmptyBoxWithoutMessage()
{
    WriteFile(readmePath(), QByteArray());
    frmReadme *readme = openReadme();
    QVERIFY(readme);
    QVERIFY(readme->txtHelp->toPlainText().isEmpty());
    QVERIFY(m_dialogs->calls.isEmpty());
}

void FrmSplashReadmeTest::missingReadmeShowsMessage()
{
    frmReadme *readme = openReadme();
    QCOMPARE(m_dialogs->calls.size(), 1);
    const ScriptedDialogs::Call box = m_dialogs->calls.at(0);
    QCOMPARE(box.kind, ScriptedDialogs::Kind::Message);
    QCOMPARE(box.title, QStringLiteral("Tarvello 1.0.0"));
    QCOMPARE(box.text, QStringLiteral("Error loading readme file!File not found"));
    QCOMPARE(box.buttons, IDialogs::Buttons::Ok);
    QCOMPARE(box.icon, IDialogs::Icon::Exclamation);
    // The window stays open, empty.
    QVERIFY(readme && readme->isVisible());
    QVERIFY(readme->txtHelp->toPlainText().isEmpty());
}

void FrmSplashReadmeTest::readmeTwiceGivesOneWindowReadOnce()
{
    WriteFile(readmePath(), "old text\r\n");
    frmReadme *first = openReadme();
    WriteFile(readmePath(), "new text\r\n");
    frmReadme *second = openReadme();
    QCOMPARE(second, first);
    QCOMPARE(m_main->findChildren<frmReadme *>().size(), 1);
    QCOMPARE(m_main->mdiArea()->subWindowList().size(), 1);
    QCOMPARE(first->txtHelp->toPlainText(), QStringLiteral("old text\n"));
    QCOMPARE(m_main->mdiArea()->activeSubWindow()->widget(), first);

    // Once closed, the next Help, Readme opens a fresh window.
    QPointer<frmReadme> closed = first;
    m_main->mdiArea()->closeAllSubWindows();
    QTRY_VERIFY(!closed);
    frmReadme *third = openReadme();
    QVERIFY(third);
    QCOMPARE(third->txtHelp->toPlainText(), QStringLiteral("new text\n"));
}

QTEST_MAIN(FrmSplashReadmeTest)
#include "frmsplash_readme_test.moc"
