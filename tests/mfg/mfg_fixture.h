// Manufacturing jobs in model files for the tests: a milling job with two operations,
// a workcell with two tool tables, NC sequences and tools, and variants of it.
#pragma once

#include <string>

#include "kelt2proe/kelt2proe.h"
#include "support/expect.h"

namespace mfgtest {

// The sections of a job file; each is the JSON text of its value.
struct Job {
    std::string tools =
        R"([{"id": "EM_12", "type": 10, "parameters": {"CUTTER_DIAM": 12.0, "GAUGE_Z_LENGTH": 110.5}},
            {"id": "DRILL_8", "type": 1, "parameters": {"CUTTER_DIAM": 8.0, "GAUGE_X_LENGTH": 120.0}},
            {"id": "BALL_6", "type": 11, "parameters": {"CUTTER_DIAM": 6.0}}])";
    std::string features =
        R"({"list": [{"id": 1, "type": 979, "name": "MACH_ZERO", "items": [{"id": 2, "type": 25}]}]})";
    std::string workcells =
        R"([{"id": 10, "name": "MILL5", "type": 1, "axes": 5,
             "parameters": {"CONTROLLER": "TNC640", "LOCATION": "HALL 2"},
             "comments": ["five axes", "two spindles"],
             "tool_tables": [
               {"head": 1, "entries": [[[1, 1], [2, "EM_12"], [3, 1], [4, "end mill"]],
                                       [[1, 5], [2, "DRILL_8"], [3, 5], [4, "drill"], [7, 5.0]]]},
               {"head": 2, "entries": [[[1, 1], [2, "BALL_6"], [3, 21], [4, "ball"]]]}]}])";
    std::string operations =
        R"([{"id": 20, "name": "OP010", "workcell": "MILL5", "origin": "MACH_ZERO",
             "parameters": {"STOCK_MATERIAL": "ALMG3", "NCL_FILE": "op010.ncl", "PARTNO": "4711"},
             "comments": ["first clamping", "top side"]}])";
    std::string ncSequences =
        R"([{"id": 21, "name": "FACE", "operation": "OP010", "tool": "EM_12", "head": 1, "position": 1},
            {"id": 22, "name": "HOLES", "operation": "OP010", "tool": "DRILL_8", "head": 1, "position": 5}])";
    std::string active = R"("OP010")";
    // The "components" section, written only when not empty.
    std::string components;

    std::string text() const;
};

// A workcell entry of the workcells section with the given tables (JSON array text).
std::string workcellWith(int id, const std::string& name, int type, const std::string& tables);

class MfgTest : public testkit::HostTest {
protected:
    // Writes `job` as "job.mfg", launches and connects a host and loads the job.
    void loadJob(const Job& job = Job());
    // A tool described by parameters.
    static Ardo::kelt2pTool paramTool(const char* id, double diameter = 10.0);

    Ardo::kelt2pMfg mfg;
    // Objects the host had handed out before the job was loaded (earlier tests may have
    // left some behind with a refused free).
    long liveBaseline = 0;
};

// The first workcell whose name matches `name`.
Ardo::kelt2pWcell workcellNamed(Ardo::kelt2pMfg& mfg, const char* name);

}  // namespace mfgtest

#include <ProTool.h>

namespace mfgtest {
// The host's handle of tool `id` of the loaded job (raw toolkit calls).
ProTool hostTool(const char* id);
// The host's value of parameter `name` of tool `id`; type 0 when it has none.
ProParamvalue hostToolParam(const char* id, const char* name);
}  // namespace mfgtest
