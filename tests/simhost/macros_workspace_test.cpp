// Host macros (queued, run, recorded) and the session's workspace.
#include <ProMenu.h>
#include <ProWorkspace.h>

#include <algorithm>
#include <iterator>
#include <string>

#include "model_helpers.h"

namespace {

using MacroTest = modeltest::ConnectedTest;

ProError loadMacro(const std::wstring& text) {
    std::wstring copy = text;
    return ProMacroLoad(copy.data());
}

TEST_F(MacroTest, ExecuteRunsTheQueueInLoadOrderAndEmptiesIt) {
    ASSERT_EQ(loadMacro(L"#SUSPEND ALL;"), PRO_TK_NO_ERROR);
    ASSERT_EQ(loadMacro(L" #suspend   all ; ~ Command `ProCmdNoSuch` ;;"), PRO_TK_NO_ERROR);
    EXPECT_TRUE(simhost::macrosRun().empty()) << "loading runs nothing";
    ASSERT_EQ(ProMacroExecute(), PRO_TK_NO_ERROR);
    auto runs = simhost::macrosRun();
    ASSERT_EQ(runs.size(), 3u);
    EXPECT_EQ(runs[0].command, "#SUSPEND ALL");
    EXPECT_TRUE(runs[0].understood);
    EXPECT_EQ(runs[1].command, "#suspend   all");
    EXPECT_TRUE(runs[1].understood);
    EXPECT_EQ(runs[2].command, "~ Command `ProCmdNoSuch`");
    EXPECT_FALSE(runs[2].understood);
    // The journal shows what the call ran.
    EXPECT_TRUE(testkit::journalHas(
        "ProMacroExecute #SUSPEND ALL;  #suspend   all ; ~ Command `ProCmdNoSuch` ;;"));

    // The queue is empty afterwards: a second run adds nothing.
    ASSERT_EQ(ProMacroExecute(), PRO_TK_NO_ERROR);
    EXPECT_EQ(simhost::macrosRun().size(), 3u);
    simhost::clearMacrosRun();
    EXPECT_TRUE(simhost::macrosRun().empty());
}

TEST_F(MacroTest, RefusalsAndFaultsQueueNothing) {
    EXPECT_EQ(ProMacroLoad(nullptr), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(loadMacro(L""), PRO_TK_BAD_INPUTS);
    simhost::injectFault("ProMacroLoad", PRO_TK_GENERAL_ERROR);
    EXPECT_EQ(loadMacro(L"#SUSPEND ALL;"), PRO_TK_GENERAL_ERROR);
    ASSERT_EQ(ProMacroExecute(), PRO_TK_NO_ERROR);
    EXPECT_TRUE(simhost::macrosRun().empty());

    // A failed run keeps the queue for the next one.
    ASSERT_EQ(loadMacro(L"#SUSPEND ALL;"), PRO_TK_NO_ERROR);
    simhost::injectFault("ProMacroExecute", PRO_TK_GENERAL_ERROR);
    EXPECT_EQ(ProMacroExecute(), PRO_TK_GENERAL_ERROR);
    EXPECT_TRUE(simhost::macrosRun().empty());
    ASSERT_EQ(ProMacroExecute(), PRO_TK_NO_ERROR);
    EXPECT_EQ(simhost::macrosRun().size(), 1u);

    // A long macro is taken whole.
    std::wstring longMacro(1023, L'x');
    ASSERT_EQ(loadMacro(longMacro), PRO_TK_NO_ERROR);
    ASSERT_EQ(ProMacroExecute(), PRO_TK_NO_ERROR);
    ASSERT_EQ(simhost::macrosRun().size(), 2u);
    EXPECT_EQ(simhost::macrosRun()[1].command, std::string(1023, 'x'));

    simhost::reset();
    EXPECT_EQ(loadMacro(L"#SUSPEND ALL;"), PRO_TK_COMM_ERROR);
    EXPECT_EQ(ProMacroExecute(), PRO_TK_COMM_ERROR);
}

TEST_F(MacroTest, QueuedMacrosBelongToTheirSession) {
    ASSERT_EQ(loadMacro(L"#SUSPEND ALL;"), PRO_TK_NO_ERROR);
    restart();
    ASSERT_EQ(ProMacroExecute(), PRO_TK_NO_ERROR);
    EXPECT_TRUE(simhost::macrosRun().empty());
}

using WorkspaceTest = modeltest::ConnectedTest;

TEST_F(WorkspaceTest, NoneUntilRegisteredThenTheLastOneRegistered) {
    ProName name{};
    EXPECT_EQ(ProCurrentWorkspaceGet(name), PRO_TK_E_NOT_FOUND);
    modeltest::Name first(L"ws_first");
    modeltest::Name second(L"Second Space");
    ASSERT_EQ(ProWorkspaceRegister(first.text), PRO_TK_NO_ERROR);
    ASSERT_EQ(ProCurrentWorkspaceGet(name), PRO_TK_NO_ERROR);
    EXPECT_EQ(std::wstring(name), L"ws_first");
    ASSERT_EQ(ProWorkspaceRegister(second.text), PRO_TK_NO_ERROR);
    ASSERT_EQ(ProCurrentWorkspaceGet(name), PRO_TK_NO_ERROR);
    EXPECT_EQ(std::wstring(name), L"Second Space");

    // Refusals keep the registered one.
    modeltest::Name empty(L"");
    EXPECT_EQ(ProWorkspaceRegister(empty.text), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProWorkspaceRegister(nullptr), PRO_TK_BAD_INPUTS);
    ProName unterminated;
    std::fill(std::begin(unterminated), std::end(unterminated), L'w');
    EXPECT_EQ(ProWorkspaceRegister(unterminated), PRO_TK_BAD_INPUTS);
    simhost::injectFault("ProWorkspaceRegister", PRO_TK_GENERAL_ERROR);
    EXPECT_EQ(ProWorkspaceRegister(first.text), PRO_TK_GENERAL_ERROR);
    EXPECT_EQ(ProCurrentWorkspaceGet(nullptr), PRO_TK_BAD_INPUTS);
    ASSERT_EQ(ProCurrentWorkspaceGet(name), PRO_TK_NO_ERROR);
    EXPECT_EQ(std::wstring(name), L"Second Space");

    // A new session has none.
    restart();
    EXPECT_EQ(ProCurrentWorkspaceGet(name), PRO_TK_E_NOT_FOUND);
}

}  // namespace
