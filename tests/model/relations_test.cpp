// Relations: the process-wide buffer, reading and writing the relation sets of a model
// and of its features, sets chosen by kind, and the failures of each step.
#include <string>
#include <vector>

#include "model/model_fixture.h"

namespace {

using Ardo::kelt2pMdl;

constexpr const char* kShaft = R"({"type": "PRT",
    "features": [{"id": 5, "type": 917, "name": "CUT"}, {"id": 6, "type": 917, "name": "END"}],
    "relations": {
        "model": ["d0 = 2 * d1", "LENGTH = d0 + 5"],
        "post_regeneration": ["MASS_OK = 1"],
        "features": [{"feature": 5, "lines": ["d3 = d0 / 2"]}]}})";

std::vector<std::string> buffer() {
    std::vector<std::string> lines;
    for (int i = 0; i < kelt2pMdl::RelationsSize(); ++i) {
        lines.push_back(kelt2pMdl::RelationAt(i));
    }
    return lines;
}

void fill(const std::vector<std::string>& lines) {
    kelt2pMdl::RelationsClear();
    for (const std::string& line : lines) {
        kelt2pMdl::RelationsAdd(line.c_str());
    }
}

using Lines = std::vector<std::string>;

class RelationsTest : public modeltest::ModelTest {
protected:
    void SetUp() override {
        ModelTest::SetUp();
        shaft = load("shaft.prt", Ardo::KELT2P_MDL_PART, kShaft);
        kelt2pMdl::RelationsClear();
        simhost::clearJournal();
    }

    kelt2pMdl shaft;
};

TEST(RelationBuffer, IsOneListForTheProcess) {
    kelt2pMdl::RelationsClear();
    EXPECT_EQ(kelt2pMdl::RelationsAdd("a = 1"), 1);
    EXPECT_STREQ(kelt2pMdl::RelationAt(0), "a = 1");
    kelt2pMdl other;
    EXPECT_EQ(other.RelationsAdd("b = 2"), 2);
    EXPECT_EQ(kelt2pMdl::RelationsSize(), 2);
    EXPECT_SUBSCRIPT_ERROR(kelt2pMdl::RelationAt(kelt2pMdl::RelationsSize()));
    EXPECT_THROW(kelt2pMdl::RelationAt(-1), std::out_of_range);
    kelt2pMdl::RelationsClear();
    EXPECT_EQ(kelt2pMdl::RelationsSize(), 0);
}

TEST_F(RelationsTest, ReadsEachKindOfSet) {
    EXPECT_EQ(shaft.Relations(false), 2);
    EXPECT_EQ(buffer(), (Lines{"d0 = 2 * d1", "LENGTH = d0 + 5"}));
    EXPECT_EQ(shaft.Relations(true), 1);
    EXPECT_EQ(buffer(), (Lines{"MASS_OK = 1"}));
    EXPECT_EQ(shaft.Relations(5), 1);
    EXPECT_EQ(buffer(), (Lines{"d3 = d0 / 2"}));
    EXPECT_EQ(shaft.Relations(6), 0);
    EXPECT_EQ(simhost::liveObjects(), 0);
}

TEST_F(RelationsTest, WrittenLinesReadBackAndCopyBetweenModels) {
    fill({"d0 = 40", "d1 = d0 / 4"});
    shaft.RelationsSet(false);
    kelt2pMdl::RelationsClear();
    EXPECT_EQ(shaft.Relations(false), 2);
    EXPECT_EQ(buffer(), (Lines{"d0 = 40", "d1 = d0 / 4"}));

    fill({"d9 = 1"});
    shaft.RelationsSet(6);
    EXPECT_EQ(shaft.Relations(6), 1);

    kelt2pMdl plate;
    plate.Create("plate", Ardo::KELT2P_MDL_PART);
    shaft.Relations(false);
    plate.RelationsSet(false);
    kelt2pMdl::RelationsClear();
    EXPECT_EQ(plate.Relations(false), 2);
    EXPECT_EQ(buffer(), (Lines{"d0 = 40", "d1 = d0 / 4"}));
    EXPECT_EQ(simhost::liveObjects(), 0);
}

TEST_F(RelationsTest, EmptyBufferEmptiesTheSet) {
    shaft.RelationsSet(false);
    EXPECT_EQ(shaft.Relations(false), 0);
    EXPECT_EQ(shaft.Relations(true), 1);
}

