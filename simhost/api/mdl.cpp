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
                    ProMdl* p_handle) try {
    SIMHOST_ENTER("ProMdlLoad", wideArg(full_path, PRO_PATH_SIZE), std::to_string(type));
    SIMHOST_SESSION(s);
    (void)ask_user_about_reps;
    std::string path;
    if (!wideText(full_path, PRO_PATH_SIZE, path) || p_handle == nullptr ||
        (type != PRO_MDL_UNUSED && !modelTypeKnown(type))) {
        return PRO_TK_BAD_INPUTS;
    }
    Model* model = nullptr;
    ProError rc = modelLoad(*s, path, type, &model);
    if (rc != PRO_TK_NO_ERROR) {
        return rc;
    }
    *p_handle = modelHandle(model->id);
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProMdlInit(ProName name, ProMdlType type, ProMdl* p_mdl_handle) try {
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
SIMHOST_CATCH

ProError ProMdlCurrentGet(ProMdl* p_handle) try {
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
SIMHOST_CATCH

ProError ProMdlNameGet(ProMdl handle, ProName name) try {
    SIMHOST_ENTER("ProMdlNameGet", handleArg(handle));
    SIMHOST_SESSION(s);
    Model* model = modelOf(s, handle);
    if (model == nullptr || name == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    copyWide(name, PRO_NAME_SIZE, widen(model->name));
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProMdlTypeGet(ProMdl model, ProMdlType* p_type) try {
    SIMHOST_ENTER("ProMdlTypeGet", handleArg(model));
    SIMHOST_SESSION(s);
    Model* m = modelOf(s, model);
    if (m == nullptr || p_type == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    *p_type = static_cast<ProMdlType>(m->type);
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProMdlSubtypeGet(ProMdl model, ProMdlsubtype* subtype) try {
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
SIMHOST_CATCH

ProError ProMdlIdGet(ProMdl model, int* p_id) try {
    SIMHOST_ENTER("ProMdlIdGet", handleArg(model));
    SIMHOST_SESSION(s);
    Model* m = modelOf(s, model);
    if (m == nullptr || p_id == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    *p_id = m->id;
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProMdlToModelitem(ProMdl mdl, ProModelitem* p_model_item) try {
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
SIMHOST_CATCH

ProError ProMdldataGet(ProMdl handle, ProMdldata* p_data) try {
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
SIMHOST_CATCH

ProError ProMdlSave(ProMdl handle) try {
    SIMHOST_ENTER("ProMdlSave", handleArg(handle));
    SIMHOST_SESSION(s);
    Model* m = modelOf(s, handle);
    if (m == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    if (!m->hasFile) {
        m->directory = s->workDir;
    }
    return modelSave(*m);
}
SIMHOST_CATCH

ProError ProMdlBackup(ProMdl handle, ProMdldata* model_info) try {
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
    return modelBackup(*m, target);
}
SIMHOST_CATCH

ProError ProMdlCopy(ProMdl handle, ProName new_name, ProMdl* p_new_handle) try {
    SIMHOST_ENTER("ProMdlCopy", handleArg(handle), wideArg(new_name, PRO_NAME_SIZE));
    SIMHOST_SESSION(s);
    Model* m = modelOf(s, handle);
    std::string name;
    if (m == nullptr || !wideText(new_name, PRO_NAME_SIZE, name)) {
        return PRO_TK_BAD_INPUTS;
    }
    Model* copy = nullptr;
    ProError rc = modelCopy(*s, *m, name, &copy);
    if (rc != PRO_TK_NO_ERROR) {
        return rc;
    }
    if (p_new_handle != nullptr) {
        *p_new_handle = modelHandle(copy->id);
    }
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProMdlRename(ProMdl handle, ProName new_name) try {
    SIMHOST_ENTER("ProMdlRename", handleArg(handle), wideArg(new_name, PRO_NAME_SIZE));
    SIMHOST_SESSION(s);
    Model* m = modelOf(s, handle);
    std::string name;
    if (m == nullptr || !wideText(new_name, PRO_NAME_SIZE, name)) {
        return PRO_TK_BAD_INPUTS;
    }
    return modelRename(*s, *m, name);
}
SIMHOST_CATCH

ProError ProMdlErase(ProMdl handle) try {
    SIMHOST_ENTER("ProMdlErase", handleArg(handle));
    SIMHOST_SESSION(s);
    Model* m = modelOf(s, handle);
    if (m == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    return modelErase(*s, *m);
}
SIMHOST_CATCH

ProError ProMdlEraseAll(ProMdl model) try {
    SIMHOST_ENTER("ProMdlEraseAll", handleArg(model));
    SIMHOST_SESSION(s);
    Model* m = modelOf(s, model);
    if (m == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    return modelEraseAll(*s, *m);
}
SIMHOST_CATCH

ProError ProMdlModifVerify(ProMdl handle, ProBoolean* p_modified) try {
    SIMHOST_ENTER("ProMdlModifVerify", handleArg(handle));
    SIMHOST_SESSION(s);
    Model* m = modelOf(s, handle);
    if (m == nullptr || p_modified == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    *p_modified = m->modified ? PRO_B_TRUE : PRO_B_FALSE;
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProMdlDisplay(ProMdl model) try {
    SIMHOST_ENTER("ProMdlDisplay", handleArg(model));
    SIMHOST_SESSION(s);
    Model* m = modelOf(s, model);
    if (m == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    s->area<WindowStore>().display(m->id);
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProMdlWindowGet(ProMdl mdl, int* window_id) try {
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
SIMHOST_CATCH

ProError ProTreetoolRefresh(ProMdl model) try {
    SIMHOST_ENTER("ProTreetoolRefresh", handleArg(model));
    SIMHOST_SESSION(s);
    if (modelOf(s, model) == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProSessionMdlList(ProMdlType model_type, ProMdl** p_model_array, int* p_count) try {
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
SIMHOST_CATCH

}  // extern "C"
