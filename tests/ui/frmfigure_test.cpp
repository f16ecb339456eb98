// The figure editor window: that it forwards each control to its model, shows
// what the model holds, and asks the dialogs it should.

#include "figure/frmfigure.h"
#include "windowtest.h"

#include "figure/costdeltadelegate.h"
#include "shell/lookandlanguage.h"

#include "figure/figurefile.h"
#include "figure/figuremodel.h"
#include "platform/pointsbarview.h"

#include <QBuffer>
#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QSignalSpy>
#include <QSpinBox>

using namespace tarvello;

namespace {

QStringList rowTexts(const QTreeWidget *list, int row)
{
    QStringList result;
    const QTreeWidgetItem *item = list->topLevelItem(row);
    for (int i = 0; item && i < list->columnCount(); ++i)
        result.append(item->text(i));
    return result;
}

QStringList items(const QComboBox *box)
{
    QStringList result;
    for (int i = 0; i < box->count(); ++i)
        result.append(box->itemText(i));
    return result;
}

} // namespace

class FrmFigureTest : public QObject, public WindowTest
{
    Q_OBJECT

private:
    std::unique_ptr<frmFigure> newWindow()
    {
        auto window = std::make_unique<frmFigure>(m_context);
        window->show();
        return window;
    }

    // A left click sent straight to the widget: the window is wider than the
    // offscreen screen, where clicks through the window system get lost.
    static void click(QWidget *widget, QPoint at)
    {
        QMouseEvent press(QEvent::MouseButtonPress, at, widget->mapToGlobal(at),
                          Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(widget, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, at, widget->mapToGlobal(at),
                            Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(widget, &release);
    }

    static void click(QWidget *window, const char *name)
    {
        auto *widget = Named<QWidget>(window, name);
        QVERIFY2(widget, name);
        QVERIFY2(widget->isEnabled(), name);
        click(widget, widget->rect().center());
    }

    // The user clicks row of list.
    static void clickRow(QWidget *window, const char *name, int row)
    {
        auto *list = Named<QTreeWidget>(window, name);
        QVERIFY(list);
        QTreeWidgetItem *item = list->topLevelItem(row);
        QVERIFY(item);
        list->scrollToItem(item);
        click(list->viewport(),
              list->visualItemRect(item).intersected(list->viewport()->rect()).center());
        QVERIFY(item->isSelected());
    }

    static void add(QWidget *window, const char *list, int row, const char *button)
    {
        clickRow(window, list, row);
        click(window, button);
    }

    // The user replaces a field's text by typing keys.
    static void type(QWidget *window, const char *name, const QString &keys)
    {
        auto *field = Named<QLineEdit>(window, name);
        QVERIFY(field);
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, keys);
    }

private slots:
    void init() { resetContext(); }

    void choicesAndFieldsForwardAndShowTheCost()
    {
        auto w = newWindow();
        QCOMPARE(items(Named<QComboBox>(w.get(), "cboRace")), QStringList({"Human", "Dwarf"}));
        QCOMPARE(TextOf(w.get(), "txtDefenseFactor"), QStringLiteral("2.5"));
        QVERIFY(m_dialogs.calls.isEmpty());
        // Sword: green melee 3; 3 x 2.5 = 7.5, rounds to even 8.
        add(w.get(), "lvwMeleeWeapons", 0, "btnAddMeleeWeapon");
        QCOMPARE(TextOf(w.get(), "txtFinalCost"), QStringLiteral("8"));
        // Chain (green 6): defense 3.5; 3 x 3.5 = 10.5, rounds to even 10.
        Choose(w.get(), "cboArmorType", 1);
        QCOMPARE(TextOf(w.get(), "txtCost"), QStringLiteral("10.5"));
        QCOMPARE(TextOf(w.get(), "txtFinalCost"), QStringLiteral("10"));
        // Optional movement on Foot: 6 x 0.06 + 0.64 = 1.
        click(w.get(), "chkUseOptionalMovement");
        QCOMPARE(TextOf(w.get(), "txtMoveMultiplier"), QStringLiteral("1"));
        QVERIFY(w->model().Record().chkUseOptionalMovement == 1);
        // The type switches the training captions and the label.
        Choose(w.get(), "cboTrainingLevel", 1);
        Choose(w.get(), "cboFigureType", 3);
        QCOMPARE(Named<QLabel>(w.get(), "lblTrainingLevel")->text(), QStringLiteral("Targeting System"));
        QCOMPARE(items(Named<QComboBox>(w.get(), "cboTrainingLevel")),
                 QStringList({"Poor", "Good", "Excellent"}));
        QCOMPARE(Named<QComboBox>(w.get(), "cboTrainingLevel")->currentIndex(), 1);
        QVERIFY(w->model().Changed());
    }

    // The "+Pts" cells of the three "Available" lists, and the cost changes
    // beside the race entries, as the open drop-down shows them.
    static QStringList pointsColumn(QWidget *window)
    {
        QStringList cells;
        for (const char *name : {"lvwMeleeWeapons", "lvwMissileWeapons", "lvwExtraItems"}) {
            auto *list = Named<QTreeWidget>(window, name);
            for (int row = 0; row < list->topLevelItemCount(); ++row)
                cells.append(list->topLevelItem(row)->text(list->columnCount() - 1));
        }
        return cells;
    }
    static QStringList raceDeltas(QWidget *window)
    {
        auto *box = Named<QComboBox>(window, "cboRace");
        box->showPopup();
        QStringList deltas;
        for (int i = 0; i < box->count(); ++i)
            deltas.append(box->itemData(i, kCostDeltaRole).toString());
        box->hidePopup();
        return deltas;
    }

    void previewsFollowAChangeOfRace()
    {
        auto w = newWindow();
        // At the opening size each available row shows its name and, right
        // after it, its "+Pts".
        QTest::qWait(0);
        for (const frmFigure::SeriesWidgets &f : w->seriesWidgets()) {
            const QHeaderView *header = f.available->header();
            const int points = f.available->columnCount() - 1;
            QCOMPARE(header->visualIndex(points), 1);
            const QAbstractItemView *rows = f.available;
            QVERIFY(header->sectionSize(0) >= rows->sizeHintForColumn(0));
            QVERIFY(header->sectionViewportPosition(points) + header->sectionSize(points)
                    <= f.available->viewport()->width());
        }
        // A human sword: 3 x 2.5 = 7.5, rounds to 8. Another sword 15 (+7),
        // an axe 17.5 (+10), a bow 17.5 (+10), a shield 12.5, rounding to 12
        // (+4); a dwarf (defense 3) would cost 9.
        add(w.get(), "lvwMeleeWeapons", 0, "btnAddMeleeWeapon");
        QCOMPARE(pointsColumn(w.get()), QStringList({"+7", "+10", "+10", "+4"}));
        QCOMPARE(raceDeltas(w.get()), QStringList({"\u00B10", "+1"}));
        Choose(w.get(), "cboRace", 1);
        QCOMPARE(TextOf(w.get(), "txtFinalCost"), QStringLiteral("9"));
        QCOMPARE(pointsColumn(w.get()), QStringList({"+9", "+12", "+12", "+5"}));
        QCOMPARE(raceDeltas(w.get()), QStringList({"\u22121", "\u00B10"}));
        // The entries keep the tables' names; Add copies the row's own columns.
        QCOMPARE(items(Named<QComboBox>(w.get(), "cboRace")), QStringList({"Human", "Dwarf"}));
        add(w.get(), "lvwExtraItems", 0, "btnAddExtraItem");
        QCOMPARE(rowTexts(Named<QTreeWidget>(w.get(), "lvwExtraItemsSelected"), 0),
                 QStringList({"Shield", "5", "0", "0", "0", "0", "Blocks"}));
        QCOMPARE(TextOf(w.get(), "txtFinalCost"), QStringLiteral("14"));
    }

    void typedTextAndSpinnersForward()
    {
        auto w = newWindow();
        auto *adjust = Named<QLineEdit>(w.get(), "txtAdjustHitFactor");
        type(w.get(), "txtAdjustHitFactor", QStringLiteral("abc"));
        QCOMPARE(adjust->text(), QStringLiteral("0"));
        // The spinner shows the typed number and the cursor stays after it.
        type(w.get(), "txtAdjustHitFactor", QStringLiteral("2"));
        QCOMPARE(adjust->cursorPosition(), 1);
        QCOMPARE(TextOf(w.get(), "txtAdjustedHitFactor"), QStringLiteral("6"));
        QCOMPARE(Named<QSpinBox>(w.get(), "updAdjustHitFactor")->value(), 2);
        // A key typed in the middle stays where it went.
        adjust->setCursorPosition(0);
        QTest::keyClicks(adjust, QStringLiteral("1"));
        QCOMPARE(adjust->text(), QStringLiteral("12"));
        QCOMPARE(adjust->cursorPosition(), 1);

        auto *hitPoints = Named<QLineEdit>(w.get(), "txtHitPoints");
        type(w.get(), "txtHitPoints", QStringLiteral("0"));
        QCOMPARE(hitPoints->text(), QStringLiteral("1"));
        Named<QSpinBox>(w.get(), "updHitPoints")->stepUp();
        QCOMPARE(hitPoints->text(), QStringLiteral("2"));
        QCOMPARE(TextOf(w.get(), "txtHitPointsCopy"), QStringLiteral("2"));
        Named<QSpinBox>(w.get(), "updAdjustHitFactor")->setValue(-100);
        QCOMPARE(adjust->text(), QStringLiteral("-100"));

        // A negative number typed key by key; a lone "-" left behind is 0.
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        for (const QString &typed : {QStringLiteral("-2"), QStringLiteral("-")}) {
            type(w.get(), "txtAdjustHitFactor", typed);
            QCOMPARE(adjust->text(), typed);
        }
        QCOMPARE(TextOf(w.get(), "txtAdjustedHitFactor"), QStringLiteral("4"));
        hitPoints->setFocus();
        QCOMPARE(adjust->text(), QStringLiteral("0"));
        type(w.get(), "txtAdjustHitFactor", QStringLiteral("-"));
        w.reset(); // closed with the focus in the box
    }

    void staleCostShowsInABarAboveTheFrames()
    {
        auto w = newWindow();
        type(w.get(), "txtFigureName", QStringLiteral("Grey"));
        add(w.get(), "lvwMeleeWeapons", 0, "btnAddMeleeWeapon");
        const QString path = tempPath(QStringLiteral("grey.tvf"));
        m_dialogs.saveFileAnswers.enqueue(path);
        w->Save();
        m_tables.Races[0].HitFactorModifier = 1; // defense 2.5 becomes 3: 7.5 (8) becomes 9
        for (const char *ending : {"btnCloseStaleCost", "cboMove", "btnUpdateCost"}) {
            auto opened = newWindow();
            opened->openFigureFile(path);
            QCOMPARE(opened->windowTitle(), QStringLiteral("Figure: Grey"));
            QSignalSpy saved(opened.get(), &ChildWindow::documentSaved); // "Saved grey.tvf"
            auto *bar = Named<QWidget>(opened.get(), "fraStaleCost");
            QVERIFY(bar && bar->isVisible());
            QCOMPARE(Named<QLabel>(bar, "lblStaleCost")->text(),
                     QStringLiteral("Stored cost 8, now 9 after table changes"));
            if (std::string_view(ending) == "cboMove")
                Choose(opened.get(), ending, 1); // the next change
            else
                click(bar, ending);
            QVERIFY2(!bar->isVisible(), ending);
            QCOMPARE(saved.count(), std::string_view(ending) == "btnUpdateCost" ? 1 : 0);
        }
        QVERIFY(ReadBytes(path).contains("txtFinalCost=9\r\n"));
        auto updated = newWindow();
        updated->openFigureFile(path);
        QVERIFY(!Named<QWidget>(updated.get(), "fraStaleCost"));
    }

    void listButtonsForwardTheChosenRow()
    {
        auto w = newWindow();
        for (const frmFigure::SeriesWidgets &f : w->seriesWidgets()) {
            // Nothing chosen in "Available": Add adds nothing.
            click(f.add, f.add->rect().center());
            QCOMPARE(f.selected->topLevelItemCount(), 0);
            clickRow(w.get(), qPrintable(f.available->objectName()), 0);
            click(f.add, f.add->rect().center());
            emit f.available->itemDoubleClicked(f.available->topLevelItem(0), 0);
            QCOMPARE(f.selected->topLevelItemCount(), 2);
            QCOMPARE(rowTexts(f.selected, 1), rowTexts(f.selected, 0));
            // Numbers align right, names left, as the series' columns say.
            QCOMPARE(f.selected->topLevelItem(0)->textAlignment(1) & Qt::AlignRight, Qt::AlignRight);
            QVERIFY(!(f.selected->topLevelItem(0)->textAlignment(0) & Qt::AlignRight));
            clickRow(w.get(), qPrintable(f.selected->objectName()), 1);
            click(f.remove, f.remove->rect().center());
            QCOMPARE(f.selected->topLevelItemCount(), 1);
            // No other row is taken for the removed one.
            QVERIFY(f.selected->selectedItems().isEmpty());
            click(f.remove, f.remove->rect().center());
            QCOMPARE(f.selected->topLevelItemCount(), 1);
        }
        QCOMPARE(rowTexts(Named<QTreeWidget>(w.get(), "lvwMissileWeaponsSelected"), 0),
                 QStringList({"Bow", "4", "1", "6", "12", "0", "Longbow"}));
    }

    void shotsFollowTheChosenMissileRow()
    {
        auto w = newWindow();
        auto *selected = Named<QTreeWidget>(w.get(), "lvwMissileWeaponsSelected");
        auto *spinner = Named<QSpinBox>(w.get(), "updLimitMissileAttack");
        auto *shots = Named<QLineEdit>(w.get(), "txtLimitedShots");
        add(w.get(), "lvwMissileWeapons", 0, "btnAddMissileWeapon");
        click(w.get(), "btnAddMissileWeapon");
        clickRow(w.get(), "lvwMissileWeaponsSelected", 1);
        spinner->setValue(10);
        QCOMPARE(selected->topLevelItem(1)->text(5), QStringLiteral("10"));
        QCOMPARE(selected->topLevelItem(0)->text(5), QStringLiteral("0"));
        // (4 - 1) x 10 / 20 + 1 = 2.5 for the second bow.
        QCOMPARE(TextOf(w.get(), "txtMissileWeaponMultiplier"), QStringLiteral("6.5"));
        QVERIFY(selected->topLevelItem(1)->isSelected());
        // The cost bar has a part for each bow, and a click on the first
        // part is a click on its row.
        auto *bar = Named<PointsBarView>(w.get(), "picCostBreakdown");
        const QStringList parts = bar->accessibleDescription().split(QStringLiteral("; "));
        QCOMPARE(parts.size(), 3);
        QVERIFY(parts[0].startsWith(QStringLiteral("Bow: ")) && parts[1].startsWith(QStringLiteral("Bow: ")));
        QVERIFY(parts[0] != parts[1]);
        QVERIFY(parts[2].startsWith(QStringLiteral("Rounding: ")));
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->partRect(0).center().toPoint());
        QCOMPARE(selected->currentItem(), selected->topLevelItem(0));
        QCOMPARE(shots->text(), QStringLiteral("0"));

        clickRow(w.get(), "lvwMissileWeaponsSelected", 0);
        QCOMPARE(shots->text(), QStringLiteral("0"));
        QCOMPARE(spinner->value(), 0);
        // Moving to the other row with the keyboard shows its shots too.
        selected->setFocus();
        QTest::keyClick(selected, Qt::Key_Down);
        QCOMPARE(selected->currentItem(), selected->topLevelItem(1));
        QCOMPARE(shots->text(), QStringLiteral("10"));
        QCOMPARE(spinner->value(), 10);

        // Keys typed into the shots field are discarded.
        shots->setFocus();
        QTest::keyClicks(shots, QStringLiteral("5"));
        QTest::keyClick(shots, Qt::Key_Backspace);
        QCOMPARE(shots->text(), QStringLiteral("10"));
        // The arrow keys set the limit, within 0 to 20.
        QTest::keyClick(shots, Qt::Key_Up);
        QCOMPARE(selected->topLevelItem(1)->text(5), QStringLiteral("11"));
        QTest::keyClick(shots, Qt::Key_PageUp);
        QTest::keyClick(shots, Qt::Key_Up);
        QCOMPARE(shots->text(), QStringLiteral("20"));
        QCOMPARE(TextOf(w.get(), "txtMissileWeaponMultiplier"), QStringLiteral("8"));
    }

