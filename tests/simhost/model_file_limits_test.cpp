// Model files whose numbers, ids or nesting the host cannot hold are refused as invalid
// files with a diagnostic that names the value; trees as deep as the host allows load in
// linear time.
#include <ProElement.h>
#include <ProFeature.h>
#include <ProMdl.h>

#include <algorithm>
#include <chrono>
#include <climits>
#include <string>
#include <vector>

#include "feature_helpers.h"
#include "simhost/state/elemtree.h"
#include "simhost/state/elemtree_json.h"
#include "simhost/state/id_range.h"
#include "simhost/state/model_files.h"

namespace {

using simhost::state::kIdMax;
using simhost::state::kModelFileNestingMax;
using simhost::state::kTreeLevelsMax;

class ModelFileLimitsTest : public modeltest::ConnectedTest {
protected:
    // Loads `file` written with `text`: the model, or null with lastRc and the diagnostic
    // (without the working directory) kept.
    ProSolid load(const std::string& file, const std::string& text) {
        writeFile(file, text);
        ProMdl model = nullptr;
        lastRc = modeltest::load(file, &model);
        diagnostic = simhost::lastLoadDiagnostic();
        std::string dir = (workDir / "").string();
        if (diagnostic.rfind(dir, 0) == 0) {
            diagnostic.erase(0, dir.size());
        }
        return static_cast<ProSolid>(model);
    }
    // The load as above, timed: seconds.
    double secondsToLoad(const std::string& file, const std::string& text, ProSolid& out) {
        auto start = std::chrono::steady_clock::now();
        out = load(file, text);
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    ProError lastRc = PRO_TK_NO_ERROR;
    std::string diagnostic;
};

// A feature tree `levels` levels deep: the root, then a chain of compound elements, each
// with `leaves` plain elements after the next level.
std::string chainTree(int levels, int leaves = 0) {
    std::string text;
    for (int level = 1; level < levels; ++level) {
        text += "{\"id\": " + std::string(level == 1 ? "386" : "900") + ", \"children\": [";
    }
    text += "{\"id\": 387, \"int\": 917}";
    std::string closing = "]}";
    for (int leaf = 0; leaf < leaves; ++leaf) {
        closing.insert(0, ", {\"id\": 901, \"int\": " + std::to_string(leaf) + "}");
    }
    for (int level = 1; level < levels; ++level) {
        text += closing;
    }
    return text;
}

std::string partWithTree(const std::string& tree) {
    return R"({"features": [{"id": 1, "type": 917, "tree": )" + tree + "}]}";
}

struct RefusedFile {
    const char* file;
    std::string text;
    std::string diagnostic;  // how the diagnostic starts
};

// Numbers the host reads as int, double or enum: out of range, not integral, or no number.
TEST_F(ModelFileLimitsTest, NumbersOutOfRangeMakeTheFileInvalid) {
    const std::string big = "33000000000000000000000000000000000000.0";
    const std::vector<RefusedFile> cases = {
        {"a.prt", R"({"features":[{"id":1.5e10,"type":979}]})",
         "a.prt:1:20: features[0].id: 15000000000.0 is out of range (-2147483648 to 1073741823)"},
        {"b.prt", R"({"features":[{"id":1,"type":18446744073709551615}]})",
         "b.prt:1:29: features[0].type: 18446744073709551615 is out of range"},
        {"c.prt", R"({"features":[{"id":1,"type":917,"status":-4e9}]})",
         "c.prt:1:42: features[0].status: -4000000000.0 is out of range"},
        {"d.prt", R"({"parameters":{"model":[{"name":"N","type":"integer","value":1e300}]}})",
         "d.prt:1:62: parameters.model[0].value: 1e+300 is out of range"},
        {"e.prt", R"({"parameters":{"model":[{"name":"N","type":"integer","value":2.5}]}})",
         "e.prt:1:62: parameters.model[0].value: 2.5 is not an integer"},
        {"f.prt", R"({"parameters":{"model":[{"name":"N","type":"double","value":"7"}]}})",
         "f.prt:1:61: parameters.model[0].value: type must be number, but is string"},
        {"g.prt", R"({"dimensions":[{"feature":1,"value":1,"id":)" + big + "}]}",
         "g.prt:1:44: dimensions[0].id: 3.3e+37 is out of range (-2147483648 to 1073741823)"},
        {"h.prt", partWithTree(R"({"id": 386, "children": [{"id": 387, "int": 3.3e37}]})"),
         "h.prt:1:90: features[0].tree.children[0].int: element tree: 3.3e+37 is out of range"},
        {"i.prt",
         partWithTree(R"({"id": 386, "children": [{"id": 191, "selection": {"type": 70000,)"
                      R"( "id": 1}}]})"),
         "i.prt:1:105: features[0].tree.children[0].selection.type: element tree: 70000 is out "
         "of range (-1 to 1003)"},
        {"j.prt", R"({"relations":{"features":[{"feature":3e9,"lines":[]}]}})",
         "j.prt:1:38: relations.features[0].feature: 3000000000.0 is out of range"},
        {"k.prt", R"({"revision":1e30})", "k.prt:1:13: revision: 1e+30 is out of range"},
        {"l.prt", R"({"version":2147483647})",
         "l.prt:1:12: version: 2147483647 is out of range (-2147483648 to 1073741823)"},
        {"m.prt", R"({"accuracy":{"value":true}})",
         "m.prt:1:22: accuracy.value: type must be number, but is boolean"},
        {"n.mfg", R"({"tools":[{"id":"T1","type":10,"attribute":1e12}]})",
         "n.mfg:1:44: tools[0].attribute: 1000000000000.0 is out of range"},
        {"o.mfg", R"({"tools":[{"id":"T1","type":10}],"workcells":[{"name":"W","axes":2.5}]})",
         "o.mfg:1:66: workcells[0].axes: 2.5 is not an integer"},
        {"p.mfg",
         R"({"tools":[{"id":"T1","type":10}],"workcells":[{"name":"W","tool_tables":)"
         R"([{"head":1,"entries":[[[1e20,1]]]}]}]})",
         "p.mfg:1:97: workcells[0].tool_tables[0].entries[0][0][0]: 1e+20 is out of range"},
        {"q.mfg",
         R"({"tools":[{"id":"T1","type":10}],"workcells":[{"name":"W"}],)"
         R"("operations":[{"name":"OP","workcell":1e10}]})",
         "q.mfg:1:99: operations[0].workcell: 10000000000.0 is out of range"},
    };
    for (const RefusedFile& refused : cases) {
        EXPECT_EQ(load(refused.file, refused.text), nullptr) << refused.file;
        EXPECT_EQ(lastRc, PRO_TK_INVALID_FILE) << refused.file;
        EXPECT_EQ(diagnostic.substr(0, refused.diagnostic.size()), refused.diagnostic)
            << diagnostic;
    }
}

TEST_F(ModelFileLimitsTest, IntegralNumbersInRangeAreRead) {
    ProSolid solid = load("ok.prt", R"({"features": [{"id": 1073741823.0, "type": 917},
        {"id": 1, "type": -2147483648, "status": 6.0}],
      "parameters": {"model": [{"name": "N", "type": "integer", "value": 2147483647}]}})");
    ASSERT_NE(solid, nullptr) << diagnostic;
    EXPECT_EQ(featuretest::idsOf(solid), (std::vector<int>{kIdMax, 1}));
    EXPECT_EQ(featuretest::statuses(solid),
              (std::vector<std::pair<int, int>>{{kIdMax, 0}, {1, 6}}));
}

