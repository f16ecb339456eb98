#include "childwindow.h"

#include <QCloseEvent>

namespace tarvello {

ChildWindow::ChildWindow(QWidget *parent)
    : QWidget(parent)
{}

void ChildWindow::closeEvent(QCloseEvent *event)
{
    if (m_closeApproved || QueryClose()) {
        event->accept();
    } else {
        event->ignore();
    }
    m_closeApproved = false;
}

} // namespace tarvello