    void tabFollowsTheFigureDataInReadingOrder()
    {
        auto w = newWindow();
        QApplication::setActiveWindow(w.get());
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        QWidget *first = Named<QWidget>(w.get(), "cboFigureType");
        first->setFocus();
        QStringList visited;
        for (QWidget *at = first; visited.size() < 60; at = QApplication::focusWidget()) {
            if (!visited.isEmpty() && at == first)
                break;
            visited.append(at->objectName());
            QTest::keyClick(at, Qt::Key_Tab);
        }
        QCOMPARE(visited.mid(0, 8),
                 QStringList({"cboFigureType", "cboRace", "txtAdjustHitFactor",
                              "cboTrainingLevel", "cboArmorType", "txtHitPoints", "cboMove",
                              "cboCommandSkill"}));
        QVERIFY(visited.contains(QStringLiteral("txtLimitedShots")));
        QVERIFY(!visited.contains(QStringLiteral("scrFigure")));
        QVERIFY(!visited.contains(QStringLiteral("txtBaseHitFactor")));
    }

    void closingPrompt_data()
    {
        QTest::addColumn<bool>("changed");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("saveTo"); // "-": no save dialog; "": cancelled
        QTest::addColumn<bool>("closes");
        QTest::addColumn<int>("messages");
        const int yes = int(IDialogs::Answer::Yes);
        QTest::newRow("unchanged: no question") << false << 0 << "-" << true << 0;
        QTest::newRow("no") << true << int(IDialogs::Answer::No) << "-" << true << 1;
        QTest::newRow("cancel keeps the changes") << true << int(IDialogs::Answer::Cancel) << "-" << false << 1;
        // A cancelled save dialog must not lose the figure.
        QTest::newRow("yes, save dialog cancelled") << true << yes << "" << false << 1;
        QTest::newRow("yes saves") << true << yes << "pikeman.tvf" << true << 1;
        QTest::newRow("yes, the write fails") << true << yes << "no/such/folder/x.tvf" << false << 2;
    }

