#include "frmmain.h"
#include "platform/failurebox.h"

#include "platform/appcontext.h"
#include "childplacement.h"
#include "platform/childwindow.h"
#
#include "frmreadme.h"
#include "recentfilesmenu.h"
#include "frmsplash.h"
#include "lookandlanguage.h"
#include "startarea.h"
#include "platform/idialogs.h"
#include "platform/modfunctions.h"
#include "platform/noticebar.h"
#include "platform/uitext.h"
#include "print/documentname.h"
#include "rules/modloaddata.h"
#include "app_version.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPrinter>
#include <QVBoxLayout>

#include <exception>

namespace tarvello {

namespace {


} // namespace

frmMain::frmMain(AppContext &context, QWidget *parent)
    : QMainWindow(parent)
    , m_context(context)
    , m_mdiArea(new QMdiArea(this))
    // The printer's own resolution: lines, text positions and pictures on
    // paper are placed as finely as the printer can, not at screen pixels.
    , m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution))
    , m_runModal([](QDialog &dialog) { dialog.exec(); })
{
    setObjectName(QStringLiteral("frmMain"));
    m_mdiArea->setObjectName(QStringLiteral("mdiArea"));
    m_mdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // The notices of the whole program stand above the windows.
    auto *central = new QWidget(this);
    auto *column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    m_tablesNotice = new NoticeBar(QStringLiteral("TablesChanged"),
                                   tr("&Refresh Resources"),
                                   QStringLiteral("btnRefreshResources"), central);
    column->addWidget(m_tablesNotice);
    column->addWidget(m_mdiArea, 1);
    setCentralWidget(central);
    setWindowTitle(QString::fromStdString(AppTitle()));
    m_context.printSetup = [this](const QString &documentName) { return PrintIt(documentName); };
    m_context.printer = m_printer.get();
    buildMenus();
    new LookMenus(findChild<QMenu *>(QStringLiteral("mnuHelp")), settingsFile(), *m_context.dialogs,
                  this);
    buildDesktop();
}

frmMain::~frmMain() = default;

void frmMain::startUp(QDialog *shownTitle)
{
    setWindowTitle(QString::fromStdString(AppTitle()));
    if (shownTitle) {
        m_aboutShowing = true;
        m_runModal(*shownTitle);
        m_aboutShowing = false;
    } else {
        showAbout();
    }
    loadTables();
    showMaximized();
}

bool frmMain::PrintIt(const QString &documentName)
{
    nameDocument(*m_printer, documentName);
    try {
        return m_context.dialogs->printerSetup(this, m_printer.get());
    } catch (const std::exception &) {
        // A setup dialog that fails is a setup the user did not confirm:
        // nothing is printed, and the print command says so by not printing.
        return false;
    }
}

QPrinter *frmMain::printer()
{
    return m_printer.get();
}

void frmMain::addChild(ChildWindow *child)
{
    QMdiSubWindow *window = m_mdiArea->addSubWindow(child);
    window->setAttribute(Qt::WA_DeleteOnClose);
    leaveCloseKeysToMain(window);
    keepChildInsideArea(window);
    m_startArea->followChildren();
    trackDocument(child);
    child->show();
    window->show();
    m_mdiArea->setActiveSubWindow(window);
}

// The main window's Ctrl+W closes the active child; the frame's own binding of
// the same key would make it ambiguous.
void frmMain::leaveCloseKeysToMain(QMdiSubWindow *window)
{
    const QList<QKeySequence> closeKeys = command(Command::CloseWindow)->shortcuts();
    for (QAction *action : window->systemMenu()->actions()) {
        QList<QKeySequence> keys = action->shortcuts();
        for (const QKeySequence &key : closeKeys)
            keys.removeAll(key);
        action->setShortcuts(keys);
    }
}

void frmMain::trackDocument(ChildWindow *child)
{
    connect(child, &ChildWindow::documentFileUsed, this, &frmMain::rememberFile,
            Qt::UniqueConnection);
    connect(child, &ChildWindow::documentSaved, this, &frmMain::confirmSave,
            Qt::UniqueConnection);
    connect(child, &ChildWindow::childWindowOpened, this, &frmMain::addChild,
            Qt::UniqueConnection);
    connect(child, &ChildWindow::figureFilesRewritten, this, &frmMain::tellFigureFilesChanged,
            Qt::UniqueConnection);
}

void frmMain::tellFigureFilesChanged(const QStringList &paths)
{
    for (QMdiSubWindow *window : m_mdiArea->subWindowList()) {
        auto *child = qobject_cast<ChildWindow *>(window->widget());
        if (child && child != sender())
            child->figureFilesChanged(paths);
    }
}

void frmMain::rememberFile(const QString &path)
{
    m_recentFiles->add(QFileInfo(path).absoluteFilePath());
}

void frmMain::setChildFactory(WindowForm form, const ChildFactory &factory)
{
    m_factories.insert(static_cast<int>(form), factory);
    const bool canCreate = static_cast<bool>(factory.create);
    if (form == WindowForm::Figure) {
        command(Command::NewFigure)->setEnabled(canCreate);
        command(Command::OpenFigure)->setEnabled(canCreate && factory.open);
    } else if (form == WindowForm::Army) {
        command(Command::NewArmy)->setEnabled(canCreate);
        command(Command::OpenArmy)->setEnabled(canCreate && factory.open);
        command(Command::OpenArmyPack)->setEnabled(canCreate && factory.openPath);
        command(Command::ImportArmyText)->setEnabled(canCreate && factory.importText);
    } else if (form == WindowForm::EditTable) {
        for (QAction *action : mnuResources->actions())
            action->setEnabled(canCreate && factory.openFile);
    }
}