// Ids stop at kIdMax, so that the next id the host hands out fits; a model that has
// handed out the last one refuses to make another.
TEST_F(ModelFileLimitsTest, IdsLeaveRoomForTheNextId) {
    const std::string intMax = std::to_string(INT_MAX);
    const std::string past = std::to_string(kIdMax + 1);
    const std::vector<RefusedFile> cases = {
        {"a.prt", R"({"features": [{"id": )" + intMax + R"(, "type": 917}]})",
         "a.prt:1:22: features[0].id: 2147483647 is out of range"},
        {"b.prt",
         R"({"features": [{"id": 1, "type": 979, "items": [{"id": )" + past +
             R"(, "type": 25}]}]})",
         "b.prt:1:55: features[0].items[0].id: " + past + " is out of range"},
        {"c.prt", R"({"features": {"next_id": )" + intMax + R"(, "list": []}})",
         "c.prt:1:26: features.next_id: 2147483647 is out of range"},
        {"d.prt", R"({"dimensions": [{"feature": 1, "value": 1, "id": )" + intMax + "}]}",
         "d.prt:1:50: dimensions[0].id: 2147483647 is out of range"},
        {"e.prt",
         R"({"dimensions": [{"feature": 1, "value": 1, "id": )" + std::to_string(kIdMax) +
             R"(}, {"feature": 1, "value": 2}]})",
         "e.prt:1:63: dimensions[1]: no dimension id is left for it"},
        {"f.mfg",
         R"({"workcells": [{"name": "W1", "id": )" + std::to_string(kIdMax) +
             R"(}, {"name": "W2"}]})",
         "f.mfg:1:50: workcells[1]: no feature id is left for it"},
        {"g.mfg", R"({"workcells": [{"name": "W1", "id": )" + intMax + "}]}",
         "g.mfg:1:37: workcells[0].id: 2147483647 is out of range"},
        {"h.prt", R"({"parameters": {"features": {")" + intMax + R"(": []}}})",
         "h.prt:1:44: parameters.features[" + intMax + "]: \"" + intMax + "\" is no feature id"},
    };
    for (const RefusedFile& refused : cases) {
        EXPECT_EQ(load(refused.file, refused.text), nullptr) << refused.file;
        EXPECT_EQ(lastRc, PRO_TK_INVALID_FILE) << refused.file;
        EXPECT_EQ(diagnostic.substr(0, refused.diagnostic.size()), refused.diagnostic)
            << diagnostic;
    }

    // The last id taken by a file: creating a feature is refused, nothing wraps.
    ProSolid solid = load(
        "last.prt", R"({"features": [{"id": )" + std::to_string(kIdMax) + R"(, "type": 917}]})");
    ASSERT_NE(solid, nullptr) << diagnostic;
    ProElement tree = featuretest::tree(917);
    ProFeature made{};
    EXPECT_EQ(featuretest::create(solid, tree, &made), PRO_TK_MAX_LIMIT_REACHED);
    ProElementFree(&tree);
    EXPECT_EQ(featuretest::idsOf(solid), (std::vector<int>{kIdMax}));

    // The same when only the counter is at its end.
    ProSolid reserved = load("reserved.prt", R"({"features": {"next_id": )" + past +
                                                 R"(, "list": [{"id": 3, "type": 917}]}})");
    ASSERT_NE(reserved, nullptr) << diagnostic;
    EXPECT_EQ(featuretest::make(reserved, 917), 0);
    EXPECT_EQ(featuretest::idsOf(reserved), (std::vector<int>{3}));
}

