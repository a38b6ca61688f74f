// Insert mode and reordering: where new features go, which features insert mode
// suppresses and brings back, and the numbers features take when they move.
#include <ProFeature.h>

#include <utility>
#include <vector>

#include "feature_helpers.h"

namespace {

using namespace featuretest;
using Statuses = std::vector<std::pair<int, int>>;

class InsertModeTest : public modeltest::ConnectedTest {
protected:
    void SetUp() override {
        ConnectedTest::SetUp();
        solid = part(L"block");
        for (int& id : f) {
            id = make(solid, 917);
        }
    }
    bool active() {
        ProBoolean is = PRO_B_FALSE;
        EXPECT_EQ(ProInsertModeIsActive(solid, &is), PRO_TK_NO_ERROR);
        return is == PRO_B_TRUE;
    }
    ProError activate(int id) {
        ProFeature point = feature(solid, id);
        return ProFeatureInsertModeActivate(&point);
    }
    int number(int id) {
        ProFeature handle = feature(solid, id);
        int n = 0;
        EXPECT_EQ(ProFeatureNumberGet(&handle, &n), PRO_TK_NO_ERROR);
        return n;
    }
    ProSolid solid = nullptr;
    int f[4] = {};
};

TEST_F(InsertModeTest, NewFeaturesGoAfterThePointAndTheRestWaitsSuppressed) {
    EXPECT_FALSE(active());
    ASSERT_EQ(activate(f[1]), PRO_TK_NO_ERROR);
    EXPECT_TRUE(active());
    EXPECT_EQ(
        statuses(solid),
        (Statuses{{f[0], 0}, {f[1], 0}, {f[2], PRO_FEAT_SUPPRESSED}, {f[3], PRO_FEAT_SUPPRESSED}}));

    // Each new feature becomes the point: they keep the order they were made in.
    int a = make(solid, 923);
    int b = make(solid, 923);
    EXPECT_EQ(idsOf(solid), (std::vector<int>{f[0], f[1], a, b, f[2], f[3]}));
    EXPECT_EQ(number(a), 3);
    EXPECT_EQ(number(b), 4);
    EXPECT_EQ(number(f[3]), 6);

    ASSERT_EQ(ProInsertModeCancel(solid, PRO_B_TRUE), PRO_TK_NO_ERROR);
    EXPECT_FALSE(active());
    for (const auto& entry : statuses(solid)) {
        EXPECT_EQ(entry.second, PRO_FEAT_ACTIVE) << entry.first;
    }
    // Out of insert mode, creation appends again.
    int c = make(solid, 923);
    EXPECT_EQ(idsOf(solid).back(), c);
}

TEST_F(InsertModeTest, CancelWithoutResumeLeavesTheFeaturesSuppressed) {
    ASSERT_EQ(activate(f[0]), PRO_TK_NO_ERROR);
    ASSERT_EQ(ProInsertModeCancel(solid, PRO_B_FALSE), PRO_TK_NO_ERROR);
    EXPECT_FALSE(active());
    EXPECT_EQ(statuses(solid), (Statuses{{f[0], 0},
                                         {f[1], PRO_FEAT_SUPPRESSED},
                                         {f[2], PRO_FEAT_SUPPRESSED},
                                         {f[3], PRO_FEAT_SUPPRESSED}}));
    // A second cancel finds no insert mode.
    EXPECT_EQ(ProInsertModeCancel(solid, PRO_B_TRUE), PRO_TK_E_NOT_FOUND);
}

TEST_F(InsertModeTest, MovingThePointBringsBackWhatItPasses) {
    ASSERT_EQ(activate(f[0]), PRO_TK_NO_ERROR);
    // A suppressed feature cannot be the point; the first point stays.
    EXPECT_EQ(activate(f[2]), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(statuses(solid)[2].second, PRO_FEAT_SUPPRESSED);

    ProFeature gone{PRO_FEATURE, 999, solid};
    EXPECT_EQ(ProFeatureInsertModeActivate(&gone), PRO_TK_E_NOT_FOUND);
    EXPECT_EQ(ProFeatureInsertModeActivate(nullptr), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProInsertModeCancel(solid, static_cast<ProBoolean>(7)), PRO_TK_BAD_INPUTS);
    EXPECT_TRUE(active());
}

TEST_F(InsertModeTest, ResumeDoesNotWakeFeaturesSuppressedBefore) {
    // f[3] was suppressed by the user, not by insert mode: resuming leaves it so.
    ASSERT_EQ(activate(f[2]), PRO_TK_NO_ERROR);
    ASSERT_EQ(ProInsertModeCancel(solid, PRO_B_FALSE), PRO_TK_NO_ERROR);
    ASSERT_EQ(activate(f[0]), PRO_TK_NO_ERROR);
    ASSERT_EQ(ProInsertModeCancel(solid, PRO_B_TRUE), PRO_TK_NO_ERROR);
    EXPECT_EQ(statuses(solid),
              (Statuses{{f[0], 0}, {f[1], 0}, {f[2], 0}, {f[3], PRO_FEAT_SUPPRESSED}}));
}

TEST_F(InsertModeTest, ReorderMovesFeaturesToANumber) {
    int ids[] = {f[3], f[2]};
    ASSERT_EQ(ProFeatureReorder(solid, ids, 2, 1), PRO_TK_NO_ERROR);
    EXPECT_EQ(idsOf(solid), (std::vector<int>{f[3], f[2], f[0], f[1]}));
    EXPECT_EQ(number(f[3]), 1);
    EXPECT_EQ(number(f[1]), 4);

    // The first feature to the number of the last: it goes behind the others.
    int first = f[3];
    ASSERT_EQ(ProFeatureReorder(solid, &first, 1, 4), PRO_TK_NO_ERROR);
    EXPECT_EQ(idsOf(solid), (std::vector<int>{f[2], f[0], f[1], f[3]}));
}

TEST_F(InsertModeTest, ReorderRefusesBadMovesAndKeepsTheOrder) {
    int child = makeChild(solid, f[2]);
    std::vector<int> before = idsOf(solid);
    // A child before its parent.
    EXPECT_EQ(ProFeatureReorder(solid, &child, 1, 1), PRO_TK_BAD_INPUTS);
    int parent = f[2];
    EXPECT_EQ(ProFeatureReorder(solid, &parent, 1, 5), PRO_TK_BAD_INPUTS);
    // A number past the end, a repeated or unknown id, no ids.
    int one = f[0];
    EXPECT_EQ(ProFeatureReorder(solid, &one, 1, 6), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProFeatureReorder(solid, &one, 1, 0), PRO_TK_BAD_INPUTS);
    int twice[] = {f[0], f[0]};
    EXPECT_EQ(ProFeatureReorder(solid, twice, 2, 2), PRO_TK_BAD_INPUTS);
    int unknown = 999;
    EXPECT_EQ(ProFeatureReorder(solid, &unknown, 1, 1), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProFeatureReorder(solid, &one, 0, 1), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(idsOf(solid), before);
    // Parent and child moved together in order are fine.
    int both[] = {f[2], child};
    EXPECT_EQ(ProFeatureReorder(solid, both, 2, 1), PRO_TK_NO_ERROR);
    EXPECT_EQ(idsOf(solid), (std::vector<int>{f[2], child, f[0], f[1], f[3]}));
}

TEST_F(InsertModeTest, DeletingThePointInsertsAfterTheFeatureBeforeIt) {
    ASSERT_EQ(activate(f[1]), PRO_TK_NO_ERROR);
    int point = f[1];
    ASSERT_EQ(ProFeatureDelete(solid, &point, 1, nullptr, 0), PRO_TK_NO_ERROR);
    int a = make(solid, 923);
    EXPECT_EQ(idsOf(solid), (std::vector<int>{f[0], a, f[2], f[3]}));
}

}  // namespace
