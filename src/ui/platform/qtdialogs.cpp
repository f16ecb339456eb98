#include "qtdialogs.h"

#include "platform/importarmydialog.h"
#include "platform/uitext.h"

#include <QFileDialog>
#include <QFontDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace tarvello {

namespace {

QString qtPatterns(const QString &pattern)
{
    QStringList parts = pattern.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (QString &p : parts) {
        p = p.trimmed();
        if (p == QLatin1String("*.*"))
            p = QStringLiteral("*");
    }
    return parts.join(QLatin1Char(' '));
}

QMessageBox::Icon qtIcon(IDialogs::Icon icon)
{
    switch (icon) {
    case IDialogs::Icon::Information: return QMessageBox::Information;
    case IDialogs::Icon::Question: return QMessageBox::Question;
    case IDialogs::Icon::Exclamation: return QMessageBox::Warning;
    case IDialogs::Icon::Critical: return QMessageBox::Critical;
    case IDialogs::Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons qtButtons(IDialogs::Buttons buttons)
{
    switch (buttons) {
    case IDialogs::Buttons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case IDialogs::Buttons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case IDialogs::Buttons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case IDialogs::Buttons::Ok: break;
    }
    return QMessageBox::Ok;
}

std::optional<QString> runFileDialog(QFileDialog &dialog)
{
    // Every file dialog of the editors is their common dialog dlgFile.
    dialog.setObjectName(QStringLiteral("dlgFile"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

} // namespace

QString toQtFileFilter(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList result;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        // The documents' own filters are marked texts of the core.
        QString name = coreText(parts.at(i).trimmed().toStdString());
        const QString pattern = parts.at(i + 1).trimmed();
        // A name that already shows its pattern in parentheses keeps its
        // wording; Qt reads the patterns from those parentheses. The name
        // may show several patterns apart by ";" or by blanks.
        const QString shown = QLatin1Char('(') + pattern + QLatin1Char(')');
        const QString qtShown = QLatin1Char('(') + qtPatterns(pattern) + QLatin1Char(')');
        if (name.endsWith(shown))
            name.chop(shown.size());
        else if (name.endsWith(qtShown))
            name.chop(qtShown.size());
        result.append(name.trimmed() + QLatin1String(" ") + qtShown);
    }
    return result.join(QLatin1String(";;"));
}

IDialogs::Answer QtDialogs::message(QWidget *parent, const QString &title, const QString &text,
                                    Buttons buttons, Icon icon, const QString &informative)
{
    QMessageBox box(qtIcon(icon), title, text, qtButtons(buttons), parent);
    box.setInformativeText(informative);
    if (buttons == Buttons::Ok)
        box.setEscapeButton(QMessageBox::Ok);
    else if (buttons != Buttons::YesNo)
        box.setEscapeButton(QMessageBox::Cancel);
    box.exec();
    switch (box.standardButton(box.clickedButton())) {
    case QMessageBox::Ok: return Answer::Ok;
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: break;
    }
    return buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
}

std::optional<QString> QtDialogs::openFile(QWidget *parent, const QString &filter,
                                           const QString &startFolder)
{
    QFileDialog dialog(parent, QString(), startFolder, toQtFileFilter(filter));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return runFileDialog(dialog);
}

std::optional<QString> QtDialogs::saveFile(QWidget *parent, const QString &filter,
                                           const QString &startFolder,
                                           const QString &proposedName, bool confirmOverwrite)
{
    QFileDialog dialog(parent, QString(), startFolder, toQtFileFilter(filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !confirmOverwrite);
    if (!proposedName.isEmpty())
        dialog.selectFile(proposedName);
    return runFileDialog(dialog);
}

std::optional<QString> QtDialogs::folder(QWidget *parent, const QString &title,
                                         const QString &startFolder)
{
    const QString chosen = QFileDialog::getExistingDirectory(parent, title, startFolder);
    if (chosen.isEmpty())
        return std::nullopt;
    return chosen;
}

std::optional<QFont> QtDialogs::font(QWidget *parent, const QFont &initial)
{
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, initial, parent);
    if (!ok)
        return std::nullopt;
    return chosen;
}

bool QtDialogs::printerSetup(QWidget *parent, QPrinter *printer)
{
    if (!printer)
        return false;
    // The setup form: printer, paper and orientation, no print range.
    QPrintDialog dialog(printer, parent);
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize
                      | QAbstractPrintDialog::PrintCollateCopies);
    return dialog.exec() == QDialog::Accepted;
}

void QtDialogs::printPreview(QWidget *parent, QPrinter *printer,
                             std::function<void(QPrinter *)> render)
{
    if (!printer || !render)
        return;
    QPrintPreviewDialog dialog(printer, parent);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&render](QPrinter *target) { render(target); });
    dialog.exec();
}

std::optional<IDialogs::CardSheetChoice> QtDialogs::cardSheet(QWidget *parent,
                                                              const CardSheetQuestion &question)
{
    if (!m_cardSheet)
        return std::nullopt;
    return m_cardSheet(parent, question);
}

std::optional<IDialogs::ArmyTextChoice> QtDialogs::armyText(QWidget *parent,
                                                            const ArmyTextQuestion &question)
{
    ImportArmyDialog dialog(*this, question, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.choice();
}

} // namespace tarvello
