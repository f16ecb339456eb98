// The army editor's aids: the keyboard and the wheel in the number boxes,
// Enter to add, finding and sorting figures, the points limit, tool tips.

#include "army/frmarmy.h"
#include "windowtest.h"

#include "army/armymodel.h"
#include "card/cardsheetdialog.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <QWheelEvent>

using namespace tarvello;

class FrmArmyAidsTest : public QObject, public WindowTest
{
    Q_OBJECT

private:
    // A window listing the shipped figures.
    std::unique_ptr<frmArmy> armyOfShippedFigures()
    {
        auto w = std::make_unique<frmArmy>(m_context);
        m_dialogs.folderAnswers.enqueue(QStringLiteral(TARVELLO_SHIPPED_DATA_DIR "/figures"));
        ClickButton(w.get(), "btnBrowse");
        return w;
    }

    static void wheel(QWidget *box, int delta)
    {
        QWheelEvent event(QPointF(5, 5), box->mapToGlobal(QPointF(5, 5)), QPoint(),
                          QPoint(0, delta), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                          false);
        QApplication::sendEvent(box, &event);
    }

    static QStringList column(const QTreeWidget *list, int column)
    {
        QStringList texts;
        for (int row = 0; row < list->topLevelItemCount(); ++row)
            texts.append(list->topLevelItem(row)->text(column));
        return texts;
    }

private slots:
    void init() { resetContext(tarvello::RulesTables()); }

    // Each step goes through the spinner: the box shows its value and the
    // model holds it; steps stop at the spinner's bounds. The wheel steps
    // only the box that has the keyboard focus.
    void keysAndWheelStepTheBoxesWithinTheirRanges()
    {
        frmArmy w(m_context);
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        for (const auto &[boxName, spinnerName] :
             {std::pair{"txtUnitsToAdd", "updUnitsToAdd"}, {"txtUnitSizeAdd", "updUnitSizeAdd"}}) {
            auto *box = Named<QLineEdit>(&w, boxName);
            auto *spinner = Named<QSpinBox>(&w, spinnerName);
            auto *other = Named<QLineEdit>(&w, "txtArmyName");
            box->setFocus();
            const int start = spinner->value();
            const std::pair<std::function<void()>, int> steps[] = {
                {[box] { QTest::keyClick(box, Qt::Key_Up); }, start + 1},
                {[box] { QTest::keyClick(box, Qt::Key_PageUp); }, start + 11},
                {[box] { wheel(box, 240); }, start + 13},
                {[box] { wheel(box, 60); }, start + 13},
                {[box] { wheel(box, -180); }, start + 12},
                {[box, spinner, other] {
                     other->setFocus();
                     wheel(box, 480);
                     wheel(spinner, 480);
                     box->setFocus();
                 }, start + 12},
                {[box] { QTest::keyClick(box, Qt::Key_Down); }, start + 11},
                {[box] { QTest::keyClick(box, Qt::Key_PageDown); }, start + 1},
            };
            for (const auto &[step, value] : steps) {
                step();
                const int expected = qBound(spinner->minimum(), value, spinner->maximum());
                QCOMPARE(spinner->value(), expected);
                QCOMPARE(box->text(), QString::number(expected));
            }
            for (int i = 0; i < 150; ++i)
                QTest::keyClick(box, Qt::Key_PageUp);
            QCOMPARE(box->text(), QString::number(spinner->maximum()));
            for (int i = 0; i < 150; ++i)
                QTest::keyClick(box, Qt::Key_PageDown);
            QCOMPARE(box->text(), QString::number(spinner->minimum()));
        }
        QCOMPARE(w.model().UnitsToAdd(), TextOf(&w, "txtUnitsToAdd").toStdString());
    }

