// The figure editor window: its controls, its reactions and what they show,
// the closing prompt, and saving and reopening a figure.

#include "figure/frmfigure.h"
#include "scripteddialogs.h"
#include "smalltables.h"

#include "figure/figuremodel.h"
#include "rules/rulestables.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <memory>

using Kind = ScriptedDialogs::Kind;

namespace {

QStringList headers(const QTreeWidget *list)
{
    QStringList result;
    for (int i = 0; i < list->columnCount(); ++i)
        result.append(list->headerItem()->text(i));
    return result;
}

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

class FrmFigureTest : public QObject
{
    Q_OBJECT

private:
    tarvello::RulesTables m_tables;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<AppContext> m_context;
    std::unique_ptr<QTemporaryDir> m_dir;

    std::unique_ptr<frmFigure> newWindow()
    {
        auto window = std::make_unique<frmFigure>(*m_context);
        window->show();
        return window;
    }

    template<typename T>
    static T *named(const QWidget *window, const char *name)
    {
        return window->findChild<T *>(QString::fromLatin1(name));
    }

    static QString text(const QWidget *window, const char *name)
    {
        const auto *field = named<QLineEdit>(window, name);
        return field ? field->text() : QStringLiteral("<missing %1>").arg(QLatin1String(name));
    }

    // The user picks entry index (possibly the one already chosen).
    static void choose(QWidget *window, const char *name, int index)
    {
        auto *box = named<QComboBox>(window, name);
        QVERIFY(box);
        box->setCurrentIndex(index);
        emit box->activated(index);
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
        auto *widget = named<QWidget>(window, name);
        QVERIFY2(widget, name);
        QVERIFY2(widget->isEnabled(), name);
        click(widget, widget->rect().center());
    }

    // The user clicks row of list.
    static void clickRow(QWidget *window, const char *name, int row)
    {
        auto *list = named<QTreeWidget>(window, name);
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
        auto *field = named<QLineEdit>(window, name);
        QVERIFY(field);
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, keys);
    }

    QString tempPath(const QString &name) const { return m_dir->filePath(name); }

private slots:
    void init()
    {
        m_tables = SmallRulesTables();
        m_dialogs = std::make_unique<ScriptedDialogs>();
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        m_context = std::make_unique<AppContext>();
        m_context->dialogs = m_dialogs.get();
        m_context->tables = &m_tables;
        m_context->programFolder = m_dir->path();
    }

    void controlsExistWithTheirCaptions()
    {
        auto w = newWindow();
        QCOMPARE(w->objectName(), QStringLiteral("frmFigure"));
        QCOMPARE(w->windowTitle(), QStringLiteral("Figure"));

        const QStringList frames{"Figure Information", "Figure Data", "Optional",
                                 "Melee Weapons", "Missile Weapons", "Extra Items",
                                 "Calculated Figure Cost"};
        QStringList titles;
        for (const QGroupBox *box : w->findChildren<QGroupBox *>())
            titles.append(box->title());
        for (const QString &frame : frames)
            QVERIFY2(titles.contains(frame), qPrintable(frame));

        const char *fields[] = {
            "txtFigureName", "txtImageFile", "txtRaceHitFactorModifier", "txtAdjustHitFactor",
            "txtHitPoints", "txtBaseHitFactor", "txtAdjustedHitFactor", "txtMove",
            "txtInitiativeModifier", "txtBaseMorale", "txtMeleeWeaponMultiplier",
            "txtLimitedShots", "txtMissileWeaponMultiplier", "txtExtraItemsCost",
            "txtDefenseFactor", "txtTotalWeaponMultiplier", "txtMoveMultiplier",
            "txtHitPointsCopy", "txtCommandSkillCost", "txtMagicSkillCost",
            "txtExtraItemsCostCopy", "txtCost", "txtFinalCost"};
        for (const char *name : fields)
            QVERIFY2(named<QLineEdit>(w.get(), name), name);
        // Derived fields are shown, not typed into; txtLimitedShots takes no keys.
        for (const char *name : {"txtBaseHitFactor", "txtCost", "txtFinalCost",
                                 "txtDefenseFactor", "txtLimitedShots"})
            QVERIFY2(named<QLineEdit>(w.get(), name)->isReadOnly(), name);
        for (const char *name : {"txtFigureName", "txtImageFile", "txtAdjustHitFactor",
                                 "txtHitPoints"})
            QVERIFY2(!named<QLineEdit>(w.get(), name)->isReadOnly(), name);
        QVERIFY(named<QLineEdit>(w.get(), "txtFinalCost")->font().bold());

        for (const char *name : {"cboFigureType", "cboRace", "cboTrainingLevel", "cboArmorType",
                                 "cboMove", "cboCommandSkill"}) {
            QVERIFY2(named<QComboBox>(w.get(), name), name);
            QVERIFY2(!named<QComboBox>(w.get(), name)->isEditable(), name);
        }
        QCOMPARE(named<QCheckBox>(w.get(), "chkUseOptionalMovement")->text(),
                 QStringLiteral("Movement Cost"));
        QCOMPARE(named<QCheckBox>(w.get(), "chkOptionalRangeCost")->text(),
                 QStringLiteral("Range Cost"));
        QCOMPARE(named<QLabel>(w.get(), "lblTrainingLevel")->text(),
                 QStringLiteral("Training Level"));
        QVERIFY(named<QLabel>(w.get(), "picFigure"));

        QCOMPARE(named<QPushButton>(w.get(), "btnCard")->text(), QStringLiteral("&Card"));
        QVERIFY(named<QPushButton>(w.get(), "btnBrowse"));
        for (const char *name : {"btnAddMeleeWeapon", "btnAddMissileWeapon", "btnAddExtraItem"})
            QCOMPARE(named<QPushButton>(w.get(), name)->text(), QStringLiteral("Add"));
        for (const char *name :
             {"btnRemoveMeleeWeapon", "btnRemoveMissileWeapon", "btnRemoveExtraItem"})
            QCOMPARE(named<QPushButton>(w.get(), name)->text(), QStringLiteral("Remove"));

        QStringList labels;
        for (const QLabel *label : w->findChildren<QLabel *>())
            labels.append(label->text());
        for (const char *caption :
             {"Figure name", "Figure image file", "Figure type", "Race", "Race Hit Factor Mod",
              "Adjust Hit Factor", "Armor Type", "Hit Points", "Movement", "Command Skill",
              "Base Hit Factor", "Adjusted Hit Factor", "Move", "Initiative Modifier",
              "Base Morale", "Available", "Selected", "Melee Weapon Multiplier",
              "Limit selected Missile Attack to", "shots (0 means unlimited)",
              "Missile Weapon Multiplier", "Extra Items Cost", "(Defense Factor",
              "x Total Weapon Multiplier", "x Move Multiplier)", "x Hit Points",
              "+ Command Skill", "+ Magic Skill", "+ Extra Items", "= Cost", "Final Cost"})
            QVERIFY2(labels.contains(QString::fromLatin1(caption)), caption);

        // The window is 12780 x 10485 twips at the screen's resolution.
        const double dpiX = w->screen()->logicalDotsPerInchX();
        const double dpiY = w->screen()->logicalDotsPerInchY();
        QCOMPARE(w->width(), qRound(12780 * dpiX / 1440));
        QCOMPARE(w->height(), qRound(10485 * dpiY / 1440));
    }