TEST_F(ModelFileLimitsTest, TreesAsDeepAsTheLimitLoadInLinearTime) {
    ProSolid solid = nullptr;
    double seconds = secondsToLoad("deep.prt", partWithTree(chainTree(kTreeLevelsMax, 10)), solid);
    ASSERT_NE(solid, nullptr) << diagnostic;
    // Copying the rest of the document at every level took seconds at this depth.
    EXPECT_LT(seconds, 1.0);

    // The tree comes back whole, and is written as XML.
    ProFeature feature = featuretest::feature(solid, 1);
    ProElement tree = nullptr;
    ASSERT_EQ(ProFeatureElemtreeCreate(&feature, &tree), PRO_TK_NO_ERROR);
    int levels = 1;
    for (ProElement at = tree;; ++levels) {
        ProElement* children = nullptr;
        if (ProElementArrayGet(at, nullptr, &children) != PRO_TK_NO_ERROR) {
            break;
        }
        ProElement next = children[0];
        ProArrayFree(reinterpret_cast<ProArray*>(&children));
        at = next;
    }
    EXPECT_EQ(levels, kTreeLevelsMax);
    ProPath xml = L"deep.xml";
    EXPECT_EQ(ProElemtreeWrite(tree, PRO_ELEMTREE_XML, xml), PRO_TK_NO_ERROR);
    EXPECT_EQ(ProElementFree(&tree), PRO_TK_NO_ERROR);
}

// The JSON form of a tree as deep as the limit, with 30 elements beside each level, is
// made in linear time: it copied every subtree once per level above it. Ten times the
// depth must cost about ten times as much (a hundred times when copied per level); the
// ratio, the best of three runs each, does not depend on the machine's speed or load.
TEST_F(ModelFileLimitsTest, DeepTreesAreWrittenAsJsonInLinearTime) {
    using simhost::state::TreeNode;
    auto deepTree = [](int levels) {
        TreeNode root;
        root.id = 387;
        for (int level = 1; level < levels; ++level) {
            TreeNode parent;
            parent.id = 900;
            parent.kind = simhost::state::ElementKind::Compound;
            parent.children.push_back(std::move(root));
            parent.children.resize(31);
            root = std::move(parent);
        }
        return root;
    };
    auto bestSeconds = [](const TreeNode& tree) {
        double best = 1e9;
        for (int run = 0; run < 3; ++run) {
            auto start = std::chrono::steady_clock::now();
            nlohmann::json json = simhost::state::treeToJson(tree);
            double seconds =
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            best = std::min(best, seconds);
            EXPECT_EQ(json.at("children").size(), 31u);
        }
        return best;
    };
    double shallow = bestSeconds(deepTree(kTreeLevelsMax / 10));
    double deep = bestSeconds(deepTree(kTreeLevelsMax));
    EXPECT_LT(deep, 30 * shallow + 0.01) << deep << " s against " << shallow << " s";
}

