#include "rules/modloaddata.h"
#include "tabletestfolder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>

namespace tarvello {
namespace {

using Reader = std::optional<std::string> (*)(RulesTables &, const std::string &);

// One table: how to read it, what it says on failure, and two valid files.
struct TableCase
{
    const char *label;
    TableId id;
    Reader read;
    const char *file;
    const char *sentence;
    std::size_t (*rowCount)(const RulesTables &);
    const char *twoRows; // data lines only, CR LF ended
    const char *oneRow;
};

template<auto Member>
std::size_t Count(const RulesTables &t)
{
    return (t.*Member).size();
}

const TableCase kTables[] = {
    {"ArmorTypes", TableId::ArmorTypes, ReadArmorTypes, "armortypes.skv",
     "Error in reading armortype data!", Count<&RulesTables::ArmorTypes>,
     "Leather;4;5;6;7\r\nPlate;9;10;11;12\r\n", "Chain;6;7;8;9\r\n"},
    {"Races", TableId::Races, ReadRaces, "races.skv", "Error in reading race data!",
     Count<&RulesTables::Races>, "Human;0\r\nDwarf;2\r\n", "Elf;1\r\n"},
    {"DefenseFactors", TableId::DefenseFactors, ReadDefenseFactors, "defensefactor.skv",
     "Error in reading defense factor data!", Count<&RulesTables::DefenseFactors>,
     "0;0.5\r\n1;0.6\r\n", "0;1\r\n"},
    {"Moves", TableId::Moves, ReadMoves, "move.skv", "Error in reading move data!",
     Count<&RulesTables::Moves>, "Foot;6;1\r\nMounted;10;1.24\r\n", "Flying;14;1.48\r\n"},
    {"MeleeWeapons", TableId::MeleeWeapons, ReadMeleeWeapons, "meleeweapons.skv",
     "Error in reading melee weapons data!", Count<&RulesTables::MeleeWeapons>,
     "Sword;4;One hand\r\nAxe;6;Heavy\r\n", "Dagger;2;Light\r\n"},
    {"MissileWeapons", TableId::MissileWeapons, ReadMissileWeapons, "missileweapons.skv",
     "Error in reading missile weapons data!", Count<&RulesTables::MissileWeapons>,
     "Sling;2;1;6;12;Cheap\r\nBow;4;1;12;24;Long\r\n", "Javelin;3;1;3;6;Thrown\r\n"},
    {"ExtraItems", TableId::ExtraItems, ReadExtraItems, "extraitems.skv",
     "Error in reading extra items data!", Count<&RulesTables::ExtraItems>,
     "Shield;5;0;0;0;0;Guard\r\nBanner;10;0;0;0;0;Morale\r\n", "Horse;8;0;0;0;0;Mount\r\n"},
    {"CommandSkills", TableId::CommandSkills, ReadCommandSkills, "commandskill.skv",
     "Error in reading command skill data!", Count<&RulesTables::CommandSkills>,
     "None;0;0\r\nCaptain;2;20\r\n", "Sergeant;1;10\r\n"},
    {"GreenAttackRolls", TableId::GreenAttackRolls, ReadGreenAttackRolls, "greenattackroll.skv",
     "Error in reading green atttack roll data!", Count<&RulesTables::GreenAttackRolls>,
     "0;0;0;0;0;0;0;0;0;0;0;0;0\r\n1;0;0;0;0;1;1;1;1;1;1;3.5;4\r\n",
     "0;0;0;0;0;0;0;0;0;0;0;0;0\r\n"},
    {"LineAttackRolls", TableId::LineAttackRolls, ReadLineAttackRolls, "lineattackroll.skv",
     "Error in reading line atttack roll data!", Count<&RulesTables::LineAttackRolls>,
     "0;0;0;0;0;0;0;0;0;0;0;0;0\r\n1;0;0;0;1;1;1;1;1;1;1;4.5;5\r\n",
     "0;0;0;0;0;0;0;0;0;0;0;0;0\r\n"},
    {"EliteAttackRolls", TableId::EliteAttackRolls, ReadEliteAttackRolls, "eliteattackroll.skv",
     "Error in reading elite atttack roll data!", Count<&RulesTables::EliteAttackRolls>,
     "0;0;0;0;0;0;0;0;0;0;0;0;0\r\n1;0;0;1;1;1;1;1;1;1;1;5.5;6\r\n",
     "0;0;0;0;0;0;0;0;0;0;0;0;0\r\n"},
};

const std::string kHeader = "Column titles;free text\r\n";

class EveryTable : public testing::TestWithParam<TableCase>
{
protected:
    TableTestFolder folder;
    RulesTables tables;

