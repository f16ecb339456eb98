// Building the figure editor's widgets: frames, fields, lists and spinners.

#include "frmfigure.h"
#include "updownspinbox.h"

#include "figure/figurerules.h"
#include "figure/figureseries.h"

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
#include <QScrollBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <span>

namespace tarvello {

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

// A spinner over one of the model's ranges.
QSpinBox *makeSpinner(QWidget *parent, const char *name, tarvello::SpinnerRange range, int start)
{
    auto *spinner = new UpDownSpinBox(parent);
    spinner->setObjectName(QString::fromLatin1(name));
    spinner->setRange(range.minimum, range.maximum);
    spinner->setSingleStep(1);
    spinner->setValue(start);
    return spinner;
}

// The columns of a list, from its series' schema; the first (the name) is
// widest, numbers are narrow.
QTreeWidget *makeList(QWidget *parent, const char *name,
                      std::span<const tarvello::SeriesColumnSpec> columns)
{
    auto *list = new QTreeWidget(parent);
    list->setObjectName(QString::fromLatin1(name));
    QStringList headers;
    for (const tarvello::SeriesColumnSpec &column : columns)
        headers.append(QString::fromLatin1(column.header));
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
    // The Notes, last, take what the other columns leave, however little.
    list->header()->setMinimumSectionSize(list->fontMetrics().horizontalAdvance(headers.last()) + 16);
    list->setColumnWidth(int(headers.size()) - 1, list->header()->minimumSectionSize());
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
    column->setContentsMargins(4, 4, 4, 4);
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

// A typed number with its spinner right beside it, as wide as the calculated
// fields of the right column.
QHBoxLayout *withSpinner(QLineEdit *field, QSpinBox *spinner)
{
    auto *box = new QHBoxLayout;
    box->setSpacing(0);
    field->setFixedWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("-1000")) + 14);
    box->addWidget(field);
    box->addWidget(spinner);
    box->addStretch(1);
    static_cast<UpDownSpinBox *>(spinner)->bindField(field);
    return box;
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

// The names of one list frame's widgets and the members that keep them.
struct ListFrameSpec
{
    tarvello::FigureSeries series;
    const char *frame;
    const char *caption;
    const char *available;
    const char *selected;
    const char *add;
    const char *remove;
    const char *total;
    const char *totalCaption;
    QGroupBox *frmFigure::*frameMember;
    QTreeWidget *frmFigure::*availableMember;
    QTreeWidget *frmFigure::*selectedMember;
    QPushButton *frmFigure::*addMember;
    QPushButton *frmFigure::*removeMember;
    QLineEdit *frmFigure::*totalMember;
};

// The frames of the three series, in the window's order.
const ListFrameSpec kListFrames[] = {
    {tarvello::FigureSeries::Melee, "fraMeleeWeapons", "Melee Weapons", "lvwMeleeWeapons",
     "lvwMeleeWeaponsSelected", "btnAddMeleeWeapon", "btnRemoveMeleeWeapon",
     "txtMeleeWeaponMultiplier", "Melee Weapon Multiplier", &frmFigure::fraMeleeWeapons,
     &frmFigure::lvwMeleeWeapons, &frmFigure::lvwMeleeWeaponsSelected,
     &frmFigure::btnAddMeleeWeapon, &frmFigure::btnRemoveMeleeWeapon,
     &frmFigure::txtMeleeWeaponMultiplier},
    {tarvello::FigureSeries::Missile, "fraMissileWeapons", "Missile Weapons",
     "lvwMissileWeapons", "lvwMissileWeaponsSelected", "btnAddMissileWeapon",
     "btnRemoveMissileWeapon", "txtMissileWeaponMultiplier", "Missile Weapon Multiplier",
     &frmFigure::fraMissileWeapons, &frmFigure::lvwMissileWeapons,
     &frmFigure::lvwMissileWeaponsSelected, &frmFigure::btnAddMissileWeapon,
     &frmFigure::btnRemoveMissileWeapon, &frmFigure::txtMissileWeaponMultiplier},
    {tarvello::FigureSeries::ExtraItem, "fraExtraItems", "Extra Items", "lvwExtraItems",
     "lvwExtraItemsSelected", "btnAddExtraItem", "btnRemoveExtraItem", "txtExtraItemsCost",
     "Extra Items Cost", &frmFigure::fraExtraItems, &frmFigure::lvwExtraItems,
     &frmFigure::lvwExtraItemsSelected, &frmFigure::btnAddExtraItem,
     &frmFigure::btnRemoveExtraItem, &frmFigure::txtExtraItemsCost},
};

} // namespace

