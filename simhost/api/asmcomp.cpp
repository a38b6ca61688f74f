// Assembly components: assembly by matrix, models, component types, constraints and
// their references, the scripted placement dialog.
#include <ProAsmcomp.h>

#include <string>
#include <vector>

#include "simhost/api/feature_args.h"
#include "simhost/core/allocations.h"
#include "simhost/core/arrays.h"
#include "simhost/core/entry.h"
#include "simhost/state/component_add.h"
#include "simhost/state/components.h"
#include "simhost/state/placement_dialog.h"
#include "simhost/state/selections.h"

using namespace simhost::core;
using namespace simhost::state;
namespace geometry = simhost::geometry;
using simhost::api::featureArg;
using simhost::api::featureHandle;
using simhost::api::featureOf;
using simhost::api::handleArg;
using simhost::api::modelOf;

// A constraint handed out by ProAsmcompConstraintsGet: a copy, owned by its array.
struct pro_asm_constraint_full {
    ComponentConstraint constraint;
    int ownerId = 0;      // the component's owner, the root of the assembly reference's path
    int componentId = 0;  // the component model; 0 when it is not in session
};

namespace {

void constraintRelease(const void* p) {
    delete static_cast<const pro_asm_constraint_full*>(p);
}

// The owner and record of a component handle: PRO_TK_BAD_INPUTS for no handle or a
// feature that is no component, PRO_TK_E_NOT_FOUND for a feature that is gone.
ProError componentArg(Session* s, const ProAsmcomp* handle, Model*& owner, Component*& component) {
    Feature* feature = nullptr;
    if (ProError rc = featureOf(s, handle, owner, feature)) {
        return rc;
    }
    component = componentOf(*owner, feature->id);
    return component != nullptr ? PRO_TK_NO_ERROR : PRO_TK_BAD_INPUTS;
}

const pro_asm_constraint_full* constraintArg(ProAsmcompconstraint constraint) {
    return constraint != nullptr && allocationLive(constraint) ? constraint : nullptr;
}

// A placement from a matrix in the host's row layout (rows 0 to 2 the axes, row 3 the
// origin, last column 0 0 0 1); false when it is not orthonormal or not of that form.
bool placementOfMatrix(const ProMatrix m, geometry::Placement& out) {
    for (int r = 0; r < 4; ++r) {
        if (m[r][3] != (r == 3 ? 1.0 : 0.0)) {
            return false;
        }
    }
    out.x = {m[0][0], m[0][1], m[0][2]};
    out.y = {m[1][0], m[1][1], m[1][2]};
    out.z = {m[2][0], m[2][1], m[2][2]};
    out.origin = {m[3][0], m[3][1], m[3][2]};
    return geometry::orthonormal(out, 1e-6);
}

ProSelection csysSelection(int modelId, int csysId, const ProAsmcomppath* path) {
    SelectionData data;
    data.item.type = PRO_CSYS;
    data.item.id = csysId;
    data.item.owner = modelHandle(modelId);
    if (path != nullptr) {
        data.path = *path;
    }
    return selectionCreate(data);
}

}  // namespace

