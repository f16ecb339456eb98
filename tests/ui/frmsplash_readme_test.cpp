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
#include <QScreen>
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

    void splashTextsWhenOpened();
    void splashFonts_data();
    void splashFonts();
    void splashPicturesAreDrawn();
    void splashClosesOnCharacterKey_data();
    void splashClosesOnCharacterKey();
    void splashIgnoresOtherKeys_data();
    void splashIgnoresOtherKeys();
    void splashClosesOnFrameClick();
    void splashStaysOnClickOutsideFrame();
    void splashIgnoresCloseRequest();
    void aboutShowsSplashModally();

    void readmeCaptionAndBox();
    void readmeShowsEveryLineEndedByLineBreak();
    void readmeConvertsWindows1252();
    void emptyReadmeShowsEmptyBoxWithoutMessage();
    void missingReadmeShowsMessage();
    void readmeTwiceGivesOneWindowReadOnce();
    void readmeArrangesAndFollowsWindowSize();

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
    m_context = AppContext{m_dialogs, m_tables, m_folder->path(), {}, nullptr,
                           m_folder->filePath(QStringLiteral("tarvello.conf"))};
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

void FrmSplashReadmeTest::splashTextsWhenOpened()
{
    QCOMPARE(m_splash->objectName(), QStringLiteral("frmSplash"));
    m_splash->show();
    QCOMPARE(m_splash->lblProductName->text(), QStringLiteral("Tarvello"));
    QCOMPARE(m_splash->lblCompanyProduct->text(), QStringLiteral("Quorvane Development presents"));
    QCOMPARE(m_splash->lblVersion->text(), QStringLiteral("Version 1.0.0"));
    QCOMPARE(m_splash->lblCopyright->text(),
             QStringLiteral("Copyright (C) 2026 Quorvane Development. All rights reserved."));
    QVERIFY(!m_splash->lblRulesCredit->text().isEmpty());
    QCOMPARE(m_splash->Label1->text(), QStringLiteral("Press any key to continue..."));
    // Every named control lies inside the frame.
    for (const char *name : {"imgLogo", "Image1", "lblProductName", "lblCompanyProduct",
                             "lblVersion", "lblCopyright", "lblRulesCredit", "Label1"}) {
        QWidget *control = FindNamed<QWidget>(m_splash, QLatin1String(name));
        QVERIFY2(control, name);
        QCOMPARE(control->parentWidget(), m_splash->Frame1);
        QVERIFY2(control->isVisible(), name);
    }
}

void FrmSplashReadmeTest::splashFonts_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<double>("points");
    QTest::addColumn<bool>("bold");
    QTest::newRow("product") << "lblProductName" << 36.0 << true;
    QTest::newRow("company") << "lblCompanyProduct" << 18.0 << true;
    QTest::newRow("version") << "lblVersion" << 12.0 << true;
    QTest::newRow("rights") << "lblCopyright" << 8.25 << false;
}

void FrmSplashReadmeTest::splashFonts()
{
    QFETCH(QString, label);
    QFETCH(double, points);
    QFETCH(bool, bold);
    const QFont font = FindNamed<QLabel>(m_splash, label)->font();
    QCOMPARE(font.family(), QStringLiteral("Arial"));
    QCOMPARE(font.pointSizeF(), points);
    QCOMPARE(font.bold(), bold);
    QVERIFY(!font.italic());
}

void FrmSplashReadmeTest::splashPicturesAreDrawn()
{
    for (QLabel *picture : {m_splash->imgLogo, m_splash->Image1}) {
        const QImage image = picture->pixmap().toImage();
        QVERIFY(!image.isNull());
        // Something was painted: the picture is not one flat colour.
        QSet<QRgb> colours;
        for (int y = 0; y < image.height(); y += 4)
            for (int x = 0; x < image.width(); x += 4)
                colours.insert(image.pixel(x, y));
        QVERIFY(colours.size() > 3);
    }
}

