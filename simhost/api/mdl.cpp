// Models as a whole: load, create, save, copy, rename, erase, names and data.
#include <ProArray.h>
#include <ProMdl.h>

#include <string>
#include <vector>

#include "simhost/api/model_args.h"
#include "simhost/core/arrays.h"
#include "simhost/core/entry.h"
#include "simhost/core/wide.h"
#include "simhost/state/model_session.h"
#include "simhost/state/models.h"
#include "simhost/state/windows.h"

using namespace simhost::core;
using namespace simhost::state;
using simhost::api::handleArg;
using simhost::api::modelOf;
using simhost::api::wideArg;
using simhost::api::wideText;

extern "C" {

ProError ProMdlLoad(ProPath full_path, ProMdlType type, ProBoolean ask_user_about_reps,
                    ProMdl* p_handle) {
    SIMHOST_ENTER("ProMdlLoad", wideArg(full_path, PRO_PATH_SIZE), std::to_string(type));
    SIMHOST_SESSION(s);
    (void)ask_user_about_reps;
    std::string path;
    if (!wideText(full_path, PRO_PATH_SIZE, path) || p_handle == nullptr ||
        (type != PRO_MDL_UNUSED && !modelTypeKnown(type))) {
        return PRO_TK_BAD_INPUTS;
    }
    Model* model = nullptr;
    int rc = modelLoad(*s, path, type, &model);
    if (rc != PRO_TK_NO_ERROR) {
        return static_cast<ProError>(rc);
    }
    *p_handle = modelHandle(model->id);
    return PRO_TK_NO_ERROR;
}

ProError ProMdlInit(ProName name, ProMdlType type, ProMdl* p_mdl_handle) {
    SIMHOST_ENTER("ProMdlInit", wideArg(name, PRO_NAME_SIZE), std::to_string(type));
    SIMHOST_SESSION(s);
    std::string text;
    if (!wideText(name, PRO_NAME_SIZE, text) || p_mdl_handle == nullptr || !modelTypeKnown(type)) {
        return PRO_TK_BAD_INPUTS;
    }
    Model* model = s->area<ModelStore>().byName(text, type);
    if (model == nullptr) {
        return PRO_TK_E_NOT_FOUND;
    }
    *p_mdl_handle = modelHandle(model->id);
    return PRO_TK_NO_ERROR;
}

ProError ProMdlCurrentGet(ProMdl* p_handle) {
    SIMHOST_ENTER("ProMdlCurrentGet");
    SIMHOST_SESSION(s);
    if (p_handle == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    int modelId = s->area<WindowStore>().current().modelId;
    if (modelId == 0) {
        return PRO_TK_BAD_CONTEXT;
    }
    *p_handle = modelHandle(modelId);
    return PRO_TK_NO_ERROR;
}

ProError ProMdlNameGet(ProMdl handle, ProName name) {
    SIMHOST_ENTER("ProMdlNameGet", handleArg(handle));
    SIMHOST_SESSION(s);
    Model* model = modelOf(s, handle);
    if (model == nullptr || name == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    copyWide(name, PRO_NAME_SIZE, widen(model->name));
    return PRO_TK_NO_ERROR;
}

ProError ProMdlTypeGet(ProMdl model, ProMdlType* p_type) {
    SIMHOST_ENTER("ProMdlTypeGet", handleArg(model));
    SIMHOST_SESSION(s);
    Model* m = modelOf(s, model);
    if (m == nullptr || p_type == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    *p_type = static_cast<ProMdlType>(m->type);
    return PRO_TK_NO_ERROR;
}

ProError ProMdlSubtypeGet(ProMdl model, ProMdlsubtype* subtype) {
    SIMHOST_ENTER("ProMdlSubtypeGet", handleArg(model));
    SIMHOST_SESSION(s);
    Model* m = modelOf(s, model);
    if (m == nullptr || subtype == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    if (m->subtype == PROMDLSTYPE_NONE) {
        return PRO_TK_BAD_CONTEXT;
    }
    *subtype = static_cast<ProMdlsubtype>(m->subtype);
    return PRO_TK_NO_ERROR;
}

ProError ProMdlIdGet(ProMdl model, int* p_id) {
    SIMHOST_ENTER("ProMdlIdGet", handleArg(model));
    SIMHOST_SESSION(s);
    Model* m = modelOf(s, model);
    if (m == nullptr || p_id == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    *p_id = m->id;
    return PRO_TK_NO_ERROR;
}

ProError ProMdlToModelitem(ProMdl mdl, ProModelitem* p_model_item) {
    SIMHOST_ENTER("ProMdlToModelitem", handleArg(mdl));
    SIMHOST_SESSION(s);
    Model* m = modelOf(s, mdl);
    if (m == nullptr || p_model_item == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    p_model_item->type = static_cast<ProType>(m->type);
    p_model_item->id = m->id;
    p_model_item->owner = mdl;
    return PRO_TK_NO_ERROR;
}

ProError ProMdldataGet(ProMdl handle, ProMdldata* p_data) {
    SIMHOST_ENTER("ProMdldataGet", handleArg(handle));
    SIMHOST_SESSION(s);
    Model* m = modelOf(s, handle);
    if (m == nullptr || p_data == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    *p_data = ProMdldata{};
    copyWide(p_data->name, 80, widen(m->name));
    copyWide(p_data->type, 10, widen(modelTypeText(m->type)));
    std::string dir = (m->directory / "").string();
    copyWide(p_data->path, PRO_PATH_SIZE, widen(dir));
    copyWide(p_data->device, 20, L"");
    copyWide(p_data->host, 80, L"");
    p_data->version = m->version;
    p_data->subclass = m->subtype;
    return PRO_TK_NO_ERROR;
}

ProError ProMdlSave(ProMdl handle) {
    SIMHOST_ENTER("ProMdlSave", handleArg(handle));
    SIMHOST_SESSION(s);
    Model* m = modelOf(s, handle);
    if (m == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    return static_cast<ProError>(modelSave(*m));
}

ProError ProMdlBackup(ProMdl handle, ProMdldata* model_info) {
    SIMHOST_ENTER("ProMdlBackup", handleArg(handle),
                  model_info == nullptr ? std::string() : wideArg(model_info->path, PRO_PATH_SIZE));
    SIMHOST_SESSION(s);
    Model* m = modelOf(s, handle);
    std::string dir;
    if (m == nullptr || model_info == nullptr || !wideText(model_info->path, PRO_PATH_SIZE, dir)) {
        return PRO_TK_BAD_INPUTS;
    }
    std::filesystem::path target(dir);
    if (target.is_relative()) {
        target = s->workDir / target;
    }
    return static_cast<ProError>(modelBackup(*m, target));
}

ProError ProMdlCopy(ProMdl handle, ProName new_name, ProMdl* p_new_handle) {
    SIMHOST_ENTER("ProMdlCopy", handleArg(handle), wideArg(new_name, PRO_NAME_SIZE));
    SIMHOST_SESSION(s);
    Model* m = modelOf(s, handle);
    std::string name;
    if (m == nullptr || !wideText(new_name, PRO_NAME_SIZE, name)) {
        return PRO_TK_BAD_INPUTS;
    }
    Model* copy = nullptr;
    int rc = modelCopy(*s, *m, name, &copy);
    if (rc != PRO_TK_NO_ERROR) {
        return static_cast<ProError>(rc);
    }
    if (p_new_handle != nullptr) {
        *p_new_handle = modelHandle(copy->id);
    }
    return PRO_TK_NO_ERROR;
}

ProError ProMdlRename(ProMdl handle, ProName new_name) {
    SIMHOST_ENTER("ProMdlRename", handleArg(handle), wideArg(new_name, PRO_NAME_SIZE));
    SIMHOST_SESSION(s);
    Model* m = modelOf(s, handle);
    std::string name;
    if (m == nullptr || !wideText(new_name, PRO_NAME_SIZE, name)) {
        return PRO_TK_BAD_INPUTS;
    }
    return static_cast<ProError>(modelRename(*s, *m, name));
}

ProError ProMdlErase(ProMdl handle) {
    SIMHOST_ENTER("ProMdlErase", handleArg(handle));
    SIMHOST_SESSION(s);
    Model* m = modelOf(s, handle);
    if (m == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    return static_cast<ProError>(modelErase(*s, *m));
}

ProError ProMdlEraseAll(ProMdl model) {
    SIMHOST_ENTER("ProMdlEraseAll", handleArg(model));
    SIMHOST_SESSION(s);
    Model* m = modelOf(s, model);
    if (m == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    return static_cast<ProError>(modelEraseAll(*s, *m));
}

ProError ProMdlModifVerify(ProMdl handle, ProBoolean* p_modified) {
    SIMHOST_ENTER("ProMdlModifVerify", handleArg(handle));
    SIMHOST_SESSION(s);
    Model* m = modelOf(s, handle);
    if (m == nullptr || p_modified == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    *p_modified = m->modified ? PRO_B_TRUE : PRO_B_FALSE;
    return PRO_TK_NO_ERROR;
}

ProError ProMdlDisplay(ProMdl model) {
    SIMHOST_ENTER("ProMdlDisplay", handleArg(model));
    SIMHOST_SESSION(s);
    Model* m = modelOf(s, model);
    if (m == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    s->area<WindowStore>().display(m->id);
    return PRO_TK_NO_ERROR;
}

ProError ProMdlWindowGet(ProMdl mdl, int* window_id) {
    SIMHOST_ENTER("ProMdlWindowGet", handleArg(mdl));
    SIMHOST_SESSION(s);
    Model* m = modelOf(s, mdl);
    if (m == nullptr || window_id == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    Window* window = s->area<WindowStore>().ofModel(m->id);
    if (window == nullptr) {
        return PRO_TK_E_NOT_FOUND;
    }
    *window_id = window->id;
    return PRO_TK_NO_ERROR;
}

ProError ProTreetoolRefresh(ProMdl model) {
    SIMHOST_ENTER("ProTreetoolRefresh", handleArg(model));
    SIMHOST_SESSION(s);
    if (modelOf(s, model) == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    return PRO_TK_NO_ERROR;
}

ProError ProSessionMdlList(ProMdlType model_type, ProMdl** p_model_array, int* p_count) {
    SIMHOST_ENTER("ProSessionMdlList", std::to_string(model_type));
    SIMHOST_SESSION(s);
    if (p_model_array == nullptr || p_count == nullptr || !modelTypeKnown(model_type)) {
        return PRO_TK_BAD_INPUTS;
    }
    std::vector<ProMdl> handles;
    for (Model* m : s->area<ModelStore>().list(model_type)) {
        handles.push_back(modelHandle(m->id));
    }
    if (handles.empty()) {
        return PRO_TK_E_NOT_FOUND;
    }
    *p_model_array = arrayOf(handles.data(), static_cast<int>(handles.size()));
    *p_count = static_cast<int>(handles.size());
    return PRO_TK_NO_ERROR;
}

}  // extern "C"
