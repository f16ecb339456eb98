// Setting up the figure editor's form (frmfigure.ui): what the form cannot
// hold because it comes from the model or from the fonts at run time.

#include "frmfigure.h"
#include "platform/uitext.h"
#include "ui_frmfigure.h"
#include "updownspinbox.h"

#include "figure/figurerules.h"
#include "figure/figureseries.h"

#include <QEvent>
#include <QFontMetrics>
#include <QHeaderView>
#include <QScrollBar>

#include <span>

namespace tarvello {

namespace {

// The list's columns, from its series' schema.
void setColumns(QTreeWidget *list, std::span<const SeriesColumnSpec> columns)
{
    QStringList headers;
    for (const SeriesColumnSpec &column : columns)
        headers.append(coreText(column.header));
    list->setColumnCount(int(headers.size()));
    list->setHeaderLabels(headers);
    list->header()->setSectionsMovable(false);
    // The Notes, last, take what the other columns leave, however little.
    list->header()->setMinimumSectionSize(list->fontMetrics().horizontalAdvance(headers.last()) + 16);
    list->setColumnWidth(int(headers.size()) - 1, list->header()->minimumSectionSize());
}

} // namespace

void frmFigure::setupForm()
{
    setupFields();
    for (const SeriesWidgets &series : seriesWidgets()) {
        const SeriesSchema &schema = Schema(series.series);
        setColumns(series.available, schema.available);
        setColumns(series.selected, schema.selected);
    }
    // The spinners' ranges are the model's; each steps the field beside it.
    const auto spinner = [](UpDownSpinBox *updown, QLineEdit *field,
                            SpinnerRange range, int start) {
        updown->setRange(range.minimum, range.maximum);
        updown->setValue(start);
        updown->bindField(field);
    };
    spinner(m_ui->updAdjustHitFactor, m_ui->txtAdjustHitFactor, kAdjustHitFactorRange, 0);
    spinner(m_ui->updHitPoints, m_ui->txtHitPoints, kHitPointsRange, 1);
    spinner(m_ui->updLimitMissileAttack, m_ui->txtLimitedShots, kShotsRange, 0);
}

// Widths that follow the font: the form gives each field the digits it shows.
void frmFigure::setupFields()
{
    for (QLineEdit *field : findChildren<QLineEdit *>()) {
        const QVariant digits = field->property("digits");
        if (!digits.isValid())
            continue;
        const QFontMetrics metrics(field->font());
        field->setMinimumWidth(metrics.horizontalAdvance(QLatin1Char('0')) * digits.toInt() + 12);
    }
    shadeCalculatedFields();
    m_ui->txtLimitedShots->setMaximumWidth(m_ui->txtLimitedShots->minimumWidth());
    // A typed number beside its spinner is as wide as the calculated fields.
    for (QLineEdit *field : {m_ui->txtAdjustHitFactor, m_ui->txtHitPoints})
        field->setFixedWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("-1000")) + 14);
    // Buttons fit their captions rather than the style's wide default.
    for (QPushButton *button : findChildren<QPushButton *>())
        button->setMinimumWidth(button->fontMetrics().horizontalAdvance(tr("Remove")) + 24);
    m_ui->btnBrowse->setFixedWidth(m_ui->btnBrowse->fontMetrics().horizontalAdvance(QStringLiteral("...")) + 24);
    // Around a small picture the area is white like the picture's ground; a
    // background role is not a property the form can hold.
    m_ui->scrFigure->setBackgroundRole(QPalette::Base);
}

// Calculated values (read-only, reached by clicking only) look like what they
// are: not for typing. Their ground follows the window's palette, light or dark.
void frmFigure::shadeCalculatedFields()
{
    for (QLineEdit *field : findChildren<QLineEdit *>()) {
        if (!field->property("digits").isValid() || !field->isReadOnly()
            || field->focusPolicy() != Qt::ClickFocus)
            continue;
        // The window's own palette: a change reaches the fields after the window.
        QPalette palette = field->palette();
        palette.setColor(QPalette::Base, this->palette().color(QPalette::Window));
        field->setPalette(palette);
    }
}

void frmFigure::changeEvent(QEvent *event)
{
    ChildWindow::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        shadeCalculatedFields();
}

// Each list frame's share of the width follows what its columns need, so
// that a wide window shows every column of every list.
void frmFigure::shareListWidths()
{
    // A column that takes what is left (the Notes) counts as narrow as it
    // may be.
    const auto needed = [](const QTreeWidget *list) {
        const int columns = list->columnCount();
        const QHeaderView *header = list->header();
        int width = 0;
        for (int column = 0; column < columns; ++column) {
            const bool stretches = header->sectionResizeMode(column) == QHeaderView::Stretch
                                   || (column + 1 == columns && header->stretchLastSection());
            width += stretches ? header->minimumSectionSize() : list->columnWidth(column);
        }
        return width + list->verticalScrollBar()->sizeHint().width() + 2 * list->frameWidth();
    };
    // The frame's own margins come on top of what its lists need.
    const auto margins = [](const QWidget *frame) {
        const QMargins own = frame->contentsMargins();
        const QMargins inner = frame->layout()->contentsMargins();
        return own.left() + own.right() + inner.left() + inner.right();
    };
    int index = 0;
    for (const SeriesWidgets &series : seriesWidgets())
        m_ui->layoutLists->setStretch(index++, qMax(needed(series.available), needed(series.selected))
                                                   + margins(series.available->parentWidget()));
}

} // namespace tarvello