    void listsHaveTheirColumnsAndSpinnersTheirRanges()
    {
        auto w = newWindow();
        const QStringList melee{"Weapon", "Max Damage", "Notes"};
        const QStringList missile{"Weapon", "Max Damage", "Attack Radius", "Short", "Long",
                                  "Notes"};
        const QStringList missileSelected{"Weapon", "Max Damage", "Attack Radius", "Short",
                                          "Long", "Shots", "Notes"};
        const QStringList item{"Item", "Cost", "Max Damage", "Attack Radius", "Short", "Long",
                               "Notes"};
        const std::pair<const char *, QStringList> lists[] = {
            {"lvwMeleeWeapons", melee},         {"lvwMeleeWeaponsSelected", melee},
            {"lvwMissileWeapons", missile},     {"lvwMissileWeaponsSelected", missileSelected},
            {"lvwExtraItems", item},            {"lvwExtraItemsSelected", item}};
        for (const auto &[name, columns] : lists) {
            const auto *list = named<QTreeWidget>(w.get(), name);
            QVERIFY2(list, name);
            QCOMPARE(headers(list), columns);
            QVERIFY(!list->rootIsDecorated());
            QCOMPARE(list->selectionBehavior(), QAbstractItemView::SelectRows);
        }

        const struct
        {
            const char *name;
            int minimum, maximum, start;
        } spinners[] = {{"updAdjustHitFactor", -100, 100, 0},
                        {"updHitPoints", 1, 100, 1},
                        {"updLimitMissileAttack", 0, 20, 0}};
        for (const auto &s : spinners) {
            const auto *spinner = named<QSpinBox>(w.get(), s.name);
            QVERIFY2(spinner, s.name);
            QCOMPARE(spinner->minimum(), s.minimum);
            QCOMPARE(spinner->maximum(), s.maximum);
            QCOMPARE(spinner->singleStep(), 1);
            QCOMPARE(spinner->value(), s.start);
        }
    }

