#include "figureprint.h"

#include "platform/idialogs.h"
#include "platform/modfunctions.h"
#include "platform/uitext.h"
#include "print/qtprinterpage.h"

#include <QClipboard>
#include <QGuiApplication>

#include <exception>

namespace tarvello {

namespace {

void ShowFailure(QWidget *parent, IDialogs &dialogs, const tarvello::Failure &failure)
{
    dialogs.message(parent, QString::fromStdString(tarvello::AppTitle()),
                    FromFileText(failure.Message()), IDialogs::Buttons::Ok,
                    IDialogs::Icon::Exclamation);
}

} // namespace

void PrintFigureReportOn(QWidget *parent, IDialogs &dialogs, QPrinter &printer,
                         const tarvello::FigureReportData &data)
{
    QtPrinterPage page(printer);
    const tarvello::Status status = tarvello::PrintFigureReport(page, data);
    if (!status.ok())
        ShowFailure(parent, dialogs, status.failure());
}

void ExportFigureReport(QWidget *parent, IDialogs &dialogs, const tarvello::FigureReportData &data)
{
    try {
        const QString text = FromFileText(tarvello::FigureExportText(data));
        QGuiApplication::clipboard()->setText(text);
    } catch (const std::exception &error) {
        ShowFailure(parent, dialogs, {tarvello::kFigureExportFailure, error.what()});
        return;
    }
    dialogs.message(parent, QString::fromStdString(tarvello::AppTitle()),
                    QString::fromLatin1(tarvello::kFigureExportNotice), IDialogs::Buttons::Ok,
                    IDialogs::Icon::Information);
}

} // namespace tarvello
