// The unit card window: opened from the figure editor, its saved layout and
// style, the File commands, the clipboard copy and the printout's true size.

#include "card/cardpicturebox.h"
#include "card/frmunitcard.h"
#include "figure/frmfigure.h"
#include "windowtest.h"

#include <QCheckBox>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QFontInfo>
#include <QScrollBar>
#include <QStandardPaths>

#include <functional>

using namespace tarvello;

// A saved scout with a sword and a red picture of 2 x 2 pixels, laid out at
// left 1500 (top not set) in 600 x 900 twips.
const QByteArray kScoutWithPicture =
    "[Figure]\r\ntxtFigureName=Scout\r\ntxtImageFile=scout.bmp\r\n"
    "[MeleeWeapon1]\r\nName=Sword\r\nMax Damage=6\r\nNotes=\r\n"
    "[CardLayout]\r\nHeight=900\r\nWidth=600\r\nLeft=1500\r\nTop=0\r\n"
    "[ImageProperties]\r\nWidth=2\r\nHeight=2\r\n[ImagePixels]\r\n0_0=255\r\n1_0=255\r\n"
    "0_1=255\r\n1_1=255\r\n";

class FrmUnitCardTest : public QObject, public WindowTest
{
    Q_OBJECT

    // The figure editor filled from a figure file of that content.
    frmFigure *openFigure(const QByteArray &content)
    {
        WriteBytes(tempPath(QStringLiteral("scout.tvf")), content);
        m_dialogs.openFileAnswers.enqueue(tempPath(QStringLiteral("scout.tvf")));
        action("mnuFile_Figure_Open")->trigger();
        return windowsOf<frmFigure>().value(0);
    }
    // The scroll bars' values.
    static QPoint scrollValues(frmUnitCard *card)
    {
        return {card->findChild<QScrollBar *>(QStringLiteral("scrLeft"))->value(),
                card->findChild<QScrollBar *>(QStringLiteral("scrTop"))->value()};
    }
    frmUnitCard *openCard(frmFigure *figure)
    {
        ClickButton(figure, "btnCard");
        return windowsOf<frmUnitCard>().value(0);
    }

    // The card of a new figure, its data font changed to 12 points.
    frmUnitCard *newCardWithDataFontOf12()
    {
        action("mnuFile_Figure_New")->trigger();
        frmUnitCard *card = openCard(windowsOf<frmFigure>().value(0));
        QFont chosen = QApplication::font();
        chosen.setPointSize(12);
        m_dialogs.fontAnswers.enqueue(chosen);
        ClickButton(card, "btnDataFont");
        return card;
    }

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void init() { startMain(); }
    void cleanup() { stopMain(); }

    void cardOfASavedFigureShowsItsLayoutAndStyle()
    {
        const QByteArray installed = QFontInfo(QApplication::font()).family().toLatin1();
        frmFigure *figure = openFigure(
            kScoutWithPicture + "[Style]\r\ntxtHeadingFontName=No Such Font Here\r\ntxtDataFontName="
            + installed + "\r\ntxtDataFontSize=11\r\nchkDataFontItalic=1\r\n");
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
        QCOMPARE(TextOf(card, "txtHeadingFontName"), defaultFont);
        QCOMPARE(TextOf(card, "txtDataFontSize"), QStringLiteral("11"));
        QVERIFY(card->findChild<QCheckBox *>(QStringLiteral("chkDataFontItalic"))->isChecked());
        // Left and size from the file; a top of 0 keeps the initial 360 twips;
        // the scroll bars stand there.
        QCOMPARE(card->model().image(), (CardRect{1500, 360, 600, 900}));
        QCOMPARE(scrollValues(card), QPoint(1500, 360));
        // The picture lies under the texts: its centre (1800, 810) at 15 twips a pixel.
        QCOMPARE(card->cardImage().pixelColor(120, 54), QColor(Qt::red));
        // "+" and the position scroll bar move the picture on the card.
        ClickButton(card, "btnGrow");
        card->findChild<QScrollBar *>(QStringLiteral("scrTop"))->setValue(1000);
        QCOMPARE(card->model().image(), (CardRect{1500, 1000, 660, 990}));
        // Closing it asks about the layout only.
        m_dialogs.clearCalls();
        QVERIFY(!card->queryClose());
        QCOMPARE(m_dialogs.messageTexts(),
                 QStringList{QStringLiteral("Layout changes not saved!\r\nSave them now?")});
    }

