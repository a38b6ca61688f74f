// Fault-sweep rows of the fixture operations of kelt2pMfg.
#include <ProToolkit.h>

#include <vector>

#include "faults/mfg_scene.h"
#include "kelt2proe/error.h"
#include "support/host_fixture.h"

namespace {

using namespace testkit;
using mfgscene::answerOn;
using mfgscene::exceptFor;
using mfgscene::quietFreesAndTexts;
using mfgscene::threw;

constexpr int kFixtureId = 40;
constexpr int kVise = 30;
constexpr int kClamp = 31;

// A milling job with two components and fixture FIX1 holding the vise.
const char* const kFixtureJob = R"({"format": 1, "type": "MFG",
  "features": {"list": [
    {"id": 40, "type": 1002, "name": "FIX1", "tree": {"id": 386, "children": [
      {"id": 387, "int": 1002}, {"id": 3304, "int": 0}, {"id": 151, "wstring": "FIX1"},
      {"id": 333, "double": 0.5}, {"id": 332, "values": [{"int": 30}]}]}}]},
  "components": [{"id": 30, "model": "VISE"}, {"id": 31, "model": "CLAMP"}],
  "tools": [], "workcells": [], "operations": [], "nc_sequences": []})";

Ardo::kelt2pMfg mfg;
int count = -1;

// The job and its component models loaded, the list holding the clamp.
void loadFixtureJob() {
    freshHost();
    writeTextFile("job.mfg", kFixtureJob);
    for (const char* part : {"vise.prt", "clamp.prt"}) {
        writeTextFile(part, R"({"format": 1, "type": "PRT"})");
    }
    mfg = Ardo::kelt2pMfg();
    mfg.Load("job");
    mfg.FixtureCompsListClear();
    Ardo::kelt2pCompPath clamp;
    clamp.Add(kClamp);
    mfg.FixtureCompAdd(clamp);
    count = -1;
}

// The first id of each listed path.
std::vector<int> listedIds() {
    std::vector<int> ids;
    for (int i = 0; i < mfg.FixtureCompsListSize(); ++i) {
        ids.push_back(mfg.FixtureCompsList(i).IdGetAt(0));
    }
    return ids;
}

// A refusal leaves the list as it was; a run that returns leaves `done`.
SweepRow::Check listAfter(std::vector<int> done, std::vector<int> noneHeld) {
    return [done, noneHeld](const HostCall& call, int code, const Outcome& outcome) {
        if (threw(outcome)) {
            EXPECT_EQ(listedIds(), std::vector<int>{kClamp});
        } else if (call.function == "ProElemtreeElementGet" && code == PRO_TK_E_NOT_FOUND) {
            EXPECT_EQ(listedIds(), noneHeld);
        } else {
            EXPECT_EQ(listedIds(), done);
        }
    };
}

// Reading a fixture: the solid carries the operation's text, the unexamined
// initialisation shows in the type read next; a missing component element means none.
Expectation fixtureRead(Expectation base) {
    Expectation read = except(quietFreesAndTexts(std::move(base)), "ProMfgSolidGet",
                              throwsLibrary("Ardo::Mfg::GetSolid"));
    read = except(read, "ProFeatureInit", throwsAlways(Outcome::toolkit(PRO_TK_BAD_INPUTS, "")));
    return answerOn(read, "ProElemtreeElementGet", PRO_TK_E_NOT_FOUND, swallows());
}

std::vector<SweepRow> fixtureRows() {
    return {
        {"Ardo::kelt2pMfg::FixtureCompAdd(Ardo::kelt2pCompPath&)", loadFixtureJob,
         [] {
             Ardo::kelt2pCompPath vise;
             vise.Add(kVise);
             count = mfg.FixtureCompAdd(vise);
         }},
        {"Ardo::kelt2pMfg::FixtureCompsListSize()", loadFixtureJob,
         [] { count = mfg.FixtureCompsListSize(); }},
        {"Ardo::kelt2pMfg::FixtureCompsList(int)", loadFixtureJob,
         [] { count = mfg.FixtureCompsList(0).Depth(); }},
        {"Ardo::kelt2pMfg::FixtureCompsListClear()", loadFixtureJob,
         [] { mfg.FixtureCompsListClear(); }},
        // The name's conversion and the releases after creation tell nothing about the
        // fixture, and its activation is not examined.
        {"Ardo::kelt2pMfg::FixtureCreate(char const*, int, double)", loadFixtureJob,
         [] { count = mfg.FixtureCreate("CLAMPING", 0, 1.5); },
         except(exceptFor(quietFreesAndTexts(throwsToolkit("")),
                          {"ProMfgAssemGet", "ProMdlIdGet", "ProModelitemInit"},
                          throwsLibrary("Ardo::Mfg::FixtureCreate")),
                "ProMfgFixtActivate", swallows()),
         listAfter({kClamp}, {kClamp})},
        {"Ardo::kelt2pMfg::FixtureCompList(int)", loadFixtureJob,
         [] { count = mfg.FixtureCompList(kFixtureId); }, fixtureRead(throwsToolkit("")),
         listAfter({kVise}, {})},
        {"Ardo::kelt2pMfg::FixtureAdd(int)", loadFixtureJob,
         [] { count = mfg.FixtureAdd(kFixtureId); }, fixtureRead(throwsToolkit("")),
         listAfter({kClamp, kVise}, {kClamp})},
    };
}
SWEEP_ROWS(fixtureRows);

}  // namespace
