// Assemblies: components placed by coordinate systems, by matrix and by default, their
// placements composed along component paths and recomputed at regeneration, the
// constraints and the scripted placement dialog, and the trees the host refuses.
#include <ProArray.h>

#include <string>
#include <vector>

#include "assembly_helpers.h"
#include "kelt2proe/simhost/control.h"
#include "simhost/state/components.h"
#include "simhost/state/features.h"
#include "simhost/state/sessions.h"

namespace {

using namespace asmtest;

int featureOfCsys(ProSolid solid, int item) {
    ProGeomitem geomitem{PRO_CSYS, item, solid};
    ProFeature owner{};
    return ProGeomitemFeatureGet(&geomitem, &owner) == PRO_TK_NO_ERROR ? owner.id : 0;
}

// A spindle assembly, a tool sub-assembly holding a holder and a cutter placed on the
// holder's tip, and the tool placed on the spindle's mount.
class ToolChainTest : public modeltest::ConnectedTest {
protected:
    void SetUp() override {
        ConnectedTest::SetUp();
        spindle = assembly(L"SPINDLE");
        tool = assembly(L"TOOL");
        holder = part(L"HOLDER");
        cutter = part(L"CUTTER");
        int spindleBase = csys(spindle, L"SBASE");
        mount = csys(spindle, L"MOUNT", spindleBase, {{5, 90}, {2, 100}, {0, 7}});
        tcs = csys(tool, L"TCS", csys(tool, L"TBASE"), {{3, 180}, {1, -3}});
        int holderBase = csys(holder, L"HBASE");
        shank = csys(holder, L"SHANK", holderBase, {{4, 90}, {0, 5}});
        tip = csys(holder, L"TIP", holderBase, {{3, 30}, {2, 50}});
        cs = csys(cutter, L"CS", csys(cutter, L"CBASE"), {{5, -45}, {1, 2}});
        holderId = placeOn(tool, holder, shank, tcs);
        cutterId =
            component(tool, componentTree(cutter, PRO_ASM_CSYS, cs, holder, tip, tool, {holderId}));
        toolId = placeOn(spindle, tool, tcs, mount);
        ASSERT_NE(holderId, 0);
        ASSERT_NE(cutterId, 0);
        ASSERT_NE(toolId, 0);
    }

    // The cutter's placement in the spindle, by the matrices of the coordinate systems.
    Matrix cutterExpected() {
        Matrix toolInSpindle = multiply(inverse(csysMatrix(tool, tcs)), csysMatrix(spindle, mount));
        Matrix holderInTool = multiply(inverse(csysMatrix(holder, shank)), csysMatrix(tool, tcs));
        Matrix cutterInTool = multiply(inverse(csysMatrix(cutter, cs)),
                                       multiply(csysMatrix(holder, tip), holderInTool));
        return multiply(cutterInTool, toolInSpindle);
    }

