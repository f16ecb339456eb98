#include "figure/figuremodel.h"
#include "platform/fileio.h"
#include "platform/modfunctions.h"
#include "platform/modini.h"
#include "rules/modloaddata.h"
#include "testfolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <string>
#include <variant>
#include <vector>

namespace tarvello {
namespace {

const std::string kHeader = "Column titles;free text\r\n";

// The failure sentence of every table, as the player reads it.
const char *const kSentences[] = {
    "Error in reading armortype data!",         "Error in reading race data!",
    "Error in reading defense factor data!",    "Error in reading move data!",
    "Error in reading melee weapons data!",     "Error in reading missile weapons data!",
    "Error in reading extra items data!",       "Error in reading command skill data!",
    "Error in reading green atttack roll data!", "Error in reading line atttack roll data!",
    "Error in reading elite atttack roll data!"};

std::size_t Rows(const RulesTables &tables, TableId id)
{
    return std::visit([&](auto member) { return (tables.*member).size(); }, Table(id).member);
}

// A data line with a valid field of each column's kind; without the last
// column when `complete` is false.
std::string Line(const TableInfo &table, bool complete = true)
{
    std::string line;
    const std::size_t count = table.columns.size() - (complete ? 0 : 1);
    for (std::size_t i = 0; i < count; ++i) {
        const ColumnKind kind = table.columns[i].kind;
        line += kind == ColumnKind::Text ? "t" : kind == ColumnKind::Integer ? "7" : "0,5";
        line += i + 1 < count ? ";" : "\r\n";
    }
    return line;
}

Failure Failed(TableId id, const char *description, FailureKind kind = FailureKind::Other)
{
    return {kSentences[static_cast<std::size_t>(id)], description, kind};
}

class EveryTable : public testing::TestWithParam<TableInfo>
{
protected:
    TestFolder folder;
    RulesTables tables;

