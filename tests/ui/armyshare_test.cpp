// Sharing an army: File, Export Army Pack, File, Open, Army Pack (and a pack
// given to open) and File, Import Army from Text with its dialog.

#include "army/frmarmy.h"
#include "windowtest.h"

#include "army/armyfile.h"
#include "army/armymodel.h"
#include "platform/fileio.h"
#include "platform/importarmydialog.h"
#include "platform/uitext.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QStatusBar>

using namespace tarvello;

class ArmyShareTest : public QObject, public WindowTest
{
    Q_OBJECT

private:
    // The samples in the program folder's figures, the army naming that
    // folder; the army's path.
    QString sampleArmy()
    {
        const QDir figures(tempPath(QStringLiteral("figures")));
        QDir().mkpath(figures.path());
        const QDir samples(QStringLiteral(TARVELLO_SHIPPED_DATA_DIR "/figures"));
        for (const QString &name : samples.entryList(QDir::Files))
            QFile::copy(samples.filePath(name), figures.filePath(name));
        const QString army = figures.filePath(QStringLiteral("border_guard.tva"));
        const std::string bytes = ReadFileBytes(toFilePath(army)).value();
        WriteBytes(army, QByteArray::fromStdString(WithArmyDirectory(bytes, toFilePath(figures.path()))));
        return army;
    }

private slots:
    void cleanup()
    {
        if (m_main)
            stopMain();
    }

    // A figure gone from the folder is asked about; the pack opened again
    // lands in a new folder beside the figures, with the army's total.
    void packedArmyOpensFromItsPack()
    {
        startMain(SmallRulesTables(), QString());
        const QString army = sampleArmy();
        QVERIFY(QFile::remove(tempPath(QStringLiteral("figures/spearman.tvf"))));
        m_main->openDocument(army);
        const QString total = TextOf(active<frmArmy>(), "txtArmyCost");
        const QString pack = tempPath(QStringLiteral("Border Guard.tvz"));
        m_dialogs.messageAnswers.enqueue(IDialogs::Answer::No);
        action("mnuFile_ExportArmyPack")->trigger();
        QVERIFY(!QFile::exists(pack));
        QCOMPARE(m_dialogs.count(Kind::SaveFile), 0);
        QCOMPARE(m_dialogs.messageTexts().value(0),
                 QStringLiteral("1 figure was not found: Spearman. Pack without it?"));
        m_dialogs.messageAnswers.enqueue(IDialogs::Answer::Yes);
        m_dialogs.saveFileAnswers.enqueue(pack);
        action("mnuFile_ExportArmyPack")->trigger();
        QCOMPARE(m_dialogs.callsOf(Kind::SaveFile).value(0).proposedName, QStringLiteral("Border Guard.tvz"));
        QVERIFY(QFile::exists(pack));

        m_dialogs.openFileAnswers.enqueue(pack);
        action("mnuFile_ArmyPack_Open")->trigger();
        const QString folder = tempPath(QStringLiteral("Border Guard"));
        QCOMPARE(active<frmArmy>()->documentPath(), folder + QStringLiteral("/border_guard.tva"));
        QCOMPARE(TextOf(active<frmArmy>(), "txtUnitDirectory"), QDir::toNativeSeparators(folder));
        QCOMPARE(TextOf(active<frmArmy>(), "txtArmyCost"), total);
        QCOMPARE(m_main->statusBar()->currentMessage(),
                 QStringLiteral("Unpacked into ") + QDir::toNativeSeparators(folder));
        QCOMPARE(ReadBytes(folder + QStringLiteral("/knight_hero.tvf")),
                 ReadBytes(tempPath(QStringLiteral("figures/knight_hero.tvf"))));
        // Given to open (command line, file manager): the next free name.
        m_main->openDocument(pack);
        QCOMPARE(active<frmArmy>()->documentPath(), folder + QStringLiteral(" 2/border_guard.tva"));
        QCOMPARE(windowsOf<frmArmy>().size(), 3);
    }

    // A pack that is none: its message, no window, no folder.
    void badPackSaysWhy()
    {
        startMain(SmallRulesTables(), QString());
        const QString pack = tempPath(QStringLiteral("x.tvz"));
        WriteBytes(pack, "not a zip");
        m_main->openDocument(pack);
        QCOMPARE(windowsOf<frmArmy>().size(), 0);
        QVERIFY(m_dialogs.messageTexts().value(0).startsWith(
            QStringLiteral("Error in loading ") + pack + QStringLiteral(" !\r\nNot an army pack")));
        QVERIFY(!QFile::exists(tempPath(QStringLiteral("x"))));
    }