    ProSolid spindle = nullptr, tool = nullptr, holder = nullptr, cutter = nullptr;
    int mount = 0, tcs = 0, shank = 0, tip = 0, cs = 0;
    int holderId = 0, cutterId = 0, toolId = 0;
};

TEST_F(ToolChainTest, PlacementsComposeAlongTheChainBothWays) {
    Matrix expected = cutterExpected();
    expectNear(pathMatrix(spindle, {toolId, cutterId}, PRO_B_TRUE), expected, "cutter");
    // The cutter's coordinate system lands on the holder's tip, seen from the spindle.
    Matrix tipInSpindle =
        multiply(csysMatrix(holder, tip), pathMatrix(spindle, {toolId, holderId}, PRO_B_TRUE));
    Matrix csInSpindle = multiply(csysMatrix(cutter, cs), expected);
    expectNear(csInSpindle, tipInSpindle, "the coincident systems");

    Matrix down = pathMatrix(spindle, {toolId, cutterId}, PRO_B_FALSE);
    expectNear(multiply(expected, down), identity(), "up then down");
    expectNear(multiply(down, expected), identity(), "down then up");
    expectNear(pathMatrix(spindle, {}, PRO_B_TRUE), identity(), "the root itself");

    // A point of the cutter, mapped by the matrix, as the matrices here map it.
    ProMatrix host{};
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            host[r][c] = expected[r][c];
        }
    }
    ProVector point{1, 2, 3};
    ASSERT_EQ(ProPntTrfEval(point, host, point), PRO_TK_NO_ERROR);
    for (int k = 0; k < 3; ++k) {
        double want = expected[0][k] + 2 * expected[1][k] + 3 * expected[2][k] + expected[3][k];
        EXPECT_NEAR(point[k], want, 1e-9);
    }

    ProAsmcomppath path{};
    ProIdTable ids{toolId, cutterId};
    ASSERT_EQ(ProAsmcomppathInit(spindle, ids, 2, &path), PRO_TK_NO_ERROR);
    ProMdl end = nullptr;
    ASSERT_EQ(ProAsmcomppathMdlGet(&path, &end), PRO_TK_NO_ERROR);
    EXPECT_EQ(end, cutter);
    path.table_num = 1;
    ASSERT_EQ(ProAsmcomppathMdlGet(&path, &end), PRO_TK_NO_ERROR);
    EXPECT_EQ(end, tool);
    path.table_num = 0;
    ASSERT_EQ(ProAsmcomppathMdlGet(&path, &end), PRO_TK_NO_ERROR);
    EXPECT_EQ(end, spindle);
}

TEST_F(ToolChainTest, PathsThatLeaveTheTreeAreRefused) {
    ProError rc = PRO_TK_NO_ERROR;
    pathMatrix(spindle, {toolId, cutterId, 1}, PRO_B_TRUE, &rc);  // the cutter is a part
    EXPECT_EQ(rc, PRO_TK_E_NOT_FOUND);
    pathMatrix(spindle, {cutterId}, PRO_B_TRUE, &rc);  // the cutter is no spindle component
    EXPECT_EQ(rc, PRO_TK_E_NOT_FOUND);
    pathMatrix(spindle, {mount}, PRO_B_TRUE, &rc);  // a coordinate system is no component
    EXPECT_EQ(rc, PRO_TK_E_NOT_FOUND);
    ProAsmcomppath path{};
    ProIdTable ids{};
    EXPECT_EQ(ProAsmcomppathInit(spindle, ids, PRO_MAX_ASSEM_LEVEL + 1, &path), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProAsmcomppathInit(spindle, ids, -1, &path), PRO_TK_BAD_INPUTS);

    // A path made by hand that leads nowhere is refused when used.
    path = ProAsmcomppath{};
    path.owner = spindle;
    path.table_num = 2;
    path.comp_id_table[0] = toolId;
    path.comp_id_table[1] = 9999;
    ProMdl end = nullptr;
    EXPECT_EQ(ProAsmcomppathMdlGet(&path, &end), PRO_TK_BAD_INPUTS);
    ProMatrix m{};
    EXPECT_EQ(ProAsmcomppathTrfGet(&path, PRO_B_TRUE, m), PRO_TK_BAD_INPUTS);
    path.table_num = PRO_MAX_ASSEM_LEVEL + 1;
    EXPECT_EQ(ProAsmcomppathTrfGet(&path, PRO_B_TRUE, m), PRO_TK_BAD_INPUTS);
}