    void fillListsShowsTheTablesAndTheDefaultFigure()
    {
        auto w = newWindow();
        QCOMPARE(items(named<QComboBox>(w.get(), "cboFigureType")),
                 QStringList({"Normal", "Commander", "Hero", "Vehicle", "BattleMage"}));
        QCOMPARE(items(named<QComboBox>(w.get(), "cboTrainingLevel")),
                 QStringList({"Green", "Line", "Elite"}));
        QCOMPARE(items(named<QComboBox>(w.get(), "cboRace")), QStringList({"Human", "Dwarf"}));
        QCOMPARE(items(named<QComboBox>(w.get(), "cboArmorType")),
                 QStringList({"Leather", "Chain"}));
        QCOMPARE(items(named<QComboBox>(w.get(), "cboMove")), QStringList({"Foot", "Mounted"}));
        QCOMPARE(items(named<QComboBox>(w.get(), "cboCommandSkill")),
                 QStringList({"None", "Captain"}));
        for (const char *name : {"cboFigureType", "cboTrainingLevel", "cboRace", "cboArmorType",
                                 "cboMove", "cboCommandSkill"})
            QCOMPARE(named<QComboBox>(w.get(), name)->currentIndex(), 0);

        const auto *melee = named<QTreeWidget>(w.get(), "lvwMeleeWeapons");
        QCOMPARE(melee->topLevelItemCount(), 2);
        QCOMPARE(rowTexts(melee, 0), QStringList({"Sword", "6", "Edged"}));
        QCOMPARE(rowTexts(melee, 1), QStringList({"Axe", "8", ""}));
        QCOMPARE(rowTexts(named<QTreeWidget>(w.get(), "lvwMissileWeapons"), 0),
                 QStringList({"Bow", "4", "1", "6", "12", "Longbow"}));
        QCOMPARE(rowTexts(named<QTreeWidget>(w.get(), "lvwExtraItems"), 0),
                 QStringList({"Shield", "5", "0", "0", "0", "0", "Blocks"}));
        for (const char *name :
             {"lvwMeleeWeaponsSelected", "lvwMissileWeaponsSelected", "lvwExtraItemsSelected"})
            QCOMPARE(named<QTreeWidget>(w.get(), name)->topLevelItemCount(), 0);

        // Normal, Green, Human, Leather (green 4), Foot, no command skill, no
        // weapons: defense factor of row 4 is 2.5, cost 0.
        QCOMPARE(text(w.get(), "txtBaseHitFactor"), QStringLiteral("4"));
        QCOMPARE(text(w.get(), "txtBaseMorale"), QStringLiteral("3"));
        QCOMPARE(text(w.get(), "txtAdjustedHitFactor"), QStringLiteral("4"));
        QCOMPARE(text(w.get(), "txtDefenseFactor"), QStringLiteral("2.5"));
        QCOMPARE(text(w.get(), "txtMove"), QStringLiteral("6"));
        QCOMPARE(text(w.get(), "txtAdjustHitFactor"), QStringLiteral("0"));
        QCOMPARE(text(w.get(), "txtHitPoints"), QStringLiteral("1"));
        QCOMPARE(text(w.get(), "txtLimitedShots"), QStringLiteral("0"));
        QCOMPARE(text(w.get(), "txtFinalCost"), QStringLiteral("0"));
        QVERIFY(!w->model().Changed());
        QVERIFY(m_dialogs->calls.isEmpty());
    }

    void choicesAndListsChangeTheCost()
    {
        auto w = newWindow();
        // Sword: green melee 6/2 = 3; 3 x 2.5 x 1 x 1 = 7.5, rounds to even 8.
        add(w.get(), "lvwMeleeWeapons", 0, "btnAddMeleeWeapon");
        QCOMPARE(rowTexts(named<QTreeWidget>(w.get(), "lvwMeleeWeaponsSelected"), 0),
                 QStringList({"Sword", "6", "Edged"}));
        QCOMPARE(text(w.get(), "txtMeleeWeaponMultiplier"), QStringLiteral("3"));
        QCOMPARE(text(w.get(), "txtCost"), QStringLiteral("7.5"));
        QCOMPARE(text(w.get(), "txtFinalCost"), QStringLiteral("8"));
        QVERIFY(w->model().Changed());

        // Captain adds 10: 17.5 rounds to 18.
        choose(w.get(), "cboCommandSkill", 1);
        QCOMPARE(text(w.get(), "txtCommandSkillCost"), QStringLiteral("10"));
        QCOMPARE(text(w.get(), "txtInitiativeModifier"), QStringLiteral("1"));
        QCOMPARE(text(w.get(), "txtFinalCost"), QStringLiteral("18"));

        // Chain (green 6): defense 3.5; 3 x 3.5 + 10 = 20.5 rounds to even 20.
        choose(w.get(), "cboArmorType", 1);
        QCOMPARE(text(w.get(), "txtDefenseFactor"), QStringLiteral("3.5"));
        QCOMPARE(text(w.get(), "txtCost"), QStringLiteral("20.5"));
        QCOMPARE(text(w.get(), "txtFinalCost"), QStringLiteral("20"));

        // Two hit points: 3 x 3.5 x 2 + 10 = 31.
        type(w.get(), "txtHitPoints", QStringLiteral("2"));
        QCOMPARE(text(w.get(), "txtHitPointsCopy"), QStringLiteral("2"));
        QCOMPARE(named<QSpinBox>(w.get(), "updHitPoints")->value(), 2);
        QCOMPARE(text(w.get(), "txtFinalCost"), QStringLiteral("31"));

        // Bow: green missile 4 x radius 1; (3 + 4) x 3.5 x 2 + 10 = 59.
        add(w.get(), "lvwMissileWeapons", 0, "btnAddMissileWeapon");
        QCOMPARE(rowTexts(named<QTreeWidget>(w.get(), "lvwMissileWeaponsSelected"), 0),
                 QStringList({"Bow", "4", "1", "6", "12", "0", "Longbow"}));
        QCOMPARE(text(w.get(), "txtMissileWeaponMultiplier"), QStringLiteral("4"));
        QCOMPARE(text(w.get(), "txtTotalWeaponMultiplier"), QStringLiteral("7"));
        QCOMPARE(text(w.get(), "txtFinalCost"), QStringLiteral("59"));

        // Shield: + 5 = 64.
        add(w.get(), "lvwExtraItems", 0, "btnAddExtraItem");
        QCOMPARE(rowTexts(named<QTreeWidget>(w.get(), "lvwExtraItemsSelected"), 0),
                 QStringList({"Shield", "5", "0", "0", "0", "0", "Blocks"}));
        QCOMPARE(text(w.get(), "txtExtraItemsCost"), QStringLiteral("5"));
        QCOMPARE(text(w.get(), "txtExtraItemsCostCopy"), QStringLiteral("5"));
        QCOMPARE(text(w.get(), "txtFinalCost"), QStringLiteral("64"));

        // Mounted (multiplier 1.5): 7 x 3.5 x 2 x 1.5 + 15 = 88.5, rounds to 88.
        choose(w.get(), "cboMove", 1);
        QCOMPARE(text(w.get(), "txtMoveMultiplier"), QStringLiteral("1.5"));
        QCOMPARE(text(w.get(), "txtFinalCost"), QStringLiteral("88"));
        // Optional movement: 12 x 0.06 + 0.64 = 1.36; 49 x 1.36 + 15 = 81.64.
        click(w.get(), "chkUseOptionalMovement");
        QCOMPARE(text(w.get(), "txtMoveMultiplier"), QStringLiteral("1.36"));
        QCOMPARE(text(w.get(), "txtCost"), QStringLiteral("81.64"));
        QCOMPARE(text(w.get(), "txtFinalCost"), QStringLiteral("82"));
        click(w.get(), "chkUseOptionalMovement");
        QCOMPARE(text(w.get(), "txtFinalCost"), QStringLiteral("88"));

        // Dwarf (+1): adjusted 7, defense 4; 7 x 4 x 2 x 1.5 + 15 = 99.
        choose(w.get(), "cboRace", 1);
        QCOMPARE(text(w.get(), "txtRaceHitFactorModifier"), QStringLiteral("1"));
        QCOMPARE(text(w.get(), "txtAdjustedHitFactor"), QStringLiteral("7"));
        QCOMPARE(text(w.get(), "txtFinalCost"), QStringLiteral("99"));

        // BattleMage Master: special factor 9 + 1 = 10, defense 5.5; elite
        // rolls: sword 12, bow 12; 24 x 5.5 x 2 x 1.5 + 10 + 5 + 45 = 456.
        choose(w.get(), "cboFigureType", 4);
        choose(w.get(), "cboTrainingLevel", 2);
        QCOMPARE(text(w.get(), "txtBaseMorale"), QStringLiteral("N/A"));
        QCOMPARE(text(w.get(), "txtMagicSkillCost"), QStringLiteral("45"));
        QCOMPARE(text(w.get(), "txtTotalWeaponMultiplier"), QStringLiteral("24"));
        QCOMPARE(text(w.get(), "txtDefenseFactor"), QStringLiteral("5.5"));
        QCOMPARE(text(w.get(), "txtFinalCost"), QStringLiteral("456"));
    }

