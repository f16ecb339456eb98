// Building the figure editor's widgets: frames, fields, lists and spinners.

#include "frmfigure.h"
#include "updownspinbox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

QLineEdit *makeField(QWidget *parent, const char *name, bool derived, int chars = 6)
{
    auto *field = new QLineEdit(parent);
    field->setObjectName(QString::fromLatin1(name));
    const QFontMetrics metrics(field->font());
    field->setMinimumWidth(metrics.horizontalAdvance(QLatin1Char('0')) * chars + 12);
    if (derived) {
        field->setReadOnly(true);
        field->setFocusPolicy(Qt::ClickFocus);
        field->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        // Calculated values look like what they are: not for typing.
        QPalette palette = field->palette();
        palette.setColor(QPalette::Base, palette.color(QPalette::Window));
        field->setPalette(palette);
    }
    return field;
}

QComboBox *makeChoice(QWidget *parent, const char *name)
{
    auto *box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setEditable(false);
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    box->setMinimumContentsLength(10);
    return box;
}

QLabel *makeLabel(QWidget *parent, const QString &caption, QWidget *buddy = nullptr)
{
    auto *label = new QLabel(caption, parent);
    if (buddy)
        label->setBuddy(buddy);
    return label;
}

QSpinBox *makeSpinner(QWidget *parent, const char *name, int minimum, int maximum, int start)
{
    auto *spinner = new UpDownSpinBox(parent);
    spinner->setObjectName(QString::fromLatin1(name));
    spinner->setRange(minimum, maximum);
    spinner->setSingleStep(1);
    spinner->setValue(start);
    return spinner;
}

// The columns of a list; the first (the name) is widest, numbers are narrow.
QTreeWidget *makeList(QWidget *parent, const char *name, const QStringList &headers)
{
    auto *list = new QTreeWidget(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setColumnCount(int(headers.size()));
    list->setHeaderLabels(headers);
    list->setRootIsDecorated(false);
    list->setItemsExpandable(false);
    list->setUniformRowHeights(true);
    list->setAllColumnsShowFocus(true);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setAlternatingRowColors(true);
    list->setMinimumSize(120, 60);
    list->header()->setStretchLastSection(true);
    list->header()->setSectionsMovable(false);
    const QFontMetrics metrics(list->font());
    for (int column = 0; column < headers.size(); ++column) {
        const QString &header = headers.at(column);
        int width = metrics.horizontalAdvance(header) + 16;
        if (column == 0)
            width = qMax(width, metrics.horizontalAdvance(QStringLiteral("Two-handed Sword")) + 12);
        else if (header == QLatin1String("Notes"))
            width = qMax(width, 120);
        list->setColumnWidth(column, width);
    }
    return list;
}

QPushButton *makeButton(QWidget *parent, const char *name, const QString &caption)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    // Fit the caption rather than the style's wide default.
    button->setMinimumWidth(button->fontMetrics().horizontalAdvance(QStringLiteral("Remove")) + 24);
    button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    return button;
}

// "Available" over the Add/Remove buttons over "Selected", as in every list
// frame; the frame's own rows follow below.
QVBoxLayout *layOutLists(QWidget *frame, QTreeWidget *available, QTreeWidget *selected,
                         QPushButton *add, QPushButton *remove)
{
    auto *column = new QVBoxLayout(frame);
    column->setContentsMargins(8, 6, 8, 8);
    column->setSpacing(4);
    column->addWidget(makeLabel(frame, QStringLiteral("Available"), available));
    column->addWidget(available, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(makeLabel(frame, QStringLiteral("Selected"), selected));
    buttons->addStretch(1);
    buttons->addWidget(add);
    buttons->addWidget(remove);
    column->addLayout(buttons);
    column->addWidget(selected, 1);
    return column;
}

// A caption and its field on one line, the field at the right.
QHBoxLayout *labelledField(QWidget *frame, const QString &caption, QLineEdit *field)
{
    auto *row = new QHBoxLayout;
    row->addWidget(makeLabel(frame, caption, field));
    row->addStretch(1);
    row->addWidget(field);
    return row;
}

QGroupBox *makeFrame(QWidget *parent, const char *name, const QString &caption)
{
    auto *frame = new QGroupBox(caption, parent);
    frame->setObjectName(QString::fromLatin1(name));
    return frame;
}

void tighten(QGridLayout *grid)
{
    grid->setContentsMargins(8, 6, 8, 8);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(4);
}

} // namespace

