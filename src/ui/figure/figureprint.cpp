#include "figureprint.h"

#include "platform/failurebox.h"
#include "platform/idialogs.h"
#include "platform/modfunctions.h"
#include "platform/uitext.h"
#include "print/qtprinterpage.h"

#include <QClipboard>
#include <QGuiApplication>

#include <exception>

namespace tarvello {

void printFigureReportOn(QWidget *parent, IDialogs &dialogs, QPrinter &printer,
                         const FigureReportData &data)
{
    QtPrinterPage page(printer);
    const Status status = PrintFigureReport(page, data);
    if (!status.ok())
        showFailure(dialogs, parent, status.failure(), IDialogs::Icon::Exclamation,
                    BoxTitle::WithVersion);
}

void exportFigureReport(QWidget *parent, IDialogs &dialogs, const FigureReportData &data)
{
    try {
        const QString text = fromFileText(FigureExportText(data));
        QGuiApplication::clipboard()->setText(text);
    } catch (const std::exception &error) {
        showFailure(dialogs, parent, {kFigureExportFailure, error.what()},
                    IDialogs::Icon::Exclamation, BoxTitle::WithVersion);
        return;
    }
    dialogs.message(parent, boxTitleText(BoxTitle::WithVersion),
                    coreText(kFigureExportNotice), IDialogs::Buttons::Ok,
                    IDialogs::Icon::Information);
}

} // namespace tarvello
