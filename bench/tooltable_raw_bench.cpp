// The host calls that the tool-table operations make, issued directly: the sequence of
// kelt2pMfg::ToolAdd2Wcell (n entries of head 1 into the active operation's workcell)
// and that of kelt2pWcell::ToolList(0) (n entries read and marked against n NC
// sequences). BM_ToolAdd2Wcell / BM_ToolAdd2WcellRaw and BM_WcellToolList /
// BM_WcellToolListRaw at one size is the library's own share. Before measuring, each
// benchmark checks that its sequence journals exactly the calls of the library operation.
#include <ProArray.h>
#include <ProElement.h>
#include <ProElempath.h>
#include <ProFeature.h>
#include <ProMfg.h>
#include <ProMfgoper.h>
#include <ProNcseq.h>
#include <ProSolid.h>
#include <ProTool.h>
#include <ProUtil.h>
#include <ProValue.h>
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

namespace {

namespace fs = std::filesystem;
using tooltablebench::jobHandle;
using tooltablebench::prepare;
using tooltablebench::toolId;

constexpr int kElemOperWcell = 190;
constexpr int kElemTables = 491;
constexpr int kElemHead = 492;
constexpr int kElemEntries = 493;
constexpr int kElemEntry = 494;
constexpr int kElemPair = 495;
constexpr int kElemKey = 496;
constexpr int kElemValue = 497;
constexpr int kElemTable = 510;
constexpr int kElemNcseqTool = 153;
constexpr int kElemNcseqPosition = 3186;

// ---- Element-tree steps, one host call each, as the library's wrappers make them.

ProElempath pathTo(int id) {
    ProElempath path = nullptr;
    ProElempathAlloc(&path);
    ProElempathItem item{};
    item.type = PRO_ELEM_PATH_ITEM_TYPE_ID;
    item.path_item.elem_id = id;
    ProElempathDataSet(path, &item, 1);
    return path;
}

ProElement childOf(ProElement tree, int id) {
    ProElempath path = pathTo(id);
    ProElement element = nullptr;
    ProElemtreeElementGet(tree, path, &element);
    ProElempathFree(&path);
    return element;
}

ProValueData valueOf(ProElement element) {
    ProValue value = nullptr;
    ProElementValueGet(element, &value);
    ProValueData data{};
    ProValueDataGet(value, &data);
    return data;
}

std::vector<ProElement> membersOf(ProElement array) {
    ProElement* members = nullptr;
    ProElementArrayGet(array, nullptr, &members);
    int count = 0;
    ProArraySizeGet(members, &count);
    std::vector<ProElement> out(members, members + count);
    ProArray untyped = members;
    ProArrayFree(&untyped);
    return out;
}

int memberCount(ProElement array) {
    int count = 0;
    ProElementArrayCount(array, nullptr, &count);
    return count;
}

ProElement alloc(int id) {
    ProElement element = nullptr;
    ProElementAlloc(id, &element);
    return element;
}

ProElement integerElement(int id, int value) {
    ProElement element = alloc(id);
    ProElementIntegerSet(element, value);
    return element;
}

ProElement add(ProElement parent, ProElement child) {
    ProElemtreeElementAdd(parent, nullptr, child);
    return child;
}

void addPair(ProElement entry, int key, ProElement value) {
    ProElement pair = alloc(kElemPair);
    add(pair, integerElement(kElemKey, key));
    add(pair, value);
    add(entry, pair);
}

ProElement textElement(int id, const std::wstring& text) {
    ProElement element = alloc(id);
    ProElementWstringSet(element, const_cast<wchar_t*>(text.c_str()));
    return element;
}

// ---- kelt2pMfg::ToolAdd2Wcell

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

void BM_ToolAdd2WcellRaw(benchmark::State& state) {
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
        for (auto _ : state) {
            state.PauseTiming();
            Ardo::kelt2pMfg mfg = loadWithPending(count);
            ProMdl handle = jobHandle();
            simhost::clearJournal();
            state.ResumeTiming();
            writeRaw(handle, input);
            state.PauseTiming();
            mfg.Erase();
            simhost::clearJournal();
            state.ResumeTiming();
        }
    } catch (...) {
        state.SkipWithError("setting up the job failed");
    }
    state.SetItemsProcessed(state.iterations() * count);
    benchkit::finish(dir);
}
BENCHMARK(BM_ToolAdd2WcellRaw)->Arg(200)->Arg(2000)->Unit(benchmark::kMillisecond);

// ---- kelt2pWcell::ToolList(0)

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

void BM_WcellToolListRaw(benchmark::State& state) {
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
        simhost::clearJournal();
        library.ToolList(0);
        std::vector<std::string> libraryCalls = simhost::journal();
        simhost::clearJournal();
        readRaw(handle, wcell);
        if (simhost::journal() != libraryCalls) {
            state.SkipWithError("the raw sequence differs from the library's calls");
        }
        for (auto _ : state) {
            if (readRaw(handle, wcell) != count) {
                state.SkipWithError("wrong tool list");
                break;
            }
            state.PauseTiming();
            simhost::clearJournal();
            state.ResumeTiming();
        }
    } catch (...) {
        state.SkipWithError("setting up the job failed");
    }
    state.SetItemsProcessed(state.iterations() * count);
    benchkit::finish(dir);
}
BENCHMARK(BM_WcellToolListRaw)->Arg(200)->Arg(2000)->Unit(benchmark::kMillisecond);

}  // namespace
