#pragma once

#include "idialogs.h"

#include <functional>
#include <optional>
#include <utility>

namespace tarvello {

// The dialogs as the user sees them: Qt message boxes and file, folder, font
// and printer dialogs.
class QtDialogs : public IDialogs
{
public:
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
    void printPreview(QWidget *parent, QPrinter *printer,
                      std::function<void(QPrinter *)> render) override;
    std::optional<CardSheetChoice> cardSheet(QWidget *parent,
                                             const CardSheetQuestion &question) override;
    std::optional<ChecklistAnswer> checklist(QWidget *parent, const QString &title,
                                             const QString &text, const QStringList &lines,
                                             const QList<int> &ticked,
                                             const QString &option) override;

    // The card sheet dialog cardSheet shows; the cards supply it (until then
    // cardSheet answers nullopt, as when cancelled).
    using CardSheetDialogFn = std::function<std::optional<CardSheetChoice>(
        QWidget *parent, const CardSheetQuestion &question)>;
    void setCardSheetDialog(CardSheetDialogFn show) { m_cardSheet = std::move(show); }

private:
    CardSheetDialogFn m_cardSheet;
};

// Turns a "Name (*.ext)|*.ext|All files (*.*)|*.*" filter into Qt's
// "Name (*.ext);;All files (*)" form. Patterns separated by ";" become
// blank-separated, and "*.*" becomes "*" so that names without an extension
// are listed too.
QString toQtFileFilter(const QString &filter);

} // namespace tarvello
