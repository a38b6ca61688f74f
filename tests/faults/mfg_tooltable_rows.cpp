// Fault-sweep rows of the workcell tool tables: collecting entries on a workcell or on
// the model, writing them and removing the tables.
#include <ProToolkit.h>

#include <cstring>
#include <functional>
#include <string>

#include "faults/mfg_scene.h"
#include "kelt2proe/error.h"
#include "support/host_fixture.h"

namespace {

using namespace testkit;
using mfgscene::exceptFor;
using mfgscene::failed;
using mfgscene::hostEntries;
using mfgscene::kLatheId;
using mfgscene::kMillEntries;
using mfgscene::kMillId;
using mfgscene::quietFreesAndTexts;
using mfgscene::threw;

Ardo::kelt2pMfg mfg;
Ardo::kelt2pWcell wcell;
Ardo::kelt2pTool tool;

void loadMill() {
    mfgscene::loadJob(mfg);
    wcell = mfgscene::workcell(mfg, "MILL5");
}

// The lathe: one empty table, of head 1.
void loadLathe() {
    mfgscene::loadJob(mfg);
    wcell = mfgscene::workcell(mfg, "LATHE");
}

// A record of two tips for head 1 at position 9: writing it takes the keys of every
// further tip.
Ardo::kelt2pMachTool twoTips() {
    Ardo::kelt2pMachTool record;
    record.position = 9;
    record.head = Ardo::KELT2P_HEAD_1;
    record.tipCount = 2;
    record.registers[0] = 9;
    record.registers[1] = 10;
    std::strcpy(record.comments[0], "first tip");
    std::strcpy(record.comments[1], "second tip");
    record.gauge[1][0] = 3.5;
    record.gauge[1][2] = 4.5;
    return record;
}

// Creating the tool of a new entry; a refused conversion leaves a comment of the entry
// empty.
Expectation entryCreation() {
    return except(mfgscene::toolCreation(), "ProStringToWstring", swallows());
}

// The entry is pending only when the append succeeded: `write` sends the pending list
// into the milling workcell, where it stands at `index`, its comment `comment` empty
// when that conversion (`conversion` of the run) was refused.
void expectPending(const std::function<void()>& write, int index, int tip, const char* comment,
                   int conversion, const HostCall& call, const Outcome& outcome) {
    write();
    ASSERT_EQ(hostEntries(kMillId), kMillEntries + (threw(outcome) ? 0 : 1));
    if (threw(outcome)) {
        return;
    }
    Ardo::kelt2pWcell written = mfgscene::workcell(mfg, "MILL5");
    written.ToolList();
    const bool refused = call.isTextConversion() && call.occurrence == conversion;
    EXPECT_STREQ(written.ToolListAt(index).comments[tip], refused ? "" : comment);
}

// Writing the pending list into a workcell: a tree that cannot be made is reported as no
// active operation, a refused redefinition with `redefineText`, element building by the
// toolkit.
Expectation tableWrite(const char* redefineText) {
    Expectation write = quietFreesAndTexts(throwsToolkit(""));
    write = except(write, "ProFeatureElemtreeCreate", throwsLibrary("no active operation found"));
    return except(write, "ProFeatureRedefine", throwsLibrary(redefineText));
}

// A failed write leaves the workcell `wcellId` (holding `entries`) and the pending list
// as they were: written again, the entries arrive once; a successful write emptied the
// list.
void expectPendingKept(const std::function<void()>& write, int wcellId, int entries,
                       int pendingEntries, const Outcome& outcome) {
    if (threw(outcome)) {
        EXPECT_EQ(hostEntries(wcellId), entries);
        write();
    }
    EXPECT_EQ(hostEntries(wcellId), entries + pendingEntries);
    write();
    EXPECT_EQ(hostEntries(wcellId), entries + pendingEntries);
}

// Removing the tables: the tree and the redefinition are examined, the path to the
// tables by the toolkit; the dumps of the tree and the addition of the empty tables
// element are not. A removal the host refuses leaves the tables in the tree beside the
// new, empty tables element, which the host refuses to take.
Expectation tableRemoval() {
    const char* text = "Ardo::Wcell::DeleteToolTable";
    Expectation removal = exceptFor(swallows(), {"ProFeatureElemtreeCreate", "ProFeatureRedefine"},
                                    throwsLibrary(text));
    removal = exceptFor(removal, {"ProElempathAlloc", "ProElempathDataSet"}, throwsToolkit(""));
    return except(removal, "ProElemtreeElementRemove",
                  throwsAlways(Outcome::library(PRO_TK_BAD_INPUTS, text)));
}

std::vector<SweepRow> modelPendingRows() {
    return {
        {"Ardo::kelt2pMfg::ToolAdd2WcellToolListInit()",
         [] {
             loadMill();
             tool = mfgscene::paramTool("NEW_EM");
             mfg.ToolAdd2WcellToolList(tool, Ardo::KELT2P_HEAD_1, 7, 7, "pending");
         },
         [] { mfg.ToolAdd2WcellToolListInit(); }},
        {"Ardo::kelt2pMfg::ToolAdd2WcellToolList(Ardo::kelt2pTool&, Ardo::kelt2pMachHead, int, "
         "int, char const*)",
         [] {
             loadMill();
             tool = mfgscene::paramTool("NEW_EM");
         },
         [] { mfg.ToolAdd2WcellToolList(tool, Ardo::KELT2P_HEAD_2, 7, 31, "new end mill"); },
         entryCreation(),
         [](const HostCall& call, int, const Outcome& outcome) {
             mfgscene::expectToolMade("NEW_EM", call, outcome);
             // Head 2: after the job's entry of that table.
             expectPending([] { mfg.ToolAdd2Wcell(); }, 2, 0, "new end mill", 1, call, outcome);
         }},
        {"Ardo::kelt2pMfg::ToolAdd2Wcell()",
         [] {
             loadMill();
             tool = mfgscene::paramTool("NEW_EM");
             mfg.ToolAdd2WcellToolList(tool, Ardo::KELT2P_HEAD_1, 7, 7, "pending");
             mfg.ToolAdd2WcellToolList(tool, Ardo::KELT2P_HEAD_2, 8, 8, "pending");
         },
         [] { mfg.ToolAdd2Wcell(); },
         exceptFor(except(except(tableWrite("Ardo::Mfg::ToolAdd2Wcell"), "ProMfgSolidGet",
                                 throwsToolkit("ardotk::OperActiveGet")),
                          "ProMfgoperActiveGet", throwsToolkit("no active operation found")),
                   {"ProTrailfileCommentWrite"}, swallows()),
         [](const HostCall&, int, const Outcome& outcome) {
             expectPendingKept([] { mfg.ToolAdd2Wcell(); }, kMillId, kMillEntries, 2, outcome);
         }},
    };
}
SWEEP_ROWS(modelPendingRows);

std::vector<SweepRow> wcellPendingRows() {
    return {
        {"Ardo::kelt2pWcell::ToolAdd2ToolListInit()",
         [] {
             loadMill();
             tool = mfgscene::paramTool("NEW_EM");
             wcell.ToolAdd2ToolList(tool, Ardo::KELT2P_HEAD_1, 7, 7, "pending");
         },
         [] { wcell.ToolAdd2ToolListInit(); }},
        {"Ardo::kelt2pWcell::ToolAdd2ToolList(Ardo::kelt2pTool const&, Ardo::kelt2pMachHead, int, "
         "int, char const*)",
         [] {
             loadMill();
             tool = mfgscene::paramTool("NEW_EM");
         },
         [] { wcell.ToolAdd2ToolList(tool, Ardo::KELT2P_HEAD_1, 7, 31, "new end mill"); },
         entryCreation(),
         [](const HostCall& call, int, const Outcome& outcome) {
             mfgscene::expectToolMade("NEW_EM", call, outcome);
             // Head 1: after the job's entry of that table.
             expectPending([] { wcell.ToolAdd(); }, 1, 0, "new end mill", 1, call, outcome);
         }},
        {"Ardo::kelt2pWcell::ToolAdd2ToolList(Ardo::kelt2pTool const&, Ardo::kelt2pMachTool "
         "const&)",
         [] {
             loadMill();
             tool = mfgscene::modelTool("TAP_NEW");
         },
         [] { wcell.ToolAdd2ToolList(tool, twoTips()); },
         mfgscene::advisoryAttribute(entryCreation()),
         [](const HostCall& call, int, const Outcome& outcome) {
             mfgscene::expectToolMade("TAP_NEW", call, outcome);
             // The comments of the eight tips are converted in turn.
             expectPending([] { wcell.ToolAdd(); }, 1, 1, "second tip", 2, call, outcome);
         }},
        // The lathe has no table of head 2 yet: writing adds one.
        {"Ardo::kelt2pWcell::ToolAdd()",
         [] {
             loadLathe();
             tool = mfgscene::paramTool("NEW_EM");
             wcell.ToolAdd2ToolList(tool, twoTips());
         },
         [] { wcell.ToolAdd(); }, tableWrite("Ardo::Wcell::ToolAdd"),
         [](const HostCall&, int, const Outcome& outcome) {
             EXPECT_EQ(mfgscene::hostTables(kLatheId), threw(outcome) ? 1 : 2);
             expectPendingKept([] { wcell.ToolAdd(); }, kLatheId, 0, 1, outcome);
         }},
        {"Ardo::kelt2pWcell::DeleteToolTable()", loadLathe, [] { wcell.DeleteToolTable(); },
         tableRemoval(),
         [](const HostCall&, int, const Outcome& outcome) {
             // The lathe's one table goes, or stays when the removal failed.
             EXPECT_EQ(mfgscene::hostTables(kLatheId), threw(outcome) ? 1 : 0);
         }},
    };
}
SWEEP_ROWS(wcellPendingRows);

}  // namespace
