// Fault-sweep rows of the feature-tree print and the model tree's refresh. The print
// raises nothing: what it wrote tells how far it came.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <string>

#include "faults/feature_scene.h"
#include "support/sweep_table.h"

namespace {

using namespace testkit;
using featurescene::aboutFeature;
using featurescene::readsAsUnnamed;

Ardo::kelt2pMdl part;

constexpr const char* kDump = "elemtree.inf";
constexpr const char* kXml = "fixt.xml";
// The header's three lines and one line per element of BASE's tree (eight elements).
constexpr long kDumpLines = 3 + 8;

void removeWritten() {
    std::filesystem::remove(kDump);
    std::filesystem::remove(kXml);
}

// The calls made once the feature's element tree exists: reading it for the dump,
// writing it as XML, and freeing it.
bool treeInHand(const HostCall& call) {
    static const std::set<std::string> calls = {"ProElemtreeElementVisit", "ProElementIdGet",
                                                "ProElementIsCompound",    "ProElementIsArray",
                                                "ProElementArrayCount",    "ProElementValueGet",
                                                "ProValueDataGet",         "ProWstringToString",
                                                "ProElemtreeWrite",        "ProElementFree"};
    return calls.count(call.function) != 0;
}

// Nothing written when the tree was never read; once it was, the dump has one line per
// element (an element that cannot be read is an empty line and the visit goes on), and
// the XML form is written unless that write itself failed.
void expectWritten(const HostCall& call, bool treeRead) {
    if (!treeRead) {
        EXPECT_FALSE(std::filesystem::exists(kDump));
        EXPECT_FALSE(std::filesystem::exists(kXml));
        return;
    }
    const std::string dump = featurescene::fileText(kDump);
    EXPECT_EQ(dump.rfind("Element tree\n============\n\n", 0), 0u) << dump;
    const bool visited = call.function != "ProElemtreeElementVisit";
    EXPECT_EQ(std::count(dump.begin(), dump.end(), '\n'), visited ? kDumpLines : 3) << dump;
    if (call.function == "ProWstringToString") {
        EXPECT_NE(dump.find("VALUE (WSTRING)   = \n"), std::string::npos) << dump;
    }
    EXPECT_EQ(std::filesystem::exists(kXml), call.function != "ProElemtreeWrite");
}

std::vector<SweepRow> treeRows() {
    return {
        // A manufacturing model: its features are found through its manufacturing solid.
        {"Ardo::kelt2pMdl::PrintFeatTree(int)",
         [] {
             part = featurescene::jobLoaded();
             removeWritten();
         },
         [] { part.PrintFeatTree(5); }, swallows(),
         [](const HostCall& call, int, const Outcome&) { expectWritten(call, treeInHand(call)); }},
        {"Ardo::kelt2pMdl::PrintFeatTree(char const*)",
         [] {
             part = featurescene::bracketLoaded();
             removeWritten();
         },
         [] { part.PrintFeatTree("BASE"); }, swallows(),
         // Another feature read as unnamed leaves BASE the one match.
         [](const HostCall& call, int code, const Outcome&) {
             const bool found = readsAsUnnamed(call, code) && !aboutFeature(call, 5);
             expectWritten(call, found || treeInHand(call));
         }},
        {"Ardo::kelt2pMdl::TreetoolRefresh()", [] { part = featurescene::bracketLoaded(); },
         [] { part.TreetoolRefresh(); }, throwsLibrary("Ardo::Mdl::TreetoolRefresh")},
    };
}
SWEEP_ROWS(treeRows);

}  // namespace
