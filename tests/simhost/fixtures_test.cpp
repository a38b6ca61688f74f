// Fixtures of manufacturing models: the host's check of their trees, the kept tree with
// its component list, a redefinition that adds a new list, the active fixture, and the
// fixture's life through a save and a load.
#include <ProArray.h>
#include <ProFeature.h>
#include <ProMfg.h>
#include <ProModelitem.h>
#include <ProSelection.h>

#include <string>
#include <vector>

#include "mfg_helpers.h"

namespace {

using namespace mfgtest;
using featuretest::addInt;
using featuretest::addText;

constexpr int kFixture = PRO_FEAT_FIXTURE;

// Components 5 and 6, an operation 7 and a coordinate system.
const char* const kJob = R"({
  "type": "MFG",
  "features": {"list": [
    {"id": 1, "type": 979, "name": "ZERO", "items": [{"id": 2, "type": 25}]},
    {"id": 5, "type": 1000, "name": "VISE"},
    {"id": 6, "type": 1000, "name": "CLAMP"},
    {"id": 7, "type": 1007, "name": "OP010"}
  ]}
})";

ProElement multiInt(int id, const std::vector<int>& values) {
    ProElement e = nullptr;
    ProElementAlloc(id, &e);
    std::vector<ProValue> held;
    for (int v : values) {
        ProValueData data{};
        data.type = PRO_VALUE_TYPE_INT;
        data.v.i = v;
        ProValue value = nullptr;
        ProValueAlloc(&value);
        ProValueDataSet(value, &data);
        held.push_back(value);
    }
    ProElementValuesSet(e, held.data(), static_cast<int>(held.size()));
    return e;
}

ProElement doubleElem(int id, double value) {
    ProElement e = nullptr;
    ProElementAlloc(id, &e);
    ProElementDoubleSet(e, value);
    return e;
}

// The ints of the element at `path` of a tree, whether one value or several.
std::vector<int> intsAt(ProElement tree, int id) {
    ProElement elem = at(tree, {id});
    std::vector<int> out;
    ProValue* values = nullptr;
    if (elem == nullptr || ProElementValuesGet(elem, &values) != PRO_TK_NO_ERROR) {
        return {-1};
    }
    int count = 0;
    ProArraySizeGet(values, &count);
    for (int i = 0; i < count; ++i) {
        ProValueData data{};
        ProValueDataGet(values[i], &data);
        out.push_back(data.type == PRO_VALUE_TYPE_INT ? data.v.i : -2);
    }
    ProArrayFree(reinterpret_cast<ProArray*>(&values));
    return out;
}

// The parts of a fixture tree; each can be left out or made wrong.
struct FixtureTree {
    bool setupType = true;
    std::wstring name = L"VISE_SETUP";
    bool setupTime = true;
    int operation = 7;
    std::vector<int> components{5, 6};
    bool withComponents = true;

    ProElement build() const {
        ProElement t = featuretest::tree(kFixture);
        if (setupType) {
            addInt(t, PRO_E_ASSEM_SETUP_TYPE, 0);
        }
        if (!name.empty()) {
            addText(t, 151, name);
        }
        if (setupTime) {
            ProElemtreeElementAdd(t, nullptr, doubleElem(PRO_E_SETUP_TIME, 2.5));
        }
        if (operation > 0) {
            addInt(t, 208, operation);
        }
        if (withComponents) {
            ProElemtreeElementAdd(t, nullptr, multiInt(PRO_E_FIXT_COMPONENTS, components));
        }
        return t;
    }
};

class FixtureTest : public modeltest::ConnectedTest {
protected:
    ProMdl loadJob() {
        writeFile("job.mfg", kJob);
        ProMdl model = nullptr;
        EXPECT_EQ(load("job.mfg", &model), PRO_TK_NO_ERROR) << simhost::lastLoadDiagnostic();
        return model;
    }

    // Creates the fixture; returns the result and the error list's first element id.
    ProError create(ProMdl job, const FixtureTree& wanted, ProFeature& out, int* badElement) {
        ProElement t = wanted.build();
        ProErrorlist errors{};
        ProError rc = featuretest::create(static_cast<ProSolid>(job), t, &out, &errors);
        ProElementFree(&t);
        if (badElement != nullptr) {
            *badElement = errors.error_number > 0 ? errors.error_list[0].err_item_id : 0;
        }
        return rc;
    }
};

