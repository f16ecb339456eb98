#include "tableedit/tabledocument.h"
#include "tableedit/tableedits.h"
#include "platform/history.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <malloc.h>
#include <string>

namespace {

// A melee-weapons-like table of rows lines.
std::string TableBytes(std::int64_t rows)
{
    std::string bytes = "Name;MaxDamage;Notes\r\n";
    for (std::int64_t r = 0; r < rows; ++r)
        bytes += "Weapon " + std::to_string(r) + ";" + std::to_string(r % 12) + ";Note \xE9 " + std::to_string(r) + "\r\n";
    return bytes;
}

std::string TempFile(const char *name)
{
    return (std::filesystem::temp_directory_path() / name).string();
}

// Reading a table file from disk into the editor's document.
void BM_TableRead(benchmark::State &state)
{
    const std::string path = TempFile("tarvello_bench_read.skv");
    if (!WriteTableDocument(tarvello::TableDocument::FromBytes(TableBytes(state.range(0))), path).ok())
        state.SkipWithError("cannot write the table");
    for (auto _ : state) {
        auto document = tarvello::ReadTableDocument(path);
        benchmark::DoNotOptimize(document);
    }
}
BENCHMARK(BM_TableRead)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// Saving a table with one changed cell (every line written anew).
void BM_TableSave(benchmark::State &state)
{
    tarvello::TableDocument document = tarvello::TableDocument::FromBytes(TableBytes(state.range(0)));
    (void)document.SetCell(0, 0, "Changed");
    const std::string path = TempFile("tarvello_bench_save.skv");
    for (auto _ : state) {
        if (!WriteTableDocument(document, path).ok())
            state.SkipWithError("cannot save the table");
    }
}
BENCHMARK(BM_TableSave)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// Reading and saving 1,000 lines of 1,000 fields each.
void BM_TableWideLines(benchmark::State &state)
{
    std::string bytes;
    for (int r = 0; r <= 1000; ++r) {
        for (int f = 0; f < 1000; ++f)
            bytes += (f ? ";" : "") + std::to_string(r * 7 + f);
        bytes += "\r\n";
    }
    const std::string path = TempFile("tarvello_bench_wide.skv");
    for (auto _ : state) {
        tarvello::TableDocument document = tarvello::TableDocument::FromBytes(bytes);
        (void)document.SetCell(999, 0, "Changed");
        if (!WriteTableDocument(document, path).ok())
            state.SkipWithError("cannot save the table");
    }
}
BENCHMARK(BM_TableWideLines)->Unit(benchmark::kMillisecond);

// Pasting a megabyte of tab-separated lines.
void BM_TablePaste(benchmark::State &state)
{
    std::string text;
    while (text.size() < 1000000)
        text += "Club\t2\tstray\nline\r\n";
    for (auto _ : state) {
        tarvello::TableDocument document = tarvello::TableDocument::FromBytes("A;B\r\n");
        tarvello::PasteRows(document, 0, tarvello::SplitPastedText(text));
        benchmark::DoNotOptimize(document);
    }
}
BENCHMARK(BM_TablePaste)->Unit(benchmark::kMillisecond);

// Pasting 200,000 lines at the top of a 200,000-row table.
void BM_TablePasteAtTop(benchmark::State &state)
{
    const std::string bytes = TableBytes(200000);
    std::string text;
    for (int r = 0; r < 200000; ++r)
        text += "Pasted " + std::to_string(r) + "\t3\r\n";
    for (auto _ : state) {
        state.PauseTiming();
        tarvello::TableDocument document = tarvello::TableDocument::FromBytes(bytes);
        state.ResumeTiming();
        tarvello::PasteRows(document, 0, tarvello::SplitPastedText(text));
        benchmark::DoNotOptimize(document);
    }
}
BENCHMARK(BM_TablePasteAtTop)->Unit(benchmark::kMillisecond);

// Deleting the top 100,000 rows of a 200,000-row table.
void BM_TableDeleteTopHalf(benchmark::State &state)
{
    const std::string bytes = TableBytes(200000);
    for (auto _ : state) {
        state.PauseTiming();
        tarvello::TableDocument document = tarvello::TableDocument::FromBytes(bytes);
        state.ResumeTiming();
        (void)tarvello::DeleteRows(document, 0, 99999, 0);
        benchmark::DoNotOptimize(document);
    }
}
BENCHMARK(BM_TableDeleteTopHalf)->Unit(benchmark::kMillisecond);

// Bytes the program holds on its heap.
std::int64_t HeapInUse()
{
    const struct mallinfo2 info = mallinfo2();
    return static_cast<std::int64_t>(info.uordblks + info.hblkhd);
}

// 100 cell edits of a table of range(0) rows recorded as undo steps: the
// memory the steps hold, per step and beside the document's bytes.
void BM_TableUndoMemoryPerStep(benchmark::State &state)
{
    const std::string bytes = TableBytes(state.range(0));
    std::int64_t perStep = 0;
    for (auto _ : state) {
        tarvello::TableDocument document = tarvello::TableDocument::FromBytes(bytes);
        tarvello::History<tarvello::TableDocument> history;
        history.Reset(document);
        const std::int64_t before = HeapInUse();
        for (std::size_t step = 0; step < 100; ++step) {
            (void)document.SetCell(step * 1009 % document.RowCount(), 1, "edit " + std::to_string(step));
            history.Record("Edit Cell", document);
        }
        perStep = (HeapInUse() - before) / 100;
        benchmark::DoNotOptimize(history);
    }
    state.counters["bytes_per_step"] = static_cast<double>(perStep);
    state.counters["document_bytes"] = static_cast<double>(bytes.size());
}
BENCHMARK(BM_TableUndoMemoryPerStep)->Arg(100000)->Arg(1800000)->Unit(benchmark::kMillisecond);

} // namespace
