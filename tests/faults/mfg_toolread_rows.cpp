// Fault-sweep rows of reading the workcell tool tables, with and without marking the
// entries that NC sequences use.
#include <ProToolkit.h>

#include <string>

#include "faults/mfg_scene.h"
#include "kelt2proe/error.h"
#include "support/host_fixture.h"

namespace {

using namespace testkit;
using mfgscene::failed;
using mfgscene::kMillEntries;
using mfgscene::Phase;
using mfgscene::threw;

Ardo::kelt2pMfg mfg;
Ardo::kelt2pWcell wcell;
Ardo::kelt2pOperation operation;
int count = 0;

// Where the phases of a read begin in the undisturbed run: the marking of ToolList(0);
// for ToolList(operation), the reading of the operation's workcell and its marking.
Phase markingStart;
Phase operationReadStart;
Phase operationMarkingStart;

void loadMill() {
    mfgscene::loadJob(mfg);
    wcell = mfgscene::workcell(mfg, "MILL5");
    operation = mfg.OperCurrent();
    count = -1;
}

// Reading the tables: the tree and the tables element have texts of their own; "not
// found" for a tool's parameter or type is an answer. `before` holds the calls that come
// before the reading.
Outcome tableRead(const Phase* before, const HostCall& call, int code) {
    const int first = (before != nullptr ? before->count(call.function) : 0) + 1;
    if (call.isRelease() || call.isTextConversion()) {
        return Outcome::nothing();
    }
    if (call.function == "ProFeatureElemtreeCreate") {
        return Outcome::toolkit(code, "ardotk::ToolListWcell");
    }
    if (call.occurrence == first && failed(call, {"ProElempathAlloc", "ProElempathDataSet",
                                                  "ProElemtreeElementGet", "ProElementIsArray"})) {
        return Outcome::toolkit(code, "NO PRO_E_TOOL_TABLES");
    }
    if (code == PRO_TK_E_NOT_FOUND && failed(call, {"ProToolParamGet", "ProToolTypeGet"})) {
        return Outcome::nothing();
    }
    return Outcome::toolkit(code, "");
}

// Marking: the NC sequences are searched; one whose elements cannot be read is passed
// over, and so is one whose tree cannot be made unless an operation was named.
Outcome marking(bool ofOperation, const HostCall& call, int code) {
    if (call.function == "ProMfgSolidGet") {
        return Outcome::toolkit(code, "");
    }
    if (call.function == "ProStringToWstring") {
        return Outcome::toolkit(PRO_TK_GENERAL_ERROR, "UNBEKANNTER FEHLER");
    }
    if (call.function == "ProSolidFeatVisit" && code == PRO_TK_E_NOT_FOUND) {
        return Outcome::nothing();
    }
    if (failed(call, {"ProSolidFeatVisit", "ProFeatureStatusGet", "ProFeatureIsNcseq"})) {
        return Outcome::toolkit(code, "ardotk::FeatureSearch");
    }
    if (ofOperation && call.function == "ProFeatureElemtreeCreate") {
        return Outcome::toolkit(code, "");
    }
    return Outcome::nothing();
}

// The job's two entries are both used by an NC sequence, unless the search answered
// "not found" (none) or a failure passed one NC sequence over.
int marksLeft(const Phase& markingStart, const HostCall& call, int code) {
    if (markingStart.holds(call) || call.isRelease() || call.isTextConversion()) {
        return 2;
    }
    if (call.function == "ProSolidFeatVisit") {
        return code == PRO_TK_E_NOT_FOUND ? 0 : 2;
    }
    return 1;
}

// What a read left in the workcell tool list: both entries, their ids unless a
// conversion was refused, the drill's gauge from its tool parameter unless that read
// was answered "not found", and the marks (none without `markingStart`).
SweepRow::Check listed(const Phase* markingStart) {
    return [markingStart](const HostCall& call, int code, const Outcome& outcome) {
        if (threw(outcome)) {
            return;
        }
        ASSERT_EQ(count, kMillEntries);
        const bool idRefused = call.isTextConversion() && call.entry == "ProWstringToString EM_12";
        EXPECT_STREQ(wcell.ToolListAt(0).toolId, idRefused ? "" : "EM_12");
        const bool gaugeAnswered =
            code == PRO_TK_E_NOT_FOUND && call.entry == "ProToolParamGet 1:DRILL_8 GAUGE_X_LENGTH";
        EXPECT_EQ(wcell.ToolListAt(1).gauge[0][0], gaugeAnswered ? 0.0 : 120.0);
        const int marks = wcell.ToolListAt(0).inUse + wcell.ToolListAt(1).inUse;
        EXPECT_EQ(marks, markingStart != nullptr ? marksLeft(*markingStart, call, code) : 0);
    };
}

std::vector<SweepRow> readRows() {
    return {
        {"Ardo::kelt2pWcell::ToolList()", loadMill, [] { count = wcell.ToolList(); },
         [](const HostCall& call, int code) { return tableRead(nullptr, call, code); },
         listed(nullptr)},
        {"Ardo::kelt2pWcell::ToolList(int)",
         [] {
             loadMill();
             if (!markingStart.measured()) {
                 markingStart.measure([] { wcell.ToolList(0); }, "ProMfgSolidGet", 1);
             }
         },
         [] { count = wcell.ToolList(0); },
         [](const HostCall& call, int code) {
             return markingStart.holds(call) ? tableRead(nullptr, call, code)
                                             : marking(false, call, code);
         },
         listed(&markingStart)},
        {"Ardo::kelt2pWcell::ToolListAt(int) const",
         [] {
             loadMill();
             wcell.ToolList();
         },
         [] { wcell.ToolListAt(1); }},
        // Through the operation: its workcell is found first; the marks then count only
        // its NC sequences (both of the job's).
        {"Ardo::kelt2pWcell::ToolList(Ardo::kelt2pOperation const&)",
         [] {
             loadMill();
             if (!operationMarkingStart.measured()) {
                 operationReadStart.measure([] { wcell.ToolList(operation); },
                                            "ProFeatureElemtreeCreate", 1);
                 operationMarkingStart.measure([] { wcell.ToolList(operation); }, "ProMfgSolidGet",
                                               2);
             }
         },
         [] { count = wcell.ToolList(operation); },
         [](const HostCall& call, int code) {
             if (operationReadStart.holds(call)) {
                 return call.isRelease() ? Outcome::nothing() : Outcome::toolkit(code, "");
             }
             return operationMarkingStart.holds(call) ? tableRead(&operationReadStart, call, code)
                                                      : marking(true, call, code);
         },
         listed(&operationMarkingStart)},
    };
}
SWEEP_ROWS(readRows);

}  // namespace
