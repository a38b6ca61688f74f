// Clearance between the parts below two components, and the distance between two
// geometry items of components.
#include <ProAsmcomppath.h>
#include <ProDevelop.h>
#include <ProFeature.h>
#include <ProGeomitem.h>
#include <ProMdl.h>

#include <vector>

#include "feature/component_visit.h"
#include "kelt2proe/error.h"
#include "model/solid.h"
#include "toolkit/check.h"
#include "toolkit/selection.h"

namespace Ardo {

namespace {

constexpr const char* kDistanceText = "Ardo::Solid::Distance";
constexpr const char* kEvalText = "Ardo::Solid::DistanceEval";
constexpr double kNothingMeasured = 1e30;

// A part below a component: its model and its member path from the top assembly.
struct PlacedPart {
    ProMdl model;
    CompPath path;
};

// The ordinary parts below the component at `path`, or the component itself when it
// has none; only solid parts are kept.
std::vector<PlacedPart> partsBelow(CompPath& path) {
    ProMdl model = path.MdlHandle();
    std::vector<CompPath> below;
    component::Selection ordinary;
    ordinary.ordinaryOnly = true;
    ProError visited = component::visit(model, ordinary, below);
    if (visited == PRO_TK_GENERAL_ERROR || visited == PRO_TK_BAD_INPUTS) {
        throw ardotk::Error(visited, "");
    }
    std::vector<PlacedPart> parts;
    auto keepSolid = [&](ProMdl part, CompPath full) {
        ProMdlsubtype subtype = PROMDLSTYPE_NONE;
        ardotk::check(ProMdlSubtypeGet(part, &subtype), "ardotk::Mdlsubtype");
        if (subtype == PROMDLSTYPE_PART_SOLID) {
            parts.push_back(PlacedPart{part, full});
        }
    };
    if (below.empty()) {
        keepSolid(model, path);
    }
    for (CompPath& entry : below) {
        CompPath full(path);
        for (int level = 0; level < entry.Depth(); ++level) {
            full.Add(entry.IdGetAt(level));
        }
        keepSolid(entry.MdlHandle(), full);
    }
    return parts;
}

Select3d memberSelection(const PlacedPart& part) {
    Select3d selection{};
    selection.sel_type = SEL_3D_PART;
    selection.selected_id = -1;
    selection.selected_ptr = part.model;
    selection.part_ptr = part.model;
    selection.top_model = part.path.Root();
    selection.memb_num = part.path.Depth();
    for (int level = 0; level < part.path.Depth(); ++level) {
        selection.memb_id_tab[level] = part.path.IdGetAt(level);
    }
    return selection;
}

struct ItemSearch {
    int found = 0;
    ProGeomitem item{};
};

ProError takeItem(ProGeomitem* item, ProError, ProAppData data) {
    ItemSearch& search = *static_cast<ItemSearch*>(data);
    ++search.found;
    search.item = *item;
    return PRO_TK_NO_ERROR;
}

ProError pointAxisOrSurface(ProGeomitem* item, ProAppData) {
    bool wanted = item->type == PRO_POINT || item->type == PRO_AXIS || item->type == PRO_SURFACE;
    return wanted ? PRO_TK_NO_ERROR : PRO_TK_CONTINUE;
}

// The one point, axis or surface feature `id` makes in the model at the end of `path`;
// a datum point of that id when it is no feature.
ProGeomitem itemOf(int id, CompPath& path) {
    ProMdl model = path.MdlHandle();
    ProFeature feature{};
    if (ProFeatureInit(static_cast<ProSolid>(model), id, &feature) != PRO_TK_NO_ERROR) {
        return ProGeomitem{PRO_POINT, id, model};
    }
    ItemSearch search;
    ProError visited =
        ProFeatureGeomitemVisit(&feature, PRO_TYPE_UNUSED, takeItem, pointAxisOrSurface, &search);
    if (visited != PRO_TK_NO_ERROR && visited != PRO_TK_E_NOT_FOUND) {
        throw Error(visited, kEvalText);
    }
    if (search.found != 1) {
        throw Error(PRO_TK_E_NOT_FOUND, kEvalText);
    }
    return search.item;
}

}  // namespace

double Solid::Distance(CompPath& first, CompPath& second, bool stopAtInterference) {
    requireHandle(kDistanceText);
    ProMdlType modelType = PRO_MDL_UNUSED;
    check(ProMdlTypeGet(handle, &modelType), kDistanceText);
    if (modelType != PRO_MDL_ASSEMBLY || first.Root() != second.Root()) {
        throw Error(PRO_TK_BAD_CONTEXT, kDistanceText);
    }
    std::vector<PlacedPart> firstParts = partsBelow(first);
    std::vector<PlacedPart> secondParts = partsBelow(second);
    double smallest = kNothingMeasured;
    for (const PlacedPart& a : firstParts) {
        Select3d one = memberSelection(a);
        for (const PlacedPart& b : secondParts) {
            Select3d other = memberSelection(b);
            double distance = kNothingMeasured;
            int interference = 0;
            double closest[2][3] = {};
            // A clearance the host did not compute must not pass for a measured one.
            check(pro_compute_clearance(&one, &other, PRO_PART_CLEARANCE, &distance, &interference,
                                        closest),
                  kDistanceText);
            if (stopAtInterference && interference != 0) {
                return -1.0;
            }
            if (distance < smallest) {
                smallest = distance;
            }
        }
    }
    return smallest;
}

double Solid::DistanceEval(int firstId, CompPath& first, int secondId, CompPath& second) {
    ProGeomitem firstItem = itemOf(firstId, first);
    ProGeomitem secondItem = itemOf(secondId, second);
    ardotk::SelectionOwner one;
    check(ProSelectionAlloc(first.Host(), &firstItem, one.out()), kEvalText);
    ardotk::SelectionOwner other;
    check(ProSelectionAlloc(second.Host(), &secondItem, other.out()), kEvalText);
    double distance = 0.0;
    check(ProGeomitemDistanceEval(one.get(), other.get(), &distance), kEvalText);
    return distance;
}

}  // namespace Ardo
