// Writing a workcell tool table: kelt2pMfg::ToolAdd2Wcell with n pending entries of
// head 1 against the same host calls issued directly, for 1,000 and 10,000 entries.
// Before measuring, the benchmark checks that the raw sequence journals exactly the
// calls of the library operation.
#include <ProFeature.h>
#include <ProMfg.h>
#include <ProMfgoper.h>
#include <ProUtil.h>
#include <benchmark/benchmark.h>

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

struct WriteInput {
    std::vector<std::wstring> toolIds;
    std::wstring comment = L"entry";
};

ProFeature activeWorkcell(ProMdl mfg) {
    ProComment facade = L"?ToolAdd2Wcell@kelt2pMfg@Ardo@@QAEXXZ";
    ProComment implementation = L"?ToolAdd2Wcell@Mfg@Ardo@@QAEXXZ";
    ProTrailfileCommentWrite(facade);
    ProTrailfileCommentWrite(implementation);
    ProSolid solid = nullptr;
    ProMfgSolidGet(static_cast<ProMfg>(mfg), &solid);
    ProMfgoper operation{};
    ProMfgoperActiveGet(solid, &operation);
    ProElempath path = pathTo(kElemOperWcell);
    ProValue value = nullptr;
    ProFeatureElemValueGet(&operation, path, &value);
    ProElempathFree(&path);
    ProValueData data{};
    ProValueDataGet(value, &data);
    ProValueFree(value);
    ProFeature wcell{};
    ProFeatureInit(solid, data.v.i, &wcell);
    return wcell;
}

ProElement addTable(ProElement tables, int head) {
    ProElement table = add(tables, alloc(kElemTable));
    add(table, integerElement(kElemHead, head));
    add(table, alloc(kElemEntries));
    return table;
}

void writeRaw(ProMdl mfg, const WriteInput& input) {
    ProFeature wcell = activeWorkcell(mfg);
    ProElement tree = nullptr;
    ProFeatureElemtreeCreate(&wcell, &tree);
    ProElement tables = childOf(tree, kElemTables);
    ProBoolean isArray = PRO_B_FALSE;
    ProElementIsArray(tables, nullptr, &isArray);
    membersOf(tables);
    memberCount(tables);
    ProElement first = addTable(tables, 1);
    addTable(tables, 2);
    for (std::size_t i = 0; i < input.toolIds.size(); ++i) {
        const int number = static_cast<int>(i) + 1;
        ProElement rows = childOf(first, kElemEntries);
        ProElement entry = alloc(kElemEntry);
        addPair(entry, 1, integerElement(kElemValue, number));
        addPair(entry, 2, textElement(kElemValue, input.toolIds[i]));
        addPair(entry, 3, integerElement(kElemValue, number));
        addPair(entry, 4, textElement(kElemValue, input.comment));
        add(rows, entry);
    }
    ProFeatureCreateOptions options[] = {static_cast<ProFeatureCreateOptions>(0)};
    ProErrorlist errors{};
    ProFeatureRedefine(nullptr, &wcell, tree, options, 1, &errors);
    ProElementFree(&tree);
}

// The job loaded with `count` pending entries collected on the model, as the library
// benchmark makes it; the journal is cleared.
Ardo::kelt2pMfg loadWithPending(int count) {
    Ardo::kelt2pMfg mfg;
    mfg.Load("job");
    mfg.ToolAdd2WcellToolListInit();
    Ardo::kelt2pTool tool;
    tool.TypeSet(Ardo::KELT2P_TOOL_END_MILL);
    for (int i = 0; i < count; ++i) {
        tool.IdSet(toolId(i).c_str());
        mfg.ToolAdd2WcellToolList(tool, Ardo::KELT2P_HEAD_1, i + 1, i + 1, "entry");
    }
    simhost::clearJournal();
    return mfg;
}

// True when the raw sequence journals the calls of kelt2pMfg::ToolAdd2Wcell. Each runs
// in a fresh host session in `dir`, so that both see the same model handles.
bool sameWriteCalls(const fs::path& dir, const WriteInput& input) {
    const int count = static_cast<int>(input.toolIds.size());
    benchkit::startHost(dir);
    loadWithPending(count).ToolAdd2Wcell();
    std::vector<std::string> library = simhost::journal();
    benchkit::startHost(dir);
    Ardo::kelt2pMfg mfg = loadWithPending(count);
    ProMdl handle = jobHandle();
    simhost::clearJournal();
    writeRaw(handle, input);
    std::vector<std::string> raw = simhost::journal();
    benchkit::startHost(dir);
    return raw == library;
}

void BM_ToolAdd2Wcell(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    fs::path dir = prepare(count, false);
    WriteInput input;
    for (int i = 0; i < count; ++i) {
        std::string id = toolId(i);
        input.toolIds.emplace_back(id.begin(), id.end());
    }
    try {
        if (!sameWriteCalls(dir, input)) {
            state.SkipWithError("the raw sequence differs from the library's calls");
        }
        Ardo::kelt2pMfg mfg;
        ProMdl handle = nullptr;
        benchkit::Pair pair;
        pair.before = [&] {
            mfg = loadWithPending(count);
            handle = jobHandle();
        };
        pair.library = [&] { mfg.ToolAdd2Wcell(); };
        pair.raw = [&] { writeRaw(handle, input); };
        pair.after = [&] { mfg.Erase(); };
        benchkit::measurePair(state, count, pair);
    } catch (...) {
        state.SkipWithError("tool-table write failed");
    }
    benchkit::finish(dir);
}
BENCHMARK(BM_ToolAdd2Wcell)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace
