// Feature access of a model: listing, names and types, search by name, stepping,
// deletion, children and the element-tree dump, against features read from model files.
#include <ProMdl.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "kelt2proe/mdl.h"
#include "support/expect.h"
#include "support/fault_sweep.h"
#include "toolkit/feature.h"
#include "toolkit/feature_search.h"

namespace {

using Ardo::kelt2pFeaturetype;
using Ardo::kelt2pMdl;

constexpr kelt2pFeaturetype kAny = Ardo::KELT2P_FEAT_ANY;
constexpr kelt2pFeaturetype kHole = static_cast<kelt2pFeaturetype>(911);

// A selection of feature `id` of the model itself, as a feature tree refers to a parent.
std::string treeReferring(int type, int parent) {
    return R"({"id": 386, "children": [{"id": 387, "int": )" + std::to_string(type) +
           R"(}, {"id": 9999, "selection": {"type": 3, "id": )" + std::to_string(parent) +
           R"(, "owner": "."}}]})";
}

// Regeneration order 1 2 5 12 13 14 20 21. Suppressed (5): 13, 21; unregenerated (6): 14.
// 12 has no name. 5 refers to 1, 20 refers to 5.
std::string bracketFile() {
    return R"({"type": "PRT", "features": [
        {"id": 1, "type": 923, "name": "RIGHT"},
        {"id": 2, "type": 923, "name": "TOP"},
        {"id": 5, "type": 917, "name": "BASE", "tree": )" +
           treeReferring(917, 1) + R"(},
        {"id": 12, "type": 917},
        {"id": 13, "type": 911, "name": "HOLE_1", "status": 5},
        {"id": 14, "type": 979, "name": "CS0", "status": 6},
        {"id": 20, "type": 911, "name": "HOLE_2", "tree": )" +
           treeReferring(911, 5) + R"(},
        {"id": 21, "type": 923, "name": "LATE", "status": 5}
    ]})";
}

