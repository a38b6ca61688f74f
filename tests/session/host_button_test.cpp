// The application's button in the host and the end of the host session: start-up with
// and without a text directory, the button's availability, presses, the exit hook, and
// a host whose wide characters differ.
#include <ProCore.h>
#include <ProUICmd.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

#include "kelt2proe/mdl.h"
#include "kelt2proe/session.h"
#include "kelt2proe/simhost/control.h"
#include "session/host_entry.h"
#include "session/session_state.h"
#include "support/expect.h"

namespace {

using Ardo::kelt2pMdl;
using Ardo::kelt2pSession;
using testkit::callCount;

constexpr const char* kMessages =
    "KELT2CSTART\nTool database started.\n#\n#\n"
    "USER KELT2CREOTOOL\nTool database\n#\n#\n"
    "0001\n%0s\n#\n#\n";

int dialogCalls = 0;
int exitCalls = 0;
int countDialog() {
    return ++dialogCalls;
}
int countExit() {
    return ++exitCalls;
}
int throwingDialog() {
    throw std::runtime_error("the application's dialog failed");
}

class HostButtonTest : public testkit::HostTest {
protected:
    void SetUp() override {
        HostTest::SetUp();
        Ardo::session::SessionState& state = Ardo::session::sessionState();
        state.appTextDirSet = false;
        state.dialogCallback = nullptr;
        state.exitCallback = nullptr;
        dialogCalls = 0;
        exitCalls = 0;
        std::filesystem::create_directories(workDir / "app" / "text");
        std::ofstream(workDir / "app" / "text" / "kelt2creo.txt", std::ios::binary) << kMessages;
    }

    // Launches a host session from `startFile` and connects to it with the text
    // directory "app".
    void connectWithTextPath(const std::string& startFile = "") {
        simhost::launch(startFile);
        session.Textpath("app");
        session.Connect();
    }

    // Loads a model of `type` and shows it, which makes it the current model.
    void showModel(const std::string& file, const char* type, Ardo::kelt2pMdlType mdlType) {
        writeFile(file, std::string("{\"type\": \"") + type + "\"}");
        kelt2pMdl mdl;
        mdl.Load(file.c_str(), mdlType, false);
        mdl.Display();
    }

    int buttonAccess() {
        auto buttons = simhost::commands();
        if (buttons.size() != 1) {
            ADD_FAILURE() << buttons.size() << " commands";
            return -99;
        }
        return buttons[0].access;
    }

    kelt2pSession session;
};

TEST_F(HostButtonTest, WithoutTextPathNothingIsRegisteredAndTerminateDoesNotInterrupt) {
    launchAndConnect();
    char arg0[] = "app";
    char* argv[] = {arg0, nullptr};
    wchar_t errors[80] = {};
    simhost::clearJournal();
    EXPECT_EQ(user_initialize(1, argv, nullptr, nullptr, errors), 0);
    user_terminate();
    EXPECT_TRUE(simhost::journal().empty());
    EXPECT_TRUE(simhost::commands().empty());
    EXPECT_TRUE(simhost::messages().empty());
}

TEST_F(HostButtonTest, StartShowsTheMessageAndAddsTheButtonWithItsTexts) {
    connectWithTextPath();
    auto shown = simhost::messages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].file, "kelt2creo.txt");
    EXPECT_EQ(shown[0].key, "KELT2CSTART");
    auto buttons = simhost::commands();
    ASSERT_EQ(buttons.size(), 1u);
    EXPECT_EQ(buttons[0].action, "ardokelt_dialog");
    EXPECT_EQ(buttons[0].icon, "kelt2creo.gif");
    EXPECT_TRUE(buttons[0].designated);
    EXPECT_EQ(buttons[0].label, "Tool database");
    EXPECT_EQ(buttons[0].help, "Tool database");
    EXPECT_EQ(buttons[0].description, "Tool database");
    EXPECT_TRUE(testkit::journalHas("ProWcharSizeVerify " + std::to_string(sizeof(wchar_t))));
    EXPECT_TRUE(testkit::journalHas("ProCmdActionAdd ardokelt_dialog 2 0 1"));
    EXPECT_EQ(callCount("ProTermFuncSet"), 1);
}

