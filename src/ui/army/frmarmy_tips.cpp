// The army editor's tool tips: what each column shows and what the number
// boxes take.

#include "frmarmy.h"
#include "ui_frmarmy.h"

#include <QTreeWidget>

namespace tarvello {

namespace {

struct ColumnTip
{
    const char *header;
    const char *tip;
};

constexpr ColumnTip kColumnTips[] = {
    {"Unit(s)", "Number of units of this figure and unit size in the army"},
    {"Unit Size", "Figures in each unit"},
    {"Figure", "The figure's name"},
    {"Race", "The figure's race"},
    {"Type", "The figure type: soldier, commander, hero, vehicle or battle mage"},
    {"Cost", "The figure's cost in points as stored (in an army line: as copied when added)"},
    {"Now", "What the figure costs under the current rules tables (an arrow marks a changed "
            "cost, ? one that cannot be worked out)"},
    {"Points", "The line's points: units \u00d7 unit size \u00d7 figure cost"},
    {"Training Level", "The figure's training level"},
    {"Hit Factor", "The figure's adjusted hit factor"},
    {"Hit Points", "The figure's hit points"},
    {"Morale", "The figure's base morale"},
    {"Move", "The figure's move"},
    {"Command Skill", "The figure's command skill"},
    {"Melee Weapon", "The figure's melee weapons"},
    {"Missile Weapon", "The figure's missile weapons, with their shots in brackets"},
    {"Extra Items", "The figure's extra items"},
    {"Armor", "The figure's armour"},
};

void setHeaderTips(QTreeWidget *list, const QString &more)
{
    QTreeWidgetItem *header = list->headerItem();
    for (int column = 0; column < header->columnCount(); ++column) {
        for (const ColumnTip &tip : kColumnTips) {
            if (header->text(column) == QLatin1String(tip.header))
                header->setToolTip(column, QString::fromUtf8(tip.tip) + more);
        }
    }
}

} // namespace

void frmArmy::setUpTips()
{
    setHeaderTips(m_ui->lvwUnits, QStringLiteral(" \u2014 click to sort by it, again to reverse"));
    setHeaderTips(m_ui->lvwSelectedUnits, QString());
    const QString keys = QStringLiteral(
        "%1: Up and Down step by 1, Page Up and Page Down by 10, the mouse wheel steps too");
    m_ui->txtUnitsToAdd->setToolTip(keys.arg(QStringLiteral("Units to add")));
    m_ui->txtUnitSizeAdd->setToolTip(keys.arg(QStringLiteral("Unit size of the units to add")));
    m_ui->txtUnitCount->setToolTip(
        keys.arg(QStringLiteral("Units of the selected line (0 removes the line)")));
    m_ui->txtUnitSize->setToolTip(keys.arg(QStringLiteral("Unit size of the selected line")));
    for (QSpinBox *spinner : {static_cast<QSpinBox *>(m_ui->updUnitsToAdd),
                              static_cast<QSpinBox *>(m_ui->updUnitSizeAdd),
                              static_cast<QSpinBox *>(m_ui->updUnitCount),
                              static_cast<QSpinBox *>(m_ui->updUnitSize)})
        spinner->setToolTip(QStringLiteral("Step the number beside"));
}

} // namespace tarvello