TEST_F(RelationsTest, LineLongerThan259IsRefusedBeforeTheHost) {
    const std::string longest(259, 'x');
    fill({"a = 1", longest});
    shaft.RelationsSet(false);
    ASSERT_EQ(shaft.Relations(false), 2);
    EXPECT_EQ(kelt2pMdl::RelationAt(1), longest);

    fill({"b = 2", std::string(260, 'y')});
    simhost::clearJournal();
    EXPECT_THROW_CODE(shaft.RelationsSet(false), ardotk::Error, -6, "ardotk::RelationsSet");
    EXPECT_EQ(testkit::callCount("ProArrayAlloc"), 0);
    EXPECT_EQ(testkit::callCount("ProRelsetRelationsSet"), 0);
    EXPECT_EQ(shaft.Relations(false), 2);
}

TEST_F(RelationsTest, NoSetOfTheKindIsOutOfRange) {
    kelt2pMdl job = load("job.mfg", Ardo::KELT2P_MDL_MFG, "{}");
    fill({"a = 1"});
    simhost::clearJournal();
    EXPECT_THROW(job.Relations(false), std::out_of_range);
    EXPECT_THROW(job.RelationsSet(true), std::out_of_range);
    EXPECT_EQ(testkit::callCount("ProRelsetRelationsGet"), 0);
    EXPECT_EQ(testkit::callCount("ProRelsetRelationsSet"), 0);
    EXPECT_EQ(buffer(), (Lines{"a = 1"}));
}

TEST_F(RelationsTest, UnboundModelAndMissingFeature) {
    kelt2pMdl unbound;
    EXPECT_THROW_CODE(unbound.Relations(false), Ardo::Error, -45, "Ardo::Solid::Relations");
    EXPECT_THROW_CODE(unbound.Relations(5), Ardo::Error, -45, "Ardo::Solid::Relations");
    EXPECT_THROW_CODE(unbound.RelationsSet(true), Ardo::Error, -45, "Ardo::Solid::Relations");
    EXPECT_THROW_CODE(unbound.RelationsSet(5), Ardo::Error, -45, "Ardo::Solid::Relations");
    EXPECT_TRUE(simhost::journal().empty());

    EXPECT_THROW_CODE(shaft.Relations(99), Ardo::Error, -4, "");
    EXPECT_FAULT("ProModelitemToRelset", -2, shaft.RelationsSet(5), Ardo::Error,
                 "Ardo::Solid::Relations");
}

// Each host call of a read fails in turn: the wrapper's text with the host's code, the
// buffer as it was and every host array released.
TEST_F(RelationsTest, ReadFailuresLeaveTheBufferAndReleaseTheArray) {
    const char* steps[] = {"ProArrayAlloc", "ProRelsetRelationsGet", "ProArraySizeGet",
                           "ProArrayFree"};
    for (const char* step : steps) {
        SCOPED_TRACE(step);
        fill({"kept"});
        simhost::injectFault(step, -1);
        EXPECT_THROW_CODE(shaft.Relations(false), ardotk::Error, -1, "ardotk::RelationsGet");
        EXPECT_EQ(buffer(), (Lines{"kept"}));
        EXPECT_EQ(simhost::liveObjects(), 0);
    }
    EXPECT_FAULT("ProSolidRelsetVisit", -2, shaft.Relations(false), ardotk::Error, "");
    EXPECT_FAULT("ProRelsetToModelitem", -1, shaft.Relations(false), ardotk::Error, "");
    EXPECT_EQ(buffer(), (Lines{"kept"}));
}

TEST_F(RelationsTest, WriteFailuresReportTheReleaseOrZero) {
    fill({"d0 = 1"});
    EXPECT_FAULT("ProArrayAlloc", -1, shaft.RelationsSet(false), ardotk::Error,
                 "ardotk::RelationsSet");

    // A refused write alone is reported with code 0.
    simhost::injectFault("ProRelsetRelationsSet", -2);
    EXPECT_THROW_CODE(shaft.RelationsSet(false), ardotk::Error, 0, "ardotk::RelationsSet");
    simhost::injectFault("ProRelsetRelationsSet", -2);
    simhost::injectFault("ProArrayFree", -19);
    EXPECT_THROW_CODE(shaft.RelationsSet(false), ardotk::Error, -19, "ardotk::RelationsSet");
    EXPECT_EQ(shaft.Relations(false), 2);

    fill({"d0 = 1"});
    EXPECT_FAULT("ProArrayFree", -19, shaft.RelationsSet(false), ardotk::Error,
                 "ardotk::RelationsSet");
    EXPECT_EQ(buffer(), (Lines{"d0 = 1"}));
    EXPECT_EQ(shaft.Relations(false), 1);
    EXPECT_EQ(simhost::liveObjects(), 0);
}

}  // namespace
