#pragma once

#include "platform/idialogs.h"

#include <QFont>
#include <QList>
#include <QQueue>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace tarvello {

// An IDialogs for window tests: records every call and answers from queues
// filled by the test, so that no dialog ever waits for a user.
//
//     ScriptedDialogs dialogs;
//     dialogs.messageAnswers.enqueue(IDialogs::Answer::Yes);
//     dialogs.saveFileAnswers.enqueue(QStringLiteral("/tmp/x.tvf"));
//     ... run the window ...
//     QCOMPARE(dialogs.count(ScriptedDialogs::Kind::Message), 1);
//     QCOMPARE(dialogs.calls.at(0).title, QStringLiteral("Tarvello 1.0.0"));
//
// With its queue empty, a call gives the answer that changes nothing:
// message boxes Ok for an Ok-only box, No for Yes/No, otherwise Cancel; file,
// folder, font, card sheet, checklist and import dialogs nullopt (cancelled); printer setup false. A print
// preview renders into its printer and then counts as closed.
class ScriptedDialogs : public IDialogs
{
public:
    enum class Kind { Message, OpenFile, SaveFile, Folder, Font, PrinterSetup, PrintPreview, CardSheet,
                      Checklist, ArmyText };

    // One recorded call; fields a kind does not use stay empty.
    struct Call
    {
        Kind kind = Kind::Message;
        QWidget *parent = nullptr;
        QString title;              // message, folder
        QString text;               // message
        QString informative;        // message
        Buttons buttons = Buttons::Ok;
        Icon icon = Icon::None;
        QString filter;             // open and save file
        QString startFolder;        // open and save file, folder
        QString proposedName;       // save file
        bool confirmOverwrite = false;
        QFont initialFont;          // font
        QPrinter *printer = nullptr; // printer setup, print preview
        CardSheetQuestion sheet;    // card sheet
        QStringList lines;          // checklist (its option in proposedName)
        QList<int> ticked;          // checklist
        ArmyTextQuestion armyText;  // import from text
    };

    QList<Call> calls;

    QQueue<Answer> messageAnswers;
    QQueue<std::optional<QString>> openFileAnswers;
    QQueue<std::optional<QString>> saveFileAnswers;
    QQueue<std::optional<QString>> folderAnswers;
    QQueue<std::optional<QFont>> fontAnswers;
    QQueue<bool> printerSetupAnswers;
    // The file the player picks in the printer setup ("Print to File (PDF)"),
    // none when empty.
    QString printToFile;
    QQueue<std::optional<CardSheetChoice>> cardSheetAnswers;
    QQueue<std::optional<ChecklistAnswer>> checklistAnswers;
    QQueue<std::optional<ArmyTextChoice>> armyTextAnswers;

    // Runs on every call after it is recorded and before it answers, e.g. to
    // look at the windows while "the dialog is open".
    std::function<void(const Call &)> onCall;

    Answer message(QWidget *parent, const QString &title, const QString &text,
                   Buttons buttons, Icon icon, const QString &informative = QString()) override;
    std::optional<QString> openFile(QWidget *parent, const QString &filter,
                                    const QString &startFolder) override;
    std::optional<QString> saveFile(QWidget *parent, const QString &filter,
                                    const QString &startFolder, const QString &proposedName,
                                    bool confirmOverwrite) override;
    std::optional<QString> folder(QWidget *parent, const QString &title,
                                  const QString &startFolder) override;
    std::optional<QFont> font(QWidget *parent, const QFont &initial) override;
    bool printerSetup(QWidget *parent, QPrinter *printer) override;
    // Puts printToFile on the printer, as the player's choice would.
    void pickPrintFile(QPrinter *printer) const;
    // Renders into the given printer at once, as the preview would.
    void printPreview(QWidget *parent, QPrinter *printer,
                      std::function<void(QPrinter *)> render) override;
    std::optional<CardSheetChoice> cardSheet(QWidget *parent,
                                             const CardSheetQuestion &question) override;
    std::optional<ArmyTextChoice> armyText(QWidget *parent,
                                           const ArmyTextQuestion &question) override;
    std::optional<ChecklistAnswer> checklist(QWidget *parent, const QString &title,
                                             const QString &text, const QStringList &lines,
                                             const QList<int> &ticked,
                                             const QString &option) override;

    // The recorded calls of one kind, in call order.
    QList<Call> callsOf(Kind kind) const;
    int count(Kind kind) const;
    // The texts of the message boxes shown, in order.
    QStringList messageTexts() const;
    // Forgets the recorded calls (the answer queues stay).
    void clearCalls() { calls.clear(); }

private:
    void record(const Call &call);
};

} // namespace tarvello
