// The command line: the real program run with no display does what the
// windows do, byte for byte, and refuses bad input with the right status.

#include "army/frmarmy.h"
#include "card/frmunitcard.h"
#include "figure/frmfigure.h"
#include "windowtest.h"

#include "platform/modfunctions.h"
#include "platform/uitext.h"
#include "rules/modloaddata.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QProcessEnvironment>

using namespace tarvello;

namespace {

const QString kShipped = QStringLiteral(TARVELLO_SHIPPED_DATA_DIR);

struct CliOutcome
{
    int status = -1;
    QByteArray out;
    QByteArray err;
};

// The tables of folder, as start-up loads them.
RulesTables TablesOf(const QString &folder)
{
    RulesTables tables;
    LoadAllTables(tables, toFilePath(folder), GetDecimalSeparator(), [](const Failure &) {});
    return tables;
}

// The files of folder with their bytes, by name.
QMap<QString, QByteArray> FilesOf(const QString &folder)
{
    QMap<QString, QByteArray> files;
    for (const QFileInfo &file : QDir(folder).entryInfoList(QDir::Files))
        files.insert(file.fileName(), ReadBytes(file.filePath()));
    return files;
}

// The words of a PDF with their places on their pages, as pdftotext -bbox
// tells them (without the document's dates).
QByteArray PdfWords(const QString &pdf)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    process.waitForFinished(30000);
    const QByteArray words = process.readAllStandardOutput();
    return words.mid(words.indexOf("<doc>"));
}

// The same pages: the same words at the same places, and the first page's
// picture the same.
void ComparePdfs(const QString &made, const QString &window)
{
    const QByteArray words = PdfWords(window);
    QVERIFY2(words.count("<word") > 20, words.constData());
    QCOMPARE(PdfWords(made), words);
    const QImage page = PdfPage(window, 50);
    QVERIFY(!page.isNull());
    QCOMPARE(PdfPage(made, 50), page);
}

} // namespace

class CommandLineTest : public QObject, public WindowTest
{
    Q_OBJECT

    QString m_figures;

    // tarvello args, with no display at all and the shipped tables unless
    // tables is given.
    CliOutcome run(QStringList args, const QString &tables = kShipped,
                   const QString &standardOutput = {}) const
    {
        QProcess process;
        if (!standardOutput.isEmpty())
            process.setStandardOutputFile(standardOutput);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(QLatin1String(name));
        env.insert(QStringLiteral("HOME"), m_folder->path());
        process.setProcessEnvironment(env);
        // An army pack needs no tables.
        if (!tables.isEmpty() && !args.contains(QStringLiteral("--tables"))
            && !args.contains(QStringLiteral("--pack")) && !args.contains(QStringLiteral("--unpack")))
            args << QStringLiteral("--tables") << tables;
        process.start(QStringLiteral(TARVELLO_BINARY), args);
        process.waitForFinished(60000);
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                process.readAllStandardOutput(), process.readAllStandardError()};
    }
    QString figure(const char *name) const { return m_figures + QLatin1Char('/') + QLatin1String(name); }
    ChildWindow *open(const QString &path)
    {
        m_main->openDocument(path);
        return active<ChildWindow>();
    }