TEST_F(ToolChainTest, RegenerationMovesEverythingPlacedOnAMovedSystem) {
    // A coordinate system of the spindle placed on the cutter's system, two levels down.
    int follower = csys(spindle, L"FOLLOW", cs, {{2, 1}}, cutter, {toolId, cutterId});
    ASSERT_NE(follower, 0);
    Matrix followerBefore = csysMatrix(spindle, follower);
    Matrix lift = identity();
    lift[3][2] = 1;
    expectNear(followerBefore, multiply(lift, multiply(csysMatrix(cutter, cs), cutterExpected())),
               "follower");

    // Move the spindle's mount and the holder's tip by their dimensions.
    std::vector<ProDimension> mountDims = dimsOf(spindle, featureOfCsys(spindle, mount));
    ASSERT_EQ(mountDims.size(), 3u);
    ASSERT_EQ(ProDimensionValueSet(&mountDims[1], 250), PRO_TK_NO_ERROR);
    std::vector<ProDimension> tipDims = dimsOf(holder, featureOfCsys(holder, tip));
    ASSERT_EQ(tipDims.size(), 2u);
    ASSERT_EQ(ProDimensionValueSet(&tipDims[0], -60), PRO_TK_NO_ERROR);
    Matrix before = pathMatrix(spindle, {toolId, cutterId}, PRO_B_TRUE);

    // Regenerating the top regenerates the holder first, then the tool, then the spindle.
    ASSERT_EQ(ProSolidRegenerate(spindle, PRO_REGEN_NO_FLAGS), PRO_TK_NO_ERROR);
    Matrix after = pathMatrix(spindle, {toolId, cutterId}, PRO_B_TRUE);
    EXPECT_GT(std::fabs(after[3][0] - before[3][0]) + std::fabs(after[3][2] - before[3][2]), 1.0);
    expectNear(after, cutterExpected(), "cutter after regeneration");
    EXPECT_NEAR(csysMatrix(spindle, mount)[3][2], 250, 1e-9);
    expectNear(csysMatrix(spindle, follower),
               multiply(lift, multiply(csysMatrix(cutter, cs), after)), "follower after");
}

TEST_F(ToolChainTest, PlacedPartsListsEveryPartInPreOrder) {
    using namespace simhost::state;
    Session& s = *connected();
    Model& root = *s.area<ModelStore>().byHandle(spindle);
    std::vector<PlacedPart> parts = placedParts(s, root);
    ASSERT_EQ(parts.size(), 2u);
    EXPECT_EQ(parts[0].part->name, "HOLDER");
    EXPECT_EQ(parts[0].ids, (std::vector<int>{toolId, holderId}));
    EXPECT_EQ(parts[1].part->name, "CUTTER");
    EXPECT_EQ(parts[1].ids, (std::vector<int>{toolId, cutterId}));
    Matrix expected = cutterExpected();
    const simhost::geometry::Placement& p = parts[1].placement;
    const simhost::geometry::Vec3* rows[4] = {&p.x, &p.y, &p.z, &p.origin};
    for (int r = 0; r < 4; ++r) {
        for (int k = 0; k < 3; ++k) {
            EXPECT_NEAR((*rows[r])[k], expected[r][k], 1e-9);
        }
    }
    Model* end = nullptr;
    int ids[] = {toolId, holderId};
    ASSERT_EQ(componentPathResolve(s, root, ids, 2, &end, nullptr), PRO_TK_NO_ERROR);
    EXPECT_EQ(end, parts[0].part);

    // A suppressed component and what it holds are not placed (there is no toolkit
    // call for suppression here: the status is set as a model file would give it).
    featureFind(root, toolId)->status = PRO_FEAT_SUPPRESSED;
    EXPECT_TRUE(placedParts(s, root).empty());
}