std::string readText(const std::filesystem::path& file) {
    std::ifstream in(file);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class FeaturesTest : public testkit::HostTest {
protected:
    void SetUp() override {
        HostTest::SetUp();
        launchAndConnect();
        writeFile("bracket.prt", bracketFile());
        part.Load("bracket.prt", Ardo::KELT2P_MDL_PART, false);
    }

    std::vector<int> listed(const char* pattern, kelt2pFeaturetype type) {
        std::vector<int> ids;
        int n = part.FeatureList(pattern, type);
        for (int i = 0; i < n; ++i) {
            ids.push_back(part.FeatureList(i));
        }
        return ids;
    }

    ProSolid solid() {
        ProName name = L"BRACKET";
        ProMdl model = nullptr;
        EXPECT_EQ(ProMdlInit(name, PRO_MDL_PART, &model), PRO_TK_NO_ERROR);
        return static_cast<ProSolid>(model);
    }

    // Fails host call k = 1 .. n of the operation in turn (n: the calls of an undisturbed
    // run); each failure is an ardotk::Error with the injected code and `text`, and no
    // path leaves a host object allocated.
    void failEachCall(const std::function<void()>& operation, const char* text) {
        testkit::FaultSweep sweep;
        sweep.operation = operation;
        sweep.code = -17;
        sweep.check = [&](const testkit::HostCall& call, const testkit::Outcome& outcome) {
            // A pattern that cannot be converted is a failure of the filter itself.
            if (call.function == "ProStringToWstring") {
                EXPECT_EQ(outcome, testkit::Outcome::toolkit(-1, "UNBEKANNTER FEHLER"));
            } else {
                EXPECT_EQ(outcome, testkit::Outcome::toolkit(-17, text));
            }
            EXPECT_EQ(simhost::liveObjects(), 0);
        };
        testkit::runFaultSweep(sweep);
    }

    kelt2pMdl part;
};

// --- Listing -------------------------------------------------------------------

TEST_F(FeaturesTest, ListTakesActiveAndUnregeneratedFeaturesInHostOrder) {
    EXPECT_EQ(listed(".*", kAny), (std::vector<int>{1, 2, 5, 12, 14, 20}));
    EXPECT_EQ(listed(".*", kHole), (std::vector<int>{20}));
    EXPECT_EQ(listed(".*", static_cast<kelt2pFeaturetype>(4711)), std::vector<int>{});
}

TEST_F(FeaturesTest, ListMatchesTheWholeNameCaseSensitively) {
    EXPECT_EQ(listed("HOLE", kAny), std::vector<int>{});
    EXPECT_EQ(listed("hole_2", kAny), std::vector<int>{});
    EXPECT_EQ(listed("HOLE_.*|R.*", kAny), (std::vector<int>{1, 20}));
    // The unnamed feature has the empty name.
    EXPECT_EQ(listed("", kAny), std::vector<int>{12});
}

TEST_F(FeaturesTest, ListIndexOnEmptyListAndOutsideTheList) {
    EXPECT_THROW_CODE(part.FeatureList(0), Ardo::Error, 0, "no features in list");
    ASSERT_EQ(part.FeatureList("TOP", kAny), 1);
    EXPECT_EQ(part.FeatureList(0), 2);
    EXPECT_SUBSCRIPT_ERROR(part.FeatureList(1));
    EXPECT_THROW(part.FeatureList(-1), std::out_of_range);
    // A search that finds nothing empties the list.
    ASSERT_EQ(part.FeatureList("NOPE", kAny), 0);
    EXPECT_THROW_CODE(part.FeatureList(0), Ardo::Error, 0, "no features in list");
}

TEST_F(FeaturesTest, ListsBelongToTheirModelObject) {
    kelt2pMdl other(part);
    ASSERT_EQ(part.FeatureList(".*", kAny), 6);
    ASSERT_EQ(other.FeatureList("BASE", kAny), 1);
    EXPECT_EQ(part.FeatureList(5), 20);
    EXPECT_EQ(other.FeatureList(0), 5);
}

TEST_F(FeaturesTest, ListRefusesAnInvalidPatternAndAnUnboundModel) {
    EXPECT_PATTERN_ERROR(part.FeatureList("HOLE_(", kAny));
    EXPECT_EQ(simhost::liveObjects(), 0);
    kelt2pMdl unbound;
    EXPECT_THROW_CODE(unbound.FeatureList(".*", kAny), Ardo::Error, PRO_TK_EMPTY,
                      "Ardo::Solid::FeatureList");
}

TEST_F(FeaturesTest, ListOfNcSequencesOnly) {
    writeFile("job.mfg", R"({"type": "MFG", "features": [
        {"id": 1, "type": 923, "name": "ADTM1"},
        {"id": 2, "type": 1100, "name": "ROUGH", "ncseq": true},
        {"id": 3, "type": 1100, "name": "FINISH", "ncseq": true, "status": 5},
        {"id": 4, "type": 1101, "name": "DRILL", "ncseq": true}
    ]})");
    kelt2pMdl job;
    job.Load("job.mfg", Ardo::KELT2P_MDL_MFG, false);
    ASSERT_EQ(job.FeatureList(".*", Ardo::KELT2P_FEAT_NCSEQ), 2);
    EXPECT_EQ(job.FeatureList(0), 2);
    EXPECT_EQ(job.FeatureList(1), 4);
    EXPECT_EQ(job.FeatureList("D.*", Ardo::KELT2P_FEAT_NCSEQ), 1);
    EXPECT_EQ(part.FeatureList(".*", Ardo::KELT2P_FEAT_NCSEQ), 0);
}

TEST_F(FeaturesTest, ListFailsCleanlyAtEveryHostCall) {
    failEachCall([this] { part.FeatureList("HOLE_.*", kHole); }, "ardotk::FeatureSearch");
    failEachCall([this] { part.FeatureList(".*", Ardo::KELT2P_FEAT_NCSEQ); },
                 "ardotk::FeatureSearch");
}

// --- Name, type, find, exist -----------------------------------------------------

TEST_F(FeaturesTest, NameOfNamedAndUnnamedFeatures) {
    EXPECT_STREQ(part.FeatureName(5), "BASE");
    const char* unnamed = part.FeatureName(12);
    EXPECT_STREQ(unnamed, "fid_12");
    // One buffer, overwritten by the next call.
    EXPECT_EQ(part.FeatureName(20), unnamed);
    EXPECT_STREQ(unnamed, "HOLE_2");
    // A name the host cannot give is the id's text; one that cannot be converted fails.
    simhost::injectFault("ProModelitemNameGet", -17);
    EXPECT_STREQ(part.FeatureName(5), "fid_5");
    simhost::injectFault("ProWstringToString", -17);
    EXPECT_THROW_CODE(part.FeatureName(5), Ardo::Error, -1, "Ardo::Solid::FeatureName");
    EXPECT_THROW_CODE(part.FeatureName(99), Ardo::Error, -4, "");
}

