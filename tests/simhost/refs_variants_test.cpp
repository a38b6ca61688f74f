// External references of a feature (features of other models that reference its
// geometry through a component path) and the varied items of flexible components.
#include <ProFeature.h>
#include <ProModelitem.h>
#include <ProParameter.h>
#include <ProRefInfo.h>
#include <ProVariantFeat.h>

#include <string>
#include <vector>

#include "model_helpers.h"

namespace {

using modeltest::load;

// A component part: coordinate systems MOUNT (feature 1) and SPARE (feature 3), two
// dimensions of a feature 5 and two parameters.
const char* const kComp = R"({
  "type": "PRT",
  "features": {"list": [
    {"id": 1, "type": 979, "name": "MOUNT", "items": [{"id": 2, "type": 25}]},
    {"id": 3, "type": 979, "name": "SPARE", "items": [{"id": 4, "type": 25}]},
    {"id": 5, "type": 917, "name": "BODY"}
  ]},
  "dimensions": [{"id": 20, "feature": 5, "value": 40}, {"id": 21, "feature": 5, "value": 8}],
  "parameters": {"model": [{"name": "LENGTH", "type": "double", "value": 40},
                           {"name": "MATERIAL", "type": "string", "value": "steel"}]}
})";

// An assembly with COMP as component 3. Coordinate system 10 is offset from MOUNT through
// the component; feature 11 names MOUNT without a path, feature 12 names SPARE through
// the component.
// Component 3 varies dimension 21, a dimension 99 the part lacks, and LENGTH.
const char* const kTop = R"({
  "type": "ASM",
  "components": [{"id": 3, "model": "comp", "type": "PRT"}],
  "features": {"list": [
    {"id": 3, "type": 1000, "name": "COMP", "tree": {"id": 386, "children": [
      {"id": 387, "int": 1000}, {"id": 612, "pointer": "COMP.PRT"}]}},
    {"id": 10, "type": 979, "name": "OFFSET", "items": [{"id": 13, "type": 25}],
     "tree": {"id": 386, "children": [
      {"id": 387, "int": 979},
      {"id": 2134, "children": [{"id": 2135, "children": [{"id": 2136, "selection": {
        "type": 25, "id": 2, "owner": "COMP.PRT", "path": {"owner": ".", "ids": [3]}}}]}]},
      {"id": 2147, "int": 0}]}},
    {"id": 11, "type": 917, "name": "LOCAL", "tree": {"id": 386, "children": [
      {"id": 387, "int": 917},
      {"id": 500, "selection": {"type": 25, "id": 2, "owner": "COMP.PRT"}}]}},
    {"id": 12, "type": 917, "name": "OTHER", "tree": {"id": 386, "children": [
      {"id": 387, "int": 917},
      {"id": 500, "selection": {"type": 25, "id": 4, "owner": "COMP.PRT",
        "path": {"owner": ".", "ids": [3]}}}]}}
  ]},
  "variants": [{"component": 3, "dimensions": [21, 99], "parameters": ["length"]}]
})";

class RefsTest : public modeltest::ConnectedTest {
protected:
    void SetUp() override {
        ConnectedTest::SetUp();
        writeFile("comp.prt", kComp);
        writeFile("top.asm", kTop);
        ASSERT_EQ(load("comp.prt", &comp), PRO_TK_NO_ERROR) << simhost::lastLoadDiagnostic();
        ASSERT_EQ(load("top.asm", &top), PRO_TK_NO_ERROR) << simhost::lastLoadDiagnostic();
    }
    ProMdl comp = nullptr;
    ProMdl top = nullptr;
};