TEST_F(ToolChainTest, ConstraintsReadBackAndRemove) {
    ProAsmcomp comp = feature(tool, cutterId);
    ProMdl model = nullptr;
    ASSERT_EQ(ProAsmcompMdlGet(&comp, &model), PRO_TK_NO_ERROR);
    EXPECT_EQ(model, cutter);
    ProAsmcompType type = PRO_ASM_COMP_TYPE_FIXTURE;
    ASSERT_EQ(ProAsmcompTypeGet(&comp, spindle, &type), PRO_TK_NO_ERROR);
    EXPECT_EQ(type, PRO_ASM_COMP_TYPE_NONE);
    ASSERT_EQ(ProAsmcompTypeSet(&comp, spindle, PRO_ASM_COMP_TYPE_WORKPIECE), PRO_TK_NO_ERROR);
    ASSERT_EQ(ProAsmcompTypeGet(&comp, spindle, &type), PRO_TK_NO_ERROR);
    EXPECT_EQ(type, PRO_ASM_COMP_TYPE_WORKPIECE);
    EXPECT_EQ(ProAsmcompTypeSet(&comp, spindle, static_cast<ProAsmcompType>(99)),
              PRO_TK_BAD_INPUTS);

    long live = simhost::liveObjects();
    ProAsmcompconstraint* constraints = nullptr;
    ASSERT_EQ(ProAsmcompConstraintsGet(&comp, &constraints), PRO_TK_NO_ERROR);
    int count = 0;
    ASSERT_EQ(ProArraySizeGet(constraints, &count), PRO_TK_NO_ERROR);
    ASSERT_EQ(count, 1);
    EXPECT_EQ(simhost::liveObjects(), live + 2);  // the array and its constraint
    ProAsmcompConstrType constrType = PRO_ASM_UNDEF;
    ASSERT_EQ(ProAsmcompconstraintTypeGet(constraints[0], &constrType), PRO_TK_NO_ERROR);
    EXPECT_EQ(constrType, PRO_ASM_CSYS);

    ProSelection compRef = nullptr;
    ProSelection asmRef = nullptr;
    ProDatumside side = PRO_DATUM_SIDE_RED;
    ASSERT_EQ(ProAsmcompconstraintCompreferenceGet(constraints[0], &compRef, &side),
              PRO_TK_NO_ERROR);
    EXPECT_EQ(side, PRO_DATUM_SIDE_NONE);
    ASSERT_EQ(ProAsmcompconstraintAsmreferenceGet(constraints[0], &asmRef, nullptr),
              PRO_TK_NO_ERROR);
    ProModelitem item{};
    ASSERT_EQ(ProSelectionModelitemGet(compRef, &item), PRO_TK_NO_ERROR);
    EXPECT_EQ(item.type, PRO_CSYS);
    EXPECT_EQ(item.id, cs);
    EXPECT_EQ(item.owner, cutter);
    ASSERT_EQ(ProSelectionModelitemGet(asmRef, &item), PRO_TK_NO_ERROR);
    EXPECT_EQ(item.id, tip);
    EXPECT_EQ(item.owner, holder);
    ProAsmcomppath refPath{};
    ASSERT_EQ(ProSelectionAsmcomppathGet(asmRef, &refPath), PRO_TK_NO_ERROR);
    EXPECT_EQ(refPath.owner, tool);
    ASSERT_EQ(refPath.table_num, 1);
    EXPECT_EQ(refPath.comp_id_table[0], holderId);
    ProSelectionFree(&compRef);
    ProSelectionFree(&asmRef);
    ASSERT_EQ(ProAsmcompconstraintArrayFree(constraints), PRO_TK_NO_ERROR);
    EXPECT_EQ(simhost::liveObjects(), live);
    EXPECT_EQ(ProAsmcompconstraintTypeGet(constraints[0], &constrType), PRO_TK_BAD_INPUTS);

    // Removing keeps the placement; with no constraint left the component stays put.
    Matrix placed = pathMatrix(tool, {cutterId}, PRO_B_TRUE);
    EXPECT_EQ(ProAsmcompConstrRemove(&comp, 1), PRO_TK_BAD_INPUTS);
    ASSERT_EQ(ProAsmcompConstrRemove(&comp, 0), PRO_TK_NO_ERROR);
    EXPECT_EQ(ProAsmcompConstraintsGet(&comp, &constraints), PRO_TK_E_NOT_FOUND);
    EXPECT_EQ(ProAsmcompConstrRemove(&comp, 0), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProAsmcompConstrRemove(&comp, -1), PRO_TK_NO_ERROR);
    std::vector<ProDimension> tipDims = dimsOf(holder, featureOfCsys(holder, tip));
    ASSERT_EQ(ProDimensionValueSet(&tipDims[1], 80), PRO_TK_NO_ERROR);
    ASSERT_EQ(ProSolidRegenerate(tool, PRO_REGEN_NO_FLAGS), PRO_TK_NO_ERROR);
    expectNear(pathMatrix(tool, {cutterId}, PRO_B_TRUE), placed, "unconstrained cutter");

    // A feature that is no component is refused.
    ProAsmcomp notComponent = feature(tool, featureOfCsys(tool, tcs));
    EXPECT_EQ(ProAsmcompMdlGet(&notComponent, &model), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProAsmcompConstrRemove(&notComponent, -1), PRO_TK_BAD_INPUTS);
}