    void typedTextIsCorrectedByTheFigure()
    {
        auto w = newWindow();
        auto *adjust = named<QLineEdit>(w.get(), "txtAdjustHitFactor");
        type(w.get(), "txtAdjustHitFactor", QStringLiteral("x"));
        QCOMPARE(adjust->text(), QStringLiteral("0"));
        type(w.get(), "txtAdjustHitFactor", QStringLiteral("abc"));
        QCOMPARE(adjust->text(), QStringLiteral("0"));
        // A typed adjustment of 2: 4 + 2 = 6, defense row 6 (3.5); the
        // spinner shows the number and the cursor stays after what was typed.
        type(w.get(), "txtAdjustHitFactor", QStringLiteral("2"));
        QCOMPARE(adjust->text(), QStringLiteral("2"));
        QCOMPARE(adjust->cursorPosition(), 1);
        QCOMPARE(text(w.get(), "txtAdjustedHitFactor"), QStringLiteral("6"));
        QCOMPARE(text(w.get(), "txtDefenseFactor"), QStringLiteral("3.5"));
        QCOMPARE(named<QSpinBox>(w.get(), "updAdjustHitFactor")->value(), 2);
        // A key typed in the middle stays where it went.
        adjust->setCursorPosition(0);
        QTest::keyClicks(adjust, QStringLiteral("1"));
        QCOMPARE(adjust->text(), QStringLiteral("12"));
        QCOMPARE(adjust->cursorPosition(), 1);
        // 4 + 12 = 16 clamps to the defense table's last index, 10.
        QCOMPARE(text(w.get(), "txtAdjustedHitFactor"), QStringLiteral("10"));

        auto *hitPoints = named<QLineEdit>(w.get(), "txtHitPoints");
        type(w.get(), "txtHitPoints", QStringLiteral("0"));
        QCOMPARE(hitPoints->text(), QStringLiteral("1"));
        QCOMPARE(text(w.get(), "txtHitPointsCopy"), QStringLiteral("1"));
        type(w.get(), "txtHitPoints", QStringLiteral("x"));
        QCOMPARE(hitPoints->text(), QStringLiteral("1"));

        // The spinners set their field's number.
        named<QSpinBox>(w.get(), "updHitPoints")->stepUp();
        QCOMPARE(hitPoints->text(), QStringLiteral("2"));
        QCOMPARE(text(w.get(), "txtHitPointsCopy"), QStringLiteral("2"));
        named<QSpinBox>(w.get(), "updAdjustHitFactor")->setValue(-100);
        QCOMPARE(adjust->text(), QStringLiteral("-100"));
        QCOMPARE(text(w.get(), "txtAdjustedHitFactor"), QStringLiteral("1"));
    }