void frmFigure::buildLayout()
{
    buildInformationFrame();
    buildDataFrame();
    buildOptionalFrame();
    buildListFrames();
    buildCostFrame();

    // The window: information and data above, the three lists in the middle,
    // the options and the cost below.
    auto *top = new QHBoxLayout;
    top->addWidget(fraFigureInformation, 4);
    top->addWidget(fraFigureData, 7);
    auto *lists = new QHBoxLayout;
    lists->addWidget(fraMeleeWeapons, 5);
    lists->addWidget(fraMissileWeapons, 6);
    lists->addWidget(fraExtraItems, 6);
    m_listRow = lists;
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(fraOptional);
    bottom->addWidget(fraCalculatedFigureCost, 1);
    lists->setSpacing(3);
    auto *window = new QVBoxLayout(this);
    window->setContentsMargins(3, 3, 3, 3);
    window->setSpacing(6);
    window->addLayout(top);
    window->addLayout(lists, 1);
    window->addLayout(bottom);

    // Tab follows what the eye reads: each frame top to bottom, the frames
    // left to right and row by row.
    const QList<QWidget *> order = {
        txtFigureName, txtImageFile, btnBrowse, btnCard,
        cboFigureType, cboRace, txtAdjustHitFactor, cboTrainingLevel, cboArmorType,
        txtHitPoints, cboMove, cboCommandSkill,
        lvwMeleeWeapons, btnAddMeleeWeapon, btnRemoveMeleeWeapon, lvwMeleeWeaponsSelected,
        lvwMissileWeapons, btnAddMissileWeapon, btnRemoveMissileWeapon,
        lvwMissileWeaponsSelected, txtLimitedShots,
        lvwExtraItems, btnAddExtraItem, btnRemoveExtraItem, lvwExtraItemsSelected,
        chkUseOptionalMovement, chkOptionalRangeCost};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order.at(i - 1), order.at(i));
}

void frmFigure::buildInformationFrame()
{
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
        scrFigure->setFocusPolicy(Qt::NoFocus);

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

}

void frmFigure::buildDataFrame()
{
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
        updHitPoints = makeSpinner(f, "updHitPoints", tarvello::kHitPointsRange, 1);
        txtAdjustHitFactor = makeField(f, "txtAdjustHitFactor", false, 4);
        updAdjustHitFactor = makeSpinner(f, "updAdjustHitFactor", tarvello::kAdjustHitFactorRange, 0);
        txtRaceHitFactorModifier = makeField(f, "txtRaceHitFactorModifier", true);
        txtBaseHitFactor = makeField(f, "txtBaseHitFactor", true);
        txtAdjustedHitFactor = makeField(f, "txtAdjustedHitFactor", true);
        txtBaseMorale = makeField(f, "txtBaseMorale", true);
        txtMove = makeField(f, "txtMove", true);
        txtInitiativeModifier = makeField(f, "txtInitiativeModifier", true);
        lblTrainingLevel = makeLabel(f, QStringLiteral("Training Level"), cboTrainingLevel);
        lblTrainingLevel->setObjectName(QStringLiteral("lblTrainingLevel"));

        // Two columns read top to bottom, left column first.
        auto *grid = new QGridLayout(f);
        tighten(grid);
        int row = 0;
        int column = 0;
        auto place = [&](QLabel *label, QWidget *field, QLayout *box = nullptr) {
            if (row == 7) {
                row = 0;
                column = 3;
            }
            grid->addWidget(label, row, column);
            if (box)
                grid->addLayout(box, row, column + 1);
            else
                grid->addWidget(field, row, column + 1);
            ++row;
        };
        auto caption = [&](const QString &text, QWidget *field) { return makeLabel(f, text, field); };
        // A calculated number stays narrow at the left of a wide column.
        auto narrow = [](QWidget *field) {
            auto *box = new QHBoxLayout;
            box->addWidget(field);
            box->addStretch(1);
            return box;
        };
        place(caption(QStringLiteral("Figure type"), cboFigureType), cboFigureType);
        place(caption(QStringLiteral("Race"), cboRace), cboRace);
        place(caption(QStringLiteral("Race Hit Factor Mod"), txtRaceHitFactorModifier), nullptr,
              narrow(txtRaceHitFactorModifier));
        place(caption(QStringLiteral("Adjust Hit Factor"), txtAdjustHitFactor), nullptr,
              withSpinner(txtAdjustHitFactor, updAdjustHitFactor));
        place(lblTrainingLevel, cboTrainingLevel);
        place(caption(QStringLiteral("Armor Type"), cboArmorType), cboArmorType);
        place(caption(QStringLiteral("Hit Points"), txtHitPoints), nullptr,
              withSpinner(txtHitPoints, updHitPoints));
        place(caption(QStringLiteral("Movement"), cboMove), cboMove);
        place(caption(QStringLiteral("Command Skill"), cboCommandSkill), cboCommandSkill);
        place(caption(QStringLiteral("Base Hit Factor"), txtBaseHitFactor), nullptr,
              narrow(txtBaseHitFactor));
        place(caption(QStringLiteral("Adjusted Hit Factor"), txtAdjustedHitFactor), nullptr,
              narrow(txtAdjustedHitFactor));
        place(caption(QStringLiteral("Move"), txtMove), nullptr, narrow(txtMove));
        place(caption(QStringLiteral("Initiative Modifier"), txtInitiativeModifier), nullptr,
              narrow(txtInitiativeModifier));
        place(caption(QStringLiteral("Base Morale"), txtBaseMorale), nullptr,
              narrow(txtBaseMorale));
        grid->setColumnMinimumWidth(2, 12);
        grid->setColumnStretch(1, 1);
        grid->setColumnStretch(4, 1);
        grid->setRowStretch(7, 1);

        // What each typed field takes; the spinners and arrow keys step it.
        txtAdjustHitFactor->setToolTip(QStringLiteral(
            "A number. Text that is not a number becomes 0, so a minus typed alone turns "
            "into 0: for a negative value use the arrows or the Up and Down keys "
            "(-100 to 100), or paste the whole number, such as -3."));
        txtHitPoints->setToolTip(QStringLiteral(
            "A number. 0, an empty field or text that does not start with a number becomes 1. "
            "The arrows and the Up and Down keys step it from 1 to 100."));
    }

}

