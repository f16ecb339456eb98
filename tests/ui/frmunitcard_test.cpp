// The unit card window: opened from the figure editor, its saved layout and
// style, the File commands, the clipboard copy and the printout's true size.

#include "card/cardimagebox.h"
#include "card/cardpicturebox.h"
#include "card/frmunitcard.h"
#include "figure/frmfigure.h"
#include "scripteddialogs.h"
#include "shell/frmmain.h"
#include "smalltables.h"

#include "rules/rulestables.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace tarvello;

using Kind = ScriptedDialogs::Kind;

class FrmUnitCardTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void init();
    void cleanup();

    void cardOfASavedFigureShowsItsLayoutAndStyle();
    void saveLayoutOfANeverSavedFigureWritesNothing();
    void closingAsksAboutTheStyleThenTheLayout();
    void editUndoTakesBackFontsAndMovesOfTheCard();
    void copyPlacesTheDrawnCardOnTheClipboard();
    void printedCardHasItsTrueSize();

private:
    QAction *action(const char *name) const
    {
        return m_main->findChild<QAction *>(QString::fromLatin1(name));
    }
    template<typename T>
    QList<T *> children() const
    {
        QList<T *> result;
        for (QMdiSubWindow *window : m_main->mdiArea()->subWindowList()) {
            if (auto *child = qobject_cast<T *>(window->widget()))
                result.append(child);
        }
        return result;
    }
    // The figure editor filled from a figure file of that content.
    frmFigure *openFigure(const QByteArray &content)
    {
        const QString path = m_folder.filePath(QStringLiteral("scout.tvf"));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return nullptr;
        file.write(content);
        file.close();
        m_dialogs.openFileAnswers.enqueue(path);
        action("mnuFile_Figure_Open")->trigger();
        return children<frmFigure>().value(0);
    }
    frmUnitCard *openCard(frmFigure *figure)
    {
        figure->findChild<QPushButton *>(QStringLiteral("btnCard"))->click();
        return children<frmUnitCard>().value(0);
    }
    static QString text(const QWidget *window, const char *name)
    {
        return window->findChild<QLineEdit *>(QString::fromLatin1(name))->text();
    }
    static void click(const QWidget *window, const char *name)
    {
        window->findChild<QPushButton *>(QString::fromLatin1(name))->click();
    }

    QTemporaryDir m_root;
    QDir m_folder;
    ScriptedDialogs m_dialogs;
    tarvello::RulesTables m_tables;
    AppContext m_context;
    frmMain *m_main = nullptr;
};

void FrmUnitCardTest::init()
{
    m_dialogs = ScriptedDialogs();
    m_tables = SmallRulesTables();
    m_folder = QDir(m_root.path());
    m_folder.mkdir(QTest::currentTestFunction());
    m_folder.cd(QTest::currentTestFunction());
    m_context = AppContext();
    m_context.dialogs = &m_dialogs;
    m_context.tables = &m_tables;
    m_context.programFolder = m_folder.path();
    m_main = new frmMain(m_context);
    m_main->setModalRunner([](QDialog &) {});
    m_main->show();
}

void FrmUnitCardTest::cleanup()
{
    for (QMdiSubWindow *window : m_main->mdiArea()->subWindowList()) {
        if (auto *child = qobject_cast<ChildWindow *>(window->widget()))
            child->setCloseApproved(true);
    }
    delete m_main;
}