    void addAndRemoveOnEveryList()
    {
        auto w = newWindow();
        const struct
        {
            const char *available, *selected, *add, *remove;
        } frames[] = {
            {"lvwMeleeWeapons", "lvwMeleeWeaponsSelected", "btnAddMeleeWeapon",
             "btnRemoveMeleeWeapon"},
            {"lvwMissileWeapons", "lvwMissileWeaponsSelected", "btnAddMissileWeapon",
             "btnRemoveMissileWeapon"},
            {"lvwExtraItems", "lvwExtraItemsSelected", "btnAddExtraItem", "btnRemoveExtraItem"}};
        for (const auto &f : frames) {
            auto *selected = named<QTreeWidget>(w.get(), f.selected);
            auto *addButton = named<QPushButton>(w.get(), f.add);
            auto *removeButton = named<QPushButton>(w.get(), f.remove);
            // Nothing chosen in "Available": Add adds nothing.
            QVERIFY(named<QTreeWidget>(w.get(), f.available)->selectedItems().isEmpty());
            click(addButton, addButton->rect().center());
            QCOMPARE(selected->topLevelItemCount(), 0);
            QCOMPARE(text(w.get(), "txtFinalCost"), QStringLiteral("0"));

            // The same row twice is listed twice.
            add(w.get(), f.available, 0, f.add);
            click(addButton, addButton->rect().center());
            QCOMPARE(selected->topLevelItemCount(), 2);
            QCOMPARE(rowTexts(selected, 0), rowTexts(selected, 1));

            // Nothing chosen in "Selected": Remove removes nothing.
            click(removeButton, removeButton->rect().center());
            QCOMPARE(selected->topLevelItemCount(), 2);
            clickRow(w.get(), f.selected, 1);
            click(removeButton, removeButton->rect().center());
            QCOMPARE(selected->topLevelItemCount(), 1);
            // No other row is taken for the removed one.
            QVERIFY(selected->selectedItems().isEmpty());
            click(removeButton, removeButton->rect().center());
            QCOMPARE(selected->topLevelItemCount(), 1);
            clickRow(w.get(), f.selected, 0);
            click(removeButton, removeButton->rect().center());
            QCOMPARE(selected->topLevelItemCount(), 0);
        }
        // Two swords count twice: 2 x 3 x 2.5 = 15.
        add(w.get(), "lvwMeleeWeapons", 0, "btnAddMeleeWeapon");
        click(w.get(), "btnAddMeleeWeapon");
        QCOMPARE(text(w.get(), "txtMeleeWeaponMultiplier"), QStringLiteral("6"));
        QCOMPARE(text(w.get(), "txtFinalCost"), QStringLiteral("15"));
        // The choice in "Available" stays, so Add can be pressed again.
        QVERIFY(named<QTreeWidget>(w.get(), "lvwMeleeWeapons")->topLevelItem(0)->isSelected());
    }

    void shotsSpinnerChangesTheSelectedMissileRow()
    {
        auto w = newWindow();
        auto *selected = named<QTreeWidget>(w.get(), "lvwMissileWeaponsSelected");
        auto *spinner = named<QSpinBox>(w.get(), "updLimitMissileAttack");
        auto *shots = named<QLineEdit>(w.get(), "txtLimitedShots");
        add(w.get(), "lvwMissileWeapons", 0, "btnAddMissileWeapon");
        add(w.get(), "lvwMissileWeapons", 0, "btnAddMissileWeapon");
        // Two bows, green missile 4 each: 8 x 2.5 = 20.
        QCOMPARE(text(w.get(), "txtFinalCost"), QStringLiteral("20"));

        // Shots 10 on the second bow: (4 - 1) x 10 / 20 + 1 = 2.5;
        // (4 + 2.5) x 2.5 = 16.25, final 16.
        clickRow(w.get(), "lvwMissileWeaponsSelected", 1);
        spinner->setValue(10);
        QCOMPARE(shots->text(), QStringLiteral("10"));
        QCOMPARE(selected->topLevelItem(1)->text(5), QStringLiteral("10"));
        QCOMPARE(selected->topLevelItem(0)->text(5), QStringLiteral("0"));
        QCOMPARE(text(w.get(), "txtMissileWeaponMultiplier"), QStringLiteral("6.5"));
        QCOMPARE(text(w.get(), "txtFinalCost"), QStringLiteral("16"));
        // The selection stays on the changed row.
        QVERIFY(selected->topLevelItem(1)->isSelected());

        // Clicking a row shows its shots.
        clickRow(w.get(), "lvwMissileWeaponsSelected", 0);
        QCOMPARE(shots->text(), QStringLiteral("0"));
        QCOMPARE(spinner->value(), 0);
        clickRow(w.get(), "lvwMissileWeaponsSelected", 1);
        QCOMPARE(shots->text(), QStringLiteral("10"));
        QCOMPARE(spinner->value(), 10);

        // Keys typed into the shots field are discarded.
        shots->setFocus();
        QTest::keyClicks(shots, QStringLiteral("5"));
        QTest::keyClick(shots, Qt::Key_Backspace);
        QTest::keyClick(shots, Qt::Key_Delete);
        QCOMPARE(shots->text(), QStringLiteral("10"));
        QCOMPARE(selected->topLevelItem(1)->text(5), QStringLiteral("10"));

        // Removing the rows leaves the last shots shown; the spinner then
        // changes no row.
        click(w.get(), "btnRemoveMissileWeapon");
        clickRow(w.get(), "lvwMissileWeaponsSelected", 0);
        click(w.get(), "btnRemoveMissileWeapon");
        QCOMPARE(selected->topLevelItemCount(), 0);
        QCOMPARE(shots->text(), QStringLiteral("0"));
        spinner->setValue(3);
        QCOMPARE(text(w.get(), "txtFinalCost"), QStringLiteral("0"));
    }

