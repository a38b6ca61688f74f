// Assemblies in model files and the models an assembly depends on.
#include <ProArray.h>

#include <string>
#include <vector>

#include "assembly_helpers.h"
#include "kelt2proe/simhost/control.h"
#include "simhost/state/models.h"
#include "simhost/state/sessions.h"

namespace {

using namespace asmtest;

class AssemblyFileTest : public modeltest::ConnectedTest {
protected:
    std::vector<std::pair<std::wstring, std::wstring>> dependencies(ProMdl model) {
        std::vector<std::pair<std::wstring, std::wstring>> out;
        ProModel* list = nullptr;
        int count = -1;
        EXPECT_EQ(ProMdlDependenciesList(model, &list, &count), PRO_TK_NO_ERROR);
        int size = -1;
        EXPECT_EQ(ProArraySizeGet(list, &size), PRO_TK_NO_ERROR);
        EXPECT_EQ(size, count);
        for (int i = 0; i < count; ++i) {
            out.emplace_back(list[i].name, list[i].type);
        }
        EXPECT_EQ(ProArrayFree(reinterpret_cast<ProArray*>(&list)), PRO_TK_NO_ERROR);
        return out;
    }
};

TEST_F(AssemblyFileTest, SaveAndLoadKeepComponentsConstraintsAndPlacements) {
    ProSolid top = assembly(L"CELL");
    ProSolid sub = assembly(L"FIXTURE");
    ProSolid clamp = part(L"CLAMP");
    ProSolid blank = part(L"BLANK");
    int topCs = csys(top, L"TABLE", csys(top, L"ORIGIN"), {{5, 30}, {0, 40}});
    int subCs = csys(sub, L"BASE");
    int subTop = csys(sub, L"TOP", subCs, {{2, 15}});
    int clampCs = csys(clamp, L"FOOT", csys(clamp, L"C0"), {{3, 90}});
    int blankCs = csys(blank, L"ZERO");
    int clampId = placeOn(sub, clamp, clampCs, subTop);
    int subId = placeOn(top, sub, subCs, topCs);
    // The blank sits on the clamp's foot, two levels down.
    int blankId = component(
        top, componentTree(blank, PRO_ASM_CSYS, blankCs, clamp, clampCs, top, {subId, clampId}));
    // A coordinate system of the cell on the clamp's foot, two levels down.
    int follower = csys(top, L"ON_FOOT", clampCs, {{0, 1}}, clamp, {subId, clampId});
    ASSERT_NE(follower, 0);
    ProMatrix m = {{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {1, 2, 3, 1}};
    ProAsmcomp byMatrix{};
    ASSERT_EQ(ProAsmcompAssemble(top, clamp, m, &byMatrix), PRO_TK_NO_ERROR);
    ProAsmcomp subComp = feature(top, subId);
    ASSERT_EQ(ProAsmcompTypeSet(&subComp, top, PRO_ASM_COMP_TYPE_FIXTURE), PRO_TK_NO_ERROR);
    ASSERT_NE(blankId, 0);
    Matrix blankBefore = pathMatrix(top, {blankId}, PRO_B_TRUE);
    Matrix clampBefore = pathMatrix(top, {subId, clampId}, PRO_B_TRUE);
    Matrix followerBefore = csysMatrix(top, follower);
    for (ProSolid model : {clamp, blank, sub, top}) {
        ASSERT_EQ(ProMdlSave(model), PRO_TK_NO_ERROR);
    }
    restart();

    ProMdl loaded = nullptr;
    ASSERT_EQ(modeltest::load("cell.asm", &loaded), PRO_TK_NO_ERROR);
    top = static_cast<ProSolid>(loaded);
    expectNear(pathMatrix(top, {blankId}, PRO_B_TRUE), blankBefore, "blank");
    expectNear(pathMatrix(top, {subId, clampId}, PRO_B_TRUE), clampBefore, "clamp");
    Matrix byMatrixAfter = pathMatrix(top, {byMatrix.id}, PRO_B_TRUE);
    EXPECT_EQ(byMatrixAfter[3][1], 2.0);
    ProAsmcomp comp = feature(top, subId);
    ProAsmcompType type = PRO_ASM_COMP_TYPE_NONE;
    ASSERT_EQ(ProAsmcompTypeGet(&comp, top, &type), PRO_TK_NO_ERROR);
    EXPECT_EQ(type, PRO_ASM_COMP_TYPE_FIXTURE);
    ProAsmcomp blankComp = feature(top, blankId);
    ProAsmcompconstraint* constraints = nullptr;
    ASSERT_EQ(ProAsmcompConstraintsGet(&blankComp, &constraints), PRO_TK_NO_ERROR);
    ProSelection ref = nullptr;
    ASSERT_EQ(ProAsmcompconstraintAsmreferenceGet(constraints[0], &ref, nullptr), PRO_TK_NO_ERROR);
    ProAsmcomppath path{};
    ProSelectionAsmcomppathGet(ref, &path);
    ASSERT_EQ(path.table_num, 2);
    EXPECT_EQ(path.comp_id_table[0], subId);
    EXPECT_EQ(path.comp_id_table[1], clampId);
    ProSelectionFree(&ref);
    ProAsmcompconstraintArrayFree(constraints);
    ProAsmcomp matrixComp = feature(top, byMatrix.id);
    EXPECT_EQ(ProAsmcompConstraintsGet(&matrixComp, &constraints), PRO_TK_E_NOT_FOUND);

    // The loaded constraints still drive: moving the fixture's top moves clamp and blank.
    ProMdl fixture = nullptr;
    ASSERT_EQ(modeltest::init(L"FIXTURE", PRO_MDL_ASSEMBLY, &fixture), PRO_TK_NO_ERROR);
    ProGeomitem item{PRO_CSYS, subTop, fixture};
    ProFeature topFeature{};
    ASSERT_EQ(ProGeomitemFeatureGet(&item, &topFeature), PRO_TK_NO_ERROR);
    std::vector<ProDimension> dims = dimsOf(static_cast<ProSolid>(fixture), topFeature.id);
    ASSERT_EQ(dims.size(), 1u);
    ASSERT_EQ(ProDimensionValueSet(&dims[0], 25), PRO_TK_NO_ERROR);
    ASSERT_EQ(ProSolidRegenerate(top, PRO_REGEN_NO_FLAGS), PRO_TK_NO_ERROR);
    Matrix blankAfter = pathMatrix(top, {blankId}, PRO_B_TRUE);
    Matrix shift = identity();
    // The fixture's z in the cell is its placement's third row.
    Matrix subPlacement = pathMatrix(top, {subId}, PRO_B_TRUE);
    for (int k = 0; k < 3; ++k) {
        shift[3][k] = 10 * subPlacement[2][k];
    }
    expectNear(blankAfter, multiply(blankBefore, shift), "blank after the fixture's top moved");
    expectNear(csysMatrix(top, follower), multiply(followerBefore, shift),
               "the cell's system on the clamp after the fixture's top moved");
    EXPECT_EQ(simhost::liveObjects(), 0);
}

TEST_F(AssemblyFileTest, LoadRecomputesPlacementsFromConstraints) {
    writeFile("pin.prt", R"({"type": "PRT", "features": [
        {"id": 1, "type": 979, "name": "PIN_CS", "items": [{"id": 2, "type": 25,
         "placement": {"origin": [0, 0, 5], "x": [1, 0, 0], "y": [0, 1, 0], "z": [0, 0, 1]}}]}]})");
    // The component's stored placement is stale; its constraint places it.
    writeFile("jig.asm", R"({"type": "ASM", "features": [
        {"id": 1, "type": 979, "name": "JIG_CS", "items": [{"id": 2, "type": 25,
         "placement": {"origin": [100, 0, 0], "x": [1, 0, 0], "y": [0, 1, 0], "z": [0, 0, 1]}}]}],
      "components": [{"id": 3, "model": "pin", "type": "PRT",
        "placement": {"origin": [7, 7, 7], "x": [1, 0, 0], "y": [0, 1, 0], "z": [0, 0, 1]},
        "constraints": [{"type": 6, "component_ref": 2, "assembly_ref": {"id": 2, "path": []}}]}]})");
    ProMdl jig = nullptr;
    ASSERT_EQ(modeltest::load("jig.asm", &jig), PRO_TK_NO_ERROR);
    Matrix placed = pathMatrix(static_cast<ProSolid>(jig), {3}, PRO_B_TRUE);
    EXPECT_EQ(placed[3][0], 100.0);
    EXPECT_EQ(placed[3][2], -5.0);
    EXPECT_FALSE(modeltest::modified(jig));

    // Entries the host cannot keep make the file invalid, naming the place.
    writeFile("bad.asm", R"({"type": "ASM", "components": [{"id": 3, "model": "pin",
        "constraints": [{"type": 0}]}]})");
    ProMdl bad = nullptr;
    EXPECT_EQ(modeltest::load("bad.asm", &bad), PRO_TK_INVALID_FILE);
    EXPECT_NE(simhost::lastLoadDiagnostic().find("components[0].constraints[0].type"),
              std::string::npos)
        << simhost::lastLoadDiagnostic();
    writeFile("twice.asm", R"({"type": "ASM", "components": [{"id": 3, "model": "pin"},
        {"id": 3, "model": "pin"}]})");
    EXPECT_EQ(modeltest::load("twice.asm", &bad), PRO_TK_INVALID_FILE);
    writeFile("clash.asm", R"({"type": "ASM", "features": [{"id": 3, "type": 979}],
        "components": [{"id": 3, "model": "pin"}]})");
    EXPECT_EQ(modeltest::load("clash.asm", &bad), PRO_TK_INVALID_FILE);
}