    void closingPrompt()
    {
        QFETCH(bool, changed);
        QFETCH(int, answer);
        QFETCH(QString, saveTo);
        QFETCH(bool, closes);
        QFETCH(int, messages);
        auto w = newWindow();
        if (changed)
            type(w.get(), "txtFigureName", QStringLiteral("Pikeman"));
        m_dialogs.clearCalls();
        m_dialogs.messageAnswers.enqueue(IDialogs::Answer(answer));
        const QString path = tempPath(saveTo);
        if (saveTo != QLatin1String("-"))
            m_dialogs.saveFileAnswers.enqueue(saveTo.isEmpty() ? std::nullopt : std::optional(path));
        m_dialogs.onCall = [](const ScriptedDialogs::Call &) { QVERIFY(!QApplication::overrideCursor()); };
        QCOMPARE(w->close(), closes);
        m_dialogs.onCall = nullptr;
        const bool saved = closes && answer == int(IDialogs::Answer::Yes);
        QCOMPARE(w->isVisible(), !closes);
        QCOMPARE(w->model().Changed(), changed && !saved);
        QCOMPARE(m_dialogs.count(Kind::Message), messages);
        QCOMPARE(m_dialogs.calls.size(), messages + int(saveTo != QLatin1String("-")));
        if (messages > 0) {
            const ScriptedDialogs::Call &ask = m_dialogs.calls.first();
            QCOMPARE(ask.text, QStringLiteral("Figure changes not saved!\r\nSave them now?"));
            QCOMPARE(ask.title, QStringLiteral("Tarvello 1.0.0"));
            QCOMPARE(ask.buttons, IDialogs::Buttons::YesNoCancel);
            QCOMPARE(ask.icon, IDialogs::Icon::Question);
        }
        if (saved) {
            QVERIFY(QFile::exists(path));
            const ScriptedDialogs::Call save = m_dialogs.callsOf(Kind::SaveFile).first();
            QCOMPARE(save.filter, QLatin1String(tarvello::kFigureFileFilter));
            QCOMPARE(save.startFolder, m_folder->path() + QStringLiteral("/figures"));
            QCOMPARE(save.proposedName, QStringLiteral("Pikeman.tvf"));
            QVERIFY(save.confirmOverwrite);
        }
        if (messages == 2) {
            const ScriptedDialogs::Call failure = m_dialogs.calls.last();
            QVERIFY2(failure.text.startsWith("Error in saving " + path + " !\r\n"), qPrintable(failure.text));
            QCOMPARE(failure.title, QStringLiteral("Tarvello"));
            QCOMPARE(failure.buttons, IDialogs::Buttons::Ok);
        }
    }

