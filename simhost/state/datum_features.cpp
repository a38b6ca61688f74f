#include "simhost/state/datum_features.h"

#include <ProObjects.h>

#include <cmath>
#include <optional>
#include <string>
#include <unordered_set>
#include <vector>

#include "simhost/core/wide.h"
#include "simhost/geometry/placement.h"
#include "simhost/state/components.h"
#include "simhost/state/dims.h"
#include "simhost/state/feature_hooks.h"
#include "simhost/state/features.h"
#include "simhost/state/model_files.h"
#include "simhost/state/sessions.h"

namespace simhost::state {

namespace {

using geometry::MoveKind;
using geometry::Placement;
using geometry::Vec3;

TreeNode* childOf(TreeNode& node, int id) {
    for (TreeNode& child : node.children) {
        if (child.id == id) {
            return &child;
        }
    }
    return nullptr;
}

const TreeNode* childOf(const TreeNode& node, int id) {
    return childOf(const_cast<TreeNode&>(node), id);
}

const ValueContent* valueOf(const TreeNode* node) {
    return node != nullptr && node->values.size() == 1 ? &node->values.front() : nullptr;
}

std::optional<int> intOf(const TreeNode* node) {
    const ValueContent* value = valueOf(node);
    if (value == nullptr || value->type != PRO_VALUE_TYPE_INT) {
        return std::nullopt;
    }
    return value->i;
}

// A double element; an integer counts as its value. Nullopt for anything else and for
// numbers that are not finite.
std::optional<double> doubleOf(const TreeNode* node) {
    const ValueContent* value = valueOf(node);
    if (value == nullptr) {
        return std::nullopt;
    }
    double d = value->type == PRO_VALUE_TYPE_DOUBLE ? value->d
               : value->type == PRO_VALUE_TYPE_INT  ? value->i
                                                    : NAN;
    return std::isfinite(d) ? std::optional<double>(d) : std::nullopt;
}

void doubleSet(TreeNode* node, double d) {
    if (node != nullptr && node->values.size() == 1) {
        node->values.front().type = PRO_VALUE_TYPE_DOUBLE;
        node->values.front().d = d;
    }
}

// Where the coordinate system (or datum point: its origin) that a selection element
// names sits in this model's frame: an item of the model itself, or one inside a
// component at any depth, the selection's path leading from this model to the item's
// model. Nullopt when the selection names no such item.
std::optional<Placement> itemSelected(Model& model, const TreeNode* node, int type) {
    const ValueContent* value = valueOf(node);
    if (value == nullptr || value->type != PRO_VALUE_TYPE_SELECTION || !value->r) {
        return std::nullopt;
    }
    const SelectionData& selection = *value->r;
    void* self = modelHandle(model.id);
    Model* end = &model;
    Placement along;
    if (selection.path && selection.path->table_num != 0) {
        Session* s = connected();
        if (s == nullptr || selection.path->owner != static_cast<ProSolid>(self) ||
            componentPathResolve(*s, model, selection.path->comp_id_table,
                                 selection.path->table_num, &end, &along) != PRO_TK_NO_ERROR) {
            return std::nullopt;
        }
    } else if (selection.path && selection.path->owner != static_cast<ProSolid>(self)) {
        return std::nullopt;
    }
    // A selection read from a file before the component models came into session has
    // lost its owner; its path still names the model.
    bool ownerLost = selection.item.owner == nullptr && end != &model;
    if (selection.item.type != type ||
        (selection.item.owner != modelHandle(end->id) && !ownerLost)) {
        return std::nullopt;
    }
    GeomItem* item = features(*end).item(selection.item.id);
    if (item == nullptr || item->type != type) {
        return std::nullopt;
    }
    return geometry::compose(along, item->place);
}

std::optional<Placement> csysSelected(Model& model, const TreeNode* node) {
    return itemSelected(model, node, PRO_CSYS);
}

// --- coordinate systems ---------------------------------------------------------

struct Move {
    MoveKind kind = MoveKind::TranslateX;
    TreeNode* value = nullptr;  // the value element, null when the move has none
    double given = 0.0;
};

struct CsysTree {
    const TreeNode* reference = nullptr;  // the selection element; null: no reference
    const TreeNode* origin = nullptr;     // a datum point the origin sits at, or null
    std::vector<Move> moves;
};

// Where the tree's system sits before its moves: the reference coordinate system, moved
// to the origin point when it has one.
std::optional<Placement> csysBase(Model& model, const CsysTree& tree) {
    std::optional<Placement> reference = csysSelected(model, tree.reference);
    if (reference && tree.origin != nullptr) {
        std::optional<Placement> point = itemSelected(model, tree.origin, PRO_POINT);
        if (!point) {
            return std::nullopt;
        }
        reference->origin = point->origin;
    }
    return reference;
}

// Reads an offset coordinate system's tree; a fault names the element the host refuses.
std::optional<TreeFault> csysRead(Model& model, TreeNode& tree, CsysTree& out) {
    TreeNode* constrs = childOf(tree, kElemCsysOriginConstrs);
    if (constrs == nullptr) {
        return std::nullopt;  // the default coordinate system
    }
    // One origin reference, a coordinate system the new one is offset from; a second one
    // may name a datum point where the origin sits, the axes staying those of the
    // coordinate system.
    if (constrs->children.empty() || constrs->children.size() > 2) {
        return TreeFault{kElemCsysOriginConstrs, PRO_TK_BAD_INPUTS};
    }
    for (const TreeNode& constr : constrs->children) {
        const TreeNode* ref = childOf(constr, kElemCsysOriginConstrRef);
        if (constr.id != kElemCsysOriginConstr) {
            return TreeFault{kElemCsysOriginConstrs, PRO_TK_BAD_INPUTS};
        }
        if (ref == nullptr) {
            return TreeFault{kElemCsysOriginConstrRef, PRO_TK_E_NOT_FOUND};
        }
        if (out.reference == nullptr && csysSelected(model, ref)) {
            out.reference = ref;
        } else if (out.origin == nullptr && itemSelected(model, ref, PRO_POINT)) {
            out.origin = ref;
        } else {
            return TreeFault{kElemCsysOriginConstrRef, PRO_TK_BAD_INPUTS};
        }
    }
    if (out.reference == nullptr) {
        return TreeFault{kElemCsysOriginConstrRef, PRO_TK_BAD_INPUTS};
    }
    if (const TreeNode* type = childOf(tree, kElemCsysOffsetType)) {
        if (intOf(type) != kOffsetCartesian) {
            return TreeFault{kElemCsysOffsetType, PRO_TK_BAD_INPUTS};
        }
    }
    if (TreeNode* moves = childOf(tree, kElemCsysOrientMoves)) {
        for (TreeNode& member : moves->children) {
            std::optional<int> kind = intOf(childOf(member, kElemCsysMoveType));
            if (member.id != kElemCsysOrientMove || !kind || !geometry::moveKindKnown(*kind)) {
                return TreeFault{kElemCsysMoveType, PRO_TK_BAD_INPUTS};
            }
            Move move;
            move.kind = static_cast<MoveKind>(*kind);
            move.value = childOf(member, kElemCsysMoveValue);
            if (move.value != nullptr) {
                std::optional<double> given = doubleOf(move.value);
                if (!given) {
                    return TreeFault{kElemCsysMoveValue, PRO_TK_BAD_INPUTS};
                }
                move.given = *given;
            }
            out.moves.push_back(move);
        }
    }
    return std::nullopt;
}

// The values that drive the feature's numbers: its dimensions when it has one for each
// number, else the numbers of its tree.
std::vector<double> drivingValues(Model& model, int featureId, const std::vector<double>& given) {
    std::vector<int> ids = dims(model).idsOfFeature(featureId);
    if (ids.size() != given.size()) {
        return given;
    }
    std::vector<double> values;
    values.reserve(ids.size());
    for (int id : ids) {
        values.push_back(dims(model).find(id)->value);
    }
    return values;
}

void csysPlace(Model& model, Feature& feature) {
    CsysTree tree;
    if (csysRead(model, feature.tree, tree) || tree.reference == nullptr) {
        return;  // the default or a placed coordinate system keeps its placement
    }
    std::optional<Placement> reference = csysBase(model, tree);
    GeomItem* own = nullptr;
    for (int id : feature.items) {
        GeomItem* item = features(model).item(id);
        if (item != nullptr && item->type == PRO_CSYS) {
            own = item;
            break;
        }
    }
    if (!reference || own == nullptr) {
        return;
    }
    std::vector<double> given;
    for (const Move& move : tree.moves) {
        given.push_back(move.given);
    }
    std::vector<double> values = drivingValues(model, feature.id, given);
    Placement offset;
    for (std::size_t k = 0; k < tree.moves.size(); ++k) {
        geometry::applyMove(offset, tree.moves[k].kind, values[k]);
        doubleSet(tree.moves[k].value, values[k]);
    }
    own->place = geometry::compose(*reference, offset);
}

// --- datum points ---------------------------------------------------------------

struct PointTree {
    const TreeNode* reference = nullptr;
    bool withDims = false;
    std::vector<TreeNode*> points;
    std::vector<std::string> names;  // upper case, empty: the feature's name
};

// `featureId`: the feature whose tree it is, 0 for a feature not yet made; its own
// points do not make their names taken.
std::optional<TreeFault> pointRead(Model& model, TreeNode& tree, int featureId, PointTree& out) {
    const TreeNode* type = childOf(tree, kElemDpointType);
    if (type == nullptr) {
        return TreeFault{kElemDpointType, PRO_TK_E_NOT_FOUND};
    }
    if (intOf(type) != kDpointTypeOffsetCsys) {
        return TreeFault{kElemDpointType, PRO_TK_BAD_INPUTS};
    }
    if (const TreeNode* ofst = childOf(tree, kElemDpointOfstCsysType)) {
        if (intOf(ofst) != kOffsetCartesian) {
            return TreeFault{kElemDpointOfstCsysType, PRO_TK_BAD_INPUTS};
        }
    }
    out.reference = childOf(tree, kElemDpointOfstCsysRef);
    if (out.reference == nullptr) {
        return TreeFault{kElemDpointOfstCsysRef, PRO_TK_E_NOT_FOUND};
    }
    if (!csysSelected(model, out.reference)) {
        return TreeFault{kElemDpointOfstCsysRef, PRO_TK_BAD_INPUTS};
    }
    if (const TreeNode* dimsNode = childOf(tree, kElemDpointOfstCsysWithDims)) {
        std::optional<int> with = intOf(dimsNode);
        if (!with || (*with != 0 && *with != 1)) {
            return TreeFault{kElemDpointOfstCsysWithDims, PRO_TK_BAD_INPUTS};
        }
        out.withDims = *with == 1;
    }
    TreeNode* list = childOf(tree, kElemDpointOfstCsysPnts);
    if (list == nullptr || list->children.empty()) {
        return TreeFault{kElemDpointOfstCsysPnts, PRO_TK_E_NOT_FOUND};
    }
    std::unordered_set<std::string> seen;
    for (TreeNode& point : list->children) {
        if (point.id != kElemDpointOfstCsysPnt) {
            return TreeFault{kElemDpointOfstCsysPnts, PRO_TK_BAD_INPUTS};
        }
        std::string name;
        if (const ValueContent* value = valueOf(childOf(point, kElemDpointOfstCsysPntName))) {
            if (value->type != PRO_VALUE_TYPE_WSTRING || !value->w) {
                return TreeFault{kElemDpointOfstCsysPntName, PRO_TK_BAD_INPUTS};
            }
            name = upperName(core::narrow(*value->w));
            const GeomItem* holder = features(model).itemByName(PRO_POINT, name);
            if (!name.empty() && (!modelNameValid(name) || !seen.insert(name).second ||
                                  (holder != nullptr && holder->featureId != featureId))) {
                return TreeFault{kElemDpointOfstCsysPntName,
                                 modelNameValid(name) ? PRO_TK_E_FOUND : PRO_TK_BAD_INPUTS};
            }
        }
        for (int dir : kElemDpointOfstCsysDir) {
            if (const TreeNode* node = childOf(point, dir); node != nullptr && !doubleOf(node)) {
                return TreeFault{dir, PRO_TK_BAD_INPUTS};
            }
        }
        out.points.push_back(&point);
        out.names.push_back(name);
    }
    return std::nullopt;
}

std::vector<double> pointOffsets(const PointTree& tree) {
    std::vector<double> given;
    for (const TreeNode* point : tree.points) {
        for (int dir : kElemDpointOfstCsysDir) {
            given.push_back(doubleOf(childOf(*point, dir)).value_or(0.0));
        }
    }
    return given;
}

void pointPlace(Model& model, Feature& feature) {
    PointTree tree;
    if (pointRead(model, feature.tree, feature.id, tree)) {
        return;
    }
    std::optional<Placement> reference = csysSelected(model, tree.reference);
    if (!reference) {
        return;
    }
    std::vector<double> values = drivingValues(model, feature.id, pointOffsets(tree));
    std::size_t k = 0;
    for (int id : feature.items) {
        GeomItem* item = features(model).item(id);
        if (item == nullptr || item->type != PRO_POINT || k >= tree.points.size()) {
            continue;
        }
        Vec3 local{values[3 * k], values[3 * k + 1], values[3 * k + 2]};
        for (int axis = 0; axis < 3; ++axis) {
            doubleSet(childOf(*tree.points[k], kElemDpointOfstCsysDir[axis]), local[axis]);
        }
        item->place = *reference;
        item->place.origin = geometry::placePoint(*reference, local);
        ++k;
    }
}

// --- the host's hooks -----------------------------------------------------------

// Makes the items and dimensions of a new feature; its tree passed the create check.
void featureMake(Model& model, Feature& feature) {
    FeatureStore& store = features(model);
    if (feature.type == kFeatCsys) {
        CsysTree tree;
        csysRead(model, feature.tree, tree);
        store.itemAdd(feature, PRO_CSYS);
        for (const Move& move : tree.moves) {
            dims(model).add(feature.id, move.given);
        }
    } else if (feature.type == kFeatDatumPoint) {
        PointTree tree;
        pointRead(model, feature.tree, feature.id, tree);
        for (const std::string& name : tree.names) {
            store.itemAdd(feature, PRO_POINT, name);
        }
        if (tree.withDims) {
            for (double value : pointOffsets(tree)) {
                dims(model).add(feature.id, value);
            }
        }
    } else {
        return;
    }
    datumFeaturePlace(model, feature);
}

const bool registered = [] {
    // The readers take the tree mutable because placing writes the driven values back;
    // checking only reads.
    featureCreateCheckAdd(kFeatCsys, [](Model& model, const TreeNode& tree) {
        CsysTree read;
        return csysRead(model, const_cast<TreeNode&>(tree), read);
    });
    featureCreateCheckAdd(kFeatDatumPoint, [](Model& model, const TreeNode& tree) {
        PointTree read;
        return pointRead(model, const_cast<TreeNode&>(tree), 0, read);
    });
    featureCreateHookAdd(featureMake);
    featureDefaultNameAdd(kFeatCsys, "CS");
    featureDefaultNameAdd(kFeatDatumPoint, "PNT");
    modelLoadHookAdd(datumPlacementsRegenerate);
    return true;
}();

}  // namespace

void datumFeaturePlace(Model& model, Feature& feature) {
    if (feature.type == kFeatCsys) {
        csysPlace(model, feature);
    } else if (feature.type == kFeatDatumPoint) {
        pointPlace(model, feature);
    } else {
        featurePlaceHooksRun(model, feature);
    }
}

void datumPlacementsRegenerate(Model& model) {
    FeatureStore& store = features(model);
    for (int id : store.order()) {
        Feature* feature = store.find(id);
        if (feature != nullptr && feature->status == kFeatActive) {
            datumFeaturePlace(model, *feature);
        }
    }
}

}  // namespace simhost::state
