#include "stalecostbar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>

namespace tarvello {

StaleCostBar::StaleCostBar(QWidget *parent)
    : QFrame(parent)
    , m_text(new QLabel(this))
    , m_update(new QPushButton(QStringLiteral("&Update Cost"), this))
    , m_close(new QToolButton(this))
{
    setObjectName(QStringLiteral("fraStaleCost"));
    m_text->setObjectName(QStringLiteral("lblStaleCost"));
    m_update->setObjectName(QStringLiteral("btnUpdateCost"));
    m_close->setObjectName(QStringLiteral("btnCloseStaleCost"));
    m_close->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
    m_close->setToolTip(QStringLiteral("Close"));
    m_close->setAutoRaise(true);
    // A notice, not a control of the figure: it looks like the tool tips.
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::ToolTipBase);
    m_text->setForegroundRole(QPalette::ToolTipText);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 2, 2, 2);
    layout->addWidget(m_text, 1);
    layout->addWidget(m_update);
    layout->addWidget(m_close);
    connect(m_update, &QPushButton::clicked, this, &StaleCostBar::updateRequested);
    connect(m_close, &QToolButton::clicked, this, &QWidget::hide);
    hide();
}

void StaleCostBar::showHint(const QString &text)
{
    m_text->setText(text);
    setVisible(!text.isEmpty());
}

} // namespace tarvello
