// Features in model files: statuses, NC sequences and geometry items read from a file,
// features and trees kept across save and reload, copies, malformed sections, and
// models with many features.
#include <ProGeomitem.h>
#include <ProModelitem.h>
#include <ProNcseq.h>

#include <chrono>
#include <string>
#include <vector>

#include "feature_helpers.h"

namespace {

using namespace featuretest;

class FeatureFilesTest : public modeltest::ConnectedTest {
protected:
    ProSolid load(const std::string& file) {
        ProMdl model = nullptr;
        lastRc = modeltest::load(file, &model);
        return static_cast<ProSolid>(model);
    }
    ProError lastRc = PRO_TK_NO_ERROR;
};

const char* const kMfgSolid = R"({
  "format": 1, "type": "PRT",
  "features": {"next_id": 40, "list": [
    {"id": 1, "type": 979, "name": "acs0", "items": [{"id": 2, "type": 25}]},
    {"id": 5, "type": 1007, "name": "OP010", "status": 0,
     "tree": {"id": 386, "children": [{"id": 387, "int": 1007},
              {"id": 191, "selection": {"type": 25, "id": 2, "owner": "."}}]}},
    {"id": 7, "type": 1100, "status": 5, "ncseq": true},
    {"id": 9, "type": 1100, "status": 6, "ncseq": true}
  ]}
})";

TEST_F(FeatureFilesTest, StatusesNcSequencesAndItemsComeFromTheFile) {
    writeFile("mill.prt", kMfgSolid);
    ProSolid solid = load("mill.prt");
    ASSERT_EQ(lastRc, PRO_TK_NO_ERROR);
    EXPECT_EQ(statuses(solid), (std::vector<std::pair<int, int>>{{1, 0}, {5, 0}, {7, 5}, {9, 6}}));

    ProFeature seq = feature(solid, 7);
    ProFeature op = feature(solid, 5);
    ProBoolean nc = PRO_B_FALSE;
    ASSERT_EQ(ProFeatureIsNcseq(&seq, &nc), PRO_TK_NO_ERROR);
    EXPECT_EQ(nc, PRO_B_TRUE);
    ASSERT_EQ(ProFeatureIsNcseq(&op, &nc), PRO_TK_NO_ERROR);
    EXPECT_EQ(nc, PRO_B_FALSE);

    // The coordinate system carries its feature's name and leads back to it.
    ProName name = L"ACS0";
    ProGeomitem csys{};
    ASSERT_EQ(ProModelitemByNameInit(solid, PRO_CSYS, name, &csys), PRO_TK_NO_ERROR);
    EXPECT_EQ(csys.id, 2);
    ProFeature owner{};
    ASSERT_EQ(ProGeomitemFeatureGet(&csys, &owner), PRO_TK_NO_ERROR);
    EXPECT_EQ(owner.id, 1);

    // The operation refers to that coordinate system: its feature is a parent.
    EXPECT_EQ(linked(ProFeatureParentsGet, solid, 5), std::vector<int>{1});

    // Ids continue after the file's next id.
    EXPECT_EQ(make(solid, 923), 40);
}

TEST_F(FeatureFilesTest, SaveAndReloadKeepFeaturesTreesAndIds) {
    ProSolid solid = part(L"box");
    int base = make(solid, 923, L"BASE", [](ProElement t) { addText(t, 600, L"text"); });
    int child = makeChild(solid, base, L"CHILD");
    int last = make(solid, 917);
    ProFeatureDelete(solid, &last, 1, nullptr, 0);
    ASSERT_EQ(ProMdlSave(solid), PRO_TK_NO_ERROR);

    restart();
    ProSolid again = load("box.prt");
    ASSERT_EQ(lastRc, PRO_TK_NO_ERROR);
    EXPECT_EQ(statuses(again), (std::vector<std::pair<int, int>>{{base, 0}, {child, 0}}));
    EXPECT_EQ(linked(ProFeatureParentsGet, again, child), std::vector<int>{base});
    ProName name{};
    ProFeature b = feature(again, base);
    ASSERT_EQ(ProModelitemNameGet(&b, name), PRO_TK_NO_ERROR);
    EXPECT_EQ(std::wstring(name), L"BASE");
    // The deleted feature's id stays used.
    EXPECT_GT(make(again, 923), last);
}

TEST_F(FeatureFilesTest, ACopyRefersToItsOwnFeatures) {
    ProSolid solid = part(L"src");
    int base = make(solid, 923);
    int child = makeChild(solid, base);
    ProName newName = L"dst";
    ProMdl copy = nullptr;
    ASSERT_EQ(ProMdlCopy(solid, newName, &copy), PRO_TK_NO_ERROR);
    EXPECT_EQ(linked(ProFeatureChildrenGet, static_cast<ProSolid>(copy), base),
              std::vector<int>{child});
}

TEST_F(FeatureFilesTest, MalformedFeatureSectionsAreRefused) {
    const char* const bad[] = {
        R"({"features": [{"id": 1, "type": 923}, {"id": 1, "type": 923}]})",
        R"({"features": [{"id": 1, "type": 923, "status": 9}]})",
        R"({"features": [{"id": 1, "type": 923, "name": "a b"}]})",
        R"({"features": [{"id": 1, "type": 923, "name": "A"}, {"id": 2, "type": 1, "name": "a"}]})",
        R"({"features": [{"id": 1, "type": 923, "items": [{"id": 1, "type": 25}]}]})",
        R"({"features": [{"type": 923}]})",
    };
    for (const char* text : bad) {
        writeFile("bad.prt", text);
        load("bad.prt");
        EXPECT_EQ(lastRc, PRO_TK_INVALID_FILE) << text;
    }
}

TEST_F(FeatureFilesTest, ManyFeaturesLoadAndVisitQuickly) {
    std::string text = R"({"features": [)";
    const int n = 100000;
    for (int i = 1; i <= n; ++i) {
        text +=
            (i > 1 ? "," : "") + std::string(R"({"id":)") + std::to_string(i) + R"(,"type":917})";
    }
    text += "]}";
    writeFile("big.prt", text);
    auto start = std::chrono::steady_clock::now();
    ProSolid solid = load("big.prt");
    ASSERT_EQ(lastRc, PRO_TK_NO_ERROR);
    auto counter = [](ProFeature*, ProError, ProAppData data) {
        ++*static_cast<int*>(data);
        return PRO_TK_NO_ERROR;
    };
    int visited = 0;
    ASSERT_EQ(ProSolidFeatVisit(solid, counter, nullptr, &visited), PRO_TK_NO_ERROR);
    EXPECT_EQ(visited, n);
    ProFeature last{};
    ASSERT_EQ(ProFeatureInit(solid, n, &last), PRO_TK_NO_ERROR);
    int number = 0;
    ProFeatureNumberGet(&last, &number);
    EXPECT_EQ(number, n);
    auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_LT(seconds, 20.0);  // generous for sanitizer builds; quadratic work takes far longer
}

}  // namespace
