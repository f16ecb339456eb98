#pragma once

#include <QLineEdit>
#include <QList>
#include <QObject>
#include <QPersistentModelIndex>
#include <QPointer>

#include "flexgrid.h"

class QWidget;

namespace tarvello {

// In-place editing for a FlexGrid: typing on the grid or double-clicking a
// cell opens an editing box over the current cell; leaving the cell or
// returning to the grid writes the box's text into the cell, Escape cancels.
// Enter, Tab and the Up and Down arrows move on by behaviour codes: 0 back
// to the grid, 1 right, 2 down, 3 up (wrapping around the grid).
class clsFlexGridEdit : public QObject
{
    Q_OBJECT
    Q_PROPERTY(FlexGrid *FlexGridControl READ flexGridControl WRITE setFlexGridControl)
    Q_PROPERTY(int EditBoxBorderStyle READ editBoxBorderStyle WRITE setEditBoxBorderStyle)
    Q_PROPERTY(int EnterKeyBehaviour READ enterKeyBehaviour WRITE setEnterKeyBehaviour)
    Q_PROPERTY(int TabKeyBehaviour READ tabKeyBehaviour WRITE setTabKeyBehaviour)
    Q_PROPERTY(bool IgnoreNextKey MEMBER IgnoreNextKey)

public:
    explicit clsFlexGridEdit(QObject *parent = nullptr);
    ~clsFlexGridEdit() override;

    // Attaches to grid (detaching from the one before): creates the editing
    // box "tbFgEdit1" in the grid's container, with one more "1" for every
    // box of that name already on the grid's window.
    void setFlexGridControl(FlexGrid *grid);
    FlexGrid *flexGridControl() const { return m_grid; }

    // 0 no border, 1 single line.
    void setEditBoxBorderStyle(int style);
    int editBoxBorderStyle() const { return m_borderStyle; }
    void setEnterKeyBehaviour(int behaviour) { m_enterBehaviour = behaviour; }
    int enterKeyBehaviour() const { return m_enterBehaviour; }
    // 0 leaves Tab to move the focus.
    void setTabKeyBehaviour(int behaviour);
    int tabKeyBehaviour() const { return m_tabBehaviour; }
    // When set, the next character typed on the grid is discarded.
    bool IgnoreNextKey = false;

    QLineEdit *editBox() const { return m_box; }

signals:
    // Every key going down in the box (after it is handled), and every run of
    // the box's opening (key code 0, or with Shift down shift state 1 and the
    // character code, "#" as 51).
    void TextKeyDown(int keyCode, int shift, QLineEdit *box);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void detach();
    void createBox();
    void openBox(int code, Qt::KeyboardModifiers modifiers);
    void placeBox();
    void followScroll();
    void endEdit();
    void behave(int code, Qt::KeyboardModifiers modifiers);
    bool boxKeyDown(QKeyEvent *event);
    void captureTab();
    void restoreTabStops();
    QWidget *gridWindow() const;

    struct TabStop
    {
        QPointer<QWidget> control;
        Qt::FocusPolicy policy;
    };

    QPointer<FlexGrid> m_grid;
    QPointer<QLineEdit> m_box;
    // The box as its events name it, also while it is being destroyed.
    const QObject *m_watchedBox = nullptr;
    QString m_boxName;
    QPersistentModelIndex m_editCell;
    QList<TabStop> m_tabStops;
    int m_borderStyle = 0;
    int m_enterBehaviour = 0;
    int m_tabBehaviour = 0;
    bool m_moving = false;
};

} // namespace tarvello
