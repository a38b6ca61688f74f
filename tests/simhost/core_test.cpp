#include <ProArray.h>

#include <ProCore.h>
#include <ProTool.h>
#include <ProToolinput.h>
#include <ProUtil.h>

#include <climits>
#include <functional>
#include <string>

#include "kelt2proe/simhost/control.h"
#include "mfg_helpers.h"
#include "support/host_fixture.h"

namespace {

using testkit::HostTest;

TEST_F(HostTest, ConnectWithoutSessionFailsAtOnce) {
    ProProcessHandle handle{};
    ProBoolean random = PRO_B_FALSE;
    EXPECT_NE(
        ProEngineerConnect(nullptr, nullptr, nullptr, nullptr, PRO_B_TRUE, 20, &random, &handle),
        PRO_TK_NO_ERROR);
    EXPECT_EQ(ProEngineerStatusGet(), PRO_TK_GENERAL_ERROR);
}

TEST_F(HostTest, FaultFiresOnTheNthCallOnly) {
    launchAndConnect();
    simhost::injectFault("ProEngineerStatusGet", PRO_TK_COMM_ERROR, 2);
    EXPECT_EQ(ProEngineerStatusGet(), PRO_TK_NO_ERROR);
    EXPECT_EQ(ProEngineerStatusGet(), PRO_TK_COMM_ERROR);
    EXPECT_EQ(ProEngineerStatusGet(), PRO_TK_NO_ERROR);
    EXPECT_EQ(testkit::callCount("ProEngineerStatusGet"), 3);
}

TEST_F(HostTest, ArrayGrowsAndIsReleasedOnce) {
    ProArray array = nullptr;
    ASSERT_EQ(ProArrayAlloc(0, sizeof(int), 1, &array), PRO_TK_NO_ERROR);
    for (int i = 0; i < 100; ++i) {
        ASSERT_EQ(ProArrayObjectAdd(&array, PRO_VALUE_UNUSED, 1, &i), PRO_TK_NO_ERROR);
    }
    int zero = -1;
    ASSERT_EQ(ProArrayObjectAdd(&array, 0, 1, &zero), PRO_TK_NO_ERROR);
    int size = 0;
    ASSERT_EQ(ProArraySizeGet(array, &size), PRO_TK_NO_ERROR);
    EXPECT_EQ(size, 101);
    EXPECT_EQ(static_cast<int*>(array)[0], -1);
    EXPECT_EQ(static_cast<int*>(array)[100], 99);
    ProArray copy = array;
    EXPECT_EQ(ProArrayFree(&array), PRO_TK_NO_ERROR);
    EXPECT_EQ(array, nullptr);
    EXPECT_EQ(ProArrayFree(&copy), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(simhost::liveObjects(), 0);
}

// Sizes no session can hold are refused as out of memory, never a crash or a wrapped size.
TEST_F(HostTest, ArrayTooLargeIsOutOfMemory) {
    ProArray array = nullptr;
    EXPECT_EQ(ProArrayAlloc(INT_MAX, INT_MAX, 1, &array), PRO_TK_OUT_OF_MEMORY);
    EXPECT_EQ(array, nullptr);
    ASSERT_EQ(ProArrayAlloc(1, 1, 1, &array), PRO_TK_NO_ERROR);
    char byte = 'x';
    EXPECT_EQ(ProArrayObjectAdd(&array, PRO_VALUE_UNUSED, INT_MAX, &byte), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProArrayObjectAdd(&array, PRO_VALUE_UNUSED, INT_MAX - 1, &byte),
              PRO_TK_OUT_OF_MEMORY);
    int size = 0;
    ASSERT_EQ(ProArraySizeGet(array, &size), PRO_TK_NO_ERROR);
    EXPECT_EQ(size, 1);
    EXPECT_EQ(ProArrayFree(&array), PRO_TK_NO_ERROR);
    EXPECT_EQ(simhost::liveObjects(), 0);
}

TEST_F(HostTest, WithoutConnectionEveryCallIsACommError) {
    // Handles made in a session that is gone.
    launchAndConnect();
    ProMdl box = modeltest::create(L"box");
    writeFile("job.mfg", R"({"type": "MFG", "tools": [{"id": "EM_12", "type": 10}]})");
    ProMdl job = nullptr;
    ASSERT_EQ(modeltest::load("job.mfg", &job), PRO_TK_NO_ERROR);
    ProTool tool = mfgtest::tool(job, L"EM_12");
    simhost::reset();

    ProMdlType type{};
    ProToolinputPtr input = nullptr;
    ProName option = L"show_dim_sign";
    ProLine value{};
    ProComment comment = L"note";
    char* code = nullptr;
    const std::pair<const char*, std::function<ProError()>> calls[] = {
        {"ProMdlTypeGet", [&] { return ProMdlTypeGet(box, &type); }},
        {"ProMdlSave", [&] { return ProMdlSave(box); }},
        {"ProToolVerify", [&] { return ProToolVerify(&tool); }},
        {"ProToolinputAlloc", [&] { return ProToolinputAlloc(&input); }},
        {"ProConfigoptGet", [&] { return ProConfigoptGet(option, value); }},
        {"ProTrailfileCommentWrite", [&] { return ProTrailfileCommentWrite(comment); }},
        {"ProAsynchronousEventLoop", [] { return ProAsynchronousEventLoop(); }},
        {"ProEngineerDisplaydatecodeGet", [&] { return ProEngineerDisplaydatecodeGet(&code); }},
    };
    for (const auto& call : calls) {
        EXPECT_EQ(call.second(), PRO_TK_COMM_ERROR) << call.first;
    }
    EXPECT_EQ(simhost::liveObjects(), 0);
}

}  // namespace