    // The clipboard's text comes in; OK opens an unsaved "Army Creator";
    // Cancel opens nothing.
    void importedTextOpensANewArmy()
    {
        startMain(SmallRulesTables(), QString());
        m_main->openDocument(sampleArmy());
        active<frmArmy>()->Export();
        const QString exported = QApplication::clipboard()->text();
        action("mnuFile_ImportArmyText")->trigger();
        QCOMPARE(windowsOf<frmArmy>().size(), 1);
        const IDialogs::ArmyTextQuestion question = m_dialogs.callsOf(Kind::ArmyText).value(0).armyText;
        QCOMPARE(question.text, exported);
        QCOMPARE(question.folder, tempPath(QStringLiteral("figures")));
        const IDialogs::ArmyTextPreview preview =
            question.preview(exported + QStringLiteral("\r\n\r\nGhost\r\nNo of units : 1"), question.folder);
        QCOMPARE(preview.summary, QStringLiteral("5 unit lines matched, army \"Border Guard\"; 1 line not matched (nothing is guessed):"));
        QCOMPARE(preview.refused, QStringList{QStringLiteral("Line 53: Ghost (no figure of this name)")});
        QVERIFY(preview.canImport);
        QVERIFY(!question.preview(QStringLiteral("Ghost"), question.folder).canImport);

        m_dialogs.armyTextAnswers.enqueue(IDialogs::ArmyTextChoice{exported, question.folder});
        action("mnuFile_ImportArmyText")->trigger();
        QCOMPARE(windowsOf<frmArmy>().size(), 2);
        frmArmy *imported = active<frmArmy>();
        QCOMPARE(imported->windowTitle(), QStringLiteral("Army Creator"));
        QVERIFY(imported->documentPath().isEmpty());
        QVERIFY(imported->model().Changed());
        QCOMPARE(imported->model().Units(), windowsOf<frmArmy>().value(0)->model().Units());
        QCOMPARE(TextOf(imported, "txtArmyName"), QStringLiteral("Border Guard"));
    }

    // The dialog shows what the preview says, OK only when a unit matched,
    // and reads a text file.
    void dialogFollowsTheText()
    {
        resetContext();
        IDialogs::ArmyTextQuestion question{QStringLiteral("Ghost"), QStringLiteral("/f"), {}};
        question.preview = [](const QString &text, const QString &folder) {
            return IDialogs::ArmyTextPreview{text + QStringLiteral(" in ") + folder, {text}, text.size() > 5};
        };
        ImportArmyDialog dialog(m_dialogs, question);
        auto *ok = Named<QDialogButtonBox>(&dialog, "buttonBox")->button(QDialogButtonBox::Ok);
        QCOMPARE(Named<QLabel>(&dialog, "lblMatched")->text(), QStringLiteral("Ghost in /f"));
        QVERIFY(!ok->isEnabled());
        QCOMPARE(dialog.focusWidget(), Named<QPlainTextEdit>(&dialog, "txtArmyText"));
        const QString file = tempPath(QStringLiteral("list.txt"));
        WriteBytes(file, "3 x Sp\xC3\xA9\x61rman");
        m_dialogs.openFileAnswers.enqueue(file);
        ClickButton(&dialog, "btnFromFile");
        QCOMPARE(Named<QPlainTextEdit>(&dialog, "txtArmyText")->toPlainText(), QStringLiteral("3 x Sp\u00E9arman"));
        QCOMPARE(Named<QListWidget>(&dialog, "lstRefused")->item(0)->text(), QStringLiteral("3 x Sp\u00E9arman"));
        QVERIFY(ok->isEnabled());
        m_dialogs.folderAnswers.enqueue(QStringLiteral("/g"));
        ClickButton(&dialog, "btnBrowse");
        QCOMPARE(dialog.choice().folder, QStringLiteral("/g"));
        QCOMPARE(Named<QLabel>(&dialog, "lblMatched")->text(), QStringLiteral("3 x Sp\u00E9arman in /g"));
    }
};

QTEST_MAIN(ArmyShareTest)
#include "armyshare_test.moc"