void FrmUnitCardTest::cardOfASavedFigureShowsItsLayoutAndStyle()
{
    const QByteArray installed = QFontInfo(QApplication::font()).family().toLatin1();
    frmFigure *figure = openFigure(
        "[Figure]\r\ntxtFigureName=Scout\r\ntxtImageFile=scout.bmp\r\n"
        "[MeleeWeapon1]\r\nName=Sword\r\nMax Damage=6\r\nNotes=\r\n"
        "[CardLayout]\r\nHeight=900\r\nWidth=600\r\nLeft=1500\r\nTop=0\r\n"
        "[Style]\r\ntxtHeadingFontName=No Such Font Here\r\ntxtDataFontName=" + installed
        + "\r\ntxtDataFontSize=11\r\nchkDataFontItalic=1\r\n"
          "[ImageProperties]\r\nWidth=2\r\nHeight=2\r\n[ImagePixels]\r\n0_0=255\r\n1_0=255\r\n"
          "0_1=255\r\n1_1=255\r\n");
    QVERIFY(figure);
    m_dialogs.clearCalls();
    frmUnitCard *card = openCard(figure);
    QVERIFY(card);
    QCOMPARE(card->windowTitle(), QStringLiteral("Unit Card: Scout"));
    const QString defaultFont = QFontInfo(card->findChild<CardPictureBox *>(QStringLiteral("picCard"))->font()).family();
    QCOMPARE(m_dialogs.messageTexts(),
             QStringList{QStringLiteral("The font specified (No Such Font Here) in the style does "
                                        "not exist on this computer.%1 has been selected instead.")
                             .arg(defaultFont)});
    QCOMPARE(text(card, "txtHeadingFontName"), defaultFont);
    QCOMPARE(text(card, "txtDataFontSize"), QStringLiteral("11"));
    QVERIFY(card->findChild<QCheckBox *>(QStringLiteral("chkDataFontItalic"))->isChecked());
    // Left and size from the file; a top of 0 keeps the initial 360 twips.
    const double perTwip = card->logicalDpiX() / 1440.0;
    QCOMPARE(card->imgFigure->geometry(),
             QRect(qRound(1500 * perTwip), qRound(360 * perTwip), qRound(600 * perTwip),
                   qRound(900 * perTwip)));
    const QImage drawn = card->cardImage();
    QCOMPARE(drawn.pixelColor(card->imgFigure->geometry().center()), QColor(Qt::red));
    // "+" and the position scroll bar move the picture on the card.
    click(card, "btnGrow");
    card->findChild<QScrollBar *>(QStringLiteral("scrTop"))->setValue(1000);
    QCOMPARE(card->imgFigure->geometry(),
             QRect(qRound(1500 * perTwip), qRound(1000 * perTwip), qRound(660 * perTwip),
                   qRound(990 * perTwip)));
}

void FrmUnitCardTest::saveLayoutOfANeverSavedFigureWritesNothing()
{
    action("mnuFile_Figure_New")->trigger();
    frmUnitCard *card = openCard(children<frmFigure>().value(0));
    QVERIFY(card);
    click(card, "btnSaveLayout");
    action("mnuFile_Save")->trigger();
    const QString notice = QStringLiteral("Unit must be saved first in order to save layout data!");
    QCOMPARE(m_dialogs.messageTexts(), (QStringList{notice, notice}));
    QCOMPARE(m_dialogs.calls.at(0).icon, IDialogs::Icon::Exclamation);
    QVERIFY(m_folder.entryList(QDir::Files).isEmpty());
    QVERIFY(card->model().LayoutChanged());
    // The style frame shows once "Show Design" widens the window.
    QVERIFY(!card->findChild<QWidget *>(QStringLiteral("fraStyle"))->isVisible());
    click(card, "btnShowStyle");
    QVERIFY(card->findChild<QWidget *>(QStringLiteral("fraStyle"))->isVisible());
}

void FrmUnitCardTest::closingAsksAboutTheStyleThenTheLayout()
{
    action("mnuFile_Figure_New")->trigger();
    frmUnitCard *card = openCard(children<frmFigure>().value(0));
    QFont chosen = QApplication::font();
    chosen.setPointSize(12);
    m_dialogs.fontAnswers.enqueue(chosen);
    click(card, "btnDataFont");
    QCOMPARE(text(card, "txtDataFontSize"), QStringLiteral("12"));
    m_dialogs.clearCalls();
    // Cancel on the style question still asks about the layout; the window stays.
    m_dialogs.messageAnswers << IDialogs::Answer::Cancel << IDialogs::Answer::No;
    QVERIFY(!card->QueryClose());
    const QStringList questions{QStringLiteral("Style changes not saved!\r\nSave them now?"),
                                QStringLiteral("Layout changes not saved!\r\nSave them now?")};
    QCOMPARE(m_dialogs.messageTexts(), questions);
    // Yes saves the style to the chosen file.
    m_dialogs.clearCalls();
    const QString style = m_folder.filePath(QStringLiteral("card.tvs"));
    m_dialogs.messageAnswers << IDialogs::Answer::Yes << IDialogs::Answer::No;
    m_dialogs.saveFileAnswers.enqueue(style);
    QVERIFY(card->QueryClose());
    QCOMPARE(m_dialogs.messageTexts(), questions);
    QCOMPARE(m_dialogs.callsOf(Kind::SaveFile).at(0).proposedName, QStringLiteral(".tvs"));
    QVERIFY(QFile::exists(style));
}