TEST_F(FeaturesTest, TypeOfAFeature) {
    EXPECT_EQ(part.FeatureType(20), kHole);
    EXPECT_EQ(part.FeatureType(13), kHole);
    EXPECT_FAULT("ProFeatureTypeGet", -17, part.FeatureType(20), ardotk::Error, "");
    EXPECT_FAULT("ProFeatureInit", -17, part.FeatureType(20), Ardo::Error, "");
}

TEST_F(FeaturesTest, FindTakesExactlyOneActiveFeature) {
    EXPECT_EQ(part.FeatureFind("HOLE_2"), 20);
    EXPECT_EQ(part.FeatureFind("HOLE_.*"), 20);  // HOLE_1 is suppressed
    EXPECT_EQ(part.FeatureFind("CS0"), 14);
    // Suppressed, two matches, an invalid pattern, a failed visit: nothing found.
    for (const char* name : {"HOLE_1", "RIGHT|TOP", "(", "HOLE_2"}) {
        if (std::string(name) == "HOLE_2") {
            simhost::injectFault("ProSolidFeatVisit", -17);
        }
        EXPECT_THROW_CODE(part.FeatureFind(name), Ardo::Error, 0, "nothing found");
    }
}

TEST_F(FeaturesTest, ExistByIdAndByNameNeverRaise) {
    EXPECT_TRUE(part.FeatueExist(13));
    EXPECT_FALSE(part.FeatueExist(99));
    EXPECT_TRUE(part.FeatueExist("CS0"));
    EXPECT_FALSE(part.FeatueExist("RIGHT|TOP"));
    EXPECT_FALSE(part.FeatueExist("LATE"));
    EXPECT_FALSE(part.FeatueExist("["));
    kelt2pMdl unbound;
    EXPECT_FALSE(unbound.FeatueExist(1));
    EXPECT_FALSE(unbound.FeatueExist("BASE"));
}

TEST_F(FeaturesTest, SearchByNameForAnActiveFeature) {
    ProSolid bracket = solid();
    EXPECT_EQ(ardotk::FeatureByNameActive(bracket, "HOLE_2").id, 20);
    // Found (unregenerated features are searched) but not active.
    EXPECT_THROW_CODE(ardotk::FeatureByNameActive(bracket, "CS0"), ardotk::Error, 0, "NOT ACTIVE");
    EXPECT_THROW_CODE(ardotk::FeatureByNameActive(bracket, "HOLE_1"), ardotk::Error, -1,
                      "nothing found");
    // Fail the status call that follows the search.
    simhost::clearJournal();
    ardotk::FeatureByName(bracket, "BASE");
    simhost::injectFault("ProFeatureStatusGet", -17, testkit::callCount("ProFeatureStatusGet") + 1);
    EXPECT_THROW_CODE(ardotk::FeatureByNameActive(bracket, "BASE"), ardotk::Error, -17,
                      "ardotk::FeatureByNameActive");
}

// --- Next and previous ---------------------------------------------------------------

TEST_F(FeaturesTest, NextAndPreviousStepToActiveFeaturesOnly) {
    EXPECT_EQ(part.FeatureNext(1), 2);
    // 13 is suppressed, 14 unregenerated: neither is active.
    EXPECT_EQ(part.FeatureNext(12), 20);
    EXPECT_EQ(part.FeaturePrevious(20), 12);
    EXPECT_EQ(part.FeaturePrevious(14), 12);
    EXPECT_EQ(part.FeaturePrevious(2), 1);
}

TEST_F(FeaturesTest, NextAndPreviousAtTheEnds) {
    EXPECT_EQ(part.FeatureNext(20), -1);  // followed only by a suppressed feature
    EXPECT_EQ(part.FeatureNext(21), -1);  // the last feature
    EXPECT_EQ(part.FeaturePrevious(1), -1);
    EXPECT_THROW_CODE(part.FeatureNext(99), Ardo::Error, PRO_TK_E_NOT_FOUND, "");
}

// --- Delete -------------------------------------------------------------------------

TEST_F(FeaturesTest, DeleteByNameAndById) {
    EXPECT_FAULT("ProFeatureDelete", -17, part.FeatureDelete("HOLE_2"), ardotk::Error, "");
    EXPECT_TRUE(part.FeatueExist(20));
    part.FeatureDelete("HOLE_2");
    EXPECT_FALSE(part.FeatueExist(20));
    part.FeatureDelete(12);
    EXPECT_FALSE(part.FeatueExist(12));
    EXPECT_EQ(listed(".*", kAny), (std::vector<int>{1, 2, 5, 14}));
    EXPECT_THROW_CODE(part.FeatureDelete("HOLE_2"), ardotk::Error, -1, "nothing found");
    EXPECT_THROW_CODE(part.FeatureDelete(20), Ardo::Error, PRO_TK_E_NOT_FOUND, "");
}