TEST_F(ToolChainTest, PlacementDialogTakesScriptedAnswersAndCancelsWithoutOne) {
    ProAsmcomp comp = feature(tool, cutterId);
    Matrix placed = pathMatrix(tool, {cutterId}, PRO_B_TRUE);
    // No answer queued: cancelled, nothing changes.
    EXPECT_EQ(ProAsmcompConstrRedefUI(&comp), PRO_TK_USER_ABORT);
    simhost::queuePlacementCancel();
    EXPECT_EQ(ProAsmcompConstrRedefUI(&comp), PRO_TK_USER_ABORT);
    expectNear(pathMatrix(tool, {cutterId}, PRO_B_TRUE), placed, "after cancel");
    ProAsmcompconstraint* constraints = nullptr;
    ASSERT_EQ(ProAsmcompConstraintsGet(&comp, &constraints), PRO_TK_NO_ERROR);
    ProAsmcompconstraintArrayFree(constraints);

    const double turned[4][4] = {{0, 1, 0, 0}, {-1, 0, 0, 0}, {0, 0, 1, 0}, {4, 5, 6, 1}};
    simhost::queuePlacementMatrix(turned);
    simhost::queuePlacementDefault();
    ASSERT_EQ(ProAsmcompConstrRedefUI(&comp), PRO_TK_NO_ERROR);
    Matrix want{};
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            want[r][c] = turned[r][c];
        }
    }
    expectNear(pathMatrix(tool, {cutterId}, PRO_B_TRUE), want, "confirmed by matrix");
    EXPECT_EQ(ProAsmcompConstraintsGet(&comp, &constraints), PRO_TK_E_NOT_FOUND);

    ASSERT_EQ(ProAsmcompConstrRedefUI(&comp), PRO_TK_NO_ERROR);
    expectNear(pathMatrix(tool, {cutterId}, PRO_B_TRUE), identity(), "confirmed by default");
    ASSERT_EQ(ProAsmcompConstraintsGet(&comp, &constraints), PRO_TK_NO_ERROR);
    ProAsmcompConstrType type = PRO_ASM_UNDEF;
    ProAsmcompconstraintTypeGet(constraints[0], &type);
    EXPECT_EQ(type, PRO_ASM_DEF_PLACEMENT);
    ProSelection ref = nullptr;
    EXPECT_EQ(ProAsmcompconstraintAsmreferenceGet(constraints[0], &ref, nullptr),
              PRO_TK_E_NOT_FOUND);
    ProAsmcompconstraintArrayFree(constraints);
    // The queue is used up.
    EXPECT_EQ(ProAsmcompConstrRedefUI(&comp), PRO_TK_USER_ABORT);

    const double skewed[4][4] = {{2, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}};
    EXPECT_THROW(simhost::queuePlacementMatrix(skewed), std::invalid_argument);
    EXPECT_EQ(simhost::liveObjects(), 0);
}

class AssembleTest : public modeltest::ConnectedTest {};

