// New models from interface files: a STEP assembly becomes an assembly with one part per
// product (named after it, placed by the file, in the file's order), a file without
// structure one component, a part all of a file's solids; the new models save and load,
// and refused imports leave nothing in session.
#include <ProIntfimport.h>
#include <ProMdl.h>

#include <cmath>
#include <string>
#include <vector>

#include "import_helpers.h"
#include "simhost/state/components.h"

namespace {

using namespace importtest;
using testkit::BoxShape;
using testkit::FilePart;
namespace state = simhost::state;

// Three products, two of them named alike; the second turned a quarter about z.
const std::vector<FilePart> kParts = {
    {"bracket", BoxShape{{0, 0, 0}, {10, 10, 10}, false}, 0.0, {0, 0, 0}},
    {"pin", BoxShape{{0, 0, 0}, {20, 4, 2}, false}, 90.0, {50, 0, 0}},
    {"pin", BoxShape{{0, 0, 0}, {3, 3, 30}, false}, 0.0, {0, 0, 100}},
};

struct ComponentSeen {
    std::string model;
    simhost::geometry::Placement placement;
};

class IntfImportTest : public modeltest::ConnectedTest {
protected:
    std::string at(const std::string& name) { return (workDir / name).string(); }
    ProError create(const std::string& file, ProIntfImportType type, ProMdlType kind,
                    const std::wstring& name, ProMdl* out) {
        modeltest::Path path(file);
        modeltest::Name model(name);
        return ProIntfimportModelCreate(path.text, type, kind, model.text, nullptr, nullptr, out);
    }
    std::vector<ComponentSeen> componentsOf(ProMdl handle) {
        std::vector<ComponentSeen> out;
        state::Model* model = store().byHandle(handle);
        if (model == nullptr) {
            ADD_FAILURE() << "no such model";
            return out;
        }
        for (int id : state::componentIds(*model)) {
            const state::Component* component = state::componentOf(*model, id);
            out.push_back({component->model, component->placement});
        }
        return out;
    }
    ProMdl part(const std::string& name) {
        state::Model* model = store().byName(name, state::kPart);
        return model == nullptr ? nullptr : state::modelHandle(model->id);
    }
    std::size_t modelCount() { return store().list().size(); }
    state::ModelStore& store() { return state::connected()->area<state::ModelStore>(); }
};

void expectPlacement(const simhost::geometry::Placement& p, const simhost::geometry::Vec3& origin,
                     const simhost::geometry::Vec3& x) {
    for (int k = 0; k < 3; ++k) {
        EXPECT_NEAR(p.origin[k], origin[k], 1e-9) << "origin " << k;
        EXPECT_NEAR(p.x[k], x[k], 1e-9) << "x " << k;
    }
}

TEST_F(IntfImportTest, AssemblyGetsOnePartPerProductInFileOrder) {
    REQUIRE_IMPORT_KERNEL();
    ASSERT_TRUE(testkit::writeStepAssembly(at("rig.stp"), "rig", kParts));
    ProMdl assembly = nullptr;
    ASSERT_EQ(create("rig.stp", PRO_INTF_IMPORT_STEP, PRO_MDL_ASSEMBLY, L"RIG", &assembly),
              PRO_TK_NO_ERROR);
    EXPECT_EQ(modeltest::nameOf(assembly), L"RIG");
    const std::vector<ComponentSeen> seen = componentsOf(assembly);
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0].model, "BRACKET");
    EXPECT_EQ(seen[1].model, "PIN");
    EXPECT_EQ(seen[2].model, "PIN_2");
    expectPlacement(seen[0].placement, {0, 0, 0}, {1, 0, 0});
    expectPlacement(seen[1].placement, {50, 0, 0}, {0, 1, 0});
    expectPlacement(seen[2].placement, {0, 0, 100}, {1, 0, 0});
    for (std::size_t i = 0; i < kParts.size(); ++i) {
        ProMdl model = part(seen[i].model);
        ASSERT_NE(model, nullptr) << seen[i].model;
        EXPECT_NEAR(volumeOf(model), boxVolume(kParts[i].shape), kVolumeTolerance) << i;
        // Each part holds its solid in its own coordinates.
        expectBounds(boundsOf(model), {0, 0, 0},
                     {kParts[i].shape.size[0], kParts[i].shape.size[1], kParts[i].shape.size[2]});
    }
    EXPECT_NEAR(volumeOf(assembly), 1000.0 + 160.0 + 270.0, kVolumeTolerance);
    // The turned pin lies along y from x = 46 to 50.
    expectBounds(boundsOf(assembly), {0, 0, 0}, {50, 20, 130});
}

TEST_F(IntfImportTest, ImportedModelsSaveAndLoad) {
    REQUIRE_IMPORT_KERNEL();
    ASSERT_TRUE(testkit::writeStepAssembly(at("rig.stp"), "rig", kParts));
    ProMdl assembly = nullptr;
    ASSERT_EQ(create("rig.stp", PRO_INTF_IMPORT_STEP, PRO_MDL_ASSEMBLY, L"RIG", &assembly),
              PRO_TK_NO_ERROR);
    for (const char* name : {"BRACKET", "PIN", "PIN_2"}) {
        ASSERT_EQ(ProMdlSave(part(name)), PRO_TK_NO_ERROR) << name;
    }
    ASSERT_EQ(ProMdlSave(assembly), PRO_TK_NO_ERROR);
    ASSERT_EQ(ProMdlEraseAll(assembly), PRO_TK_NO_ERROR);
    EXPECT_EQ(modelCount(), 0u);
    ProMdl loaded = nullptr;
    ASSERT_EQ(modeltest::load("rig.asm", &loaded), PRO_TK_NO_ERROR)
        << simhost::lastLoadDiagnostic();
    EXPECT_NEAR(volumeOf(loaded), 1000.0 + 160.0 + 270.0, kVolumeTolerance);
    expectBounds(boundsOf(loaded), {0, 0, 0}, {50, 20, 130});
}