    // Opening a card, zooming it and copying it change nothing: it closes
    // without a question.
    void anUntouchedCardClosesWithoutAQuestion()
    {
        frmUnitCard *card = openCard(openFigure(kScoutWithPicture));
        QVERIFY(card);
        card->findChild<QComboBox *>(QStringLiteral("cboZoom"))->setCurrentIndex(3);
        ClickButton(card, "btnCopyToClipboard");
        m_dialogs.clearCalls();
        QVERIFY(card->queryClose());
        QVERIFY(m_dialogs.calls.isEmpty());
    }

    // A name too long for the card even at 6 points: said once, when the card
    // opens, not at each redrawing.
    void aCardTooFullToFitSaysSoOnce()
    {
        frmFigure *figure = openFigure("[Figure]\r\ntxtFigureName=" + QByteArray(90, 'W') + "\r\n");
        QVERIFY(figure);
        m_dialogs.clearCalls();
        frmUnitCard *card = openCard(figure);
        ClickButton(card, "btnGrow");
        QCOMPARE(m_dialogs.count(Kind::Message), 1);
        QVERIFY(m_dialogs.messageTexts().value(0).contains(QStringLiteral("too full")));
    }

    // The picture dragged with the mouse, nudged with the arrow keys and
    // sized with Ctrl and the wheel: each a layout change and one undo step.
    void thePictureIsMovedByHand()
    {
        frmUnitCard *card = openCard(openFigure(kScoutWithPicture));
        QVERIFY(card);
        auto *box = card->findChild<CardPictureBox *>(QStringLiteral("picCard"));
        const double perTwip = box->pixelsPerTwip();
        const QPointF centre(1800 * perTwip, 810 * perTwip);
        const auto mouse = [box](QEvent::Type type, QPointF at) {
            const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton
                                                                            : Qt::LeftButton;
            QMouseEvent event(type, at, box->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
            QApplication::sendEvent(box, &event);
        };
        mouse(QEvent::MouseButtonPress, centre);
        mouse(QEvent::MouseMove, centre + QPointF(10, 5));
        mouse(QEvent::MouseMove, centre + QPointF(20, 10));
        mouse(QEvent::MouseButtonRelease, centre + QPointF(20, 10));
        const CardRect dragged{1500 + qRound(20 / perTwip), 360 + qRound(10 / perTwip), 600, 900};
        QCOMPARE(card->model().image(), dragged);
        QCOMPARE(scrollValues(card), QPoint(dragged.Left, dragged.Top));
        QVERIFY(card->model().LayoutChanged());

        box->setFocus();
        QTest::keyClick(box, Qt::Key_Left);
        QTest::keyClick(box, Qt::Key_Down, Qt::ShiftModifier);
        QCOMPARE(card->model().image(), (CardRect{dragged.Left - 25, dragged.Top + 100, 600, 900}));
        QWheelEvent wheel(QPointF(5, 5), box->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, 120),
                          Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(box, &wheel);
        QCOMPARE(card->model().image().Width, 660);

        QAction *undo = action("mnuEdit_Undo");
        const QList<CardRect> before{{dragged.Left - 25, dragged.Top + 100, 600, 900},
                                     {dragged.Left - 25, dragged.Top, 600, 900}, dragged,
                                     {1500, 360, 600, 900}};
        for (const CardRect &expected : before) {
            undo->trigger();
            QCOMPARE(card->model().image(), expected);
        }
        QVERIFY(!undo->isEnabled());
        QVERIFY(!card->model().LayoutChanged());
        QCOMPARE(scrollValues(card), QPoint(1500, 360));
    }

    // "+" and "-" (Plus or Equal, Minus; main keyboard or keypad) on the
    // focused card size the picture as the buttons do, one step each; typed
    // into a style box they are text.
    void plusAndMinusSizeThePictureOnTheFocusedCard()
    {
        frmUnitCard *card = openCard(openFigure(kScoutWithPicture));
        QVERIFY(card);
        auto *box = card->findChild<CardPictureBox *>(QStringLiteral("picCard"));
        box->setFocus();
        const struct { Qt::Key key; Qt::KeyboardModifiers held; int width; } keys[] = {
            {Qt::Key_Plus, Qt::ShiftModifier, 660}, {Qt::Key_Equal, Qt::NoModifier, 726},
            {Qt::Key_Minus, Qt::NoModifier, 653}, {Qt::Key_Plus, Qt::KeypadModifier, 718},
            {Qt::Key_Minus, Qt::KeypadModifier, 646}};
        for (const auto &k : keys) {
            QTest::keyClick(box, k.key, k.held);
            QCOMPARE(card->model().image().Width, k.width);
        }
        for (int step = 0; step < 5; ++step)
            action("mnuEdit_Undo")->trigger();
        QCOMPARE(card->model().image().Width, 600);
        QVERIFY(!action("mnuEdit_Undo")->isEnabled());
        auto *size = card->findChild<QLineEdit *>(QStringLiteral("txtDataFontSize"));
        size->setFocus();
        QTest::keyClick(size, Qt::Key_Minus);
        QTest::keyClick(size, Qt::Key_Plus, Qt::KeypadModifier);
        QCOMPARE(size->text(), QStringLiteral("8-+"));
        QCOMPARE(card->model().image().Width, 600);
    }

    // Every change of the style shows on the card at once, as a fresh
    // drawing of it shows it.
    void aStyleChangeRedrawsTheCardAtOnce()
    {
        frmUnitCard *card = openCard(openFigure(kScoutWithPicture));
        QVERIFY(card);
        auto *box = card->findChild<CardPictureBox *>(QStringLiteral("picCard"));
        const auto click = [card](const char *name) {
            return [card, name] { card->findChild<QCheckBox *>(QLatin1String(name))->click(); };
        };
        const auto type = [card](const char *name, const char *text) {
            return [card, name, text] {
                auto *field = card->findChild<QLineEdit *>(QLatin1String(name));
                field->selectAll();
                QTest::keyClicks(field, QLatin1String(text));
            };
        };
        const std::function<void()> changes[] = {
            click("chkHeadingFontItalic"), click("chkHeadingFontItalic"),
            click("chkDataFontBold"), type("txtHeadingFontSize", "20"),
            type("txtDataFontName", "Monospace")};
        for (const auto &change : changes) {
            const QImage before = box->image();
            change();
            QVERIFY(box->image() != before);
            QCOMPARE(box->image(), card->cardImage());
        }
    }

    // Maximised, the design button hides and shows the design in place: the
    // window stays maximised and the card keeps its area.
    void theMaximisedCardHidesAndShowsItsDesignInPlace()
    {
        action("mnuFile_Figure_New")->trigger();
        frmUnitCard *card = openCard(windowsOf<frmFigure>().value(0));
        QVERIFY(card);
        auto *frame = qobject_cast<QMdiSubWindow *>(card->parentWidget());
        frame->showMaximized();
        QApplication::processEvents();
        auto *button = card->findChild<QPushButton *>(QStringLiteral("btnShowStyle"));
        auto *design = card->findChild<QWidget *>(QStringLiteral("fraStyle"));
        const QWidget *cardArea = card->findChild<QWidget *>(QStringLiteral("picCardView"));
        QVERIFY(design->isVisible());
        QCOMPARE(button->text(), QStringLiteral("Hide Design"));
        const QRect outer = frame->geometry();
        const QRect area = cardArea->geometry();
        for (const bool shown : {false, true}) {
            button->click();
            QApplication::processEvents();
            QCOMPARE(design->isVisible(), shown);
            QCOMPARE(button->text(), shown ? QStringLiteral("Hide Design") : QStringLiteral("Show Design"));
            QVERIFY(frame->isMaximized());
            QCOMPARE(frame->geometry(), outer);
            QCOMPARE(cardArea->geometry(), area);
        }
    }

    void saveLayoutOfANeverSavedFigureWritesNothing()
    {
        action("mnuFile_Figure_New")->trigger();
        frmUnitCard *card = openCard(windowsOf<frmFigure>().value(0));
        QVERIFY(card);
        ClickButton(card, "btnSaveLayout");
        action("mnuFile_Save")->trigger();
        const QString notice = QStringLiteral("Unit must be saved first in order to save layout data!");
        QCOMPARE(m_dialogs.messageTexts(), (QStringList{notice, notice}));
        QCOMPARE(m_dialogs.calls.at(0).icon, IDialogs::Icon::Exclamation);
        QVERIFY(QDir(m_folder->path()).isEmpty());
        // The style frame shows once "Show Design" widens the window.
        QVERIFY(!card->findChild<QWidget *>(QStringLiteral("fraStyle"))->isVisible());
        ClickButton(card, "btnShowStyle");
        QVERIFY(card->findChild<QWidget *>(QStringLiteral("fraStyle"))->isVisible());
    }

    void closingAsksAboutTheStyleThenTheLayout()
    {
        frmUnitCard *card = newCardWithDataFontOf12();
        QCOMPARE(TextOf(card, "txtDataFontSize"), QStringLiteral("12"));
        ClickButton(card, "btnGrow");
        m_dialogs.clearCalls();
        // Cancel on the style question still asks about the layout; the window stays.
        m_dialogs.messageAnswers << IDialogs::Answer::Cancel << IDialogs::Answer::No;
        QVERIFY(!card->queryClose());
        const QStringList questions{QStringLiteral("Style changes not saved!\r\nSave them now?"),
                                    QStringLiteral("Layout changes not saved!\r\nSave them now?")};
        QCOMPARE(m_dialogs.messageTexts(), questions);
        // Yes saves the style to the chosen file.
        m_dialogs.clearCalls();
        const QString style = tempPath(QStringLiteral("card.tvs"));
        m_dialogs.messageAnswers << IDialogs::Answer::Yes << IDialogs::Answer::No;
        m_dialogs.saveFileAnswers.enqueue(style);
        QVERIFY(card->queryClose());
        QCOMPARE(m_dialogs.messageTexts(), questions);
        QCOMPARE(m_dialogs.callsOf(Kind::SaveFile).at(0).proposedName, QStringLiteral(".tvs"));
        QVERIFY(QFile::exists(style));
    }

    void editUndoTakesBackFontsAndMovesOfTheCard()
    {
        frmUnitCard *card = newCardWithDataFontOf12();
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
        QCOMPARE(TextOf(card, "txtDataFontSize"), QStringLiteral("8"));
        QVERIFY(!undo->isEnabled());
        redo->trigger();
        QCOMPARE(TextOf(card, "txtDataFontSize"), QStringLiteral("12"));
        QVERIFY(card->model().StyleChanged());
    }

    // The clipboard gets the card at 6 x 8.4 cm at 96 dpi, whatever the
    // zoom; Save as Image writes the printed card as a 300 dpi PNG or a PDF.
    void copyAndSaveAsImageTakeTheCardAtItsTrueSize()
    {
        action("mnuFile_Figure_New")->trigger();
        frmUnitCard *card = openCard(windowsOf<frmFigure>().value(0));
        card->findChild<QComboBox *>(QStringLiteral("cboZoom"))->setCurrentIndex(3);
        ClickButton(card, "btnCopyToClipboard");
        const QImage copied = QApplication::clipboard()->image();
        QCOMPARE(copied.size(), QSize(227, 317));
        QCOMPARE(copied.convertToFormat(QImage::Format_RGB32), card->cardImage());
        QVERIFY(m_dialogs.calls.isEmpty());

        m_dialogs.saveFileAnswers << tempPath(QStringLiteral("card")) << tempPath(QStringLiteral("card.pdf"));
        ClickButton(card, "btnSaveImage");
        ClickButton(card, "btnSaveImage");
        const QImage png(tempPath(QStringLiteral("card.png")));
        QCOMPARE(png.size(), QSize(709, 992)); // 6 x 8.4 cm at 300 dpi
        QCOMPARE(qRound(png.dotsPerMeterX() * 0.0254), 300);
        QFile pdf(tempPath(QStringLiteral("card.pdf")));
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QVERIFY(pdf.readAll().startsWith("%PDF"));
        QCOMPARE(m_dialogs.messageTexts(), QStringList());
    }

    void printedCardHasItsTrueSize()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
            QSKIP("pdftoppm is not installed");
        action("mnuFile_Figure_New")->trigger();
        QVERIFY(openCard(windowsOf<frmFigure>().value(0)));
        const QString pdf = tempPath(QStringLiteral("card.pdf"));
        m_dialogs.printToFile = pdf;
        m_dialogs.printerSetupAnswers.enqueue(true);
        action("mnuFile_Print")->trigger();
        QVERIFY(QFile::exists(pdf));
        // At 254 dots per inch a centimetre is 100 pixels.
        const QImage page = PdfPage(pdf, 254);
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
};

QTEST_MAIN(FrmUnitCardTest)
#include "frmunitcard_test.moc"
