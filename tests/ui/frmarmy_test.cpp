// The army editor window: its controls, its reactions, the closing prompt and
// the File commands it receives.

#include "army/frmarmy.h"
#include "scripteddialogs.h"
#include "smalltables.h"

#include "army/armymodel.h"
#include "figure/figuremodel.h"
#include "platform/modfunctions.h"
#include "rules/rulestables.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <memory>

using namespace tarvello;

using Kind = ScriptedDialogs::Kind;

class FrmArmyTest : public QObject
{
    Q_OBJECT

private:
    tarvello::RulesTables m_tables;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<AppContext> m_context;
    std::unique_ptr<QTemporaryDir> m_dir;

    template<typename T = QWidget>
    static T *named(const QWidget *window, const char *name)
    {
        return window->findChild<T *>(QString::fromLatin1(name));
    }
    static QString text(const QWidget *window, const char *name)
    {
        return named<QLineEdit>(window, name)->text();
    }
    static void click(const QWidget *window, const char *name)
    {
        named<QPushButton>(window, name)->click();
    }
    static void selectRow(const QWidget *window, const char *name, int row)
    {
        auto *list = named<QTreeWidget>(window, name);
        list->setCurrentItem(list->topLevelItem(row));
    }

    // A window whose directory is the sample figures, scanned, with count
    // units of size 2 of available figure row added.
    std::unique_ptr<frmArmy> armyWithUnits(int row, int count)
    {
        auto w = std::make_unique<frmArmy>(*m_context);
        m_dialogs->folderAnswers.enqueue(QStringLiteral(TARVELLO_SHIPPED_DATA_DIR "/figures"));
        click(w.get(), "btnBrowse");
        selectRow(w.get(), "lvwUnits", row);
        named<QSpinBox>(w.get(), "updUnitsToAdd")->setValue(count);
        named<QSpinBox>(w.get(), "updUnitSizeAdd")->setValue(2);
        click(w.get(), "btnAddUnits");
        return w;
    }

private slots:
    void init()
    {
        m_dialogs = std::make_unique<ScriptedDialogs>();
        m_dir = std::make_unique<QTemporaryDir>();
        m_context = std::make_unique<AppContext>();
        m_context->dialogs = m_dialogs.get();
        m_context->tables = &m_tables;
        m_context->programFolder = m_dir->path();
    }

    void newEditorShowsAnEmptyArmy()
    {
        frmArmy w(*m_context);
        for (const char *frame : {"Frame1", "Frame2", "Frame3", "Frame4"})
            QVERIFY(named<QGroupBox>(&w, frame));
        QCOMPARE(named<QTreeWidget>(&w, "lvwUnits")->columnCount(),
                 int(tarvello::kSummaryFields) + 1);
        QCOMPARE(named<QTreeWidget>(&w, "lvwSelectedUnits")->columnCount(),
                 int(tarvello::kUnitFields) + 1);
        QCOMPARE(named<QTreeWidget>(&w, "lvwUnits")->topLevelItemCount(), 0);
        QCOMPARE(text(&w, "txtUnitDirectory"),
                 QDir::toNativeSeparators(m_dir->path() + QStringLiteral("/figures")));
        QCOMPARE(text(&w, "txtArmyCost"), QStringLiteral("0"));
        QVERIFY(w.QueryClose());
        QCOMPARE(m_dialogs->count(Kind::Message), 0);
    }

    void numberBoxesTakeNoTypedCharacters()
    {
        frmArmy w(*m_context);
        for (const char *box : {"txtUnitsToAdd", "txtUnitSizeAdd", "txtUnitCount", "txtUnitSize"}) {
            const QString before = text(&w, box);
            QTest::keyClicks(named<QLineEdit>(&w, box), QStringLiteral("7x"));
            QTest::keyClick(named<QLineEdit>(&w, box), Qt::Key_Backspace);
            QCOMPARE(text(&w, box), before);
        }
    }

