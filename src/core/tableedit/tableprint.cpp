#include "tableprint.h"

#include "platform/messagetexts.h"

#include "platform/showntext.h"
#include "print/printerpage.h"
#include "print/printtextat.h"
#include "tabledocument.h"

#include <algorithm>
#include <exception>
#include <vector>

namespace tarvello {

namespace {

constexpr std::int32_t kLeft = 750;
constexpr std::int32_t kSecondColumn = 3250;
constexpr std::int32_t kColumnStep = 1250;
constexpr std::int32_t kLineStep = 300;

std::int32_t ColumnX(std::size_t column)
{
    if (column == 0)
        return kLeft;
    return kSecondColumn + kColumnStep * static_cast<std::int32_t>(column - 1);
}

template<typename CellAt>
void PrintRow(IPrinterPage &printer, std::int32_t &y, std::size_t columns, bool bold,
              CellAt &&cellAt)
{
    for (std::size_t c = 0; c < columns; ++c)
        PrintTextAt(printer, ColumnX(c), y, ShownText(cellAt(c)), std::string(), 10, bold,
                    kAlignLeft, false);
}

} // namespace

Status PrintTable(IPrinterPage &printer, const std::string &caption, const TableDocument &document)
{
    try {
        std::int32_t y = kPageTop;
        PrintTextAt(printer, kLeft, y, caption, std::string(), 20, true, kAlignLeft, false);
        y += 600;
        const std::size_t columns = std::min(document.ColumnCount(), kMaxShownColumns);
        PrintRow(printer, y, columns, true,
                 [&document](std::size_t c) { return document.Captions()[c]; });
        for (std::size_t row = 0; row < document.RowCount(); ++row) {
            y += kLineStep;
            PrintRow(printer, y, columns, false,
                     [&document, row](std::size_t c) { return document.Cell(row, c); });
        }
        printer.EndDoc();
        return {};
    } catch (const std::exception &error) {
        try {
            printer.KillDoc();
        } catch (const std::exception &) {
            // The job is lost already; the first failure is the one reported.
        }
        return Failure{TV_TR("Core", "Error printing table!"), error.what()};
    }
}

} // namespace tarvello