    std::optional<std::string> Load(const std::string &bytes)
    {
        folder.Write(GetParam().file, bytes);
        return GetParam().read(tables, folder.Path());
    }
    std::size_t Rows() const { return GetParam().rowCount(tables); }
    std::string Message(const char *description) const
    {
        return std::string(GetParam().sentence) + "\r\n" + description;
    }
};

TEST_P(EveryTable, ReadsEveryDataRow)
{
    EXPECT_EQ(Load(kHeader + GetParam().twoRows), std::nullopt);
    EXPECT_EQ(Rows(), 2u);
}

TEST_P(EveryTable, ShorterReloadDropsTheRowsOfTheEarlierLoad)
{
    ASSERT_EQ(Load(kHeader + GetParam().twoRows), std::nullopt);
    EXPECT_EQ(Load(kHeader + GetParam().oneRow), std::nullopt);
    EXPECT_EQ(Rows(), 1u);
}

TEST_P(EveryTable, HeaderOnlyReloadKeepsThePreviousRows)
{
    ASSERT_EQ(Load(kHeader + GetParam().twoRows), std::nullopt);
    EXPECT_EQ(Load(kHeader), std::nullopt);
    EXPECT_EQ(Rows(), 2u);
}

TEST_P(EveryTable, EmptyFileReloadKeepsThePreviousRows)
{
    ASSERT_EQ(Load(kHeader + GetParam().twoRows), std::nullopt);
    EXPECT_EQ(Load(""), std::nullopt);
    EXPECT_EQ(Rows(), 2u);
}

TEST_P(EveryTable, MissingHeaderLosesTheFirstRow)
{
    EXPECT_EQ(Load(GetParam().twoRows), std::nullopt);
    EXPECT_EQ(Rows(), 1u);
}

TEST_P(EveryTable, LineOfOneBlankKeepsItsRowAndStopsTheTable)
{
    const std::string bytes = kHeader + GetParam().oneRow + " \r\n" + GetParam().twoRows;
    EXPECT_EQ(Load(bytes), Message("Subscript out of range"));
    EXPECT_EQ(Rows(), 2u);
}

TEST_P(EveryTable, MissingFileKeepsThePreviousRows)
{
    ASSERT_EQ(Load(kHeader + GetParam().twoRows), std::nullopt);
    folder.Remove(GetParam().file);
    EXPECT_EQ(GetParam().read(tables, folder.Path()), Message("File not found"));
    EXPECT_EQ(Rows(), 2u);
}

TEST_P(EveryTable, UnreadableFileIsAnAccessError)
{
    // A folder in place of the file: it exists but cannot be read as one.
    std::filesystem::create_directory(std::filesystem::path(folder.Path()) / GetParam().file);
    EXPECT_EQ(GetParam().read(tables, folder.Path()), Message("Path/File access error"));
    EXPECT_EQ(Rows(), 0u);
}

TEST_P(EveryTable, TextReaderMatchesTheFileReader)
{
    RulesTables fromText;
    const std::string bytes = kHeader + GetParam().twoRows + "x\r\n";
    EXPECT_EQ(ReadTableText(GetParam().id, fromText, bytes), Load(bytes));
    EXPECT_EQ(GetParam().rowCount(fromText), Rows());
}

TEST_P(EveryTable, LinesMayEndInLoneLineFeedsAndEmptyLinesAreSkipped)
{
    std::string rows = GetParam().twoRows;
    for (std::size_t at = rows.find("\r\n"); at != std::string::npos; at = rows.find("\r\n", at))
        rows.replace(at, 2, "\n\n");
    EXPECT_EQ(Load("header\n\r\n" + rows), std::nullopt);
    EXPECT_EQ(Rows(), 2u);
}

TEST_P(EveryTable, ArbitraryBytesNeverBreakTheReader)
{
    std::mt19937 random(20240601u + static_cast<unsigned>(GetParam().id));
    std::uniform_int_distribution<int> byte(0, 255);
    for (int round = 0; round < 50; ++round) {
        std::string bytes(512, '\0');
        for (char &c : bytes) {
            const int b = byte(random);
            // Plenty of separators, digits and line ends to reach deep into rows.
            c = static_cast<char>(b < 40 ? ';' : b < 80 ? '0' + b % 10 : b < 90 ? '\n' : b);
        }
        const auto message = ReadTableText(GetParam().id, tables, bytes);
        if (message) {
            EXPECT_EQ(message->rfind(std::string(GetParam().sentence) + "\r\n", 0), 0u);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Tables, EveryTable, testing::ValuesIn(kTables),
                         [](const testing::TestParamInfo<TableCase> &info) {
                             return std::string(info.param.label);
                         });

// Reading a single table from text, with a "." locale unless stated.
RulesTables FromText(TableId id, const std::string &dataLines, std::optional<std::string> *message = nullptr,
                     const std::string &separator = ".")
{
    RulesTables tables;
    tables.DecimalSeparator = separator;
    const auto result = ReadTableText(id, tables, kHeader + dataLines);
    if (message)
        *message = result;
    return tables;
}

TEST(MeleeWeaponTable, TrailingEmptyFieldsGiveEmptyNotesAndExtraFieldsAreIgnored)
{
    std::optional<std::string> message;
    const RulesTables t = FromText(TableId::MeleeWeapons, "Sword;3;;\r\n", &message);
    EXPECT_EQ(message, std::nullopt);
    ASSERT_EQ(t.MeleeWeapons.size(), 1u);
    EXPECT_EQ(t.MeleeWeapons[0].Name, "Sword");
    EXPECT_EQ(t.MeleeWeapons[0].MaxDamage, 3);
    EXPECT_EQ(t.MeleeWeapons[0].Notes, "");
}

TEST(TextColumns, KeepBlanksAndBytesAsWritten)
{
    const std::string line = std::string(" Long Bow \xE9\0x", 13) + ";4; far ;\r\n";
    const RulesTables t = FromText(TableId::MeleeWeapons, line);
    ASSERT_EQ(t.MeleeWeapons.size(), 1u);
    EXPECT_EQ(t.MeleeWeapons[0].Name, std::string(" Long Bow \xE9\0x", 13));
    EXPECT_EQ(t.MeleeWeapons[0].Notes, " far ");
}

struct IntegerCase
{
    const char *field;
    std::int16_t expected;
};

class IntegerColumn : public testing::TestWithParam<IntegerCase>
{};

TEST_P(IntegerColumn, ReadsTheLeadingNumberRoundedHalfToEven)
{
    std::optional<std::string> message;
    const RulesTables t = FromText(TableId::Races, std::string("Elf;") + GetParam().field + "\r\n",
                                   &message, ",");
    EXPECT_EQ(message, std::nullopt);
    ASSERT_EQ(t.Races.size(), 1u);
    EXPECT_EQ(t.Races[0].HitFactorModifier, GetParam().expected) << GetParam().field;
}

INSTANTIATE_TEST_SUITE_P(
    Fields, IntegerColumn,
    testing::Values(IntegerCase{"2.5", 2}, IntegerCase{"3.5", 4}, IntegerCase{"-2.5", -2},
                    IntegerCase{"abc", 0}, IntegerCase{" 1 2", 12}, IntegerCase{"", 0},
                    IntegerCase{"7 points", 7}, IntegerCase{"1,5", 1}, IntegerCase{"&H10", 16},
                    IntegerCase{"&O17", 15}, IntegerCase{"1E2", 100}, IntegerCase{"32767", 32767},
                    IntegerCase{"-32768", -32768}, IntegerCase{"32767.4", 32767}));

class IntegerOverflow : public testing::TestWithParam<const char *>
{};

TEST_P(IntegerOverflow, StopsTheTableKeepingTheRowSoFar)
{
    std::optional<std::string> message;
    const RulesTables t = FromText(TableId::ArmorTypes,
                                   std::string("Leather;4;5;6;7\r\nPlate;9;") + GetParam()
                                       + ";11;12\r\nChain;6;7;8;9\r\n",
                                   &message);
    EXPECT_EQ(message, "Error in reading armortype data!\r\nOverflow");
    ASSERT_EQ(t.ArmorTypes.size(), 2u);
    EXPECT_EQ(t.ArmorTypes[1].Name, "Plate");
    EXPECT_EQ(t.ArmorTypes[1].GreenHitFactor, 9);
    EXPECT_EQ(t.ArmorTypes[1].LineHitFactor, 0);
    EXPECT_EQ(t.ArmorTypes[1].EliteHitFactor, 0);
}

INSTANTIATE_TEST_SUITE_P(Fields, IntegerOverflow,
                         testing::Values("32768", "-32769", "32767.5", "1E5", "1E400", "&H10000"));

struct DecimalCase
{
    const char *field;
    const char *separator;
    double expected;
};

class DecimalColumn : public testing::TestWithParam<DecimalCase>
{};

TEST_P(DecimalColumn, AcceptsEitherDecimalMarkInEitherLocale)
{
    std::optional<std::string> message;
    const RulesTables t = FromText(TableId::Moves, std::string("Foot;6;") + GetParam().field + "\r\n",
                                   &message, GetParam().separator);
    EXPECT_EQ(message, std::nullopt);
    ASSERT_EQ(t.Moves.size(), 1u);
    EXPECT_DOUBLE_EQ(t.Moves[0].MoveMultiplier, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, DecimalColumn,
    testing::Values(DecimalCase{"1,25", ",", 1.25}, DecimalCase{"1.25", ",", 1.25},
                    DecimalCase{"1,25", ".", 1.25}, DecimalCase{"1.25", ".", 1.25},
                    DecimalCase{" 2 ", ".", 2}, DecimalCase{"-0.5", ",", -0.5},
                    DecimalCase{"1.5E1", ".", 15}));

class DecimalFailure : public testing::TestWithParam<const char *>
{};

TEST_P(DecimalFailure, StopsTheTableWithItsMessage)
{
    std::optional<std::string> message;
    const RulesTables t = FromText(TableId::Moves,
                                   std::string("Foot;6;1\r\nMounted;10;") + GetParam()
                                       + "\r\nFlying;14;1.48\r\n",
                                   &message);
    EXPECT_EQ(message, "Error in reading move data!\r\nType mismatch");
    ASSERT_EQ(t.Moves.size(), 2u);
    EXPECT_EQ(t.Moves[1].Name, "Mounted");
    EXPECT_EQ(t.Moves[1].Move, 10);
    EXPECT_EQ(t.Moves[1].MoveMultiplier, 0.0);
}

INSTANTIATE_TEST_SUITE_P(Fields, DecimalFailure, testing::Values("", " ", "abc", "1.2.5", "1,2.5"));

TEST(DefenseFactorTable, ReadsPastTheLabelColumn)
{
    std::optional<std::string> message;
    const RulesTables t = FromText(TableId::DefenseFactors, "zero;0.5\r\n;0,75\r\n", &message);
    EXPECT_EQ(message, std::nullopt);
    ASSERT_EQ(t.DefenseFactors.size(), 2u);
    EXPECT_DOUBLE_EQ(t.DefenseFactors[0], 0.5);
    EXPECT_DOUBLE_EQ(t.DefenseFactors[1], 0.75);
}

TEST(DefenseFactorTable, MissingFactorKeepsAZeroRow)
{
    std::optional<std::string> message;
    const RulesTables t = FromText(TableId::DefenseFactors, "0;0.5\r\n1\r\n2;0.7\r\n", &message);
    EXPECT_EQ(message, "Error in reading defense factor data!\r\nSubscript out of range");
    ASSERT_EQ(t.DefenseFactors.size(), 2u);
    EXPECT_EQ(t.DefenseFactors[1], 0.0);
}

TEST(AttackRollTable, FillsTheThirteenColumnsInOrder)
{
    const RulesTables t = FromText(TableId::LineAttackRolls,
                                   "4;1;2;3;4;5;6;7;8;9;10;18.5;20,25\r\n");
    ASSERT_EQ(t.LineAttackRolls.size(), 1u);
    const AttackRollRow &row = t.LineAttackRolls[0];
    EXPECT_EQ(row.Damage, 4);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(row.Rolls[i], i + 1);
    EXPECT_DOUBLE_EQ(row.MeleeMultiplier, 18.5);
    EXPECT_DOUBLE_EQ(row.MissileMultiplier, 20.25);
}

TEST(AttackRollTable, MissingMultiplierKeepsTheRollsReadSoFar)
{
    std::optional<std::string> message;
    const RulesTables t = FromText(TableId::EliteAttackRolls, "4;1;2;3;4;5;6;7;8;9;10;18.5\r\n", &message);
    EXPECT_EQ(message, "Error in reading elite atttack roll data!\r\nSubscript out of range");
    ASSERT_EQ(t.EliteAttackRolls.size(), 1u);
    EXPECT_EQ(t.EliteAttackRolls[0].Rolls[9], 10);
    EXPECT_DOUBLE_EQ(t.EliteAttackRolls[0].MeleeMultiplier, 18.5);
    EXPECT_EQ(t.EliteAttackRolls[0].MissileMultiplier, 0.0);
}

TEST(FailedReload, RowBeingFilledStartsBlankEvenOverAnEarlierRow)
{
    RulesTables t;
    ASSERT_EQ(ReadTableText(TableId::ArmorTypes, t, kHeader + "Leather;4;5;6;7\r\nPlate;9;10;11;12\r\n"),
              std::nullopt);
    EXPECT_EQ(ReadTableText(TableId::ArmorTypes, t, kHeader + "Chain;6\r\n"),
              "Error in reading armortype data!\r\nSubscript out of range");
    ASSERT_EQ(t.ArmorTypes.size(), 1u);
    EXPECT_EQ(t.ArmorTypes[0].Name, "Chain");
    EXPECT_EQ(t.ArmorTypes[0].GreenHitFactor, 6);
    EXPECT_EQ(t.ArmorTypes[0].LineHitFactor, 0);
    EXPECT_EQ(t.ArmorTypes[0].SpecialHitFactor, 0);
}

TEST(HeaderLine, IsDiscardedWhateverItHolds)
{
    for (const std::string &header : {std::string("\r\n"), std::string("Fire;9\r\n"),
                                     std::string("\0\xFF;;;\x01\r\n", 8)}) {
        RulesTables t;
        EXPECT_EQ(ReadTableText(TableId::Races, t, header + "Human;0\r\n"), std::nullopt);
        ASSERT_EQ(t.Races.size(), 1u);
        EXPECT_EQ(t.Races[0].Name, "Human");
    }
}

TEST(LoadAllTables, OneMissingFileCostsOnlyItsOwnTable)
{
    TableTestFolder folder;
    folder.CopyFrom(TARVELLO_SHIPPED_DATA_DIR);
    folder.Remove("races.skv");
    RulesTables t;
    std::vector<std::string> messages;
    LoadAllTables(t, folder.Path(), ",", [&](const std::string &m) { messages.push_back(m); });
    EXPECT_EQ(t.DecimalSeparator, ",");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "Error in reading race data!\r\nFile not found");
    EXPECT_TRUE(t.Races.empty());
    for (const TableCase &c : kTables) {
        if (c.id != TableId::Races) {
            EXPECT_GT(c.rowCount(t), 0u) << c.label;
        }
    }
}

TEST(LoadAllTables, ReportsEveryFailedTableInLoadingOrder)
{
    TableTestFolder folder; // empty: every file is missing
    RulesTables t;
    std::vector<std::string> messages;
    LoadAllTables(t, folder.Path(), ".", [&](const std::string &m) { messages.push_back(m); });
    ASSERT_EQ(messages.size(), std::size(kTables));
    for (std::size_t i = 0; i < messages.size(); ++i)
        EXPECT_EQ(messages[i], std::string(kTables[i].sentence) + "\r\nFile not found");
}

} // namespace
} // namespace tarvello