    void addSpinAndRemoveShowWhatTheModelHolds()
    {
        auto w = armyWithUnits(1, 3);
        auto *units = named<QTreeWidget>(w.get(), "lvwSelectedUnits");
        QCOMPARE(named<QTreeWidget>(w.get(), "lvwUnits")->topLevelItemCount(), 6);
        QCOMPARE(units->topLevelItemCount(), 1);
        QCOMPARE(units->topLevelItem(0)->text(0), QStringLiteral("3"));
        QCOMPARE(text(w.get(), "txtUnitCount"), QStringLiteral("3"));
        QCOMPARE(text(w.get(), "txtUnitSize"), QStringLiteral("2"));
        QCOMPARE(text(w.get(), "txtArmyCost"), QString::fromStdString(w->model().ArmyCost()));

        named<QSpinBox>(w.get(), "updUnitSize")->stepUp();
        QCOMPARE(units->topLevelItem(0)->text(1), QStringLiteral("3"));
        selectRow(w.get(), "lvwUnits", 2);
        click(w.get(), "btnAddUnits");
        QCOMPARE(units->topLevelItemCount(), 2);
        selectRow(w.get(), "lvwSelectedUnits", 1);
        QCOMPARE(text(w.get(), "txtUnitCount"), QStringLiteral("3"));
        QCOMPARE(text(w.get(), "txtUnitSize"), QStringLiteral("2"));
        click(w.get(), "btnRemoveUnits");
        QCOMPARE(units->topLevelItemCount(), 1);
        QVERIFY(units->topLevelItem(0)->isSelected());
        auto *count = named<QSpinBox>(w.get(), "updUnitCount");
        while (count->value() > 0)
            count->stepDown();
        QCOMPARE(units->topLevelItemCount(), 0);
        QCOMPARE(text(w.get(), "txtUnitCount"), QStringLiteral("0"));
        QCOMPARE(text(w.get(), "txtArmyCost"), QStringLiteral("0"));
    }

    void closingPromptFollowsTheAnswers()
    {
        auto w = armyWithUnits(0, 1);
        for (IDialogs::Answer answer :
             {IDialogs::Answer::Cancel, IDialogs::Answer::Yes, IDialogs::Answer::No})
            m_dialogs->messageAnswers.enqueue(answer);
        QVERIFY(!w->QueryClose());
        QVERIFY(!w->QueryClose()); // Yes, then the save dialog is cancelled
        QVERIFY(w->QueryClose());
        const QStringList texts = m_dialogs->messageTexts();
        QCOMPARE(texts.size(), 3);
        QCOMPARE(texts.at(0), QStringLiteral("Army changes not saved!\r\nSave them now?"));
        QCOMPARE(m_dialogs->calls.at(1).title, QString::fromStdString(tarvello::AppTitle()));

        const QString path = m_dir->filePath(QStringLiteral("saved.tva"));
        m_dialogs->messageAnswers.enqueue(IDialogs::Answer::Yes);
        m_dialogs->saveFileAnswers.enqueue(path);
        QVERIFY(w->QueryClose());
        QVERIFY(QFile::exists(path));
        QVERIFY(!w->model().Changed());
        QCOMPARE(m_dialogs->callsOf(Kind::SaveFile).last().proposedName, QStringLiteral(".tva"));
    }

    void savedArmyReopensAndExports()
    {
        auto w = armyWithUnits(0, 2);
        QTest::keyClicks(named<QLineEdit>(w.get(), "txtArmyName"), QStringLiteral("North"));
        const QString path = m_dir->filePath(QStringLiteral("north.tva"));
        m_dialogs->saveFileAnswers.enqueue(path);
        w->Save();
        frmArmy opened(*m_context);
        m_dialogs->openFileAnswers.enqueue(path);
        opened.OpenArmy();
        QCOMPARE(opened.windowTitle(), QStringLiteral("Army: North"));
        QCOMPARE(text(&opened, "txtArmyCost"), text(w.get(), "txtArmyCost"));
        QCOMPARE(text(&opened, "txtUnitCount"), QStringLiteral("2"));
        QVERIFY(opened.QueryClose());

        m_dialogs->clearCalls();
        opened.Export();
        QVERIFY(QApplication::clipboard()->text().startsWith(
            QStringLiteral("North (") + text(&opened, "txtArmyCost") + QStringLiteral(" pts)\r\n")));
        QCOMPARE(m_dialogs->messageTexts(),
                 QStringList{QStringLiteral("Army data has been exported to the clipboard.")});
    }