TEST_F(IntfImportTest, PartsAndFilesWithoutStructureHoldAllSolids) {
    REQUIRE_IMPORT_KERNEL();
    ASSERT_TRUE(testkit::writeStepAssembly(at("rig.stp"), "rig", kParts));
    ProMdl whole = nullptr;
    ASSERT_EQ(create("rig.stp", PRO_INTF_IMPORT_STEP, PRO_MDL_PART, L"WHOLE", &whole),
              PRO_TK_NO_ERROR);
    EXPECT_NEAR(volumeOf(whole), 1000.0 + 160.0 + 270.0, kVolumeTolerance);
    expectBounds(boundsOf(whole), {0, 0, 0}, {50, 20, 130});
    EXPECT_EQ(modelCount(), 1u);

    const BoxShape a{{0, 0, 0}, {5, 5, 5}, false};
    const BoxShape b{{10, 0, 0}, {5, 5, 5}, true};
    // One solid: the kernel's writer makes one product of it, without structure.
    ASSERT_TRUE(testkit::writeStepSolids(at("plain.stp"), {b}));
    ProMdl single = nullptr;
    ASSERT_EQ(create("plain.stp", PRO_INTF_IMPORT_STEP, PRO_MDL_ASSEMBLY, L"PLAIN", &single),
              PRO_TK_NO_ERROR);
    ASSERT_EQ(componentsOf(single).size(), 1u);
    EXPECT_NEAR(volumeOf(single), boxVolume(b), kVolumeTolerance);
    expectBounds(boundsOf(single), {10, 0, 0}, {15, 5, 5});

    ASSERT_TRUE(testkit::writeAcisStandin(at("blocks.sat"), {a, b}));
    ProMdl acis = nullptr;
    ASSERT_EQ(create(at("blocks.sat"), PRO_INTF_IMPORT_ACIS, PRO_MDL_PART, L"BLOCKS", &acis),
              PRO_TK_NO_ERROR);
    EXPECT_NEAR(volumeOf(acis), boxVolume(a) + boxVolume(b), kVolumeTolerance);
}

TEST_F(IntfImportTest, RefusalsLeaveNoModelBehind) {
    REQUIRE_IMPORT_KERNEL();
    ASSERT_TRUE(testkit::writeStepAssembly(at("rig.stp"), "rig", kParts));
    writeFile("words.stp", "ISO-10303-21;\nHEADER;\nnonsense\n");
    const int solidsBefore = simhost::geometry::solidCount();
    ProMdl out = nullptr;
    EXPECT_EQ(create("absent.stp", PRO_INTF_IMPORT_STEP, PRO_MDL_ASSEMBLY, L"RIG", &out),
              PRO_TK_CANT_OPEN);
    EXPECT_EQ(create("words.stp", PRO_INTF_IMPORT_STEP, PRO_MDL_ASSEMBLY, L"RIG", &out),
              PRO_TK_INVALID_FILE);
    EXPECT_EQ(create("rig.stp", PRO_INTF_IMPORT_ACIS, PRO_MDL_PART, L"RIG", &out),
              PRO_TK_INVALID_FILE);
    EXPECT_EQ(create("rig.stp", PRO_INTF_IMPORT_IGES, PRO_MDL_PART, L"RIG", &out),
              PRO_TK_UNSUPPORTED);
    EXPECT_EQ(create("rig.stp", static_cast<ProIntfImportType>(50), PRO_MDL_PART, L"RIG", &out),
              PRO_TK_BAD_INPUTS);
    EXPECT_EQ(create("rig.stp", PRO_INTF_IMPORT_STEP, PRO_MDL_DRAWING, L"RIG", &out),
              PRO_TK_BAD_INPUTS);
    EXPECT_EQ(create("rig.stp", PRO_INTF_IMPORT_STEP, PRO_MDL_PART, L"NO SPACES", &out),
              PRO_TK_BAD_INPUTS);
    EXPECT_EQ(create("rig.stp", PRO_INTF_IMPORT_STEP, PRO_MDL_PART, L"RIG", nullptr),
              PRO_TK_BAD_INPUTS);
    EXPECT_EQ(modelCount(), 0u);
    ASSERT_NE(modeltest::create(L"RIG", PRO_ASSEMBLY), nullptr);
    EXPECT_EQ(create("rig.stp", PRO_INTF_IMPORT_STEP, PRO_MDL_ASSEMBLY, L"rig", &out),
              PRO_TK_E_FOUND);
    EXPECT_EQ(modelCount(), 1u);
    EXPECT_EQ(simhost::geometry::solidCount(), solidsBefore);
    // The same name as a part is another model; a part PIN in session makes the
    // products' parts PIN_2 and PIN_3.
    ASSERT_NE(modeltest::create(L"PIN"), nullptr);
    ASSERT_EQ(create("rig.stp", PRO_INTF_IMPORT_STEP, PRO_MDL_ASSEMBLY, L"RIG2", &out),
              PRO_TK_NO_ERROR);
    const std::vector<ComponentSeen> seen = componentsOf(out);
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[1].model, "PIN_2");
    EXPECT_EQ(seen[2].model, "PIN_3");
}

}  // namespace