void frmFigure::buildLayout()
{
    const QStringList meleeColumns{QStringLiteral("Weapon"), QStringLiteral("Max Damage"),
                                   QStringLiteral("Notes")};
    const QStringList missileColumns{QStringLiteral("Weapon"), QStringLiteral("Max Damage"),
                                     QStringLiteral("Attack Radius"), QStringLiteral("Short"),
                                     QStringLiteral("Long"), QStringLiteral("Notes")};
    const QStringList missileSelectedColumns{QStringLiteral("Weapon"),
                                             QStringLiteral("Max Damage"),
                                             QStringLiteral("Attack Radius"),
                                             QStringLiteral("Short"), QStringLiteral("Long"),
                                             QStringLiteral("Shots"), QStringLiteral("Notes")};
    const QStringList itemColumns{QStringLiteral("Item"), QStringLiteral("Cost"),
                                  QStringLiteral("Max Damage"), QStringLiteral("Attack Radius"),
                                  QStringLiteral("Short"), QStringLiteral("Long"),
                                  QStringLiteral("Notes")};

    // Figure Information: name, image file, the picture and the card button.
    fraFigureInformation = makeFrame(this, "fraFigureInformation",
                                     QStringLiteral("Figure Information"));
    {
        QWidget *f = fraFigureInformation;
        txtFigureName = makeField(f, "txtFigureName", false, 14);
        txtImageFile = makeField(f, "txtImageFile", false, 10);
        btnBrowse = makeButton(f, "btnBrowse", QStringLiteral("..."));
        btnBrowse->setToolTip(QStringLiteral("Choose the figure's bitmap"));
        btnBrowse->setFixedWidth(btnBrowse->fontMetrics().horizontalAdvance(QStringLiteral("...")) + 24);
        btnCard = makeButton(f, "btnCard", QStringLiteral("&Card"));
        btnCard->setEnabled(false);

        picFigure = new QLabel;
        picFigure->setObjectName(QStringLiteral("picFigure"));
        picFigure->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        picFigure->setAutoFillBackground(true);
        QPalette white = picFigure->palette();
        white.setColor(QPalette::Window, Qt::white);
        picFigure->setPalette(white);
        scrFigure = new QScrollArea(f);
        scrFigure->setObjectName(QStringLiteral("scrFigure"));
        scrFigure->setWidget(picFigure);
        scrFigure->setWidgetResizable(false);
        scrFigure->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        scrFigure->setBackgroundRole(QPalette::Base);
        QPalette area = scrFigure->palette();
        area.setColor(QPalette::Base, Qt::white);
        scrFigure->setPalette(area);
        scrFigure->setMinimumSize(96, 96);

        auto *grid = new QGridLayout(f);
        tighten(grid);
        grid->addWidget(makeLabel(f, QStringLiteral("Figure name"), txtFigureName), 0, 0);
        grid->addWidget(txtFigureName, 0, 1, 1, 2);
        grid->addWidget(makeLabel(f, QStringLiteral("Figure image file"), txtImageFile), 1, 0);
        grid->addWidget(txtImageFile, 1, 1);
        grid->addWidget(btnBrowse, 1, 2);
        grid->addWidget(scrFigure, 2, 0, 2, 2);
        grid->addWidget(btnCard, 3, 2, Qt::AlignBottom);
        grid->setRowStretch(2, 1);
        grid->setColumnStretch(1, 1);
    }

    // Figure Data: the choices on the left, the figures that follow on the right.
    fraFigureData = makeFrame(this, "fraFigureData", QStringLiteral("Figure Data"));
    {
        QWidget *f = fraFigureData;
        cboFigureType = makeChoice(f, "cboFigureType");
        cboTrainingLevel = makeChoice(f, "cboTrainingLevel");
        cboRace = makeChoice(f, "cboRace");
        cboArmorType = makeChoice(f, "cboArmorType");
        cboMove = makeChoice(f, "cboMove");
        cboCommandSkill = makeChoice(f, "cboCommandSkill");
        txtHitPoints = makeField(f, "txtHitPoints", false, 4);
        updHitPoints = makeSpinner(f, "updHitPoints", 1, 100, 1);
        txtAdjustHitFactor = makeField(f, "txtAdjustHitFactor", false, 4);
        updAdjustHitFactor = makeSpinner(f, "updAdjustHitFactor", -100, 100, 0);
        txtRaceHitFactorModifier = makeField(f, "txtRaceHitFactorModifier", true);
        txtBaseHitFactor = makeField(f, "txtBaseHitFactor", true);
        txtAdjustedHitFactor = makeField(f, "txtAdjustedHitFactor", true);
        txtBaseMorale = makeField(f, "txtBaseMorale", true);
        txtMove = makeField(f, "txtMove", true);
        txtInitiativeModifier = makeField(f, "txtInitiativeModifier", true);
        lblTrainingLevel = makeLabel(f, QStringLiteral("Training Level"), cboTrainingLevel);
        lblTrainingLevel->setObjectName(QStringLiteral("lblTrainingLevel"));

        // A typed number with its spinner right beside it, as wide as the
        // calculated fields of the right column.
        auto withSpinner = [](QLineEdit *field, QSpinBox *spinner) {
            auto *box = new QHBoxLayout;
            box->setSpacing(0);
            field->setFixedWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("-1000"))
                                 + 14);
            box->addWidget(field);
            box->addWidget(spinner);
            box->addStretch(1);
            return box;
        };

        auto *grid = new QGridLayout(f);
        tighten(grid);
        int row = 0;
        auto left = [&](const QString &caption, QWidget *field) {
            grid->addWidget(makeLabel(f, caption, field), row, 0);
            grid->addWidget(field, row, 1);
        };
        left(QStringLiteral("Figure type"), cboFigureType);
        grid->addWidget(lblTrainingLevel, ++row, 0);
        grid->addWidget(cboTrainingLevel, row, 1);
        ++row;
        left(QStringLiteral("Race"), cboRace);
        ++row;
        left(QStringLiteral("Armor Type"), cboArmorType);
        ++row;
        left(QStringLiteral("Movement"), cboMove);
        ++row;
        left(QStringLiteral("Command Skill"), cboCommandSkill);
        ++row;
        grid->addWidget(makeLabel(f, QStringLiteral("Hit Points"), txtHitPoints), row, 0);
        grid->addLayout(withSpinner(txtHitPoints, updHitPoints), row, 1);

        row = 0;
        auto right = [&](const QString &caption, QWidget *field) {
            grid->addWidget(makeLabel(f, caption, field), row, 3);
            grid->addWidget(field, row, 4);
            ++row;
        };
        grid->addWidget(makeLabel(f, QStringLiteral("Adjust Hit Factor"), txtAdjustHitFactor),
                        row, 3);
        grid->addLayout(withSpinner(txtAdjustHitFactor, updAdjustHitFactor), row, 4);
        ++row;
        right(QStringLiteral("Race Hit Factor Mod"), txtRaceHitFactorModifier);
        right(QStringLiteral("Base Hit Factor"), txtBaseHitFactor);
        right(QStringLiteral("Adjusted Hit Factor"), txtAdjustedHitFactor);
        right(QStringLiteral("Base Morale"), txtBaseMorale);
        right(QStringLiteral("Move"), txtMove);
        right(QStringLiteral("Initiative Modifier"), txtInitiativeModifier);
        grid->setColumnMinimumWidth(2, 12);
        grid->setColumnStretch(1, 3);
        grid->setColumnStretch(4, 1);
        grid->setRowStretch(7, 1);
    }

    // Optional costs.
    fraOptional = makeFrame(this, "fraOptional", QStringLiteral("Optional"));
    {
        chkUseOptionalMovement = new QCheckBox(QStringLiteral("Movement Cost"), fraOptional);
        chkUseOptionalMovement->setObjectName(QStringLiteral("chkUseOptionalMovement"));
        chkOptionalRangeCost = new QCheckBox(QStringLiteral("Range Cost"), fraOptional);
        chkOptionalRangeCost->setObjectName(QStringLiteral("chkOptionalRangeCost"));
        auto *box = new QVBoxLayout(fraOptional);
        box->setContentsMargins(8, 6, 8, 8);
        box->addWidget(chkUseOptionalMovement);
        box->addWidget(chkOptionalRangeCost);
        box->addStretch(1);
    }

    fraMeleeWeapons = makeFrame(this, "fraMeleeWeapons", QStringLiteral("Melee Weapons"));
    {
        QWidget *f = fraMeleeWeapons;
        lvwMeleeWeapons = makeList(f, "lvwMeleeWeapons", meleeColumns);
        lvwMeleeWeaponsSelected = makeList(f, "lvwMeleeWeaponsSelected", meleeColumns);
        btnAddMeleeWeapon = makeButton(f, "btnAddMeleeWeapon", QStringLiteral("Add"));
        btnRemoveMeleeWeapon = makeButton(f, "btnRemoveMeleeWeapon", QStringLiteral("Remove"));
        txtMeleeWeaponMultiplier = makeField(f, "txtMeleeWeaponMultiplier", true, 8);
        QVBoxLayout *column = layOutLists(f, lvwMeleeWeapons, lvwMeleeWeaponsSelected,
                                          btnAddMeleeWeapon, btnRemoveMeleeWeapon);
        column->addLayout(labelledField(f, QStringLiteral("Melee Weapon Multiplier"),
                                        txtMeleeWeaponMultiplier));
    }

    fraMissileWeapons = makeFrame(this, "fraMissileWeapons", QStringLiteral("Missile Weapons"));
    {
        QWidget *f = fraMissileWeapons;
        lvwMissileWeapons = makeList(f, "lvwMissileWeapons", missileColumns);
        lvwMissileWeaponsSelected = makeList(f, "lvwMissileWeaponsSelected",
                                             missileSelectedColumns);
        btnAddMissileWeapon = makeButton(f, "btnAddMissileWeapon", QStringLiteral("Add"));
        btnRemoveMissileWeapon = makeButton(f, "btnRemoveMissileWeapon",
                                            QStringLiteral("Remove"));
        txtLimitedShots = makeField(f, "txtLimitedShots", false, 3);
        txtLimitedShots->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        // Typed keys are discarded: only the spinner and row clicks change it.
        txtLimitedShots->setReadOnly(true);
        txtLimitedShots->setMaximumWidth(txtLimitedShots->minimumWidth());
        updLimitMissileAttack = makeSpinner(f, "updLimitMissileAttack", 0, 20, 0);
        txtMissileWeaponMultiplier = makeField(f, "txtMissileWeaponMultiplier", true, 8);
        QVBoxLayout *column = layOutLists(f, lvwMissileWeapons, lvwMissileWeaponsSelected,
                                          btnAddMissileWeapon, btnRemoveMissileWeapon);
        // "Limit selected Missile Attack to [n] shots (0 means unlimited)",
        // broken after "to" to fit the frame.
        column->addWidget(makeLabel(f, QStringLiteral("Limit selected Missile Attack to"),
                                    txtLimitedShots));
        auto *limit = new QHBoxLayout;
        limit->setSpacing(0);
        limit->addWidget(txtLimitedShots);
        limit->addWidget(updLimitMissileAttack);
        limit->addSpacing(6);
        limit->addWidget(new QLabel(QStringLiteral("shots (0 means unlimited)"), f));
        limit->addStretch(1);
        column->addLayout(limit);
        column->addLayout(labelledField(f, QStringLiteral("Missile Weapon Multiplier"),
                                        txtMissileWeaponMultiplier));
    }

    fraExtraItems = makeFrame(this, "fraExtraItems", QStringLiteral("Extra Items"));
    {
        QWidget *f = fraExtraItems;
        lvwExtraItems = makeList(f, "lvwExtraItems", itemColumns);
        lvwExtraItemsSelected = makeList(f, "lvwExtraItemsSelected", itemColumns);
        btnAddExtraItem = makeButton(f, "btnAddExtraItem", QStringLiteral("Add"));
        btnRemoveExtraItem = makeButton(f, "btnRemoveExtraItem", QStringLiteral("Remove"));
        txtExtraItemsCost = makeField(f, "txtExtraItemsCost", true, 8);
        QVBoxLayout *column = layOutLists(f, lvwExtraItems, lvwExtraItemsSelected,
                                          btnAddExtraItem, btnRemoveExtraItem);
        column->addLayout(labelledField(f, QStringLiteral("Extra Items Cost"),
                                        txtExtraItemsCost));
    }

    // The cost, laid out as its formula over two lines.
    fraCalculatedFigureCost = makeFrame(this, "fraCalculatedFigureCost",
                                        QStringLiteral("Calculated Figure Cost"));
    {
        QWidget *f = fraCalculatedFigureCost;
        txtDefenseFactor = makeField(f, "txtDefenseFactor", true, 6);
        txtTotalWeaponMultiplier = makeField(f, "txtTotalWeaponMultiplier", true, 6);
        txtMoveMultiplier = makeField(f, "txtMoveMultiplier", true, 6);
        txtHitPointsCopy = makeField(f, "txtHitPointsCopy", true, 6);
        txtCommandSkillCost = makeField(f, "txtCommandSkillCost", true, 6);
        txtMagicSkillCost = makeField(f, "txtMagicSkillCost", true, 6);
        txtExtraItemsCostCopy = makeField(f, "txtExtraItemsCostCopy", true, 6);
        txtCost = makeField(f, "txtCost", true, 6);
        txtFinalCost = makeField(f, "txtFinalCost", true, 6);
        lblFinalCost = makeLabel(f, QStringLiteral("Final Cost"), txtFinalCost);
        lblFinalCost->setObjectName(QStringLiteral("lblFinalCost"));
        QFont bold = txtFinalCost->font();
        bold.setBold(true);
        txtFinalCost->setFont(bold);
        lblFinalCost->setFont(bold);

        auto *grid = new QGridLayout(f);
        tighten(grid);
        auto term = [&](int row, int column, const QString &caption, QLineEdit *field) {
            auto *label = makeLabel(f, caption, field);
            label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            grid->addWidget(label, row, column);
            grid->addWidget(field, row, column + 1);
            return label;
        };
        term(0, 0, QStringLiteral("(Defense Factor"), txtDefenseFactor);
        term(0, 2, QStringLiteral("x Total Weapon Multiplier"), txtTotalWeaponMultiplier);
        term(0, 4, QStringLiteral("x Move Multiplier)"), txtMoveMultiplier);
        term(1, 0, QStringLiteral("x Hit Points"), txtHitPointsCopy);
        term(1, 2, QStringLiteral("+ Command Skill"), txtCommandSkillCost);
        term(1, 4, QStringLiteral("+ Magic Skill"), txtMagicSkillCost);
        term(2, 0, QStringLiteral("+ Extra Items"), txtExtraItemsCostCopy);
        term(2, 2, QStringLiteral("= Cost"), txtCost);
        lblFinalCost->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(lblFinalCost, 2, 4);
        grid->addWidget(txtFinalCost, 2, 5);
        for (int column = 1; column < 6; column += 2)
            grid->setColumnStretch(column, 1);
    }

    // The window: information and data above, the three lists in the middle,
    // the options and the cost below.
    auto *top = new QHBoxLayout;
    top->addWidget(fraFigureInformation, 4);
    top->addWidget(fraFigureData, 7);
    auto *lists = new QHBoxLayout;
    lists->addWidget(fraMeleeWeapons, 5);
    lists->addWidget(fraMissileWeapons, 6);
    lists->addWidget(fraExtraItems, 6);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(fraOptional);
    bottom->addWidget(fraCalculatedFigureCost, 1);
    auto *window = new QVBoxLayout(this);
    window->setContentsMargins(6, 6, 6, 6);
    window->setSpacing(6);
    window->addLayout(top);
    window->addLayout(lists, 1);
    window->addLayout(bottom);
}
