// Revolved solids sketched through a coordinate system: three datum planes through it,
// the feature created with an empty section, the section filled with the coordinate
// system, the axis of revolution and the profile, and the feature redefined with it.
#include <ProMdl.h>
#include <ProSection.h>

#include <vector>

#include "base/text.h"
#include "feature/revolve_section.h"
#include "kelt2proe/error.h"
#include "model/solid.h"
#include "toolkit/check.h"
#include "toolkit/curve.h"
#include "toolkit/datum_plane.h"
#include "toolkit/elem_value.h"
#include "toolkit/feature.h"
#include "toolkit/revolve_tree.h"
#include "toolkit/selection.h"

namespace Ardo {

namespace {

constexpr const char* kText = "Ardo::kelt2pMdl::CreateRevolveFeature";
constexpr ProElemId kSection = 447;
constexpr ProElemId kSketch = 458;
// Coordinate-system axes the datum planes are normal to.
constexpr int kAxisX = 1;
constexpr int kAxisY = 2;
constexpr int kAxisZ = 3;

ardotk::SelectionOwner itemSelection(ProGeomitem& item) {
    ardotk::SelectionOwner selection;
    check(ProSelectionAlloc(nullptr, &item, selection.out()), kText);
    return selection;
}

// The revolve feature with an empty section; failures raise Ardo::Error(code, "").
ProFeature createIncomplete(ProSolid solid, ProElement tree) {
    ProModelitem model{};
    check(ProMdlToModelitem(solid, &model), "");
    ardotk::SelectionOwner modelSelection;
    check(ProSelectionAlloc(nullptr, &model, modelSelection.out()), "");
    ProFeatureCreateOptions options[] = {PRO_FEAT_CR_INCOMPLETE_FEAT};
    ProErrorlist errors{};
    ProFeature feature{};
    check(ProFeatureCreate(modelSelection.get(), tree, options, 1, &feature, &errors), "");
    return feature;
}

// The section's reference to the coordinate system and the centre line along the
// sketch's vertical axis through it, the axis of revolution.
void addAxis(ProSection section, ProSelection csys) {
    int id = 0;
    check(ProSectionEntityFromProjection(section, csys, &id), kText);
    Pro2dClinedef axis{PRO_2D_CENTER_LINE, {0.0, 0.0}, {0.0, 1.0}};
    check(ProSectionEntityAdd(section, reinterpret_cast<Pro2dEntdef*>(&axis), &id), kText);
    check(ProSectionEntityConstructionSet(section, id, PRO_B_FALSE), kText);
}

// Creates the revolved solid about coordinate system `csys`; `fill` puts the profile
// into the section.
template <typename Fill>
int createRevolve(ProSolid solid, ProGeomitem& csys, const char* name, Fill fill) {
    ardotk::SelectionOwner csysSelection = itemSelection(csys);
    ProGeomitem sketchPlane = ardotk::DatumPlaneCreate(solid, csysSelection.get(), kAxisY);
    ProGeomitem orientPlane = ardotk::DatumPlaneCreate(solid, csysSelection.get(), kAxisZ);
    ardotk::DatumPlaneCreate(solid, csysSelection.get(), kAxisX);
    ardotk::SelectionOwner sketchSelection = ardotk::SelectionAlloc(nullptr, sketchPlane);
    ardotk::SelectionOwner orientSelection = ardotk::SelectionAlloc(nullptr, orientPlane);

    ProName wide = {};
    text::widenBounded(wide, name);
    ardotk::ElemTree tree = ardotk::RevolveTree(wide, sketchSelection.get(), orientSelection.get());
    ProFeature feature = createIncomplete(solid, tree.get());

    ardotk::ElemTree built = ardotk::FeatureElemtreeCreate(feature);
    ProElement sketch = ardotk::ElementGet(built.get(), {kSection, kSketch});
    auto section = static_cast<ProSection>(ardotk::ElementValueData(sketch).v.p);
    addAxis(section, csysSelection.get());
    fill(section);

    ProFeatureCreateOptions options[] = {PRO_FEAT_CR_DEFINE_MISS_ELEMS};
    ProErrorlist errors{};
    check(ProFeatureRedefine(nullptr, &feature, built.get(), options, 1, &errors), kText);
    tree.release();
    return feature.id;
}

}  // namespace

int Solid::CreateRevolveFeature(const char* csysPattern, const char* name) {
    requireHandle(kText);
    ProGeomitem csys = CsysFindByName(csysPattern);
    return createRevolve(static_cast<ProSolid>(handle), csys, name,
                         [](ProSection section) { revolve::sectionFromList(section, kText); });
}

int Solid::CreateRevolveFeature(int curveFeatureId, const char* csysPattern, const char* name) {
    requireHandle(kText);
    ProSolid solid = static_cast<ProSolid>(handle);
    std::vector<ProGeomitem> found;
    if (CsysFindByRegEx(csysPattern, found) != 1) {
        throw Error(PRO_TK_E_NOT_FOUND, "no csys found");
    }
    // The profile is looked up before anything is created, so that a feature without
    // curves leaves the model as it was.
    ProFeature curveFeature{};
    check(ProFeatureInit(solid, curveFeatureId, &curveFeature), kText);
    std::vector<ProGeomitem> items = ardotk::FeatureGeomitems(curveFeature, PRO_TYPE_UNUSED);
    if (items.empty()) {
        throw Error(PRO_TK_E_NOT_FOUND, kText);
    }
    return createRevolve(solid, found.front(), name, [&](ProSection section) {
        ardotk::SelectionOwner curve = itemSelection(items.front());
        revolve::sectionFromLoop(section, curve.get(), kText);
    });
}

}  // namespace Ardo