TEST_F(AssembleTest, MatrixAndDefaultPlacement) {
    ProSolid frame = assembly(L"FRAME");
    ProSolid bolt = part(L"BOLT");
    ProMatrix m = {{0, 0, 1, 0}, {0, 1, 0, 0}, {-1, 0, 0, 0}, {10, 20, 30, 1}};
    ProAsmcomp comp{};
    ASSERT_EQ(ProAsmcompAssemble(frame, bolt, m, &comp), PRO_TK_NO_ERROR);
    EXPECT_EQ(comp.owner, frame);
    Matrix got = pathMatrix(frame, {comp.id}, PRO_B_TRUE);
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            EXPECT_EQ(got[r][c], m[r][c]);
        }
    }
    ProAsmcompconstraint* constraints = nullptr;
    EXPECT_EQ(ProAsmcompConstraintsGet(&comp, &constraints), PRO_TK_E_NOT_FOUND);

    ProMatrix skewed = {{1, 0, 0, 0}, {1, 1, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}};
    ProAsmcomp other{};
    EXPECT_EQ(ProAsmcompAssemble(frame, bolt, skewed, &other), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProAsmcompAssemble(static_cast<ProAssembly>(bolt), bolt, m, &other),
              PRO_TK_BAD_CONTEXT);

    int byDefault = component(frame, componentTree(bolt, PRO_ASM_DEF_PLACEMENT));
    ASSERT_NE(byDefault, 0);
    expectNear(pathMatrix(frame, {byDefault}, PRO_B_TRUE), identity(), "default placement");
}

TEST_F(AssembleTest, TreesTheHostCannotPlaceAreRefused) {
    ProSolid top = assembly(L"TOP");
    ProSolid sub = assembly(L"SUB");
    ProSolid bolt = part(L"BOLT");
    ProSolid other = part(L"OTHER");
    int topCs = csys(top, L"TOP_CS");
    int boltCs = csys(bolt, L"BOLT_CS");
    int otherCs = csys(other, L"OTHER_CS");
    int subCs = csys(sub, L"SUB_CS");
    int boltInSub = placeOn(sub, bolt, boltCs, subCs);
    ASSERT_NE(boltInSub, 0);
    int subId = placeOn(top, sub, subCs, topCs);
    ASSERT_NE(subId, 0);

    auto refused = [](ProSolid owner, ProElement t) {
        Refusal refusal;
        EXPECT_EQ(component(owner, t, &refusal), 0);
        return std::make_pair(refusal.element, refusal.code);
    };
    using Fault = std::pair<int, ProError>;
    // A part cannot hold components.
    EXPECT_EQ(refused(other, componentTree(bolt, PRO_ASM_DEF_PLACEMENT)),
              Fault(kType, PRO_TK_BAD_CONTEXT));
    // No model.
    EXPECT_EQ(refused(top, componentTree(nullptr, PRO_ASM_DEF_PLACEMENT)),
              Fault(PRO_E_COMPONENT_MODEL, PRO_TK_BAD_INPUTS));
    // The component's reference must be a coordinate system of the component model.
    EXPECT_EQ(refused(top, componentTree(bolt, PRO_ASM_CSYS, otherCs, top, topCs, top, {}, other)),
              Fault(PRO_E_COMPONENT_COMP_CONSTR_REF, PRO_TK_BAD_INPUTS));
    EXPECT_EQ(refused(top, componentTree(bolt, PRO_ASM_CSYS, boltCs + 100, top, topCs, top)),
              Fault(PRO_E_COMPONENT_COMP_CONSTR_REF, PRO_TK_BAD_INPUTS));
    // The assembly's reference must lie at the end of its path.
    EXPECT_EQ(refused(top, componentTree(bolt, PRO_ASM_CSYS, boltCs, bolt, boltCs, top)),
              Fault(PRO_E_COMPONENT_ASSEM_CONSTR_REF, PRO_TK_BAD_INPUTS));
    EXPECT_EQ(refused(top, componentTree(bolt, PRO_ASM_CSYS, boltCs, sub, subCs, top)),
              Fault(PRO_E_COMPONENT_ASSEM_CONSTR_REF, PRO_TK_BAD_INPUTS));
    EXPECT_EQ(refused(top, componentTree(bolt, PRO_ASM_CSYS, boltCs, top, topCs, sub)),
              Fault(PRO_E_COMPONENT_ASSEM_CONSTR_REF, PRO_TK_BAD_INPUTS));
    // A reference that is not a coordinate system.
    EXPECT_EQ(refused(top, componentTree(bolt, PRO_ASM_CSYS, boltCs, top, subId, top)),
              Fault(PRO_E_COMPONENT_ASSEM_CONSTR_REF, PRO_TK_BAD_INPUTS));
    // Constraint types the host does not place.
    EXPECT_EQ(refused(top, componentTree(bolt, PRO_ASM_MATE)),
              Fault(PRO_E_COMPONENT_CONSTR_TYPE, PRO_TK_BAD_INPUTS));
    // Cycles: the assembly itself, or a model that holds it.
    EXPECT_EQ(refused(top, componentTree(top, PRO_ASM_DEF_PLACEMENT)),
              Fault(PRO_E_COMPONENT_MODEL, PRO_TK_BAD_CONTEXT));
    EXPECT_EQ(refused(sub, componentTree(top, PRO_ASM_DEF_PLACEMENT)),
              Fault(PRO_E_COMPONENT_MODEL, PRO_TK_BAD_CONTEXT));

    EXPECT_EQ(refused(top, componentTree(other, PRO_ASM_CSYS, otherCs, bolt, boltCs, top,
                                         {subId, boltInSub + 100})),
              Fault(PRO_E_COMPONENT_ASSEM_CONSTR_REF, PRO_TK_BAD_INPUTS));

    // Accepted: a reference two levels down, with its path from the top.
    int deep = component(
        top, componentTree(other, PRO_ASM_CSYS, otherCs, bolt, boltCs, top, {subId, boltInSub}));
    EXPECT_NE(deep, 0);
    EXPECT_EQ(simhost::liveObjects(), 0);
}