    void saveAndOpenRestoreTheFigure()
    {
        // A 3 x 2 bitmap: white except a red and a blue pixel.
        QImage bitmap(3, 2, QImage::Format_RGB32);
        bitmap.fill(Qt::white);
        bitmap.setPixel(1, 0, qRgb(255, 0, 0));
        bitmap.setPixel(2, 1, qRgb(0, 0, 255));
        const QString bitmapPath = tempPath(QStringLiteral("archer.bmp"));
        QVERIFY(bitmap.save(bitmapPath, "BMP"));

        auto w = newWindow();
        type(w.get(), "txtFigureName", QStringLiteral("Dwarf Archer"));
        m_dialogs.openFileAnswers.enqueue(bitmapPath);
        click(w.get(), "btnBrowse");
        QCOMPARE(m_dialogs.calls.last().filter,
                 QStringLiteral("Bitmap (*.bmp)|*.bmp|Pictures (*.bmp *.png *.jpg *.jpeg *.gif)|"
                                "*.bmp;*.png;*.jpg;*.jpeg;*.gif|All files (*.*)|*.*"));
        QCOMPARE(TextOf(w.get(), "txtImageFile"), QStringLiteral("archer.bmp"));
        Choose(w.get(), "cboFigureType", 3);
        Choose(w.get(), "cboRace", 1);
        click(w.get(), "chkOptionalRangeCost");
        add(w.get(), "lvwMissileWeapons", 0, "btnAddMissileWeapon");
        clickRow(w.get(), "lvwMissileWeaponsSelected", 0);
        Named<QSpinBox>(w.get(), "updLimitMissileAttack")->setValue(7);

        const QString path = tempPath(QStringLiteral("archer.tvf"));
        m_dialogs.saveFileAnswers.enqueue(path);
        m_dialogs.clearCalls();
        w->Save(); // no file name yet: asks for one
        QCOMPARE(m_dialogs.count(Kind::SaveFile), 1);
        QCOMPARE(m_dialogs.count(Kind::Message), 0);
        QVERIFY(!w->model().Changed());
        QVERIFY(!QApplication::overrideCursor());
        // A later save writes to the same file without asking.
        Choose(w.get(), "cboMove", 1);
        w->Save();
        QCOMPARE(m_dialogs.count(Kind::SaveFile), 1);

        auto opened = newWindow();
        m_dialogs.openFileAnswers.enqueue(path);
        m_dialogs.clearCalls();
        opened->OpenFigure();
        QCOMPARE(m_dialogs.calls.first().filter, QLatin1String(tarvello::kFigureFileFilter));
        QCOMPARE(m_dialogs.messageTexts(), QStringList());
        QCOMPARE(opened->windowTitle(), QStringLiteral("Figure: Dwarf Archer"));
        QVERIFY(!opened->model().Changed());
        for (const QLineEdit *field : w->findChildren<QLineEdit *>()) {
            if (field->objectName().startsWith(QLatin1String("txt")))
                QCOMPARE(TextOf(opened.get(), qPrintable(field->objectName())), field->text());
        }
        for (const QComboBox *box : w->findChildren<QComboBox *>())
            QCOMPARE(Named<QComboBox>(opened.get(), qPrintable(box->objectName()))->currentText(),
                     box->currentText());
        QCOMPARE(Named<QLabel>(opened.get(), "lblTrainingLevel")->text(), QStringLiteral("Targeting System"));
        QVERIFY(Named<QCheckBox>(opened.get(), "chkOptionalRangeCost")->isChecked());
        QCOMPARE(rowTexts(Named<QTreeWidget>(opened.get(), "lvwMissileWeaponsSelected"), 0),
                 QStringList({"Bow", "4", "1", "6", "12", "7", "Longbow"}));
        const auto *openedPicture = Named<QLabel>(opened.get(), "picFigure");
        QCOMPARE(openedPicture->size(), QSize(3, 2));
        QCOMPARE(openedPicture->pixmap().toImage().convertToFormat(QImage::Format_RGB32), bitmap);
    }

