// Workcell tool tables as they grow: writing n pending entries through the active
// operation (kelt2pMfg::ToolAdd2Wcell) and reading a workcell of n entries with use
// marking against n NC sequences (kelt2pWcell::ToolList(0)), for 200 and 2,000 entries.
// The per-entry figures of the two sizes should stay near each other.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "bench_support.h"
#include "kelt2proe/mfg.h"
#include "kelt2proe/simhost/control.h"

namespace {

namespace fs = std::filesystem;

std::string toolId(int i) {
    return "T" + std::to_string(10000 + i);
}

// job.mfg with `count` tools and one operation on workcell MILL; with `tables`, the
// workcell holds every tool in table 1 and one NC sequence uses each entry.
void writeJob(const fs::path& file, int count, bool tables) {
    std::ofstream out(file);
    out << R"({"format": 1, "type": "MFG", "tools": [)";
    for (int i = 0; i < count; ++i) {
        out << (i ? "," : "") << R"({"id": ")" << toolId(i)
            << R"(", "type": 10, "parameters": {"CUTTER_DIAM": 10.0, "GAUGE_X_LENGTH": 5.0}})";
    }
    out << R"(], "workcells": [{"id": 10, "name": "MILL", "type": 1, "tool_tables": [)";
    if (tables) {
        out << R"({"head": 1, "entries": [)";
        for (int i = 0; i < count; ++i) {
            out << (i ? "," : "") << "[[1, " << i + 1 << R"(], [2, ")" << toolId(i) << R"("], [3, )"
                << i + 1 << R"(], [4, "entry"]])";
        }
        out << "]}";
    }
    out << R"(]}], "operations": [{"id": 20, "name": "OP010", "workcell": "MILL"}],)";
    out << R"( "nc_sequences": [)";
    for (int i = 0; tables && i < count; ++i) {
        out << (i ? "," : "") << R"({"name": "NC)" << i << R"(", "operation": "OP010", "tool": ")"
            << toolId(i) << R"(", "head": 1, "position": )" << i + 1 << "}";
    }
    out << R"(], "active_operation": "OP010"})";
}

// A scratch directory holding job.mfg, and a host session started there that this
// process is connected to.
fs::path prepare(int count, bool tables) {
    fs::path dir = benchkit::scratchDir("tooltable", count);
    writeJob(dir / "job.mfg", count, tables);
    benchkit::startHost(dir);
    return dir;
}

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
