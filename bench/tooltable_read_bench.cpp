// Reading a workcell tool table: kelt2pWcell::ToolList(0) against its host calls issued
// directly (n entries read with their tools' parameters, and n NC sequences read for use
// marking), for 1,000 and 10,000 entries. Before measuring, the benchmark checks that the
// raw sequence journals exactly the calls of the library operation.
#include <ProFeature.h>
#include <ProMfg.h>
#include <ProNcseq.h>
#include <ProSolid.h>
#include <ProTool.h>
#include <ProUtil.h>
#include <benchmark/benchmark.h>

#include <climits>
#include <cstdio>
#include <cwchar>
#include <filesystem>
#include <string>
#include <vector>

#include "bench_support.h"
#include "kelt2proe/mfg.h"
#include "kelt2proe/simhost/control.h"
#include "tooltable_job.h"
#include "tooltable_raw_steps.h"

namespace {

namespace fs = std::filesystem;
using namespace tooltablebench;

struct ReadEntry {
    ProTool tool{};
    std::wstring comment;
    int head = 0;
    int position = 0;
};

void readToolParameters(const ProTool& tool) {
    static const char* const kNames[] = {"GAUGE_X_LENGTH", "GAUGE_Y_LENGTH", "GAUGE_Z_LENGTH",
                                         nullptr,          "TIP1_DIAMETER",  "TIP2_DIAMETER",
                                         "TIP3_DIAMETER",  "TIP4_DIAMETER",  "TIP5_DIAMETER",
                                         "TIP6_DIAMETER",  "TIP7_DIAMETER",  "TIP8_DIAMETER"};
    for (const char* name : kNames) {
        if (name == nullptr) {
            ProToolType type = PRO_TOOL_NONE;
            ProToolTypeGet(&tool, &type);
            continue;
        }
        ProCharName parameter = {};
        std::snprintf(parameter, sizeof parameter, "%s", name);
        ProParamvalue value{};
        ProToolParamGet(&tool, parameter, &value);
    }
}

ReadEntry readEntry(ProMdl mfg, ProElement row, int head) {
    ReadEntry entry;
    entry.tool.owner_mfg = static_cast<ProMfg>(mfg);
    entry.head = head;
    for (ProElement pair : membersOf(row)) {
        int key = valueOf(childOf(pair, kElemKey)).v.i;
        ProValueData value = valueOf(childOf(pair, kElemValue));
        if (key == 1) {
            entry.position = value.v.i;
        } else if (key == 2) {
            std::wcsncpy(entry.tool.tool_id, value.v.w, PRO_LINE_SIZE - 1);
        } else if (key == 4) {
            entry.comment = value.v.w;
        }
    }
    readToolParameters(entry.tool);
    return entry;
}

std::vector<ReadEntry> readTables(ProMdl mfg, ProFeature& wcell) {
    std::vector<ReadEntry> entries;
    ProElement tree = nullptr;
    ProFeatureElemtreeCreate(&wcell, &tree);
    ProElement tables = childOf(tree, kElemTables);
    ProBoolean isArray = PRO_B_FALSE;
    ProElementIsArray(tables, nullptr, &isArray);
    std::vector<ProElement> tableElems = membersOf(tables);
    memberCount(tables);
    for (ProElement table : tableElems) {
        int head = valueOf(childOf(table, kElemHead)).v.i;
        ProElement rows = childOf(table, kElemEntries);
        std::vector<ProElement> rowElems = membersOf(rows);
        entries.reserve(entries.size() + static_cast<std::size_t>(memberCount(rows)));
        for (ProElement row : rowElems) {
            entries.push_back(readEntry(mfg, row, head));
        }
    }
    ProElementFree(&tree);
    return entries;
}

ProError collectNcseq(ProFeature* feature, ProError, ProAppData data) {
    ProFeatStatus status = PRO_FEAT_INVALID;
    ProFeatureStatusGet(feature, &status);
    if (status == PRO_FEAT_ACTIVE || status == PRO_FEAT_UNREGENERATED) {
        ProBoolean ncseq = PRO_B_FALSE;
        ProFeatureIsNcseq(feature, &ncseq);
        if (ncseq == PRO_B_TRUE) {
            static_cast<std::vector<ProFeature>*>(data)->push_back(*feature);
        }
    }
    return PRO_TK_NO_ERROR;
}

// The tool id, head and position of every NC sequence; returns how many were read.
int readNcseqUses(ProMdl mfg) {
    ProSolid solid = nullptr;
    ProMfgSolidGet(static_cast<ProMfg>(mfg), &solid);
    wchar_t pattern[4];
    ProStringToWstring(pattern, const_cast<char*>(".*"));
    std::vector<ProFeature> ncseqs;
    ProSolidFeatVisit(solid, collectNcseq, nullptr, &ncseqs);
    int read = 0;
    for (ProFeature& ncseq : ncseqs) {
        ProElement tree = nullptr;
        ProFeatureElemtreeCreate(&ncseq, &tree);
        std::wstring tool = valueOf(childOf(tree, kElemNcseqTool)).v.w;
        int head = valueOf(childOf(tree, kElemHead)).v.i;
        int position = valueOf(childOf(tree, kElemNcseqPosition)).v.i;
        ProElementFree(&tree);
        read += !tool.empty() && head != 0 && position != 0;
    }
    return read;
}

int readRaw(ProMdl mfg, ProFeature& wcell) {
    std::vector<ReadEntry> entries = readTables(mfg, wcell);
    int uses = readNcseqUses(mfg);
    std::vector<char> narrow(256 * MB_LEN_MAX);
    for (ReadEntry& entry : entries) {
        ProWstringToString(narrow.data(), entry.tool.tool_id);
        ProWstringToString(narrow.data(), const_cast<wchar_t*>(entry.comment.c_str()));
    }
    return uses == static_cast<int>(entries.size()) ? uses : -1;
}

void BM_WcellToolList(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    fs::path dir = prepare(count, true);
    try {
        Ardo::kelt2pMfg mfg;
        mfg.Load("job");
        mfg.WcellList("MILL");
        Ardo::kelt2pWcell library = mfg.WcellList(0);
        ProMdl handle = jobHandle();
        ProSolid solid = nullptr;
        ProMfgSolidGet(static_cast<ProMfg>(handle), &solid);
        ProFeature wcell{};
        ProFeatureInit(solid, tooltablebench::kWcellId, &wcell);
        bool right = true;
        benchkit::Pair pair;
        pair.library = [&] { right = right && library.ToolList(0) == count; };
        pair.raw = [&] { right = right && readRaw(handle, wcell) == count; };
        if (!benchkit::sameHostCalls(pair.library, pair.raw)) {
            state.SkipWithError("the raw sequence differs from the library's calls");
        }
        benchkit::measurePair(state, count, pair);
        if (!right || !library.ToolListAt(count - 1).inUse) {
            state.SkipWithError("wrong tool list");
        }
    } catch (...) {
        state.SkipWithError("setting up the job failed");
    }
    benchkit::finish(dir);
}
BENCHMARK(BM_WcellToolList)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace
