#include "tableedit/behaviourmove.h"
#include "tableedit/tabledocument.h"
#include "tableedit/tableeditormodel.h"
#include "tableedit/tableedits.h"
#include "platform/history.h"
#include "tableedit/tableprint.h"

#include "allocationcounter.h"
#include "recordingprinter.h"
#include "testfolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

namespace tarvello {
namespace {

using Cells = std::vector<std::string>;

Cells RowOf(const TableDocument &document, std::size_t row)
{
    Cells cells;
    for (std::size_t c = 0; c < document.ColumnCount(); ++c)
        cells.push_back(document.Cell(row, c));
    return cells;
}

std::vector<Cells> RowsOf(const TableDocument &document)
{
    std::vector<Cells> rows;
    for (std::size_t r = 0; r < document.RowCount(); ++r)
        rows.push_back(RowOf(document, r));
    return rows;
}

TEST(TableDocument, ReadsCaptionsAndEveryLineAsARow)
{
    const TableDocument document = TableDocument::FromBytes(
        "A;B;C;D;E\r\nx;y;z\r\n\r\n1;2;3;4;5;6;7\nlast\xE9\rend");
    EXPECT_EQ(document.Captions(), (Cells{"A", "B", "C", "D", "E"}));
    EXPECT_EQ(RowsOf(document), (std::vector<Cells>{{"x", "y", "z", "", ""},
                                                   {"", "", "", "", ""},
                                                   {"1", "2", "3", "4", "5"},
                                                   {"last\xE9", "", "", "", ""},
                                                   {"end", "", "", "", ""}}));
}

TEST(TableDocument, UnchangedDocumentGivesBackItsBytes)
{
    for (const std::string &bytes : {std::string("A;B\r\nx;y\r\n"), std::string("A;B\rx\ny;z;w"),
                                    std::string(), std::string("\x80\xFF;\0\r\n", 6)}) {
        const TableDocument document = TableDocument::FromBytes(bytes);
        EXPECT_TRUE(document.Pristine());
        EXPECT_EQ(document.ToBytes(), bytes);
    }
}

TEST(TableDocument, WritesChangedRowsJoinedAndKeepsUnchangedLines)
{
    TableDocument document = TableDocument::FromBytes("N;M;O\r\nx;y;z\r\n\r\nshort\r\nw;v;u;hidden\r\n");
    EXPECT_FALSE(document.SetCell(0, 0, "x"));
    EXPECT_TRUE(document.Pristine());
    ASSERT_TRUE(document.SetCell(0, 0, ""));
    document.InsertRow(4, {"a", "b", "c", "d"});
    document.InsertRow(5, {});
    EXPECT_EQ(document.ToBytes(), "N;M;O\r\n;y;z\r\n\r\nshort\r\nw;v;u;hidden\r\na;b;c\r\n\r\n");
    ASSERT_TRUE(document.SetCell(3, 1, "V"));
    document.RemoveRow(2);
    EXPECT_EQ(document.ToBytes(), "N;M;O\r\n;y;z\r\n\r\nw;V;u\r\na;b;c\r\n\r\n");
}

TEST(TableDocument, FilesThatCannotBeReadOrWrittenGiveTheirMessages)
{
    TestFolder dir;
    std::filesystem::create_directories(dir.File("folder.skv"));
    const std::string folder = dir.File("folder.skv");
    const Result<TableDocument> read = ReadTableDocument(folder);
    ASSERT_FALSE(read.ok());
    EXPECT_EQ(read.failure().sentence, "Errors in table " + folder);
    // An empty file has no header line to give the columns.
    const std::string empty = WriteTestFile(dir.Path(), "empty.skv", "");
    const Result<TableDocument> none = ReadTableDocument(empty);
    ASSERT_FALSE(none.ok());
    EXPECT_EQ(none.failure().sentence, "Errors in table " + empty);
    const Status written = WriteTableDocument(TableDocument::FromBytes("A\r\n"), folder);
    ASSERT_FALSE(written.ok());
    EXPECT_EQ(written.failure().Message(),
              "Error in savin resource file " + folder + "\r\nPath/File access error");

    const std::string file = dir.File("t.skv");
    TableDocument document = TableDocument::FromBytes("A;B\r\n1;2\r\n");
    ASSERT_TRUE(document.SetCell(0, 1, "\xE9"));
    ASSERT_TRUE(WriteTableDocument(document, file).ok());
    const Result<TableDocument> back = ReadTableDocument(file);
    ASSERT_TRUE(back.ok());
    EXPECT_EQ(back.value().ToBytes(), "A;B\r\n1;\xE9\r\n");
}

// A melee-weapons-like table of rows lines.
std::string WeaponTable(int rows)
{
    std::string bytes = "Name;MaxDamage;Notes\r\n";
    for (int r = 0; r < rows; ++r)
        bytes += "Weapon " + std::to_string(r) + ";" + std::to_string(r % 12) + ";Note " + std::to_string(r) + "\r\n";
    return bytes;
}

TEST(TableDocument, AWideHeaderOverShortLinesTakesMemoryInProportionToTheFile)
{
    std::string bytes = std::string(5000, ';') + "\r\n";
    for (int r = 0; r < 2000; ++r)
        bytes += "x;1\r\n";
    const long long before = LiveHeapBytes();
    TableDocument document = TableDocument::FromBytes(bytes);
    EXPECT_LT(LiveHeapBytes() - before, 64LL * static_cast<long long>(bytes.size()));
    EXPECT_EQ(document.ColumnCount(), kMaxShownColumns);
    EXPECT_EQ(document.Cell(1999, 1), "1");
    EXPECT_EQ(document.Cell(1999, 999), "");
    EXPECT_EQ(document.ToBytes(), bytes);
    // A changed row is written with a field for every column; the header
    // keeps the fields beyond them.
    ASSERT_TRUE(document.SetCell(0, 2, "y"));
    const std::string written = document.ToBytes();
    EXPECT_EQ(written.substr(0, 5002), bytes.substr(0, 5002));
    const std::string first = written.substr(5002, written.find("\r\n", 5002) - 5002);
    EXPECT_EQ(first, "x;1;y" + std::string(kMaxShownColumns - 3, ';'));
    EXPECT_EQ(TableDocument::FromBytes(written).Cell(1, 1), "1");
}

TEST(TableDocument, AnEditedRowKeepsItsFieldsUnderTheCaptionsBeyondTheShownColumns)
{
    // 1,002 captions; the first row has fields in columns 1,000 and 1,001 and
    // one beyond the captions.
    const std::string shown = std::string(kMaxShownColumns - 1, ';');
    const std::string bytes = std::string(kMaxShownColumns + 1, ';') + "\r\na" + shown
                              + ";h1;h2;beyond\r\nc" + shown + ";k1\r\n";
    TableDocument document = TableDocument::FromBytes(bytes);
    ASSERT_TRUE(document.SetCell(0, 0, "b"));
    ASSERT_TRUE(document.SetCell(1, 1, "x"));
    EXPECT_EQ(document.ToBytes(), std::string(kMaxShownColumns + 1, ';') + "\r\nb" + shown
                                      + ";h1;h2\r\nc;x" + shown.substr(1) + ";k1\r\n");
}

TEST(TableEdits, PasteAndDeleteOfManyRowsAreOneSpliceEach)
{
    // 200,000 lines pasted at the top of a 200,000-row table, then the top
    // 100,000 rows deleted.
    TableDocument document = TableDocument::FromBytes(WeaponTable(200000));
    std::vector<std::vector<std::string>> pasted(200000, std::vector<std::string>{"P", "1"});
    pasted.back()[0] = "Last pasted";
    PasteRows(document, 0, std::move(pasted));
    ASSERT_EQ(document.RowCount(), 400000u);
    EXPECT_EQ(document.Cell(199999, 0), "Last pasted");
    EXPECT_EQ(document.Cell(200000, 0), "Weapon 0");
    EXPECT_EQ(DeleteRows(document, 0, 99999, 5), 5u);
    ASSERT_EQ(document.RowCount(), 300000u);
    EXPECT_EQ(document.Cell(99999, 0), "Last pasted");
    EXPECT_EQ(document.Cell(299999, 0), "Weapon 199999");
    const TableDocument back = TableDocument::FromBytes(document.ToBytes());
    EXPECT_EQ(back.RowCount(), 300000u);
    EXPECT_EQ(back.Cell(100000, 2), "Note 0");
}

TEST(TableUndo, AHundredStepsKeepOnlyWhatTheyChanged)
{
    // About 2.7 MB of table: each step shares every row block it did not
    // change with the steps before it.
    const std::string bytes = WeaponTable(100000);
    History<TableDocument> history;
    TableDocument document = TableDocument::FromBytes(bytes);
    history.Reset(document);
    const long long before = LiveHeapBytes();
    for (std::size_t step = 0; step < 100; ++step) {
        ASSERT_TRUE(document.SetCell(step * 997, 1, "edit " + std::to_string(step)));
        history.Record("Edit Cell", document);
    }
    EXPECT_LT(LiveHeapBytes() - before, static_cast<long long>(bytes.size()));
    for (int step = 0; step < 100; ++step)
        (void)history.Undo();
    EXPECT_EQ(history.Undo().ToBytes(), bytes);
    EXPECT_TRUE(history.AtSaved());
}

TEST(TableEdits, CopyTakesTheFirstTwoCellsOfTheSelectedRows)
{
    const TableDocument document = TableDocument::FromBytes("A;B;C\r\n1;2;3\r\n4;5;6\r\n7;8;9\r\n");
    EXPECT_EQ(CopyText(document, 1, 2), "4\t5\r\n7\t8");
    EXPECT_EQ(CopyText(TableDocument::FromBytes("A\r\nx\r\n"), 0, 0), "x\t");
}

TEST(TableEdits, DeleteRemovesRowsButOnlyEmptiesTheLastRow)
{
    struct Case
    {
        std::size_t top, bottom, current;
        std::vector<Cells> rows;
        std::size_t currentAfter;
    };
    const Case cases[] = {
        {1, 2, 1, {{"1", "2", "3"}, {"", "", "9"}}, 1},
        {0, 1, 1, {{"7", "8", "9"}}, 0},
        {1, 1, 1, {{"1", "2", "3"}, {"7", "8", "9"}}, 1},
        {2, 2, 2, {{"1", "2", "3"}, {"4", "5", "6"}, {"", "", "9"}}, 2},
    };
    for (const Case &c : cases) {
        TableDocument document = TableDocument::FromBytes("A;B;C\r\n1;2;3\r\n4;5;6\r\n7;8;9\r\n");
        EXPECT_EQ(DeleteRows(document, c.top, c.bottom, c.current), c.currentAfter);
        EXPECT_EQ(RowsOf(document), c.rows) << c.top << ".." << c.bottom;
    }
}

TEST(TableEdits, PasteSplitsLinesAndFields)
{
    const std::tuple<std::string, std::vector<Cells>> cases[] = {
        {"a\tb\r\nc\td\r\n", {{"a", "b"}, {"c", "d"}}},
        {"a\tb\r\nx", {{"a", "b"}}},
        {"a\tb\r\nxy", {{"a", "b"}, {"xy"}}},
        {"x\t", {{"x", ""}}},
        {"p\rq\nr;s\r\n\r\n", {{"p"}, {"q"}, {"r", "s"}, {""}}},
        {"", {}},
    };
    for (const auto &[text, rows] : cases)
        EXPECT_EQ(SplitPastedText(text), rows) << text;
}

TEST(TableEdits, PastedRowsStartAtTheSelectionRow)
{
    TableDocument document = TableDocument::FromBytes("A;B\r\n1;1\r\n2;2\r\n3;3\r\n");
    PasteRows(document, 2, SplitPastedText("p\tq\r\nr\ts\tt\r\nz"));
    EXPECT_EQ(RowsOf(document),
              (std::vector<Cells>{{"1", "1"}, {"2", "2"}, {"p", "q"}, {"r", "s"}, {"3", "3"}}));
}

TEST(BehaviourMove, MovesAndWrapsAround)
{
    const GridShape shape{4, 3, 1, 0}; // rows 1..3 and columns 0..2 are not fixed
    const std::tuple<int, GridCell, std::optional<GridCell>> cases[] = {
        {kBehaviourRight, {1, 0}, GridCell{1, 1}},
        {kBehaviourRight, {1, 2}, GridCell{2, 0}},
        {kBehaviourRight, {3, 2}, GridCell{1, 0}},
        {kBehaviourDown, {1, 1}, GridCell{2, 1}},
        {kBehaviourDown, {3, 1}, GridCell{1, 2}},
        {kBehaviourDown, {3, 2}, GridCell{1, 0}},
        {kBehaviourUp, {2, 1}, GridCell{1, 1}},
        {kBehaviourUp, {1, 1}, GridCell{3, 0}},
        {kBehaviourUp, {1, 0}, GridCell{3, 2}},
        {kBehaviourFocusGrid, {1, 0}, std::nullopt},
        {7, {1, 0}, std::nullopt},
    };
    for (const auto &[code, from, to] : cases)
        EXPECT_EQ(BehaviourMove(code, from, shape), to) << code << " " << from.row << "," << from.column;
    EXPECT_EQ(BehaviourMove(kBehaviourDown, {0, 0}, GridShape{1, 3, 1, 0}), std::nullopt);
}

// A table page 1500 twips high; text 100 twips wide per character, 200 high.
RecordingPrinter TablePrinter()
{
    RecordingPrinter printer;
    printer.pageHeight = 1500;
    printer.widthOf = [](const std::string &text, const RecordingPrinter::Font &) { return 100.0 * text.size(); };
    printer.heightOf = [](const std::string &, const RecordingPrinter::Font &) { return 200.0; };
    return printer;
}

TEST(PrintTable, PrintsCaptionHeaderAndRowsInColumns)
{
    const TableDocument document = TableDocument::FromBytes("N;M;O\r\na;b;c\r\nd;e;f\r\n");
    RecordingPrinter printer = TablePrinter();
    ASSERT_TRUE(PrintTable(printer, "Races", document).ok());
    ExpectGolden(printer.listing(), "table/print_races.txt");
    EXPECT_EQ(printer.count(RecordingPrinter::Op::EndDoc), 1);

    RecordingPrinter failing = TablePrinter();
    failing.failWhen = [](RecordingPrinter::Op op, const std::string &text) {
        return op == RecordingPrinter::Op::Print && text == "b";
    };
    const Status status = PrintTable(failing, "Races", document);
    ASSERT_FALSE(status.ok());
    EXPECT_EQ(status.failure().Message(), "Error printing table!\r\nPrinter failure");
    EXPECT_EQ(failing.count(RecordingPrinter::Op::KillDoc), 1);
    EXPECT_EQ(failing.count(RecordingPrinter::Op::EndDoc), 0);
    EXPECT_EQ(failing.prints().size(), 5u);
}


TEST(TableEditorModel, StepsUndoToTheBytesAndTheFlagFollowsTheSavedPoint)
{
    TestFolder dir;
    const std::string initial = "Name;Cost;Note\r\nA;1;x;hidden\r\nB;2\r\n";
    dir.Write("t.skv", initial);
    TableEditorModel model;
    ASSERT_TRUE(model.Open(dir.File("t.skv")).ok());
    EXPECT_FALSE(model.Changed());
    EXPECT_FALSE(model.SetCell(0, 1, "1")); // the same text: no step
    EXPECT_TRUE(model.SetCell(0, 1, "5"));
    model.InsertEmptyRow(1);
    ASSERT_TRUE(model.Save().ok() && !model.Changed());
    model.DeleteRows(0, 0, 0, "Delete Rows");
    model.PasteRows(0, SplitPastedText("C\t3\r\nD\t4\r\n"));
    model.PasteRows(0, {}); // nothing changed: no step
    const std::string final = model.Document().ToBytes();
    EXPECT_TRUE(model.Changed());
    EXPECT_EQ(model.UndoName(), "Paste");

    std::vector<std::string> undone;
    while (model.CanUndo()) {
        undone.push_back(model.UndoName());
        model.Undo();
        EXPECT_EQ(model.Changed(), undone.size() != 2) << undone.back();
    }
    EXPECT_EQ(undone, (std::vector<std::string>{"Paste", "Delete Rows", "Insert Row", "Edit Cell"}));
    EXPECT_EQ(model.Document().ToBytes(), initial);
    while (model.CanRedo())
        model.Redo();
    EXPECT_TRUE(model.Document().ToBytes() == final && model.Changed());
}

// A typed key marks the table even when nothing changes, and a command that
// changes nothing, or a table that cannot be read, leaves the mark as it was.
TEST(TableEditorModel, CommandsThatChangeNothingAndUnreadableTablesKeepTheFlag)
{
    TestFolder dir;
    dir.Write("t.skv", "Name;Cost\r\nSword;3\r\n;\r\n");
    TableEditorModel model;
    ASSERT_TRUE(model.Open(dir.File("t.skv")).ok());
    model.MarkChanged();
    model.DeleteRows(1, 1, 1, "Delete Rows"); // the last row, already empty
    model.PasteRows(0, {});
    model.Undo(); // nothing to take back
    EXPECT_TRUE(model.Changed() && !model.CanUndo());
    ASSERT_FALSE(model.Open(dir.Path()).ok());
    EXPECT_TRUE(model.Changed() && model.FileName().empty());
    model.InsertEmptyRow(0);
    EXPECT_EQ(model.Document().ToBytes(), "");
    EXPECT_FALSE(model.SaveAs(dir.Path()).ok()); // keeps the mark and the name chosen
    EXPECT_TRUE(model.Changed());
    EXPECT_EQ(model.FileName(), dir.Path());
}

} // namespace
} // namespace tarvello