    void openingReportsAMissingRace()
    {
        const QString path = tempPath(QStringLiteral("elf.tvf"));
        WriteBytes(path, "[Figure]\r\ncboFigureType=Normal\r\ncboTrainingLevel=Green\r\ncboRace=Elf\r\n"
              "cboArmorType=Chain\r\ncboMove=Foot\r\ncboCommandSkill=None\r\n");
        auto opened = newWindow();
        m_dialogs.openFileAnswers.enqueue(path);
        opened->OpenFigure();
        QCOMPARE(m_dialogs.messageTexts(),
                 QStringList({"The item Elf does not exist in current resourcefiles!"}));
        const ScriptedDialogs::Call message = m_dialogs.callsOf(Kind::Message).first();
        QCOMPARE(message.title, QStringLiteral("Tarvello"));
        QCOMPARE(message.buttons, IDialogs::Buttons::Ok);
        // The first race stays chosen and the cost uses it: Chain green 6.
        QCOMPARE(Named<QComboBox>(opened.get(), "cboRace")->currentIndex(), 0);
        QCOMPARE(TextOf(opened.get(), "txtAdjustedHitFactor"), QStringLiteral("6"));
        QVERIFY(!opened->model().Changed());
    }

    void cancelledDialogsChangeNothing()
    {
        auto w = newWindow();
        m_dialogs.openFileAnswers.enqueue(std::nullopt);
        w->OpenFigure();
        QCOMPARE(w->windowTitle(), QStringLiteral("Figure"));
        QVERIFY(!w->model().Changed());

        m_dialogs.openFileAnswers.enqueue(std::nullopt);
        click(w.get(), "btnBrowse");
        QCOMPARE(TextOf(w.get(), "txtImageFile"), QString());

        m_dialogs.saveFileAnswers.enqueue(std::nullopt);
        w->SaveAs();
        QVERIFY(w->model().FileName().empty());
        QCOMPARE(m_dialogs.count(Kind::Message), 0);
    }

