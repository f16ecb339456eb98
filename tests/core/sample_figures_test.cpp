// The sample figures that ship in the program folder's "figures" folder open
// cleanly with the shipped tables and still cost what they say.

#include "figure/figuremodel.h"
#include "platform/modini.h"
#include "rules/modloaddata.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace tarvello {
namespace {

namespace fs = std::filesystem;

const std::string kData = TARVELLO_SHIPPED_DATA_DIR;

class SampleFigures : public testing::Test
{
protected:
    void SetUp() override
    {
        LoadAllTables(m_tables, kData, ".", [](const Failure &failure) { FAIL() << failure.Message(); });
    }
    RulesTables m_tables;
};

TEST_F(SampleFigures, OpenWithoutMessagesAndKeepTheirStoredCost)
{
    int count = 0;
    for (const auto &entry : fs::directory_iterator(kData + "/figures")) {
        if (entry.path().extension() != ".tvf")
            continue;
        ++count;
        const std::string path = entry.path().string();
        FigureModel model(m_tables);
        ASSERT_TRUE(model.Initialize().ok());
        const std::vector<Failure> notices = model.Open(path);
        EXPECT_TRUE(notices.empty()) << path << ": " << (notices.empty() ? "" : notices[0].Message());
        EXPECT_FALSE(model.Changed()) << path;
        const FigureRecord &r = model.Record();
        EXPECT_EQ(r.txtFinalCost, ReadIni("Figure", "txtFinalCost", "", path)) << path;
        EXPECT_EQ(r.txtCost, ReadIni("Figure", "txtCost", "", path)) << path;
        EXPECT_FALSE(r.txtImageFile.empty()) << path;
        EXPECT_GT(model.Image().width, 0) << path;
        EXPECT_TRUE(fs::exists(kData + "/pictures/" + r.txtImageFile)) << path;
    }
    EXPECT_GT(count, 0);
}

} // namespace
} // namespace tarvello
