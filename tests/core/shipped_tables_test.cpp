#include "platform/fileio.h"
#include "platform/modfunctions.h"
#include "rules/modloaddata.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace tarvello {
namespace {

// The shipped tables as the program reads them in a locale with this mark.
RulesTables ShippedRules(const std::string &separator = ".")
{
    std::vector<std::string> messages;
    RulesTables t;
    LoadAllTables(t, TARVELLO_SHIPPED_DATA_DIR, separator,
                  [&](const Failure &f) { messages.push_back(f.Message()); });
    EXPECT_TRUE(messages.empty()) << (messages.empty() ? "" : messages.front());
    return t;
}

class ShippedTables : public testing::TestWithParam<const char *>
{};

TEST_P(ShippedTables, LoadWithoutAMessageAndReadDecimals)
{
    const RulesTables t = ShippedRules(GetParam());
    ASSERT_FALSE(t.Moves.empty());
    EXPECT_DOUBLE_EQ(t.Moves[0].MoveMultiplier, 1.0);
}

INSTANTIATE_TEST_SUITE_P(Locales, ShippedTables, testing::Values(".", ","));

TEST(ShippedRules, AttackRollTablesCoverEveryWeaponDamage)
{
    const RulesTables t = ShippedRules();
    int largest = 0;
    for (const auto &w : t.MeleeWeapons) {
        largest = std::max<int>(largest, w.MaxDamage);
        EXPECT_FALSE(w.Notes.empty()) << w.Name;
    }
    for (const auto &w : t.MissileWeapons) {
        largest = std::max<int>(largest, w.MaxDamage);
        EXPECT_FALSE(w.Notes.empty()) << w.Name;
    }
    for (const auto &item : t.ExtraItems)
        largest = std::max<int>(largest, item.MaxDamage);
    for (int level = 0; level < 3; ++level) {
        const auto &rolls = t.AttackRolls(static_cast<TrainingLevel>(level));
        ASSERT_GT(rolls.size(), static_cast<std::size_t>(largest)) << "training " << level;
        for (std::size_t d = 0; d < rolls.size(); ++d)
            EXPECT_EQ(rolls[d].Damage, static_cast<int>(d));
    }
}

class ShippedFile : public testing::TestWithParam<const char *>
{};

TEST_P(ShippedFile, HasCrLfLineEndsAndAColumnNamingHeader)
{
    const auto bytes = ReadFileBytes(JoinPath(TARVELLO_SHIPPED_DATA_DIR, GetParam()));
    ASSERT_TRUE(bytes.has_value());
    ASSERT_FALSE(bytes->empty());
    EXPECT_EQ(bytes->substr(bytes->size() - 2), "\r\n");
    for (std::size_t i = 0; i < bytes->size(); ++i) {
        if ((*bytes)[i] == '\n') {
            ASSERT_TRUE(i > 0 && (*bytes)[i - 1] == '\r') << "bare LF at byte " << i;
        }
        if ((*bytes)[i] == '\r') {
            ASSERT_TRUE(i + 1 < bytes->size() && (*bytes)[i + 1] == '\n') << "bare CR at byte " << i;
        }
    }
    const std::string header = bytes->substr(0, bytes->find("\r\n"));
    if (std::string(GetParam()) != "readme.txt") {
        EXPECT_NE(header.find(';'), std::string::npos) << header;
        EXPECT_EQ(header.find(";;"), std::string::npos) << header;
    }
}

std::vector<const char *> ShippedFiles()
{
    std::vector<const char *> files{"readme.txt"};
    for (const TableInfo &table : kTableCatalogue)
        files.push_back(table.file);
    return files;
}

INSTANTIATE_TEST_SUITE_P(Files, ShippedFile, testing::ValuesIn(ShippedFiles()),
                         [](const testing::TestParamInfo<const char *> &info) {
                             std::string name = info.param;
                             return name.substr(0, name.find('.'));
                         });

} // namespace
} // namespace tarvello
