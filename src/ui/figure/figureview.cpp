#include "figureview.h"
#include "ui_frmfigure.h"
#include "frmfigure.h"
#include "platform/pictureconvert.h"

#include "figure/figuremodel.h"
#include "platform/numbers.h"
#include "platform/uitext.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTreeWidget>

#include <algorithm>
#include <cmath>
#include <iterator>

namespace tarvello {

namespace {

// An entry of a choice list as it is shown: the figure types and training
// captions, the program's own, in the windows' language (the record, the
// files and the printouts keep them in English); table names as they are.
QString shownEntry(Choice FigureInputs::*choice, const std::string &entry)
{
    if (choice == &FigureInputs::cboFigureType || choice == &FigureInputs::cboTrainingLevel)
        return coreText(entry);
    return shownFileText(entry);
}

void showText(QLineEdit *field, const std::string &text)
{
    const QString shown = fromFileText(text);
    if (field->text() != shown) {
        const QSignalBlocker blocker(field);
        field->setText(shown);
    }
}

// A spinner shows the number of the field it is bound to.
void showSpinner(QSpinBox *spinner, const std::string &fieldText)
{
    const double number = RoundHalfEven(LeadingNumber(fieldText));
    int value = spinner->minimum();
    if (std::isfinite(number))
        value = int(std::clamp(number, double(spinner->minimum()), double(spinner->maximum())));
    if (spinner->value() != value) {
        const QSignalBlocker blocker(spinner);
        spinner->setValue(value);
    }
}

void showCheck(QCheckBox *box, int value)
{
    const bool on = value != 0;
    if (box->isChecked() != on) {
        const QSignalBlocker blocker(box);
        box->setChecked(on);
    }
}

// The row's own columns; a list may show more (the available lists' "+Pts").
void setRowTexts(int columns, QTreeWidgetItem *item, const ListRow &row)
{
    for (int column = 0; column < columns; ++column) {
        const QString text = column < int(row.size()) ? shownFileText(row[column]) : QString();
        if (item->text(column) != text) {
            item->setText(column, text);
            // Notes cut by a narrow window can still be read in full.
            item->setToolTip(column, text);
        }
    }
}

QTreeWidgetItem *makeItem(std::span<const SeriesColumnSpec> columns,
                          const ListRow &row)
{
    auto *item = new QTreeWidgetItem;
    for (std::size_t column = 0; column < columns.size(); ++column) {
        if (columns[column].align == ColumnAlign::Right)
            item->setTextAlignment(int(column), Qt::AlignRight | Qt::AlignVCenter);
    }
    setRowTexts(int(columns.size()), item, row);
    return item;
}

// The columns of an "Available" row of the series.
int availableColumns(FigureSeries series)
{
    return int(Schema(series).available.size());
}

// Every column of the row's own but the last as wide as its header and
// texts; the last (Notes) takes what is left. A "Selected" list lines up the
// columns it shares with its "Available" list (like, of likeColumns).
void fitColumns(QTreeWidget *list, int columns, const QTreeWidget *like = nullptr,
                int likeColumns = 0)
{
    const int shared = like ? likeColumns - 1 : 0;
    const QAbstractItemView *view = list;
    const QFontMetrics metrics(list->header()->font());
    for (int column = 0; column + 1 < columns; ++column) {
        const int header = metrics.horizontalAdvance(list->headerItem()->text(column)) + 10;
        list->setColumnWidth(column, qMax(header, view->sizeHintForColumn(column)));
        if (column < shared && like->columnWidth(column) > list->columnWidth(column))
            list->setColumnWidth(column, like->columnWidth(column));
    }
}

} // namespace

void FigureView::bind(frmFigure &w)
{
    m_window = &w;
    m_texts = {
        {w.ui()->txtFigureName, &FigureRecord::txtFigureName},
        {w.ui()->txtImageFile, &FigureRecord::txtImageFile},
        {w.ui()->txtAdjustHitFactor, &FigureRecord::txtAdjustHitFactor},
        {w.ui()->txtHitPoints, &FigureRecord::txtHitPoints},
        {w.ui()->txtBaseHitFactor, &FigureRecord::txtBaseHitFactor},
        {w.ui()->txtBaseMorale, &FigureRecord::txtBaseMorale},
        {w.ui()->txtMagicSkillCost, &FigureRecord::txtMagicSkillCost},
        {w.ui()->txtRaceHitFactorModifier, &FigureRecord::txtRaceHitFactorModifier},
        {w.ui()->txtAdjustedHitFactor, &FigureRecord::txtAdjustedHitFactor},
        {w.ui()->txtDefenseFactor, &FigureRecord::txtDefenseFactor},
        {w.ui()->txtMove, &FigureRecord::txtMove},
        {w.ui()->txtMoveMultiplier, &FigureRecord::txtMoveMultiplier},
        {w.ui()->txtCommandSkillCost, &FigureRecord::txtCommandSkillCost},
        {w.ui()->txtInitiativeModifier, &FigureRecord::txtInitiativeModifier},
        {w.ui()->txtHitPointsCopy, &FigureRecord::txtHitPointsCopy},
        {w.ui()->txtMeleeWeaponMultiplier, &FigureRecord::txtMeleeWeaponMultiplier},
        {w.ui()->txtMissileWeaponMultiplier, &FigureRecord::txtMissileWeaponMultiplier},
        {w.ui()->txtExtraItemsCost, &FigureRecord::txtExtraItemsCost},
        {w.ui()->txtExtraItemsCostCopy, &FigureRecord::txtExtraItemsCostCopy},
        {w.ui()->txtTotalWeaponMultiplier, &FigureRecord::txtTotalWeaponMultiplier},
        {w.ui()->txtCost, &FigureRecord::txtCost},
        {w.ui()->txtFinalCost, &FigureRecord::txtFinalCost},
        {w.ui()->txtLimitedShots, &FigureRecord::txtLimitedShots},
    };
    m_choices = {
        {w.ui()->cboFigureType, &FigureRecord::cboFigureType, {}},
        {w.ui()->cboTrainingLevel, &FigureRecord::cboTrainingLevel, {}},
        {w.ui()->cboRace, &FigureRecord::cboRace, {}},
        {w.ui()->cboArmorType, &FigureRecord::cboArmorType, {}},
        {w.ui()->cboMove, &FigureRecord::cboMove, {}},
        {w.ui()->cboCommandSkill, &FigureRecord::cboCommandSkill, {}},
    };
    m_lists.clear();
    for (const frmFigure::SeriesWidgets &series : w.seriesWidgets()) {
        const SeriesSchema &schema = Schema(series.series);
        m_lists.push_back({series.available, series.series, true, schema.available, {}});
        m_lists.push_back({series.selected, series.series, false, schema.selected, {},
                           series.available});
        fitColumns(series.available, int(schema.available.size()));
        fitColumns(series.selected, int(schema.selected.size()), series.available,
                   availableColumns(series.series));
    }
}

void FigureView::show(const FigureModel &model)
{
    frmFigure &w = *m_window;
    const FigureRecord &record = model.Record();

    for (const TextBinding &binding : m_texts)
        showText(binding.field, record.*binding.text);
    showSpinner(w.ui()->updAdjustHitFactor, record.txtAdjustHitFactor);
    showSpinner(w.ui()->updHitPoints, record.txtHitPoints);
    showSpinner(w.ui()->updLimitMissileAttack, record.txtLimitedShots);
    showCheck(w.ui()->chkUseOptionalMovement, record.chkUseOptionalMovement);
    showCheck(w.ui()->chkOptionalRangeCost, record.chkOptionalRangeCost);
    for (ChoiceBinding &binding : m_choices)
        showChoice(binding, model);
    bool availableChanged = false;
    for (ListBinding &binding : m_lists) {
        const bool changed = showList(binding, model);
        if (binding.available)
            availableChanged = changed;
        else if (availableChanged && !changed)
            fitColumns(binding.list, int(binding.columns.size()), binding.like,
                       availableColumns(binding.series));
    }

    const QString label = coreText(model.TrainingLabel());
    if (w.ui()->lblTrainingLevel->text() != label)
        w.ui()->lblTrainingLevel->setText(label);
    const QString caption = coreMessage(shownFileText(model.Caption()));
    if (w.windowTitle() != caption)
        w.setWindowTitle(caption);
    if (m_pictureChanged)
        showPicture(model);
}

void FigureView::showChoice(ChoiceBinding &binding, const FigureModel &model)
{
    const std::vector<std::string> &entries = model.Entries().Of(binding.choice);
    const Choice &choice = model.Record().*binding.choice;
    QComboBox *box = binding.box;
    const QSignalBlocker blocker(box);
    if (entries != binding.shownItems) {
        // New captions of the same number of entries are renamed in place, so
        // the list keeps its chosen position.
        if (int(entries.size()) == box->count()) {
            for (int i = 0; i < box->count(); ++i)
                box->setItemText(i, shownEntry(binding.choice, entries[std::size_t(i)]));
        } else {
            QStringList items;
            items.reserve(qsizetype(entries.size()));
            for (const std::string &item : entries)
                items.append(shownEntry(binding.choice, item));
            box->clear();
            box->addItems(items);
        }
        binding.shownItems = entries;
    }
    const int index = choice.index >= 0 && choice.index < box->count() ? choice.index : -1;
    if (box->currentIndex() != index)
        box->setCurrentIndex(index);
}

bool FigureView::showList(ListBinding &binding, const FigureModel &model)
{
    const std::vector<ListRow> &rows
        = binding.available ? AvailableRows(model.Available(), binding.series)
                            : SelectedRows(model.Record(), binding.series);
    std::vector<ListRow> &shown = binding.shownRows;
    if (rows == shown)
        return false;
    QTreeWidget *list = binding.list;
    const QSignalBlocker blocker(list);

    std::size_t same = 0;
    while (same < rows.size() && same < shown.size() && rows[same] == shown[same])
        ++same;

    if (same == shown.size()) {
        // Rows added at the end: the selection stays where it was.
        QList<QTreeWidgetItem *> items;
        for (std::size_t i = same; i < rows.size(); ++i)
            items.append(makeItem(binding.columns, rows[i]));
        list->addTopLevelItems(items);
    } else if (rows.size() == shown.size()) {
        // Rows changed in place (a weapon's shots).
        for (std::size_t i = same; i < rows.size(); ++i) {
            if (rows[i] != shown[i])
                setRowTexts(int(binding.columns.size()), list->topLevelItem(int(i)), rows[i]);
        }
    } else if (rows.size() < shown.size()
               && std::equal(rows.begin() + std::ptrdiff_t(same), rows.end(),
                             shown.begin() + std::ptrdiff_t(same + shown.size() - rows.size()))) {
        // Rows removed: nothing stays selected, so no other row is mistaken
        // for the chosen one.
        for (std::size_t i = 0; i < shown.size() - rows.size(); ++i)
            delete list->takeTopLevelItem(int(same));
        list->clearSelection();
        list->setCurrentItem(nullptr);
    } else {
        list->clear();
        QList<QTreeWidgetItem *> items;
        for (const ListRow &row : rows)
            items.append(makeItem(binding.columns, row));
        list->addTopLevelItems(items);
    }
    shown = rows;
    fitColumns(list, int(binding.columns.size()), binding.like, availableColumns(binding.series));
    return true;
}

void FigureView::showPicture(const FigureModel &model)
{
    m_pictureChanged = false;
    const Picture &picture = model.Image();
    QLabel *label = m_window->ui()->picFigure;
    if (picture.width <= 0 || picture.height <= 0) {
        label->clear();
        label->resize(0, 0);
        return;
    }
    label->setPixmap(QPixmap::fromImage(imageFromPicture(picture)));
    label->resize(picture.width, picture.height);
}

} // namespace tarvello
