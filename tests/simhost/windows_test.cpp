// Windows: display, the current window and model, activation, closing and visits.
#include <ProMdl.h>
#include <ProSolid.h>
#include <ProWindows.h>

#include <vector>

#include "model_helpers.h"

namespace {

using modeltest::create;

using WindowsTest = modeltest::ConnectedTest;

ProError collect(int window_id, ProAppData data) {
    static_cast<std::vector<int>*>(data)->push_back(window_id);
    return PRO_TK_NO_ERROR;
}

ProError stopAtFirst(int window_id, ProAppData data) {
    static_cast<std::vector<int>*>(data)->push_back(window_id);
    return PRO_TK_E_FOUND;
}

std::vector<int> openWindows() {
    std::vector<int> ids;
    EXPECT_EQ(ProWindowsVisit(collect, &ids), PRO_TK_NO_ERROR);
    return ids;
}

TEST_F(WindowsTest, DisplayUsesTheEmptyMainWindowThenNewOnes) {
    int current = 0;
    ASSERT_EQ(ProWindowCurrentGet(&current), PRO_TK_NO_ERROR);
    ProMdl model = nullptr;
    EXPECT_EQ(ProMdlCurrentGet(&model), PRO_TK_BAD_CONTEXT);
    EXPECT_EQ(ProWindowMdlGet(current, &model), PRO_TK_E_NOT_FOUND);

    ProMdl box = create(L"box");
    ProMdl lid = create(L"lid");
    int boxWindow = 0;
    EXPECT_EQ(ProMdlWindowGet(box, &boxWindow), PRO_TK_E_NOT_FOUND);
    ASSERT_EQ(ProMdlDisplay(box), PRO_TK_NO_ERROR);
    ASSERT_EQ(ProMdlWindowGet(box, &boxWindow), PRO_TK_NO_ERROR);
    EXPECT_EQ(boxWindow, current);
    ASSERT_EQ(ProMdlDisplay(lid), PRO_TK_NO_ERROR);
    int lidWindow = 0;
    ASSERT_EQ(ProMdlWindowGet(lid, &lidWindow), PRO_TK_NO_ERROR);
    EXPECT_EQ(lidWindow, boxWindow + 1);
    ASSERT_EQ(ProMdlCurrentGet(&model), PRO_TK_NO_ERROR);
    EXPECT_EQ(model, lid);

    // Displaying again reuses the model's window and makes it current.
    ASSERT_EQ(ProMdlDisplay(box), PRO_TK_NO_ERROR);
    ASSERT_EQ(ProWindowCurrentGet(&current), PRO_TK_NO_ERROR);
    EXPECT_EQ(current, boxWindow);
    EXPECT_EQ(openWindows(), (std::vector<int>{boxWindow, lidWindow}));
    ASSERT_EQ(ProWindowActivate(lidWindow), PRO_TK_NO_ERROR);
    ASSERT_EQ(ProWindowMdlGet(lidWindow, &model), PRO_TK_NO_ERROR);
    EXPECT_EQ(model, lid);
}

TEST_F(WindowsTest, ClosingAndErasingWindows) {
    ProMdl box = create(L"box");
    ProMdl lid = create(L"lid");
    ASSERT_EQ(ProMdlDisplay(box), PRO_TK_NO_ERROR);
    ASSERT_EQ(ProMdlDisplay(lid), PRO_TK_NO_ERROR);
    int lidWindow = 0;
    ASSERT_EQ(ProMdlWindowGet(lid, &lidWindow), PRO_TK_NO_ERROR);
    ASSERT_EQ(ProWindowCurrentClose(), PRO_TK_NO_ERROR);
    EXPECT_EQ(ProWindowRepaint(lidWindow), PRO_TK_BAD_INPUTS);
    int current = 0;
    ASSERT_EQ(ProWindowCurrentGet(&current), PRO_TK_NO_ERROR);
    ProMdl model = nullptr;
    ASSERT_EQ(ProMdlCurrentGet(&model), PRO_TK_NO_ERROR);
    EXPECT_EQ(model, box);

    // The main window stays open when closed or when its model is erased; it is emptied.
    ASSERT_EQ(ProMdlErase(box), PRO_TK_NO_ERROR);
    EXPECT_EQ(openWindows(), std::vector<int>{current});
    EXPECT_EQ(ProMdlCurrentGet(&model), PRO_TK_BAD_CONTEXT);
    EXPECT_EQ(ProWindowMdlGet(current, &model), PRO_TK_E_NOT_FOUND);
    // Window ids are never reused.
    ASSERT_EQ(ProMdlDisplay(lid), PRO_TK_NO_ERROR);
    ASSERT_EQ(ProMdlDisplay(create(L"cap")), PRO_TK_NO_ERROR);
    ASSERT_EQ(ProWindowCurrentGet(&current), PRO_TK_NO_ERROR);
    EXPECT_GT(current, lidWindow);
}

TEST_F(WindowsTest, UnknownIdsAndStoppedVisits) {
    for (int id : {-1, 0, 99}) {
        EXPECT_EQ(ProWindowActivate(id), PRO_TK_BAD_INPUTS) << id;
        EXPECT_EQ(ProWindowRepaint(id), PRO_TK_BAD_INPUTS) << id;
        EXPECT_EQ(ProWindowRefresh(id), PRO_TK_BAD_INPUTS) << id;
        ProMdl model = nullptr;
        EXPECT_EQ(ProWindowMdlGet(id, &model), PRO_TK_BAD_INPUTS) << id;
    }
    ASSERT_EQ(ProMdlDisplay(create(L"box")), PRO_TK_NO_ERROR);
    ASSERT_EQ(ProMdlDisplay(create(L"lid")), PRO_TK_NO_ERROR);
    std::vector<int> seen;
    EXPECT_EQ(ProWindowsVisit(stopAtFirst, &seen), PRO_TK_E_FOUND);
    EXPECT_EQ(seen.size(), 1u);
    EXPECT_EQ(ProWindowsVisit(nullptr, nullptr), PRO_TK_BAD_INPUTS);

    simhost::injectFault("ProWindowActivate", PRO_TK_GENERAL_ERROR);
    EXPECT_EQ(ProWindowActivate(seen[0]), PRO_TK_GENERAL_ERROR);
    int current = 0;
    ASSERT_EQ(ProWindowCurrentGet(&current), PRO_TK_NO_ERROR);
    EXPECT_NE(current, seen[0]);
    EXPECT_TRUE(testkit::journalHas("ProWindowActivate " + std::to_string(seen[0])));
}

}  // namespace
