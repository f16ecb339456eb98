#include "frmedit_table.h"
#include "platform/failurebox.h"

#include "clsflexgridedit.h"
#include "flexgrid.h"
#include "tablemodel.h"

#include "platform/idialogs.h"
#include "platform/layoutmgr.h"
#include "platform/screentwips.h"
#include "platform/uitext.h"

#include <QHeaderView>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QStyle>

#include <algorithm>

namespace tarvello {

namespace {


// The design size in twips.
constexpr int kWidthTwips = 4605;
constexpr int kHeightTwips = 2520;

} // namespace

frmEdit_Table::frmEdit_Table(AppContext &context, QWidget *parent)
    : DocumentWindow(context, parent)
    , m_model(new TableModel(this))
    , m_editor(m_model->editor())
    , m_cellEditor(std::make_unique<clsFlexGridEdit>())
{
    setForm(WindowForm::EditTable);
    setWindowTitle(tr("Table Editor"));
    buildControls();
    m_cellEditor->setFlexGridControl(grdTable);
    connect(m_cellEditor.get(), &clsFlexGridEdit::TextKeyDown, this,
            [this] { m_editor.MarkChanged(); });
}

frmEdit_Table::~frmEdit_Table() = default;

void frmEdit_Table::buildControls()
{
    Arrange();
    grdTable = new FlexGrid(this);
    grdTable->setObjectName(QStringLiteral("grdTable"));
    grdTable->setModel(m_model);
    connect(m_model, &TableModel::cellEdited, this, [this] { emit historyChanged(); });
    grdTable->setKeyDownHandler(
        [this](int key, Qt::KeyboardModifiers modifiers) { return gridKeyDown(key, modifiers); });

    btnInsert = new QPushButton(tr("New r&ow"), this);
    btnInsert->setObjectName(QStringLiteral("btnInsert"));
    btnSave = new QPushButton(tr("&Save"), this);
    btnSave->setObjectName(QStringLiteral("btnSave"));
    btnSaveAs = new QPushButton(tr("Save &As"), this);
    btnSaveAs->setObjectName(QStringLiteral("btnSaveAs"));

    // Grid above, the buttons in a row below it, at the design size; each
    // button as wide as its caption needs (a translated one may be longer).
    const int margin = 4;
    const int buttonHeight = btnInsert->sizeHint().height();
    const int buttonTop = height() - margin - buttonHeight;
    grdTable->setGeometry(0, 0, width(), buttonTop - margin);
    int left = margin;
    for (QPushButton *b : {btnInsert, btnSave, btnSaveAs}) {
        const int buttonWidth = std::max(80, b->sizeHint().width());
        b->setGeometry(left, buttonTop, buttonWidth, buttonHeight);
        left += buttonWidth + margin;
    }

    lmgEdit = new LayoutMgr(this);
    lmgEdit->setObjectName(QStringLiteral("lmgEdit"));
    lmgEdit->registerControl(grdTable, 0, 0, 1, 1);
    for (QPushButton *b : {btnInsert, btnSave, btnSaveAs})
        lmgEdit->registerControl(b, 0, 1, 0, 0);

    connect(btnInsert, &QPushButton::clicked, this, [this] { gridKeyDown(Qt::Key_Insert, {}); });
    connect(btnSave, &QPushButton::clicked, this, [this] { saveDocument(); });
    connect(btnSaveAs, &QPushButton::clicked, this, [this] { saveDocumentAs(); });
}

void frmEdit_Table::Arrange()
{
    resize(twipsToPixels(this, kWidthTwips, kHeightTwips));
}

QSize frmEdit_Table::sizeHint() const
{
    return twipsToPixels(this, kWidthTwips, kHeightTwips);
}

// A window of its own gives the grid the focus when it is activated. Inside
// the main window every child hears the main window's activation, whichever
// child the user works in, and a grid taking the focus then would make its
// own sub-window the active one: there only the sub-window's activation
// counts (below).
bool frmEdit_Table::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate && grdTable && isWindow())
        grdTable->setFocus(Qt::ActiveWindowFocusReason);
    return ChildWindow::event(event);
}

// Inside the main window, activating the document window gives the grid the
// focus too.
void frmEdit_Table::showEvent(QShowEvent *event)
{
    ChildWindow::showEvent(event);
    auto *frame = qobject_cast<QMdiSubWindow *>(parentWidget());
    if (m_activationHooked || !frame || !frame->mdiArea())
        return;
    m_activationHooked = true;
    connect(frame->mdiArea(), &QMdiArea::subWindowActivated, this, [this, frame](QMdiSubWindow *w) {
        if (w == frame)
            grdTable->setFocus(Qt::ActiveWindowFocusReason);
    });
}

void frmEdit_Table::OpenFile(const QString &fileName, const QString &caption)
{
    m_caption = caption;
    const Status read = m_editor.Open(toFilePath(fileName));
    m_model->reset();
    // An unreadable file leaves an empty editor that saves nowhere unasked.
    if (!read.ok())
        m_context.dialogs->message(this, boxTitleText(BoxTitle::Plain), tr("Errors in table %1").arg(fileName),
                                   IDialogs::Buttons::Ok, IDialogs::Icon::None);
    emit historyChanged();
    sizeColumns();
    if (m_model->rowCount() > 0 && m_model->columnCount() > 0)
        grdTable->setCurrentCell(0, 0);
    setWindowTitle(tr("Resource Editor %1").arg(caption));
}

QString frmEdit_Table::fileName() const
{
    return fromFilePath(m_editor.FileName());
}

void frmEdit_Table::sizeColumns()
{
    const QHeaderView *header = grdTable->horizontalHeader();
    const QFontMetrics metrics(header->font());
    const int padding = 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header) + 8;
    for (int c = 0; c < m_model->columnCount(); ++c) {
        const QString caption = m_model->headerData(c, Qt::Horizontal).toString();
        grdTable->setColumnWidth(c, metrics.horizontalAdvance(caption) + padding);
    }
    if (m_model->columnCount() > 0)
        grdTable->setColumnWidth(0, grdTable->width() / 2);
}

} // namespace tarvello