    void printoutGoesToAPdf()
    {
        auto w = armyWithUnits(3, 2);
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        const QString pdf = m_dir->filePath(QStringLiteral("army.pdf"));
        printer.setOutputFileName(pdf);
        QVERIFY(w->hasPrintout());
        w->renderPrintout(printer);
        QVERIFY(QFile(pdf).size() > 1000);
    }

    // Three saved figures (two Dwarfs, one Human) with a card layout; the
    // Dwarf's modifier then changes, so that only the Dwarfs cost anew.
    void costsFollowTheTables()
    {
        m_tables = SmallRulesTables();
        QDir(m_dir->path()).mkdir(QStringLiteral("figures"));
        const auto file = [this](const char *name) {
            return m_dir->filePath(QStringLiteral("figures/") + QLatin1String(name));
        };
        const auto bytes = [](const QString &path) {
            QFile f(path);
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        };
        const char *names[] = {"axeman.tvf", "guard.tvf", "militia.tvf"};
        for (int i = 0; i < 3; ++i) {
            tarvello::FigureModel figure(m_tables);
            QVERIFY(figure.Initialize().ok());
            figure.SetFigureName(names[i]);
            QVERIFY(figure.Choose(&tarvello::FigureRecord::cboRace, i < 2 ? 1 : 0).ok());
            QVERIFY(figure.Add(tarvello::FigureSeries::Melee, i % 2).ok());
            QVERIFY(figure.SaveTo(file(names[i]).toStdString()).ok());
            QFile f(file(names[i]));
            QVERIFY(f.open(QIODevice::Append));
            f.write("[CardLayout]\r\nImageLeft=120\r\n");
        }
        frmArmy w(*m_context);
        m_dialogs->folderAnswers.enqueue(m_dir->filePath(QStringLiteral("figures")));
        click(&w, "btnBrowse");
        selectRow(&w, "lvwUnits", 0);
        click(&w, "btnAddUnits");
        QVERIFY(w.model().WriteArmy(m_dir->filePath(QStringLiteral("a.tva")).toStdString()).ok());
        const QString total = text(&w, "txtArmyCost");
        const QByteArray axeman = bytes(file(names[0]));
        const QByteArray guard = bytes(file(names[1]));

        m_tables.Races[1].HitFactorModifier = 3;
        w.tablesReloaded();
        const QChar arrow(0x2192);
        auto *available = named<QTreeWidget>(&w, "lvwUnits");
        const int now = int(tarvello::kCost) + 1;
        QVERIFY(available->topLevelItem(0)->text(now).contains(arrow));
        QVERIFY(!available->topLevelItem(2)->text(now).contains(arrow));
        QVERIFY(named<QTreeWidget>(&w, "lvwSelectedUnits")->topLevelItem(0)->text(now + 2)
                    .contains(arrow));

        click(&w, "btnUpdateArmyCosts");
        QVERIFY(text(&w, "txtArmyCost") != total);
        QVERIFY(w.model().Changed());

        m_dialogs->checklistAnswers.enqueue(IDialogs::ChecklistAnswer{{1}, false});
        click(&w, "btnUpdateCosts");
        QCOMPARE(m_dialogs->callsOf(Kind::Checklist).at(0).lines.size(), 2);
        QCOMPARE(bytes(file(names[0])), axeman);
        const QByteArray saved = bytes(file(names[1]));
        QVERIFY(saved != guard);
        QVERIFY(saved.contains(guard.mid(guard.indexOf("[CardLayout]"))));
        QVERIFY(!available->topLevelItem(1)->text(now).contains(arrow));
        QVERIFY(available->topLevelItem(0)->text(now).contains(arrow));
    }
};

QTEST_MAIN(FrmArmyTest)
#include "frmarmy_test.moc"
