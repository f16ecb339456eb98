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
    if (base.isEmpty())
        return;
    // The print dialog proposes the document's name without its last
    // ".suffix" and adds ".pdf": a name with a "." of its own gets that
    // suffix first, so that none of the name is lost.
    printer.setDocName(base.contains(QLatin1Char('.')) ? base + QStringLiteral(".pdf") : base);
    if (!printer.outputFileName().isEmpty())
        printer.setOutputFileName(QFileInfo(printer.outputFileName()).dir().filePath(
            base + QStringLiteral(".pdf")));
}

} // namespace tarvello