extern "C" {

ProError ProAsmcompAssemble(ProAssembly owner_assembly, ProSolid component_model,
                            ProMatrix init_pos, ProAsmcomp* feature) try {
    SIMHOST_ENTER("ProAsmcompAssemble", handleArg(owner_assembly), handleArg(component_model));
    SIMHOST_SESSION(s);
    Model* owner = modelOf(s, owner_assembly);
    Model* model = modelOf(s, component_model);
    geometry::Placement placement;
    if (owner == nullptr || model == nullptr || init_pos == nullptr || feature == nullptr ||
        (model->type != kPart && model->type != kAssembly) ||
        !placementOfMatrix(init_pos, placement)) {
        return PRO_TK_BAD_INPUTS;
    }
    if ((owner->type != kAssembly && owner->type != kMfg) ||
        componentContains(*s, *model, *owner) ||
        1 + componentLevels(*s, *model) > kComponentLevelsMax) {
        return PRO_TK_BAD_CONTEXT;
    }
    Feature* made = nullptr;
    if (ProError rc = componentAdd(*owner, *model, placement, &made)) {
        return rc;
    }
    *feature = featureHandle(*owner, made->id);
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProAsmcompMdlGet(ProAsmcomp* p_feat_handle, ProMdl* p_mdl_handle) try {
    SIMHOST_ENTER("ProAsmcompMdlGet", featureArg(p_feat_handle));
    SIMHOST_SESSION(s);
    Model* owner = nullptr;
    Component* component = nullptr;
    if (p_mdl_handle == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    if (ProError rc = componentArg(s, p_feat_handle, owner, component)) {
        return rc;
    }
    Model* model = componentModel(*s, *component);
    if (model == nullptr) {
        return PRO_TK_E_NOT_FOUND;
    }
    *p_mdl_handle = modelHandle(model->id);
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProAsmcompTypeGet(ProAsmcomp* comp, const ProAssembly top_assem,
                           ProAsmcompType* r_type) try {
    SIMHOST_ENTER("ProAsmcompTypeGet", featureArg(comp), handleArg(top_assem));
    SIMHOST_SESSION(s);
    Model* owner = nullptr;
    Component* component = nullptr;
    if (r_type == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    if (ProError rc = componentArg(s, comp, owner, component)) {
        return rc;
    }
    *r_type = static_cast<ProAsmcompType>(component->compType);
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProAsmcompTypeSet(ProAsmcomp* comp, const ProAssembly top_assem, ProAsmcompType type) try {
    SIMHOST_ENTER("ProAsmcompTypeSet", featureArg(comp), handleArg(top_assem),
                  std::to_string(type));
    SIMHOST_SESSION(s);
    Model* owner = nullptr;
    Component* component = nullptr;
    if (ProError rc = componentArg(s, comp, owner, component)) {
        return rc;
    }
    if (type < PRO_ASM_COMP_TYPE_NONE || type > PRO_ASM_COMP_TYPE_NO_DEF_ASSUM) {
        return PRO_TK_BAD_INPUTS;
    }
    if (component->compType != type) {
        component->compType = type;
        owner->touch();
    }
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProAsmcompConstraintsGet(ProAsmcomp* component_handle,
                                  ProAsmcompconstraint** p_constraints) try {
    SIMHOST_ENTER("ProAsmcompConstraintsGet", featureArg(component_handle));
    SIMHOST_SESSION(s);
    Model* owner = nullptr;
    Component* component = nullptr;
    if (p_constraints == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    if (ProError rc = componentArg(s, component_handle, owner, component)) {
        return rc;
    }
    if (component->constraints.empty()) {
        return PRO_TK_E_NOT_FOUND;
    }
    Model* model = componentModel(*s, *component);
    std::vector<ProAsmcompconstraint> handles;
    for (const ComponentConstraint& constraint : component->constraints) {
        auto* copy =
            new pro_asm_constraint_full{constraint, owner->id, model != nullptr ? model->id : 0};
        allocationAdd(copy, constraintRelease);
        handles.push_back(copy);
    }
    *p_constraints = arrayOf(handles.data(), static_cast<int>(handles.size()));
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProAsmcompconstraintArrayFree(ProAsmcompconstraint* p_constraints) try {
    SIMHOST_ENTER("ProAsmcompconstraintArrayFree");
    if (p_constraints == nullptr || !arrayLive(p_constraints)) {
        return PRO_TK_BAD_INPUTS;
    }
    for (int i = 0; i < arraySize(p_constraints); ++i) {
        if (allocationRemove(p_constraints[i])) {
            constraintRelease(p_constraints[i]);
        }
    }
    arrayFree(p_constraints);
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProAsmcompconstraintTypeGet(ProAsmcompconstraint constraint,
                                     ProAsmcompConstrType* type) try {
    SIMHOST_ENTER("ProAsmcompconstraintTypeGet");
    const pro_asm_constraint_full* live = constraintArg(constraint);
    if (live == nullptr || type == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    *type = static_cast<ProAsmcompConstrType>(live->constraint.type);
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProAsmcompconstraintCompreferenceGet(ProAsmcompconstraint constraint,
                                              ProSelection* comp_ref,
                                              ProDatumside* comp_orient) try {
    SIMHOST_ENTER("ProAsmcompconstraintCompreferenceGet");
    const pro_asm_constraint_full* live = constraintArg(constraint);
    if (live == nullptr || comp_ref == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    if (live->constraint.type != kConstrCsys) {
        return PRO_TK_E_NOT_FOUND;
    }
    *comp_ref = csysSelection(live->componentId, live->constraint.compCsys, nullptr);
    if (comp_orient != nullptr) {
        *comp_orient = PRO_DATUM_SIDE_NONE;
    }
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProAsmcompconstraintAsmreferenceGet(ProAsmcompconstraint constraint, ProSelection* asm_ref,
                                             ProDatumside* asm_orient) try {
    SIMHOST_ENTER("ProAsmcompconstraintAsmreferenceGet");
    SIMHOST_SESSION(s);
    const pro_asm_constraint_full* live = constraintArg(constraint);
    if (live == nullptr || asm_ref == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    if (live->constraint.type != kConstrCsys) {
        return PRO_TK_E_NOT_FOUND;
    }
    const std::vector<int>& ids = live->constraint.assemPath;
    Model* owner = s->area<ModelStore>().byId(live->ownerId);
    Model* end = nullptr;
    if (owner == nullptr ||
        componentPathResolve(*s, *owner, ids.data(), static_cast<int>(ids.size()), &end, nullptr) !=
            PRO_TK_NO_ERROR) {
        return PRO_TK_E_NOT_FOUND;
    }
    ProAsmcomppath path{};
    path.owner = static_cast<ProSolid>(modelHandle(owner->id));
    path.table_num = static_cast<int>(ids.size());
    for (std::size_t k = 0; k < ids.size(); ++k) {
        path.comp_id_table[k] = ids[k];
    }
    *asm_ref = csysSelection(end->id, live->constraint.assemCsys, &path);
    if (asm_orient != nullptr) {
        *asm_orient = PRO_DATUM_SIDE_NONE;
    }
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProAsmcompConstrRemove(ProAsmcomp* p_feat_handle, int index) try {
    SIMHOST_ENTER("ProAsmcompConstrRemove", featureArg(p_feat_handle), std::to_string(index));
    SIMHOST_SESSION(s);
    Model* owner = nullptr;
    Component* component = nullptr;
    if (ProError rc = componentArg(s, p_feat_handle, owner, component)) {
        return rc;
    }
    std::vector<ComponentConstraint>& constraints = component->constraints;
    if (index == -1) {
        constraints.clear();
    } else if (index >= 0 && index < static_cast<int>(constraints.size())) {
        constraints.erase(constraints.begin() + index);
    } else {
        return PRO_TK_BAD_INPUTS;
    }
    owner->touch();
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProAsmcompConstrRedefUI(ProAsmcomp* p_feat_handle) try {
    SIMHOST_ENTER("ProAsmcompConstrRedefUI", featureArg(p_feat_handle));
    SIMHOST_SESSION(s);
    Model* owner = nullptr;
    Component* component = nullptr;
    if (ProError rc = componentArg(s, p_feat_handle, owner, component)) {
        return rc;
    }
    PlacementAnswer answer = placementAnswerNext(*s);
    switch (answer.kind) {
        case PlacementAnswer::Kind::Cancel:
            return PRO_TK_USER_ABORT;
        case PlacementAnswer::Kind::Matrix:
            component->constraints.clear();
            component->placement = answer.placement;
            break;
        case PlacementAnswer::Kind::Default:
            component->constraints = {ComponentConstraint{}};
            component->placement = geometry::Placement{};
            break;
    }
    owner->touch();
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

}  // extern "C"
