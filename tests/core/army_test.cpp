#include "army/armydocument.h"
#include "army/armyfile.h"
#include "army/armymodel.h"
#include "army/armyreport.h"
#include "army/figuresummary.h"
#include "platform/fileio.h"
#include "allocationcounter.h"
#include "recordingprinter.h"
#include "testfolder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <tuple>
#include <vector>

namespace tarvello {
namespace {

// The army's unit lines, their reactions and the total.

// A model over a folder of figures named after their costs.
struct Army
{
    explicit Army(const std::string &name, const std::vector<std::string> &costs)
        : dir(FreshTestFolder(name))
        , model(dir.string(), '.')
    {
        for (std::size_t i = 0; i < costs.size(); ++i)
            WriteTestFile(dir, "f" + std::to_string(i) + ".tvf",
                         FigureText("F" + std::to_string(i), costs[i]));
        EXPECT_TRUE(model.ScanFigures().ok());
    }
    void Add(int row, const std::string &count, const std::string &size)
    {
        model.SetUnitsToAdd(count);
        model.SetUnitSizeAdd(size);
        EXPECT_TRUE(model.Add(row).ok());
    }
    std::vector<std::string> Column(std::size_t field) const
    {
        std::vector<std::string> column;
        for (const ArmyUnit &unit : model.Units())
            column.push_back(unit.fields[field]);
        return column;
    }

