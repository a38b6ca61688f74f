// The host's session functions: launching, connecting, leaving, ending, the event loop
// and the start of the toolkit application.
#define PRO_USE_VAR_ARGS
#include <ProCore.h>
#include <ProMessage.h>
#include <ProUtil.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "kelt2proe/simhost/control.h"
#include "simhost/state/sessions.h"
#include "support/host_fixture.h"

namespace {

// What the host passed to the application's start-up entry below.
struct ApplicationCalls {
    int initialized = 0;
    int terminated = 0;
    std::vector<std::string> arguments;
    // What user_initialize answers, and whether it shows the message "START" of
    // "app.txt" while it runs (with the host's answer to it).
    int result = 0;
    bool showStartMessage = false;
    ProError startMessage = PRO_TK_GENERAL_ERROR;
};

ApplicationCalls& application() {
    static ApplicationCalls calls;
    return calls;
}

}  // namespace

// The toolkit application's entry points, found by the host among the names this program
// exports.
#if defined(_WIN32)
#define APPLICATION_ENTRY extern "C" __declspec(dllexport)
#else
#define APPLICATION_ENTRY extern "C" __attribute__((visibility("default")))
#endif

APPLICATION_ENTRY int user_initialize(int argc, char* argv[], char*, char*, wchar_t*) {
    ++application().initialized;
    application().arguments.assign(argv, argv + argc);
    if (application().showStartMessage) {
        ProFileName file{};
        std::wstring(L"app.txt").copy(file, PRO_FILE_NAME_SIZE - 1);
        application().startMessage = ProMessageDisplay(file, const_cast<char*>("START"));
    }
    return application().result;
}

APPLICATION_ENTRY void user_terminate() {
    ++application().terminated;
}

namespace {

class SessionHostTest : public testkit::HostTest {
protected:
    void SetUp() override {
        HostTest::SetUp();
        application() = ApplicationCalls{};
    }

    // ProEngineerConnect with the given identifier and random choice; returns the result.
    ProError connect(const std::string& id, ProBoolean allowRandom,
                     const char* textPath = nullptr) {
        std::string idCopy = id;
        std::string textCopy = textPath == nullptr ? "" : textPath;
        random = PRO_B_FALSE;
        handle = ProProcessHandle{};
        return ProEngineerConnect(idCopy.data(), nullptr, nullptr,
                                  textPath == nullptr ? nullptr : textCopy.data(), allowRandom, 20,
                                  &random, &handle);
    }

    std::string extracted(ProProcessHandle h) {
        ProConnectionId id{};
        return ProEngineerConnectIdExtract(h, id) == PRO_B_TRUE ? std::string(id) : "<none>";
    }

