// Features: creation from element trees, kept trees, visits, statuses, deletion with
// children, parents, names, model items and stale handles.
#include <ProElempath.h>
#include <ProGeomitem.h>
#include <ProModelitem.h>
#include <ProNcseq.h>

#include <cstring>
#include <vector>

#include "feature_helpers.h"

namespace {

using namespace featuretest;

class FeaturesTest : public modeltest::ConnectedTest {
protected:
    void SetUp() override {
        ConnectedTest::SetUp();
        solid = part(L"box");
        ASSERT_NE(solid, nullptr);
    }
    ProSolid solid = nullptr;
};

std::wstring nameOf(ProModelitem item) {
    ProName name{};
    return ProModelitemNameGet(&item, name) == PRO_TK_NO_ERROR ? std::wstring(name) : L"<none>";
}

TEST_F(FeaturesTest, CreateKeepsTypeNameAndADeepCopyOfTheTree) {
    ProElement t = tree(923, L"dtm_a");
    addInt(t, 600, 42);
    ProFeature f{};
    ASSERT_EQ(create(solid, t, &f), PRO_TK_NO_ERROR);
    // The host keeps its own copy: changing and freeing the caller's tree does not
    // reach the feature.
    ProElement extra = nullptr;
    ProElementAlloc(601, &extra);
    ProElemtreeElementAdd(t, nullptr, extra);
    ProElementFree(&t);

    ProFeattype type = 0;
    ASSERT_EQ(ProFeatureTypeGet(&f, &type), PRO_TK_NO_ERROR);
    EXPECT_EQ(type, 923);
    EXPECT_EQ(nameOf(f), L"DTM_A");

    long before = simhost::liveObjects();
    ProElement copy = nullptr;
    ASSERT_EQ(ProFeatureElemtreeCreate(&f, &copy), PRO_TK_NO_ERROR);
    ProElemId id = 0;
    ProElementIdGet(copy, &id);
    EXPECT_EQ(id, kTree);
    ProElempath path = nullptr;
    ProElempathAlloc(&path);
    ProElempathItem step{PRO_ELEM_PATH_ITEM_TYPE_ID, {601}};
    ProElempathDataSet(path, &step, 1);
    ProElement missing = nullptr;
    EXPECT_EQ(ProElemtreeElementGet(copy, path, &missing), PRO_TK_E_NOT_FOUND);
    ProElempathFree(&path);
    EXPECT_EQ(ProElementFree(&copy), PRO_TK_NO_ERROR);
    EXPECT_EQ(simhost::liveObjects(), before);
}

TEST_F(FeaturesTest, ElemValueGetReadsTheKeptTreeByPath) {
    int id = make(solid, 1007, L"op", [](ProElement t) { addInt(t, 190, 77); });
    ASSERT_NE(id, 0);
    ProFeature f = feature(solid, id);
    ProValueData data{};
    ASSERT_EQ(elemValue(f, 190, &data), PRO_TK_NO_ERROR);
    EXPECT_EQ(data.type, PRO_VALUE_TYPE_INT);
    EXPECT_EQ(data.v.i, 77);
    EXPECT_EQ(elemValue(f, 191, &data), PRO_TK_E_NOT_FOUND);
    // The root is compound and has no value of its own.
    ProValue value = nullptr;
    EXPECT_EQ(ProFeatureElemValueGet(&f, nullptr, &value), PRO_TK_INVALID_TYPE);
}

TEST_F(FeaturesTest, CreateRefusesBadTreesAndReportsElementErrors) {
    ProErrorlist errors{};
    ProFeature f{};
    ProElement noType = nullptr;
    ProElementAlloc(kTree, &noType);
    EXPECT_EQ(create(solid, noType, &f, &errors), PRO_TK_GENERAL_ERROR);
    ASSERT_EQ(errors.error_number, 1);
    EXPECT_EQ(errors.error_list[0].err_item_id, kType);
    EXPECT_EQ(errors.error_list[0].err_item_type, PRO_ERRITEM_FEATELEM);
    ProElementFree(&noType);

    ASSERT_NE(make(solid, 923, L"DTM1"), 0);
    ProElement dup = tree(923, L"dtm1");  // names compare without case
    EXPECT_EQ(create(solid, dup, &f, &errors), PRO_TK_GENERAL_ERROR);
    ASSERT_EQ(errors.error_number, 1);
    EXPECT_EQ(errors.error_list[0].err_item_id, kName);
    EXPECT_EQ(errors.error_list[0].error, PRO_TK_E_FOUND);
    ProElementFree(&dup);

    ProElement wrongRoot = nullptr;
    ProElementAlloc(kType, &wrongRoot);
    EXPECT_EQ(create(solid, wrongRoot, &f), PRO_TK_BAD_INPUTS);
    ProElementFree(&wrongRoot);
    EXPECT_EQ(idsOf(solid).size(), 1u);
}

TEST_F(FeaturesTest, CreateNeedsASelectionOfTheSolidItself) {
    int id = make(solid, 923);
    ProModelitem item{PRO_FEATURE, id, solid};
    ProSelection selection = nullptr;
    ProSelectionAlloc(nullptr, &item, &selection);
    ProElement t = tree(923);
    ProFeature f{};
    ProErrorlist errors{};
    EXPECT_EQ(ProFeatureCreate(selection, t, nullptr, 0, &f, &errors), PRO_TK_BAD_INPUTS);
    ProFeatureCreateOptions bad[1];
    int raw = 99;  // a value outside the enumeration, as a C caller may pass it
    std::memcpy(bad, &raw, sizeof raw);
    ProMdlToModelitem(solid, &item);
    ProSelectionFree(&selection);
    ProSelectionAlloc(nullptr, &item, &selection);
    EXPECT_EQ(ProFeatureCreate(selection, t, bad, 1, &f, &errors), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProFeatureCreate(selection, t, nullptr, 0, &f, &errors), PRO_TK_NO_ERROR);
    EXPECT_EQ(errors.error_number, 0);
    ProSelectionFree(&selection);
    ProElementFree(&t);
}

struct VisitLog {
    std::vector<int> seen;
    std::vector<ProError> statuses;
    int stopAt = 0;
};

ProError onlyType923(ProFeature* f, ProAppData) {
    ProFeattype type = 0;
    ProFeatureTypeGet(f, &type);
    return type == 923 ? PRO_TK_NO_ERROR : PRO_TK_CONTINUE;
}

ProError passStatus(ProFeature*, ProAppData) {
    return PRO_TK_E_FOUND;
}

ProError record(ProFeature* f, ProError status, ProAppData data) {
    auto* log = static_cast<VisitLog*>(data);
    log->seen.push_back(f->id);
    log->statuses.push_back(status);
    return f->id == log->stopAt ? PRO_TK_USER_ABORT : PRO_TK_NO_ERROR;
}

TEST_F(FeaturesTest, VisitFollowsRegenerationOrderWithFilterAndStop) {
    int a = make(solid, 923);
    int b = make(solid, 917);
    int c = make(solid, 923);
    VisitLog all;
    EXPECT_EQ(ProSolidFeatVisit(solid, record, nullptr, &all), PRO_TK_NO_ERROR);
    EXPECT_EQ(all.seen, (std::vector<int>{a, b, c}));

    VisitLog filtered;
    EXPECT_EQ(ProSolidFeatVisit(solid, record, onlyType923, &filtered), PRO_TK_NO_ERROR);
    EXPECT_EQ(filtered.seen, (std::vector<int>{a, c}));

    // A filter's answer other than CONTINUE reaches the action as its status.
    VisitLog passed;
    ProSolidFeatVisit(solid, record, passStatus, &passed);
    EXPECT_EQ(passed.statuses, (std::vector<ProError>(3, PRO_TK_E_FOUND)));

    VisitLog stopped;
    stopped.stopAt = b;
    EXPECT_EQ(ProSolidFeatVisit(solid, record, nullptr, &stopped), PRO_TK_USER_ABORT);
    EXPECT_EQ(stopped.seen, (std::vector<int>{a, b}));

    ProFeature fc = feature(solid, c);
    int number = 0;
    ASSERT_EQ(ProFeatureNumberGet(&fc, &number), PRO_TK_NO_ERROR);
    EXPECT_EQ(number, 3);
}

TEST_F(FeaturesTest, VisitOfNothingIsNotFound) {
    VisitLog log;
    EXPECT_EQ(ProSolidFeatVisit(solid, record, nullptr, &log), PRO_TK_E_NOT_FOUND);
    make(solid, 917);
    EXPECT_EQ(ProSolidFeatVisit(solid, record, onlyType923, &log), PRO_TK_E_NOT_FOUND);
    EXPECT_TRUE(log.seen.empty());
    EXPECT_EQ(ProSolidFeatVisit(solid, nullptr, nullptr, &log), PRO_TK_BAD_INPUTS);
}

ProError deleteNext(ProFeature* f, ProError, ProAppData data) {
    auto* log = static_cast<VisitLog*>(data);
    log->seen.push_back(f->id);
    int next = f->id + 1;
    ProFeatureDelete(static_cast<ProSolid>(f->owner), &next, 1, nullptr, 0);
    return PRO_TK_NO_ERROR;
}

TEST_F(FeaturesTest, VisitSkipsFeaturesItsActionDeleted) {
    int a = make(solid, 917);
    make(solid, 917);
    int c = make(solid, 917);
    make(solid, 917);
    VisitLog log;
    EXPECT_EQ(ProSolidFeatVisit(solid, deleteNext, nullptr, &log), PRO_TK_NO_ERROR);
    EXPECT_EQ(log.seen, (std::vector<int>{a, c}));
}

TEST_F(FeaturesTest, ParentsAndChildrenComeFromTreeReferences) {
    int base = make(solid, 923, L"BASE");
    int csysFeature = make(solid, 979, L"CS0");
    ASSERT_NE(csysFeature, 0);
    int child = make(solid, 917, L"CHILD", [&](ProElement t) {
        addRef(t, solid, PRO_FEATURE, base);
        addRef(t, solid, PRO_FEATURE, base);  // twice, listed once
    });
    int grandchild = makeChild(solid, child, L"GRAND");
    int other = make(solid, 917, L"OTHER");

    EXPECT_EQ(linked(ProFeatureParentsGet, solid, child), std::vector<int>{base});
    EXPECT_EQ(linked(ProFeatureChildrenGet, solid, base), std::vector<int>{child});
    EXPECT_EQ(linked(ProFeatureChildrenGet, solid, child), std::vector<int>{grandchild});
    EXPECT_TRUE(linked(ProFeatureChildrenGet, solid, other).empty());

    // A reference to an item of another model makes no parent.
    ProSolid second = part(L"other_part");
    int foreign =
        make(solid, 917, L"", [&](ProElement t) { addRef(t, second, PRO_FEATURE, base); });
    EXPECT_TRUE(linked(ProFeatureParentsGet, solid, foreign).empty());
}

TEST_F(FeaturesTest, DeleteTakesChildrenUnlessFixingAndClipTakesTheRest) {
    int base = make(solid, 923);
    int child = makeChild(solid, base);
    int grand = makeChild(solid, child);
    int free1 = make(solid, 917);
    ProFeatureDeleteOptions none[] = {PRO_FEAT_DELETE_NO_OPTS};
    ASSERT_EQ(ProFeatureDelete(solid, &base, 1, none, 1), PRO_TK_NO_ERROR);
    EXPECT_EQ(idsOf(solid), std::vector<int>{free1});
    ProFeature gone = feature(solid, grand);
    ProFeattype type = 0;
    EXPECT_EQ(ProFeatureTypeGet(&gone, &type), PRO_TK_E_NOT_FOUND);

    int p = make(solid, 923);
    int q = makeChild(solid, p);
    ProFeatureDeleteOptions fix[] = {PRO_FEAT_DELETE_FIX};
    ASSERT_EQ(ProFeatureDelete(solid, &p, 1, fix, 1), PRO_TK_NO_ERROR);
    EXPECT_EQ(idsOf(solid), (std::vector<int>{free1, q}));
    // Ids are never handed out again.
    EXPECT_GT(make(solid, 917), q);

    ProFeatureDeleteOptions clip[] = {PRO_FEAT_DELETE_CLIP};
    ASSERT_EQ(ProFeatureDelete(solid, &q, 1, clip, 1), PRO_TK_NO_ERROR);
    EXPECT_EQ(idsOf(solid), std::vector<int>{free1});
}

TEST_F(FeaturesTest, DeleteChecksEveryIdBeforeDeletingAny) {
    int a = make(solid, 923);
    int ids[] = {a, 999};
    EXPECT_EQ(ProFeatureDelete(solid, ids, 2, nullptr, 0), PRO_TK_E_NOT_FOUND);
    EXPECT_EQ(idsOf(solid), std::vector<int>{a});
    EXPECT_EQ(ProFeatureDelete(solid, ids, 0, nullptr, 0), PRO_TK_BAD_INPUTS);
    ProFeatureDeleteOptions bad[1];
    int raw = 9;
    std::memcpy(bad, &raw, sizeof raw);
    EXPECT_EQ(ProFeatureDelete(solid, &a, 1, bad, 1), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(idsOf(solid), std::vector<int>{a});
}

TEST_F(FeaturesTest, RedefineReplacesTheTreeKeepsTheTypeAndRenames) {
    int id = make(solid, 1008, L"WC", [](ProElement t) { addInt(t, 482, 3); });
    ProFeature f = feature(solid, id);
    ProElement t = tree(1008, L"WC_NEW");
    addInt(t, 482, 5);
    ProErrorlist errors{};
    ASSERT_EQ(ProFeatureRedefine(nullptr, &f, t, nullptr, 0, &errors), PRO_TK_NO_ERROR);
    ProElementFree(&t);
    EXPECT_EQ(nameOf(f), L"WC_NEW");
    ProValueData data{};
    ASSERT_EQ(elemValue(f, 482, &data), PRO_TK_NO_ERROR);
    EXPECT_EQ(data.v.i, 5);

    ProElement otherType = tree(917);
    EXPECT_EQ(ProFeatureRedefine(nullptr, &f, otherType, nullptr, 0, &errors),
              PRO_TK_GENERAL_ERROR);
    EXPECT_EQ(errors.error_list[0].err_item_id, kType);
    ProElementFree(&otherType);
    ProFeattype type = 0;
    ProFeatureTypeGet(&f, &type);
    EXPECT_EQ(type, 1008);
}

TEST_F(FeaturesTest, NamesAndModelItemsByIdAndName) {
    int named = make(solid, 923, L"Dtm1");
    int plain = make(solid, 923);
    ProModelitem item{};
    ASSERT_EQ(ProModelitemInit(solid, named, PRO_FEATURE, &item), PRO_TK_NO_ERROR);
    EXPECT_EQ(nameOf(item), L"DTM1");
    ProFeature unnamed = feature(solid, plain);
    ProName name{};
    EXPECT_EQ(ProModelitemNameGet(&unnamed, name), PRO_TK_E_NOT_FOUND);

    ProName newName = L"top";
    ASSERT_EQ(ProModelitemNameSet(&unnamed, newName), PRO_TK_NO_ERROR);
    ProName lookup = L"TOP";
    ProModelitem found{};
    ASSERT_EQ(ProModelitemByNameInit(solid, PRO_FEATURE, lookup, &found), PRO_TK_NO_ERROR);
    EXPECT_EQ(found.id, plain);
    ProName taken = L"dtm1";
    EXPECT_EQ(ProModelitemNameSet(&unnamed, taken), PRO_TK_E_FOUND);
    ProName bad = L"two words";
    EXPECT_EQ(ProModelitemNameSet(&unnamed, bad), PRO_TK_BAD_INPUTS);

    EXPECT_EQ(ProModelitemInit(solid, 999, PRO_FEATURE, &item), PRO_TK_E_NOT_FOUND);
    EXPECT_EQ(ProModelitemInit(solid, named, PRO_CSYS, &item), PRO_TK_E_NOT_FOUND);
    EXPECT_EQ(ProModelitemInit(solid, named, PRO_TYPE_UNUSED, &item), PRO_TK_BAD_INPUTS);

    // The model itself is an item of its type.
    ProModelitem self{};
    ProMdlToModelitem(solid, &self);
    ProModelitem init{};
    ASSERT_EQ(ProModelitemInit(solid, self.id, PRO_PART, &init), PRO_TK_NO_ERROR);
    EXPECT_EQ(nameOf(init), L"BOX");
}

TEST_F(FeaturesTest, StaleHandlesGiveErrorCodes) {
    int id = make(solid, 923, L"X");
    ProFeature f = feature(solid, id);
    ASSERT_EQ(ProFeatureDelete(solid, &id, 1, nullptr, 0), PRO_TK_NO_ERROR);
    ProFeatStatus status{};
    ProElement t = nullptr;
    ProBoolean nc = PRO_B_TRUE;
    EXPECT_EQ(ProFeatureStatusGet(&f, &status), PRO_TK_E_NOT_FOUND);
    EXPECT_EQ(ProFeatureElemtreeCreate(&f, &t), PRO_TK_E_NOT_FOUND);
    EXPECT_EQ(ProFeatureIsNcseq(&f, &nc), PRO_TK_E_NOT_FOUND);
    ProName name{};
    EXPECT_EQ(ProModelitemNameGet(&f, name), PRO_TK_E_NOT_FOUND);
    EXPECT_EQ(ProFeatureInit(solid, id, &f), PRO_TK_E_NOT_FOUND);

    int kept = make(solid, 923);
    ProFeature live = feature(solid, kept);
    ASSERT_EQ(ProMdlErase(solid), PRO_TK_NO_ERROR);
    EXPECT_EQ(ProFeatureStatusGet(&live, &status), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProFeatureInit(solid, kept, &live), PRO_TK_BAD_INPUTS);
    int* ids = nullptr;
    ProFeatStatus* st = nullptr;
    int n = 0;
    EXPECT_EQ(ProSolidFeatstatusGet(solid, &ids, &st, &n), PRO_TK_BAD_INPUTS);
}

TEST_F(FeaturesTest, InjectedFaultsChangeNothing) {
    simhost::injectFault("ProFeatureCreate", PRO_TK_GENERAL_ERROR);
    EXPECT_EQ(make(solid, 923), 0);
    EXPECT_TRUE(idsOf(solid).empty());
    int id = make(solid, 923);
    simhost::injectFault("ProFeatureDelete", PRO_TK_COMM_ERROR);
    EXPECT_EQ(ProFeatureDelete(solid, &id, 1, nullptr, 0), PRO_TK_COMM_ERROR);
    EXPECT_EQ(idsOf(solid), std::vector<int>{id});
    simhost::injectFault("ProSolidFeatVisit", PRO_TK_COMM_ERROR);
    VisitLog log;
    EXPECT_EQ(ProSolidFeatVisit(solid, record, nullptr, &log), PRO_TK_COMM_ERROR);
    EXPECT_TRUE(log.seen.empty());
}

TEST_F(FeaturesTest, EveryChangeMarksTheModelModified) {
    ProMdlSave(solid);
    ASSERT_FALSE(modeltest::modified(solid));
    int id = make(solid, 923);
    EXPECT_TRUE(modeltest::modified(solid));
    ProMdlSave(solid);
    ProFeature f = feature(solid, id);
    ProName name = L"N";
    ProModelitemNameSet(&f, name);
    EXPECT_TRUE(modeltest::modified(solid));
}

}  // namespace