    // A file that is not read whole changes neither the name nor the picture.
    void unreadablePictureChangesNothing()
    {
        QImage red(40, 30, QImage::Format_RGB32);
        red.fill(Qt::red);
        QByteArray bmp, png;
        QBuffer bmpBuffer(&bmp), pngBuffer(&png);
        QVERIFY(bmpBuffer.open(QIODevice::WriteOnly) && red.save(&bmpBuffer, "BMP"));
        QVERIFY(pngBuffer.open(QIODevice::WriteOnly) && red.save(&pngBuffer, "PNG"));
        const struct
        {
            const char *name;
            QByteArray bytes;
            QString description;
        } cases[] = {
            {"text.bmp", "this is text, not a picture", QString()},
            {"cut.bmp", bmp.left(bmp.size() - 100),
             QStringLiteral("The file ends after %1 of the %2 bytes its picture needs.")
                 .arg(bmp.size() - 100).arg(bmp.size())},
            {"cut.png", png.left(png.size() / 2), QString()},
        };
        auto w = newWindow();
        const QString kept = tempPath(QStringLiteral("kept.png"));
        QImage keptImage(2, 2, QImage::Format_RGB32);
        keptImage.fill(Qt::green);
        QVERIFY(keptImage.save(kept));
        m_dialogs.openFileAnswers.enqueue(kept);
        click(w.get(), "btnBrowse");
        const tarvello::Picture before = w->model().Image();
        for (const auto &c : cases) {
            const QString path = tempPath(QLatin1String(c.name));
            WriteBytes(path, c.bytes);
            m_dialogs.clearCalls();
            m_dialogs.openFileAnswers.enqueue(path);
            click(w.get(), "btnBrowse");
            QCOMPARE(TextOf(w.get(), "txtImageFile"), QStringLiteral("kept.png"));
            QVERIFY(w->model().Image() == before);
            const QStringList texts = m_dialogs.messageTexts();
            QCOMPARE(texts.size(), 1);
            QVERIFY2(texts[0].startsWith("The picture " + path + " cannot be read!\r\n"), qPrintable(texts[0]));
            if (!c.description.isEmpty())
                QCOMPARE(texts[0].section(QStringLiteral("\r\n"), 1), c.description);
        }
    }

