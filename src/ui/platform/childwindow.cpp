#include "childwindow.h"

#include <QCloseEvent>

namespace tarvello {

QString FormObjectName(WindowForm form)
{
    const std::string_view name = FormName(form);
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

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
