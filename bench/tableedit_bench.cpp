#include "tableedit/tabledocument.h"
#include "tableedit/tableedits.h"

#include <benchmark/benchmark.h>

#include <filesystem>
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

} // namespace
