#pragma once

#include <QFont>
#include <QList>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <optional>

class QWidget;
class QPrinter;

namespace tarvello {

// Every modal interaction of the windows goes through this interface: the Qt
// implementation shows real dialogs, tests script the answers.
class IDialogs
{
public:
    enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
    enum class Icon { None, Information, Question, Exclamation, Critical };
    enum class Answer { Ok, Cancel, Yes, No };

    // What a checklist dialog answered: the positions of the checked lines
    // and the state of its one option.
    struct ChecklistAnswer
    {
        QList<int> checked;
        bool option = false;
    };

    virtual ~IDialogs() = default;

    // A message box; returns the button pressed (closing it counts as Cancel,
    // or as Ok for a box with only Ok). informative, when not empty, is shown
    // under text (which document a question is about).
    virtual Answer message(QWidget *parent, const QString &title, const QString &text,
                           Buttons buttons, Icon icon,
                           const QString &informative = QString()) = 0;

    // File dialogs. filter uses the "Name (*.ext)|*.ext|..." form of the
    // program's texts; the result is the chosen full path, nullopt when
    // cancelled.
    virtual std::optional<QString> openFile(QWidget *parent, const QString &filter,
                                            const QString &startFolder) = 0;
    virtual std::optional<QString> saveFile(QWidget *parent, const QString &filter,
                                            const QString &startFolder,
                                            const QString &proposedName,
                                            bool confirmOverwrite) = 0;

    // Folder and font choice; nullopt when cancelled.
    virtual std::optional<QString> folder(QWidget *parent, const QString &title,
                                          const QString &startFolder) = 0;
    virtual std::optional<QFont> font(QWidget *parent, const QFont &initial) = 0;

    // The printer-setup dialog for printer; true when confirmed (the choice
    // is then applied to printer).
    virtual bool printerSetup(QWidget *parent, QPrinter *printer) = 0;

    // The print preview of printer's pages: render draws them onto the
    // printer it is given (the preview's, or the printer chosen when the user
    // prints from the preview). Returns when the preview is closed.
    virtual void printPreview(QWidget *parent, QPrinter *printer,
                              std::function<void(QPrinter *)> render) = 0;

    // "Print Cards": what a card sheet would hold. An army offers one card
    // per line (lineCards), per unit (unitCards) or per figure (figureCards),
    // and roster pages first when rosterPages is above 0; a single figure
    // offers a number of copies instead (forArmy false). countText tells,
    // for a number of cards, the cards and pages they make.
    struct CardSheetQuestion
    {
        bool forArmy = false;
        std::int64_t lineCards = 0;
        std::int64_t unitCards = 0;
        std::int64_t figureCards = 0;
        int rosterPages = 0;
        int perPage = 0;
        std::function<QString(std::int64_t cards)> countText;
        // The roster pages with the points bar on the first (0: no bar).
        int rosterBarPages = 0;
    };
    // The choice: one card per unit or per figure and the roster first
    // (army), the copies (figure) and whether to preview instead of printing.
    struct CardSheetChoice
    {
        bool perUnit = false;
        int copies = 1;
        bool preview = false;
        bool perFigure = false;
        bool roster = false;
        // The army's points bar on the roster's first page.
        bool rosterBar = false;
        // "Save as Images...": the cards as PNG files (and, with deck, deck
        // sheets) in a folder instead of printing.
        bool saveImages = false;
        bool deck = false;
    };
    // The card sheet dialog; nullopt when cancelled (also by dialogs that
    // never show it).
    virtual std::optional<CardSheetChoice> cardSheet(QWidget *parent,
                                                     const CardSheetQuestion &question)
    {
        Q_UNUSED(parent)
        Q_UNUSED(question)
        return std::nullopt;
    }
    // "Import Army from Text": what the dialog shows for a text and a folder
    // of figures (preview runs after every change of either): a line saying
    // how many units were matched, the lines that gave none with their
    // reasons, and whether OK can bring the army in.
    struct ArmyTextPreview
    {
        QString summary;
        QStringList refused;
        bool canImport = false;
    };
    struct ArmyTextQuestion
    {
        QString text;
        QString folder;
        std::function<ArmyTextPreview(const QString &text, const QString &folder)> preview;
    };
    // The text and the folder of figures when OK was pressed.
    struct ArmyTextChoice
    {
        QString text;
        QString folder;
    };
    // The import dialog; nullopt when cancelled (also by dialogs that never
    // show it).
    virtual std::optional<ArmyTextChoice> armyText(QWidget *parent,
                                                   const ArmyTextQuestion &question)
    {
        Q_UNUSED(parent)
        Q_UNUSED(question)
        return std::nullopt;
    }
    // A list of lines with check boxes (those at the positions ticked checked
    // at first) and one option check box (off at first) under text; nullopt
    // when cancelled (also by dialogs that never show it).
    virtual std::optional<ChecklistAnswer> checklist(QWidget *parent, const QString &title,
                                                     const QString &text,
                                                     const QStringList &lines,
                                                     const QList<int> &ticked,
                                                     const QString &option)
    {
        Q_UNUSED(parent)
        Q_UNUSED(title)
        Q_UNUSED(text)
        Q_UNUSED(lines)
        Q_UNUSED(ticked)
        Q_UNUSED(option)
        return std::nullopt;
    }
};

} // namespace tarvello
