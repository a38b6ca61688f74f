#include "faults/mfg_scene.h"

#include <ProFeature.h>
#include <ProMdl.h>
#include <ProParameter.h>
#include <ProTool.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <numeric>
#include <stdexcept>

#include <gtest/gtest.h>

#include "kelt2proe/simhost/control.h"
#include "simhost/mfg_helpers.h"

namespace mfgscene {

namespace {

using testkit::Expectation;
using testkit::HostCall;

// Small enough for every step of the longest sweeps to reload it: the milling workcell
// has one entry per table, the lathe one empty table.
const char* const kJob = R"({"format": 1, "type": "MFG",
  "features": {"list": [{"id": 1, "type": 979, "name": "MACH_ZERO", "items": [{"id": 2, "type": 25}]}]},
  "tools": [
    {"id": "EM_12", "type": 10, "parameters": {"CUTTER_DIAM": 12.0, "GAUGE_Z_LENGTH": 110.5}},
    {"id": "DRILL_8", "type": 1, "parameters": {"GAUGE_X_LENGTH": 120.0, "TIP1_DIAMETER": 8.0}},
    {"id": "TAP_M8", "type": 32768, "model": {"name": "TAP_M8", "type": "PRT"}}],
  "workcells": [
    {"id": 10, "name": "MILL5", "type": 1, "axes": 5,
     "parameters": {"CONTROLLER": "TNC640", "LOCATION": "HALL 2"},
     "comments": ["five axes", "two spindles"],
     "tool_tables": [
       {"head": 1, "entries": [[[1, 1], [2, "EM_12"], [3, 1], [4, "end mill"]]]},
       {"head": 2, "entries": [[[1, 5], [2, "DRILL_8"], [3, 5], [4, "drill"]]]}]},
    {"id": 11, "name": "LATHE", "type": 2, "axes": 2, "lathe_direction": 1,
     "tool_tables": [{"head": 1, "entries": []}]}],
  "operations": [{"id": 20, "name": "OP010", "workcell": "MILL5", "origin": "MACH_ZERO",
                  "comments": ["first clamping"]}],
  "nc_sequences": [
    {"id": 21, "name": "FACE", "operation": "OP010", "tool": "EM_12", "head": 1, "position": 1},
    {"id": 22, "name": "HOLES", "operation": "OP010", "tool": "DRILL_8", "head": 2, "position": 5}],
  "active_operation": "OP010"})";

const char* const kToolModel = R"({"format": 1, "type": "PRT",
  "parameters": {"model": [{"name": "TOOL_TYPE", "type": "string", "value": "TAPPING"}]}})";

// Writes `content` to `path` unless the file holds it already: most steps leave the files
// as they were, and writing is far slower than reading.
void provideFile(const char* path, const std::string& content) {
    std::ifstream in(path, std::ios::binary);
    std::string held((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!in.is_open() || held != content) {
        testkit::writeTextFile(path, content);
    }
}

}  // namespace

void loadJob(Ardo::kelt2pMfg& mfg) {
    testkit::freshHost();
    provideFile("job.mfg", kJob);
    provideFile("tap_m8.prt", kToolModel);
    mfg = Ardo::kelt2pMfg();
    mfg.Load("job");
}

Ardo::kelt2pWcell workcell(Ardo::kelt2pMfg& mfg, const char* name) {
    mfg.WcellList(name);
    return mfg.WcellList(0);
}

Ardo::kelt2pTool paramTool(const char* id) {
    Ardo::kelt2pTool tool;
    tool.IdSet(id);
    tool.TypeSet(Ardo::KELT2P_TOOL_END_MILL);
    tool.ToolParamAdd("CUTTER_DIAM", 20.0);
    return tool;
}

Ardo::kelt2pTool modelTool(const char* id) {
    Ardo::kelt2pMdl model;
    model.Load("tap_m8", Ardo::KELT2P_MDL_PART, false);
    Ardo::kelt2pTool tool;
    const bool named = id[0] == '\0';
    if (!named) {
        tool.IdSet(id);
    }
    tool.ModelSet(model, 1, named);
    return tool;
}

namespace {

ProMdl hostJob() {
    ProName jobName = L"JOB";
    ProMdl job = nullptr;
    ProMdlInit(jobName, PRO_MDL_MFG, &job);
    return job;
}

// The parameter TOOL_ID of a feature of the job.
ProError hostToolIdInit(int featureId, ProParameter& param) {
    ProFeature feature{};
    ProFeatureInit(static_cast<ProSolid>(hostJob()), featureId, &feature);
    ProName name = L"TOOL_ID";
    return ProParameterInit(&feature, name, &param);
}

// The entry counts of the tables of workcell `wcellId`, one per table.
std::vector<int> hostTableSizes(int wcellId) {
    std::vector<int> sizes;
    ProElement tree = mfgtest::tree(hostJob(), wcellId);
    for (int index = 0; tree != nullptr; ++index) {
        ProElement entries = mfgtest::at(tree, {491, -index - 1, 493});
        int size = 0;
        if (entries == nullptr ||
            ProElementArrayCount(entries, nullptr, &size) != PRO_TK_NO_ERROR) {
            break;
        }
        sizes.push_back(size);
    }
    ProElementFree(&tree);
    return sizes;
}

}  // namespace