TEST_F(FixtureTest, CreatedFixtureKeepsItsTreeWithTheComponentList) {
    ProMdl job = loadJob();
    ProFeature fixture{};
    ASSERT_EQ(create(job, FixtureTree{}, fixture, nullptr), PRO_TK_NO_ERROR);
    ProFeattype type = 0;
    ASSERT_EQ(ProFeatureTypeGet(&fixture, &type), PRO_TK_NO_ERROR);
    EXPECT_EQ(type, kFixture);

    ProElement kept = tree(job, fixture.id);
    ASSERT_NE(kept, nullptr);
    ProBoolean multi = PRO_B_FALSE;
    ProElempath path = nullptr;
    ProElempathAlloc(&path);
    ProElempathItem item{};
    item.type = PRO_ELEM_PATH_ITEM_TYPE_ID;
    item.path_item.elem_id = PRO_E_FIXT_COMPONENTS;
    ProElempathDataSet(path, &item, 1);
    EXPECT_EQ(ProElementIsMultival(kept, path, &multi), PRO_TK_NO_ERROR);
    ProElempathFree(&path);
    EXPECT_EQ(multi, PRO_B_TRUE);
    EXPECT_EQ(intsAt(kept, PRO_E_FIXT_COMPONENTS), (std::vector<int>{5, 6}));
    EXPECT_EQ(intOf(at(kept, {PRO_E_ASSEM_SETUP_TYPE})), 0);
    EXPECT_EQ(intOf(at(kept, {208})), 7);
    EXPECT_EQ(textOf(at(kept, {151})), L"VISE_SETUP");
    ProElementFree(&kept);

    // The optional parts may be left out.
    FixtureTree bare;
    bare.name.clear();
    bare.operation = 0;
    bare.withComponents = false;
    ProFeature plain{};
    EXPECT_EQ(create(job, bare, plain, nullptr), PRO_TK_NO_ERROR);
}

TEST_F(FixtureTest, BadTreesAreRefusedNamingTheElement) {
    ProMdl job = loadJob();
    struct Case {
        const char* what;
        FixtureTree wanted;
        int element;
    };
    std::vector<Case> cases;
    cases.push_back({"no setup type", FixtureTree{}, PRO_E_ASSEM_SETUP_TYPE});
    cases.back().wanted.setupType = false;
    cases.push_back({"no setup time", FixtureTree{}, PRO_E_SETUP_TIME});
    cases.back().wanted.setupTime = false;
    cases.push_back({"operation that is a component", FixtureTree{}, 208});
    cases.back().wanted.operation = 5;
    cases.push_back({"no such operation", FixtureTree{}, 208});
    cases.back().wanted.operation = 99;
    cases.push_back({"coordinate system as component", FixtureTree{}, PRO_E_FIXT_COMPONENTS});
    cases.back().wanted.components = {5, 1};
    cases.push_back({"operation as component", FixtureTree{}, PRO_E_FIXT_COMPONENTS});
    cases.back().wanted.components = {7};
    for (const Case& c : cases) {
        ProFeature out{};
        int bad = 0;
        EXPECT_EQ(create(job, c.wanted, out, &bad), PRO_TK_GENERAL_ERROR) << c.what;
        EXPECT_EQ(bad, c.element) << c.what;
    }

    // Only manufacturing models hold fixtures.
    ProSolid part = featuretest::part(L"PLATE");
    ProElement t = FixtureTree{}.build();
    ProFeature out{};
    EXPECT_EQ(featuretest::create(part, t, &out), PRO_TK_GENERAL_ERROR);
    ProElementFree(&t);
    EXPECT_EQ(simhost::liveObjects(), 0);
}

TEST_F(FixtureTest, RedefinitionWithAnAddedListKeepsTheLastOne) {
    ProMdl job = loadJob();
    FixtureTree wanted;
    wanted.components = {5};
    ProFeature fixture{};
    ASSERT_EQ(create(job, wanted, fixture, nullptr), PRO_TK_NO_ERROR);

    ProElement t = tree(job, fixture.id);
    ProElemtreeElementAdd(t, nullptr, multiInt(PRO_E_FIXT_COMPONENTS, {6, 5}));
    ProErrorlist errors{};
    ProFeatureCreateOptions none[] = {PRO_FEAT_CR_NO_OPTS};
    ASSERT_EQ(ProFeatureRedefine(nullptr, &fixture, t, none, 1, &errors), PRO_TK_NO_ERROR);
    ProElementFree(&t);

    ProElement kept = tree(job, fixture.id);
    EXPECT_EQ(intsAt(kept, PRO_E_FIXT_COMPONENTS), (std::vector<int>{6, 5}));
    // One list only: once it is taken out, no other is found.
    ProElempath path = nullptr;
    ProElempathAlloc(&path);
    ProElempathItem item{};
    item.type = PRO_ELEM_PATH_ITEM_TYPE_ID;
    item.path_item.elem_id = PRO_E_FIXT_COMPONENTS;
    ProElempathDataSet(path, &item, 1);
    ProElement removed = nullptr;
    ASSERT_EQ(ProElemtreeElementRemove(kept, path, &removed), PRO_TK_NO_ERROR);
    ProElempathFree(&path);
    ProElementFree(&removed);
    EXPECT_EQ(at(kept, {PRO_E_FIXT_COMPONENTS}), nullptr);
    ProElementFree(&kept);

    // A new list naming what is no component is refused and changes nothing.
    t = tree(job, fixture.id);
    ProElemtreeElementAdd(t, nullptr, multiInt(PRO_E_FIXT_COMPONENTS, {7}));
    EXPECT_NE(ProFeatureRedefine(nullptr, &fixture, t, none, 1, &errors), PRO_TK_NO_ERROR);
    ProElementFree(&t);
    kept = tree(job, fixture.id);
    EXPECT_EQ(intsAt(kept, PRO_E_FIXT_COMPONENTS), (std::vector<int>{6, 5}));
    ProElementFree(&kept);
    EXPECT_EQ(simhost::liveObjects(), 0);
}

