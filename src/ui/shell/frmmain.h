#pragma once

#include "shell/commandtable.h"
#include "shell/windowform.h"

#include <QMainWindow>
#include <QHash>
#include <QPointer>

#include <array>
#include <functional>
#include <memory>

class QAction;
class QDialog;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QPrinter;

namespace tarvello {

struct AppContext;
class ChildWindow;
class CommandBar;
class NoticeBar;
class frmReadme;
class RecentFilesMenu;
class StartArea;

// The application's one top-level window: an MDI frame whose menus create the
// document windows and forward the File commands to the active one.
class frmMain : public QMainWindow
{
    Q_OBJECT

public:
    // How the File menu creates a document window of one form. create makes a
    // new, empty window; open fills a new figure or army editor from a file
    // the user chooses (OpenFigure, OpenArmy); openFile loads a rules table
    // into a new table editor (OpenFile with full path and caption).
    struct ChildFactory
    {
        std::function<ChildWindow *()> create;
        std::function<void(ChildWindow *)> open;
        std::function<void(ChildWindow *, const QString &path, const QString &caption)> openFile;
        // Fills a new figure or army editor from the file at path, as open
        // does after its dialog (command line, File, Open Recent).
        std::function<void(ChildWindow *, const QString &path)> openPath;
        // Fills a new army editor from a text the player gives (Import Army
        // from Text); false when he cancelled.
        std::function<bool(ChildWindow *)> importText;
    };

    // Runs a modal dialog; tests replace it so that nothing waits for a user.
    using ModalRunner = std::function<void(QDialog &)>;

    explicit frmMain(AppContext &context, QWidget *parent = nullptr);
    ~frmMain() override;

    // Caption, splash (modal), rules tables, then maximized. A title window
    // already shown (see showTitleWindow) is the splash waited for.
    void startUp(QDialog *shownTitle = nullptr);

    // The printer-setup dialog on the main window's printer; true when the
    // user confirmed it. Every print command calls it first.
    bool PrintIt(const QString &documentName = QString());
    QPrinter *printer();

    // Puts a document window into the MDI area and shows it.
    void addChild(ChildWindow *child);

    // Registers the creator of the document windows of form (figure, army,
    // table editor) and enables the menu items that need it.
    void setChildFactory(WindowForm form, const ChildFactory &factory);

    void setModalRunner(ModalRunner runner);

    // Opens a figure file (.tvf) in a new figure editor or an army file
    // (.tva) in a new army editor, unpacks an army pack (.tvz) as
    // openArmyPack does; any other file gets a message.
    void openDocument(const QString &path);
    RecentFilesMenu *recentFiles() const { return m_recentFiles; }

    QMdiArea *mdiArea() const { return m_mdiArea; }
    ChildWindow *activeChild() const;
    AppContext &context() { return m_context; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:

    // The menus from the command table (kCommandRows), each item's action
    // running its command.
    void buildMenus();
    QAction *addCommand(const CommandRow &row, QMenu *menu);
    void fillResourcesMenu();
    QAction *command(Command command) const { return m_commands[static_cast<std::size_t>(command)]; }
    void run(Command command);
    // The toolbar, the status line, the menu items' tips and the start area.
    void buildDesktop();
    // The user's settings file: the recent files, whether the toolbar shows.
    QString settingsFile() const;
    // A short confirmation in the status line.
    void confirm(const QString &text);
    // "Saved" and the file's name, after any document window's save.
    void confirmSave(const QString &path);
    // A saved rules table of the program folder, while windows calculate with
    // the tables as loaded, gets the bar that offers Refresh Resources.
    void noticeTableSaved(const QString &path);
    // Keeps Edit, Undo and Redo (menu and keys, also inside text boxes)
    // on the active child's history.
    void followHistory();
    void undoOrRedo(Command command);
    // Edit, Undo and Redo follow the active child's history.
    void updateEditMenu();

    // Sends command to the active child when it takes it.
    void forward(Command command);
    void printPreview(ChildWindow &child);
    // The items' enabling by the active child as their greying says (Save
    // As, Export, Print Cards); run when the File menu opens and whenever a
    // child is activated.
    void updateFileMenu();
    // Loads the rules tables; false when a table failed (and said so).
    bool loadTables();
    void refreshResources();
    void newChild(WindowForm form);
    // A new window of form opening a document: a figure or army the user
    // chooses, or (with a path) the rules table at path, with its caption.
    void openChild(WindowForm form, const QString &tablePath = QString(),
                   const QString &caption = QString());
    void openRecent(const QString &path);
    // Unpacks the army pack at path (empty: one the player chooses) into a
    // new folder beside the figures folder and opens its army; the status
    // line says where it went.
    void openArmyPack(const QString &path = QString());
    // A new army editor of the army a text names (Import Army from Text).
    void importArmyText();
    // Files a document window opens or saves go to File, Open Recent.
    void trackDocument(ChildWindow *child);
    void leaveCloseKeysToMain(QMdiSubWindow *window);
    void rememberFile(const QString &path);
    // Tells the other windows that one rewrote these figure files.
    void tellFigureFilesChanged(const QStringList &paths);
    void showAbout();
    void showReadme();
    void fillWindowMenu();
    bool approveCloseOfChildren();

    AppContext &m_context;
    QMdiArea *m_mdiArea;
    std::unique_ptr<QPrinter> m_printer;
    QHash<int, ChildFactory> m_factories;
    ModalRunner m_runModal;
    QPointer<frmReadme> m_readme;
    bool m_aboutShowing = false;
    RecentFilesMenu *m_recentFiles = nullptr;
    CommandBar *m_commandBar = nullptr;
    StartArea *m_startArea = nullptr;
    NoticeBar *m_tablesNotice = nullptr;

    // The action of each command, built from the command table.
    std::array<QAction *, kCommandCount> m_commands{};
    QMenu *mnuFile = nullptr;
    QMenu *mnuResources = nullptr;
    QMenu *mnuEdit = nullptr;
    QMenu *mnuWindow = nullptr;
};

} // namespace tarvello