TEST_F(AssembleTest, NestingStopsAtTheDeepestPath) {
    // level[k] holds level[k + 1]; the last holds a part.
    constexpr int kLevels = PRO_MAX_ASSEM_LEVEL;
    std::vector<ProSolid> levels;
    for (int k = 0; k < kLevels; ++k) {
        levels.push_back(assembly(L"L" + std::to_wstring(k)));
    }
    ProSolid leaf = part(L"LEAF");
    std::vector<int> ids(kLevels);
    ids[kLevels - 1] = component(levels[kLevels - 1], componentTree(leaf, PRO_ASM_DEF_PLACEMENT));
    for (int k = kLevels - 2; k >= 0; --k) {
        ids[static_cast<std::size_t>(k)] = component(
            levels[static_cast<std::size_t>(k)],
            componentTree(levels[static_cast<std::size_t>(k) + 1], PRO_ASM_DEF_PLACEMENT));
        ASSERT_NE(ids[static_cast<std::size_t>(k)], 0) << k;
    }
    // 25 ids from L0 reach the leaf.
    ProAsmcomppath path{};
    ProIdTable table{};
    for (int k = 0; k < kLevels; ++k) {
        table[k] = ids[static_cast<std::size_t>(k)];
    }
    ASSERT_EQ(ProAsmcomppathInit(levels[0], table, kLevels, &path), PRO_TK_NO_ERROR);
    ProMdl end = nullptr;
    ASSERT_EQ(ProAsmcomppathMdlGet(&path, &end), PRO_TK_NO_ERROR);
    EXPECT_EQ(end, leaf);
    // One more level above would need a 26th id.
    ProSolid top = assembly(L"TOO_DEEP");
    Refusal refusal;
    EXPECT_EQ(component(top, componentTree(levels[0], PRO_ASM_DEF_PLACEMENT), &refusal), 0);
    EXPECT_EQ(refusal.code, PRO_TK_BAD_CONTEXT);
    ProMatrix m = {{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}};
    ProAsmcomp comp{};
    EXPECT_EQ(ProAsmcompAssemble(top, levels[0], m, &comp), PRO_TK_BAD_CONTEXT);
    EXPECT_NE(component(top, componentTree(levels[1], PRO_ASM_DEF_PLACEMENT)), 0);
}

}  // namespace
