// The army editor window: its controls, its reactions, the closing prompt and
// the File commands it receives.

#include "army/frmarmy.h"
#include "windowtest.h"

#include "army/armyfile.h"
#include "army/armymodel.h"
#include "figure/figuremodel.h"
#include "platform/fileio.h"
#include "platform/modfunctions.h"
#include "platform/pointsbarview.h"
#include "platform/uitext.h"

#include <QLabel>
#include <QScrollBar>
#include <QSpinBox>

using namespace tarvello;

class FrmArmyTest : public QObject, public WindowTest
{
    Q_OBJECT

private:
    static void selectRow(const QWidget *window, const char *name, int row)
    {
        auto *list = Named<QTreeWidget>(window, name);
        list->setCurrentItem(list->topLevelItem(row));
    }

    // A window whose directory is the sample figures, scanned, with count
    // units of size 2 of available figure row added.
    std::unique_ptr<frmArmy> armyWithUnits(int row, int count)
    {
        auto w = std::make_unique<frmArmy>(m_context);
        m_dialogs.folderAnswers.enqueue(QStringLiteral(TARVELLO_SHIPPED_DATA_DIR "/figures"));
        ClickButton(w.get(), "btnBrowse");
        selectRow(w.get(), "lvwUnits", row);
        Named<QSpinBox>(w.get(), "updUnitsToAdd")->setValue(count);
        Named<QSpinBox>(w.get(), "updUnitSizeAdd")->setValue(2);
        ClickButton(w.get(), "btnAddUnits");
        return w;
    }

private slots:
    void init() { resetContext(tarvello::RulesTables()); }

    void newEditorShowsAnEmptyArmy()
    {
        frmArmy w(m_context);
        QCOMPARE(Named<QTreeWidget>(&w, "lvwUnits")->columnCount(),
                 int(tarvello::kSummaryFields) + 1);
        QCOMPARE(Named<QTreeWidget>(&w, "lvwSelectedUnits")->columnCount(),
                 int(tarvello::kUnitFields) + 2);
        QCOMPARE(Named<QTreeWidget>(&w, "lvwUnits")->topLevelItemCount(), 0);
        QCOMPARE(TextOf(&w, "txtUnitDirectory"),
                 QDir::toNativeSeparators(m_folder->path() + QStringLiteral("/figures")));
        QCOMPARE(TextOf(&w, "txtArmyCost"), QStringLiteral("0"));
        QVERIFY(w.queryClose());
        QCOMPARE(m_dialogs.count(Kind::Message), 0);
    }

    // At the window's own size both lists show all their columns without
    // scrolling sideways.
    // Figure names show whole at the window's own size (the list scrolls
    // sideways instead), and a maximized window shows every column.
    void listsShowNamesWholeAndEveryColumnWhenWide()
    {
        auto w = armyWithUnits(0, 2);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        for (const auto &[name, figureColumn] : {std::pair{"lvwUnits", 0}, std::pair{"lvwSelectedUnits", 2}}) {
            auto *list = Named<QTreeWidget>(w.get(), name);
            QVERIFY(list->topLevelItemCount() > 0);
            for (int row = 0; row < list->topLevelItemCount(); ++row) {
                const QString text = list->topLevelItem(row)->text(figureColumn);
                QTRY_VERIFY2(list->fontMetrics().horizontalAdvance(text) < list->columnWidth(figureColumn),
                             qPrintable(text));
            }
        }
        w->resize(1366, 700);
        for (const char *name : {"lvwUnits", "lvwSelectedUnits"})
            QTRY_VERIFY2(!Named<QTreeWidget>(w.get(), name)->horizontalScrollBar()->isVisible(), name);
    }