    // A picture larger than a card can use is offered scaled down; one beyond
    // the figure file's limit is never taken whole.
    void largePictureIsOfferedScaledDown()
    {
        const struct
        {
            int width, height;
            IDialogs::Answer answer;
            QSize taken; // empty: the picture stays as it was
        } cases[] = {
            {1200, 1600, IDialogs::Answer::Yes, {709, 945}},
            {1200, 1600, IDialogs::Answer::No, {1200, 1600}},
            {4200, 4200, IDialogs::Answer::No, {0, 0}},
            {4200, 4200, IDialogs::Answer::Yes, {709, 709}},
            {700, 900, IDialogs::Answer::Cancel, {700, 900}}, // no question
        };
        for (const auto &c : cases) {
            auto w = newWindow();
            QImage photo(c.width, c.height, QImage::Format_RGB32);
            photo.fill(Qt::blue);
            const QString path = tempPath(QStringLiteral("photo.png"));
            QVERIFY(photo.save(path));
            m_dialogs.clearCalls();
            m_dialogs.messageAnswers.enqueue(c.answer);
            m_dialogs.openFileAnswers.enqueue(path);
            click(w.get(), "btnBrowse");
            const QStringList asked = m_dialogs.messageTexts();
            QCOMPARE(asked.size(), c.width > 709 ? 1 : 0);
            if (!asked.isEmpty()) {
                QVERIFY2(asked[0].startsWith(QStringLiteral("This picture is %1 \u00D7 %2 pixels; printed on a card it needs at most ").arg(c.width).arg(c.height)), qPrintable(asked[0]));
                QCOMPARE(m_dialogs.callsOf(Kind::Message).first().buttons, IDialogs::Buttons::YesNo);
            } else {
                m_dialogs.messageAnswers.clear();
            }
            QCOMPARE(QSize(w->model().Image().width, w->model().Image().height), c.taken);
            QCOMPARE(TextOf(w.get(), "txtImageFile"), c.taken.isEmpty() ? QString() : QStringLiteral("photo.png"));
            if (!c.taken.isEmpty())
                QCOMPARE(w->model().Image().Pixel(c.taken.width() / 2, c.taken.height() / 2), 0xFF0000u);
        }
    }

