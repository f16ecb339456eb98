#include "rules/modloaddata.h"

#include <benchmark/benchmark.h>

namespace {

// Start-up and Refresh Resources: the eleven shipped tables read from disk.
void BM_LoadAllTables(benchmark::State &state)
{
    tarvello::RulesTables tables;
    int failures = 0;
    for (auto _ : state) {
        tarvello::LoadAllTables(tables, TARVELLO_SHIPPED_DATA_DIR, ".",
                                [&](const tarvello::Failure &) { ++failures; });
        benchmark::DoNotOptimize(tables);
    }
    if (failures != 0)
        state.SkipWithError("the shipped tables did not load");
}
BENCHMARK(BM_LoadAllTables);

} // namespace
