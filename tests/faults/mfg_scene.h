// The manufacturing scene of the fault-sweep rows: a small job (one operation on a
// milling workcell with two tool tables, a lathe workcell, two NC sequences, three tools,
// one of them model-based) and its tool model, with the expectations and host probes
// the manufacturing rows share.
#pragma once

#include <functional>
#include <initializer_list>
#include <map>
#include <string>

#include "kelt2proe/kelt2proe.h"
#include "support/sweep_table.h"

namespace mfgscene {

// Feature ids of the job.
constexpr int kMillId = 10;
constexpr int kLatheId = 11;
constexpr int kFaceNcseqId = 21;
// Entries in the milling workcell's two tables.
constexpr int kMillEntries = 2;

// A fresh host with the job ("job.mfg") and the tool model ("tap_m8.prt") in the working
// directory; `mfg` is bound to the loaded job.
void loadJob(Ardo::kelt2pMfg& mfg);
// The workcell of the job named `name` ("MILL5", "LATHE").
Ardo::kelt2pWcell workcell(Ardo::kelt2pMfg& mfg, const char* name);
// A new end mill described by its parameters.
Ardo::kelt2pTool paramTool(const char* id);
// A tool described by the tool model TAP_M8, loaded into the session; with `id` empty the
// tool takes the model's name.
Ardo::kelt2pTool modelTool(const char* id);

// Host state read with the toolkit itself.
// Whether the job has a tool of `id`.
bool hostHasTool(const char* id);
// The parameter TOOL_ID of NC sequence `ncseqId`: removed, and its text ("<none>" when
// it has none).
void hostToolIdRemove(int ncseqId);
std::string hostToolId(int ncseqId);
// The number of tool tables of the workcell `wcellId`, and of the entries in them.
int hostTables(int wcellId);
int hostEntries(int wcellId);

// The calls of an operation's undisturbed run before a boundary, by function: tells the
// calls of one phase of the operation from later calls of the same functions.
class Phase {
public:
    // Runs `run` and notes the calls it makes before its `n`th call of `function`.
    void measure(const std::function<void()>& run, const std::string& function, int n);
    bool measured() const { return measured_; }
    // How many calls of `function` come before the boundary.
    int count(const std::string& function) const;
    // Whether `call` comes before the boundary.
    bool holds(const testkit::HostCall& call) const {
        return call.occurrence <= count(call.function);
    }

private:
    std::map<std::string, int> counts_;
    bool measured_ = false;
};

// `base`, with every call of the functions named expecting `other`.
testkit::Expectation exceptFor(testkit::Expectation base,
                               std::initializer_list<const char*> functions,
                               testkit::Expectation other);
// `base`, with the call `occurrence` of `function` expecting `other`.
testkit::Expectation exceptCall(testkit::Expectation base, const std::string& function,
                                int occurrence, testkit::Expectation other);
// `base`, with the releases and the text conversions swallowed: a free the host refuses
// leaves its object to the host, a refused conversion leaves an empty text.
testkit::Expectation quietFreesAndTexts(testkit::Expectation base);
// `answer` for the calls of `function` that fail with `code` (an answer such as "not
// found"), `base` for everything else.
testkit::Expectation answerOn(testkit::Expectation base, const std::string& function, int code,
                              testkit::Expectation answer);

// Creating a tool: whether it exists is an answer; every other step is examined, the
// release of the input included, and fails with "Ardo::Tool::Create".
testkit::Expectation toolCreation();
// `base` with the attribute of a model-based tool advisory: its element (the run's first
// allocated and added) is not examined.
testkit::Expectation advisoryAttribute(testkit::Expectation base);
// A creation that failed leaves no tool, unless the host made it before the release of
// the input failed.
void expectToolMade(const char* id, const testkit::HostCall& call, const testkit::Outcome& outcome);

// Whether the step failed a call of one of `functions`.
bool failed(const testkit::HostCall& call, std::initializer_list<const char*> functions);
bool threw(const testkit::Outcome& outcome);

}  // namespace mfgscene
