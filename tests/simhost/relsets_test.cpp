// Relation sets: the two sets of every solid, feature sets, reading and writing lines,
// the release of the line array, model files and faults.
#include <ProArray.h>
#include <ProMdl.h>
#include <ProRelSet.h>

#include <string>
#include <vector>

#include "item_helpers.h"
#include "model_helpers.h"

namespace {

using itemtest::featureItem;
using itemtest::modelItem;

class RelsetsTest : public modeltest::ConnectedTest {
protected:
    void SetUp() override {
        ConnectedTest::SetUp();
        part = itemtest::loadPart("bracket", "", workDir.string());
        ASSERT_NE(part, nullptr);
    }

    std::vector<ProRelset> sets(ProMdl model) {
        std::vector<ProRelset> out;
        EXPECT_EQ(ProSolidRelsetVisit(
                      model,
                      [](ProRelset* set, ProAppData data) {
                          static_cast<std::vector<ProRelset>*>(data)->push_back(*set);
                          return PRO_TK_NO_ERROR;
                      },
                      &out),
                  PRO_TK_NO_ERROR);
        return out;
    }

    ProMdl part = nullptr;
};

std::vector<std::wstring> linesOf(ProRelset set) {
    ProWstring* lines = nullptr;
    EXPECT_EQ(ProRelsetRelationsGet(&set, &lines), PRO_TK_NO_ERROR);
    int n = 0;
    EXPECT_EQ(ProArraySizeGet(lines, &n), PRO_TK_NO_ERROR);
    std::vector<std::wstring> out(lines, lines + n);
    EXPECT_EQ(ProArrayFree(reinterpret_cast<ProArray*>(&lines)), PRO_TK_NO_ERROR);
    return out;
}

ProError write(ProRelset set, std::vector<std::wstring> lines) {
    std::vector<ProWstring> pointers;
    for (auto& line : lines) {
        pointers.push_back(line.data());
    }
    return ProRelsetRelationsSet(&set, pointers.data(), static_cast<int>(pointers.size()));
}

TEST_F(RelsetsTest, EverySolidHasItsModelAndPostRegenerationSetsEmpty) {
    std::vector<ProRelset> found = sets(part);
    ASSERT_EQ(found.size(), 2u);
    ProModelitem self = modelItem(part);
    ProModelitem owner{};
    ASSERT_EQ(ProRelsetToModelitem(&found[0], &owner), PRO_TK_NO_ERROR);
    EXPECT_EQ(owner.type, PRO_PART);
    EXPECT_EQ(owner.id, self.id);
    EXPECT_EQ(owner.owner, part);
    ASSERT_EQ(ProRelsetToModelitem(&found[1], &owner), PRO_TK_NO_ERROR);
    EXPECT_EQ(owner.type, PRO_PART);
    EXPECT_EQ(owner.id, -2);
    EXPECT_TRUE(linesOf(found[0]).empty());
    EXPECT_TRUE(linesOf(found[1]).empty());

    ProMdl assembly = modeltest::create(L"frame", PRO_ASSEMBLY);
    found = sets(assembly);
    ASSERT_EQ(found.size(), 2u);
    ASSERT_EQ(ProRelsetToModelitem(&found[0], &owner), PRO_TK_NO_ERROR);
    EXPECT_EQ(owner.type, PRO_ASSEMBLY);

    // The action's non-zero answer stops the visit.
    int calls = 0;
    EXPECT_EQ(ProSolidRelsetVisit(
                  part,
                  [](ProRelset*, ProAppData data) {
                      ++*static_cast<int*>(data);
                      return PRO_TK_USER_ABORT;
                  },
                  &calls),
              PRO_TK_USER_ABORT);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(ProSolidRelsetVisit(part, nullptr, nullptr), PRO_TK_BAD_INPUTS);
}

TEST_F(RelsetsTest, LinesRoundTripAndTheArrayReleasesThem) {
    ProModelitem self = modelItem(part);
    ProRelset set{};
    ASSERT_EQ(ProModelitemToRelset(&self, &set), PRO_TK_NO_ERROR);
    std::vector<std::wstring> lines = {L"d0 = 2 * d1", L"", L"/* Kommentar", L"L = d0 + 5"};
    ASSERT_EQ(write(set, lines), PRO_TK_NO_ERROR);
    EXPECT_EQ(linesOf(set), lines);
    EXPECT_EQ(simhost::liveObjects(), 0);

    // A live array handed in is replaced and released.
    ProWstring* array = nullptr;
    ASSERT_EQ(ProArrayAlloc(0, sizeof(ProWstring), 1, reinterpret_cast<ProArray*>(&array)),
              PRO_TK_NO_ERROR);
    ASSERT_EQ(ProRelsetRelationsGet(&set, &array), PRO_TK_NO_ERROR);
    EXPECT_EQ(simhost::liveObjects(), 1);
    int n = 0;
    ASSERT_EQ(ProArraySizeGet(array, &n), PRO_TK_NO_ERROR);
    EXPECT_EQ(n, 4);
    EXPECT_STREQ(array[3], L"L = d0 + 5");
    ASSERT_EQ(ProArrayFree(reinterpret_cast<ProArray*>(&array)), PRO_TK_NO_ERROR);
    EXPECT_EQ(simhost::liveObjects(), 0);

    // An empty write empties the set; the other set is untouched.
    std::vector<ProRelset> found = sets(part);
    ASSERT_EQ(write(found[1], {L"POST = 1"}), PRO_TK_NO_ERROR);
    ASSERT_EQ(ProRelsetRelationsSet(&set, nullptr, 0), PRO_TK_NO_ERROR);
    EXPECT_TRUE(linesOf(set).empty());
    EXPECT_EQ(linesOf(found[1]), std::vector<std::wstring>{L"POST = 1"});

    EXPECT_EQ(ProRelsetRelationsSet(&set, nullptr, 2), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProRelsetRelationsSet(&set, nullptr, -1), PRO_TK_BAD_INPUTS);
    ProWstring withNull[] = {nullptr};
    EXPECT_EQ(ProRelsetRelationsSet(&set, withNull, 1), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(write(set, {std::wstring(260, L'x')}), PRO_TK_LINE_TOO_LONG);
    EXPECT_EQ(write(set, {std::wstring(259, L'x')}), PRO_TK_NO_ERROR);
    EXPECT_EQ(ProRelsetRelationsGet(&set, nullptr), PRO_TK_BAD_INPUTS);
}

TEST_F(RelsetsTest, FeatureSetsAreVisitedOnceTheyHoldRelationsAndGoWithTheFeature) {
    ProFeature hole = featureItem(part, 2);
    ProRelset set{};
    ASSERT_EQ(ProModelitemToRelset(&hole, &set), PRO_TK_NO_ERROR);
    EXPECT_TRUE(linesOf(set).empty());
    EXPECT_EQ(sets(part).size(), 2u);
    ASSERT_EQ(write(set, {L"d5 = d4 / 2"}), PRO_TK_NO_ERROR);
    std::vector<ProRelset> found = sets(part);
    ASSERT_EQ(found.size(), 3u);
    ProModelitem owner{};
    ASSERT_EQ(ProRelsetToModelitem(&found[2], &owner), PRO_TK_NO_ERROR);
    EXPECT_EQ(owner.type, PRO_FEATURE);
    EXPECT_EQ(owner.id, 2);
    EXPECT_EQ(linesOf(found[2]), std::vector<std::wstring>{L"d5 = d4 / 2"});

    ASSERT_EQ(itemtest::deleteFeature(part, 2), PRO_TK_NO_ERROR);
    EXPECT_EQ(sets(part).size(), 2u);
    ProWstring* lines = nullptr;
    EXPECT_EQ(ProRelsetRelationsGet(&set, &lines), PRO_TK_E_NOT_FOUND);
    EXPECT_EQ(ProModelitemToRelset(&hole, &set), PRO_TK_E_NOT_FOUND);

    // Items that own no relation set.
    ProModelitem self = modelItem(part);
    ProModelitem other = self;
    other.id = -3;
    EXPECT_EQ(ProModelitemToRelset(&other, &set), PRO_TK_BAD_INPUTS);
    other = self;
    other.type = PRO_SURFACE;
    EXPECT_EQ(ProModelitemToRelset(&other, &set), PRO_TK_BAD_INPUTS);
}

TEST_F(RelsetsTest, SavedWithTheModel) {
    std::vector<ProRelset> found = sets(part);
    ASSERT_EQ(write(found[0], {L"A = 1", L"B = A * 2"}), PRO_TK_NO_ERROR);
    ASSERT_EQ(write(found[1], {L"C = B"}), PRO_TK_NO_ERROR);
    ProFeature base = featureItem(part, 1);
    ProRelset baseSet{};
    ASSERT_EQ(ProModelitemToRelset(&base, &baseSet), PRO_TK_NO_ERROR);
    ASSERT_EQ(write(baseSet, {L"d0 = 10"}), PRO_TK_NO_ERROR);
    EXPECT_TRUE(modeltest::modified(part));
    ASSERT_EQ(ProMdlSave(part), PRO_TK_NO_ERROR);

    restart();
    ASSERT_EQ(modeltest::load("bracket", PRO_MDL_PART, &part), PRO_TK_NO_ERROR);
    found = sets(part);
    ASSERT_EQ(found.size(), 3u);
    EXPECT_EQ(linesOf(found[0]), (std::vector<std::wstring>{L"A = 1", L"B = A * 2"}));
    EXPECT_EQ(linesOf(found[1]), std::vector<std::wstring>{L"C = B"});
    EXPECT_EQ(found[2].id, 1);
    EXPECT_EQ(linesOf(found[2]), std::vector<std::wstring>{L"d0 = 10"});
}

TEST_F(RelsetsTest, InjectedFaultsChangeNothingAndAllocateNothing) {
    ProModelitem self = modelItem(part);
    ProRelset set{};
    ASSERT_EQ(ProModelitemToRelset(&self, &set), PRO_TK_NO_ERROR);
    ASSERT_EQ(write(set, {L"A = 1"}), PRO_TK_NO_ERROR);
    simhost::injectFault("ProRelsetRelationsSet", PRO_TK_GENERAL_ERROR);
    EXPECT_EQ(write(set, {L"A = 2"}), PRO_TK_GENERAL_ERROR);
    EXPECT_EQ(linesOf(set), std::vector<std::wstring>{L"A = 1"});
    simhost::injectFault("ProRelsetRelationsGet", PRO_TK_GENERAL_ERROR);
    ProWstring* lines = nullptr;
    EXPECT_EQ(ProRelsetRelationsGet(&set, &lines), PRO_TK_GENERAL_ERROR);
    EXPECT_EQ(lines, nullptr);
    EXPECT_EQ(simhost::liveObjects(), 0);
    simhost::injectFault("ProSolidRelsetVisit", PRO_TK_COMM_ERROR);
    EXPECT_EQ(ProSolidRelsetVisit(
                  part, [](ProRelset*, ProAppData) { return PRO_TK_NO_ERROR; }, nullptr),
              PRO_TK_COMM_ERROR);
}

}  // namespace