bool hostHasTool(const char* id) {
    ProMdl job = hostJob();
    std::wstring wide(id, id + std::char_traits<char>::length(id));
    ProTool tool = mfgtest::tool(job, wide);
    return job != nullptr && ProToolVerify(&tool) == PRO_TK_NO_ERROR;
}

void hostToolIdRemove(int ncseqId) {
    ProParameter param{};
    if (hostToolIdInit(ncseqId, param) != PRO_TK_NO_ERROR ||
        ProParameterDelete(&param) != PRO_TK_NO_ERROR) {
        throw std::runtime_error("cannot remove TOOL_ID");
    }
}

std::string hostToolId(int ncseqId) {
    ProParameter param{};
    ProParamvalue value{};
    if (hostToolIdInit(ncseqId, param) != PRO_TK_NO_ERROR ||
        ProParameterValueGet(&param, &value) != PRO_TK_NO_ERROR || value.type != PRO_PARAM_STRING) {
        return "<none>";
    }
    std::wstring text = value.value.s_val;
    return std::string(text.begin(), text.end());
}

int hostTables(int wcellId) {
    return static_cast<int>(hostTableSizes(wcellId).size());
}

int hostEntries(int wcellId) {
    std::vector<int> sizes = hostTableSizes(wcellId);
    return std::accumulate(sizes.begin(), sizes.end(), 0);
}

void Phase::measure(const std::function<void()>& run, const std::string& function, int n) {
    simhost::clearJournal();
    run();
    counts_.clear();
    int seen = 0;
    for (const std::string& entry : simhost::journal()) {
        const std::string name = entry.substr(0, entry.find(' '));
        if (name == function && ++seen == n) {
            break;
        }
        ++counts_[name];
    }
    measured_ = true;
}

int Phase::count(const std::string& function) const {
    auto found = counts_.find(function);
    return found == counts_.end() ? 0 : found->second;
}

Expectation exceptFor(Expectation base, std::initializer_list<const char*> functions,
                      Expectation other) {
    std::vector<std::string> names(functions.begin(), functions.end());
    return testkit::exceptWhen(
        std::move(base),
        [names](const HostCall& call, int) {
            return std::find(names.begin(), names.end(), call.function) != names.end();
        },
        std::move(other));
}

Expectation exceptCall(Expectation base, const std::string& function, int occurrence,
                       Expectation other) {
    return testkit::exceptWhen(
        std::move(base),
        [function, occurrence](const HostCall& call, int) {
            return call.function == function && call.occurrence == occurrence;
        },
        std::move(other));
}

Expectation quietFreesAndTexts(Expectation base) {
    return testkit::exceptWhen(
        std::move(base),
        [](const HostCall& call, int) { return call.isRelease() || call.isTextConversion(); },
        testkit::swallows());
}

Expectation answerOn(Expectation base, const std::string& function, int code, Expectation answer) {
    return testkit::exceptWhen(
        std::move(base),
        [function, code](const HostCall& call, int failedCode) {
            return call.function == function && failedCode == code;
        },
        std::move(answer));
}

Expectation toolCreation() {
    return testkit::except(testkit::throwsLibrary("Ardo::Tool::Create"), "ProToolVerify",
                           testkit::swallows());
}

Expectation advisoryAttribute(Expectation base) {
    Expectation advisory =
        testkit::except(std::move(base), "ProToolElemAttrSet", testkit::swallows());
    advisory = exceptCall(advisory, "ProElementAlloc", 1, testkit::swallows());
    return exceptCall(advisory, "ProToolinputElemAdd", 1, testkit::swallows());
}

void expectToolMade(const char* id, const HostCall& call, const testkit::Outcome& outcome) {
    EXPECT_EQ(hostHasTool(id), !threw(outcome) || failed(call, {"ProToolinputFree"}));
}

bool failed(const HostCall& call, std::initializer_list<const char*> functions) {
    return std::find(functions.begin(), functions.end(), call.function) != functions.end();
}

bool threw(const testkit::Outcome& outcome) {
    return outcome.thrown != testkit::Outcome::Thrown::Nothing;
}

}  // namespace mfgscene