    Status Load(const std::string &bytes)
    {
        folder.Write(GetParam().file, bytes);
        return ReadTable(GetParam().id, tables, folder.Path());
    }
    std::size_t Rows() const { return tarvello::Rows(tables, GetParam().id); }
};

TEST_P(EveryTable, ReloadsReplaceRowsAndEmptyOnesKeepThem)
{
    const std::string row = Line(GetParam());
    ASSERT_TRUE(Load(kHeader + row + "\r\n" + row).ok());
    EXPECT_EQ(Rows(), 2u);
    ASSERT_TRUE(Load(kHeader + row).ok());
    EXPECT_EQ(Rows(), 1u);
    ASSERT_TRUE(Load(row + "\n" + row + row).ok()); // no header: the first row is lost
    EXPECT_EQ(Rows(), 2u);
    ASSERT_TRUE(Load(kHeader).ok());
    ASSERT_TRUE(Load("").ok());
    EXPECT_EQ(Rows(), 2u);
}

TEST_P(EveryTable, ShortLineKeepsItsRowAndStopsTheTable)
{
    const Status read = Load(kHeader + Line(GetParam()) + Line(GetParam(), false) + Line(GetParam()));
    ASSERT_FALSE(read.ok());
    const std::size_t columns = GetParam().columns.size();
    const std::string place = "\r\nLine 3, " + std::to_string(columns - 1) + " fields of "
                              + std::to_string(columns) + " (no "
                              + GetParam().columns[columns - 1].field + ")";
    EXPECT_EQ(read.failure(), Failed(GetParam().id, ("Subscript out of range" + place).c_str()));
    EXPECT_EQ(Rows(), 2u);
}

TEST_P(EveryTable, MissingOrUnreadableFileKeepsThePreviousRows)
{
    ASSERT_TRUE(Load(kHeader + Line(GetParam())).ok());
    folder.Remove(GetParam().file);
    Status read = ReadTable(GetParam().id, tables, folder.Path());
    ASSERT_FALSE(read.ok());
    EXPECT_EQ(read.failure(), Failed(GetParam().id, "File not found", FailureKind::NotFound));
    std::filesystem::create_directory(std::filesystem::path(folder.Path()) / GetParam().file);
    read = ReadTable(GetParam().id, tables, folder.Path());
    ASSERT_FALSE(read.ok());
    EXPECT_EQ(read.failure(), Failed(GetParam().id, "Path/File access error", FailureKind::CannotRead));
    EXPECT_EQ(Rows(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Tables, EveryTable, testing::ValuesIn(kTableCatalogue),
                         [](const testing::TestParamInfo<TableInfo> &info) {
                             return std::string(info.param.menuName).substr(13);
                         });

RulesTables FromText(TableId id, const std::string &dataLines, Status *status = nullptr,
                     const std::string &separator = ".")
{
    RulesTables tables;
    tables.DecimalSeparator = separator;
    Status read = ReadTableText(id, tables, kHeader + dataLines);
    if (status)
        *status = read;
    return tables;
}

TEST(TableFields, TextIsKeptAsWrittenAndExtraFieldsAreIgnored)
{
    const std::string name(" Long Bow \xE9\0x", 13);
    const RulesTables t = FromText(TableId::MeleeWeapons, name + ";3; far ;;\r\nSword;3;;\r\n");
    ASSERT_EQ(t.MeleeWeapons.size(), 2u);
    EXPECT_EQ(t.MeleeWeapons[0].Name, name);
    EXPECT_EQ(t.MeleeWeapons[0].Notes, " far ");
    EXPECT_EQ(t.MeleeWeapons[1].MaxDamage, 3);
    EXPECT_EQ(t.MeleeWeapons[1].Notes, "");
}

TEST(TableFields, IntegersAreLeadingNumbersRoundedHalfToEven)
{
    const std::pair<const char *, std::int16_t> cases[] = {
        {"2.5", 2},   {"3.5", 4},     {"-2.5", -2},   {"abc", 0},      {" 1 2", 12},
        {"", 0},      {"7 points", 7}, {"1,5", 1},    {"&H10", 16},    {"&O17", 15},
        {"1E2", 100}, {"32767", 32767}, {"-32768", -32768}, {"32767.4", 32767}};
    for (const auto &[field, expected] : cases) {
        Status read;
        const RulesTables t = FromText(TableId::Races, std::string("Elf;") + field + "\r\n", &read, ",");
        EXPECT_TRUE(read.ok()) << field;
        ASSERT_EQ(t.Races.size(), 1u);
        EXPECT_EQ(t.Races[0].HitFactorModifier, expected) << field;
    }
}

TEST(TableFields, IntegerOverflowStopsTheTableKeepingTheRowSoFar)
{
    for (const char *field : {"32768", "-32769", "32767.5", "1E5", "1E400", "&H10000"}) {
        Status read;
        const RulesTables t = FromText(
            TableId::ArmorTypes, std::string("Leather;4;5;6;7\r\nPlate;9;") + field + ";11;12\r\nChain;6;7;8;9\r\n",
            &read);
        ASSERT_FALSE(read.ok()) << field;
        EXPECT_EQ(read.failure().Message(), "Error in reading armortype data!\r\nOverflow\r\n"
                                            "Line 3, LineHitFactor: " + std::string(field));
        ASSERT_EQ(t.ArmorTypes.size(), 2u);
        EXPECT_EQ(t.ArmorTypes[1].GreenHitFactor, 9);
        EXPECT_EQ(t.ArmorTypes[1].LineHitFactor, 0);
    }
}

TEST(TableFields, DecimalsTakeEitherMarkInEitherLocale)
{
    const std::tuple<const char *, const char *, double> cases[] = {
        {"1,25", ",", 1.25}, {"1.25", ",", 1.25}, {"1,25", ".", 1.25}, {"1.25", ".", 1.25},
        {" 2 ", ".", 2},     {"-0.5", ",", -0.5}, {"1.5E1", ".", 15}};
    for (const auto &[field, separator, expected] : cases) {
        const RulesTables t = FromText(TableId::Moves, std::string("Foot;6;") + field + "\r\n",
                                       nullptr, separator);
        ASSERT_EQ(t.Moves.size(), 1u);
        EXPECT_DOUBLE_EQ(t.Moves[0].MoveMultiplier, expected) << field << separator;
    }
    for (const char *field : {"", " ", "abc", "1.2.5", "1,2.5"}) {
        Status read;
        const RulesTables t = FromText(TableId::Moves, std::string("Foot;6;1\r\nMounted;10;") + field
                                                           + "\r\nFlying;14;1.48\r\n", &read);
        ASSERT_FALSE(read.ok()) << field;
        EXPECT_EQ(read.failure().Message(), "Error in reading move data!\r\nType mismatch\r\n"
                                            "Line 3, MoveMultiplier: " + std::string(field));
        ASSERT_EQ(t.Moves.size(), 2u);
        EXPECT_EQ(t.Moves[1].Move, 10);
    }
}

TEST(TableFields, DefenseFactorsReadPastTheLabel)
{
    const RulesTables t = FromText(TableId::DefenseFactors, "zero;0.5\r\n;0,75\r\n");
    EXPECT_EQ(t.DefenseFactors, (std::vector<double>{0.5, 0.75}));
}

// Each column of a line fills its own field: a line of distinct values per
// table, read back field by field in the file's column order.
TEST(TableFields, EveryColumnFillsItsOwnField)
{
    using Ints = std::vector<int>;
    const ArmorTypeRow armor = FromText(TableId::ArmorTypes, "Chain;1;2;3;4\r\n").ArmorTypes.at(0);
    EXPECT_EQ(armor.Name, "Chain");
    EXPECT_EQ((Ints{armor.GreenHitFactor, armor.LineHitFactor, armor.EliteHitFactor,
                    armor.SpecialHitFactor}),
              (Ints{1, 2, 3, 4}));
    const MissileWeaponRow missile =
        FromText(TableId::MissileWeapons, "Bow;1;2;3;4;Arrows\r\n").MissileWeapons.at(0);
    EXPECT_EQ((Ints{missile.MaxDamage, missile.AttackRadius, missile.ShortRange,
                    missile.LongRange}),
              (Ints{1, 2, 3, 4}));
    EXPECT_EQ(missile.Name + "/" + missile.Notes, "Bow/Arrows");
    const ExtraItemRow item =
        FromText(TableId::ExtraItems, "Wand;1;2;3;4;5;Sparks\r\n").ExtraItems.at(0);
    EXPECT_EQ((Ints{item.Cost, item.MaxDamage, item.AttackRadius, item.ShortRange,
                    item.LongRange}),
              (Ints{1, 2, 3, 4, 5}));
    EXPECT_EQ(item.Name + "/" + item.Notes, "Wand/Sparks");
    const CommandSkillRow skill =
        FromText(TableId::CommandSkills, "Bold;1;2\r\n").CommandSkills.at(0);
    EXPECT_EQ((Ints{skill.InitiativeModifier, skill.Cost}), (Ints{1, 2}));
    const MoveRow move = FromText(TableId::Moves, "Slow;6;0.5\r\n").Moves.at(0);
    EXPECT_EQ(move.Move, 6);
    EXPECT_DOUBLE_EQ(move.MoveMultiplier, 0.5);
}

TEST(TableFields, AttackRollsFillTheThirteenColumnsInOrder)
{
    const RulesTables t = FromText(TableId::LineAttackRolls, "4;1;2;3;4;5;6;7;8;9;10;18.5;20,25\r\n");
    ASSERT_EQ(t.LineAttackRolls.size(), 1u);
    const AttackRollRow &row = t.LineAttackRolls[0];
    EXPECT_EQ(row.Damage, 4);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(row.Rolls[i], i + 1);
    EXPECT_DOUBLE_EQ(row.MeleeMultiplier, 18.5);
    EXPECT_DOUBLE_EQ(row.MissileMultiplier, 20.25);
}

TEST(TableFields, RowBeingFilledStartsBlankEvenOverAnEarlierRow)
{
    RulesTables t;
    ASSERT_TRUE(ReadTableText(TableId::ArmorTypes, t, kHeader + "Leather;4;5;6;7\r\nPlate;9;10;11;12\r\n").ok());
    EXPECT_FALSE(ReadTableText(TableId::ArmorTypes, t, kHeader + "Chain;6\r\n").ok());
    ASSERT_EQ(t.ArmorTypes.size(), 1u);
    EXPECT_EQ(t.ArmorTypes[0].GreenHitFactor, 6);
    EXPECT_EQ(t.ArmorTypes[0].LineHitFactor, 0);
}

TEST(LoadAllTables, OneMissingFileCostsOnlyItsOwnTable)
{
    TestFolder folder;
    folder.CopyFrom(TARVELLO_SHIPPED_DATA_DIR);
    folder.Remove("races.skv");
    RulesTables t;
    std::vector<Failure> failures;
    LoadAllTables(t, folder.Path(), ",", [&](const Failure &f) { failures.push_back(f); });
    EXPECT_EQ(t.DecimalSeparator, ",");
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_EQ(failures[0].Message(), "Error in reading race data!\r\nFile not found");
    for (const TableInfo &table : kTableCatalogue)
        EXPECT_EQ(Rows(t, table.id) == 0, table.id == TableId::Races) << table.file;
}

TEST(LoadAllTables, ReportsEveryFailedTableInLoadingOrder)
{
    TestFolder folder; // empty: every file is missing
    RulesTables t;
    std::vector<Failure> failures;
    LoadAllTables(t, folder.Path(), ".", [&](const Failure &f) { failures.push_back(f); });
    ASSERT_EQ(failures.size(), std::size(kSentences));
    for (std::size_t i = 0; i < failures.size(); ++i)
        EXPECT_EQ(failures[i], (Failure{kSentences[i], "File not found", FailureKind::NotFound}));
}

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

// The sample figures that ship in the program folder's "figures" folder open
// cleanly with the shipped tables and still cost what they say.

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
