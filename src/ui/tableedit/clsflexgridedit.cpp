#include "clsflexgridedit.h"

#include "flexgrid.h"
#include "keycodes.h"

#include "tableedit/behaviourmove.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QValidator>

namespace tarvello {

namespace {

const QString kBoxName = QStringLiteral("tbFgEdit");

// A cell cannot hold the field separator, a tab or a line break: the box
// drops them from whatever is typed or pasted.
class CellTextValidator : public QValidator
{
public:
    using QValidator::QValidator;
    State validate(QString &input, int &pos) const override
    {
        for (int i = input.size() - 1; i >= 0; --i) {
            const QChar c = input.at(i);
            if (c == QLatin1Char(';') || c == QLatin1Char('\t') || c == QLatin1Char('\r')
                || c == QLatin1Char('\n')) {
                input.remove(i, 1);
                if (i < pos)
                    --pos;
            }
        }
        return Acceptable;
    }
};

} // namespace

clsFlexGridEdit::clsFlexGridEdit(QObject *parent)
    : QObject(parent)
{}

clsFlexGridEdit::~clsFlexGridEdit()
{
    detach();
}

// The form the grid lies on: inside the main window, the document window.
QWidget *clsFlexGridEdit::gridWindow() const
{
    QWidget *window = m_grid;
    while (window && !window->isWindow() && window->parentWidget()
           && !qobject_cast<QMdiSubWindow *>(window->parentWidget()))
        window = window->parentWidget();
    return window;
}

void clsFlexGridEdit::setFlexGridControl(FlexGrid *grid)
{
    detach();
    m_grid = grid;
    if (!m_grid)
        return;
    connect(m_grid, &FlexGrid::characterTyped, this, &clsFlexGridEdit::openBox);
    connect(m_grid, &FlexGrid::cellDoubleClicked, this,
            [this](Qt::KeyboardModifiers modifiers) { openBox(32, modifiers); });
    connect(m_grid, &FlexGrid::focusEntered, this, &clsFlexGridEdit::endEdit);
    connect(m_grid, &FlexGrid::cellLeaving, this, [this] {
        if (!m_moving)
            endEdit();
    });
    connect(m_grid, &FlexGrid::scrolled, this, &clsFlexGridEdit::followScroll);
    createBox();
}

void clsFlexGridEdit::createBox()
{
    QWidget *container = m_grid->parentWidget() ? m_grid->parentWidget() : m_grid.data();
    const QWidget *window = gridWindow();
    m_boxName = kBoxName;
    QString name = m_boxName + QLatin1Char('1');
    while (window && window->findChild<QWidget *>(name))
        name += QLatin1Char('1');
    m_box = new QLineEdit(container);
    m_box->setObjectName(name);
    m_box->setValidator(new CellTextValidator(m_box));
    m_box->hide();
    m_box->setFrame(m_borderStyle == 1);
    m_box->setFont(m_grid->font());
    m_box->setFocusPolicy(Qt::ClickFocus);
    m_box->raise();
    m_box->installEventFilter(this);
    m_watchedBox = m_box;
}

void clsFlexGridEdit::detach()
{
    restoreTabStops();
    if (m_grid)
        disconnect(m_grid, nullptr, this, nullptr);
    if (QLineEdit *box = m_box) {
        // A box being destroyed must not reach the key and focus handling.
        box->removeEventFilter(this);
        m_box = nullptr;
        m_watchedBox = nullptr;
        delete box;
    }
    m_grid = nullptr;
    m_editCell = QPersistentModelIndex();
}

void clsFlexGridEdit::setEditBoxBorderStyle(int style)
{
    m_borderStyle = style;
    if (m_box)
        m_box->setFrame(style == 1);
}

void clsFlexGridEdit::setTabKeyBehaviour(int behaviour)
{
    if (behaviour == 0 && m_tabBehaviour != 0)
        restoreTabStops();
    m_tabBehaviour = behaviour;
}

void clsFlexGridEdit::openBox(int code, Qt::KeyboardModifiers modifiers)
{
    const QModelIndex current = m_grid && m_box ? m_grid->currentIndex() : QModelIndex();
    if (IgnoreNextKey) {
        IgnoreNextKey = false;
    } else if (current.isValid()) {
        if (code < 0 || code > 32) {
            m_box->setText(code == '#' ? QString() : QString(QChar(char16_t(code))));
            m_box->end(false);
        } else {
            m_box->setText(current.data(Qt::EditRole).toString());
            m_box->selectAll();
        }
        m_editCell = current;
        placeBox();
        m_box->show();
        m_box->setFocus(Qt::OtherFocusReason);
        if (m_tabBehaviour != 0)
            captureTab();
    }
    if (modifiers & Qt::ShiftModifier)
        emit TextKeyDown(code == '#' ? 51 : code, 1, m_box);
    else
        emit TextKeyDown(0, 0, m_box);
}

void clsFlexGridEdit::placeBox()
{
    const QRect cell = m_grid->visualRect(m_editCell);
    const QPoint origin = m_grid->viewport()->mapTo(m_box->parentWidget(), cell.topLeft());
    m_box->setGeometry(QRect(origin, cell.size()));
}

void clsFlexGridEdit::followScroll()
{
    if (!m_box || !m_box->isVisible() || !m_editCell.isValid())
        return;
    const QRect cell = m_grid->visualRect(m_editCell);
    if (m_grid->viewport()->rect().intersects(cell))
        placeBox();
    else
        m_box->move(-m_box->width(), -m_box->height());
}

void clsFlexGridEdit::endEdit()
{
    if (!m_box || !m_box->isVisible())
        return;
    if (m_editCell.isValid())
        m_grid->model()->setData(m_editCell, m_box->text(), Qt::EditRole);
    m_box->hide();
}

void clsFlexGridEdit::behave(int code, Qt::KeyboardModifiers modifiers)
{
    m_moving = true;
    if (code == kBehaviourFocusGrid) {
        m_grid->setFocus(Qt::OtherFocusReason);
        // A grid on an inactive window gets no focus event; write all the same.
        endEdit();
    } else if (code >= kBehaviourRight && code <= kBehaviourUp) {
        const QAbstractItemModel *model = m_grid->model();
        // The grid's row 0 is its caption row.
        const GridShape shape{model->rowCount() + 1, model->columnCount(), 1, 0};
        const QModelIndex current = m_editCell.isValid() ? QModelIndex(m_editCell)
                                                         : m_grid->currentIndex();
        const auto next = BehaviourMove(code, {current.row() + 1, current.column()}, shape);
        if (next) {
            m_grid->model()->setData(current, m_box->text(), Qt::EditRole);
            m_grid->setCurrentCell(next->row - 1, next->column);
            openBox(0, modifiers);
        }
    }
    m_moving = false;
}

bool clsFlexGridEdit::boxKeyDown(QKeyEvent *event)
{
    if (m_box->x() < 0 || m_box->y() < 0)
        m_grid->scrollTo(m_editCell);
    switch (event->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        if (m_tabBehaviour == 0)
            return false; // Tab moves the focus as usual.
        behave(m_tabBehaviour, event->modifiers());
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter: behave(m_enterBehaviour, event->modifiers()); break;
    case Qt::Key_Escape:
        m_box->hide();
        m_grid->setFocus(Qt::OtherFocusReason);
        break;
    case Qt::Key_Up: behave(kBehaviourUp, event->modifiers()); break;
    case Qt::Key_Down: behave(kBehaviourDown, event->modifiers()); break;
    default:
        static_cast<QObject *>(m_box.data())->event(event);
        break;
    }
    emit TextKeyDown(virtualKeyCode(event->key()), shiftState(event->modifiers()), m_box);
    return true;
}

bool clsFlexGridEdit::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_watchedBox || !m_grid)
        return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress)
        return boxKeyDown(static_cast<QKeyEvent *>(event));
    if (event->type() == QEvent::FocusOut)
        restoreTabStops();
    return QObject::eventFilter(watched, event);
}

// Tab reaches the box instead of moving the focus: no control of the window
// takes the focus by Tab while the box edits.
void clsFlexGridEdit::captureTab()
{
    restoreTabStops();
    QWidget *window = gridWindow();
    if (!window)
        return;
    for (QWidget *control : window->findChildren<QWidget *>()) {
        if (control == m_box || !(control->focusPolicy() & Qt::TabFocus))
            continue;
        m_tabStops.append({control, control->focusPolicy()});
        control->setFocusPolicy(Qt::FocusPolicy(control->focusPolicy() & ~Qt::TabFocus));
    }
}

void clsFlexGridEdit::restoreTabStops()
{
    for (const TabStop &stop : std::as_const(m_tabStops)) {
        if (stop.control)
            stop.control->setFocusPolicy(stop.policy);
    }
    m_tabStops.clear();
}

} // namespace tarvello
