#include "armyreport.h"

#include "platform/numbers.h"
#include "platform/runtimeerror.h"
#include "print/printerpage.h"
#include "print/printtextat.h"

#include <exception>
#include <functional>

namespace tarvello {

namespace {

constexpr std::int32_t kX0 = 750;
constexpr std::int32_t kColumn = 2500;
constexpr std::int32_t kLineStep = 300;
constexpr std::int32_t kUnitStep = 600;

// One printed row of the report (one text line of the export).
struct ReportRow
{
    enum Kind { Heading, Items, Continuation };
    Kind kind = Items;
    // Heading: the figure name; Items: one text per column; Continuation:
    // the further name of a list.
    std::vector<std::string> items;
    // Continuation: the label the name is aligned after.
    std::string label;
};

using RowSink = std::function<void(const ReportRow &)>;

double NumberOf(const std::string &text, char decimalMark)
{
    const std::optional<double> value = LocaleNumber(text, decimalMark);
    if (!value)
        throw RuntimeError(errtext::kTypeMismatch);
    return *value;
}

void EmitList(const std::string &label, const std::string &list, const RowSink &sink)
{
    if (list.empty())
        return;
    std::size_t pos = 0;
    std::size_t bar = list.find('|');
    sink({ReportRow::Items, {label + list.substr(0, bar)}, {}});
    while (bar != std::string::npos) {
        pos = bar + 1;
        bar = list.find('|', pos);
        const std::size_t end = bar == std::string::npos ? list.size() : bar;
        sink({ReportRow::Continuation, {list.substr(pos, end - pos)}, label});
    }
}

// The rows of one unit, in order; throws RuntimeError when its costs cannot be
// formed (the rows before stay emitted).
void EmitUnit(const ArmyUnit &unit, char decimalMark, const RowSink &sink)
{
    const auto field = [&unit](SummaryField f) -> const std::string & { return unit.Summary(f); };
    sink({ReportRow::Heading, {field(kFigureName)}, {}});
    sink({ReportRow::Items, {"No of units : " + unit.Count(), "Unit Size : " + unit.Size()}, {}});
    const double unitCost = NumberOf(field(kCost), decimalMark) * NumberOf(unit.Size(), decimalMark);
    const double totalCost = NumberOf(unit.Count(), decimalMark) * unitCost;
    sink({ReportRow::Items,
          {"Figure Cost : " + field(kCost), "Unit Cost : " + NumberText(unitCost, decimalMark),
           "Total Cost : " + NumberText(totalCost, decimalMark)},
          {}});
    sink({ReportRow::Items,
          {"Type : " + field(kFigureType), "Race : " + field(kRace),
           "Training Level : " + field(kTrainingLevel)},
          {}});
    if (field(kCommandSkill) != "None")
        sink({ReportRow::Items, {"Commandskill : " + field(kCommandSkill)}, {}});
    sink({ReportRow::Items,
          {"Hit Factor : " + field(kHitFactor), "Hit Points : " + field(kHitPoints),
           "Morale : " + field(kMorale), "Move : " + field(kMove)},
          {}});
    if (!field(kArmor).empty())
        sink({ReportRow::Items, {"Armor : " + field(kArmor)}, {}});
    EmitList("Melee Weapons : ", field(kMeleeList), sink);
    EmitList("Missile Weapons : ", field(kMissileList), sink);
    EmitList("Extra Items : ", field(kExtraItemList), sink);
}

void PrintRow(IPrinterPage &printer, std::int32_t &y, const ReportRow &row)
{
    switch (row.kind) {
    case ReportRow::Heading:
        y += kUnitStep;
        PrintTextAt(printer, kX0, y, row.items.front(), "", 12, true, kAlignLeft, false);
        return;
    case ReportRow::Items:
        y += kLineStep;
        for (std::size_t i = 0; i < row.items.size(); ++i) {
            PrintTextAt(printer, kX0 + static_cast<std::int32_t>(i) * kColumn, y, row.items[i],
                        "", 10, false, kAlignLeft, false);
        }
        return;
    case ReportRow::Continuation: {
        y += kLineStep;
        const std::int32_t x = ToInt32(kX0 + RoundHalfEven(printer.TextWidth(row.label)));
        PrintTextAt(printer, x, y, row.items.front(), "", 10, false, kAlignLeft, false);
        return;
    }
    }
}

void AppendRow(std::string &text, const ReportRow &row)
{
    switch (row.kind) {
    case ReportRow::Heading:
        text += "\r\n\r\n" + row.items.front();
        return;
    case ReportRow::Items:
        for (std::size_t i = 0; i < row.items.size(); ++i)
            text += (i == 0 ? "\r\n" : "\t") + row.items[i];
        return;
    case ReportRow::Continuation:
        text += "\r\n\t" + row.items.front();
        return;
    }
}

} // namespace

Result<std::string> ArmyExportText(const ArmyReportData &data, char decimalMark)
{
    std::string text = data.name + " (" + data.total + " pts)";
    try {
        for (const ArmyUnit &unit : data.units)
            EmitUnit(unit, decimalMark, [&text](const ReportRow &row) { AppendRow(text, row); });
    } catch (const std::exception &e) {
        return Failure{"", e.what()};
    }
    return text;
}

Status PrintArmyReport(IPrinterPage &printer, const ArmyReportData &data, char decimalMark)
{
    try {
        std::int32_t y = kPageTop;
        PrintTextAt(printer, kX0, y, data.name, "", 20, true, kAlignLeft, false);
        // The cost follows the bold name directly, measured in its font.
        const std::int32_t x = ToInt32(kX0 + RoundHalfEven(printer.TextWidth(data.name)));
        PrintTextAt(printer, x, y, "(" + data.total + " pts)", "", 20, false,
                    kAlignLeft, false);
        y += kLineStep;
        for (const ArmyUnit &unit : data.units) {
            EmitUnit(unit, decimalMark,
                     [&printer, &y](const ReportRow &row) { PrintRow(printer, y, row); });
        }
        printer.EndDoc();
    } catch (const std::exception &e) {
        try {
            printer.KillDoc();
        } catch (const std::exception &) {
            // The document is abandoned either way.
        }
        return Failure{"", e.what()};
    }
    return {};
}

} // namespace tarvello
