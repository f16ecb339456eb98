#include "startarea.h"

#include "commandicons.h"
#include "recentfilesmenu.h"
#include "platform/uitext.h"
#include "platform/documentkinds.h"
#include "shell/recentfiles.h"

#include <QAction>
#include <QCommandLinkButton>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFrame>
#include <QKeyEvent>
#include <QGridLayout>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>

namespace tarvello {

namespace {

QLabel *heading(const QString &text, qreal scale, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * scale);
    label->setFont(font);
    return label;
}

QIcon documentIcon(const QString &path)
{
    return iconFor(DocumentKindOf(toFilePath(path)) == DocumentKind::Army
                       ? CommandIcon::OpenArmy
                       : CommandIcon::OpenFigure);
}

} // namespace

StartArea::StartArea(QMdiArea *area, const QList<QAction *> &commands,
                     RecentFilesMenu *recentFiles)
    : QWidget(area->viewport())
    , m_area(area)
    , m_recentFiles(recentFiles)
{
    setObjectName(QStringLiteral("fraStart"));
    // A window smaller than the panel scrolls it rather than cutting it off.
    auto *scroll = new QScrollArea(this);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->viewport()->setAutoFillBackground(false);
    auto *content = new QWidget(scroll);
    scroll->setWidget(content);
    // setWidget fills the content's background; the area's own shows through.
    content->setAutoFillBackground(false);
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll);
    auto *layout = new QGridLayout(content);
    layout->addWidget(buildPanel(commands), 1, 1);
    layout->setRowStretch(0, 1);
    layout->setRowStretch(2, 2);
    layout->setColumnStretch(0, 1);
    layout->setColumnStretch(2, 1);
    setGeometry(area->viewport()->rect());
    area->viewport()->installEventFilter(this);
    connect(recentFiles, &RecentFilesMenu::changed, this, &StartArea::fillRecentFiles);
    connect(area, &QMdiArea::subWindowActivated, this, &StartArea::followChildren);
    fillRecentFiles();
    followChildren();
}

QWidget *StartArea::buildPanel(const QList<QAction *> &commands)
{
    auto *panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("fraStartPanel"));
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setBackgroundRole(QPalette::Base);
    panel->setAutoFillBackground(true);
    auto *column = new QVBoxLayout(panel);
    column->setContentsMargins(24, 20, 24, 20);
    column->addWidget(heading(tr("Start with a figure or an army"), 1.4, panel));

    auto *row = new QHBoxLayout;
    for (QAction *command : commands) {
        auto *button = new QToolButton(panel);
        button->setDefaultAction(command);
        button->setObjectName(QStringLiteral("btnStart_") + command->objectName());
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        button->setIconSize(QSize(40, 40));
        button->setAutoRaise(true);
        button->setMinimumWidth(112);
        button->installEventFilter(this);
        row->addWidget(button);
    }
    row->addStretch();
    column->addLayout(row);
    column->addSpacing(12);
    column->addWidget(heading(tr("Recent files"), 1.1, panel));
    m_noRecentFiles = new QLabel(tr("None yet: figures and armies you open or save appear here."),
                                 panel);
    m_noRecentFiles->setWordWrap(true);
    m_noRecentFiles->setEnabled(false);
    column->addWidget(m_noRecentFiles);
    m_recentList = new QVBoxLayout;
    m_recentList->setSpacing(0);
    column->addLayout(m_recentList);
    return panel;
}

void StartArea::fillRecentFiles()
{
    // The old buttons go later: the click that changed the list may still be
    // on its way out of one of them.
    while (QLayoutItem *item = m_recentList->takeAt(0)) {
        if (QWidget *old = item->widget()) {
            old->setObjectName(QString());
            old->hide();
            old->deleteLater();
        }
        delete item;
    }
    const QStringList files = m_recentFiles->files();
    m_noRecentFiles->setVisible(files.isEmpty());
    int number = 1;
    for (const QString &path : files) {
        const QString shown = QDir::toNativeSeparators(path);
        auto *entry = new QCommandLinkButton(QFileInfo(path).fileName(),
                                             QDir::toNativeSeparators(QFileInfo(path).absolutePath()),
                                             m_noRecentFiles->parentWidget());
        entry->setObjectName(QStringLiteral("btnRecent_%1").arg(number++));
        entry->setIcon(documentIcon(path));
        entry->setToolTip(shown);
        entry->setStatusTip(shown);
        connect(entry, &QCommandLinkButton::clicked, this, [this, path] { emit chosen(path); });
        QPalette focused = entry->palette();
        // A tint of the highlight over the panel's own colour, so that the
        // entry's text reads on a light and on a dark desktop alike.
        const QColor base = focused.color(QPalette::Base);
        const QColor mark = focused.color(QPalette::Highlight);
        focused.setColor(QPalette::Window, QColor::fromRgbF(base.redF() * 0.7f + mark.redF() * 0.3f,
                                                            base.greenF() * 0.7f + mark.greenF() * 0.3f,
                                                            base.blueF() * 0.7f + mark.blueF() * 0.3f));
        entry->setPalette(focused);
        entry->setBackgroundRole(QPalette::Window);
        entry->installEventFilter(this);
        m_recentList->addWidget(entry);
    }
}

void StartArea::followChildren()
{
    const bool empty = m_area->subWindowList().isEmpty();
    if (empty != isHidden())
        return;
    if (empty) {
        // Scrolling the area's windows may have moved it too.
        setGeometry(m_area->viewport()->rect());
        lower();
    }
    setVisible(empty);
}

bool StartArea::eventFilter(QObject *watched, QEvent *event)
{
    // Outside a dialog a button takes only Space; Enter on the focused
    // command or file is what a player reached it by the keyboard for.
    // An entry draws no focus frame in every style: the focused one is
    // filled, so the player sees which file Enter opens.
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
        if (auto *entry = qobject_cast<QCommandLinkButton *>(watched))
            entry->setAutoFillBackground(event->type() == QEvent::FocusIn);
    }
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        auto *button = qobject_cast<QAbstractButton *>(watched);
        if (button && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
            button->click();
            return true;
        }
    }
    if (watched == m_area->viewport()) {
        if (event->type() == QEvent::Resize)
            setGeometry(m_area->viewport()->rect());
        else if (event->type() == QEvent::ChildRemoved)
            // The area forgets the window after this event.
            QMetaObject::invokeMethod(this, &StartArea::followChildren, Qt::QueuedConnection);
    }
    return QWidget::eventFilter(watched, event);
}

void StartArea::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    fillRecentFiles();
}

} // namespace tarvello
