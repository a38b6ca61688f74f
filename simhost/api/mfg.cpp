// Manufacturing models: their solid and assembly, the active operation and the visit
// of their tools.
#include <ProMfg.h>
#include <ProMfgoper.h>

#include <string>
#include <vector>

#include "simhost/api/feature_args.h"
#include "simhost/api/tool_args.h"
#include "simhost/core/entry.h"
#include "simhost/state/features.h"
#include "simhost/state/mfg.h"
#include "simhost/state/tools.h"

using namespace simhost::core;
using namespace simhost::state;
using simhost::api::featureHandle;
using simhost::api::handleArg;
using simhost::api::mfgOf;

extern "C" {

// A manufacturing model is its own solid and assembly.
ProError ProMfgSolidGet(const ProMfg mfg, ProSolid* r_solid_obj) try {
    SIMHOST_ENTER("ProMfgSolidGet", handleArg(mfg));
    SIMHOST_SESSION(s);
    Model* m = nullptr;
    if (r_solid_obj == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    if (ProError rc = mfgOf(s, mfg, m)) {
        return rc;
    }
    *r_solid_obj = static_cast<ProSolid>(modelHandle(m->id));
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProMfgAssemGet(const ProMfg mfg, ProAssembly* r_assem_obj) try {
    SIMHOST_ENTER("ProMfgAssemGet", handleArg(mfg));
    SIMHOST_SESSION(s);
    Model* m = nullptr;
    if (r_assem_obj == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    if (ProError rc = mfgOf(s, mfg, m)) {
        return rc;
    }
    *r_assem_obj = static_cast<ProAssembly>(modelHandle(m->id));
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProMfgToolVisit(const ProMfg mfg, ProMfgToolAction action_fnc, void* app_data) try {
    SIMHOST_ENTER("ProMfgToolVisit", handleArg(mfg));
    SIMHOST_SESSION(s);
    Model* m = nullptr;
    if (action_fnc == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    if (ProError rc = mfgOf(s, mfg, m)) {
        return rc;
    }
    // The action may create tools or erase the model: the ids are taken first and the
    // model looked up again at every turn.
    const int modelId = m->id;
    std::vector<std::wstring> ids;
    ids.reserve(tools(*m).list().size());
    for (const Tool& tool : tools(*m).list()) {
        ids.push_back(tool.id);
    }
    bool visited = false;
    for (const std::wstring& id : ids) {
        Model* now = simhost::api::modelOf(s, mfg);
        if (now == nullptr || now->id != modelId) {
            break;
        }
        ProTool tool{};
        copyWide(tool.tool_id, PRO_LINE_SIZE, id);
        tool.owner_mfg = mfg;
        visited = true;
        ProError rc = action_fnc(&tool, app_data);
        if (rc != PRO_TK_NO_ERROR) {
            return rc;
        }
    }
    return visited ? PRO_TK_NO_ERROR : PRO_TK_E_NOT_FOUND;
}
SIMHOST_CATCH

ProError ProMfgoperActiveGet(ProSolid mfg_solid, ProMfgoper* oper_feat) try {
    SIMHOST_ENTER("ProMfgoperActiveGet", handleArg(mfg_solid));
    SIMHOST_SESSION(s);
    Model* m = nullptr;
    if (oper_feat == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    if (ProError rc = mfgOf(s, mfg_solid, m)) {
        return rc;
    }
    int id = mfgState(*m).activeOperation;
    const Feature* f = id != 0 ? featureFind(*m, id) : nullptr;
    if (f == nullptr || f->type != kFeatOperation) {
        return PRO_TK_E_NOT_FOUND;
    }
    *oper_feat = featureHandle(*m, id);
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

}  // extern "C"