TEST_F(RefsTest, CoordinateSystemReferencedThroughAComponentHasOneExternalChild) {
    ProFeature mount{PRO_FEATURE, 1, comp};
    ProExtRefInfo* infos = nullptr;
    int count = -1;
    ASSERT_EQ(ProFeatureExternChildrenGet(&mount, PRO_ALL_EXT_REF_TYPES, &infos, &count),
              PRO_TK_NO_ERROR);
    ASSERT_EQ(count, 1);
    EXPECT_EQ(infos[0].type, PRO_EXT_GEOM_REF);
    ASSERT_EQ(infos[0].n_refs, 1);

    ProAsmcomppath own{};
    ProAsmcomppath ref{};
    ASSERT_EQ(ProExtRefAsmcompsGet(infos[0].ext_refs[0], &own, &ref), PRO_TK_NO_ERROR);
    EXPECT_EQ(own.owner, top);
    EXPECT_EQ(own.table_num, 0);
    EXPECT_EQ(ref.owner, top);
    ASSERT_EQ(ref.table_num, 1);
    EXPECT_EQ(ref.comp_id_table[0], 3);
    ProFeature referencing{};
    ASSERT_EQ(ProExtRefOwnFeatGet(infos[0].ext_refs[0], &referencing), PRO_TK_NO_ERROR);
    EXPECT_EQ(referencing.id, 10);
    EXPECT_EQ(referencing.owner, top);
    EXPECT_EQ(referencing.type, PRO_FEATURE);

    ProExtFeatRef kept = infos[0].ext_refs[0];
    ASSERT_EQ(ProExtRefInfoFree(&infos), PRO_TK_NO_ERROR);
    EXPECT_EQ(infos, nullptr);
    EXPECT_EQ(simhost::liveObjects(), 0);
    // A freed reference is no longer one.
    EXPECT_EQ(ProExtRefOwnFeatGet(kept, &referencing), PRO_TK_BAD_INPUTS);
}

TEST_F(RefsTest, ReferencesFollowTheModelsAsTheyAreNow) {
    ProFeature mount{PRO_FEATURE, 1, comp};
    ProExtRefInfo* infos = nullptr;
    int count = -1;
    // Other reference types than geometry references: none.
    ASSERT_EQ(ProFeatureExternChildrenGet(&mount, PRO_EXT_REL_REF, &infos, &count),
              PRO_TK_NO_ERROR);
    EXPECT_EQ(count, 0);
    EXPECT_EQ(infos, nullptr);
    // The body is referenced by nobody.
    ProFeature body{PRO_FEATURE, 5, comp};
    ASSERT_EQ(ProFeatureExternChildrenGet(&body, PRO_EXT_GEOM_REF, &infos, &count),
              PRO_TK_NO_ERROR);
    EXPECT_EQ(count, 0);

    // The referencing feature deleted: the reference is gone.
    ProFeature spare{PRO_FEATURE, 3, comp};
    ASSERT_EQ(ProFeatureExternChildrenGet(&spare, PRO_EXT_GEOM_REF, &infos, &count),
              PRO_TK_NO_ERROR);
    ASSERT_EQ(count, 1);
    ProExtFeatRef stale = infos[0].ext_refs[0];
    int ids[] = {12};
    ASSERT_EQ(ProFeatureDelete(static_cast<ProSolid>(top), ids, 1, nullptr, 0), PRO_TK_NO_ERROR);
    ProFeature referencing{};
    EXPECT_EQ(ProExtRefOwnFeatGet(stale, &referencing), PRO_TK_E_NOT_FOUND);
    ASSERT_EQ(ProExtRefInfoFree(&infos), PRO_TK_NO_ERROR);
    ASSERT_EQ(ProFeatureExternChildrenGet(&spare, PRO_EXT_GEOM_REF, &infos, &count),
              PRO_TK_NO_ERROR);
    EXPECT_EQ(count, 0);

    EXPECT_EQ(ProFeatureExternChildrenGet(&mount, static_cast<ProExtRefType>(99), &infos, &count),
              PRO_TK_BAD_INPUTS);
    ProFeature gone{PRO_FEATURE, 77, comp};
    EXPECT_EQ(ProFeatureExternChildrenGet(&gone, PRO_EXT_GEOM_REF, &infos, &count),
              PRO_TK_E_NOT_FOUND);
    EXPECT_EQ(simhost::liveObjects(), 0);
}

struct Seen {
    std::vector<int> dims;
    std::vector<std::wstring> params;
    std::vector<ProMdl> owners;
};

ProError dimSeen(ProModelitem* item, ProError, ProAppData data) {
    auto* seen = static_cast<Seen*>(data);
    EXPECT_EQ(item->type, PRO_DIMENSION);
    seen->dims.push_back(item->id);
    seen->owners.push_back(item->owner);
    return PRO_TK_NO_ERROR;
}

ProError paramSeen(ProParameter* param, ProError, ProAppData data) {
    auto* seen = static_cast<Seen*>(data);
    seen->params.push_back(param->id);
    seen->owners.push_back(param->owner.who.model);
    EXPECT_EQ(param->owner.type, PRM_MODEL);
    return PRO_TK_NO_ERROR;
}