    void trainingCaptionsFollowTheFigureType()
    {
        auto w = newWindow();
        auto *training = named<QComboBox>(w.get(), "cboTrainingLevel");
        auto *label = named<QLabel>(w.get(), "lblTrainingLevel");
        choose(w.get(), "cboTrainingLevel", 1);

        choose(w.get(), "cboFigureType", 3);
        QCOMPARE(label->text(), QStringLiteral("Targeting System"));
        QCOMPARE(items(training), QStringList({"Poor", "Good", "Excellent"}));
        QCOMPARE(training->currentIndex(), 1);

        choose(w.get(), "cboFigureType", 4);
        QCOMPARE(label->text(), QStringLiteral("Training Level"));
        QCOMPARE(items(training), QStringList({"Apprentice", "Journeyman", "Master"}));
        QCOMPARE(training->currentIndex(), 1);
        // Journeyman adds 25; special factor 7, defense 3.5, no weapons.
        QCOMPARE(text(w.get(), "txtMagicSkillCost"), QStringLiteral("25"));
        QCOMPARE(text(w.get(), "txtFinalCost"), QStringLiteral("25"));

        choose(w.get(), "cboFigureType", 3);
        choose(w.get(), "cboFigureType", 2);
        QCOMPARE(label->text(), QStringLiteral("Training Level"));
        QCOMPARE(items(training), QStringList({"Green", "Line", "Elite"}));
        QCOMPARE(training->currentIndex(), 1);
        QCOMPARE(text(w.get(), "txtBaseMorale"), QStringLiteral("N/A"));
        QCOMPARE(text(w.get(), "txtBaseHitFactor"), QStringLiteral("7"));
    }

