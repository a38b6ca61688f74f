// Datum planes through coordinate systems, and sections: their entities, projections,
// the solver's checks of a profile and its error lists, and the section a feature's tree
// owns.
#include <ProSolid.h>

#include <string>
#include <vector>

#include "revolve_helpers.h"
#include "simhost/state/sections.h"

namespace {

using namespace revolvetest;

bool mentions(const std::vector<std::wstring>& texts, const std::wstring& part) {
    for (const std::wstring& text : texts) {
        if (text.find(part) != std::wstring::npos) {
            return true;
        }
    }
    return false;
}

class SectionTest : public modeltest::ConnectedTest {
protected:
    void SetUp() override {
        ConnectedTest::SetUp();
        at = sketchable(L"SHAFT");
        ASSERT_NE(at.sketchPlane, 0);
        ASSERT_NE(at.referencePlane, 0);
        featureId = makeIncomplete(at);
        ASSERT_NE(featureId, 0);
        held = sectionTree(at.solid, featureId);
        ASSERT_NE(held.section, nullptr);
        ASSERT_EQ(ProSecerrorAlloc(&errors), PRO_TK_NO_ERROR);
    }
    void TearDown() override {
        ProSecerrorFree(&errors);
        ProElementFree(&held.tree);
        ConnectedTest::TearDown();
    }
    Sketchable at;
    int featureId = 0;
    SectionTree held;
    ProWSecerror errors = nullptr;
};

TEST_F(SectionTest, DatumPlanesNeedAnOffsetFromACoordinateSystemOfTheModel) {
    // Each plane made one surface item.
    ProElement good = planeTree(at.solid, at.csys, 1, 2.5);
    ProFeature plane{};
    ASSERT_EQ(create(at.solid, good, &plane), PRO_TK_NO_ERROR);
    ProElementFree(&good);
    EXPECT_NE(itemOf(at.solid, plane.id, PRO_SURFACE), 0);
    ProFeattype type = 0;
    ProFeatureTypeGet(&plane, &type);
    EXPECT_EQ(type, 923);

    struct Bad {
        int csysItem;
        int axis;
        int faultElement;
    };
    for (const Bad& bad : {Bad{at.csys, 0, 417}, Bad{at.csys, 4, 417}, Bad{at.sketchPlane, 1, 413},
                           Bad{9999, 2, 413}}) {
        ProElement t = planeTree(at.solid, bad.csysItem, bad.axis, 0.0);
        ProFeature made{};
        ProErrorlist list{};
        ProModelitem item{};
        ProMdlToModelitem(at.solid, &item);
        ProSelection selection = nullptr;
        ProSelectionAlloc(nullptr, &item, &selection);
        ProFeatureCreateOptions options[] = {PRO_FEAT_CR_DEFINE_MISS_ELEMS};
        EXPECT_EQ(ProFeatureCreate(selection, t, options, 1, &made, &list), PRO_TK_GENERAL_ERROR)
            << "axis " << bad.axis;
        ASSERT_EQ(list.error_number, 1);
        EXPECT_EQ(list.error_list[0].err_item_id, bad.faultElement);
        EXPECT_EQ(list.error_list[0].error, PRO_TK_BAD_INPUTS);
        ProSelectionFree(&selection);
        ProElementFree(&t);
    }
}

TEST_F(SectionTest, AClosedProfileSolvesAndOpenOrBranchedOnesAreListed) {
    addAxis(held.section);
    addPolygon(held.section, {{0, 0}, {2, 0}, {2, 5}, {0, 5}});
    EXPECT_EQ(ProSectionAutodim(held.section, &errors), PRO_TK_NO_ERROR);
    EXPECT_EQ(ProSectionSolve(held.section, &errors), PRO_TK_NO_ERROR);
    EXPECT_EQ(ProSectionRegenerate(held.section, &errors), PRO_TK_NO_ERROR);
    EXPECT_TRUE(messages(errors).empty());

    // A stray line leaves two open ends, both listed.
    addLine(held.section, 3, 0, 4, 1);
    EXPECT_EQ(ProSectionSolve(held.section, &errors), PRO_TK_GENERAL_ERROR);
    std::vector<std::wstring> texts = messages(errors);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_TRUE(mentions(texts, L"not closed"));
    EXPECT_TRUE(mentions(texts, L"(4, 1)"));

    // As construction geometry it is no part of the profile.
    SectionTree again = sectionTree(at.solid, featureId);
    addPolygon(again.section, {{0, 0}, {2, 0}, {2, 5}, {0, 5}});
    int spur = addLine(again.section, 2, 5, 3, 6);
    ProWSecerror more = nullptr;
    ProSecerrorAlloc(&more);
    EXPECT_EQ(ProSectionRegenerate(again.section, &more), PRO_TK_GENERAL_ERROR);
    EXPECT_TRUE(mentions(messages(more), L"branches"));
    ASSERT_EQ(ProSectionEntityConstructionSet(again.section, spur, PRO_B_TRUE), PRO_TK_NO_ERROR);
    ProSecerrorFree(&more);
    ProSecerrorAlloc(&more);
    EXPECT_EQ(ProSectionSolve(again.section, &more), PRO_TK_NO_ERROR);
    EXPECT_EQ(ProSectionEntityConstructionSet(again.section, 999, PRO_B_TRUE), PRO_TK_E_NOT_FOUND);
    ProSecerrorFree(&more);
    ProElementFree(&again.tree);
}

TEST_F(SectionTest, EndsMeetWithinTheSectionsEpsilon) {
    addLine(held.section, 0, 0, 2, 0);
    addLine(held.section, 2, 0, 2, 5);
    addLine(held.section, 2, 5, 0, 0.05);  // misses the start by 0.05
    EXPECT_EQ(ProSectionSolve(held.section, &errors), PRO_TK_GENERAL_ERROR);
    EXPECT_EQ(ProSectionEpsilonSet(held.section, 0.0), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProSectionEpsilonSet(held.section, 0.1), PRO_TK_NO_ERROR);
    EXPECT_EQ(ProSectionSolve(held.section, nullptr), PRO_TK_NO_ERROR);
}

TEST_F(SectionTest, ArcsCloseWithLinesAndEntitiesTheSectionCannotTakeAreRefused) {
    // A half disc against the axis: arc from -90 to 90 degrees and its diameter.
    addArc(held.section, 0, 0, 3, -kPi / 2, kPi / 2);
    addLine(held.section, 0, 3, 0, -3);
    EXPECT_EQ(ProSectionSolve(held.section, &errors), PRO_TK_NO_ERROR) << messages(errors).size();

    Pro2dArcdef flat{PRO_2D_ARC, {0, 0}, 0, 1, 0.0};
    Pro2dLinedef point{PRO_2D_CENTER_LINE, {1, 1}, {1, 1}};
    Pro2dEntdef circle{PRO_2D_CIRCLE};
    int id = 0;
    EXPECT_EQ(ProSectionEntityAdd(held.section, reinterpret_cast<Pro2dEntdef*>(&flat), &id),
              PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProSectionEntityAdd(held.section, reinterpret_cast<Pro2dEntdef*>(&point), &id),
              PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProSectionEntityAdd(held.section, &circle, &id), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProSectionEntityAdd(nullptr, &circle, &id), PRO_TK_BAD_INPUTS);
}

TEST_F(SectionTest, AnEmptySectionHasNoProfile) {
    EXPECT_EQ(ProSectionSolve(held.section, &errors), PRO_TK_GENERAL_ERROR);
    EXPECT_TRUE(mentions(messages(errors), L"no profile"));
}

TEST_F(SectionTest, ProjectedCoordinateSystemsLandWhereTheSketchFrameSeesThem) {
    ProSelection csys = nullptr;
    ProModelitem item{PRO_CSYS, at.csys, at.solid};
    ProSelectionAlloc(nullptr, &item, &csys);
    int id = 0;
    EXPECT_EQ(ProSectionEntityFromProjection(held.section, csys, &id), PRO_TK_NO_ERROR);
    EXPECT_GT(id, 0);
    ProSelectionFree(&csys);
    const simhost::state::SectionEntity* projected =
        &simhost::state::sectionFind(held.section)->entities.back();
    EXPECT_EQ(projected->type, PRO_2D_COORD_SYS);
    EXPECT_TRUE(projected->construction);
    EXPECT_NEAR(projected->a[0], 0.0, 1e-12);
    EXPECT_NEAR(projected->a[1], 0.0, 1e-12);

    // A system moved 2 along X and 3 along Z sits at (2, 3): sketch u is X, v is Z.
    int moved = makeCsys(at.solid, L"MOVED", {{0, 2.0}, {2, 3.0}});
    SectionTree fresh = sectionTree(at.solid, featureId);
    ProModelitem movedItem{PRO_CSYS, moved, at.solid};
    ProSelectionAlloc(nullptr, &movedItem, &csys);
    ASSERT_EQ(ProSectionEntityFromProjection(fresh.section, csys, &id), PRO_TK_NO_ERROR);
    projected = &simhost::state::sectionFind(fresh.section)->entities.back();
    EXPECT_NEAR(projected->a[0], 2.0, 1e-12);
    EXPECT_NEAR(projected->a[1], 3.0, 1e-12);
    ProSelectionFree(&csys);
    ProModelitem plane{PRO_SURFACE, at.sketchPlane, at.solid};
    ProSelectionAlloc(nullptr, &plane, &csys);
    EXPECT_EQ(ProSectionEntityFromProjection(fresh.section, csys, &id), PRO_TK_BAD_INPUTS);
    ProSelectionFree(&csys);
    ProElementFree(&fresh.tree);
}

TEST_F(SectionTest, ErrorListsAreCheckedHandles) {
    ProMsg text{};
    EXPECT_EQ(ProSecerrorMsgGet(errors, 0, text), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProSectionSolve(held.section, &errors), PRO_TK_GENERAL_ERROR);
    int n = 0;
    ASSERT_EQ(ProSecerrorCount(&errors, &n), PRO_TK_NO_ERROR);
    EXPECT_EQ(n, 1);
    EXPECT_EQ(ProSecerrorMsgGet(errors, n, text), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProSecerrorMsgGet(errors, -1, text), PRO_TK_BAD_INPUTS);
    ProWSecerror copy = errors;
    ASSERT_EQ(ProSecerrorFree(&errors), PRO_TK_NO_ERROR);
    EXPECT_EQ(errors, nullptr);
    EXPECT_EQ(ProSecerrorFree(&copy), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProSecerrorCount(&copy, &n), PRO_TK_BAD_INPUTS);
    // A solve into a freed list is refused rather than written to freed memory.
    EXPECT_EQ(ProSectionSolve(held.section, &copy), PRO_TK_BAD_INPUTS);
}

TEST_F(SectionTest, TheTreeOwnsItsSectionAndFreesIt) {
    long before = simhost::liveObjects();
    SectionTree other = sectionTree(at.solid, featureId);
    ASSERT_NE(other.section, nullptr);
    EXPECT_NE(other.section, held.section);
    addLine(other.section, 0, 0, 1, 1);
    ProElementFree(&other.tree);
    EXPECT_EQ(simhost::liveObjects(), before);
    // The freed section is no longer reachable.
    Pro2dLinedef line{PRO_2D_LINE, {0, 0}, {1, 1}};
    int id = 0;
    EXPECT_EQ(ProSectionEntityAdd(other.section, reinterpret_cast<Pro2dEntdef*>(&line), &id),
              PRO_TK_BAD_INPUTS);
}

}  // namespace
