// Prints and exports a figure report built from arbitrary texts: nothing may
// crash, every text must lie on its page, and the export text keeps its form.
#include "figure/figurereport.h"
#include "print/printerpage.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

using namespace tarvello;

namespace {

// A page whose text sizes come from the input; checks where texts land.
class CheckingPage : public IPrinterPage
{
public:
    explicit CheckingPage(double lineHeight) : m_height(lineHeight) {}
    void SetFontName(const std::string &) override {}
    void SetFontBold(bool) override {}
    void SetFontSize(float) override {}
    void SetFontItalic(bool) override {}
    double TextWidth(const std::string &text) override { return text.size() * 97.5; }
    double TextHeight(const std::string &) override { return m_height; }
    double CurrentX() const override { return m_x; }
    double CurrentY() const override { return m_y; }
    void SetCurrentX(double x) override { m_x = x; }
    void SetCurrentY(double y) override { m_y = y; }
    double ScaleHeight() const override { return 14400; }
    void Print(const std::string &) override
    {
        // A text lies on the page, or starts a new one at its top.
        if (m_y + m_height > ScaleHeight() && m_y != 300)
            std::abort();
        m_y += m_height;
    }
    void NewPage() override {}
    void EndDoc() override { ++ended; }
    void KillDoc() override { std::abort(); }
    int ended = 0;

private:
    double m_height;
    double m_x = 0;
    double m_y = 0;
};

// The next field: the input up to the next NUL.
std::string Next(std::string_view &in)
{
    const std::size_t end = std::min(in.find('\0'), in.size());
    std::string field(in.substr(0, end));
    in.remove_prefix(std::min(end + 1, in.size()));
    return field;
}

std::vector<ListRow> Rows(std::string_view &in, int count)
{
    std::vector<ListRow> rows(static_cast<std::size_t>(count));
    for (ListRow &row : rows) {
        for (int i = 0; i < 7 && !in.empty(); ++i)
            row.push_back(Next(in));
    }
    return rows;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 6)
        return 0;
    std::string_view in(reinterpret_cast<const char *>(data), size);
    const double lineHeight = 1 + data[0] * 80; // up to taller than the page
    FigureReportData d;
    d.cboFigureType.index = data[1] % 6 - 1;
    d.cboTrainingLevel.index = data[2] % 5 - 1;
    d.chkUseOptionalMovement = data[3] & 1;
    d.chkOptionalRangeCost = data[3] & 2;
    const int rows = data[4] % 8;
    in.remove_prefix(5);
    for (std::string *text : {&d.txtFigureName, &d.txtFinalCost, &d.cboCommandSkill, &d.cboRace})
        *text = Next(in);
    d.lvwMeleeWeaponsSelected = Rows(in, rows);
    d.lvwMissileWeaponsSelected = Rows(in, rows);
    d.lvwExtraItemsSelected = Rows(in, rows);

    CheckingPage page(lineHeight);
    if (!PrintFigureReport(page, d).ok() || page.ended != 1)
        std::abort();
    // The optional lines end the text, with no line break after them.
    const std::string text = FigureExportText(d);
    if (d.chkOptionalRangeCost && !text.ends_with("\r\nOptional Range Cost Used"))
        std::abort();
    if (!d.chkOptionalRangeCost && d.chkUseOptionalMovement
        && !text.ends_with("\r\n\r\nOptional Movement Cost Used"))
        std::abort();
    return 0;
}