    // The windows' language changes words only: a figure made, saved and
    // exported in German gives the very bytes it gives in English, while the
    // window and its messages speak German. Runs last: it leaves German loaded.
    void germanWindowsSaveAndExportTheSameBytes()
    {
        QByteArray saved[2];
        QString exported[2];
        for (int german = 0; german < 2; ++german) {
            if (german)
                QVERIFY(installTranslations(*QCoreApplication::instance(), QStringLiteral("de"),
                                            programTranslationsFolder()));
            auto w = newWindow();
            QCOMPARE(Named<QGroupBox>(w.get(), "fraCalculatedFigureCost")->title(),
                     german ? QStringLiteral("Berechnete Figurenkosten") : QStringLiteral("Calculated Figure Cost"));
            type(w.get(), "txtFigureName", QStringLiteral("Grey"));
            Choose(w.get(), "cboRace", 1);
            add(w.get(), "lvwMeleeWeapons", 0, "btnAddMeleeWeapon");
            type(w.get(), "txtAdjustHitFactor", QStringLiteral("2"));
            Choose(w.get(), "cboFigureType", 2);
            Choose(w.get(), "cboTrainingLevel", 1);
            // The core's texts the window shows: drop-down entries and tool tips.
            const auto tip = [&w](const char *name) { return Named<QWidget>(w.get(), name)->toolTip(); };
            const struct { QString shown; const char *english; const char *german; } texts[] = {
                {Named<QComboBox>(w.get(), "cboFigureType")->currentText(), "Hero", "Held"},
                {Named<QComboBox>(w.get(), "cboTrainingLevel")->currentText(), "Line", "Linie"},
                {tip("txtMagicSkillCost"), "Magic Skill 0: only a BattleMage pays for magic; this figure is Hero.",
                 "Magiefähigkeit 0: Nur ein Kampfmagier zahlt für Magie; diese Figur ist vom Typ Held."},
                {tip("txtHitPointsCopy"), "Hit Points ", "Trefferpunkte "},
                {tip("txtTotalWeaponMultiplier").section(u'\n', 1, 1), "Each weapon's share comes from the line attack-roll table (Training Level Line)",
                 "Der Anteil jeder Waffe stammt aus der Angriffswurftabelle line (Ausbildungsstufe Linie)"},
                {tip("picCostBreakdown"), "Final Cost ", "Endkosten "},
            };
            for (const auto &t : texts)
                QVERIFY2(t.shown.startsWith(QString::fromUtf8(german ? t.german : t.english)), qPrintable(t.shown));
            const QString path = tempPath(german ? QStringLiteral("de.tvf") : QStringLiteral("en.tvf"));
            m_dialogs.saveFileAnswers.enqueue(path);
            w->Save();
            saved[german] = ReadBytes(path);
            m_dialogs.clearCalls();
            w->Export();
            exported[german] = QApplication::clipboard()->text();
            QCOMPARE(m_dialogs.messageTexts().size(), 1);
            QCOMPARE(m_dialogs.messageTexts().first().startsWith(QStringLiteral("Die Figurendaten")), german == 1);
            m_dialogs.saveFileAnswers.enqueue(tempPath(QStringLiteral("no/such/folder/x.tvf")));
            m_dialogs.clearCalls();
            w->SaveAs();
            QCOMPARE(m_dialogs.messageTexts().first().startsWith(QStringLiteral("Fehler beim Speichern von ")),
                     german == 1);
        }
        QVERIFY(saved[0].contains("txtFigureName=Grey\r\n"));
        QVERIFY(saved[0].contains("cboFigureType=Hero\r\n") && saved[0].contains("cboTrainingLevel=Line\r\n"));
        QCOMPARE(saved[1], saved[0]);
        QVERIFY(!exported[0].isEmpty());
        QCOMPARE(exported[1], exported[0]);
    }
};

QTEST_MAIN(FrmFigureTest)
#include "frmfigure_test.moc"
