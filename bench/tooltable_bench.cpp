// Workcell tool tables as they grow: writing n pending entries through the active
// operation (kelt2pMfg::ToolAdd2Wcell) and reading a workcell of n entries with use
// marking against n NC sequences (kelt2pWcell::ToolList(0)), for 200 and 2,000 entries.
// The per-entry figures of the two sizes should stay near each other.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "bench_support.h"
#include "kelt2proe/mfg.h"
#include "kelt2proe/simhost/control.h"
#include "tooltable_job.h"

namespace {

namespace fs = std::filesystem;
using tooltablebench::prepare;
using tooltablebench::toolId;

void BM_ToolAdd2Wcell(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    fs::path dir = prepare(count, false);
    Ardo::kelt2pTool tool;
    tool.TypeSet(Ardo::KELT2P_TOOL_END_MILL);
    try {
        for (auto _ : state) {
            state.PauseTiming();
            Ardo::kelt2pMfg mfg;
            mfg.Load("job");
            mfg.ToolAdd2WcellToolListInit();
            for (int i = 0; i < count; ++i) {
                tool.IdSet(toolId(i).c_str());
                mfg.ToolAdd2WcellToolList(tool, Ardo::KELT2P_HEAD_1, i + 1, i + 1, "entry");
            }
            simhost::clearJournal();
            state.ResumeTiming();
            mfg.ToolAdd2Wcell();
            state.PauseTiming();
            mfg.Erase();
            simhost::clearJournal();
            state.ResumeTiming();
        }
    } catch (...) {
        state.SkipWithError("tool-table write failed");
    }
    state.SetItemsProcessed(state.iterations() * count);
    benchkit::finish(dir);
}
BENCHMARK(BM_ToolAdd2Wcell)->Arg(200)->Arg(2000)->Unit(benchmark::kMillisecond);

void BM_WcellToolList(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    fs::path dir = prepare(count, true);
    try {
        Ardo::kelt2pMfg mfg;
        mfg.Load("job");
        mfg.WcellList("MILL");
        Ardo::kelt2pWcell wcell = mfg.WcellList(0);
        for (auto _ : state) {
            if (wcell.ToolList(0) != count || !wcell.ToolListAt(count - 1).inUse) {
                state.SkipWithError("wrong tool list");
                break;
            }
            state.PauseTiming();
            simhost::clearJournal();
            state.ResumeTiming();
        }
    } catch (...) {
        state.SkipWithError("tool-table read failed");
    }
    state.SetItemsProcessed(state.iterations() * count);
    benchkit::finish(dir);
}
BENCHMARK(BM_WcellToolList)->Arg(200)->Arg(2000)->Unit(benchmark::kMillisecond);

}  // namespace
