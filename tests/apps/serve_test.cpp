// kelt2p serve at the desk: the host shows the tool-database button, a person presses it
// in the example milling job, the tools arrive in the workcell's tool table; played on
// the embedded simulated host.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "commands.h"
#include "example_job.h"
#include "host_text.h"
#include "kelt2proe/kelt2proe.h"
#include "kelt2proe/simhost/control.h"
#include "serve.h"
#include "session/host_entry.h"

// The host finds the application's start-up and termination entries in the process by
// name. The program has them from the shared library; this test program links the
// library statically and calls neither: naming them here keeps them in it.
struct ServeTestEntries {
    decltype(&user_initialize) start;
    decltype(&user_terminate) stop;
};
extern const ServeTestEntries kServeTestEntries;
const ServeTestEntries kServeTestEntries{&user_initialize, &user_terminate};

namespace {

namespace fs = std::filesystem;

const char* const kButton = "ardokelt_dialog";

using apptest::Result;

class ServeTest : public apptest::ExampleJobTest {
protected:
    void SetUp() override {
        ExampleJobTest::SetUp();
        writeFile("plate.prt", "{\"type\": \"PRT\"}");
        kelt2p::useHostCharacterSet();
    }

    // Runs serve with the text directory shipped with the program; `desk` plays the user.
    static Result serve(const std::string& list, const kelt2p::Desk& desk) {
        std::ostringstream out;
        std::ostringstream err;
        const std::string textDir =
            (fs::path(KELT2PROE_SOURCE_DIR) / "apps/kelt2p/textdir").string();
        int code = kelt2p::serveDesk({list, "--text-dir", textDir}, out, err, desk);
        return {code, out.str(), err.str()};
    }

    // Shows the model, which makes it the current model.
    static void makeCurrent(const char* name, Ardo::kelt2pMdlType type) {
        Ardo::kelt2pMdl model;
        model.Load(name, type, false);
        model.Display();
    }

    static int buttonAccess() {
        for (const simhost::CommandButton& button : simhost::commands()) {
            if (button.action == kButton) {
                return button.access;
            }
        }
        ADD_FAILURE() << "no button";
        return -1;
    }

    static std::string messagesShown() {
        std::string all;
        for (const simhost::ShownMessage& m : simhost::messages()) {
            all += m.key + ": " + m.text + "\n";
        }
        return all;
    }
};

TEST_F(ServeTest, PressInTheManufacturingModelFillsItsTableAndTheSessionEndEndsTheProgram) {
    bool buttonReady = false;
    Result served = serve("tools.csv", [&] {
        auto buttons = simhost::commands();
        ASSERT_EQ(buttons.size(), 1u);
        EXPECT_EQ(buttons[0].label, "Tool database");
        EXPECT_FALSE(buttons[0].iconFile.empty()) << "the icon is shipped in the text directory";
        makeCurrent("mill_job", Ardo::KELT2P_MDL_MFG);
        EXPECT_EQ(buttonAccess(), 3) << "a manufacturing model is current";
        makeCurrent("plate", Ardo::KELT2P_MDL_PART);
        EXPECT_EQ(buttonAccess(), 1) << "a part is current";
        EXPECT_FALSE(simhost::pressCommand(kButton));
        makeCurrent("mill_job", Ardo::KELT2P_MDL_MFG);
        buttonReady = simhost::pressCommand(kButton);
        // Pressed again: every entry is in place by then.
        EXPECT_TRUE(simhost::pressCommand(kButton));
        simhost::postExit();
    });
    ASSERT_TRUE(buttonReady);
    ASSERT_EQ(served.code, kelt2p::kExitOk) << served.err;
    EXPECT_EQ(served.out,
              "kelt2p serve: 2 presses served: 2 synced (8 entries written), 0 failed\n");
    const std::string shown = messagesShown();
    EXPECT_CONTAINS(shown, "KELT2CSTART: ");
    EXPECT_CONTAINS(shown,
                    "KELT2P RESULT: kelt2p: 8 entries written to workcell HERMLE_C42, 4 "
                    "in place already");
    EXPECT_CONTAINS(shown,
                    "KELT2P RESULT: kelt2p: 0 entries written to workcell HERMLE_C42, 12 "
                    "in place already");

    // The saved model holds the entries: the table command reads them in a new session.
    std::ostringstream out;
    std::ostringstream err;
    ASSERT_EQ(kelt2p::run("table", {"mill_job"}, out, err), kelt2p::kExitOk) << err.str();
    EXPECT_CONTAINS(out.str(), "12 entries, 4 in use\n");
}

TEST_F(ServeTest, ConflictIsShownInTheHostAndNothingIsWritten) {
    writeFile("conflict.csv",
              "tool_id,type,head,position,comment,CUTTER_DIAM\n"
              "EM_4,END MILL,1,1,takes the face mill's place,4\n");
    Result served = serve("conflict.csv", [] {
        makeCurrent("mill_job", Ardo::KELT2P_MDL_MFG);
        ASSERT_TRUE(simhost::pressCommand(kButton));
        simhost::postExit();
    });
    EXPECT_EQ(served.code, kelt2p::kExitHost);
    EXPECT_EQ(served.out, "kelt2p serve: 1 press served: 0 synced (0 entries written), 1 failed\n");
    const std::string shown = messagesShown();
    EXPECT_CONTAINS(shown, "conflict.csv:2: head 1 position 1 of workcell HERMLE_C42 holds tool ");
    EXPECT_CONTAINS(shown, "the tool list is refused; nothing was changed");
}

TEST_F(ServeTest, TextDirectoryWithoutTheMessageFileIsRefused) {
    fs::create_directories(workDir / "empty");
    std::ostringstream out;
    std::ostringstream err;
    int code = kelt2p::run("serve", {"tools.csv", "--text-dir", "empty"}, out, err);
    EXPECT_EQ(code, kelt2p::kExitInput);
    EXPECT_CONTAINS(err.str(), "shows no tool-database button");
}

}  // namespace