    ProProcessHandle handle{};
    ProBoolean random = PRO_B_FALSE;
};

TEST_F(SessionHostTest, ConnectByIdentifier) {
    std::string first = simhost::launch();
    std::string second = simhost::launch();
    EXPECT_NE(first, second);
    ASSERT_EQ(connect(second, PRO_B_FALSE), PRO_TK_NO_ERROR);
    EXPECT_EQ(random, PRO_B_FALSE);
    EXPECT_EQ(ProEngineerStatusGet(), PRO_TK_NO_ERROR);
    EXPECT_EQ(extracted(handle), second);
    EXPECT_EQ(connect("host:nowhere:address_version:1", PRO_B_TRUE), PRO_TK_E_NOT_FOUND);
}

TEST_F(SessionHostTest, ConnectWithoutIdentifier) {
    std::string only = simhost::launch();
    ASSERT_EQ(connect("", PRO_B_FALSE), PRO_TK_NO_ERROR) << "the only session needs no choice";
    EXPECT_EQ(random, PRO_B_FALSE);
    EXPECT_EQ(extracted(handle), only);
    simhost::launch();
    EXPECT_EQ(connect("", PRO_B_FALSE), PRO_TK_GENERAL_ERROR) << "two sessions, no choice";
    ASSERT_EQ(connect("", PRO_B_TRUE), PRO_TK_NO_ERROR);
    EXPECT_EQ(random, PRO_B_TRUE);
    EXPECT_EQ(extracted(handle), only) << "the first in start order";
}

TEST_F(SessionHostTest, ConnectIdExtractRefusesEmptyAndStaleHandles) {
    EXPECT_EQ(extracted(ProProcessHandle{}), "<none>");
    simhost::launch();
    ASSERT_EQ(connect("", PRO_B_TRUE), PRO_TK_NO_ERROR);
    ProProcessHandle old = handle;
    simhost::reset();
    std::string fresh = simhost::launch();  // reuses the first session slot
    EXPECT_EQ(extracted(old), "<none>");
    ASSERT_EQ(connect(fresh, PRO_B_FALSE), PRO_TK_NO_ERROR);
    EXPECT_EQ(ProEngineerDisconnect(&old, 1), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProEngineerStatusGet(), PRO_TK_NO_ERROR);
}

TEST_F(SessionHostTest, DisconnectKeepsTheSessionRunning) {
    std::string id = simhost::launch();
    ASSERT_EQ(connect(id, PRO_B_FALSE), PRO_TK_NO_ERROR);
    ProProcessHandle empty{};
    EXPECT_EQ(ProEngineerDisconnect(&empty, 1), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProEngineerStatusGet(), PRO_TK_NO_ERROR);
    EXPECT_EQ(ProEngineerDisconnect(&handle, 1), PRO_TK_NO_ERROR);
    EXPECT_EQ(ProEngineerStatusGet(), PRO_TK_GENERAL_ERROR);
    EXPECT_EQ(ProEngineerDisconnect(&handle, 1), PRO_TK_COMM_ERROR);
    EXPECT_EQ(extracted(handle), id) << "the session still runs";
    EXPECT_EQ(connect(id, PRO_B_FALSE), PRO_TK_NO_ERROR);
}

TEST_F(SessionHostTest, EndEndsTheSession) {
    std::string id = simhost::launch();
    ASSERT_EQ(connect(id, PRO_B_FALSE), PRO_TK_NO_ERROR);
    EXPECT_EQ(ProEngineerEnd(), PRO_TK_NO_ERROR);
    EXPECT_EQ(ProEngineerStatusGet(), PRO_TK_GENERAL_ERROR);
    EXPECT_EQ(extracted(handle), "<none>");
    EXPECT_EQ(connect(id, PRO_B_TRUE), PRO_TK_E_NOT_FOUND);
    EXPECT_EQ(connect("", PRO_B_TRUE), PRO_TK_E_NOT_FOUND);
    EXPECT_EQ(ProEngineerEnd(), PRO_TK_COMM_ERROR);
}

TEST_F(SessionHostTest, StartFileMustExistAndIsRead) {
    char missing[] = "missing.cfg";
    ProProcessHandle h{};
    EXPECT_EQ(ProEngineerStart(missing, nullptr), PRO_TK_GENERAL_ERROR);
    EXPECT_EQ(ProEngineerConnectionStart(missing, nullptr, &h), PRO_TK_GENERAL_ERROR);
    EXPECT_THROW(simhost::launch("missing.cfg"), std::runtime_error);
    EXPECT_EQ(ProEngineerStatusGet(), PRO_TK_GENERAL_ERROR);

    std::string path = writeFile("config.pro",
                                 "! a comment\n"
                                 "Pro_Unit_Length   unit_mm\r\n"
                                 "\n"
                                 "search_path /a b/c\n");
    ASSERT_EQ(ProEngineerConnectionStart(path.data(), nullptr, &h), PRO_TK_NO_ERROR);
    simhost::state::Session* s = simhost::state::connected();
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->config.size(), 2u);
    EXPECT_EQ(s->config["pro_unit_length"], std::vector<std::string>{"unit_mm"});
    EXPECT_EQ(s->config["search_path"], std::vector<std::string>{"/a b/c"});
    EXPECT_EQ(s->workDir, workDir);
}

TEST_F(SessionHostTest, EventLoopNeverWaitsOnAnEmptyQueue) {
    launchAndConnect();
    EXPECT_EQ(ProAsynchronousEventLoop(), PRO_TK_NO_ERROR);
    int served = 0;
    simhost::onCommand("count", [&] { ++served; });
    simhost::postCommand("count");
    simhost::postCommand("unknown");
    simhost::postCommand("count");
    EXPECT_EQ(ProAsynchronousEventLoop(), PRO_TK_NO_ERROR);
    EXPECT_EQ(served, 2);
}