    // An empty available list says why; a scan lists other rows, so the
    // figure chosen before is no longer chosen.
    void emptyListSaysWhyAndARescanChoosesNothing()
    {
        QVERIFY(QDir(m_folder->path()).mkdir(QStringLiteral("figures")));
        const auto figure = [this](const char *name) {
            WriteBytes(tempPath(QStringLiteral("figures/%1.tvf").arg(QLatin1String(name))),
                       QByteArray("[Figure]\r\ntxtFigureName=") + name + "\r\n");
        };
        frmArmy w(m_context);
        auto *hint = Named<QLabel>(&w, "lblAvailableHint");
        QCOMPARE(hint->text(), QStringLiteral("Press Refresh to list the figures in this folder"));
        QVERIFY(hint->isVisibleTo(&w));
        ClickButton(&w, "btnRefresh");
        QCOMPARE(hint->text(), QStringLiteral("No figure files in this folder"));
        QVERIFY(hint->isVisibleTo(&w));
        figure("b");
        figure("c");
        ClickButton(&w, "btnRefresh");
        QVERIFY(!hint->isVisibleTo(&w));
        selectRow(&w, "lvwUnits", 1);
        figure("a");
        ClickButton(&w, "btnRefresh");
        ClickButton(&w, "btnAddUnits");
        auto *units = Named<QTreeWidget>(&w, "lvwSelectedUnits");
        QCOMPARE(units->topLevelItemCount(), 0);
        selectRow(&w, "lvwUnits", 2);
        ClickButton(&w, "btnAddUnits");
        QCOMPARE(units->topLevelItem(0)->text(2), QStringLiteral("c"));
    }

    void numberBoxesTakeNoTypedCharacters()
    {
        frmArmy w(m_context);
        for (const char *box : {"txtUnitsToAdd", "txtUnitSizeAdd", "txtUnitCount", "txtUnitSize"}) {
            const QString before = TextOf(&w, box);
            QTest::keyClicks(Named<QLineEdit>(&w, box), QStringLiteral("7x"));
            QTest::keyClick(Named<QLineEdit>(&w, box), Qt::Key_Backspace);
            QCOMPARE(TextOf(&w, box), before);
        }
    }

    void addSpinAndRemoveShowWhatTheModelHolds()
    {
        auto w = armyWithUnits(1, 3);
        auto *units = Named<QTreeWidget>(w.get(), "lvwSelectedUnits");
        QCOMPARE(Named<QTreeWidget>(w.get(), "lvwUnits")->topLevelItemCount(), 6);
        QCOMPARE(units->topLevelItemCount(), 1);
        QCOMPARE(units->topLevelItem(0)->text(0), QStringLiteral("3"));
        QCOMPARE(TextOf(w.get(), "txtUnitCount"), QStringLiteral("3"));
        QCOMPARE(TextOf(w.get(), "txtUnitSize"), QStringLiteral("2"));
        QCOMPARE(TextOf(w.get(), "txtArmyCost"), QString::fromStdString(w->model().ArmyCost()));
        // The bar of points by type: the line's type and the rounding.
        const QString composition =
            Named<PointsBarView>(w.get(), "picArmyComposition")->accessibleDescription();
        QVERIFY2(composition.endsWith(QStringLiteral("; Rounding: 0")), qPrintable(composition));
        QCOMPARE(composition.count(QStringLiteral(": ")), 2);

        QTreeWidgetItem *row = units->topLevelItem(0);
        Named<QSpinBox>(w.get(), "updUnitSize")->stepUp();
        QCOMPARE(units->topLevelItem(0), row); // the row follows, the list is not refilled
        QCOMPARE(units->topLevelItem(0)->text(1), QStringLiteral("3"));
        selectRow(w.get(), "lvwUnits", 2);
        ClickButton(w.get(), "btnAddUnits");
        QCOMPARE(units->topLevelItemCount(), 2);
        selectRow(w.get(), "lvwSelectedUnits", 1);
        QCOMPARE(TextOf(w.get(), "txtUnitCount"), QStringLiteral("3"));
        QCOMPARE(TextOf(w.get(), "txtUnitSize"), QStringLiteral("2"));
        ClickButton(w.get(), "btnRemoveUnits");
        QCOMPARE(units->topLevelItemCount(), 1);
        QVERIFY(units->topLevelItem(0)->isSelected());
        auto *count = Named<QSpinBox>(w.get(), "updUnitCount");
        while (count->value() > 0)
            count->stepDown();
        QCOMPARE(units->topLevelItemCount(), 0);
        QCOMPARE(TextOf(w.get(), "txtUnitCount"), QStringLiteral("0"));
        QCOMPARE(TextOf(w.get(), "txtArmyCost"), QStringLiteral("0"));
    }

