// Fault-sweep rows of the session services: options, directories, macros, the
// environment, the workspace, the lists of models and drawings, and the application's
// callbacks. A refused text conversion reads as an empty text where a text is read, and
// is refused with -1 where a path or name is sent.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "faults/session_scene.h"
#include "kelt2proe/simhost/control.h"
#include "support/host_fixture.h"

namespace {

using namespace testkit;
using sessionscene::session;

const char* const kDirGet = "Ardo::UtilDirGet";
const char* const kDirSet = "Ardo::UtilDirSet";
const char* const kToolDirGet = "Ardo::UtilToolDirGet";
const char* const kToolDirSet = "Ardo::UtilToolDirSet";
const char* const kRegister = "Ardo::ProEngineer::WorkspaceRegister";

// What the row's run returned, for its checks.
std::string returnedText;
int returnedCount = 0;

int noCallback() {
    return 0;
}

// A refused narrowing leaves the result empty; the operation reports nothing.
Expectation readingAsEmpty(Expectation base) {
    return except(std::move(base), "ProWstringToString", swallows());
}

// A refused widening of a text sent to the host is refused with -1 and `text`.
Expectation wideningRefused(Expectation base, const char* text) {
    return except(std::move(base), "ProStringToWstring", throwsAlways(Outcome::library(-1, text)));
}

void loadModel(const std::string& file, const char* type, Ardo::kelt2pMdlType mdlType) {
    writeTextFile(file, std::string("{\"type\": \"") + type + "\"}");
    Ardo::kelt2pMdl mdl;
    mdl.Load(file.c_str(), mdlType, false);
}

// A host session with a part, an assembly, a manufacturing model and a drawing.
void modelsInSession() {
    sessionscene::connectedHost();
    loadModel("gear.prt", "PRT", Ardo::KELT2P_MDL_PART);
    loadModel("frame.asm", "ASM", Ardo::KELT2P_MDL_ASSEMBLY);
    loadModel("job.mfg", "MFG", Ardo::KELT2P_MDL_MFG);
    loadModel("plan.drw", "DRW", Ardo::KELT2P_MDL_DRAWING);
}

std::vector<SweepRow> sessionServiceRows() {
    const auto connected = [] { sessionscene::connectedHost(); };
    std::vector<SweepRow> rows;
    rows.push_back({"Ardo::kelt2pSession::ConfigOptGet(char const*)", connected,
                    [] { returnedText = session().ConfigOptGet("trail_dir"); },
                    readingAsEmpty(throwsLibrary("Ardo::ProEngineer::ConfigOptGet"))});
    rows.push_back({"Ardo::kelt2pSession::ConfigOptSet(char const*, char const*)", connected,
                    [] { session().ConfigOptSet("trail_dir", "/tmp/trails"); },
                    throwsLibrary("Ardo::ProEngineer::ConfigOptSet")});
    rows.push_back({"Ardo::kelt2pSession::DirGet()", connected,
                    [] { returnedText = session().DirGet(); },
                    readingAsEmpty(throwsLibrary(kDirGet))});
    // A failed change leaves the working directory where it was.
    rows.push_back({"Ardo::kelt2pSession::DirSet(char const*)",
                    [] {
                        sessionscene::connectedHost();
                        std::filesystem::create_directory("sub");
                    },
                    [] { session().DirSet("sub"); },
                    wideningRefused(except(readingAsEmpty(throwsLibrary(kDirSet)),
                                           "ProDirectoryCurrentGet", throwsLibrary(kDirGet)),
                                    kDirSet),
                    [](const HostCall&, int, const Outcome& outcome) {
                        if (outcome.thrown != Outcome::Thrown::Nothing) {
                            simhost::clearFaults();
                            const std::string now = session().DirGet();
                            EXPECT_EQ(now.find("sub"), std::string::npos) << now;
                        }
                    }});
    rows.push_back(
        {"Ardo::kelt2pSession::ToolDirGet()", connected,
         [] { returnedText = session().ToolDirGet(); },
         except(except(readingAsEmpty(throwsLibrary(kToolDirGet)), "ProArraySizeGet", swallows()),
                "ProArrayFree", swallows())});
    rows.push_back({"Ardo::kelt2pSession::ToolDirSet(char const*)", connected,
                    [] { session().ToolDirSet("/tools"); },
                    wideningRefused(throwsLibrary(kToolDirSet), kToolDirSet)});
    // The host runs the queue later: nothing of the queueing is reported.
    rows.push_back({"Ardo::kelt2pSession::Macro(char const*)", connected,
                    [] { session().Macro("#SUSPEND ALL"); }, swallows()});
    rows.push_back({"Ardo::kelt2pSession::PutEnv(char const*)", connected,
                    [] { session().PutEnv("KELT2P_SWEEP=1"); }});
    rows.push_back({"Ardo::kelt2pSession::WorkspaceRegister(char const*)", connected,
                    [] { session().WorkspaceRegister("ws_sweep"); },
                    wideningRefused(throwsLibrary(kRegister), kRegister)});
    rows.push_back({"Ardo::kelt2pSession::CurrentWorkspaceGet()",
                    [] {
                        sessionscene::connectedHost();
                        session().WorkspaceRegister("ws_sweep");
                    },
                    [] { returnedText = session().CurrentWorkspaceGet(); },
                    readingAsEmpty(throwsLibrary("kein Workspace registriert"))});
    // A listing's call failing adds nothing for its type; the others are listed.
    rows.push_back({"Ardo::kelt2pSession::MdlList()", modelsInSession,
                    [] { returnedCount = session().MdlList(); }, swallows(),
                    [](const HostCall& failed, int, const Outcome&) {
                        EXPECT_EQ(returnedCount, failed.function == "ProSessionMdlList" ? 2 : 3);
                    }});
    rows.push_back({"Ardo::kelt2pSession::MdlListAt(int)",
                    [] {
                        modelsInSession();
                        session().MdlList();
                    },
                    [] { session().MdlListAt(2); }});
    rows.push_back({"Ardo::kelt2pSession::DrwList()", modelsInSession,
                    [] { returnedCount = session().DrwList(); }, swallows(),
                    [](const HostCall& failed, int, const Outcome&) {
                        EXPECT_EQ(returnedCount, failed.function == "ProSessionMdlList" ? 0 : 1);
                    }});
    rows.push_back({"Ardo::kelt2pSession::DrwListAt(int)",
                    [] {
                        modelsInSession();
                        session().DrwList();
                    },
                    [] { session().DrwListAt(0); }});
    rows.push_back({"Ardo::kelt2pSession::CustomDialog(int (*)())", connected,
                    [] { session().CustomDialog(&noCallback); }});
    rows.push_back({"Ardo::kelt2pSession::CustomExit(int (*)())", connected,
                    [] { session().CustomExit(&noCallback); }});
    return rows;
}
SWEEP_ROWS(sessionServiceRows);

}  // namespace
