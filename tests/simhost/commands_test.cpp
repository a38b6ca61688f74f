// Commands of the host's user interface: adding, icon, designating from the message
// file, the button's availability, presses served by the event loop, and the
// termination function at the end of the session.
#define PRO_USE_VAR_ARGS
#include <ProCore.h>
#include <ProMessage.h>
#include <ProUICmd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "ui_helpers.h"

namespace {

// What the command callbacks below saw; reset by each test.
struct Calls {
    uiCmdAccessState access = ACCESS_AVAILABLE;
    int accessAsked = 0;
    std::vector<std::intptr_t> actions;  // the command id each action call got
    std::vector<int> terminations;
    ProError goodbye = PRO_TK_GENERAL_ERROR;
};

Calls& calls() {
    static Calls c;
    return c;
}

int action(uiCmdCmdId command, uiCmdValue*, void*) {
    calls().actions.push_back(reinterpret_cast<std::intptr_t>(command));
    return 0;
}

uiCmdAccessState access(uiCmdAccessMode) {
    ++calls().accessAsked;
    return calls().access;
}

// Records the end and says goodbye in the message area, as an application may.
ProError terminated(ProeTerminationStatus status) {
    calls().terminations.push_back(status);
    uitest::FileName file("app.txt");
    calls().goodbye = ProMessageDisplay(file.text, const_cast<char*>("BYE"));
    return PRO_TK_NO_ERROR;
}

constexpr char kMessages[] =
    "USER TOOL\n"
    "Tool database\n"
    "#\n"
    "#\n"
    "USER TOOL HELP\n"
    "Reads the tool database\n"
    "#\n"
    "#\n"
    "BYE\n"
    "Goodbye.\n"
    "#\n";

class CommandTest : public uitest::TextPathTest {
protected:
    void SetUp() override {
        TextPathTest::SetUp();
        calls() = Calls{};
        writeMessages("app.txt", kMessages);
    }