    // Enter on a figure adds it with the Add boxes' values; Page Down and
    // a wheel turn of several notches stop the count at 1, a single step from
    // there deletes the line, and Undo brings it back.
    void enterAddsAndASingleStepCanDeleteTheLine()
    {
        auto w = armyOfShippedFigures();
        w->show();
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        auto *available = Named<QTreeWidget>(w.get(), "lvwUnits");
        auto *units = Named<QTreeWidget>(w.get(), "lvwSelectedUnits");
        available->setCurrentItem(available->topLevelItem(2));
        QTest::keyClick(Named<QLineEdit>(w.get(), "txtUnitsToAdd"), Qt::Key_Up);
        QTest::keyClick(available, Qt::Key_Return);
        QCOMPARE(units->topLevelItemCount(), 1);
        QCOMPARE(units->topLevelItem(0)->text(2), available->topLevelItem(2)->text(0));
        QCOMPARE(units->topLevelItem(0)->text(0), QStringLiteral("2"));

        auto *count = Named<QLineEdit>(w.get(), "txtUnitCount");
        count->setFocus();
        QTest::keyClick(count, Qt::Key_PageDown);
        QCOMPARE(count->text(), QStringLiteral("1"));
        QTest::keyClick(count, Qt::Key_PageDown);
        wheel(count, -360);
        QCOMPARE(count->text(), QStringLiteral("1"));
        QCOMPARE(units->topLevelItemCount(), 1);
        wheel(count, -120);
        QCOMPARE(units->topLevelItemCount(), 0);
        w->undo();
        QCOMPARE(units->topLevelItemCount(), 1);
        QCOMPARE(units->topLevelItem(0)->text(0), QStringLiteral("2"));
    }

