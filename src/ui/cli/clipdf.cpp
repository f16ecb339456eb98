#include "clipdf.h"

#include "clidocuments.h"

#include "platform/fileio.h"
#include "print/documentname.h"
#include "platform/uitext.h"

#include <QFile>
#include <QPageSize>
#include <QPrinter>
#include <QTemporaryDir>

namespace tarvello {

void printPdf(CliRun &run, const QString &name, const std::function<bool(QPrinter &)> &draw)
{
    QTemporaryDir scratch;
    if (!scratch.isValid()) {
        run.fail({SavingSentence(run.request.output), scratch.errorString().toStdString()});
        return;
    }
    const QString pdf = scratch.filePath(QStringLiteral("print.pdf"));
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        if (run.request.paper == CliPaper::A4)
            printer.setPageSize(QPageSize(QPageSize::A4));
        else if (run.request.paper == CliPaper::Letter)
            printer.setPageSize(QPageSize(QPageSize::Letter));
        nameDocument(printer, name);
        printer.setOutputFileName(pdf);
        if (!draw(printer))
            return;
    }
    QFile file(pdf);
    if (!file.open(QIODevice::ReadOnly)) {
        run.fail({SavingSentence(run.request.output), file.errorString().toStdString()});
        return;
    }
    const QByteArray bytes = file.readAll();
    writeOutput(run, run.request.output, std::string_view(bytes.constData(), std::size_t(bytes.size())));
}

} // namespace tarvello
