// Opens arbitrary bytes as an army file. Opening never fails other than with
// a message; an army that opened saves, and the saved file opens again with
// the same name, units and total. The report is formed or fails cleanly.
#include "army/armymodel.h"
#include "army/armyreport.h"
#include "fuzztemp.h"
#include "platform/fileio.h"
#include "print/printerpage.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

// A page that measures and moves like a printer and keeps nothing: recording
// every call of a report of thousands of lines took most of each run.
class MeasuringPage : public tarvello::IPrinterPage
{
public:
    void SetFontName(const std::string &) override {}
    void SetFontBold(bool) override {}
    void SetFontSize(float points) override { m_size = points; }
    void SetFontItalic(bool) override {}
    double TextWidth(const std::string &text) override { return text.size() * m_size * 10; }
    double TextHeight(const std::string &) override { return m_size * 20; }
    double CurrentX() const override { return m_x; }
    double CurrentY() const override { return m_y; }
    void SetCurrentX(double x) override { m_x = x; }
    void SetCurrentY(double y) override { m_y = y; }
    double ScaleHeight() const override { return 15840; }
    void Print(const std::string &) override
    {
        m_x = 0;
        m_y += m_size * 20;
    }
    void NewPage() override { m_x = m_y = 0; }
    void EndDoc() override {}
    void KillDoc() override {}

private:
    float m_size = 10;
    double m_x = 0;
    double m_y = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string path = FuzzTempPath("in.tva");
    if (!tarvello::WriteFileAtomically(path, std::string(reinterpret_cast<const char *>(data), size))
             .ok())
        return 0;
    tarvello::ArmyModel army("", '.');
    const tarvello::Status opened = army.Open(path);
    if (army.Loading() || (!opened.ok() && opened.failure().sentence.empty()))
        std::abort();
    (void)army.ExportText();
    MeasuringPage page;
    (void)tarvello::PrintArmyReport(page, army.ReportData(), '.');
    if (!opened.ok())
        return 0;
    const std::string saved = FuzzTempPath("out.tva");
    if (!army.WriteArmy(saved).ok())
        std::abort();
    tarvello::ArmyModel again("", '.');
    if (!again.Open(saved).ok() || again.ArmyName() != army.ArmyName()
        || again.Units() != army.Units() || again.ArmyCost() != army.ArmyCost())
        std::abort();
    return 0;
}