private slots:
    void init()
    {
        startMain(TablesOf(kShipped));
        m_figures = tempPath(QStringLiteral("figures"));
        QDir().mkpath(m_figures);
        for (const QFileInfo &file : QDir(kShipped + QStringLiteral("/figures")).entryInfoList(QDir::Files))
            QFile::copy(file.filePath(), m_figures + QLatin1Char('/') + file.fileName());
        // The sample army lists its figures from this copy.
        QByteArray army = ReadBytes(figure("border_guard.tva"));
        const int second = army.indexOf("\r\n") + 2;
        army.replace(second, army.indexOf("\r\n", second) - second, toFilePath(m_figures).c_str());
        WriteBytes(figure("border_guard.tva"), army);
        // A name beyond ASCII: UTF-8 on standard output, Windows-1252 in files.
        QByteArray wagon = ReadBytes(figure("war_wagon.tvf"));
        wagon.replace("txtFigureName=War Wagon", "txtFigureName=W\xe4r Wagon");
        WriteBytes(figure("war_wagon.tvf"), wagon);
    }
    void cleanup() { stopMain(); }

    void exportIsTheClipboardText_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("figure") << "war_wagon.tvf";
        QTest::newRow("army") << "border_guard.tva";
    }
    void exportIsTheClipboardText()
    {
        QFETCH(QString, file);
        const QString path = figure(qPrintable(file));
        QVERIFY(open(path));
        action("mnuFile_Export")->trigger();
        const QString clipboard = QGuiApplication::clipboard()->text();
        QVERIFY(clipboard.size() > 100);
        QCOMPARE(clipboard.contains(QStringLiteral("W\u00e4r Wagon")), file.startsWith(QLatin1String("war")));
        const CliOutcome shown = run({QStringLiteral("--export"), path});
        QCOMPARE(shown.status, 0);
        QCOMPARE(shown.out, clipboard.toUtf8());
        const QString out = tempPath(QStringLiteral("export.txt"));
        QCOMPARE(run({QStringLiteral("--export"), path, QStringLiteral("-o"), out}).status, 0);
        QCOMPARE(ReadBytes(out), QByteArray::fromStdString(toFileText(clipboard)));
    }

    void pdfIsTheWindowsPrintout_data() { exportIsTheClipboardText_data(); }
    void pdfIsTheWindowsPrintout()
    {
        QFETCH(QString, file);
        const QString path = figure(qPrintable(file));
        QVERIFY(open(path));
        m_dialogs.printToFile = tempPath(QStringLiteral("window.pdf"));
        m_dialogs.printerSetupAnswers.enqueue(true);
        action("mnuFile_Print")->trigger();
        const QString cli = tempPath(QStringLiteral("cli.pdf"));
        QCOMPARE(run({QStringLiteral("--pdf"), cli, path}).status, 0);
        ComparePdfs(cli, m_dialogs.printToFile);
    }

    void cardsAreThePrintCardsSheets()
    {
        const QString army = figure("border_guard.tva");
        QVERIFY(open(army));
        IDialogs::CardSheetChoice choice;
        choice.perUnit = true;
        choice.roster = true;
        m_dialogs.cardSheetAnswers.enqueue(choice);
        m_dialogs.printToFile = tempPath(QStringLiteral("window.pdf"));
        m_dialogs.printerSetupAnswers.enqueue(true);
        action("mnuFile_PrintCards")->trigger();
        const QString cli = tempPath(QStringLiteral("cli.pdf"));
        QCOMPARE(run({QStringLiteral("--cards"), cli, army, QStringLiteral("--per-unit"),
                      QStringLiteral("--roster")}).status, 0);
        ComparePdfs(cli, m_dialogs.printToFile);
    }

    void cardImagesAreTheCardWindowsImages()
    {
        const QString path = figure("knight_hero.tvf");
        auto *editor = qobject_cast<frmFigure *>(open(path));
        QVERIFY(editor);
        ClickButton(editor, "btnCard");
        auto *card = active<frmUnitCard>();
        QVERIFY(card);
        m_dialogs.saveFileAnswers.enqueue(tempPath(QStringLiteral("window.png")));
        ClickButton(card, "btnSaveImage");
        const QString dir = tempPath(QStringLiteral("images"));
        // Two files of one figure: the second image is numbered, and a file
        // already there is never overwritten.
        QDir().mkpath(dir);
        WriteBytes(dir + QStringLiteral("/Sir Aldric (2).png"), "kept");
        const CliOutcome made = run({QStringLiteral("--card-images"), dir, path, path, QStringLiteral("--deck")});
        QCOMPARE(made.status, 0);
        QCOMPARE(ReadBytes(dir + QStringLiteral("/Sir Aldric.png")), ReadBytes(tempPath(QStringLiteral("window.png"))));
        QCOMPARE(ReadBytes(dir + QStringLiteral("/Sir Aldric (3).png")), ReadBytes(tempPath(QStringLiteral("window.png"))));
        QCOMPARE(ReadBytes(dir + QStringLiteral("/Sir Aldric (2).png")), QByteArray("kept"));
        QCOMPARE(QImage(dir + QStringLiteral("/deck 1.png")).size(), QSize(2 * 709, 992));
        QCOMPARE(QImage(dir + QStringLiteral("/card back.png")).size(), QSize(709, 992));
        QCOMPARE(made.out.count('\n'), 4);
        // Print Cards' "Save as Images..." writes the same files.
        IDialogs::CardSheetChoice choice;
        choice.saveImages = true;
        choice.deck = true;
        choice.copies = 2;
        m_dialogs.cardSheetAnswers.enqueue(choice);
        const QString fromWindow = tempPath(QStringLiteral("window images"));
        m_dialogs.folderAnswers.enqueue(fromWindow);
        m_main->mdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow *>(editor->parentWidget()));
        action("mnuFile_PrintCards")->trigger();
        QCOMPARE(FilesOf(fromWindow).keys(), (QStringList{"Sir Aldric.png", "card back.png", "deck 1.png"}));
        QCOMPARE(FilesOf(fromWindow).value("Sir Aldric.png"), ReadBytes(tempPath(QStringLiteral("window.png"))));
        QCOMPARE(FilesOf(fromWindow).value("deck 1.png"), ReadBytes(dir + QStringLiteral("/deck 1.png")));
    }

    void updateCostsWritesWhatTheWindowWrites()
    {
        // Tables under which the samples cost otherwise: a dearer Foot move.
        const QString tables = tempPath(QStringLiteral("tables"));
        QDir().mkpath(tables);
        for (const QFileInfo &file : QDir(kShipped).entryInfoList({QStringLiteral("*.skv")}, QDir::Files))
            QFile::copy(file.filePath(), tables + QLatin1Char('/') + file.fileName());
        QByteArray move = ReadBytes(tables + QStringLiteral("/move.skv"));
        move.replace("Foot;6;1\r\n", "Foot;6;1.5\r\n");
        WriteBytes(tables + QStringLiteral("/move.skv"), move);
        m_tables = TablesOf(tables);
        const QMap<QString, QByteArray> before = FilesOf(m_figures);

        const CliOutcome checked = run({QStringLiteral("--check"), m_figures}, tables);
        QCOMPARE(checked.status, 1);
        QVERIFY2(checked.out.contains("spearman.tvf: Stored cost 21, now"), checked.out);
        QVERIFY2(checked.out.contains("border_guard.tva: Stored cost"), checked.out);
        QCOMPARE(run({QStringLiteral("--check"), m_figures}).status, 0);

        QVERIFY(open(figure("border_guard.tva")));
        QStringList offered;
        m_dialogs.onCall = [this, &offered](const ScriptedDialogs::Call &call) {
            if (call.kind != Kind::Checklist)
                return;
            offered = call.lines;
            IDialogs::ChecklistAnswer all{{}, true};
            for (int i = 0; i < call.lines.size(); ++i)
                all.checked.append(i);
            m_dialogs.checklistAnswers.enqueue(all);
        };
        action("mnuFile_UpdateCosts")->trigger();
        const QMap<QString, QByteArray> window = FilesOf(m_figures);
        QVERIFY(window != before);
        // --check names the figures the window offers to update, with their costs.
        QVERIFY(!offered.isEmpty());
        for (const QString &line : offered) {
            // "Spearman: 21 \u2192 32 (with weapons and items from the tables: ...)   path"
            const QString arrow = QStringLiteral(" \u2192 ");
            const QString change = line.section(QStringLiteral(": "), 1).section(QStringLiteral(" ("), 0, 0);
            const QString expected = line.section(QStringLiteral("   "), -1) + QStringLiteral(": Stored cost ")
                                     + change.section(arrow, 0, 0) + QStringLiteral(", now ")
                                     + change.section(arrow, 1, 1) + QStringLiteral(" after table changes\n");
            QVERIFY2(checked.out.contains(expected.toUtf8()), qPrintable(line));
        }
        for (auto file = before.begin(); file != before.end(); ++file)
            WriteBytes(figure(qPrintable(file.key())), file.value());

        const CliOutcome dry = run({QStringLiteral("--update-costs"), m_figures, QStringLiteral("--dry-run"),
                                    QStringLiteral("--refresh-weapons")}, tables);
        QCOMPARE(dry.status, 0);
        QCOMPARE(FilesOf(m_figures), before);
        const CliOutcome updated = run({QStringLiteral("--update-costs"), m_figures,
                                        QStringLiteral("--refresh-weapons")}, tables);
        QCOMPARE(updated.status, 0);
        QCOMPARE(updated.out, dry.out);
        QCOMPARE(FilesOf(m_figures), window);
    }

    void packThenUnpackGivesTheSameFiles()
    {
        // A figure not found is named and packed without.
        QFile::remove(figure("battle_mage.tvf"));
        const QString army = figure("border_guard.tva");
        const QString pack = tempPath(QStringLiteral("Border Guard.tvz"));
        const CliOutcome packed = run({QStringLiteral("--pack"), pack, army});
        QCOMPARE(packed.status, 0);
        QCOMPARE(packed.err, ("Figure not found, packed without it: Ilsabet the Grey of " + army + "\n").toUtf8());
        const QString parent = tempPath(QStringLiteral("unpacked"));
        QDir().mkpath(parent);
        const CliOutcome unpacked = run({QStringLiteral("--unpack"), pack, parent});
        QCOMPARE(unpacked.status, 0);
        const QString folder = parent + QStringLiteral("/Border Guard");
        QCOMPARE(unpacked.out, (folder + QStringLiteral("/border_guard.tva\n")).toUtf8());
        // The army's files, none other (the war wagon is in no line).
        QMap<QString, QByteArray> expected = FilesOf(m_figures);
        expected.remove(QStringLiteral("war_wagon.tvf"));
        // The army file differs only in its folder line, which names the new folder.
        QByteArray armyBytes = expected.value(QStringLiteral("border_guard.tva"));
        armyBytes.replace(toFilePath(m_figures).c_str(), toFilePath(folder).c_str());
        expected.insert(QStringLiteral("border_guard.tva"), armyBytes);
        QCOMPARE(FilesOf(folder), expected);
        // A second unpack overwrites nothing: a new folder.
        QCOMPARE(run({QStringLiteral("--unpack"), pack, parent}).out,
                 (folder + QStringLiteral(" 2/border_guard.tva\n")).toUtf8());
    }

    void aFullStandardOutputIsAFailure()
    {
        // /dev/full takes no byte, as a full disk.
        if (!QFileInfo::exists(QStringLiteral("/dev/full")))
            QSKIP("This system has no /dev/full");
        const CliOutcome outcome = run({QStringLiteral("--export"), figure("knight_hero.tvf")},
                                       kShipped, QStringLiteral("/dev/full"));
        QCOMPARE(outcome.status, 1);
        QVERIFY2(outcome.err.startsWith("Error in writing standard output: "), outcome.err.constData());
    }

    void badInput_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        const QString fig = QStringLiteral("@/spearman.tvf");
        const auto row = [](const char *name, const QStringList &args, int status, const char *message) {
            QTest::newRow(name) << args << status << QString::fromUtf8(message);
        };
        row("unknown option", {"--frobnicate"}, 2, "Unknown option: --frobnicate");
        row("missing argument", {"--pdf"}, 2, "Missing argument: --pdf needs OUT.pdf");
        row("missing file", {"--pdf", "@/out.pdf", "@/none.tvf"}, 1,
            "Error in loading @/none.tvf !: File not found");
        row("not a figure", {"--export", "@/notes.tvf", "-o", "@/out.txt"}, 1,
            "Error in loading @/notes.tvf !: Not a figure file");
        row("other kind", {"--cards", "@/out.pdf", "@/notes.txt"}, 1,
            "@/notes.txt cannot be opened: Tarvello opens figure files (.tvf) and army files (.tva).");
        row("unwritable pdf", {"--pdf", "@/notes.txt/out.pdf", fig}, 1, "Error in saving @/notes.txt/out.pdf !");
        row("unwritable export", {"--export", fig, "-o", "@/notes.txt/out.txt"}, 1,
            "Error in saving @/notes.txt/out.txt !");
        row("unwritable images", {"--card-images", "@/notes.txt/cards", fig}, 1,
            "Error in saving @/notes.txt/cards !");
        row("missing pack argument", {"--unpack", "@/p.tvz"}, 2, "Missing argument: --unpack needs PACK DIR");
        row("not a pack", {"--unpack", "@/notes.txt", "@"}, 1, "Error in loading @/notes.txt !: ");
        row("not an army", {"--pack", "@/out.tvz", "@/notes.txt"}, 1, "Error in loading @/notes.txt !: Not an army file");
        row("unwritable pack", {"--pack", "@/notes.txt/out.tvz", "@/border_guard.tva"}, 1,
            "Error in saving @/notes.txt/out.tvz !");
        row("missing folder", {"--update-costs", "@/none"}, 1, "@/none: Path not found");
        // A table that cannot be read says so as at start-up; the run goes on.
        row("missing tables", {"--check", "@/figures", "--tables", "@/none"}, 1,
            "Error in reading armortype data!: File not found");
    }
    void badInput()
    {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QString, message);
        WriteBytes(tempPath(QStringLiteral("notes.txt")), "notes");
        WriteBytes(tempPath(QStringLiteral("notes.tvf")), "[Other]\r\nName=x\r\n");
        QFile::copy(kShipped + QStringLiteral("/figures/spearman.tvf"), tempPath(QStringLiteral("spearman.tvf")));
        QFile::copy(figure("border_guard.tva"), tempPath(QStringLiteral("border_guard.tva")));
        args.replaceInStrings(QStringLiteral("@"), m_folder->path());
        message.replace(QStringLiteral("@"), m_folder->path());
        const QStringList before = QDir(m_folder->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        const CliOutcome outcome = run(args);
        QCOMPARE(outcome.status, status);
        QVERIFY2(QString::fromUtf8(outcome.err).startsWith(message), outcome.err);
        QCOMPARE(outcome.err.contains("Usage:"), status == 2);
        QCOMPARE(QDir(m_folder->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
    }
};

QTEST_MAIN(CommandLineTest)
#include "commandline_test.moc"