void frmMain::setModalRunner(ModalRunner runner)
{
    m_runModal = std::move(runner);
}

ChildWindow *frmMain::activeChild() const
{
    QMdiSubWindow *window = m_mdiArea->activeSubWindow();
    return window ? qobject_cast<ChildWindow *>(window->widget()) : nullptr;
}

void frmMain::forward(Command command)
{
    ChildWindow *child = activeChild();
    if (!child || !child->takes().has(command))
        return;
    switch (command) {
    case Command::Save: child->Save(); break;
    case Command::SaveAs: child->SaveAs(); break;
    case Command::PrintIt: child->PrintIt(); break;
    case Command::Export: child->Export(); break;
    case Command::PrintPreview: printPreview(*child); break;
    case Command::PrintCards: child->printCards(); break;
    case Command::UpdateCosts: child->updateCosts(); break;
    case Command::ExportArmyPack: child->exportArmyPack(); break;
    default: break;
    }
}

// The active child's printout in the preview, drawn by the same routine that
// prints it; the preview can print it too.
void frmMain::printPreview(ChildWindow &child)
{
    const QPointer<ChildWindow> target(&child);
    nameDocument(*m_printer, child.documentName());
    m_context.dialogs->printPreview(this, m_printer.get(), [target](QPrinter *printer) {
        if (target && printer)
            target->renderPrintout(*printer);
    });
}

void frmMain::updateFileMenu()
{
    const ChildWindow *child = activeChild();
    const std::optional<CommandSet> taken =
        child ? std::optional<CommandSet>(child->takes()) : std::nullopt;
    for (const CommandRow &row : kCommandRows) {
        if (row.kind != RowKind::Item)
            continue;
        if (const std::optional<bool> enabled = ItemEnabling(row.command, taken))
            command(row.command)->setEnabled(*enabled);
    }
}

bool frmMain::loadTables()
{
    IDialogs *dialogs = m_context.dialogs;
    bool loaded = true;
    LoadAllTables(*m_context.tables, toFilePath(m_context.programFolder),
                            GetDecimalSeparator(),
                            [this, dialogs, &loaded](const Failure &failure) {
                                loaded = false;
                                showFailure(*dialogs, this, failure, IDialogs::Icon::None, BoxTitle::Plain);
                            });
    return loaded;
}

void frmMain::refreshResources()
{
    // A table that failed has said so in its own message.
    m_tablesNotice->hide();
    if (loadTables())
        confirm(tr("Rules tables reloaded"));
    for (QMdiSubWindow *window : m_mdiArea->subWindowList()) {
        if (auto *child = qobject_cast<ChildWindow *>(window->widget()))
            child->tablesReloaded();
    }
}

void frmMain::newChild(WindowForm form)
{
    const ChildFactory factory = m_factories.value(static_cast<int>(form));
    if (!factory.create)
        return;
    if (ChildWindow *child = factory.create())
        addChild(child);
}

void frmMain::openChild(WindowForm form, const QString &tablePath,
                        const QString &caption)
{
    const ChildFactory factory = m_factories.value(static_cast<int>(form));
    const bool table = !tablePath.isEmpty();
    if (!factory.create || !(table ? bool(factory.openFile) : bool(factory.open)))
        return;
    ChildWindow *child = factory.create();
    if (!child)
        return;
    if (table) {
        addChild(child);
        factory.openFile(child, tablePath, caption);
        return;
    }
    // The editor is shown whatever the outcome, also after a cancelled dialog.
    trackDocument(child);
    factory.open(child);
    if (child->openRefused()) {
        delete child;
        return;
    }
    addChild(child);
}

void frmMain::showAbout()
{
    if (m_aboutShowing)
        return;
    m_aboutShowing = true;
    frmSplash splash(this);
    m_runModal(splash);
    m_aboutShowing = false;
}

void frmMain::showReadme()
{
    // The readme opens as a normal window of its own size, even beside a
    // maximized child, which stays maximized.
    const bool keep = m_mdiArea->testOption(QMdiArea::DontMaximizeSubWindowOnActivation);
    m_mdiArea->setOption(QMdiArea::DontMaximizeSubWindowOnActivation, true);
    const bool opened = !m_readme;
    if (opened)
        m_readme = new frmReadme(m_context);
    QMdiSubWindow *window = qobject_cast<QMdiSubWindow *>(m_readme->parentWidget());
    if (!window) {
        window = m_mdiArea->addSubWindow(m_readme);
        window->setAttribute(Qt::WA_DeleteOnClose);
        leaveCloseKeysToMain(window);
        keepChildInsideArea(window);
        m_startArea->followChildren();
    }
    window->showNormal();
    m_readme->show();
    m_mdiArea->setActiveSubWindow(window);
    window->raise();
    m_mdiArea->setOption(QMdiArea::DontMaximizeSubWindowOnActivation, keep);
    if (opened)
        m_readme->open();
}

// Asks every child in window-list order; one refusal keeps them all open.
bool frmMain::approveCloseOfChildren()
{
    const QList<QMdiSubWindow *> windows = m_mdiArea->subWindowList(QMdiArea::CreationOrder);
    QList<ChildWindow *> children;
    for (QMdiSubWindow *window : windows) {
        if (auto *child = qobject_cast<ChildWindow *>(window->widget())) {
            if (!child->queryClose())
                return false;
            children.append(child);
        }
    }
    for (ChildWindow *child : std::as_const(children))
        child->setCloseApproved(true);
    m_mdiArea->closeAllSubWindows();
    return m_mdiArea->subWindowList().isEmpty();
}

void frmMain::closeEvent(QCloseEvent *event)
{
    if (approveCloseOfChildren())
        event->accept();
    else
        event->ignore();
}

} // namespace tarvello