// --- Children -------------------------------------------------------------------------

TEST_F(FeaturesTest, ChildrenByIdAndByNameFillOneSharedList) {
    ASSERT_EQ(part.FeatureChildrenGet(1), 1);
    kelt2pMdl other;
    EXPECT_EQ(other.FeatureChildrenAt(0), 5);
    ASSERT_EQ(part.FeatureChildrenGet("BASE"), 1);
    EXPECT_EQ(part.FeatureChildrenAt(0), 20);
    EXPECT_THROW(part.FeatureChildrenAt(1), std::out_of_range);
    ASSERT_EQ(part.FeatureChildrenGet(20), 0);
    EXPECT_THROW_CODE(part.FeatureChildrenAt(0), Ardo::Error, 0, "no features in list");
}

TEST_F(FeaturesTest, ChildrenByNameNeedExactlyOneActiveFeature) {
    for (const char* name : {"NOPE", "RIGHT|TOP", "HOLE_1"}) {
        EXPECT_THROW_CODE(part.FeatureChildrenGet(name), Ardo::Error, PRO_TK_EMPTY,
                          "Feature not found");
    }
    kelt2pMdl unbound;
    EXPECT_THROW_CODE(unbound.FeatureChildrenGet("BASE"), Ardo::Error, PRO_TK_EMPTY,
                      "Ardo::Solid::FeatureChildrenGet");
    EXPECT_THROW_CODE(part.FeatureChildrenGet(99), Ardo::Error, PRO_TK_E_NOT_FOUND, "");
}

TEST_F(FeaturesTest, ParentsOfAFeature) {
    ProFeature hole{PRO_FEATURE, 20, solid()};
    std::vector<ProFeature> parents = ardotk::FeatureParentsGet(hole);
    ASSERT_EQ(parents.size(), 1u);
    EXPECT_EQ(parents[0].id, 5);
    EXPECT_FAULT("ProFeatureParentsGet", -17, ardotk::FeatureParentsGet(hole), ardotk::Error,
                 "ardotk::FeatureParentsGet");
    EXPECT_EQ(simhost::liveObjects(), 0);
}

// --- Element-tree dump -------------------------------------------------------------------

TEST_F(FeaturesTest, PrintFeatTreeWritesTheDumpAndTheHostsXml) {
    part.PrintFeatTree(5);
    std::string dump = readText(workDir / "elemtree.inf");
    EXPECT_EQ(dump.rfind("Element tree\n============\n\nFEATURE_TREE  ", 0), 0u) << dump;
    EXPECT_NE(dump.find("Elem Id: 9999"), std::string::npos) << dump;
    EXPECT_TRUE(std::filesystem::exists(workDir / "fixt.xml"));
    EXPECT_EQ(simhost::liveObjects(), 0);

    std::filesystem::remove(workDir / "elemtree.inf");
    part.PrintFeatTree("HOLE_2");
    EXPECT_NE(readText(workDir / "elemtree.inf").find("Elem Id: 9999"), std::string::npos);
}

TEST_F(FeaturesTest, PrintFeatTreeOfAManufacturingModelReadsItsSolid) {
    writeFile("job.mfg", R"({"type": "MFG", "features": [
        {"id": 7, "type": 1100, "name": "ROUGH", "ncseq": true}
    ]})");
    kelt2pMdl job;
    job.Load("job.mfg", Ardo::KELT2P_MDL_MFG, false);
    simhost::clearJournal();
    job.PrintFeatTree(7);
    EXPECT_TRUE(testkit::journalHas("ProMfgSolidGet"));
    EXPECT_EQ(readText(workDir / "elemtree.inf").rfind("Element tree\n", 0), 0u);
    std::filesystem::remove(workDir / "elemtree.inf");
    simhost::injectFault("ProMfgSolidGet", -17);
    job.PrintFeatTree(7);
    EXPECT_FALSE(std::filesystem::exists(workDir / "elemtree.inf"));
}

TEST_F(FeaturesTest, PrintFeatTreeRaisesNothing) {
    part.PrintFeatTree(99);
    part.PrintFeatTree("RIGHT|TOP");
    part.PrintFeatTree("(");
    kelt2pMdl unbound;
    unbound.PrintFeatTree(5);
    unbound.PrintFeatTree("BASE");
    EXPECT_FALSE(std::filesystem::exists(workDir / "elemtree.inf"));
    EXPECT_FALSE(std::filesystem::exists(workDir / "fixt.xml"));
}

}  // namespace