    void closingPrompt()
    {
        // Unchanged: closes without asking.
        {
            auto w = newWindow();
            QVERIFY(w->close());
            QVERIFY(m_dialogs->calls.isEmpty());
        }
        // No closes, and asks the question with its title and icon.
        {
            auto w = newWindow();
            choose(w.get(), "cboRace", 1);
            m_dialogs->messageAnswers.enqueue(IDialogs::Answer::No);
            QVERIFY(w->close());
            QCOMPARE(m_dialogs->calls.size(), 1);
            const ScriptedDialogs::Call &call = m_dialogs->calls.first();
            QCOMPARE(call.text, QStringLiteral("Figure changes not saved!\r\nSave them now?"));
            QCOMPARE(call.title, QStringLiteral("Tarvello 1.0.0"));
            QCOMPARE(call.buttons, IDialogs::Buttons::YesNoCancel);
            QCOMPARE(call.icon, IDialogs::Icon::Question);
        }
        // Cancel keeps the window and its changes.
        {
            auto w = newWindow();
            type(w.get(), "txtFigureName", QStringLiteral("Pikeman"));
            m_dialogs->clearCalls();
            m_dialogs->messageAnswers.enqueue(IDialogs::Answer::Cancel);
            QVERIFY(!w->close());
            QVERIFY(w->isVisible());
            QVERIFY(w->model().Changed());
        }
        // Yes on a never-saved figure whose save dialog is cancelled keeps
        // the window open: a cancelled dialog must not lose the figure.
        {
            auto w = newWindow();
            type(w.get(), "txtFigureName", QStringLiteral("Pikeman"));
            m_dialogs->clearCalls();
            m_dialogs->messageAnswers.enqueue(IDialogs::Answer::Yes);
            m_dialogs->saveFileAnswers.enqueue(std::nullopt);
            QVERIFY(!w->close());
            QCOMPARE(m_dialogs->count(Kind::SaveFile), 1);
            QVERIFY(w->model().Changed());
            QVERIFY(w->isVisible());
        }
        // Yes with a chosen path saves and closes.
        {
            auto w = newWindow();
            type(w.get(), "txtFigureName", QStringLiteral("Pikeman"));
            m_dialogs->clearCalls();
            const QString path = tempPath(QStringLiteral("pikeman.tvf"));
            m_dialogs->messageAnswers.enqueue(IDialogs::Answer::Yes);
            m_dialogs->saveFileAnswers.enqueue(path);
            QVERIFY(w->close());
            QVERIFY(QFile::exists(path));
            const ScriptedDialogs::Call save = m_dialogs->callsOf(Kind::SaveFile).first();
            QCOMPARE(save.filter, QStringLiteral("Figure (*.tvf)|*.tvf|All files (*.*)|*.*"));
            QCOMPARE(save.startFolder, m_dir->path());
            QCOMPARE(save.proposedName, QStringLiteral("Pikeman.tvf"));
            QVERIFY(save.confirmOverwrite);
        }
        // Yes with a write that fails shows the failure and keeps the window.
        {
            auto w = newWindow();
            choose(w.get(), "cboRace", 1);
            m_dialogs->clearCalls();
            const QString path = tempPath(QStringLiteral("no/such/folder/x.tvf"));
            m_dialogs->messageAnswers.enqueue(IDialogs::Answer::Yes);
            m_dialogs->saveFileAnswers.enqueue(path);
            m_dialogs->onCall = [](const ScriptedDialogs::Call &) {
                QVERIFY(!QApplication::overrideCursor());
            };
            QVERIFY(!w->close());
            m_dialogs->onCall = nullptr;
            const QStringList texts = m_dialogs->messageTexts();
            QCOMPARE(texts.size(), 2);
            QVERIFY2(texts.at(1).startsWith(QStringLiteral("Error in saving ") + path
                                            + QStringLiteral(" !\r\n")),
                     qPrintable(texts.at(1)));
            QCOMPARE(m_dialogs->calls.last().title, QStringLiteral("Tarvello"));
            QCOMPARE(m_dialogs->calls.last().buttons, IDialogs::Buttons::Ok);
            QVERIFY(w->model().Changed());
        }
        // After opening a file, closing asks nothing; a click on a choice
        // list, even on the entry already chosen, then makes it ask.
        {
            auto w = newWindow();
            m_dialogs->clearCalls();
            m_dialogs->openFileAnswers.enqueue(tempPath(QStringLiteral("pikeman.tvf")));
            w->OpenFigure();
            QCOMPARE(m_dialogs->count(Kind::Message), 0);
            QVERIFY(!w->model().Changed());
            QCOMPARE(w->windowTitle(), QStringLiteral("Figure: Pikeman"));
            QVERIFY(w->QueryClose());
            QCOMPARE(m_dialogs->count(Kind::Message), 0);
            choose(w.get(), "cboMove", 0);
            m_dialogs->messageAnswers.enqueue(IDialogs::Answer::Cancel);
            QVERIFY(!w->close());
            QCOMPARE(m_dialogs->count(Kind::Message), 1);
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
        m_dialogs->openFileAnswers.enqueue(bitmapPath);
        click(w.get(), "btnBrowse");
        const ScriptedDialogs::Call browse = m_dialogs->callsOf(Kind::OpenFile).first();
        QCOMPARE(browse.filter, QStringLiteral("Bitmap (*.bmp)|*.bmp|All files (*.*)|*.*"));
        QCOMPARE(text(w.get(), "txtImageFile"), QStringLiteral("archer.bmp"));
        const auto *picture = named<QLabel>(w.get(), "picFigure");
        QCOMPARE(picture->size(), QSize(3, 2));
        QCOMPARE(picture->pixmap().toImage().pixel(1, 0), qRgb(255, 0, 0));

        choose(w.get(), "cboFigureType", 3);
        choose(w.get(), "cboTrainingLevel", 1);
        choose(w.get(), "cboRace", 1);
        choose(w.get(), "cboArmorType", 1);
        choose(w.get(), "cboMove", 1);
        choose(w.get(), "cboCommandSkill", 1);
        named<QSpinBox>(w.get(), "updAdjustHitFactor")->setValue(-2);
        type(w.get(), "txtHitPoints", QStringLiteral("3"));
        click(w.get(), "chkOptionalRangeCost");
        add(w.get(), "lvwMeleeWeapons", 1, "btnAddMeleeWeapon");
        add(w.get(), "lvwMeleeWeapons", 0, "btnAddMeleeWeapon");
        add(w.get(), "lvwMissileWeapons", 0, "btnAddMissileWeapon");
        clickRow(w.get(), "lvwMissileWeaponsSelected", 0);
        named<QSpinBox>(w.get(), "updLimitMissileAttack")->setValue(7);
        add(w.get(), "lvwExtraItems", 0, "btnAddExtraItem");

        const QString path = tempPath(QStringLiteral("archer.tvf"));
        m_dialogs->saveFileAnswers.enqueue(path);
        m_dialogs->clearCalls();
        w->Save(); // no file name yet: asks for one
        QCOMPARE(m_dialogs->count(Kind::SaveFile), 1);
        QCOMPARE(m_dialogs->count(Kind::Message), 0);
        QVERIFY(!w->model().Changed());
        QVERIFY(!QApplication::overrideCursor());
        // A later save writes to the same file without asking.
        choose(w.get(), "cboMove", 1);
        w->Save();
        QCOMPARE(m_dialogs->count(Kind::SaveFile), 1);
        QVERIFY(!w->model().Changed());

        auto opened = newWindow();
        m_dialogs->openFileAnswers.enqueue(path);
        m_dialogs->clearCalls();
        opened->OpenFigure();
        QCOMPARE(m_dialogs->messageTexts(), QStringList());
        const ScriptedDialogs::Call open = m_dialogs->callsOf(Kind::OpenFile).first();
        QCOMPARE(open.filter, QStringLiteral("Figure (*.tvf)|*.tvf|All files (*.*)|*.*"));
        QVERIFY(!QApplication::overrideCursor());
        QCOMPARE(opened->windowTitle(), QStringLiteral("Figure: Dwarf Archer"));
        QVERIFY(!opened->model().Changed());

        for (const QLineEdit *field : w->findChildren<QLineEdit *>()) {
            if (!field->objectName().startsWith(QLatin1String("txt")))
                continue;
            QVERIFY2(text(opened.get(), qPrintable(field->objectName())) == field->text(),
                     qPrintable(field->objectName() + QLatin1Char(' ') + field->text() + QLatin1Char(' ')
                                + text(opened.get(), qPrintable(field->objectName()))));
        }
        QCOMPARE(text(opened.get(), "txtLimitedShots"), QStringLiteral("7"));
        for (const QComboBox *box : w->findChildren<QComboBox *>()) {
            const auto *other = named<QComboBox>(opened.get(), qPrintable(box->objectName()));
            QCOMPARE(items(other), items(box));
            QCOMPARE(other->currentIndex(), box->currentIndex());
        }
        QCOMPARE(named<QLabel>(opened.get(), "lblTrainingLevel")->text(),
                 QStringLiteral("Targeting System"));
        QVERIFY(named<QCheckBox>(opened.get(), "chkOptionalRangeCost")->isChecked());
        QVERIFY(!named<QCheckBox>(opened.get(), "chkUseOptionalMovement")->isChecked());
        for (const QTreeWidget *list : w->findChildren<QTreeWidget *>()) {
            const auto *other = named<QTreeWidget>(opened.get(), qPrintable(list->objectName()));
            QCOMPARE(other->topLevelItemCount(), list->topLevelItemCount());
            for (int row = 0; row < list->topLevelItemCount(); ++row)
                QCOMPARE(rowTexts(other, row), rowTexts(list, row));
        }
        QCOMPARE(rowTexts(named<QTreeWidget>(opened.get(), "lvwMissileWeaponsSelected"), 0),
                 QStringList({"Bow", "4", "1", "6", "12", "7", "Longbow"}));
        const auto *openedPicture = named<QLabel>(opened.get(), "picFigure");
        QCOMPARE(openedPicture->size(), QSize(3, 2));
        QCOMPARE(openedPicture->pixmap().toImage().convertToFormat(QImage::Format_RGB32),
                 bitmap);
        QVERIFY(opened->QueryClose());
    }

    void openingReportsAMissingRace()
    {
        auto w = newWindow();
        choose(w.get(), "cboArmorType", 1);
        choose(w.get(), "cboRace", 1);
        const QString path = tempPath(QStringLiteral("elf.tvf"));
        m_dialogs->saveFileAnswers.enqueue(path);
        w->SaveAs();
        QVERIFY(!w->model().Changed());

        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QByteArray content = file.readAll();
        file.close();
        QVERIFY(content.contains("cboRace=Dwarf"));
        content.replace("cboRace=Dwarf", "cboRace=Elf");
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
        file.close();

        auto opened = newWindow();
        m_dialogs->clearCalls();
        m_dialogs->openFileAnswers.enqueue(path);
        opened->OpenFigure();
        QCOMPARE(m_dialogs->messageTexts(),
                 QStringList({"The item Elf does not exist in current resourcefiles!"}));
        const ScriptedDialogs::Call message = m_dialogs->callsOf(Kind::Message).first();
        QCOMPARE(message.title, QStringLiteral("Tarvello"));
        QCOMPARE(message.buttons, IDialogs::Buttons::Ok);
        // The first race stays chosen and the cost uses it: Chain green 6,
        // Human 0, defense 3.5, no weapons.
        QCOMPARE(named<QComboBox>(opened.get(), "cboRace")->currentIndex(), 0);
        QCOMPARE(named<QComboBox>(opened.get(), "cboArmorType")->currentIndex(), 1);
        QCOMPARE(text(opened.get(), "txtAdjustedHitFactor"), QStringLiteral("6"));
        QCOMPARE(text(opened.get(), "txtRaceHitFactorModifier"), QStringLiteral("0"));
        QVERIFY(!opened->model().Changed());
    }

    void cancelledDialogsChangeNothing()
    {
        auto w = newWindow();
        m_dialogs->openFileAnswers.enqueue(std::nullopt);
        w->OpenFigure();
        QCOMPARE(w->windowTitle(), QStringLiteral("Figure"));
        QVERIFY(!w->model().Changed());

        m_dialogs->openFileAnswers.enqueue(std::nullopt);
        click(w.get(), "btnBrowse");
        QCOMPARE(text(w.get(), "txtImageFile"), QString());

        m_dialogs->saveFileAnswers.enqueue(std::nullopt);
        w->SaveAs();
        QVERIFY(w->model().FileName().empty());
        QCOMPARE(m_dialogs->count(Kind::Message), 0);
    }

    void unreadableBitmapKeepsThePicture()
    {
        auto w = newWindow();
        const QString path = tempPath(QStringLiteral("notabitmap.bmp"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("this is text, not a picture");
        file.close();
        m_dialogs->openFileAnswers.enqueue(path);
        click(w.get(), "btnBrowse");
        QCOMPARE(text(w.get(), "txtImageFile"), QStringLiteral("notabitmap.bmp"));
        QVERIFY(named<QLabel>(w.get(), "picFigure")->pixmap().isNull());
        QCOMPARE(w->model().picture().width, 0);
        QCOMPARE(m_dialogs->count(Kind::Message), 0);
        QVERIFY(w->model().Changed());
    }
};

QTEST_MAIN(FrmFigureTest)
#include "frmfigure_test.moc"
