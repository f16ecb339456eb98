#pragma once

#include <QString>

class QPrinter;

namespace tarvello {

// Names the document printer prints next: the title of the print job, and
// the file a print to file proposes, "Border Guard.pdf" (in the folder of the
// file last printed to, when there was one; "print.pdf" for a document
// without a name).
void nameDocument(QPrinter &printer, const QString &name);

} // namespace tarvello
