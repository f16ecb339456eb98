// Saving and opening army files, good and bad.

#include "army/armyfile.h"
#include "army/armymodel.h"
#include "platform/fileio.h"
#include "testfolder.h"

#include <gtest/gtest.h>

#include <vector>

namespace tarvello {
namespace {

const std::string kHead = "Host\r\nnowhere\r\n" + ArmyHeaderLine() + "\r\n";
const std::string kUnit = "2;5;Knight;Human;Hero;10;Elite;7;3;9;8;None;Sword|Axe;;Horn;Plate";

TEST(ArmyFile, SavedArmyOpensAsItWas)
{
    const auto dir = FreshTestFolder("roundtrip");
    WriteTestFile(dir, "a.tvf", "[Figure]\r\ntxtFigureName=A\xE9\r\ntxtFinalCost=2.5\r\n"
                               "[MissileWeapon1]\r\nName=Bow\r\nShots=4\r\n");
    WriteTestFile(dir, "b.tvf", FigureText("B", "3"));
    ArmyModel saved(dir.string(), '.');
    ASSERT_TRUE(saved.ScanFigures().ok());
    saved.SetArmyName("North \xC6rmy");
    for (int row : {0, 1, 0}) {
        saved.SetUnitSizeAdd(row == 0 ? "3" : "1");
        ASSERT_TRUE(saved.Add(row).ok());
    }
    const std::string path = (dir / "north.tva").string();
    ASSERT_TRUE(saved.WriteArmy(path).ok());
    EXPECT_FALSE(saved.Changed());

    ArmyModel opened("elsewhere", '.');
    ASSERT_TRUE(opened.Open(path).ok());
    EXPECT_EQ(opened.ArmyName(), saved.ArmyName());
    EXPECT_EQ(opened.UnitDirectory(), dir.string());
    EXPECT_EQ(opened.Units(), saved.Units());
    EXPECT_EQ(opened.ArmyCost(), saved.ArmyCost());
    EXPECT_EQ(opened.ArmyCost(), "18");
    EXPECT_EQ(opened.Caption(), "Army: North \xC6rmy");
    EXPECT_EQ(opened.Available().size(), 2u);
    EXPECT_FALSE(opened.Changed());
    EXPECT_FALSE(opened.Loading());
    EXPECT_EQ(opened.FileName(), path);
    EXPECT_EQ(ReadFileBytes(path), ArmyFileText(saved.ArmyName(), dir.string(), saved.Units()));
}

struct OpenCase
{
    const char *what;
    std::string bytes;
    std::string description; // empty: opens
    std::size_t units;
    std::string total;
};

TEST(ArmyFile, OpensWhatItCanAndReportsTheRest)
{
    const std::string longLine(10u << 20, 'x');
    const std::vector<OpenCase> cases = {
        {"empty file", "", "Input past end of file", 0, "0"},
        {"two lines", "Host\r\nnowhere\r\n", "Input past end of file", 0, "0"},
        {"exactly three lines", "Host\r\nnowhere\r\n\r\n", "", 0, "0"},
        {"any third line, 17 fields", "Host\r\nnowhere\r\nwhatever\r\n" + kUnit + ";extra\r\n", "", 1,
         "100"},
        {"100 fields", kHead + kUnit + std::string(84, ';') + "\r\n", "", 1, "100"},
        {"15 fields after a good line", kHead + kUnit + "\r\n1;2;3;4;5;6;7;8;9;10;11;12;13;14;15\r\n",
         "Subscript out of range", 1, "0"},
        {"an empty line", kHead + kUnit + "\r\n\r\n" + kUnit + "\r\n", "Subscript out of range", 1,
         "0"},
        {"counts that are no numbers", kHead + "abc;5;K;;;10;;;;;;;;;;\r\n2;x;K;;;10;;;;;;;;;;\r\n", "",
         2, "0"},
        {"a count of 0 first", kHead + "0;99;Z;;;1;;;;;;;;;;\r\n" + kUnit + "\r\n", "", 1, "100"},
        {"a 10 MB line", kHead + longLine + "\r\n", "Subscript out of range", 0, "0"},
        {"a 10 MB name", longLine + "\r\nnowhere\r\nh\r\n" + kUnit, "", 1, "100"},
        {"lone line ends", "Host\nnowhere\rh\n" + kUnit, "", 1, "100"},
    };
    const auto dir = FreshTestFolder("open");
    for (const OpenCase &c : cases) {
        const std::string path = WriteTestFile(dir, "case.tva", c.bytes);
        ArmyModel model("elsewhere", '.');
        const Status status = model.Open(path);
        if (c.description.empty()) {
            EXPECT_TRUE(status.ok()) << c.what << ": " << status.failure().Message();
        } else {
            ASSERT_FALSE(status.ok()) << c.what;
            EXPECT_EQ(status.failure().Message(),
                      "Error in loading " + path + " !\r\n" + c.description)
                << c.what;
        }
        EXPECT_EQ(model.Units().size(), c.units) << c.what;
        EXPECT_EQ(model.ArmyCost(), c.total) << c.what;
        EXPECT_FALSE(model.Changed()) << c.what;
        EXPECT_FALSE(model.Loading()) << c.what;
    }
}

TEST(ArmyFile, FirstLineOfCountZeroGoesWithoutMovingItsSizeOntoTheNext)
{
    const auto dir = FreshTestFolder("zero");
    ArmyModel model("elsewhere", '.');
    ASSERT_TRUE(model.Open(WriteTestFile(dir, "z.tva", kHead + "0;99;Z;;;1;;;;;;;;;;\r\n0;98;Y;;;1;;;;;;;;;;\r\n"
                                                       + kUnit + "\r\n"))
                    .ok());
    ASSERT_EQ(model.Units().size(), 1u);
    EXPECT_EQ(model.Units()[0].Size(), "5");
    EXPECT_EQ(model.UnitCount(), "2");
    EXPECT_EQ(model.UnitSize(), "5");
    EXPECT_EQ(model.SelectedUnit(), 0);
}

TEST(ArmyFile, MissingFileAndFailedSaveReport)
{
    const auto dir = FreshTestFolder("fail");
    ArmyModel model("elsewhere", '.');
    const std::string missing = (dir / "none.tva").string();
    const Status opened = model.Open(missing);
    ASSERT_FALSE(opened.ok());
    EXPECT_EQ(opened.failure().Message(), "Error in loading " + missing + " !\r\nFile not found");

    // A save that cannot write reports it and keeps the changes unsaved.
    const std::string path = (dir / "no such folder" / "keep.tva").string();
    model.SetArmyName("Changed");
    const Status saved = model.WriteArmy(path);
    ASSERT_FALSE(saved.ok());
    EXPECT_EQ(saved.failure().sentence, "Error in saving army " + path);
    EXPECT_TRUE(model.Changed());
}

} // namespace
} // namespace tarvello