void frmFigure::buildOptionalFrame()
{
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

}

void frmFigure::buildListFrames()
{
    // "Limit selected Missile Attack to [n] shots (0 means unlimited)",
    // broken after "to" to fit the frame.
    const auto shotsLimit = [this](QWidget *f, QVBoxLayout *column) {
        txtLimitedShots = makeField(f, "txtLimitedShots", false, 3);
        txtLimitedShots->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        // Typed keys are discarded: only the spinner and row clicks change it.
        txtLimitedShots->setReadOnly(true);
        txtLimitedShots->setMaximumWidth(txtLimitedShots->minimumWidth());
        updLimitMissileAttack = makeSpinner(f, "updLimitMissileAttack", tarvello::kShotsRange, 0);
        column->addWidget(makeLabel(f, QStringLiteral("Limit selected Missile Attack to"),
                                    txtLimitedShots));
        auto *limit = new QHBoxLayout;
        limit->setSpacing(0);
        limit->addWidget(txtLimitedShots);
        limit->addWidget(updLimitMissileAttack);
        static_cast<UpDownSpinBox *>(updLimitMissileAttack)->bindField(txtLimitedShots);
        txtLimitedShots->setToolTip(QStringLiteral(
            "Shots of the selected missile weapon, 0 to 20 (0 means unlimited): "
            "the arrows or the Up and Down keys set it."));
        limit->addSpacing(6);
        limit->addWidget(new QLabel(QStringLiteral("shots (0 means unlimited)"), f));
        limit->addStretch(1);
        column->addLayout(limit);
    };
    for (const ListFrameSpec &lists : kListFrames) {
        const tarvello::SeriesSchema &schema = tarvello::Schema(lists.series);
        QGroupBox *frame = makeFrame(this, lists.frame, QString::fromLatin1(lists.caption));
        QTreeWidget *available = makeList(frame, lists.available, schema.available);
        QTreeWidget *selected = makeList(frame, lists.selected, schema.selected);
        QPushButton *add = makeButton(frame, lists.add, QStringLiteral("Add"));
        QPushButton *remove = makeButton(frame, lists.remove, QStringLiteral("Remove"));
        QVBoxLayout *column = layOutLists(frame, available, selected, add, remove);
        if (lists.series == tarvello::FigureSeries::Missile)
            shotsLimit(frame, column);
        QLineEdit *total = makeField(frame, lists.total, true, 8);
        column->addLayout(labelledField(frame, QString::fromLatin1(lists.totalCaption), total));
        this->*lists.frameMember = frame;
        this->*lists.availableMember = available;
        this->*lists.selectedMember = selected;
        this->*lists.addMember = add;
        this->*lists.removeMember = remove;
        this->*lists.totalMember = total;
    }
}

void frmFigure::buildCostFrame()
{
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

}

// Each list frame's share of the width follows what its columns need, so
// that a wide window shows every column of every list.
void frmFigure::shareListWidths()
{
    const auto needed = [](const QTreeWidget *list) {
        const int columns = list->columnCount();
        int width = list->fontMetrics().horizontalAdvance(list->headerItem()->text(columns - 1)) + 24;
        for (int column = 0; column + 1 < columns; ++column)
            width += list->columnWidth(column);
        return width + list->verticalScrollBar()->sizeHint().width() + 2 * list->frameWidth();
    };
    int index = 0;
    for (const SeriesWidgets &series : seriesWidgets())
        m_listRow->setStretch(index++, qMax(needed(series.available), needed(series.selected)));
}

} // namespace tarvello