    void closingPromptFollowsTheAnswers()
    {
        auto w = armyWithUnits(0, 1);
        for (IDialogs::Answer answer :
             {IDialogs::Answer::Cancel, IDialogs::Answer::Yes, IDialogs::Answer::No})
            m_dialogs.messageAnswers.enqueue(answer);
        QVERIFY(!w->queryClose());
        QVERIFY(!w->queryClose()); // Yes, then the save dialog is cancelled
        QVERIFY(w->queryClose());
        const QStringList texts = m_dialogs.messageTexts();
        QCOMPARE(texts.size(), 3);
        QCOMPARE(texts.at(0), QStringLiteral("Army changes not saved!\r\nSave them now?"));
        QCOMPARE(m_dialogs.calls.at(1).title, QString::fromStdString(tarvello::AppTitle()));

        const QString path = tempPath(QStringLiteral("saved.tva"));
        m_dialogs.messageAnswers.enqueue(IDialogs::Answer::Yes);
        m_dialogs.saveFileAnswers.enqueue(path);
        QVERIFY(w->queryClose());
        QVERIFY(QFile::exists(path));
        QVERIFY(!w->model().Changed());
        QCOMPARE(m_dialogs.callsOf(Kind::SaveFile).last().proposedName, QStringLiteral(".tva"));
        // Beside the army's figures, wherever they were browsed to.
        QCOMPARE(m_dialogs.callsOf(Kind::SaveFile).last().startFolder,
                 QStringLiteral(TARVELLO_SHIPPED_DATA_DIR "/figures"));
    }

    void savedArmyReopensAndExports()
    {
        auto w = armyWithUnits(0, 2);
        QTest::keyClicks(Named<QLineEdit>(w.get(), "txtArmyName"), QStringLiteral("North"));
        const QString path = tempPath(QStringLiteral("north.tva"));
        m_dialogs.saveFileAnswers.enqueue(path);
        w->Save();
        QCOMPARE(w->windowTitle(), QStringLiteral("Army Creator"));
        frmArmy opened(m_context);
        m_dialogs.openFileAnswers.enqueue(path);
        opened.OpenArmy();
        QCOMPARE(opened.windowTitle(), QStringLiteral("Army: North"));
        QCOMPARE(TextOf(&opened, "txtArmyCost"), TextOf(w.get(), "txtArmyCost"));
        QCOMPARE(TextOf(&opened, "txtUnitCount"), QStringLiteral("2"));
        QVERIFY(opened.queryClose());

        m_dialogs.clearCalls();
        opened.Export();
        QVERIFY(QApplication::clipboard()->text().startsWith(
            QStringLiteral("North (") + TextOf(&opened, "txtArmyCost") + QStringLiteral(" pts)\r\n")));
        QCOMPARE(m_dialogs.messageTexts(),
                 QStringList{QStringLiteral("Army data has been exported to the clipboard.")});
    }