ProeTerminationStatus terminationSeen = static_cast<ProeTerminationStatus>(0);

TEST_F(SessionHostTest, PostedExitEndsTheSessionAndRunsTheTerminationAction) {
    terminationSeen = static_cast<ProeTerminationStatus>(0);
    launchAndConnect();
    ASSERT_EQ(ProTermFuncSet([](ProeTerminationStatus status) {
                  terminationSeen = status;
                  return PRO_TK_NO_ERROR;
              }),
              PRO_TK_NO_ERROR);
    simhost::postExit();
    EXPECT_EQ(ProAsynchronousEventLoop(), PRO_TK_COMM_ERROR);
    EXPECT_EQ(terminationSeen, PROTERM_EXIT);
    EXPECT_EQ(ProEngineerStatusGet(), PRO_TK_GENERAL_ERROR);
}

TEST_F(SessionHostTest, ApplicationStartsOnConnectWithATextPath) {
    std::string id = simhost::launch();
    ASSERT_EQ(connect(id, PRO_B_FALSE), PRO_TK_NO_ERROR);
    EXPECT_EQ(application().initialized, 0) << "no text path, no application";
    ASSERT_EQ(connect(id, PRO_B_FALSE, "/app/text"), PRO_TK_NO_ERROR);
    EXPECT_EQ(application().initialized, 1);
    EXPECT_EQ(application().arguments,
              (std::vector<std::string>{"simhost", "+text_dir=/app/text"}));
    ASSERT_EQ(connect(id, PRO_B_FALSE, "/app/text"), PRO_TK_NO_ERROR);
    EXPECT_EQ(application().initialized, 1) << "started once per session";
    EXPECT_EQ(ProEngineerEnd(), PRO_TK_NO_ERROR);
    EXPECT_EQ(application().terminated, 1);
}

TEST_F(SessionHostTest, TheApplicationReadsItsTextPathFromStartUpUntilItStops) {
    std::filesystem::create_directories(workDir / "app" / "text");
    std::ofstream(workDir / "app" / "text" / "app.txt") << "START\nStarted.\n#\n#\n";
    application().showStartMessage = true;
    std::string id = simhost::launch();
    ASSERT_EQ(connect(id, PRO_B_FALSE, "app"), PRO_TK_NO_ERROR);
    EXPECT_EQ(application().startMessage, PRO_TK_NO_ERROR);
    ASSERT_EQ(simhost::messages().size(), 1u);
    EXPECT_EQ(simhost::messages()[0].text, "Started.");
    ASSERT_EQ(ProEngineerEnd(), PRO_TK_NO_ERROR);
    EXPECT_EQ(application().terminated, 1);

    // An application whose start fails is not running: no text path, no terminate.
    application() = ApplicationCalls{};
    application().result = -1;
    id = simhost::launch();
    ASSERT_EQ(connect(id, PRO_B_FALSE, "app"), PRO_TK_NO_ERROR);
    EXPECT_EQ(application().initialized, 1);
    ProFileName file{};
    std::wstring(L"app.txt").copy(file, PRO_FILE_NAME_SIZE - 1);
    EXPECT_EQ(ProMessageDisplay(file, const_cast<char*>("START")), PRO_TK_E_NOT_FOUND);
    ASSERT_EQ(ProEngineerEnd(), PRO_TK_NO_ERROR);
    EXPECT_EQ(application().terminated, 0);
}

TEST_F(SessionHostTest, DateCodeIsAToolkitText) {
    char* code = nullptr;
    launchAndConnect();
    ASSERT_EQ(ProEngineerDisplaydatecodeGet(&code), PRO_TK_NO_ERROR);
    EXPECT_GT(std::string(code).size(), 0u);
    EXPECT_EQ(simhost::liveObjects(), 1);
    EXPECT_EQ(ProStringFree(code), PRO_TK_NO_ERROR);
    EXPECT_EQ(ProStringFree(code), PRO_TK_BAD_INPUTS) << "a second free is refused";
    EXPECT_EQ(simhost::liveObjects(), 0);
}

}  // namespace
