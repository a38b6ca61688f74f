#include "simhost/state/revolves.h"

#include <ProObjects.h>
#include <ProValue.h>

#include <algorithm>
#include <cmath>
#include <optional>

#include "simhost/geometry/kernel_revolve.h"
#include "simhost/state/datum_planes.h"
#include "simhost/state/feature_hooks.h"
#include "simhost/state/features.h"
#include "simhost/state/model_files.h"
#include "simhost/state/revolve_store.h"
#include "simhost/state/sections.h"
#include "simhost/state/tree_read.h"

namespace simhost::state {

namespace {

namespace geo = simhost::geometry;
using geo::Placement;
using geo::Vec3;

constexpr double kPi = 3.14159265358979323846;
constexpr double kPerpendicular = 1e-9;

struct RevolveTree {
    Placement frame;
    double first = 360.0;  // degrees
    double second = 0.0;
    const SectionData* section = nullptr;  // the section element's object, if any
};

bool isRevolve(const TreeNode& tree) {
    return treeInt(treeChild(&tree, kElemFeatureForm)) == kFeatureFormRevolve;
}

double dot(const Vec3& a, const Vec3& b) {
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

Vec3 cross(const Vec3& a, const Vec3& b) {
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

Vec3 scaled(const Vec3& v, double s) {
    return {v[0] * s, v[1] * s, v[2] * s};
}

// An element that must hold the integer `wanted` when present.
std::optional<TreeFault> fixedInt(const TreeNode& tree, int id, int wanted) {
    const TreeNode* node = treeChild(&tree, id);
    if (node != nullptr && treeInt(node) != wanted) {
        return TreeFault{id, PRO_TK_BAD_INPUTS};
    }
    return std::nullopt;
}

std::optional<TreeFault> angleRead(const TreeNode& tree, int side, int valueId, double& out) {
    const TreeNode* node = treeChild(treeChild(treeChild(&tree, kElemRevAngle), side), valueId);
    if (node == nullptr) {
        return std::nullopt;
    }
    std::optional<double> value = treeDouble(node);
    if (!value || *value < 0.0 || *value > 360.0) {
        return TreeFault{valueId, PRO_TK_BAD_INPUTS};
    }
    out = *value;
    return std::nullopt;
}

std::optional<TreeFault> frameRead(Model& model, const TreeNode& setup, Placement& frame) {
    const SelectionData* planeSel = treeSelection(treeChild(&setup, kElemSecPlane));
    std::optional<Placement> plane =
        planeSel != nullptr ? datumPlaneFrame(model, *planeSel) : std::nullopt;
    if (!plane) {
        return TreeFault{kElemSecPlane, PRO_TK_BAD_INPUTS};
    }
    const SelectionData* refSel = treeSelection(treeChild(&setup, kElemSecPlaneOrientRef));
    std::optional<Placement> reference =
        refSel != nullptr ? datumPlaneFrame(model, *refSel) : std::nullopt;
    if (!reference || std::fabs(dot(reference->z, plane->z)) > kPerpendicular) {
        return TreeFault{kElemSecPlaneOrientRef, PRO_TK_BAD_INPUTS};
    }
    std::optional<int> view = treeInt(treeChild(&setup, kElemSecPlaneViewDir));
    if (view != 1 && view != -1) {
        return TreeFault{kElemSecPlaneViewDir, PRO_TK_BAD_INPUTS};
    }
    std::optional<int> orient = treeInt(treeChild(&setup, kElemSecPlaneOrientDir));
    if (orient != 1 && orient != -1) {
        return TreeFault{kElemSecPlaneOrientDir, PRO_TK_BAD_INPUTS};
    }
    frame.origin = plane->origin;
    frame.y = scaled(reference->z, *orient);
    frame.z = scaled(plane->z, *view);
    frame.x = cross(frame.y, frame.z);
    return std::nullopt;
}

std::optional<TreeFault> revolveRead(Model& model, const TreeNode& tree, RevolveTree& out) {
    for (auto [id, wanted] : {std::pair<int, int>{kElemSolidType, kFeatSolid},
                              {kElemRemoveMaterial, -1},
                              {kElemIsThin, 0}}) {
        if (std::optional<TreeFault> fault = fixedInt(tree, id, wanted)) {
            return fault;
        }
    }
    if (auto fault = angleRead(tree, kElemRevAngleFrom, kElemRevAngleFromVal, out.first)) {
        return fault;
    }
    if (auto fault = angleRead(tree, kElemRevAngleTo, kElemRevAngleToVal, out.second)) {
        return fault;
    }
    if (!(out.first + out.second > 0.0) || out.first + out.second > 360.0) {
        return TreeFault{kElemRevAngle, PRO_TK_BAD_INPUTS};
    }
    const TreeNode* section = treeChild(&tree, kElemStdSection);
    const TreeNode* setup = treeChild(section, kElemSecSetupPlane);
    if (setup == nullptr) {
        return TreeFault{kElemSecSetupPlane, PRO_TK_E_NOT_FOUND};
    }
    if (std::optional<TreeFault> fault = frameRead(model, *setup, out.frame)) {
        return fault;
    }
    if (const TreeNode* sketch = treeChild(section, kElemSketcher)) {
        const ValueContent* value = treeValue(sketch);
        out.section = value != nullptr && value->type == PRO_VALUE_TYPE_POINTER
                          ? sectionFind(value->p)
                          : nullptr;
        if (out.section == nullptr) {
            return TreeFault{kElemSketcher, PRO_TK_BAD_INPUTS};
        }
    }
    return std::nullopt;
}

// The signed distances from the axis that the entity reaches, lowest and highest.
std::pair<double, double> sideRange(const SectionEntity& entity, const Point2& p0,
                                    const Point2& normal) {
    auto side = [&](const Point2& p) {
        return (p[0] - p0[0]) * normal[0] + (p[1] - p0[1]) * normal[1];
    };
    double a = side(entityStart(entity));
    double b = side(entityEnd(entity));
    double low = std::min(a, b);
    double high = std::max(a, b);
    if (entity.type == PRO_2D_ARC) {
        // The arc reaches centre +- radius along the normal where it passes that angle.
        double phi = std::atan2(normal[1], normal[0]);
        double sweep = std::fmod(entity.endAngle - entity.startAngle, 2.0 * kPi);
        if (sweep <= 0.0) {
            sweep += 2.0 * kPi;
        }
        double centre = side(entity.a);
        for (double extreme : {phi, phi + kPi}) {
            double from = std::fmod(extreme - entity.startAngle, 2.0 * kPi);
            if (from < 0.0) {
                from += 2.0 * kPi;
            }
            if (from <= sweep) {
                double reach = centre + entity.radius * std::cos(extreme - phi);
                low = std::min(low, reach);
                high = std::max(high, reach);
            }
        }
    }
    return {low, high};
}

// Makes the solid of a section in a frame; kernel id in *solid.
ProError revolveBuild(const SectionData& section, const RevolveTree& tree, int* solid) {
    std::vector<std::vector<LoopStep>> loops;
    if (!sectionProblems(section, &loops).empty() || loops.size() != 1) {
        return PRO_TK_GENERAL_ERROR;
    }
    const SectionEntity* axis = nullptr;
    for (const SectionEntity& entity : section.entities) {
        if (entity.type == PRO_2D_CENTER_LINE) {
            if (axis != nullptr) {
                return PRO_TK_GENERAL_ERROR;  // which one would be the axis?
            }
            axis = &entity;
        }
    }
    if (axis == nullptr) {
        return PRO_TK_GENERAL_ERROR;
    }
    double length = std::hypot(axis->b[0] - axis->a[0], axis->b[1] - axis->a[1]);
    Point2 direction{(axis->b[0] - axis->a[0]) / length, (axis->b[1] - axis->a[1]) / length};
    Point2 normal{-direction[1], direction[0]};
    double low = 0.0;
    double high = 0.0;
    for (const LoopStep& step : loops.front()) {
        auto [l, h] = sideRange(section.entities[step.entity], axis->a, normal);
        low = std::min(low, l);
        high = std::max(high, h);
    }
    if (low < -section.epsilon && high > section.epsilon) {
        return PRO_TK_GENERAL_ERROR;  // the profile crosses its axis
    }
    Vec3 origin = modelPoint(tree.frame, axis->a);
    Vec3 along = geo::placeDirection(tree.frame, {direction[0], direction[1], 0.0});
    return geo::solidRevolve(loopEdges(section, loops.front(), tree.frame), origin, along,
                             tree.second * kPi / 180.0, tree.first * kPi / 180.0, solid);
}

bool sameFrame(const Placement& a, const Placement& b) {
    return a.origin == b.origin && a.x == b.x && a.y == b.y && a.z == b.z;
}

// A solid made by a check, waiting for the hook that makes or redefines the feature.
struct Pending {
    int model = 0;
    int solid = 0;
    Placement frame;
    SectionData section;
    bool incomplete = false;
};

std::optional<Pending>& pending() {
    static std::optional<Pending> waiting;
    return waiting;
}

void pendingDrop() {
    if (pending()) {
        geo::solidFree(pending()->solid);
        pending().reset();
    }
}

// Checks a revolve tree for creation or redefinition and, for a section with a
// profile, makes its solid. The code of the refusal, or 0.
std::optional<TreeFault> revolveCheck(Model& model, const TreeNode& tree, bool incompleteAllowed) {
    pendingDrop();
    RevolveTree read;
    if (std::optional<TreeFault> fault = revolveRead(model, tree, read)) {
        return fault;
    }
    Pending made;
    made.model = model.id;
    made.frame = read.frame;
    if (read.section != nullptr) {
        made.section = *read.section;
    }
    bool empty = made.section.entities.empty();
    if (empty && incompleteAllowed) {
        made.incomplete = true;
    } else if (ProError rc = revolveBuild(made.section, read, &made.solid)) {
        return TreeFault{kElemSketcher, rc};
    }
    pending() = std::move(made);
    return std::nullopt;
}

// The kept tree holds no section object: the host keeps the section itself.
void sketchStrip(TreeNode& tree) {
    for (TreeNode& child : tree.children) {
        if (child.id == kElemStdSection) {
            auto& kids = child.children;
            kids.erase(std::remove_if(kids.begin(), kids.end(),
                                      [](const TreeNode& n) { return n.id == kElemSketcher; }),
                       kids.end());
        }
    }
}

void revolveTake(Model& model, Feature& feature) {
    if (feature.type != kFeatSolid || !isRevolve(feature.tree) || !pending() ||
        pending()->model != model.id) {
        return;
    }
    Pending made = std::move(*pending());
    pending().reset();
    Revolve& kept = revolves(model).at(feature.id);
    geo::solidFree(kept.solid);
    kept.solid = made.solid;
    kept.frame = made.frame;
    kept.incomplete = made.incomplete;
    kept.entities = std::move(made.section.entities);
    kept.nextId = made.section.nextId;
    kept.epsilon = made.section.epsilon;
    sketchStrip(feature.tree);
}

// Regeneration and load: the solid follows its planes (and their coordinate system).
void revolvePlace(Model& model, Feature& feature) {
    RevolveStore& store = revolves(model);
    Revolve* kept = store.find(feature.id);
    RevolveTree read;
    if (kept == nullptr || kept->incomplete || !isRevolve(feature.tree) ||
        revolveRead(model, feature.tree, read)) {
        return;
    }
    if (kept->solid != 0 && sameFrame(kept->frame, read.frame)) {
        return;
    }
    SectionData section;
    section.entities = kept->entities;
    section.epsilon = kept->epsilon;
    int solid = 0;
    geo::solidFree(kept->solid);
    kept->solid = revolveBuild(section, read, &solid) == PRO_TK_NO_ERROR ? solid : 0;
    kept->frame = read.frame;
}

// The tree handed to a caller gets the section as element 458 under 447, owned by it.
void sketchAdd(Model& model, const Feature& feature, ProElement root) {
    const Revolve* kept = revolves(model).find(feature.id);
    Element* top = elementFind(root);
    if (kept == nullptr || top == nullptr) {
        return;
    }
    for (Element* child : top->children) {
        if (child->id != kElemStdSection) {
            continue;
        }
        SectionData data;
        data.entities = kept->entities;
        data.nextId = kept->nextId;
        data.epsilon = kept->epsilon;
        RevolveTree read;
        if (!revolveRead(model, feature.tree, read)) {
            data.frame = read.frame;
        }
        data.model = modelHandle(model.id);
        ValueContent content;
        content.type = PRO_VALUE_TYPE_POINTER;
        ProSection section = sectionCreate(std::move(data));
        content.p = section;
        ProValue value = valueCreate(content);
        sectionFind(section)->ownerValue = valueFind(value)->handle;
        ProElement sketch = elementCreate(kElemSketcher);
        elementValuesSet(elementOf(sketch), {valueFind(value)}, false);
        elementChildAdd(*child, elementOf(sketch));
        return;
    }
}

const bool registered = [] {
    featureCreateCheckAdd(kFeatSolid, [](Model& model, const TreeNode& tree) {
        return isRevolve(tree) ? revolveCheck(model, tree, FeatureCreateIncomplete::asked())
                               : std::nullopt;
    });
    featureRedefineCheckAdd(kFeatSolid, [](Model& model, const TreeNode& tree) {
        if (!isRevolve(tree)) {
            return PRO_TK_NO_ERROR;
        }
        std::optional<TreeFault> fault = revolveCheck(model, tree, false);
        return fault ? fault->code : PRO_TK_NO_ERROR;
    });
    featureCreateHookAdd([](Model& model, Feature& feature) {
        if (feature.type == kFeatSolid && isRevolve(feature.tree)) {
            revolves(model).add(feature.id);
            revolveTake(model, feature);
        }
    });
    featureRedefineHookAdd(revolveTake);
    featurePlaceHookAdd(kFeatSolid, revolvePlace);
    featureElemtreeHookAdd(sketchAdd);
    featureDeleteHookAdd([](Model& model, int id) { revolves(model).erase(id); });
    return true;
}();

}  // namespace

std::vector<int> revolveSolids(Model& model) {
    std::vector<int> out;
    RevolveStore& store = revolves(model);
    for (int id : features(model).order()) {
        const Revolve* kept = store.find(id);
        const Feature* feature = featureFind(model, id);
        if (kept != nullptr && kept->solid != 0 && feature->status == kFeatActive) {
            out.push_back(kept->solid);
        }
    }
    return out;
}

bool revolvesDeclared(Model& model) {
    RevolveStore& store = revolves(model);
    for (int id : features(model).order()) {
        const Revolve* kept = store.find(id);
        if (kept != nullptr && !kept->incomplete) {
            return true;
        }
    }
    return false;
}

}  // namespace simhost::state