void FrmSplashReadmeTest::splashClosesOnCharacterKey_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("text");
    QTest::newRow("letter") << int(Qt::Key_A) << "a";
    QTest::newRow("digit") << int(Qt::Key_7) << "7";
    QTest::newRow("space") << int(Qt::Key_Space) << " ";
    QTest::newRow("enter") << int(Qt::Key_Return) << "\r";
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
    QTest::newRow("control") << int(Qt::Key_Control);
    QTest::newRow("arrow") << int(Qt::Key_Left);
    QTest::newRow("function key") << int(Qt::Key_F1);
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

void FrmSplashReadmeTest::splashStaysOnClickOutsideFrame()
{
    m_splash->show();
    const QPoint outside(2, 2);
    QVERIFY(!m_splash->Frame1->geometry().contains(outside));
    QTest::mouseClick(m_splash, Qt::LeftButton, Qt::NoModifier, outside);
    QVERIFY(m_splash->isVisible());
}

void FrmSplashReadmeTest::splashIgnoresCloseRequest()
{
    m_splash->show();
    QVERIFY(!m_splash->close());
    QVERIFY(m_splash->isVisible());
}

void FrmSplashReadmeTest::aboutShowsSplashModally()
{
    QStringList shown;
    m_main->setModalRunner([&shown](QDialog &dialog) {
        shown.append(dialog.objectName());
        QVERIFY(dialog.isModal());
    });
    FindNamed<QAction>(m_main, QStringLiteral("mnuHelp_About"))->trigger();
    FindNamed<QAction>(m_main, QStringLiteral("mnuHelp_About"))->trigger();
    QCOMPARE(shown, QStringList({"frmSplash", "frmSplash"}));
    // The about box is gone once closed.
    QVERIFY(!FindNamed<frmSplash>(m_main, QStringLiteral("frmSplash")));
}

void FrmSplashReadmeTest::readmeCaptionAndBox()
{
    WriteFile(readmePath(), "x\r\n");
    frmReadme *readme = openReadme();
    QVERIFY(readme);
    QCOMPARE(readme->windowTitle(), QStringLiteral("Tarvello 1.0.0 Readme.txt"));
    QPlainTextEdit *box = FindNamed<QPlainTextEdit>(readme, QStringLiteral("txtHelp"));
    QCOMPARE(box, readme->txtHelp);
    QVERIFY(box->isReadOnly());
    QCOMPARE(box->lineWrapMode(), QPlainTextEdit::NoWrap);
    QCOMPARE(box->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(box->pos(), QPoint(0, 0));
    QVERIFY(FindNamed<LayoutMgr>(readme, QStringLiteral("lmgReadme")));
    QVERIFY(box->isVisible());
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
    WriteFile(readmePath(), "Caf\xe9 \x80 5\r\n");
    frmReadme *readme = openReadme();
    QCOMPARE(readme->txtHelp->toPlainText(), QString::fromUtf8("Caf\u00e9 \u20ac 5\n"));
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

void FrmSplashReadmeTest::readmeArrangesAndFollowsWindowSize()
{
    WriteFile(readmePath(), "a\r\n");
    frmReadme *readme = openReadme();
    auto *frame = qobject_cast<QMdiSubWindow *>(readme->parentWidget());
    QVERIFY(frame);
    const QScreen *screen = frame->screen();
    const QSize arranged(qRound(6855 * screen->logicalDotsPerInchX() / 1440.0),
                         qRound(6900 * screen->logicalDotsPerInchY() / 1440.0));
    QCOMPARE(frame->size(), arranged);
    QCOMPARE(readme->txtHelp->geometry(), readme->rect());

    frame->resize(arranged + QSize(120, -60));
    QCOMPARE(readme->txtHelp->pos(), QPoint(0, 0));
    QCOMPARE(readme->txtHelp->size(), readme->size());

    frame->resize(300, 200);
    readme->Arrange();
    QCOMPARE(frame->size(), arranged);
    QCOMPARE(readme->txtHelp->geometry(), readme->rect());
}

QTEST_MAIN(FrmSplashReadmeTest)
#include "frmsplash_readme_test.moc"
