// Fault-sweep rows of kelt2pWcell: the properties of a workcell.
#include <string>

#include "faults/mfg_scene.h"
#include "kelt2proe/error.h"
#include "support/host_fixture.h"

namespace {

using namespace testkit;
using mfgscene::exceptFor;
using mfgscene::failed;
using mfgscene::quietFreesAndTexts;
using mfgscene::threw;

Ardo::kelt2pMfg mfg;
Ardo::kelt2pWcell wcell;
std::string text;
int count = 0;
Ardo::kelt2pWcellMachHeads heads = Ardo::KELT2P_HEADS_OTHER;

void loadMill() {
    mfgscene::loadJob(mfg);
    wcell = mfgscene::workcell(mfg, "MILL5");
    text = "?";
    count = -1;
}

void loadLathe() {
    mfgscene::loadJob(mfg);
    wcell = mfgscene::workcell(mfg, "LATHE");
}

// A text read from the workcell: failures of the reads are the toolkit's, a refused
// conversion returns the empty text.
Expectation textRead() {
    return quietFreesAndTexts(throwsToolkit(""));
}

SweepRow::Check textIs(const char* expected) {
    return [expected](const HostCall& call, int, const Outcome& outcome) {
        if (!threw(outcome)) {
            EXPECT_EQ(text, call.isTextConversion() ? "" : expected);
        }
    };
}

// A value read from the workcell's element tree: every failure, the tree's release
// included, carries the operation's text.
Expectation treeRead(const char* text) {
    return except(quietFreesAndTexts(throwsLibrary(text)), "ProElementFree", throwsLibrary(text));
}

// The layout of the tables: the tree has its own text, and so has the tables element,
// taken from it first.
Expectation headsRead() {
    Expectation heads = except(quietFreesAndTexts(throwsToolkit("")), "ProFeatureElemtreeCreate",
                               throwsToolkit("ardotk::WcellHeads"));
    for (const char* function :
         {"ProElempathAlloc", "ProElempathDataSet", "ProElemtreeElementGet", "ProElementIsArray"}) {
        heads = mfgscene::exceptCall(heads, function, 1, throwsToolkit("NO PRO_E_TOOL_TABLES"));
    }
    return heads;
}

std::vector<SweepRow> wcellRows() {
    return {
        {"Ardo::kelt2pWcell::Name()", loadMill, [] { text = wcell.Name(); }, textRead(),
         textIs("MILL5")},
        {"Ardo::kelt2pWcell::Controller()", loadMill, [] { text = wcell.Controller(); }, textRead(),
         textIs("TNC640")},
        {"Ardo::kelt2pWcell::Location()", loadMill, [] { text = wcell.Location(); }, textRead(),
         textIs("HALL 2")},
        {"Ardo::kelt2pWcell::Type()", loadMill, [] { wcell.Type(); }, textRead()},
        {"Ardo::kelt2pWcell::Axis()", loadMill, [] { wcell.Axis(); },
         treeRead("Ardo::Wcell::Axis")},
        {"Ardo::kelt2pWcell::LatheDir()", loadLathe, [] { wcell.LatheDir(); },
         treeRead("Ardo::Wcell::LatheDir")},
        // One table: its head is read.
        {"Ardo::kelt2pWcell::Heads()", loadLathe, [] { heads = wcell.Heads(); }, headsRead(),
         [](const HostCall&, int, const Outcome& outcome) {
             if (!threw(outcome)) {
                 EXPECT_EQ(heads, Ardo::KELT2P_HEADS_HEAD1);
             }
         }},
        {"Ardo::kelt2pWcell::Comment()",
         [] {
             loadMill();
             wcell.Comment();
         },
         [] { count = wcell.Comment(); },
         except(quietFreesAndTexts(throwsToolkit("")), "ProElementFree",
                throwsLibrary("Ardo::Wcell::Comment")),
         [](const HostCall&, int, const Outcome& outcome) {
             // The lines of the last reading are gone, whether or not this one succeeds.
             if (threw(outcome)) {
                 EXPECT_STREQ(wcell.Comment(0u), "");
             } else {
                 EXPECT_EQ(count, 2);
             }
         }},
        {"Ardo::kelt2pWcell::Comment(unsigned int)",
         [] {
             loadMill();
             wcell.Comment();
         },
         [] { text = wcell.Comment(1u); }, swallows(), textIs("two spindles")},
    };
}
SWEEP_ROWS(wcellRows);

}  // namespace
