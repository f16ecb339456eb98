// The army editor's tool tips: what each column shows and what the number
// boxes take.

#include "frmarmy.h"
#include "ui_frmarmy.h"

#include <QCoreApplication>
#include <QTreeWidget>

namespace tarvello {

namespace {

struct ColumnTip
{
    const char *header;
    const char *tip;
};

constexpr ColumnTip kColumnTips[] = {
    {QT_TRANSLATE_NOOP("Core", "Unit(s)"), QT_TRANSLATE_NOOP("tarvello::frmArmy", "Number of units of this figure and unit size in the army")},
    {QT_TRANSLATE_NOOP("Core", "Unit Size"), QT_TRANSLATE_NOOP("tarvello::frmArmy", "Figures in each unit")},
    {QT_TRANSLATE_NOOP("Core", "Figure"), QT_TRANSLATE_NOOP("tarvello::frmArmy", "The figure's name")},
    {QT_TRANSLATE_NOOP("Core", "Race"), QT_TRANSLATE_NOOP("tarvello::frmArmy", "The figure's race")},
    {QT_TRANSLATE_NOOP("Core", "Type"), QT_TRANSLATE_NOOP("tarvello::frmArmy", "The figure type: soldier, commander, hero, vehicle or battle mage")},
    {QT_TRANSLATE_NOOP("Core", "Cost"), QT_TRANSLATE_NOOP("tarvello::frmArmy", "The figure's cost in points as stored (in an army line: as copied when added)")},
    {QT_TRANSLATE_NOOP("Core", "Now"), QT_TRANSLATE_NOOP("tarvello::frmArmy", "What the figure costs under the current rules tables (an arrow marks a changed "
            "cost, ? one that cannot be worked out)")},
    {QT_TRANSLATE_NOOP("Core", "Points"), QT_TRANSLATE_NOOP("tarvello::frmArmy", "The line's points: units \u00d7 unit size \u00d7 figure cost")},
    {QT_TRANSLATE_NOOP("Core", "Training Level"), QT_TRANSLATE_NOOP("tarvello::frmArmy", "The figure's training level")},
    {QT_TRANSLATE_NOOP("Core", "Hit Factor"), QT_TRANSLATE_NOOP("tarvello::frmArmy", "The figure's adjusted hit factor")},
    {QT_TRANSLATE_NOOP("Core", "Hit Points"), QT_TRANSLATE_NOOP("tarvello::frmArmy", "The figure's hit points")},
    {QT_TRANSLATE_NOOP("Core", "Morale"), QT_TRANSLATE_NOOP("tarvello::frmArmy", "The figure's base morale")},
    {QT_TRANSLATE_NOOP("Core", "Move"), QT_TRANSLATE_NOOP("tarvello::frmArmy", "The figure's move")},
    {QT_TRANSLATE_NOOP("Core", "Command Skill"), QT_TRANSLATE_NOOP("tarvello::frmArmy", "The figure's command skill")},
    {QT_TRANSLATE_NOOP("Core", "Melee Weapon"), QT_TRANSLATE_NOOP("tarvello::frmArmy", "The figure's melee weapons")},
    {QT_TRANSLATE_NOOP("Core", "Missile Weapon"), QT_TRANSLATE_NOOP("tarvello::frmArmy", "The figure's missile weapons, with their shots in brackets")},
    {QT_TRANSLATE_NOOP("Core", "Extra Items"), QT_TRANSLATE_NOOP("tarvello::frmArmy", "The figure's extra items")},
    {QT_TRANSLATE_NOOP("Core", "Armor"), QT_TRANSLATE_NOOP("tarvello::frmArmy", "The figure's armour")},
};

void setHeaderTips(QTreeWidget *list, const QString &more)
{
    QTreeWidgetItem *header = list->headerItem();
    for (int column = 0; column < header->columnCount(); ++column) {
        for (const ColumnTip &tip : kColumnTips) {
            if (header->text(column) == QCoreApplication::translate("Core", tip.header))
                header->setToolTip(column, frmArmy::tr(tip.tip) + more);
        }
    }
}

} // namespace

void frmArmy::setUpTips()
{
    setHeaderTips(m_ui->lvwUnits, tr(" \u2014 click to sort by it, again to reverse"));
    setHeaderTips(m_ui->lvwSelectedUnits, QString());
    const QString keys =
        tr("%1: Up and Down step by 1, Page Up and Page Down by 10, the mouse wheel steps too");
    m_ui->txtUnitsToAdd->setToolTip(keys.arg(tr("Units to add")));
    m_ui->txtUnitSizeAdd->setToolTip(keys.arg(tr("Unit size of the units to add")));
    m_ui->txtUnitCount->setToolTip(
        keys.arg(tr("Units of the selected line (0 removes the line)")));
    m_ui->txtUnitSize->setToolTip(keys.arg(tr("Unit size of the selected line")));
    for (QSpinBox *spinner : {static_cast<QSpinBox *>(m_ui->updUnitsToAdd),
                              static_cast<QSpinBox *>(m_ui->updUnitSizeAdd),
                              static_cast<QSpinBox *>(m_ui->updUnitCount),
                              static_cast<QSpinBox *>(m_ui->updUnitSize)})
        spinner->setToolTip(tr("Step the number beside"));
}

} // namespace tarvello
