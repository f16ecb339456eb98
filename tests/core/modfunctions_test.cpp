#include "platform/modfunctions.h"
#include "platform/runtimeerror.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

namespace tarvello {
namespace {

TEST(CutAtNul, KeepsTheTextBeforeTheFirstNul)
{
    using namespace std::string_view_literals;
    EXPECT_EQ(CutAtNul(",\0\0\0"sv), ",");
    EXPECT_EQ(CutAtNul("ab\0cd\0"sv), "ab");
    EXPECT_EQ(CutAtNul("\0abc"sv), "");
    EXPECT_EQ(CutAtNul("no terminator"sv), "");
    EXPECT_EQ(CutAtNul(""sv), "");
}

struct DecimalCase
{
    const char *text;
    const char *separator;
    std::optional<double> expected; // nullopt: the text is not a number
};

class ParseDecimalTest : public testing::TestWithParam<DecimalCase>
{};

TEST_P(ParseDecimalTest, ReadsEitherMarkOrFailsWithTypeMismatch)
{
    const DecimalCase &c = GetParam();
    if (c.expected) {
        EXPECT_DOUBLE_EQ(ParseDecimal(c.text, c.separator), *c.expected) << c.text;
        return;
    }
    try {
        ParseDecimal(c.text, c.separator);
        ADD_FAILURE() << "no failure for \"" << c.text << "\"";
    } catch (const RuntimeError &e) {
        EXPECT_STREQ(e.what(), "Type mismatch");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseDecimalTest,
    testing::Values(DecimalCase{"0.5", ".", 0.5}, DecimalCase{"0,5", ".", 0.5},
                    DecimalCase{"0.5", ",", 0.5}, DecimalCase{"0,5", ",", 0.5},
                    DecimalCase{"1,25", "", 1.25}, DecimalCase{" -3 ", ",", -3},
                    DecimalCase{"2E3", ".", 2000}, DecimalCase{"12", ",", 12},
                    DecimalCase{"", ".", std::nullopt}, DecimalCase{"", ",", std::nullopt},
                    DecimalCase{"abc", ".", std::nullopt}, DecimalCase{"1.2,5", ",", std::nullopt},
                    DecimalCase{"1 000", ".", std::nullopt}, DecimalCase{"1;5", ".", std::nullopt},
                    // A mark other than "." or ",": "." and "," both become ",".
                    DecimalCase{"1,5", "'", std::nullopt}, DecimalCase{"1'5", "'", 1.5}));

// Restores LC_ALL when a test has changed it.
class LocaleEnvironment
{
public:
    LocaleEnvironment()
    {
        if (const char *old = std::getenv("LC_ALL"))
            m_old = old;
    }
    ~LocaleEnvironment()
    {
        if (m_old)
            setenv("LC_ALL", m_old->c_str(), 1);
        else
            unsetenv("LC_ALL");
    }

private:
    std::optional<std::string> m_old;
};

TEST(GetDecimalSeparator, IsThePointInTheCLocaleAndForAnUnknownLocale)
{
    LocaleEnvironment restore;
    for (const char *locale : {"C", "xx_NOWHERE.invalid"}) {
        setenv("LC_ALL", locale, 1);
        EXPECT_EQ(GetDecimalSeparator(), ".") << locale;
    }
}

} // namespace
} // namespace tarvello