TEST_F(RefsTest, FlexibleComponentVisitsWhatItVaries) {
    ProFeature component{PRO_FEATURE, 3, top};
    Seen seen;
    ASSERT_EQ(ProVariantfeatItemsVisit(&component, dimSeen, nullptr, &seen), PRO_TK_NO_ERROR);
    EXPECT_EQ(seen.dims, std::vector<int>{21});  // 99 is no dimension of the part
    ASSERT_EQ(ProVariantfeatParamsVisit(&component, paramSeen, nullptr, &seen), PRO_TK_NO_ERROR);
    EXPECT_EQ(seen.params, std::vector<std::wstring>{L"LENGTH"});
    EXPECT_EQ(seen.owners, (std::vector<ProMdl>{comp, comp}));

    // The parameter handle is one ProParameterVisit would give: its value can be read.
    ProParameter length{};
    ASSERT_EQ(ProVariantfeatParamsVisit(
                  &component,
                  [](ProParameter* p, ProError, ProAppData out) {
                      *static_cast<ProParameter*>(out) = *p;
                      return PRO_TK_NO_ERROR;
                  },
                  nullptr, &length),
              PRO_TK_NO_ERROR);
    ProParamvalue value{};
    ASSERT_EQ(ProParameterValueGet(&length, &value), PRO_TK_NO_ERROR);
    EXPECT_EQ(value.value.d_val, 40.0);

    // Varied from the control API, then nothing varied.
    ASSERT_TRUE(simhost::setVaried("TOP.ASM", 3, {20, 21}, {"MATERIAL", "LENGTH"}));
    Seen changed;
    ASSERT_EQ(ProVariantfeatItemsVisit(&component, dimSeen, nullptr, &changed), PRO_TK_NO_ERROR);
    ASSERT_EQ(ProVariantfeatParamsVisit(&component, paramSeen, nullptr, &changed), PRO_TK_NO_ERROR);
    EXPECT_EQ(changed.dims, (std::vector<int>{20, 21}));
    EXPECT_EQ(changed.params, (std::vector<std::wstring>{L"MATERIAL", L"LENGTH"}));
    ASSERT_TRUE(simhost::setVaried("top", 3, {}, {}));
    EXPECT_EQ(ProVariantfeatItemsVisit(&component, dimSeen, nullptr, &changed), PRO_TK_E_NOT_FOUND);
    EXPECT_EQ(ProVariantfeatParamsVisit(&component, paramSeen, nullptr, &changed),
              PRO_TK_E_NOT_FOUND);
    EXPECT_FALSE(simhost::setVaried("NOSUCH", 3, {1}, {}));

    // Not a component: refused.
    ProFeature offset{PRO_FEATURE, 10, top};
    EXPECT_EQ(ProVariantfeatItemsVisit(&offset, dimSeen, nullptr, &changed), PRO_TK_BAD_INPUTS);
}

TEST_F(RefsTest, VariedItemsAreSavedWithTheAssembly) {
    ASSERT_TRUE(simhost::setVaried("TOP", 3, {20}, {"MATERIAL"}));
    ASSERT_EQ(ProMdlSave(top), PRO_TK_NO_ERROR);
    ASSERT_EQ(ProMdlErase(top), PRO_TK_NO_ERROR);
    ASSERT_EQ(load("top.asm", &top), PRO_TK_NO_ERROR) << simhost::lastLoadDiagnostic();
    ProFeature component{PRO_FEATURE, 3, top};
    Seen seen;
    ASSERT_EQ(ProVariantfeatItemsVisit(&component, dimSeen, nullptr, &seen), PRO_TK_NO_ERROR);
    ASSERT_EQ(ProVariantfeatParamsVisit(&component, paramSeen, nullptr, &seen), PRO_TK_NO_ERROR);
    EXPECT_EQ(seen.dims, std::vector<int>{20});
    EXPECT_EQ(seen.params, std::vector<std::wstring>{L"MATERIAL"});

    writeFile("bad.asm", R"({"type": "ASM", "variants": [{"dimensions": [1]}]})");
    ProMdl bad = nullptr;
    EXPECT_EQ(load("bad.asm", &bad), PRO_TK_INVALID_FILE);
}

}  // namespace