TEST_F(ModelFileLimitsTest, DeeperTreesAndDocumentsAreRefusedQuickly) {
    ProSolid solid = nullptr;
    secondsToLoad("over.prt", partWithTree(chainTree(kTreeLevelsMax + 1)), solid);
    EXPECT_EQ(solid, nullptr);
    EXPECT_EQ(lastRc, PRO_TK_INVALID_FILE);
    EXPECT_NE(diagnostic.find(": element tree: more than 1000 levels"), std::string::npos)
        << diagnostic;

    // 2,000 levels took 14 s, 20,000 overflowed the stack.
    for (int levels : {2000, 20000}) {
        double seconds = secondsToLoad("deeper.prt", partWithTree(chainTree(levels)), solid);
        EXPECT_EQ(solid, nullptr);
        EXPECT_EQ(lastRc, PRO_TK_INVALID_FILE);
        EXPECT_LT(seconds, 1.0) << levels;
        EXPECT_NE(diagnostic.find("nested more than " + std::to_string(kModelFileNestingMax) +
                                  " levels deep"),
                  std::string::npos)
            << diagnostic;
    }

    // A section the host keeps verbatim is copied and written again: it nests no deeper
    // either. Brackets inside texts do not count.
    std::string lists(200000, '[');
    lists += std::string(200000, ']');
    secondsToLoad("lists.prt", "{\"other\":\n " + lists + "}", solid);
    EXPECT_EQ(lastRc, PRO_TK_INVALID_FILE);
    EXPECT_EQ(diagnostic, "lists.prt:2:" + std::to_string(kModelFileNestingMax + 1) +
                              ": lists and objects nested more than " +
                              std::to_string(kModelFileNestingMax) + " levels deep");
    std::string text = "{\"other\": \"" + std::string(5000, '[') + "\"}";
    EXPECT_NE(load("text.prt", text), nullptr) << diagnostic;
}

// Trees built by calls stop at the same depth: an addition that would go deeper is
// refused, and the refused element stays the caller's.
TEST_F(ModelFileLimitsTest, TreesBuiltByCallsStopAtTheLimit) {
    long before = simhost::liveObjects();
    ProElement root = nullptr;
    ASSERT_EQ(ProElementAlloc(386, &root), PRO_TK_NO_ERROR);
    ProElement at = root;
    ProElement parentOfLast = nullptr;
    for (int level = 2; level <= kTreeLevelsMax; ++level) {
        ProElement child = nullptr;
        ASSERT_EQ(ProElementAlloc(900, &child), PRO_TK_NO_ERROR);
        ASSERT_EQ(ProElemtreeElementAdd(at, nullptr, child), PRO_TK_NO_ERROR) << level;
        parentOfLast = at;
        at = child;
    }
    ProElement leaf = nullptr;
    ASSERT_EQ(ProElementAlloc(387, &leaf), PRO_TK_NO_ERROR);
    EXPECT_EQ(ProElemtreeElementAdd(at, nullptr, leaf), PRO_TK_MAX_LIMIT_REACHED);

    // A two-level subtree fits one level up only as a leaf would fit at the bottom.
    ProElement pair = nullptr;
    ASSERT_EQ(ProElementAlloc(900, &pair), PRO_TK_NO_ERROR);
    ASSERT_EQ(ProElemtreeElementAdd(pair, nullptr, leaf), PRO_TK_NO_ERROR);
    EXPECT_EQ(ProElemtreeElementAdd(parentOfLast, nullptr, pair), PRO_TK_MAX_LIMIT_REACHED);
    ProElement sibling = nullptr;
    ASSERT_EQ(ProElementAlloc(387, &sibling), PRO_TK_NO_ERROR);
    EXPECT_EQ(ProElemtreeElementAdd(parentOfLast, nullptr, sibling), PRO_TK_NO_ERROR);

    ProPath xml = L"built.xml";
    EXPECT_EQ(ProElemtreeWrite(root, PRO_ELEMTREE_XML, xml), PRO_TK_NO_ERROR);
    EXPECT_EQ(ProElementFree(&pair), PRO_TK_NO_ERROR);
    EXPECT_EQ(ProElementFree(&root), PRO_TK_NO_ERROR);
    EXPECT_EQ(simhost::liveObjects(), before);
}

}  // namespace
