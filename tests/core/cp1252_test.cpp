#include "platform/cp1252.h"
#include "platform/runtimeerror.h"
#include "platform/twips.h"

#include <gtest/gtest.h>

namespace tarvello {
namespace {

// UTF-8 of a code point below U+10000.
std::string Utf8(char32_t c)
{
    std::string out;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
    return out;
}

// The code page's characters for 0x80 to 0x9F; its five undefined bytes keep
// their values as control characters.
constexpr char32_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

TEST(Cp1252, EveryByteFrom0x80To0x9FBothWays)
{
    for (int i = 0; i < 32; ++i) {
        const std::string byte(1, static_cast<char>(0x80 + i));
        EXPECT_EQ(Cp1252ToUtf8(byte), Utf8(kHighControls[i])) << std::hex << 0x80 + i;
        EXPECT_EQ(Utf8ToCp1252(Utf8(kHighControls[i])), byte) << std::hex << 0x80 + i;
    }
    EXPECT_EQ(Cp1252ToUtf8("\xE9t\xE9"), "\xC3\xA9t\xC3\xA9");
    EXPECT_EQ(Utf8ToCp1252("\xE2\x82\xAC \xE4\xB8\xAD"), "\x80 ?");
}

TEST(Twips, ConvertAtTheScreensResolutionRoundingHalfToEven)
{
    EXPECT_EQ(TwipsToPixels(30, 96), 2);
    EXPECT_EQ(TwipsToPixels(37.5, 96), 2); // 2.5
    EXPECT_EQ(TwipsToPixels(52.5, 96), 4); // 3.5
    EXPECT_EQ(TwipsToPixels(40, 72), 2);
    EXPECT_EQ(PixelsToTwips(3, 96), 45);
    EXPECT_THROW(TwipsToPixels(1e12, 96), RuntimeError);
}

} // namespace
} // namespace tarvello