    std::filesystem::path dir;
    ArmyModel model;
};

using Texts = std::vector<std::string>;

TEST(ArmyModel, AddMergesSameFigureAndSize)
{
    Army army("merge", {"12"});
    EXPECT_FALSE(army.model.Changed());
    army.Add(0, "3", "10");
    EXPECT_EQ(army.model.SelectedUnit(), 0);
    EXPECT_EQ(army.model.UnitCount(), "3");
    EXPECT_EQ(army.model.UnitSize(), "10");
    army.Add(0, "2", "10");
    EXPECT_EQ(army.Column(0), Texts{"5"});
    EXPECT_EQ(army.model.ArmyCost(), "600");
    army.Add(0, "1", "12");
    EXPECT_EQ(army.Column(1), (Texts{"10", "12"}));
    EXPECT_EQ(army.model.ArmyCost(), "744");
    EXPECT_TRUE(army.model.Changed());
}

TEST(ArmyModel, TotalRoundsTheRunningSumHalfToEven)
{
    Army army("round", {"2.5", "2.5", "2.5", "<none>"});
    Texts totals;
    for (int row = 0; row < 4; ++row) {
        army.Add(row, "1", "1");
        totals.push_back(army.model.ArmyCost());
    }
    EXPECT_EQ(totals, (Texts{"2", "4", "6", "6"}));
    EXPECT_EQ(army.model.Units().size(), 4u);
}

TEST(ArmyModel, CountStepsAndRemoveDeleteLines)
{
    Army army("count", {"10", "20"});
    army.Add(0, "1", "2");
    army.Add(1, "7", "3");
    ASSERT_EQ(army.model.ArmyCost(), "440");
    ASSERT_TRUE(army.model.SelectUnit(1).ok());
    ASSERT_TRUE(army.model.Remove().ok());
    EXPECT_EQ(army.Column(2), Texts{"F0"});
    EXPECT_EQ(army.model.ArmyCost(), "20");
    ASSERT_TRUE(army.model.SetUnitSize("4").ok());
    EXPECT_EQ(army.model.ArmyCost(), "40");
    ASSERT_TRUE(army.model.SetUnitCount("0").ok());
    EXPECT_TRUE(army.model.Units().empty());
    EXPECT_EQ(army.model.UnitCount(), "0");
    EXPECT_EQ(army.model.UnitSize(), "0");
    EXPECT_EQ(army.model.ArmyCost(), "0");
    EXPECT_EQ(army.model.SelectedUnit(), -1);
    // Without a selected line the boxes change nothing.
    EXPECT_TRUE(army.model.SetUnitCount("5").ok());
    EXPECT_TRUE(army.model.Remove().ok());
    EXPECT_TRUE(army.model.Units().empty());
}

TEST(ArmyModel, SelectingDoesNotMarkChangedTypingDoes)
{
    Army army("select", {"10"});
    army.Add(0, "2", "3");
    army.Add(0, "1", "4");
    ASSERT_TRUE(army.model.WriteArmy((army.dir / "a.tva").string()).ok());
    ASSERT_TRUE(army.model.SelectUnit(1).ok());
    EXPECT_EQ(army.model.UnitCount(), "1");
    EXPECT_EQ(army.model.UnitSize(), "4");
    EXPECT_FALSE(army.model.Changed());
    // A count that is not a number neither deletes nor changes the line.
    EXPECT_TRUE(army.model.SetUnitCount("").ok());
    EXPECT_TRUE(army.model.SetUnitCount("x").ok());
    EXPECT_EQ(army.Column(0), (Texts{"2", "1"}));
    army.model.SetArmyName("Host");
    EXPECT_TRUE(army.model.Changed());
}

TEST(ArmyModel, UnitFieldsHoldNoSeparatorOrLineBreak)
{
    Army army("separator", {});
    WriteTestFile(army.dir, "s.tvf", "[Figure]\r\ntxtFigureName=A;B\r\n[MeleeWeapon1]\r\nName=x;y\r\n");
    ASSERT_TRUE(army.model.ScanFigures().ok());
    EXPECT_EQ(army.model.Available()[0].fields[kFigureName], "A;B");
    army.Add(0, "1", "1");
    army.Add(0, "1", "1");
    EXPECT_EQ(army.Column(2), Texts{"A,B"});
    EXPECT_EQ(army.Column(12), Texts{"x,y"});
    EXPECT_EQ(army.Column(0), Texts{"2"});
    army.model.SetArmyName("Two\r\nLines");
    EXPECT_EQ(army.model.ArmyName(), "Two  Lines");
}

TEST(ArmyModel, TotalBeyondThirtyTwoBitsFailsAndKeepsTheShownTotal)
{
    Army army("overflow", {"1e9", "1"});
    army.Add(1, "1", "1");
    army.model.SetUnitsToAdd("1000");
    army.model.SetUnitSizeAdd("24");
    const Status status = army.model.Add(0);
    ASSERT_FALSE(status.ok());
    EXPECT_EQ(status.failure().Message(), "Error in calculating cost!\r\nOverflow\r\nUnit line 2 (F0)");
    EXPECT_EQ(army.model.ArmyCost(), "1");
}

TEST(ArmyModel, RescanKeepsUnitsAndDropsRowsOfAFolderItCannotList)
{
    Army army("rescan", {"5"});
    army.Add(0, "1", "1");
    EXPECT_FALSE(army.model.Browse(WriteTestFile(army.dir, "plain", "x")).ok());
    EXPECT_TRUE(army.model.Available().empty());
    EXPECT_EQ(army.model.Units().size(), 1u);
    EXPECT_EQ(army.model.ArmyCost(), "5");
    EXPECT_TRUE(army.model.Browse("").ok());
}

// An army built, totalled and written with no editor: each added figure
// makes a new line or adds to the line of the same figure and size.
TEST(ArmyDocument, BuildsTotalsAndWritesWithoutAWindow)
{
    const struct
    {
        const char *figure, *cost, *count, *size, *total;
        std::size_t lines;
    } adds[] = {
        {"Knight;Blue", "12.5", "2", "3", "75", 1}, // ";" becomes ","
        {"Archer", "4", "3", "10", "195", 2},
        {"Knight;Blue", "12.5", "1", "3", "232", 2}, // 112.5 rounds to 112
        {"Archer", "4", "1", "5", "252", 3},
    };
    ArmyDocument army("figures", '.');
    army.SetName("North");
    ASSERT_TRUE(army.SetPointsLimit("250"));
    for (const auto &add : adds) {
        const FigureSummary figure{{add.figure, "Human", "Normal", add.cost, "Line", "5", "1",
                                    "7", "4", "None", "Sword", "Bow(4)", "", "Plate"}};
        army.AddUnits(figure, add.count, add.size);
        ASSERT_TRUE(army.Recalculate().ok());
        EXPECT_EQ(army.Total(), add.total) << add.figure;
        EXPECT_EQ(army.Units().size(), add.lines) << add.figure;
    }
    EXPECT_EQ(army.Balance().Text(), "2 over");
    const TestFolder folder;
    const std::string path = folder.File("north.tva");
    ASSERT_TRUE(army.Write(path).ok());
    const std::string written = ReadFileBytes(path).value_or("");
    ExpectGolden(written, "army/built_north.tva");
    const ArmyFileContent read = ParseArmyFile(written);
    EXPECT_EQ(read.units, army.Units().Vector());
    EXPECT_EQ(ArmyFileText(read.name, read.directory, ArmyUnits(read.units), read.pointsLimit),
              written);
}

// Saving and opening army files, good and bad.

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
    EXPECT_EQ(saved.Caption(), "Army Creator");
    ASSERT_FALSE(saved.WriteArmy((dir / "missing" / "north.tva").string()).ok());
    EXPECT_EQ(saved.Caption(), "Army Creator");
    ASSERT_TRUE(saved.WriteArmy(path).ok());
    EXPECT_FALSE(saved.Changed());
    EXPECT_EQ(saved.Caption(), "Army Creator");

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
    // Saving keeps the name the army had when it was opened.
    opened.SetArmyName("South");
    ASSERT_TRUE(opened.WriteArmy((dir / "south.tva").string()).ok());
    EXPECT_EQ(opened.Caption(), "Army: North \xC6rmy");
}

TEST(ArmyFile, ANewDirectoryReplacesLineTwoAndKeepsEveryOtherByte)
{
    const struct
    {
        std::string bytes, expected;
    } cases[] = {
        {"N\r\n/usr/f\r\nH\r\n" + kUnit + "\r\n", "N\r\n/home/p/f\r\nH\r\n" + kUnit + "\r\n"},
        {"N\n\nH\n", "N\n/home/p/f\nH\n"},
        {"N\rold\rH", "N\r/home/p/f\rH"},
        {"N\r\nold", "N\r\n/home/p/f"},
        {"N\r\n", "N\r\n"},
        {"N", "N"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(WithArmyDirectory(c.bytes, "/home/p/f"), c.expected) << c.bytes;
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
         "Subscript out of range\r\nLine 5 of the file", 1, "0"},
        {"an empty line", kHead + kUnit + "\r\n\r\n" + kUnit + "\r\n",
         "Subscript out of range\r\nLine 5 of the file", 1, "0"},
        {"counts that are no numbers", kHead + "abc;5;K;;;10;;;;;;;;;;\r\n2;x;K;;;10;;;;;;;;;;\r\n", "",
         2, "0"},
        {"a count of 0 first", kHead + "0;99;Z;;;1;;;;;;;;;;\r\n" + kUnit + "\r\n", "", 1, "100"},
        {"a 10 MB line", kHead + longLine + "\r\n", "Subscript out of range\r\nLine 4 of the file", 0,
         "0"},
        {"no file", "", "File not found", 0, "0"},
        {"a 10 MB name", longLine + "\r\nnowhere\r\nh\r\n" + kUnit, "", 1, "100"},
        {"lone line ends", "Host\nnowhere\rh\n" + kUnit, "", 1, "100"},
    };
    const auto dir = FreshTestFolder("open");
    for (const OpenCase &c : cases) {
        const std::string path = c.description == "File not found"
                                     ? (dir / "none.tva").string()
                                     : WriteTestFile(dir, "case.tva", c.bytes);
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
        // A save would put what was read in place of the whole file.
        EXPECT_EQ(model.ReadIncompletely(), !c.description.empty()) << c.what;
    }
}

// A count or size change on a large army: the list is told the one line,
// the total follows from the lines' kept points, and the undo steps share
// the lines they did not change.
TEST(ArmyFile, ChangesOfALargeArmyCopyOnlyTheLineTheyChange)
{
    std::string bytes = kHead;
    for (int i = 0; i < 20000; ++i)
        bytes += "1;1;Line " + std::to_string(i) + std::string(200, 'n') + ";;;2.5;;;;;;;;;;\r\n";
    const auto dir = FreshTestFolder("large");
    const std::string path = WriteTestFile(dir, "large.tva", bytes);
    bytes.clear();
    bytes.shrink_to_fit();
    const long long before = LiveHeapBytes();
    ArmyModel model("", '.');
    ASSERT_TRUE(model.Open(path).ok());
    const long long opened = LiveHeapBytes();
    EXPECT_EQ(model.ArmyCost(), "40000"); // 2.5 a line rounds to 2, halves to even
    ASSERT_TRUE(model.SelectUnit(12345).ok());
    for (const auto &[count, size, total] : {std::tuple{"3", "", "40006"}, {"", "2", "40014"}}) {
        const std::uint64_t revision = model.UnitsRevision();
        ASSERT_TRUE((*count ? model.SetUnitCount(count) : model.SetUnitSize(size)).ok());
        EXPECT_EQ(model.UnitsRevision(), revision + 1);
        EXPECT_EQ(model.ChangedLine(), 12345);
        EXPECT_EQ(model.ArmyCost(), total);
    }
    EXPECT_LT(LiveHeapBytes() - opened, (opened - before) / 20);
    ASSERT_TRUE(model.Undo().ok());
    EXPECT_EQ(model.ArmyCost(), "40006");
    EXPECT_EQ(model.Units()[12345].Size(), "1");
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

TEST(ArmyFile, CountZeroLinesGoInOnePassHoweverManyThereAre)
{
    const auto dir = FreshTestFolder("zeros");
    // The line shown first and every count-0 line after it at the front go;
    // a count-0 line behind a kept line stays, as it always did.
    std::string text = kHead;
    for (int i = 0; i < 40000; ++i)
        text += "0;1;Z;;;1;;;;;;;;;;\r\n";
    text += kUnit + "\r\n0;1;Later;;;1;;;;;;;;;;\r\n";
    ArmyModel model("elsewhere", '.');
    const std::uint64_t before = model.UnitsRevision();
    ASSERT_TRUE(model.Open(WriteTestFile(dir, "zeros.tva", text)).ok());
    ASSERT_EQ(model.Units().size(), 2u);
    EXPECT_EQ(model.Units()[1].Summary(kFigureName), "Later");
    // The list changed a fixed number of times, not once per line deleted.
    EXPECT_LE(model.UnitsRevision() - before, 3u);
}

TEST(ArmyFile, NegativeCountsSizesAndCostsAreNamedAfterOpening)
{
    const auto dir = FreshTestFolder("negative");
    const struct
    {
        std::string lines;
        std::string notice;
    } cases[] = {
        {kUnit + "\r\n", ""},
        {"-2;1;Orc;;;3;;;;;;;;;;\r\n1;-4;Elf;;;3;;;;;;;;;;\r\n1;1;Man;;;-5;;;;;;;;;;\r\n",
         "The army has negative counts, unit sizes or costs in lines 1 (Orc), 2 (Elf), 3 (Man). "
         "They are counted as they are, so the total is lower than the other lines cost."},
    };
    for (const auto &c : cases) {
        ArmyModel model("elsewhere", '.');
        ASSERT_TRUE(model.Open(WriteTestFile(dir, "n.tva", kHead + c.lines)).ok());
        EXPECT_EQ(model.NegativeValuesNotice(), c.notice);
    }
    std::string many = kHead;
    for (int i = 0; i < 12; ++i)
        many += "-1;1;N;;;1;;;;;;;;;;\r\n";
    ArmyModel model("elsewhere", '.');
    ASSERT_TRUE(model.Open(WriteTestFile(dir, "many.tva", many)).ok());
    EXPECT_NE(model.NegativeValuesNotice().find("10 (N) and 2 more."), std::string::npos);
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

// The summary of a figure file and the scan of a folder of figure files.

struct SummaryCase
{
    const char *what;
    std::string file;
    std::vector<std::string> fields;
};

TEST(ArmySummary, ReadsKeysListsAndDefaults)
{
    const std::string none = "<none>";
    const std::vector<SummaryCase> cases = {
        {"every field",
         "[Figure]\r\ntxtFigureName=Archer\r\ncboRace=Elf\r\ncboFigureType=Soldier\r\n"
         "txtFinalCost=12.5\r\ncboTrainingLevel=Elite\r\ntxtAdjustedHitFactor=7\r\n"
         "txtHitPoints=2\r\ntxtBaseMorale=8\r\ntxtMove=10\r\ncboCommandSkill=None\r\n"
         "cboArmorType=Leather\r\n[MeleeWeapon1]\r\nName=Dagger\r\n[MeleeWeapon2]\r\nName=Sword\r\n"
         "[MissileWeapon1]\r\nName=Longbow\r\nShots=2\r\n[MissileWeapon2]\r\nName=Sling\r\n"
         "Shots=0\r\n[MissileWeapon3]\r\nName=Dart\r\n[MissileWeapon4]\r\nName=Net\r\nShots=0.5\r\n"
         "[ExtraItem1]\r\nName=Banner\r\n[ImageProperties]\r\nWidth=1\r\nHeight=1\r\n"
         "[ImagePixels]\r\n0_0=255\r\n",
         {"Archer", "Elf", "Soldier", "12.5", "Elite", "7", "2", "8", "10", "None",
          "Dagger|Sword", "Longbow(2)|Sling|Dart|Net", "Banner", "Leather"}},
        {"a gap ends a list; keys match without regard to case",
         "[figure]\r\nTXTFIGURENAME = Axe \r\n[MeleeWeapon1]\r\nName=A\r\n[MeleeWeapon3]\r\nName=C\r\n"
         "[missileweapon1]\r\nname=B\r\nshots=3\r\n",
         {"Axe", none, none, none, none, none, none, none, none, none, "A", "B(3)", "", none}},
        {"no Figure section", "garbage\r\n[Other]\r\nx=1\r\n",
         {none, none, none, none, none, none, none, none, none, none, "", "", "", none}},
        {"a section after the picture is still found",
         "[Figure]\r\ntxtFigureName=Late\r\n[ImagePixels]\r\n0_0=1\r\n1_0=2\r\n[ExtraItem1]\r\n"
         "Name=Horn\r\n",
         {"Late", none, none, none, none, none, none, none, none, none, "", "", "Horn", none}},
    };
    for (const SummaryCase &c : cases) {
        const FigureSummary summary = FigureSummaryFromBytes(c.file);
        EXPECT_EQ(std::vector<std::string>(summary.fields.begin(), summary.fields.end()),
                  c.fields)
            << c.what;
    }
}

TEST(ArmySummary, ScanListsFigureFilesOfAnyCaseOnly)
{
    const auto dir = FreshTestFolder("scan");
    WriteTestFile(dir, "b.TVF", FigureText("B", "2"));
    WriteTestFile(dir, "a.tvf", FigureText("A", "1"));
    WriteTestFile(dir, "c.tvf.bak", FigureText("C", "3"));
    WriteTestFile(dir, "damaged.tvf", std::string("\0\xff[\r[[=\n\x80", 9));
    std::filesystem::create_directories(dir / "folder.tvf");
    const auto scanned = ScanFigureFolder(dir.string());
    ASSERT_TRUE(scanned.ok());
    std::vector<std::string> names;
    for (const FigureSummary &s : scanned.value())
        names.push_back(s.fields[kFigureName]);
    EXPECT_EQ(names, (std::vector<std::string>{"A", "B", "<none>"}));

    const auto missing = ScanFigureFolder((dir / "missing").string());
    ASSERT_TRUE(missing.ok());
    EXPECT_TRUE(missing.value().empty());
}

// The army report: its export text and its printed calls.

ArmyUnit Unit(std::initializer_list<const char *> fields)
{
    ArmyUnit unit;
    std::size_t i = 0;
    for (const char *field : fields)
        unit.fields[i++] = field;
    return unit;
}

ArmyReportData TwoUnits()
{
    return {"Host",
            "365",
            {Unit({"3", "10", "Knight", "Human", "Hero", "12", "Elite", "7", "3", "9", "8", "None",
                   "Sword|Axe|Mace", "Bow(2)", "", "Plate"}),
             Unit({"1", "2", "Scout", "Elf", "Soldier", "2.5", "Green", "4", "1", "6", "12", "none",
                   "Dagger||Knife", "", "Horn", ""})}};
}

// A character is 6 twips wide per point (a fifth more in bold), a line 20
// twips high per point.
RecordingPrinter ArmyPrinter(double pageHeight = 15000)
{
    RecordingPrinter printer;
    printer.pageHeight = pageHeight;
    printer.widthOf = [](const std::string &text, const RecordingPrinter::Font &font) {
        return double(text.size()) * 6.0 * font.size * (font.bold ? 1.2 : 1.0);
    };
    printer.heightOf = [](const std::string &, const RecordingPrinter::Font &font) { return 20.0 * font.size; };
    return printer;
}

// Every print as "x,y size[b][i] text", new pages and the document's end by name.
std::vector<std::string> Log(const RecordingPrinter &printer)
{
    using Op = RecordingPrinter::Op;
    std::vector<std::string> log;
    for (const RecordingPrinter::Call &c : printer.calls) {
        char place[96];
        std::snprintf(place, sizeof place, "%g,%g %g%s%s ", c.x, c.y, double(c.font.size),
                      c.font.bold ? "b" : "", c.font.italic ? "i" : "");
        if (c.op == Op::Print || c.op == Op::NewPage || c.op == Op::EndDoc || c.op == Op::KillDoc)
            log.push_back(c.op == Op::Print ? place + c.text : c.op == Op::NewPage ? "NewPage"
                                                   : c.op == Op::EndDoc           ? "EndDoc"
                                                                                  : "KillDoc");
    }
    return log;
}

TEST(ArmyReport, ExportTextMatchesGolden)
{
    const Result<std::string> text = ArmyExportText(TwoUnits(), '.');
    ASSERT_TRUE(text.ok());
    ExpectGolden(text.value(), "army/export_two_units.txt");
    EXPECT_EQ(ArmyExportText({"", "0", {}}, '.').value(), " (0 pts)");
}

TEST(ArmyReport, CostsFollowTheLocaleAndStopAtNoNumber)
{
    ArmyReportData data = TwoUnits();
    data.units.resize(1);
    data.units[0].fields[5] = "2,5";
    const Result<std::string> comma = ArmyExportText(data, ',');
    ASSERT_TRUE(comma.ok());
    EXPECT_NE(comma.value().find("Unit Cost : 25\tTotal Cost : 75\r\n"), std::string::npos);
    for (const char *cost : {"<none>", "2.5", ""}) {
        data.units[0].fields[5] = cost;
        EXPECT_FALSE(ArmyExportText(data, ',').ok()) << cost;
    }
    RecordingPrinter printer = ArmyPrinter();
    data.units[0].fields[5] = "<none>";
    EXPECT_FALSE(PrintArmyReport(printer, data, '.').ok());
    EXPECT_EQ(Log(printer).back(), "KillDoc");
    EXPECT_EQ(Log(printer).size(), 6u); // name, cost, unit name, count and size, KillDoc
}

TEST(ArmyReport, PrintedUnitCrossesPages)
{
    RecordingPrinter printer = ArmyPrinter(2500);
    ASSERT_TRUE(PrintArmyReport(printer, TwoUnits(), '.').ok());
    std::string calls;
    for (const std::string &call : Log(printer))
        calls += call + '\n';
    ExpectGolden(calls, "army/print_two_units.txt");
}

} // namespace
} // namespace tarvello
