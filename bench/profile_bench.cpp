#include "platform/fileio.h"
#include "platform/modini.h"
#include "platform/profiledocument.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;

constexpr int kSide = 1000;

// A figure file with a 1000 x 1000 picture: one pixel line per pixel.
std::string FigureText()
{
    std::string text = "[Figure]\r\nName=x\r\n";
    for (int i = 0; i < 48; ++i)
        text += "txtField" + std::to_string(i) + "=" + std::to_string(i * 7) + "\r\n";
    text += "[ImageProperties]\r\nWidth=1024\r\nHeight=1024\r\n[ImagePixels]\r\n";
    text.reserve(text.size() + std::size_t(kSide) * kSide * 18);
    std::uint32_t colour = 12345;
    for (int x = 0; x < kSide; ++x) {
        for (int y = 0; y < kSide; ++y) {
            colour = colour * 1103515245u + 12345u;
            text += std::to_string(x);
            text += '_';
            text += std::to_string(y);
            text += '=';
            text += std::to_string((colour >> 5) % 16777215u);
            text += "\r\n";
        }
    }
    return text;
}

// The figure file, written once per run in its own temporary folder.
const std::string &FigurePath()
{
    static const std::string path = [] {
        const fs::path dir = fs::temp_directory_path()
                             / ("tarvello_profile_bench_"
                                + std::to_string(std::chrono::steady_clock::now()
                                                     .time_since_epoch()
                                                     .count()));
        fs::create_directories(dir);
        const std::string file = (dir / "big.tvf").string();
        if (!tarvello::WriteFileAtomically(file, FigureText()).ok())
            std::fprintf(stderr, "could not write %s\n", file.c_str());
        return file;
    }();
    return path;
}

void BM_ProfileLoad(benchmark::State &state)
{
    const std::string &path = FigurePath();
    for (auto _ : state) {
        tarvello::ProfileDocument doc;
        if (!doc.Load(path).ok())
            state.SkipWithError("load failed");
        benchmark::DoNotOptimize(doc.Read("Figure", "Name", ""));
    }
    state.SetBytesProcessed(state.iterations() * std::int64_t(fs::file_size(path)));
}
BENCHMARK(BM_ProfileLoad)->Unit(benchmark::kMillisecond);

void BM_ProfileQuery(benchmark::State &state)
{
    tarvello::ProfileDocument doc;
    if (!doc.Load(FigurePath()).ok())
        state.SkipWithError("load failed");
    for (auto _ : state) {
        std::size_t total = 0;
        for (int i = 0; i < 50; ++i)
            total += doc.Read("figure", "TXTFIELD" + std::to_string(i), "").size();
        doc.ForEachEntry("ImagePixels", [&total](const tarvello::ProfileLine &line) {
            total += line.value.size();
        });
        benchmark::DoNotOptimize(total);
    }
}
BENCHMARK(BM_ProfileQuery)->Unit(benchmark::kMillisecond);

// Key lookups inside the pixel section. The section's index is built on the
// first lookup, before the timing: timed, that one lookup would outweigh the
// rest and leave a single iteration whose time swings from run to run.
void BM_ProfilePixelLookup(benchmark::State &state)
{
    tarvello::ProfileDocument doc;
    if (!doc.Load(FigurePath()).ok())
        state.SkipWithError("load failed");
    benchmark::DoNotOptimize(doc.Read("ImagePixels", "0_0", ""));
    int n = 0;
    for (auto _ : state) {
        const std::string key = std::to_string(n % kSide) + "_" + std::to_string((n * 7) % kSide);
        benchmark::DoNotOptimize(doc.Read("ImagePixels", key, ""));
        ++n;
    }
}
BENCHMARK(BM_ProfilePixelLookup);

void BM_ProfileSave(benchmark::State &state)
{
    tarvello::ProfileDocument doc;
    if (!doc.Load(FigurePath()).ok())
        state.SkipWithError("load failed");
    const std::string out = FigurePath() + ".out";
    for (auto _ : state)
        benchmark::DoNotOptimize(doc.Save(out));
    fs::remove(out);
}
BENCHMARK(BM_ProfileSave)->Unit(benchmark::kMillisecond);

// One ReadIni of a key of the first section of the big file.
void BM_ReadIniFirstSection(benchmark::State &state)
{
    const std::string &path = FigurePath();
    for (auto _ : state)
        benchmark::DoNotOptimize(tarvello::ReadIni("Figure", "txtField40", "", path));
}
BENCHMARK(BM_ReadIniFirstSection)->Unit(benchmark::kMicrosecond);

// Reading the bytes and counting lines, for comparison with Load.
void BM_ReadBytesCountLines(benchmark::State &state)
{
    const std::string &path = FigurePath();
    for (auto _ : state) {
        const std::string bytes = *tarvello::ReadFileBytes(path);
        std::size_t lines = 0;
        for (const char c : bytes)
            lines += c == '\n';
        benchmark::DoNotOptimize(lines);
    }
}
BENCHMARK(BM_ReadBytesCountLines)->Unit(benchmark::kMillisecond);

} // namespace