    // The filter narrows at every keystroke; a header click sorts (numbers as
    // numbers), and Add takes the figure shown, whatever its place.
    void filterAndSortShowTheFiguresAddTakes()
    {
        auto w = armyOfShippedFigures();
        auto *available = Named<QTreeWidget>(w.get(), "lvwUnits");
        const int all = available->topLevelItemCount();
        auto *filter = Named<QLineEdit>(w.get(), "txtFilter");
        QTest::keyClicks(filter, QStringLiteral("hUM"));
        QCOMPARE(column(available, 1), QStringList(3, QStringLiteral("Human")));
        QTest::keyClick(filter, Qt::Key_Z);
        QCOMPARE(available->topLevelItemCount(), 0);
        filter->clear();
        QCOMPARE(available->topLevelItemCount(), all);

        const int cost = int(tarvello::kCost);
        QHeaderView *header = available->header();
        const QPoint costHeader(header->sectionViewportPosition(cost) + 4, 4);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, costHeader);
        QStringList costs = column(available, cost);
        QVERIFY(costs.first().toInt() < costs.last().toInt());
        for (int i = 1; i < costs.size(); ++i)
            QVERIFY(costs[i - 1].toInt() <= costs[i].toInt());
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, costHeader);
        std::reverse(costs.begin(), costs.end());
        QCOMPARE(column(available, cost), costs);

        QTest::keyClicks(filter, QStringLiteral("e"));
        const QString first = available->topLevelItem(0)->text(0);
        QTest::keyClick(filter, Qt::Key_Return);
        auto *units = Named<QTreeWidget>(w.get(), "lvwSelectedUnits");
        QCOMPARE(units->topLevelItemCount(), 1);
        QCOMPARE(units->topLevelItem(0)->text(2), first);
        available->setCurrentItem(available->topLevelItem(available->topLevelItemCount() - 1));
        ClickButton(w.get(), "btnAddUnits");
        QCOMPARE(units->topLevelItem(1)->text(2),
                 available->topLevelItem(available->topLevelItemCount() - 1)->text(0));
    }

    // The points left follow the total and the limit; Undo takes the limit
    // back.
    void limitShowsThePointsLeftOrOver()
    {
        auto w = armyOfShippedFigures();
        Named<QTreeWidget>(w.get(), "lvwUnits")->setCurrentItem(
            Named<QTreeWidget>(w.get(), "lvwUnits")->topLevelItem(0));
        ClickButton(w.get(), "btnAddUnits");
        const int total = TextOf(w.get(), "txtArmyCost").toInt();
        QVERIFY(total > 10);
        auto *limit = Named<QLineEdit>(w.get(), "txtPointsLimit");
        auto *left = Named<QLabel>(w.get(), "lblPointsLeft");
        QVERIFY(left->text().isEmpty());
        QTest::keyClicks(limit, QString::number(total + 5) + QStringLiteral("x"));
        QCOMPARE(left->text(), QStringLiteral("not a limit")); // kept as typed, refused
        QTest::keyClick(limit, Qt::Key_Backspace);
        QCOMPARE(limit->text(), QString::number(total + 5));
        QCOMPARE(left->text(), QStringLiteral("5 left"));
        const QColor normal = left->palette().color(QPalette::WindowText);
        limit->setFocus();
        QTest::keyClick(limit, Qt::Key_Tab);
        QTest::keyClick(Named<QLineEdit>(w.get(), "txtUnitsToAdd"), Qt::Key_Up);
        ClickButton(w.get(), "btnAddUnits");
        QCOMPARE(left->text(),
                 QString::number(TextOf(w.get(), "txtArmyCost").toInt() - total - 5)
                     + QStringLiteral(" over"));
        QVERIFY(left->palette().color(QPalette::WindowText) != normal);
        w->undo();
        QCOMPARE(left->text(), QStringLiteral("5 left"));
        w->undo();
        QVERIFY(limit->text().isEmpty());
        QVERIFY(left->text().isEmpty());
    }

    // The card sheet dialog counts one card per figure, offers the roster
    // only when there is one, and can print a roster without cards.
    void cardSheetDialogOffersFigureCardsAndTheRoster()
    {
        IDialogs::CardSheetQuestion question{true, 3, 9, 0, 0, 9, [](int cards) {
                                                 return QString::number(cards);
                                             }};
        {
            const CardSheetDialog noRoster(question);
            QVERIFY(Named<QCheckBox>(&noRoster, "chkRoster") == nullptr);
        }
        question.rosterPages = 2;
        CardSheetDialog dialog(question);
        auto *count = Named<QLabel>(&dialog, "lblCount");
        auto *print = Named<QPushButton>(&dialog, "btnPrint");
        QCOMPARE(count->text(), QStringLiteral("3"));
        Named<QRadioButton>(&dialog, "optPerFigure")->click();
        QCOMPARE(count->text(), QStringLiteral("0"));
        QVERIFY(!print->isEnabled());
        Named<QCheckBox>(&dialog, "chkRoster")->click();
        QVERIFY(count->text().startsWith(QStringLiteral("0, after 2 roster")));
        QVERIFY(print->isEnabled());
        const IDialogs::CardSheetChoice choice = dialog.choice();
        QVERIFY(choice.perFigure && choice.roster && !choice.perUnit && !choice.rosterBar
                && !choice.saveImages);
        // The roster's points bar, off at first, counts the pages it makes.
        QVERIFY(dialog.findChild<QCheckBox *>(QStringLiteral("chkRosterBar")) == nullptr);
        question.rosterBarPages = 3;
        CardSheetDialog withBar(question);
        auto *bar = Named<QCheckBox>(&withBar, "chkRosterBar");
        QVERIFY(!bar->isChecked() && !bar->isEnabled());
        Named<QCheckBox>(&withBar, "chkRoster")->click();
        bar->click();
        QVERIFY(Named<QLabel>(&withBar, "lblCount")->text().endsWith(QStringLiteral("after 3 roster pages")));
        QVERIFY(withBar.choice().rosterBar);
        // Images need cards; Save as Images answers with the deck tick box.
        auto *images = Named<QPushButton>(&dialog, "btnSaveImages");
        QVERIFY(!images->isEnabled());
        Named<QRadioButton>(&dialog, "optPerUnit")->click();
        Named<QCheckBox>(&dialog, "chkDeck")->click();
        images->click();
        QVERIFY(dialog.choice().saveImages && dialog.choice().deck && dialog.choice().perUnit);
    }

    void everyButtonAndColumnSaysWhatItDoes()
    {
        frmArmy w(m_context);
        for (QPushButton *button : w.findChildren<QPushButton *>())
            QVERIFY2(!button->toolTip().isEmpty(), qPrintable(button->objectName()));
        for (const char *name : {"lvwUnits", "lvwSelectedUnits"}) {
            QTreeWidgetItem *header = Named<QTreeWidget>(&w, name)->headerItem();
            for (int column = 0; column < header->columnCount(); ++column)
                QVERIFY2(!header->toolTip(column).isEmpty(), qPrintable(header->text(column)));
        }
    }
};

QTEST_MAIN(FrmArmyAidsTest)
#include "frmarmy_aids_test.moc"
