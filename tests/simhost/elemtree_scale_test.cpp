// Element trees and values beyond the handful of a feature: trees wide and deep enough
// to span many pages of handles, transform values, and the handles once freed.
#include <ProElement.h>
#include <ProValue.h>

#include <vector>

#include "kelt2proe/simhost/control.h"
#include "simhost/state/elemtree.h"
#include "simhost/state/elemtree_json.h"
#include "simhost/state/handles.h"
#include "support/host_fixture.h"

namespace {

using testkit::HostTest;

ProElement alloc(int id) {
    ProElement element = nullptr;
    EXPECT_EQ(ProElementAlloc(id, &element), PRO_TK_NO_ERROR);
    return element;
}

ProElement addInt(ProElement parent, int id, int value) {
    ProElement child = alloc(id);
    EXPECT_EQ(ProElementIntegerSet(child, value), PRO_TK_NO_ERROR);
    EXPECT_EQ(ProElemtreeElementAdd(parent, nullptr, child), PRO_TK_NO_ERROR);
    return child;
}

int intOf(ProElement element) {
    ProValue value = nullptr;
    ProValueData data{};
    if (ProElementValueGet(element, &value) != PRO_TK_NO_ERROR ||
        ProValueDataGet(value, &data) != PRO_TK_NO_ERROR) {
        return -1;
    }
    return data.v.i;
}

TEST_F(HostTest, WideAndDeepTreesFreeEveryElementAndRefuseTheirHandles) {
    long before = simhost::liveObjects();
    // A table of 5,000 rows: more elements and values than one page of handles holds.
    ProElement wide = alloc(493);
    std::vector<ProElement> rows;
    for (int i = 0; i < 5000; ++i) {
        rows.push_back(addInt(wide, 492, i));
    }
    // A chain 3,000 elements deep.
    ProElement deep = alloc(386);
    ProElement at = deep;
    for (int i = 0; i < 3000; ++i) {
        ProElement child = alloc(386);
        ASSERT_EQ(ProElemtreeElementAdd(at, nullptr, child), PRO_TK_NO_ERROR);
        at = child;
    }
    EXPECT_EQ(simhost::liveObjects(), before + 1 + 2 * 5000 + 3001);
    EXPECT_EQ(intOf(rows.front()), 0);
    EXPECT_EQ(intOf(rows.back()), 4999);

    ASSERT_EQ(ProElementFree(&wide), PRO_TK_NO_ERROR);
    ASSERT_EQ(ProElementFree(&deep), PRO_TK_NO_ERROR);
    EXPECT_EQ(simhost::liveObjects(), before);
    ProElemId id = 0;
    for (ProElement row : {rows.front(), rows[2500], rows.back(), at}) {
        EXPECT_EQ(ProElementIdGet(row, &id), PRO_TK_BAD_INPUTS);
    }

    // New objects get new handles that work; the freed ones stay refused.
    ProElement fresh = alloc(492);
    EXPECT_EQ(ProElementIntegerSet(fresh, 7), PRO_TK_NO_ERROR);
    EXPECT_EQ(intOf(fresh), 7);
    EXPECT_EQ(ProElementIdGet(rows.back(), &id), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProElementFree(&fresh), PRO_TK_NO_ERROR);
    EXPECT_EQ(simhost::liveObjects(), before);
}

TEST_F(HostTest, TransformValuesKeepEveryCellThroughCopies) {
    using namespace simhost::state;
    double cells[4][4] = {{1, 0, 0, 0}, {0, 0, -1, 0}, {0, 1, 0, 0}, {10.5, 20, 30, 1}};
    double* rows[4] = {cells[0], cells[1], cells[2], cells[3]};
    ProValue value = nullptr;
    ASSERT_EQ(ProValueAlloc(&value), PRO_TK_NO_ERROR);
    ProValueData data{};
    data.type = PRO_VALUE_TYPE_TRANSFORM;
    data.v.t = rows;
    ASSERT_EQ(ProValueDataSet(value, &data), PRO_TK_NO_ERROR);
    cells[3][0] = 99.0;  // the value holds its own copy

    ProElement root = alloc(386);
    ProElement placement = alloc(420);
    ASSERT_EQ(ProElementValueSet(placement, value), PRO_TK_NO_ERROR);
    ASSERT_EQ(ProElemtreeElementAdd(root, nullptr, placement), PRO_TK_NO_ERROR);
    addInt(root, 387, 5);

    ProElement copy = elementCopy(*elementFind(root));
    ASSERT_EQ(ProElementFree(&root), PRO_TK_NO_ERROR);
    nlohmann::json json = treeToJson(treeSnapshot(*elementFind(copy)));
    EXPECT_EQ(
        json["children"][0]["transform"],
        nlohmann::json::parse("[[1, 0, 0, 0], [0, 0, -1, 0], [0, 1, 0, 0], [10.5, 20, 30, 1]]"));
    EXPECT_EQ(json["children"][1], nlohmann::json::parse(R"({"id": 387, "int": 5})"));

    ProElement copiedPlacement = handleAs<ProElement>(elementFind(copy)->children.at(0)->handle);
    ProValue copied = nullptr;
    ASSERT_EQ(ProElementValueGet(copiedPlacement, &copied), PRO_TK_NO_ERROR);
    ProValueData read{};
    ASSERT_EQ(ProValueDataGet(copied, &read), PRO_TK_NO_ERROR);
    ASSERT_EQ(read.type, PRO_VALUE_TYPE_TRANSFORM);
    EXPECT_EQ(read.v.t[1][2], -1.0);
    EXPECT_EQ(read.v.t[3][0], 10.5);

    // A transform read from a model file's tree keeps its cells too.
    ProElement again = treeInstantiate(treeFromJson(json));
    EXPECT_EQ(treeToJson(treeSnapshot(*elementFind(again))), json);
    EXPECT_EQ(ProElementFree(&again), PRO_TK_NO_ERROR);
    EXPECT_EQ(ProElementFree(&copy), PRO_TK_NO_ERROR);
}

}  // namespace