TEST_F(FixtureTest, ActivationFollowsTheModelThroughSaveLoadAndDeletion) {
    ProMdl job = loadJob();
    ProFeature first{};
    ProFeature second{};
    ASSERT_EQ(create(job, FixtureTree{}, first, nullptr), PRO_TK_NO_ERROR);
    ASSERT_EQ(create(job, FixtureTree{}, second, nullptr), PRO_TK_NO_ERROR);
    EXPECT_EQ(simhost::activeFixture("JOB.MFG"), 0);

    auto mfg = static_cast<ProMfg>(job);
    ASSERT_EQ(ProMfgFixtActivate(mfg, &second), PRO_TK_NO_ERROR);
    EXPECT_EQ(simhost::activeFixture("job"), second.id);

    // Only fixtures of this model can be active.
    ProFeature operation{PRO_FEATURE, 7, job};
    EXPECT_EQ(ProMfgFixtActivate(mfg, &operation), PRO_TK_BAD_INPUTS);
    ProFeature missing{PRO_FEATURE, 99, job};
    EXPECT_EQ(ProMfgFixtActivate(mfg, &missing), PRO_TK_E_NOT_FOUND);
    ProSolid part = featuretest::part(L"PLATE");
    EXPECT_EQ(ProMfgFixtActivate(static_cast<ProMfg>(static_cast<void*>(part)), &second),
              PRO_TK_BAD_CONTEXT);
    EXPECT_EQ(simhost::activeFixture("JOB"), second.id);

    ASSERT_EQ(ProMdlSave(job), PRO_TK_NO_ERROR);
    ASSERT_EQ(ProMdlErase(job), PRO_TK_NO_ERROR);
    EXPECT_EQ(simhost::activeFixture("JOB"), -1);
    ProMdl again = nullptr;
    ASSERT_EQ(load("job.mfg", &again), PRO_TK_NO_ERROR) << simhost::lastLoadDiagnostic();
    EXPECT_EQ(simhost::activeFixture("JOB"), second.id);
    ProElement kept = tree(again, second.id);
    EXPECT_EQ(intsAt(kept, PRO_E_FIXT_COMPONENTS), (std::vector<int>{5, 6}));
    ProElementFree(&kept);

    int ids[] = {second.id};
    ASSERT_EQ(ProFeatureDelete(static_cast<ProSolid>(again), ids, 1, nullptr, 0), PRO_TK_NO_ERROR);
    EXPECT_EQ(simhost::activeFixture("JOB"), 0);
}

TEST_F(FixtureTest, FileNamingAnActiveFixtureThatIsNoneIsInvalid) {
    writeFile("bad.mfg", R"({"type": "MFG", "features": {"list": [
        {"id": 5, "type": 1000}]}, "active_fixture": 5})");
    ProMdl model = nullptr;
    EXPECT_EQ(load("bad.mfg", &model), PRO_TK_INVALID_FILE);
    EXPECT_NE(simhost::lastLoadDiagnostic().find("active_fixture"), std::string::npos)
        << simhost::lastLoadDiagnostic();
}

}  // namespace

namespace {

// The manufacturing model stands for its assembly: an item of the assembly type names it,
// and a fixture is created through a selection of that item. A part is no assembly.
TEST_F(FixtureTest, AssemblyItemSelectsTheManufacturingModel) {
    ProMdl job = loadJob();
    ProAssembly assembly = nullptr;
    ASSERT_EQ(ProMfgAssemGet(static_cast<ProMfg>(job), &assembly), PRO_TK_NO_ERROR);
    int id = 0;
    ASSERT_EQ(ProMdlIdGet(assembly, &id), PRO_TK_NO_ERROR);
    ProModelitem item{};
    ASSERT_EQ(ProModelitemInit(assembly, id, PRO_ASSEMBLY, &item), PRO_TK_NO_ERROR);
    ProSelection selection = nullptr;
    ASSERT_EQ(ProSelectionAlloc(nullptr, &item, &selection), PRO_TK_NO_ERROR);
    ProElement t = FixtureTree{}.build();
    ProFeatureCreateOptions options[] = {PRO_FEAT_CR_DEFINE_MISS_ELEMS};
    ProErrorlist errors{};
    ProFeature fixture{};
    EXPECT_EQ(ProFeatureCreate(selection, t, options, 1, &fixture, &errors), PRO_TK_NO_ERROR);
    EXPECT_EQ(fixture.owner, job);
    ProElementFree(&t);
    ProSelectionFree(&selection);

    writeFile("block.prt", R"({"type": "PRT"})");
    ProMdl part = nullptr;
    ASSERT_EQ(load("block.prt", &part), PRO_TK_NO_ERROR);
    ASSERT_EQ(ProMdlIdGet(part, &id), PRO_TK_NO_ERROR);
    EXPECT_EQ(ProModelitemInit(part, id, PRO_ASSEMBLY, &item), PRO_TK_E_NOT_FOUND);
}

}  // namespace
