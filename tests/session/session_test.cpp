// The session object against the simulated host: connecting, leaving, texts, lifetime.
#include <ProCore.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "kelt2proe/error.h"
#include "kelt2proe/session.h"
#include "kelt2proe/simhost/control.h"
#include "session/host_entry.h"
#include "session/session_state.h"
#include "support/expect.h"
#include "support/platform.h"

namespace {

using Ardo::kelt2pSession;
using testkit::callCount;
using testkit::journalHas;

class SessionTest : public testkit::HostTest {
protected:
    void SetUp() override {
        HostTest::SetUp();
        // The text-directory flag is process-wide and only ever set; start from its
        // state at load so that each test is independent of the others.
        Ardo::session::sessionState().appTextDirSet = false;
        ASSERT_EQ(Ardo::session::sessionState().sessionCount, 0);
    }

    std::string startFile() { return writeFile("start.cfg", "pro_unit_length unit_mm\n"); }
};

// The fields of a host session identifier "host:H:address_version:V:...".
std::vector<std::string> idFields(const std::string& id) {
    std::vector<std::string> fields;
    std::istringstream in(id);
    for (std::string f; std::getline(in, f, ':');) {
        fields.push_back(f);
    }
    return fields;
}

void connectByAddress(kelt2pSession& s, const std::string& id) {
    std::vector<std::string> f = idFields(id);
    ASSERT_EQ(f.size(), 14u) << id;
    s.Connect(f[1].c_str(), std::stoi(f[3]), std::stoi(f[5]), std::stoi(f[7]), std::stoi(f[9]),
              f[11].c_str());
}

// --- connecting --------------------------------------------------------------------

TEST_F(SessionTest, ConnectReachesRunningSessionDisconnectLeavesItEndStopsIt) {
    std::string id = simhost::launch();
    kelt2pSession s;
    EXPECT_FALSE(s.IsConnected());
    s.Connect();
    EXPECT_TRUE(s.IsConnected());
    EXPECT_TRUE(journalHas("ProEngineerConnect \"\" \"\" 1 20"));
    const char* first = s.ConnectInfo();
    EXPECT_EQ(first, id);
    EXPECT_EQ(s.ConnectInfo(), first) << "the same buffer each time";
    s.Disconnect();
    EXPECT_FALSE(s.IsConnected());
    s.Connect();
    EXPECT_EQ(std::string(s.ConnectInfo()), id);
    s.End();
    EXPECT_FALSE(s.IsConnected());
    EXPECT_THROW_CODE(s.Connect(), Ardo::Error, PRO_TK_E_NOT_FOUND, "Ardo::ProEngineer::Connect");
}

TEST_F(SessionTest, ConnectWhileConnectedOnlyAsksForTheStatus) {
    std::string id = simhost::launch();
    kelt2pSession s;
    s.Connect();
    simhost::clearJournal();
    testkit::unsetEnvironment("PRO_COMM_MSG_EXE");
    s.Connect();
    s.Connect("elsewhere", 1, 2, 3, 4, "addr");
    s.Connect("no-such-start-file");
    s.ConnectWS("ws");
    EXPECT_EQ(simhost::journal(), std::vector<std::string>(4, "ProEngineerStatusGet"));
    EXPECT_EQ(std::string(s.ConnectInfo()), id);
}

TEST_F(SessionTest, EveryConnectChecksTheCommunicationProgram) {
    simhost::launch();
    std::string path = startFile();
    kelt2pSession s;
    const std::vector<std::pair<const char*, std::function<void()>>> connects = {
        {"Connect()", [&] { s.Connect(); }},
        {"Connect(host)", [&] { s.Connect("h", 1, 1, 1, 1, "a"); }},
        {"Connect(path)", [&] { s.Connect(path); }},
        {"ConnectWS", [&] { s.ConnectWS("ws"); }},
    };
    for (const auto& [name, connect] : connects) {
        SCOPED_TRACE(name);
        testkit::unsetEnvironment("PRO_COMM_MSG_EXE");
        EXPECT_THROW_CODE(connect(), Ardo::Error, -15, "ENV PRO_COMM_MSG_EXE not defined");
        testkit::setEnvironment("PRO_COMM_MSG_EXE", (workDir / "missing.exe").string());
        EXPECT_THROW_CODE(connect(), Ardo::Error, -15, "PRO_COMM_MSG.EXE not found");
    }
    EXPECT_EQ(callCount("ProEngineerConnect") + callCount("ProEngineerConnectWS") +
                  callCount("ProEngineerConnectionStart"),
              0);
    EXPECT_FALSE(s.IsConnected());
}

TEST_F(SessionTest, NetworkAddressFormsTheSessionIdentifier) {
    simhost::launch();
    kelt2pSession s;
    EXPECT_THROW_CODE(s.Connect("myhost", 1, 2, 3, 4, "addr"), Ardo::Error, PRO_TK_E_NOT_FOUND,
                      "Ardo::ProEngineer::Connect");
    EXPECT_TRUE(
        journalHas("ProEngineerConnect host:myhost:address_version:1:address_type:2:"
                   "rpcnum:3:rpcversion:4:netaddr:addr:netaddr_length:4 \"\" 1 20"));
    EXPECT_FALSE(s.IsConnected());
}

TEST_F(SessionTest, NetworkAddressOfARunningSessionConnectsToItsIdentifierSurvives) {
    simhost::launch();
    std::string second = simhost::launch();
    kelt2pSession s;
    connectByAddress(s, second);
    EXPECT_EQ(std::string(s.ConnectInfo()), second);
    // The identifier survives a disconnect and a failed connect.
    s.Disconnect();
    EXPECT_FALSE(s.IsConnected());
    EXPECT_THROW_CODE(s.Connect("myhost", 1, 2, 3, 4, "addr"), Ardo::Error, PRO_TK_E_NOT_FOUND,
                      "Ardo::ProEngineer::Connect");
    simhost::clearJournal();
    s.Connect();
    EXPECT_TRUE(journalHas("ProEngineerConnect " + second + " "));
    EXPECT_EQ(std::string(s.ConnectInfo()), second);
}

TEST_F(SessionTest, TextpathIsPassedOnConnectAndMarksTheApplication) {
    simhost::launch();
    kelt2pSession s;
    s.Textpath("/opt/kelt2creo/text");
    s.Connect();
    EXPECT_TRUE(journalHas("ProEngineerConnect \"\" /opt/kelt2creo/text 1 20"));
    EXPECT_TRUE(Ardo::session::sessionState().appTextDirSet);
    // The host stops the application when its session ends: the event loop is ended.
    simhost::clearJournal();
    s.End();
    EXPECT_EQ(callCount("ProAsynchronousEventLoopInterrupt"), 1);
}

TEST_F(SessionTest, ConnectWithoutTextpathLeavesTheEventLoopAlone) {
    simhost::launch();
    kelt2pSession s;
    s.Connect();
    EXPECT_FALSE(Ardo::session::sessionState().appTextDirSet);
    s.End();
    EXPECT_EQ(callCount("ProAsynchronousEventLoopInterrupt"), 0);
    EXPECT_EQ(user_initialize(0, nullptr, nullptr, nullptr, nullptr), 0);
    user_terminate();
    EXPECT_EQ(callCount("ProAsynchronousEventLoopInterrupt"), 0);
}

TEST_F(SessionTest, ConnectWithPathStartsANewSession) {
    std::string running = simhost::launch();
    std::string path = startFile();
    kelt2pSession s;
    s.Connect(path);
    EXPECT_TRUE(journalHas("ProEngineerConnectionStart " + path + " \"\""));
    EXPECT_NE(std::string(s.ConnectInfo()), running);
    s.End();
    EXPECT_THROW_CODE(s.Connect(std::string("missing.cfg")), Ardo::Error, PRO_TK_GENERAL_ERROR,
                      "Ardo::ProEngineer::Connect");
}

TEST_F(SessionTest, ConnectWsPassesTheWideWorkspaceName) {
    simhost::launch();
    kelt2pSession s;
    s.ConnectWS("ws1");
    EXPECT_TRUE(journalHas("ProEngineerConnectWS \"\" ws1 \"\" 1 30"));
    s.Disconnect();
    simhost::clearJournal();
    s.Textpath("/text");
    s.ConnectWS("");
    EXPECT_EQ(callCount("ProStringToWstring"), 0);
    EXPECT_TRUE(journalHas("ProEngineerConnectWS " + std::string(s.ConnectInfo()) + " \"\" \"\""))
        << "the last session asked for again, no workspace, no text path";
    EXPECT_FALSE(Ardo::session::sessionState().appTextDirSet);
}

TEST_F(SessionTest, ConnectWsRefusesAWorkspaceLongerThanItsBuffer) {
    simhost::launch();
    kelt2pSession s;
    EXPECT_THROW_CODE(s.ConnectWS(std::string(32, 'w').c_str()), Ardo::Error, PRO_TK_LINE_TOO_LONG,
                      "Ardo::ProEngineer::ConnectWS");
    EXPECT_EQ(callCount("ProEngineerConnectWS"), 0);
    s.ConnectWS(std::string(31, 'w').c_str());
    EXPECT_TRUE(s.IsConnected());
}

// --- Start, Disconnect, End and the texts --------------------------------------------

TEST_F(SessionTest, StartConnectsWithoutAHandle) {
    testkit::unsetEnvironment("PRO_COMM_MSG_EXE");  // Start does not look for it
    kelt2pSession s;
    s.Start(startFile());
    EXPECT_TRUE(s.IsConnected());
    EXPECT_THROW_CODE(s.ConnectInfo(), Ardo::Error, PRO_TK_GENERAL_ERROR,
                      "Ardo::ProEngineer::ConnectInfo");
    EXPECT_THROW_CODE(s.Disconnect(), Ardo::Error, PRO_TK_BAD_INPUTS,
                      "Ardo::ProEngineer::Disconnect");
    EXPECT_TRUE(s.IsConnected());
    s.End();
    EXPECT_FALSE(s.IsConnected());
    EXPECT_THROW_CODE(s.Start("missing.cfg"), Ardo::Error, PRO_TK_GENERAL_ERROR,
                      "Ardo::ProEngineer::Start");
}

TEST_F(SessionTest, WithoutConnection) {
    kelt2pSession s;
    EXPECT_STREQ(s.DllDate(), "Thu Jun 26 11:26:10 2014");
    EXPECT_THROW_CODE(s.ConnectInfo(), Ardo::Error, PRO_TK_E_NOT_FOUND,
                      "Ardo::ProEngineer::ConnectInfo");
    s.Disconnect();
    EXPECT_EQ(simhost::journal(), std::vector<std::string>(2, "ProEngineerStatusGet"));
    EXPECT_THROW_CODE(s.End(), Ardo::Error, PRO_TK_COMM_ERROR, "Ardo::ProEngineer::End");
    EXPECT_THROW_CODE(s.DateCode(), Ardo::Error, PRO_TK_COMM_ERROR, "Ardo::ProEngineer::DateCode");
    EXPECT_EQ(simhost::liveObjects(), 0);
}

TEST_F(SessionTest, DateCodeIsCopiedAndTheHostTextReleased) {
    simhost::launch();
    kelt2pSession s;
    s.Connect();
    const char* code = s.DateCode();
    EXPECT_GT(std::strlen(code), 0u);
    EXPECT_EQ(s.DateCode(), code);
    EXPECT_EQ(callCount("ProStringFree"), 2);
    EXPECT_EQ(simhost::liveObjects(), 0);
    EXPECT_FAULT("ProEngineerDisplaydatecodeGet", -1, s.DateCode(), Ardo::Error,
                 "Ardo::ProEngineer::DateCode");
    EXPECT_EQ(simhost::liveObjects(), 0);
}

// --- failures of the host calls ------------------------------------------------------

struct HostFault {
    const char* function;
    int code;
    std::function<void(kelt2pSession&, const std::string& startFile)> operation;
    int expectedCode;
    const char* expectedText;
    bool connectedFirst;
};

TEST_F(SessionTest, EachHostFailureIsReportedWithItsCodeAndOperation) {
    using S = kelt2pSession;
    using F = const std::string;
    const char* connect = "Ardo::ProEngineer::Connect";
    const char* connectWS = "Ardo::ProEngineer::ConnectWS";
    const char* info = "Ardo::ProEngineer::ConnectInfo";
    const std::vector<HostFault> faults = {
        {"ProEngineerConnect", -38, [](S& s, F&) { s.Connect(); }, -38, connect, false},
        {"ProEngineerConnect", -11, [](S& s, F&) { s.Connect("h", 1, 1, 1, 1, "a"); }, -11, connect,
         false},
        {"ProEngineerConnectionStart", -40, [](S& s, F& f) { s.Connect(f); }, -40, connect, false},
        {"ProEngineerConnectWS", -11, [](S& s, F&) { s.ConnectWS("ws"); }, -11, connectWS, false},
        {"ProStringToWstring", -1, [](S& s, F&) { s.ConnectWS("ws"); }, -1, connectWS, false},
        {"ProEngineerConnectIdExtract", -1, [](S& s, F&) { s.Connect(); }, -1, info, false},
        {"ProEngineerStart", -40, [](S& s, F& f) { s.Start(f); }, -40, "Ardo::ProEngineer::Start",
         false},
        {"ProEngineerDisconnect", -11, [](S& s, F&) { s.Disconnect(); }, -11,
         "Ardo::ProEngineer::Disconnect", true},
        {"ProEngineerEnd", -38, [](S& s, F&) { s.End(); }, -38, "Ardo::ProEngineer::End", true},
        {"ProEngineerDisplaydatecodeGet", -11, [](S& s, F&) { s.DateCode(); }, -11,
         "Ardo::ProEngineer::DateCode", true},
        {"ProEngineerStatusGet", -11, [](S& s, F&) { s.ConnectInfo(); }, -4, info, true},
    };
    for (const HostFault& f : faults) {
        SCOPED_TRACE(std::string(f.function) + " -> " + f.expectedText);
        simhost::reset();
        simhost::launch();
        std::string path = startFile();
        {
            kelt2pSession s;
            if (f.connectedFirst) {
                s.Connect();
            }
            simhost::injectFault(f.function, f.code);
            EXPECT_THROW_CODE(f.operation(s, path), Ardo::Error, f.expectedCode, f.expectedText);
            // A failed call changes nothing: what stood before still stands.
            if (f.connectedFirst) {
                EXPECT_TRUE(s.IsConnected());
            }
        }
        EXPECT_EQ(simhost::liveObjects(), 0);
    }
}

TEST_F(SessionTest, ConnectFailsAtEachHostCallInTurn) {
    // Call k of Connect() fails; the status query failing reads as "not connected".
    const std::vector<std::optional<std::pair<int, const char*>>> expected = {
        std::nullopt,
        std::make_pair(-11, "Ardo::ProEngineer::Connect"),
        std::make_pair(-4, "Ardo::ProEngineer::ConnectInfo"),
        std::make_pair(-1, "Ardo::ProEngineer::ConnectInfo"),
        std::nullopt,
    };
    for (std::size_t k = 1; k <= expected.size(); ++k) {
        SCOPED_TRACE("fault at call " + std::to_string(k));
        simhost::reset();
        std::string id = simhost::launch();
        kelt2pSession s;
        simhost::injectFault("*", PRO_TK_COMM_ERROR, static_cast<int>(k));
        if (const auto& e = expected[k - 1]) {
            EXPECT_THROW_CODE(s.Connect(), Ardo::Error, e->first, e->second);
        } else {
            s.Connect();
            simhost::clearFaults();
            EXPECT_EQ(std::string(s.ConnectInfo()), id);
        }
        simhost::clearFaults();
    }
}

// --- lifetime and sharing ------------------------------------------------------------

TEST_F(SessionTest, OnlyTheLastSessionObjectDisconnects) {
    simhost::launch();
    {
        kelt2pSession first;
        first.Connect();
        {
            kelt2pSession second;
            EXPECT_EQ(Ardo::session::sessionState().sessionCount, 2);
        }
        EXPECT_TRUE(first.IsConnected());
        EXPECT_EQ(callCount("ProEngineerDisconnect"), 0);
    }
    EXPECT_EQ(callCount("ProEngineerDisconnect"), 1);
    EXPECT_EQ(ProEngineerStatusGet(), PRO_TK_GENERAL_ERROR);
    EXPECT_EQ(Ardo::session::sessionState().sessionCount, 0);
}

TEST_F(SessionTest, LastObjectDisconnectsEvenIfAnotherMadeTheConnection) {
    simhost::launch();
    auto connecting = std::make_unique<kelt2pSession>();
    auto other = std::make_unique<kelt2pSession>();
    connecting->Connect();
    connecting.reset();
    EXPECT_TRUE(other->IsConnected());
    other.reset();
    EXPECT_EQ(callCount("ProEngineerDisconnect"), 1);
    EXPECT_EQ(ProEngineerStatusGet(), PRO_TK_GENERAL_ERROR);
}

TEST_F(SessionTest, DestructionNeverThrows) {
    simhost::launch();
    {
        kelt2pSession s;
        s.Connect();
        simhost::injectFault("ProEngineerDisconnect", PRO_TK_COMM_ERROR);
    }
    EXPECT_EQ(ProEngineerStatusGet(), PRO_TK_NO_ERROR) << "the failed disconnect left it";
    {
        kelt2pSession s;
        s.Start(startFile());  // no handle: the host refuses the disconnect
    }
    EXPECT_EQ(Ardo::session::sessionState().sessionCount, 0);
}

TEST_F(SessionTest, AssignmentSharesOneImplementationReleasedOnce) {
    simhost::launch();
    auto a = std::make_unique<kelt2pSession>();
    kelt2pSession b;
    EXPECT_EQ(Ardo::session::sessionState().sessionCount, 2);
    a->Connect();
    b = *a;
    kelt2pSession& alias = b;
    b = alias;  // assigning to itself keeps the implementation
    EXPECT_EQ(Ardo::session::sessionState().sessionCount, 1);
    EXPECT_EQ(b.ConnectInfo(), a->ConnectInfo()) << "one connection identifier buffer";
    kelt2pSession c(b);
    EXPECT_EQ(c.ConnectInfo(), a->ConnectInfo());
    a.reset();
    EXPECT_TRUE(b.IsConnected()) << "b and c still hold the implementation";
    EXPECT_EQ(callCount("ProEngineerDisconnect"), 0);
}

// --- the event loop ------------------------------------------------------------------

TEST_F(SessionTest, EventLoopReturnsWhenTheHostExits) {
    simhost::launch();
    kelt2pSession s;
    s.Textpath("/text");
    s.Connect();
    int pressed = 0;
    simhost::onCommand("ardokelt_dialog", [&] { ++pressed; });
    simhost::postCommand("ardokelt_dialog");
    simhost::postExit();
    s.EventLoop();
    EXPECT_EQ(pressed, 1);
    EXPECT_FALSE(s.IsConnected());
    EXPECT_EQ(callCount("ProAsynchronousEventLoopInterrupt"), 2)
        << "stopped by the exit hook, then by user_terminate";
}

TEST_F(SessionTest, EventLoopReturnsWhenInterruptedFromACommand) {
    simhost::launch();
    kelt2pSession s;
    s.Connect();
    bool later = false;
    simhost::onCommand("stop", [] { ProAsynchronousEventLoopInterrupt(); });
    simhost::onCommand("later", [&] { later = true; });
    simhost::postCommand("stop");
    simhost::postCommand("later");
    s.EventLoop();
    EXPECT_FALSE(later) << "served after the interruption";
    EXPECT_TRUE(s.IsConnected());
    s.EventLoop();
    EXPECT_TRUE(later);
}

}  // namespace
