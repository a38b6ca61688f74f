#include <ProArray.h>
#include <ProElement.h>
#include <ProValue.h>

#include <fstream>
#include <sstream>
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

ProElement add(ProElement parent, int id) {
    ProElement child = alloc(id);
    EXPECT_EQ(ProElemtreeElementAdd(parent, nullptr, child), PRO_TK_NO_ERROR);
    return child;
}

ProElement addInt(ProElement parent, int id, int value) {
    ProElement child = add(parent, id);
    EXPECT_EQ(ProElementIntegerSet(child, value), PRO_TK_NO_ERROR);
    return child;
}

ProValue intValue(int i) {
    ProValue value = nullptr;
    EXPECT_EQ(ProValueAlloc(&value), PRO_TK_NO_ERROR);
    ProValueData data{};
    data.type = PRO_VALUE_TYPE_INT;
    data.v.i = i;
    EXPECT_EQ(ProValueDataSet(value, &data), PRO_TK_NO_ERROR);
    return value;
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

struct PathOwner {
    explicit PathOwner(std::vector<ProElempathItem> items) {
        EXPECT_EQ(ProElempathAlloc(&path), PRO_TK_NO_ERROR);
        EXPECT_EQ(ProElempathDataSet(path, items.data(), static_cast<int>(items.size())),
                  PRO_TK_NO_ERROR);
    }
    ~PathOwner() { ProElempathFree(&path); }
    ProElempath path = nullptr;
};

ProElempathItem byId(int id) {
    ProElempathItem item{};
    item.type = PRO_ELEM_PATH_ITEM_TYPE_ID;
    item.path_item.elem_id = id;
    return item;
}

ProElempathItem byIndex(int index) {
    ProElempathItem item{};
    item.type = PRO_ELEM_PATH_ITEM_TYPE_INDEX;
    item.path_item.elem_index = index;
    return item;
}

// 386 { 387=917, 491 [ 510 { 492=1 }, 510 { 492=2 } ], 152 (two values) }
ProElement sampleTree() {
    ProElement root = alloc(386);
    addInt(root, 387, 917);
    ProElement tables = add(root, 491);
    for (int head = 1; head <= 2; ++head) {
        addInt(add(tables, 510), 492, head);
    }
    ProElement comments = add(root, 152);
    ProValue values[] = {intValue(7), intValue(8)};
    EXPECT_EQ(ProElementValuesSet(comments, values, 2), PRO_TK_NO_ERROR);
    return root;
}

TEST_F(HostTest, TreeOwnsItsElementsAndValues) {
    long before = simhost::liveObjects();
    ProElement root = sampleTree();
    ProElement child = nullptr;
    PathOwner path({byId(387)});
    ASSERT_EQ(ProElemtreeElementGet(root, path.path, &child), PRO_TK_NO_ERROR);
    ProValue value = nullptr;
    ASSERT_EQ(ProElementValueGet(child, &value), PRO_TK_NO_ERROR);

    // Parts of a tree are the tree's: freeing them alone is refused.
    EXPECT_EQ(ProValueFree(value), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProElementFree(&child), PRO_TK_BAD_INPUTS);
    EXPECT_NE(child, nullptr);

    ProElement stale = root;
    ASSERT_EQ(ProElementFree(&root), PRO_TK_NO_ERROR);
    EXPECT_EQ(root, nullptr);
    EXPECT_EQ(simhost::liveObjects(), before + 1);  // the path only

    // Handles of the freed tree are refused, never followed.
    ProElemId id = 0;
    EXPECT_EQ(ProElementIdGet(child, &id), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProElementFree(&stale), PRO_TK_BAD_INPUTS);
    ProValueData data{};
    EXPECT_EQ(ProValueDataGet(value, &data), PRO_TK_BAD_INPUTS);
    ProElement foreign = reinterpret_cast<ProElement>(&id);
    EXPECT_EQ(ProElementIdGet(foreign, &id), PRO_TK_BAD_INPUTS);
}

TEST_F(HostTest, ValueDataIsCopiedAndSelectionsStayWithTheirOwner) {
    long before = simhost::liveObjects();
    ProModelitem item{PRO_CSYS, 7, nullptr};
    ProAsmcomppath compPath{};
    compPath.table_num = 2;
    compPath.comp_id_table[0] = 3;
    compPath.comp_id_table[1] = 5;
    ProSelection selection = nullptr;
    ASSERT_EQ(ProSelectionAlloc(&compPath, &item, &selection), PRO_TK_NO_ERROR);

    ProValue value = nullptr;
    ASSERT_EQ(ProValueAlloc(&value), PRO_TK_NO_ERROR);
    ProValueData data{};
    EXPECT_EQ(ProValueDataGet(value, &data), PRO_TK_E_NOT_FOUND);
    data.type = PRO_VALUE_TYPE_SELECTION;
    data.v.r = selection;
    ASSERT_EQ(ProValueDataSet(value, &data), PRO_TK_NO_ERROR);
    ASSERT_EQ(ProSelectionFree(&selection), PRO_TK_NO_ERROR);

    ProElement element = alloc(413);
    ASSERT_EQ(ProElementValueSet(element, value), PRO_TK_NO_ERROR);
    ProValueData read{};
    ASSERT_EQ(ProValueDataGet(value, &read), PRO_TK_NO_ERROR);
    ASSERT_EQ(read.type, PRO_VALUE_TYPE_SELECTION);
    ProModelitem got{};
    ProAsmcomppath gotPath{};
    ASSERT_EQ(ProSelectionModelitemGet(read.v.r, &got), PRO_TK_NO_ERROR);
    ASSERT_EQ(ProSelectionAsmcomppathGet(read.v.r, &gotPath), PRO_TK_NO_ERROR);
    EXPECT_EQ(got.id, 7);
    EXPECT_EQ(gotPath.table_num, 2);
    EXPECT_EQ(gotPath.comp_id_table[1], 5);
    EXPECT_EQ(ProSelectionFree(&read.v.r), PRO_TK_BAD_INPUTS);

    // A value held by one element cannot be given to another.
    ProElement other = alloc(413);
    EXPECT_EQ(ProElementValueSet(other, value), PRO_TK_BAD_INPUTS);

    wchar_t text[] = L"CS0";
    ASSERT_EQ(ProElementWstringSet(other, text), PRO_TK_NO_ERROR);
    text[0] = L'X';
    ProValue otherValue = nullptr;
    ASSERT_EQ(ProElementValueGet(other, &otherValue), PRO_TK_NO_ERROR);
    ASSERT_EQ(ProValueDataGet(otherValue, &read), PRO_TK_NO_ERROR);
    EXPECT_STREQ(read.v.w, L"CS0");

    EXPECT_EQ(ProElementFree(&element), PRO_TK_NO_ERROR);
    EXPECT_EQ(ProElementFree(&other), PRO_TK_NO_ERROR);
    EXPECT_EQ(simhost::liveObjects(), before);
}

TEST_F(HostTest, PathsAddressByIdAndIndex) {
    ProElement root = sampleTree();
    ProElement head = nullptr;
    ProValue value = nullptr;
    ProValueData data{};
    PathOwner second({byId(491), byIndex(1), byId(492)});
    ASSERT_EQ(ProElemtreeElementGet(root, second.path, &head), PRO_TK_NO_ERROR);
    ASSERT_EQ(ProElementValueGet(head, &value), PRO_TK_NO_ERROR);
    ASSERT_EQ(ProValueDataGet(value, &data), PRO_TK_NO_ERROR);
    EXPECT_EQ(data.v.i, 2);

    PathOwner missing({byId(491), byIndex(2)});
    EXPECT_EQ(ProElemtreeElementGet(root, missing.path, &head), PRO_TK_E_NOT_FOUND);

    // Remove hands the element to the caller; the root itself cannot be removed.
    PathOwner tables({byId(491)});
    PathOwner empty({});
    ProElement removed = nullptr;
    EXPECT_EQ(ProElemtreeElementRemove(root, empty.path, &removed), PRO_TK_BAD_INPUTS);
    ASSERT_EQ(ProElemtreeElementRemove(root, tables.path, &removed), PRO_TK_NO_ERROR);
    EXPECT_EQ(ProElemtreeElementGet(root, tables.path, &head), PRO_TK_E_NOT_FOUND);
    int count = 0;
    EXPECT_EQ(ProElementArrayCount(removed, nullptr, &count), PRO_TK_NO_ERROR);
    EXPECT_EQ(count, 2);

    // Adding under a path; an element cannot go below itself.
    PathOwner comments({byId(152)});
    ProElement refused = alloc(1);
    EXPECT_EQ(ProElemtreeElementAdd(root, comments.path, refused), PRO_TK_INVALID_TYPE);
    EXPECT_EQ(ProElementFree(&refused), PRO_TK_NO_ERROR);
    ProElement first = nullptr;
    PathOwner firstTable({byIndex(0)});
    ASSERT_EQ(ProElemtreeElementGet(removed, firstTable.path, &first), PRO_TK_NO_ERROR);
    EXPECT_EQ(ProElemtreeElementAdd(first, nullptr, removed), PRO_TK_BAD_INPUTS);
    ASSERT_EQ(ProElemtreeElementAdd(root, nullptr, removed), PRO_TK_NO_ERROR);
    EXPECT_EQ(ProElemtreeElementAdd(root, nullptr, removed), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProElementFree(&root), PRO_TK_NO_ERROR);
}

TEST_F(HostTest, KindsOfElements) {
    ProElement root = sampleTree();
    auto ask = [&](auto function, std::vector<ProElempathItem> items) {
        PathOwner path(items);
        ProBoolean answer = PRO_B_FALSE;
        EXPECT_EQ(function(root, path.path, &answer), PRO_TK_NO_ERROR);
        return answer == PRO_B_TRUE;
    };
    EXPECT_TRUE(ask(ProElementIsCompound, {}));
    EXPECT_FALSE(ask(ProElementIsArray, {}));
    EXPECT_TRUE(ask(ProElementIsArray, {byId(491)}));
    EXPECT_TRUE(ask(ProElementIsCompound, {byId(491), byIndex(0)}));
    EXPECT_TRUE(ask(ProElementIsMultival, {byId(152)}));
    EXPECT_FALSE(ask(ProElementIsMultival, {byId(387)}));

    ProElement empty = alloc(491);  // an array by its id before it has members
    ProBoolean isArray = PRO_B_FALSE;
    EXPECT_EQ(ProElementIsArray(empty, nullptr, &isArray), PRO_TK_NO_ERROR);
    EXPECT_EQ(isArray, PRO_B_TRUE);
    EXPECT_EQ(ProElementIntegerSet(empty, 1), PRO_TK_INVALID_TYPE);
    EXPECT_EQ(ProElementFree(&empty), PRO_TK_NO_ERROR);

    PathOwner tables({byId(491)});
    ProElement* members = nullptr;
    ASSERT_EQ(ProElementArrayGet(root, tables.path, &members), PRO_TK_NO_ERROR);
    int size = 0;
    ASSERT_EQ(ProArraySizeGet(members, &size), PRO_TK_NO_ERROR);
    EXPECT_EQ(size, 2);
    ProElemId id = 0;
    EXPECT_EQ(ProElementIdGet(members[1], &id), PRO_TK_NO_ERROR);
    EXPECT_EQ(id, 510);
    EXPECT_EQ(ProArrayFree(reinterpret_cast<ProArray*>(&members)), PRO_TK_NO_ERROR);

    ProElement comments = nullptr;
    PathOwner commentsPath({byId(152)});
    ASSERT_EQ(ProElemtreeElementGet(root, commentsPath.path, &comments), PRO_TK_NO_ERROR);
    ProValue single = nullptr;
    EXPECT_EQ(ProElementValueGet(comments, &single), PRO_TK_INVALID_TYPE);
    ProValue* values = nullptr;
    ASSERT_EQ(ProElementValuesGet(comments, &values), PRO_TK_NO_ERROR);
    ProValueData data{};
    ASSERT_EQ(ProArraySizeGet(values, &size), PRO_TK_NO_ERROR);
    ASSERT_EQ(size, 2);
    ASSERT_EQ(ProValueDataGet(values[1], &data), PRO_TK_NO_ERROR);
    EXPECT_EQ(data.v.i, 8);
    EXPECT_EQ(ProArrayFree(reinterpret_cast<ProArray*>(&values)), PRO_TK_NO_ERROR);
    EXPECT_EQ(ProElementFree(&root), PRO_TK_NO_ERROR);
}

struct Visited {
    ProElement tree = nullptr;
    std::vector<int> ids;
    bool pathsResolve = true;
    int stopAt = -1;
};

ProError skipComments(ProElement, ProElement elem, ProElempath, ProAppData) {
    ProElemId id = 0;
    ProElementIdGet(elem, &id);
    return id == 152 ? PRO_TK_CONTINUE : PRO_TK_NO_ERROR;
}

ProError record(ProElement tree, ProElement elem, ProElempath path, ProAppData data) {
    auto* visited = static_cast<Visited*>(data);
    ProElemId id = 0;
    ProElementIdGet(elem, &id);
    visited->ids.push_back(id);
    ProElement found = nullptr;
    visited->pathsResolve &=
        ProElemtreeElementGet(tree, path, &found) == PRO_TK_NO_ERROR && found == elem;
    visited->pathsResolve &= ProElempathFree(&path) == PRO_TK_BAD_INPUTS;
    return id == visited->stopAt ? PRO_TK_USER_ABORT : PRO_TK_NO_ERROR;
}

TEST_F(HostTest, VisitGoesDepthFirstInOrder) {
    ProElement root = sampleTree();
    long live = simhost::liveObjects();
    Visited all;
    EXPECT_EQ(ProElemtreeElementVisit(root, nullptr, skipComments, record, &all), PRO_TK_NO_ERROR);
    EXPECT_EQ(all.ids, (std::vector<int>{386, 387, 491, 510, 492, 510, 492}));
    EXPECT_TRUE(all.pathsResolve);
    EXPECT_EQ(simhost::liveObjects(), live);

    Visited stopped;
    stopped.stopAt = 510;
    EXPECT_EQ(ProElemtreeElementVisit(root, nullptr, nullptr, record, &stopped), PRO_TK_USER_ABORT);
    EXPECT_EQ(stopped.ids, (std::vector<int>{386, 387, 491, 510}));

    Visited sub;
    PathOwner tables({byId(491)});
    EXPECT_EQ(ProElemtreeElementVisit(root, tables.path, nullptr, record, &sub), PRO_TK_NO_ERROR);
    EXPECT_EQ(sub.ids, (std::vector<int>{491, 510, 492, 510, 492}));
    EXPECT_TRUE(sub.pathsResolve);

    ProElement lone = alloc(152);
    Visited none;
    EXPECT_EQ(ProElemtreeElementVisit(lone, nullptr, skipComments, record, &none),
              PRO_TK_E_NOT_FOUND);
    EXPECT_EQ(ProElementFree(&lone), PRO_TK_NO_ERROR);
    EXPECT_EQ(ProElementFree(&root), PRO_TK_NO_ERROR);
}

TEST_F(HostTest, TreeIsWrittenAsXml) {
    ProElement root = sampleTree();
    wchar_t name[PRO_PATH_SIZE] = L"fixt.xml";
    EXPECT_EQ(ProElemtreeWrite(root, static_cast<ProElemtreeFormat>(2), name), PRO_TK_BAD_INPUTS);
    ASSERT_EQ(ProElemtreeWrite(root, PRO_ELEMTREE_XML, name), PRO_TK_NO_ERROR);
    std::stringstream text;
    text << std::ifstream(workDir / "fixt.xml").rdbuf();
    EXPECT_NE(text.str().find("<Element id=\"386\" kind=\"compound\">\n"
                              "    <Element id=\"387\"><Value type=\"int\">917</Value></Element>\n"
                              "    <Element id=\"491\" kind=\"array\">\n"),
              std::string::npos)
        << text.str();
    EXPECT_NE(text.str().find("<Element id=\"152\" multival=\"true\"><Value type=\"int\">7</"
                              "Value><Value type=\"int\">8</Value></Element>"),
              std::string::npos);
    EXPECT_EQ(ProElementFree(&root), PRO_TK_NO_ERROR);
}

TEST_F(HostTest, TreesCopyDeeplyAndRoundTripThroughJson) {
    using namespace simhost::state;
    ProElement root = sampleTree();
    ProElement text = add(root, 151);
    wchar_t name[] = L"Z\u00e4hne";
    ASSERT_EQ(ProElementWstringSet(text, name), PRO_TK_NO_ERROR);

    nlohmann::json json = treeToJson(treeSnapshot(*elementFind(root)));
    EXPECT_EQ(json["children"][0], nlohmann::json::parse(R"({"id": 387, "int": 917})"));
    EXPECT_EQ(json["children"][2], nlohmann::json::parse(R"({"id": 152, "values":
                                                            [{"int": 7}, {"int": 8}]})"));
    EXPECT_EQ(json["children"][3]["wstring"], "Z\u00e4hne");

    ProElement copy = treeInstantiate(treeFromJson(json));
    EXPECT_EQ(ProElementFree(&root), PRO_TK_NO_ERROR);
    EXPECT_EQ(treeToJson(treeSnapshot(*elementFind(copy))), json);
    ProElement second = elementCopy(*elementFind(copy));
    EXPECT_EQ(ProElementFree(&copy), PRO_TK_NO_ERROR);
    EXPECT_EQ(treeToJson(treeSnapshot(*elementFind(second))), json);
    EXPECT_EQ(ProElementFree(&second), PRO_TK_NO_ERROR);

    EXPECT_THROW(treeFromJson(nlohmann::json::parse(R"({"id": 491, "int": 1})")),
                 std::invalid_argument);
    EXPECT_THROW(treeFromJson(nlohmann::json::parse(R"({"id": 5, "transform": [[1]]})")),
                 std::invalid_argument);
}

// The JSON form refuses what the host cannot hold instead of converting it.
TEST_F(HostTest, JsonTreesOutOfRangeOrOfTheWrongShapeAreRefused) {
    using simhost::state::treeFromJson;
    const char* const refused[] = {
        R"({"id": 1e10})",
        R"({"id": 5, "int": 2147483648})",
        R"({"id": 5, "int": 1.5})",
        R"({"id": 5, "double": "x"})",
        R"({"id": 5, "selection": {"type": 4096, "id": 1}})",
        R"({"id": 5, "selection": {"type": 25, "id": 1, "path": {"ids": [1.5]}}})",
        R"({"id": 5, "selection": {"type": 25, "id": 1, "path": {"ids": 7}}})",
        R"({"id": 5, "transform": [[1,0,0,0],[0,1,0,0],[0,0,1,0],[0,0,0,true]]})",
        R"({"id": 386, "children": {"id": 387}})",
        R"({"id": 386, "children": 387})",
        R"({"id": 152, "values": {"int": 1}})",
    };
    for (const char* text : refused) {
        EXPECT_THROW(treeFromJson(nlohmann::json::parse(text)), std::invalid_argument) << text;
    }

    // Depth: the limit itself is read, one level more is refused.
    auto chain = [](int levels) {
        nlohmann::json node = {{"id", 387}, {"int", 1}};
        for (int level = 1; level < levels; ++level) {
            node = {{"id", 900}, {"children", nlohmann::json::array({std::move(node)})}};
        }
        return node;
    };
    EXPECT_NO_THROW(treeFromJson(chain(simhost::state::kTreeLevelsMax)));
    EXPECT_THROW(treeFromJson(chain(simhost::state::kTreeLevelsMax + 1)), std::invalid_argument);
}

TEST_F(HostTest, InjectedFaultAllocatesNothing) {
    long before = simhost::liveObjects();
    simhost::injectFault("ProElementAlloc", PRO_TK_OUT_OF_MEMORY);
    ProElement element = nullptr;
    EXPECT_EQ(ProElementAlloc(386, &element), PRO_TK_OUT_OF_MEMORY);
    EXPECT_EQ(element, nullptr);
    EXPECT_EQ(simhost::liveObjects(), before);
    EXPECT_TRUE(testkit::journalHas("ProElementAlloc 386"));
}

// Trees wide and deep enough to span many pages of handles.
TEST_F(HostTest, WideAndDeepTreesFreeEveryElementAndRefuseTheirHandles) {
    long before = simhost::liveObjects();
    // A table of 5,000 rows: more elements and values than one page of handles holds.
    ProElement wide = alloc(493);
    std::vector<ProElement> rows;
    for (int i = 0; i < 5000; ++i) {
        rows.push_back(addInt(wide, 492, i));
    }
    // Three chains from the root, each as deep as a tree may be.
    ProElement deep = alloc(386);
    ProElement at = deep;
    for (int chain = 0; chain < 3; ++chain) {
        at = deep;
        for (int level = 2; level <= simhost::state::kTreeLevelsMax; ++level) {
            ProElement child = alloc(386);
            ASSERT_EQ(ProElemtreeElementAdd(at, nullptr, child), PRO_TK_NO_ERROR);
            at = child;
        }
    }
    const long deepCount = 1 + 3 * (simhost::state::kTreeLevelsMax - 1);
    EXPECT_EQ(simhost::liveObjects(), before + 1 + 2 * 5000 + deepCount);
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
