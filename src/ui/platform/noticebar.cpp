#include "noticebar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>

namespace tarvello {

NoticeBar::NoticeBar(const QString &name, const QString &buttonCaption,
                     const QString &buttonName, QWidget *parent)
    : QFrame(parent)
    , m_text(new QLabel(this))
    , m_button(new QPushButton(buttonCaption, this))
    , m_close(new QToolButton(this))
{
    setObjectName(QStringLiteral("fra") + name);
    m_text->setObjectName(QStringLiteral("lbl") + name);
    m_button->setObjectName(buttonName);
    m_close->setObjectName(QStringLiteral("btnClose") + name);
    m_close->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
    m_close->setToolTip(tr("Close"));
    m_close->setAutoRaise(true);
    // A notice, not a control of the window: it looks like the tool tips.
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::ToolTipBase);
    m_text->setForegroundRole(QPalette::ToolTipText);
    m_text->setWordWrap(true);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 2, 2, 2);
    layout->addWidget(m_text, 1);
    layout->addWidget(m_button);
    layout->addWidget(m_close);
    connect(m_button, &QPushButton::clicked, this, &NoticeBar::buttonPressed);
    connect(m_close, &QToolButton::clicked, this, &QWidget::hide);
    hide();
}

void NoticeBar::showHint(const QString &text)
{
    m_text->setText(text);
    setVisible(!text.isEmpty());
}

} // namespace tarvello