void FrmUnitCardTest::editUndoTakesBackFontsAndMovesOfTheCard()
{
    action("mnuFile_Figure_New")->trigger();
    frmUnitCard *card = openCard(children<frmFigure>().value(0));
    QFont chosen = QApplication::font();
    chosen.setPointSize(12);
    m_dialogs.fontAnswers.enqueue(chosen);
    click(card, "btnDataFont");
    auto *top = card->findChild<QScrollBar *>(QStringLiteral("scrTop"));
    const int opened = top->value();
    top->setValue(1000);
    QAction *undo = action("mnuEdit_Undo");
    QAction *redo = action("mnuEdit_Redo");
    QCOMPARE(undo->text(), QStringLiteral("&Undo Move Picture"));
    undo->trigger();
    QCOMPARE(top->value(), opened);
    QCOMPARE(undo->text(), QStringLiteral("&Undo Change Data Font"));
    undo->trigger();
    QCOMPARE(text(card, "txtDataFontSize"), QStringLiteral("8"));
    QVERIFY(!undo->isEnabled());
    redo->trigger();
    QCOMPARE(text(card, "txtDataFontSize"), QStringLiteral("12"));
    QVERIFY(card->model().StyleChanged());
}

void FrmUnitCardTest::copyPlacesTheDrawnCardOnTheClipboard()
{
    action("mnuFile_Figure_New")->trigger();
    frmUnitCard *card = openCard(children<frmFigure>().value(0));
    click(card, "btnCopyToClipboard");
    const QImage copied = QApplication::clipboard()->image();
    QCOMPARE(copied.size(), card->findChild<CardPictureBox *>(QStringLiteral("picCard"))->size());
    QCOMPARE(copied.convertToFormat(QImage::Format_RGB32), card->cardImage());
    QVERIFY(m_dialogs.calls.isEmpty());
}

void FrmUnitCardTest::printedCardHasItsTrueSize()
{
    const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    if (pdftoppm.isEmpty())
        QSKIP("pdftoppm is not installed");
    action("mnuFile_Figure_New")->trigger();
    QVERIFY(openCard(children<frmFigure>().value(0)));
    const QString pdf = m_folder.filePath(QStringLiteral("card.pdf"));
    m_main->printer()->setOutputFormat(QPrinter::PdfFormat);
    m_main->printer()->setOutputFileName(pdf);
    m_dialogs.printerSetupAnswers.enqueue(true);
    action("mnuFile_Print")->trigger();
    QVERIFY(QFile::exists(pdf));
    // At 254 dots per inch a centimetre is 100 pixels.
    const QString png = m_folder.filePath(QStringLiteral("card"));
    QCOMPARE(QProcess::execute(pdftoppm, {QStringLiteral("-r"), QStringLiteral("254"),
                                          QStringLiteral("-png"), QStringLiteral("-singlefile"),
                                          pdf, png}),
             0);
    const QImage page(png + QStringLiteral(".png"));
    QVERIFY(!page.isNull());
    QRect dark;
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x) {
            if (qGray(page.pixel(x, y)) < 128)
                dark |= QRect(x, y, 1, 1);
        }
    }
    QVERIFY2(qAbs(dark.width() - 600) <= 2, qPrintable(QString::number(dark.width())));
    QVERIFY2(qAbs(dark.height() - 840) <= 2, qPrintable(QString::number(dark.height())));
}

QTEST_MAIN(FrmUnitCardTest)
#include "frmunitcard_test.moc"
