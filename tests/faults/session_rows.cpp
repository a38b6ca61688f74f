// Fault-sweep rows of kelt2pSession: connecting, leaving, the event loop and the texts.
// A connect's own call failing is reported with the call's code; the status query
// failing reads as "not connected"; the identifier's refresh after a connect reports -4
// or -1 whatever the host said, and leaves the connection standing.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "faults/session_scene.h"
#include "kelt2proe/simhost/control.h"
#include "session/session_state.h"
#include "support/host_fixture.h"

namespace {

using namespace testkit;
using sessionscene::callOf;
using sessionscene::hostConnected;
using sessionscene::session;

const std::vector<int> kSessionCodes = {-1, -2, -4, -11};

const char* const kConnect = "Ardo::ProEngineer::Connect";
const char* const kConnectWS = "Ardo::ProEngineer::ConnectWS";
const char* const kConnectInfo = "Ardo::ProEngineer::ConnectInfo";

// Identifier of the host session the row's set-up launched.
std::string launchedId;
// What the row's run returned, for its checks.
std::string returnedText;
bool returnedFlag = false;

// What a connect does when its calls fail: the first status query failing reads as "not
// connected" and the connect goes on; the connect call raises its own code with `text`;
// the identifier's refresh raises (-4 | -1, ConnectInfo).
Expectation connecting(const char* text) {
    Expectation expected = except(throwsLibrary(text), "ProEngineerConnectIdExtract",
                                  throwsAlways(Outcome::library(-1, kConnectInfo)));
    expected = exceptWhen(expected, callOf("ProEngineerStatusGet", 1), swallows());
    expected = exceptWhen(expected, callOf("ProEngineerStatusGet", 2),
                          throwsAlways(Outcome::library(-4, kConnectInfo)));
    return expected;
}

// A failed connect leaves this process unconnected; a failed refresh of the identifier
// leaves the connection made.
void connectionAsFailed(const HostCall& failed, int, const Outcome& outcome) {
    const bool refreshFailed =
        failed.function == "ProEngineerConnectIdExtract" ||
        (failed.function == "ProEngineerStatusGet" && failed.occurrence == 2);
    if (outcome.thrown == Outcome::Thrown::Nothing || refreshFailed) {
        EXPECT_TRUE(hostConnected());
    } else {
        EXPECT_FALSE(hostConnected());
    }
}

SweepRow connectRow(std::string operation, std::function<void()> prepare, std::function<void()> run,
                    const char* text = kConnect) {
    return {std::move(operation), std::move(prepare), std::move(run),
            connecting(text),     connectionAsFailed, kSessionCodes};
}

// Connect(), with the identifier of the host session connected to before.
void connectAgain(const HostCall& failed, int code, const Outcome& outcome) {
    connectionAsFailed(failed, code, outcome);
    if (failed.function == "ProEngineerConnect") {
        simhost::clearJournal();
        session().Connect();
        EXPECT_TRUE(journalHas("ProEngineerConnect " + launchedId + " "))
            << "a failed connect keeps the identifier of the session connected to before";
    }
    if (failed.function == "ProEngineerConnectIdExtract") {
        EXPECT_EQ(session().ConnectInfo(), launchedId);
    }
}

std::vector<SweepRow> sessionRows() {
    const auto startFile = [] {
        launchedId = sessionscene::runningHost();
        writeTextFile("start.cfg", "pro_unit_length unit_mm\n");
    };
    const auto leftHostRunning = [](const HostCall&, int, const Outcome&) {
        EXPECT_TRUE(hostConnected());
    };
    std::vector<SweepRow> rows;
    SweepRow connect = connectRow(
        "Ardo::kelt2pSession::Connect()",
        [] {
            launchedId = sessionscene::connectedHost();
            session().Disconnect();
        },
        [] { session().Connect(); });
    connect.after = connectAgain;
    rows.push_back(connect);
    // Connected with a text directory, the host starts the application, which adds its
    // command: the start-up's host calls are not examined, the connect stands.
    SweepRow byAddress = connectRow(
        "Ardo::kelt2pSession::Connect(char const*, int, int, int, int, char const*)",
        [] {
            launchedId = sessionscene::runningHost();
            std::filesystem::create_directories("app/text");
            writeTextFile("app/text/kelt2creo.txt",
                          "KELT2CSTART\nstarted\n#\n#\nUSER KELT2CREOTOOL\nTools\n#\n#\n"
                          "0001\n%0s\n#\n#\n");
            session().Textpath("app");
        },
        [] {
            sessionscene::Address a = sessionscene::addressOf(launchedId);
            session().Connect(a.host.c_str(), a.addressVersion, a.addressType, a.rpcNum,
                              a.rpcVersion, a.netAddr.c_str());
        });
    for (const char* startUp :
         {"ProStringToWstring", "ProWcharSizeVerify", "ProMessageDisplay", "ProTermFuncSet",
          "ProCmdActionAdd", "ProCmdIconSet", "ProCmdDesignate"}) {
        byAddress.expected = except(byAddress.expected, startUp, swallows());
    }
    rows.push_back(byAddress);
    rows.push_back(connectRow("Ardo::kelt2pSession::Connect(char const*)", startFile,
                              [] { session().Connect("start.cfg"); }));
    rows.push_back(connectRow("Ardo::kelt2pSession::Connect(std::string const&)", startFile,
                              [] { session().Connect(std::string("start.cfg")); }));
    // A workspace name the host cannot take is not sent as an empty name (which would
    // connect without the workspace): the connect fails with -1.
    rows.push_back(connectRow(
        "Ardo::kelt2pSession::ConnectWS(char const*)",
        [] { launchedId = sessionscene::runningHost(); }, [] { session().ConnectWS("ws1"); },
        kConnectWS));
    rows.back().expected = except(rows.back().expected, "ProStringToWstring",
                                  throwsAlways(Outcome::library(-1, kConnectWS)));
    const auto startRow = [&startFile](const char* operation, std::function<void()> run) {
        return SweepRow{operation,
                        startFile,
                        std::move(run),
                        throwsLibrary("Ardo::ProEngineer::Start"),
                        [](const HostCall&, int, const Outcome&) { EXPECT_FALSE(hostConnected()); },
                        kSessionCodes};
    };
    rows.push_back(
        startRow("Ardo::kelt2pSession::Start(char const*)", [] { session().Start("start.cfg"); }));
    rows.push_back(startRow("Ardo::kelt2pSession::Start(std::string const&)",
                            [] { session().Start(std::string("start.cfg")); }));
    // The status query failing reads as "not connected": nothing to leave.
    rows.push_back(
        {"Ardo::kelt2pSession::Disconnect()", [] { launchedId = sessionscene::connectedHost(); },
         [] { session().Disconnect(); },
         except(throwsLibrary("Ardo::ProEngineer::Disconnect"), "ProEngineerStatusGet", swallows()),
         leftHostRunning, kSessionCodes});
    // Connected with a text directory, ending the host session stops the application,
    // which interrupts the event loop; the interruption's failure is not the end's.
    rows.push_back({"Ardo::kelt2pSession::End()",
                    [] { launchedId = sessionscene::connectedHost("/opt/kelt2creo/text"); },
                    [] { session().End(); },
                    except(throwsLibrary("Ardo::ProEngineer::End"),
                           "ProAsynchronousEventLoopInterrupt", swallows()),
                    [](const HostCall& failed, int, const Outcome&) {
                        EXPECT_EQ(hostConnected(), failed.function == "ProEngineerEnd");
                    },
                    kSessionCodes});
    rows.push_back(
        {"Ardo::kelt2pSession::IsConnected()", [] { launchedId = sessionscene::connectedHost(); },
         [] { returnedFlag = session().IsConnected(); }, swallows(),
         [](const HostCall&, int, const Outcome&) {
             EXPECT_FALSE(returnedFlag) << "a failed status query reads as not connected";
             EXPECT_TRUE(hostConnected());
         },
         kSessionCodes});
    rows.push_back({"Ardo::kelt2pSession::EventLoop()",
                    [] { launchedId = sessionscene::connectedHost(); },
                    [] { session().EventLoop(); }, swallows(), leftHostRunning, kSessionCodes});
    rows.push_back(
        {"Ardo::kelt2pSession::ConnectInfo()", [] { launchedId = sessionscene::connectedHost(); },
         [] { session().ConnectInfo(); },
         except(throwsAlways(Outcome::library(-4, kConnectInfo)), "ProEngineerConnectIdExtract",
                throwsAlways(Outcome::library(-1, kConnectInfo))),
         [](const HostCall&, int, const Outcome&) {
             EXPECT_TRUE(hostConnected());
             session().Disconnect();
             simhost::clearJournal();
             session().Connect();
             EXPECT_TRUE(journalHas("ProEngineerConnect " + launchedId + " "))
                 << "the identifier is kept for the next connect";
         },
         kSessionCodes});
    // The date code is copied before the host's text is released: a refused release
    // still returns it.
    rows.push_back(
        {"Ardo::kelt2pSession::DateCode()", [] { launchedId = sessionscene::connectedHost(); },
         [] { returnedText = session().DateCode(); },
         except(throwsLibrary("Ardo::ProEngineer::DateCode"), "ProStringFree", swallows()),
         [](const HostCall& failed, int, const Outcome&) {
             if (failed.function == "ProStringFree") {
                 EXPECT_FALSE(returnedText.empty());
             }
         },
         kSessionCodes});
    rows.push_back({"Ardo::kelt2pSession::DllDate()", [] { sessionscene::runningHost(); },
                    [] { returnedText = session().DllDate(); }});
    rows.push_back({"Ardo::kelt2pSession::Textpath(char const*)",
                    [] { sessionscene::runningHost(); }, [] { session().Textpath("/text"); }});
    // The last session object disconnects as it goes and reports no failure: the
    // connection then stays.
    rows.push_back({"Ardo::kelt2pSession::~kelt2pSession()",
                    [] {
                        launchedId = sessionscene::connectedHost();
                        ASSERT_EQ(Ardo::session::sessionState().sessionCount, 1)
                            << "another session object is alive: the row's would not be the last";
                    },
                    [] { sessionscene::heldSession().reset(); }, swallows(),
                    [](const HostCall&, int, const Outcome&) {
                        EXPECT_TRUE(hostConnected());
                        EXPECT_EQ(Ardo::session::sessionState().sessionCount, 0);
                    },
                    kSessionCodes});
    return rows;
}
SWEEP_ROWS(sessionRows);

}  // namespace