    ProError add(const std::string& name, uiCmdCmdId* id) {
        std::string copy = name;
        return ProCmdActionAdd(copy.data(), action, 2, access, PRO_B_FALSE, PRO_B_TRUE, id);
    }
    ProError designate(uiCmdCmdId id, const char* label, const char* help,
                       const std::string& file = "app.txt") {
        ProCmdItemLabel l{};
        ProCmdLineHelp h{};
        ProCmdDescription d{};
        std::string(label).copy(l, PRO_LINE_SIZE - 1);
        std::string(help).copy(h, PRO_LINE_SIZE - 1);
        std::string(help).copy(d, PRO_LINE_SIZE - 1);
        uitest::FileName f(file);
        return ProCmdDesignate(id, l, h, d, f.text);
    }
    // A designated command "tool_button".
    uiCmdCmdId button() {
        uiCmdCmdId id = nullptr;
        EXPECT_EQ(add("tool_button", &id), PRO_TK_NO_ERROR);
        EXPECT_EQ(designate(id, "USER TOOL", "USER TOOL HELP"), PRO_TK_NO_ERROR);
        return id;
    }
};

TEST_F(CommandTest, AddGivesDistinctIdsAndRefusesTakenNamesAndMissingFunctions) {
    uiCmdCmdId first = nullptr;
    uiCmdCmdId second = nullptr;
    ASSERT_EQ(add("first", &first), PRO_TK_NO_ERROR);
    ASSERT_EQ(add("second", &second), PRO_TK_NO_ERROR);
    EXPECT_NE(first, nullptr);
    EXPECT_NE(first, second);
    uiCmdCmdId again = nullptr;
    EXPECT_EQ(add("first", &again), PRO_TK_E_FOUND);
    EXPECT_EQ(add("", &again), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(add("third", nullptr), PRO_TK_BAD_INPUTS);
    char name[] = "third";
    EXPECT_EQ(ProCmdActionAdd(name, nullptr, 2, access, PRO_B_FALSE, PRO_B_TRUE, &again),
              PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProCmdActionAdd(name, action, 2, nullptr, PRO_B_FALSE, PRO_B_TRUE, &again),
              PRO_TK_BAD_INPUTS);
    simhost::injectFault("ProCmdActionAdd", PRO_TK_GENERAL_ERROR);
    EXPECT_EQ(add("third", &again), PRO_TK_GENERAL_ERROR);

    // Added, not designated: listed without a button, and the access function is not
    // asked.
    auto buttons = simhost::commands();
    ASSERT_EQ(buttons.size(), 2u);
    EXPECT_EQ(buttons[0].action, "first");
    EXPECT_EQ(buttons[1].action, "second");
    EXPECT_FALSE(buttons[0].designated);
    EXPECT_EQ(buttons[0].access, ACCESS_INVISIBLE);
    EXPECT_EQ(calls().accessAsked, 0);
    EXPECT_TRUE(testkit::journalHas("ProCmdActionAdd first 2 0 1"));
}

TEST_F(CommandTest, IconAndDesignationGiveTheButtonItsLooks) {
    uiCmdCmdId id = nullptr;
    ASSERT_EQ(add("tool_button", &id), PRO_TK_NO_ERROR);
    char icon[] = "tool.gif";
    ASSERT_EQ(ProCmdIconSet(id, icon), PRO_TK_NO_ERROR);
    char empty[] = "";
    EXPECT_EQ(ProCmdIconSet(id, empty), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProCmdIconSet(reinterpret_cast<uiCmdCmdId>(std::intptr_t{99}), icon),
              PRO_TK_BAD_INPUTS);

    // Designating needs the message file and every key in it; a refusal changes nothing.
    EXPECT_EQ(designate(id, "USER TOOL", "USER TOOL HELP", "none.txt"), PRO_TK_E_NOT_FOUND);
    EXPECT_EQ(designate(id, "USER TOOL", "USER NO SUCH KEY"), PRO_TK_MSG_NOT_FOUND);
    EXPECT_EQ(designate(id, "", "USER TOOL HELP"), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(designate(nullptr, "USER TOOL", "USER TOOL HELP"), PRO_TK_BAD_INPUTS);
    ASSERT_EQ(simhost::commands().size(), 1u);
    EXPECT_FALSE(simhost::commands()[0].designated);
    EXPECT_FALSE(simhost::pressCommand("tool_button")) << "no button to press";

    ASSERT_EQ(designate(id, "USER TOOL", "USER TOOL HELP"), PRO_TK_NO_ERROR);
    auto buttons = simhost::commands();
    ASSERT_EQ(buttons.size(), 1u);
    EXPECT_TRUE(buttons[0].designated);
    EXPECT_EQ(buttons[0].icon, "tool.gif");
    EXPECT_EQ(buttons[0].iconFile, "") << "no such file in the text path";
    EXPECT_EQ(buttons[0].label, "Tool database");
    EXPECT_EQ(buttons[0].help, "Reads the tool database");
    EXPECT_EQ(buttons[0].description, "Reads the tool database");

    // The icon file is looked up in the text path's resource folders.
    std::filesystem::create_directories(workDir / "app" / "text" / "resource");
    std::ofstream(workDir / "app" / "text" / "resource" / "tool.gif") << "GIF89a";
    EXPECT_EQ(simhost::commands()[0].iconFile,
              (workDir / "app" / "text" / "resource" / "tool.gif").string());
}

TEST_F(CommandTest, TheHostAsksTheAccessFunctionEachTimeItDrawsTheButton) {
    button();
    auto buttons = simhost::commands();
    ASSERT_EQ(buttons.size(), 1u);
    EXPECT_TRUE(buttons[0].available());
    calls().access = ACCESS_UNAVAILABLE;
    buttons = simhost::commands();
    EXPECT_EQ(buttons[0].access, ACCESS_UNAVAILABLE);
    EXPECT_FALSE(buttons[0].available());
    EXPECT_EQ(calls().accessAsked, 2);
}

TEST_F(CommandTest, APressOfAnAvailableButtonRunsTheActionInTheEventLoop) {
    uiCmdCmdId id = button();
    ASSERT_TRUE(simhost::pressCommand("tool_button"));
    EXPECT_TRUE(calls().actions.empty()) << "the action runs in the event loop";
    ASSERT_EQ(ProAsynchronousEventLoop(), PRO_TK_NO_ERROR);
    ASSERT_EQ(calls().actions.size(), 1u);
    EXPECT_EQ(calls().actions[0], reinterpret_cast<std::intptr_t>(id));
    EXPECT_EQ(calls().accessAsked, 1) << "asked when pressed, not again when served";

    // Unavailable: the press does nothing.
    calls().access = ACCESS_UNAVAILABLE;
    EXPECT_FALSE(simhost::pressCommand("tool_button"));
    EXPECT_FALSE(simhost::pressCommand("no_such_command"));
    ASSERT_EQ(ProAsynchronousEventLoop(), PRO_TK_NO_ERROR);
    EXPECT_EQ(calls().actions.size(), 1u);
}

TEST_F(CommandTest, AQueuedPressAsksTheAccessFunctionWhenServed) {
    button();
    simhost::postCommand("tool_button");
    calls().access = ACCESS_UNAVAILABLE;
    ASSERT_EQ(ProAsynchronousEventLoop(), PRO_TK_NO_ERROR);
    EXPECT_TRUE(calls().actions.empty());
    calls().access = ACCESS_AVAILABLE;
    simhost::postCommand("tool_button");
    ASSERT_EQ(ProAsynchronousEventLoop(), PRO_TK_NO_ERROR);
    EXPECT_EQ(calls().actions.size(), 1u);
}

TEST_F(CommandTest, CommandsBelongToTheirSession) {
    button();
    simhost::reset();
    connect("app");
    EXPECT_TRUE(simhost::commands().empty());
    EXPECT_FALSE(simhost::pressCommand("tool_button"));
    uiCmdCmdId id = nullptr;
    EXPECT_EQ(add("tool_button", &id), PRO_TK_NO_ERROR) << "the name is free again";
    simhost::reset();
    EXPECT_TRUE(simhost::commands().empty());
    EXPECT_EQ(add("other", &id), PRO_TK_COMM_ERROR);
}

TEST_F(CommandTest, TheTerminationFunctionRunsWhenTheSessionEnds) {
    button();
    ASSERT_EQ(ProTermFuncSet(terminated), PRO_TK_NO_ERROR);
    ASSERT_TRUE(simhost::pressCommand("tool_button"));
    simhost::postExit();
    EXPECT_EQ(ProAsynchronousEventLoop(), PRO_TK_COMM_ERROR);
    EXPECT_EQ(calls().actions.size(), 1u) << "the press before the end is served";
    ASSERT_EQ(calls().terminations.size(), 1u);
    EXPECT_EQ(calls().terminations[0], PROTERM_EXIT);
    EXPECT_EQ(calls().goodbye, PRO_TK_NO_ERROR) << "the session still runs for the function";
    ASSERT_EQ(simhost::messages().size(), 1u);
    EXPECT_EQ(simhost::messages()[0].text, "Goodbye.");
    EXPECT_EQ(ProEngineerStatusGet(), PRO_TK_GENERAL_ERROR);
    EXPECT_TRUE(simhost::commands().empty()) << "no session, no buttons";
}

TEST_F(CommandTest, InterruptEndsTheLoopWithEventsLeftForTheNextOne) {
    button();
    simhost::onCommand("interrupt", [] { EXPECT_EQ(ProAsynchronousEventLoopInterrupt(), 0); });
    simhost::postCommand("interrupt");
    ASSERT_TRUE(simhost::pressCommand("tool_button"));
    ASSERT_EQ(ProAsynchronousEventLoop(), PRO_TK_NO_ERROR);
    EXPECT_TRUE(calls().actions.empty());
    ASSERT_EQ(ProAsynchronousEventLoop(), PRO_TK_NO_ERROR);
    EXPECT_EQ(calls().actions.size(), 1u);
}

}  // namespace
