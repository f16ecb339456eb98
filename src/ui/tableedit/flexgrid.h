#pragma once

#include <QKeyEvent>
#include <QTableView>

#include <functional>

namespace tarvello {

// A grid of text cells with one fixed header row (the view's header) and no
// fixed column, which does not edit its cells itself. Its owner decides per
// key whether the grid acts on it; characters typed on it are reported to
// the cell editor instead.
class FlexGrid : public QTableView
{
    Q_OBJECT

public:
    explicit FlexGrid(QWidget *parent = nullptr);

    // Decides, for a key going down, whether the grid acts on it as usual
    // (true) or the key is discarded (false).
    using KeyDownHandler = std::function<bool(int key, Qt::KeyboardModifiers modifiers)>;
    void setKeyDownHandler(KeyDownHandler handler) { m_keyDown = std::move(handler); }

    // Makes the cell at (row, column) current, alone selected, and in view.
    void setCurrentCell(int row, int column);

    // The data rows of the selection (the current cell's row when nothing is
    // selected), and the end of the selection that is not the current cell.
    int selectionTop() const;
    int selectionBottom() const;
    int selectionRow() const;

    // The character code a key gives, as the keyboard would type it (Ctrl
    // with a letter gives the control characters 1 to 26); -1 for none.
    static int characterCode(const QKeyEvent *event);

signals:
    void characterTyped(int code, Qt::KeyboardModifiers modifiers);
    void cellDoubleClicked(Qt::KeyboardModifiers modifiers);
    void focusEntered();
    // The current cell is about to become another one; previous is the cell
    // being left.
    void cellLeaving(const QModelIndex &previous);
    void scrolled();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    KeyDownHandler m_keyDown;
};

} // namespace tarvello
