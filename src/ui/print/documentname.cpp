#include "documentname.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinter>

namespace tarvello {

void nameDocument(QPrinter &printer, const QString &name)
{
    QString base = name.trimmed();
    base.replace(QLatin1Char('/'), QLatin1Char('-'));
    base.replace(QLatin1Char('\\'), QLatin1Char('-'));
    // The print dialog proposes the document's name without what follows its
    // last "." and adds ".pdf" ("v1.2 Guard" would become "v1.pdf"): a name
    // with a "." of its own gets ".pdf" first, so that none of it is lost.
    // Without a name it proposes "print.pdf".
    printer.setDocName(base.contains(QLatin1Char('.')) ? base + QStringLiteral(".pdf") : base);
    // After a print to a file the dialog proposes that file instead: the same
    // folder, under this document's name.
    if (!printer.outputFileName().isEmpty())
        printer.setOutputFileName(QFileInfo(printer.outputFileName()).dir().filePath(
            (base.isEmpty() ? QStringLiteral("print") : base) + QStringLiteral(".pdf")));
}

} // namespace tarvello