TEST_F(HostButtonTest, ButtonIsAvailableOnlyWhileAManufacturingModelIsCurrent) {
    connectWithTextPath();
    EXPECT_EQ(buttonAccess(), ACCESS_UNAVAILABLE) << "no current model";
    showModel("gear.prt", "PRT", Ardo::KELT2P_MDL_PART);
    EXPECT_EQ(buttonAccess(), ACCESS_UNAVAILABLE) << "a part";
    EXPECT_FALSE(simhost::pressCommand("ardokelt_dialog"));
    showModel("job.mfg", "MFG", Ardo::KELT2P_MDL_MFG);
    EXPECT_EQ(buttonAccess(), ACCESS_AVAILABLE);
    simhost::injectFault("ProMdlTypeGet", PRO_TK_GENERAL_ERROR);
    EXPECT_EQ(buttonAccess(), ACCESS_UNAVAILABLE) << "a type the host does not tell";
    simhost::injectFault("ProMdlCurrentGet", PRO_TK_GENERAL_ERROR);
    EXPECT_EQ(buttonAccess(), ACCESS_UNAVAILABLE);
}

TEST_F(HostButtonTest, PressRunsTheDialogFunctionWhenThereIsOne) {
    connectWithTextPath();
    showModel("job.mfg", "MFG", Ardo::KELT2P_MDL_MFG);
    ASSERT_TRUE(simhost::pressCommand("ardokelt_dialog"));
    session.EventLoop();
    EXPECT_EQ(dialogCalls, 0) << "no dialog function: the press does nothing";
    EXPECT_TRUE(session.IsConnected());

    session.CustomDialog(&countDialog);
    ASSERT_TRUE(simhost::pressCommand("ardokelt_dialog"));
    ASSERT_TRUE(simhost::pressCommand("ardokelt_dialog"));
    session.EventLoop();
    EXPECT_EQ(dialogCalls, 2);

    // A dialog function that throws does not take the host down with it.
    session.CustomDialog(&throwingDialog);
    ASSERT_TRUE(simhost::pressCommand("ardokelt_dialog"));
    EXPECT_NO_THROW(session.EventLoop());
    EXPECT_TRUE(session.IsConnected());
}

TEST_F(HostButtonTest, SessionEndRunsTheExitFunctionAndEndsTheEventLoop) {
    connectWithTextPath();
    session.CustomExit(&countExit);
    showModel("job.mfg", "MFG", Ardo::KELT2P_MDL_MFG);
    session.CustomDialog(&countDialog);
    ASSERT_TRUE(simhost::pressCommand("ardokelt_dialog"));
    simhost::postExit();
    session.EventLoop();
    EXPECT_EQ(dialogCalls, 1);
    EXPECT_EQ(exitCalls, 1);
    EXPECT_FALSE(session.IsConnected());
    EXPECT_GE(callCount("ProAsynchronousEventLoopInterrupt"), 1);
}

TEST_F(HostButtonTest, HostOfAnotherWideCharacterSizeIsRefusedWithTheErrorMessage) {
    const int other = sizeof(wchar_t) == 4 ? 2 : 4;
    writeFile("start.cfg", "simhost_wchar_size " + std::to_string(other) + "\n");
    connectWithTextPath("start.cfg");
    auto shown = simhost::messages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].key, "0001");
    EXPECT_EQ(shown[0].text, "ERROR wchar_t Incorrect size (" + std::to_string(sizeof(wchar_t)) +
                                 "). Should be: " + std::to_string(other));
    EXPECT_TRUE(simhost::commands().empty()) << "no command added";
    EXPECT_EQ(callCount("ProTermFuncSet"), 0);
}

TEST_F(HostButtonTest, HostOfTheSameSizeGivenExplicitlyStarts) {
    writeFile("start.cfg", "simhost_wchar_size " + std::to_string(sizeof(wchar_t)) + "\n");
    connectWithTextPath("start.cfg");
    EXPECT_EQ(simhost::commands().size(), 1u);
}

TEST_F(HostButtonTest, CommandRefusedByTheHostGetsNoIconOrButton) {
    simhost::launch();
    simhost::injectFault("ProCmdActionAdd", PRO_TK_GENERAL_ERROR);
    session.Textpath("app");
    session.Connect();
    EXPECT_TRUE(simhost::commands().empty());
    EXPECT_EQ(callCount("ProCmdIconSet"), 0);
    EXPECT_EQ(callCount("ProCmdDesignate"), 0);
}

}  // namespace