TEST_F(AssemblyFileTest, DependenciesListEachComponentModelOnceInOrder) {
    ProSolid top = assembly(L"LINE");
    ProSolid sub = assembly(L"STATION");
    ProSolid bolt = part(L"BOLT");
    EXPECT_TRUE(dependencies(top).empty());
    EXPECT_TRUE(dependencies(bolt).empty());
    ASSERT_NE(component(top, componentTree(bolt, PRO_ASM_DEF_PLACEMENT)), 0);
    ASSERT_NE(component(top, componentTree(sub, PRO_ASM_DEF_PLACEMENT)), 0);
    ASSERT_NE(component(top, componentTree(bolt, PRO_ASM_DEF_PLACEMENT)), 0);
    ASSERT_NE(component(sub, componentTree(bolt, PRO_ASM_DEF_PLACEMENT)), 0);
    using Entry = std::pair<std::wstring, std::wstring>;
    EXPECT_EQ(dependencies(top), (std::vector<Entry>{{L"BOLT", L"PRT"}, {L"STATION", L"ASM"}}));

    // Renaming a component model in session keeps its components on it.
    modeltest::Name renamed(L"SCREW");
    ASSERT_EQ(ProMdlRename(bolt, renamed.text), PRO_TK_NO_ERROR);
    EXPECT_EQ(dependencies(top), (std::vector<Entry>{{L"SCREW", L"PRT"}, {L"STATION", L"ASM"}}));
    EXPECT_TRUE(modeltest::modified(top));
    EXPECT_EQ(dependencies(sub), (std::vector<Entry>{{L"SCREW", L"PRT"}}));

    // A model no longer in session is still listed by name.
    using namespace simhost::state;
    Session& s = *connected();
    s.area<ModelStore>().erase(modelIdOf(sub));
    EXPECT_EQ(dependencies(top), (std::vector<Entry>{{L"SCREW", L"PRT"}, {L"STATION", L"ASM"}}));
    ProModel* list = nullptr;
    int count = 0;
    EXPECT_EQ(ProMdlDependenciesList(nullptr, &list, &count), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(simhost::liveObjects(), 0);
}

}  // namespace