    // An army read only up to a line of the wrong shape: the first Save asks
    // before it replaces the file; No offers Save As instead.
    void partlyReadArmyAsksBeforeSaveReplacesIt()
    {
        const QString path = tempPath(QStringLiteral("broken.tva"));
        const std::string bytes = "Host\r\nnowhere\r\n" + ArmyHeaderLine()
                                  + "\r\n1;1;A;;;5;;;;;;;;;;\r\nshort;line\r\n1;1;B;;;5;;;;;;;;;;\r\n";
        for (const IDialogs::Answer answer : {IDialogs::Answer::No, IDialogs::Answer::Yes}) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QByteArray::fromStdString(bytes));
            file.close();
            frmArmy w(m_context);
            w.openArmyFile(path);
            m_dialogs.clearCalls();
            m_dialogs.messageAnswers.enqueue(answer);
            w.Save();
            QCOMPARE(m_dialogs.messageTexts(),
                     QStringList{QStringLiteral("This army was not read completely; saving replaces "
                                                "the file with what is shown. Save anyway?")});
            QCOMPARE(m_dialogs.callsOf(Kind::SaveFile).size(), answer == IDialogs::Answer::No ? 1 : 0);
            QCOMPARE(ReadFileBytes(toFilePath(path)) == bytes, answer == IDialogs::Answer::No);
            w.Save(); // asked once: after a save the file holds the army shown
            QCOMPARE(m_dialogs.count(Kind::Message), answer == IDialogs::Answer::No ? 2 : 1);
        }
    }

    // Typing a text that is no limit leaves it in the box, marked, instead of
    // dropping the characters that do not fit; a limit the file holds but
    // that cannot be read is named on opening.
    void limitBoxRefusesWhatIsNoLimit()
    {
        frmArmy w(m_context);
        auto *box = Named<QLineEdit>(&w, "txtPointsLimit");
        QTest::keyClicks(box, QStringLiteral("1e3"));
        QCOMPARE(box->text(), QStringLiteral("1e3"));
        QCOMPARE(Named<QLabel>(&w, "lblPointsLeft")->text(), QStringLiteral("not a limit"));
        QCOMPARE(w.model().PointsLimit(), std::string("1"));
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(box->text(), QStringLiteral("1"));
        QCOMPARE(Named<QLabel>(&w, "lblPointsLeft")->text(), QStringLiteral("1 left"));

        const QString path = tempPath(QStringLiteral("limit.tva"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::fromStdString("Host\r\nnowhere\r\n" + ArmyHeaderLine()
                                             + ";Points Limit=100.5\r\n"));
        file.close();
        frmArmy opened(m_context);
        m_dialogs.clearCalls();
        opened.openArmyFile(path);
        QCOMPARE(m_dialogs.count(Kind::Message), 1);
        QVERIFY(m_dialogs.messageTexts().at(0).contains(QStringLiteral("cannot be read")));
    }

    // A name of 5 MB: the window gets a bounded part and cannot be typed
    // into, and a save writes the name whole.
    void longNameIsShownCutAndSavedWhole()
    {
        const std::string name(5u << 20, 'N');
        const QString path = tempPath(QStringLiteral("long.tva"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::fromStdString(name + "\r\nnowhere\r\nheader\r\n"));
        file.close();
        frmArmy w(m_context);
        m_dialogs.openFileAnswers.enqueue(path);
        w.OpenArmy();
        auto *box = Named<QLineEdit>(&w, "txtArmyName");
        QVERIFY(box->text().size() <= 1000);
        QVERIFY(box->isReadOnly());
        QVERIFY(w.windowTitle().size() <= 1000);
        const QString saved = tempPath(QStringLiteral("saved.tva"));
        m_dialogs.saveFileAnswers.enqueue(saved);
        w.SaveAs();
        QFile back(saved);
        QVERIFY(back.open(QIODevice::ReadOnly));
        QVERIFY(back.readAll().startsWith(QByteArray::fromStdString(name + "\r\n")));
    }

    void printoutGoesToAPdf()
    {
        auto w = armyWithUnits(3, 2);
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        const QString pdf = tempPath(QStringLiteral("army.pdf"));
        printer.setOutputFileName(pdf);
        QVERIFY(w->takes().has(Command::PrintPreview));
        w->renderPrintout(printer);
        QVERIFY(QFile(pdf).size() > 1000);
    }

    // Three saved figures (two Dwarfs, one Human) with a card layout; the
    // Dwarf's modifier then changes, so that only the Dwarfs cost anew.
    void costsFollowTheTables()
    {
        m_tables = SmallRulesTables();
        QDir(m_folder->path()).mkdir(QStringLiteral("figures"));
        const auto file = [this](const char *name) {
            return tempPath(QStringLiteral("figures/") + QLatin1String(name));
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
        frmArmy w(m_context);
        m_dialogs.folderAnswers.enqueue(tempPath(QStringLiteral("figures")));
        ClickButton(&w, "btnBrowse");
        selectRow(&w, "lvwUnits", 0);
        ClickButton(&w, "btnAddUnits");
        QVERIFY(w.model().WriteArmy(tempPath(QStringLiteral("a.tva")).toStdString()).ok());
        const QString total = TextOf(&w, "txtArmyCost");
        const QByteArray axeman = ReadBytes(file(names[0]));
        const QByteArray guard = ReadBytes(file(names[1]));

        m_tables.Races[1].HitFactorModifier = 3;
        w.tablesReloaded();
        const QChar arrow(0x2192);
        auto *available = Named<QTreeWidget>(&w, "lvwUnits");
        const int now = int(tarvello::kCost) + 1;
        QVERIFY(available->topLevelItem(0)->text(now).contains(arrow));
        QVERIFY(!available->topLevelItem(2)->text(now).contains(arrow));
        QVERIFY(Named<QTreeWidget>(&w, "lvwSelectedUnits")->topLevelItem(0)->text(now + 2)
                    .contains(arrow));
        // Beside the total, the total with the costs now, which Update Army
        // Costs then makes the total.
        auto *totalNow = Named<QLabel>(&w, "lblTotalNow");
        QVERIFY(totalNow->isVisibleTo(&w));
        const QString nowTotal = totalNow->text().section(QLatin1Char(' '), 0, 0);
        QCOMPARE(totalNow->text(), QStringLiteral("%1 with current costs (%2 over)")
                                       .arg(nowTotal).arg(nowTotal.toInt() - total.toInt()));
        QCOMPARE(TextOf(&w, "txtArmyCost"), total);

        ClickButton(&w, "btnUpdateArmyCosts");
        QCOMPARE(TextOf(&w, "txtArmyCost"), nowTotal);
        QVERIFY(!totalNow->isVisibleTo(&w));
        QVERIFY(w.model().Changed());
        QVERIFY(w.model().WriteArmy(tempPath(QStringLiteral("a.tva")).toStdString()).ok());

        // Another army of the folder learns that its list is old.
        frmArmy other(m_context);
        m_dialogs.folderAnswers.enqueue(tempPath(QStringLiteral("figures")));
        ClickButton(&other, "btnBrowse");
        connect(&w, &ChildWindow::figureFilesRewritten, &other, &frmArmy::figureFilesChanged);
        m_dialogs.checklistAnswers.enqueue(IDialogs::ChecklistAnswer{{1}, false});
        ClickButton(&w, "btnUpdateCosts");
        auto *notice = other.findChild<QLabel *>(QStringLiteral("lblFiguresChanged"));
        QVERIFY(notice);
        QCOMPARE(notice->text(),
                 QStringLiteral("Figures in this folder changed: Refresh to see them."));
        QVERIFY(Named<QFrame>(&other, "fraFiguresChanged")->isVisibleTo(&other));
        QVERIFY(!w.findChild<QFrame *>(QStringLiteral("fraFiguresChanged")));
        ClickButton(&other, "btnRefreshFigures");
        QVERIFY(!Named<QFrame>(&other, "fraFiguresChanged")->isVisibleTo(&other));
        QCOMPARE(m_dialogs.callsOf(Kind::Checklist).at(0).lines.size(), 2);
        // The army's own figure is ticked, the folder's other one not.
        QCOMPARE(m_dialogs.callsOf(Kind::Checklist).at(0).ticked, QList<int>{0});
        QCOMPARE(ReadBytes(file(names[0])), axeman);
        const QByteArray saved = ReadBytes(file(names[1]));
        QVERIFY(saved != guard);
        QVERIFY(saved.contains(guard.mid(guard.indexOf("[CardLayout]"))));
        QVERIFY(!available->topLevelItem(1)->text(now).contains(arrow));
        QVERIFY(available->topLevelItem(0)->text(now).contains(arrow));
        // Edit, Undo Update Costs writes the file back, Redo again; the army
        // itself stays as saved throughout.
        QCOMPARE(w.undoName(), QStringLiteral("Update Costs"));
        QVERIFY(!w.model().Changed());
        w.undo();
        QCOMPARE(ReadBytes(file(names[1])), guard);
        QVERIFY(available->topLevelItem(1)->text(now).contains(arrow));
        w.redo();
        QCOMPARE(ReadBytes(file(names[1])), saved);
        QVERIFY(!w.model().Changed());

        // The sword's row changes: the militia's cost differs only with its
        // copied row refreshed, and is offered and saved with that row.
        m_tables.MeleeWeapons[0].MaxDamage = 8;
        w.tablesReloaded();
        const QByteArray militia = ReadBytes(file(names[2]));
        m_dialogs.checklistAnswers.enqueue(IDialogs::ChecklistAnswer{{1}, true});
        ClickButton(&w, "btnUpdateCosts");
        const QStringList offered = m_dialogs.callsOf(Kind::Checklist).at(1).lines;
        QCOMPARE(offered.size(), 2);
        QVERIFY(offered.at(1).startsWith(QStringLiteral("militia.tvf: ")));
        const QByteArray refreshed = ReadBytes(file(names[2]));
        QVERIFY(refreshed != militia);
        QVERIFY(refreshed.contains("Max Damage=8"));
        QCOMPARE(m_dialogs.callsOf(Kind::Checklist).at(1).ticked, QList<int>{0});
        // A file changed since is left as it is, and named.
        QFile changedSince(file(names[2]));
        QVERIFY(changedSince.open(QIODevice::Append));
        changedSince.write("; mine\r\n");
        changedSince.close();
        m_dialogs.clearCalls();
        w.undo();
        QCOMPARE(ReadBytes(file(names[2])), refreshed + "; mine\r\n");
        QVERIFY(m_dialogs.messageTexts().value(0).endsWith(file(names[2])));
    }
};

QTEST_MAIN(FrmArmyTest)
#include "frmarmy_test.moc"
