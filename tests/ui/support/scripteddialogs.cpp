#include "scripteddialogs.h"

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
                                          const QString &text, Buttons buttons, Icon icon)
{
    Call call;
    call.kind = Kind::Message;
    call.parent = parent;
    call.title = title;
    call.text = text;
    call.buttons = buttons;
    call.icon = icon;
    record(call);
    return Next(messageAnswers, SafeAnswer(buttons));
}

std::optional<QString> ScriptedDialogs::openFile(QWidget *parent, const QString &filter,
                                                 const QString &startFolder)
{
    Call call;
    call.kind = Kind::OpenFile;
    call.parent = parent;
    call.filter = filter;
    call.startFolder = startFolder;
    record(call);
    return Next(openFileAnswers, std::optional<QString>());
}

std::optional<QString> ScriptedDialogs::saveFile(QWidget *parent, const QString &filter,
                                                 const QString &startFolder,
                                                 const QString &proposedName, bool confirmOverwrite)
{
    Call call;
    call.kind = Kind::SaveFile;
    call.parent = parent;
    call.filter = filter;
    call.startFolder = startFolder;
    call.proposedName = proposedName;
    call.confirmOverwrite = confirmOverwrite;
    record(call);
    return Next(saveFileAnswers, std::optional<QString>());
}

std::optional<QString> ScriptedDialogs::folder(QWidget *parent, const QString &title,
                                               const QString &startFolder)
{
    Call call;
    call.kind = Kind::Folder;
    call.parent = parent;
    call.title = title;
    call.startFolder = startFolder;
    record(call);
    return Next(folderAnswers, std::optional<QString>());
}

std::optional<QFont> ScriptedDialogs::font(QWidget *parent, const QFont &initial)
{
    Call call;
    call.kind = Kind::Font;
    call.parent = parent;
    call.initialFont = initial;
    record(call);
    return Next(fontAnswers, std::optional<QFont>());
}

bool ScriptedDialogs::printerSetup(QWidget *parent, QPrinter *printer)
{
    Call call;
    call.kind = Kind::PrinterSetup;
    call.parent = parent;
    call.printer = printer;
    record(call);
    return Next(printerSetupAnswers, false);
}

void ScriptedDialogs::printPreview(QWidget *parent, QPrinter *printer,
                                   std::function<void(QPrinter *)> render)
{
    Call call;
    call.kind = Kind::PrintPreview;
    call.parent = parent;
    call.printer = printer;
    record(call);
    if (render && printer)
        render(printer);
}

std::optional<IDialogs::CardSheetChoice>
ScriptedDialogs::cardSheet(QWidget *parent, const CardSheetQuestion &question)
{
    Call call;
    call.kind = Kind::CardSheet;
    call.parent = parent;
    call.sheet = question;
    record(call);
    return Next(cardSheetAnswers, std::optional<CardSheetChoice>());
}

std::optional<IDialogs::ChecklistAnswer> ScriptedDialogs::checklist(QWidget *parent,
                                                                  const QString &title,
                                                                  const QString &text,
                                                                  const QStringList &lines,
                                                                  const QString &option)
{
    Call call;
    call.kind = Kind::Checklist;
    call.parent = parent;
    call.title = title;
    call.text = text;
    call.lines = lines;
    call.proposedName = option;
    record(call);
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
