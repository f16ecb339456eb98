#include "scripteddialogs.h"

#include <QPrinter>

namespace tarvello {

namespace {

template<typename T>
T Next(QQueue<T> &queue, const T &fallback)
{
    return queue.isEmpty() ? fallback : queue.dequeue();
}

IDialogs::Answer SafeAnswer(IDialogs::Buttons buttons)
{
    switch (buttons) {
    case IDialogs::Buttons::Ok: return IDialogs::Answer::Ok;
    case IDialogs::Buttons::YesNo: return IDialogs::Answer::No;
    case IDialogs::Buttons::OkCancel:
    case IDialogs::Buttons::YesNoCancel: break;
    }
    return IDialogs::Answer::Cancel;
}

} // namespace

void ScriptedDialogs::record(const Call &call)
{
    calls.append(call);
    if (onCall)
        onCall(call);
}

IDialogs::Answer ScriptedDialogs::message(QWidget *parent, const QString &title,
                                          const QString &text, Buttons buttons, Icon icon,
                                          const QString &informative)
{
    record({.kind = Kind::Message, .parent = parent, .title = title, .text = text,
            .informative = informative, .buttons = buttons, .icon = icon});
    return Next(messageAnswers, SafeAnswer(buttons));
}

std::optional<QString> ScriptedDialogs::openFile(QWidget *parent, const QString &filter,
                                                 const QString &startFolder)
{
    record({.kind = Kind::OpenFile, .parent = parent, .filter = filter, .startFolder = startFolder});
    return Next(openFileAnswers, std::optional<QString>());
}

std::optional<QString> ScriptedDialogs::saveFile(QWidget *parent, const QString &filter,
                                                 const QString &startFolder,
                                                 const QString &proposedName, bool confirmOverwrite)
{
    record({.kind = Kind::SaveFile, .parent = parent, .filter = filter, .startFolder = startFolder,
            .proposedName = proposedName, .confirmOverwrite = confirmOverwrite});
    return Next(saveFileAnswers, std::optional<QString>());
}

std::optional<QString> ScriptedDialogs::folder(QWidget *parent, const QString &title,
                                               const QString &startFolder)
{
    record({.kind = Kind::Folder, .parent = parent, .title = title, .startFolder = startFolder});
    return Next(folderAnswers, std::optional<QString>());
}

std::optional<QFont> ScriptedDialogs::font(QWidget *parent, const QFont &initial)
{
    record({.kind = Kind::Font, .parent = parent, .initialFont = initial});
    return Next(fontAnswers, std::optional<QFont>());
}

void ScriptedDialogs::pickPrintFile(QPrinter *printer) const
{
    if (printer && !printToFile.isEmpty()) {
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(printToFile);
    }
}

bool ScriptedDialogs::printerSetup(QWidget *parent, QPrinter *printer)
{
    record({.kind = Kind::PrinterSetup, .parent = parent, .printer = printer});
    pickPrintFile(printer);
    return Next(printerSetupAnswers, false);
}

void ScriptedDialogs::printPreview(QWidget *parent, QPrinter *printer,
                                   std::function<void(QPrinter *)> render)
{
    record({.kind = Kind::PrintPreview, .parent = parent, .printer = printer});
    // The test sees the preview's pages in the file it names.
    pickPrintFile(printer);
    if (render && printer)
        render(printer);
}

std::optional<IDialogs::CardSheetChoice>
ScriptedDialogs::cardSheet(QWidget *parent, const CardSheetQuestion &question)
{
    record({.kind = Kind::CardSheet, .parent = parent, .sheet = question});
    return Next(cardSheetAnswers, std::optional<CardSheetChoice>());
}

std::optional<IDialogs::ArmyTextChoice>
ScriptedDialogs::armyText(QWidget *parent, const ArmyTextQuestion &question)
{
    record({.kind = Kind::ArmyText, .parent = parent, .armyText = question});
    return Next(armyTextAnswers, std::optional<ArmyTextChoice>());
}

std::optional<IDialogs::ChecklistAnswer>
ScriptedDialogs::checklist(QWidget *parent, const QString &title, const QString &text,
                           const QStringList &lines, const QList<int> &ticked,
                           const QString &option)
{
    record({.kind = Kind::Checklist, .parent = parent, .title = title, .text = text,
            .proposedName = option, .lines = lines, .ticked = ticked});
    return Next(checklistAnswers, std::optional<ChecklistAnswer>());
}

QList<ScriptedDialogs::Call> ScriptedDialogs::callsOf(Kind kind) const
{
    QList<Call> result;
    for (const Call &call : calls) {
        if (call.kind == kind)
            result.append(call);
    }
    return result;
}

int ScriptedDialogs::count(Kind kind) const
{
    return static_cast<int>(callsOf(kind).size());
}

QStringList ScriptedDialogs::messageTexts() const
{
    QStringList texts;
    for (const Call &call : calls) {
        if (call.kind == Kind::Message)
            texts.append(call.text);
    }
    return texts;
}

} // namespace tarvello
