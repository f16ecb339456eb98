// The printed figure report: every text through PrintTextAt, 10 points,
// left-aligned, on the printer's face.
#include "figurereport.h"
#include "figurereport_parts.h"

#include "platform/numbers.h"
#include "print/printerpage.h"
#include "print/printtextat.h"

#include <cstdint>
#include <exception>

namespace tarvello {

namespace {

constexpr std::int32_t kLeft = 750;
constexpr std::int32_t kMiddle = 3250;
constexpr std::int32_t kRight = 5750;
// The columns of the list sections, left to right.
constexpr std::int32_t kColumns[] = {750, 3250, 4000, 4750, 5500, 6250, 7000};
constexpr std::int32_t kLineStep = 300;
constexpr std::int32_t kTitleStep = 600;
constexpr std::int32_t kTextSize = 10;
constexpr std::int32_t kTitleSize = 20;

class ReportPrinter
{
public:
    ReportPrinter(IPrinterPage &printer, const FigureReportData &data)
        : m_printer(printer), m_data(data)
    {}

    void Print();

private:
    void Text(std::int32_t x, const std::string &text, bool bold = false)
    {
        PrintTextAt(m_printer, x, m_y, text, std::string(), kTextSize, bold, kAlignLeft, false);
    }
    void NextLine() { m_y += kLineStep; }
    void Title();
    void Attributes();
    template<std::size_t N>
    void Header(const char *const (&header)[N]);
    void MeleeSection();
    void MissileSection();
    void ExtrasSection();
    void OptionalLines();

    IPrinterPage &m_printer;
    const FigureReportData &m_data;
    std::int32_t m_y = kPageTop;
};

void ReportPrinter::Print()
{
    Title();
    Attributes();
    MeleeSection();
    MissileSection();
    ExtrasSection();
    NextLine();
    OptionalLines();
    m_printer.EndDoc();
}

void ReportPrinter::Title()
{
    const std::string &name = m_data.txtFigureName;
    PrintTextAt(m_printer, kLeft, m_y, name, std::string(), kTitleSize, true, kAlignLeft, false);
    // Measured in the bold title font the name was printed in.
    const double width = RoundHalfEven(m_printer.TextWidth(name));
    PrintTextAt(m_printer, ToInt32(kLeft + width), m_y, "(" + m_data.txtFinalCost + " pts)",
                std::string(), kTitleSize, false, kAlignLeft, false);
}

void ReportPrinter::Attributes()
{
    const FigureReportData &d = m_data;
    m_y += kTitleStep;
    Text(kLeft, "Type : " + d.cboFigureType.text);
    Text(kMiddle, "Race : " + d.cboRace);
    Text(kRight, report::LevelText(d));
    if (report::ShowsCommandSkill(d)) {
        NextLine();
        Text(kLeft, "Commandskill : " + d.cboCommandSkill);
    }
    NextLine();
    Text(kLeft, "Armor Type : " + d.cboArmorType);
    Text(kRight, "Base Hit Factor : " + d.txtBaseHitFactor);
    NextLine();
    Text(kLeft, "Race Hit Factor Mod. : " + d.txtRaceHitFactorModifier);
    Text(kMiddle, "Hit Factor Adj. : " + d.txtAdjustHitFactor);
    Text(kRight, "Hit Factor : " + d.txtAdjustedHitFactor);
    NextLine();
    Text(kLeft, "Hit Points : " + d.txtHitPoints);
    Text(kMiddle, "Morale : " + d.txtBaseMorale);
    NextLine();
    Text(kLeft, "Movement Type : " + d.cboMove);
    Text(kRight, "Move : " + d.txtMove);
}

template<std::size_t N>
void ReportPrinter::Header(const char *const (&header)[N])
{
    NextLine();
    for (std::size_t i = 0; i < N; ++i)
        Text(kColumns[i], header[i], true);
}

void ReportPrinter::MeleeSection()
{
    if (m_data.lvwMeleeWeaponsSelected.empty())
        return;
    Header(report::kMeleeHeader);
    for (const ListRow &row : m_data.lvwMeleeWeaponsSelected) {
        NextLine();
        for (std::size_t i = 0; i < 3; ++i)
            Text(kColumns[i], report::Cell(row, i));
    }
}

void ReportPrinter::MissileSection()
{
    if (m_data.lvwMissileWeaponsSelected.empty())
        return;
    Header(report::kMissileHeader);
    for (const ListRow &row : m_data.lvwMissileWeaponsSelected) {
        NextLine();
        for (std::size_t i = 0; i < 7; ++i) {
            if (i != report::MissileShotsColumn())
                Text(kColumns[i], report::Cell(row, i));
            else if (const std::string shots = ShownShots(report::Cell(row, i)); !shots.empty())
                Text(kColumns[i], shots);
        }
    }
}

void ReportPrinter::ExtrasSection()
{
    if (m_data.lvwExtraItemsSelected.empty())
        return;
    Header(report::kExtrasHeader);
    for (const ListRow &row : m_data.lvwExtraItemsSelected) {
        NextLine();
        // The value cells first, so that a long name's second line follows.
        for (std::size_t i = 1; i < 7; ++i)
            Text(kColumns[i], report::Cell(row, i));
        const WrappedName name = WrapItemName(report::Cell(row, 0));
        Text(kLeft, name.first);
        if (name.cut) {
            NextLine();
            Text(kLeft, name.second);
        }
    }
}

void ReportPrinter::OptionalLines()
{
    if (m_data.chkUseOptionalMovement) {
        NextLine();
        Text(kLeft, report::kOptionalMovementLine);
    }
    if (m_data.chkOptionalRangeCost) {
        NextLine();
        Text(kLeft, report::kOptionalRangeLine);
    }
}

} // namespace

Status PrintFigureReport(IPrinterPage &printer, const FigureReportData &data)
{
    try {
        ReportPrinter(printer, data).Print();
        return {};
    } catch (const std::exception &error) {
        // The job is abandoned rather than left open with a half report.
        try {
            printer.KillDoc();
        } catch (const std::exception &) {
        }
        return Failure{kFigurePrintFailure, error.what()};
    }
}

} // namespace tarvello
