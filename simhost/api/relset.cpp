// Relation sets of solids and features.
#include <ProRelSet.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "simhost/api/owner_args.h"
#include "simhost/core/arrays.h"
#include "simhost/core/entry.h"
#include "simhost/state/relsets.h"

using namespace simhost::core;
using namespace simhost::state;
using simhost::api::handleArg;
using simhost::api::isSolid;
using simhost::api::itemArg;
using simhost::api::modelOf;

namespace {

// The set a relation-set handle (or an owner item) names: PRO_TK_NO_ERROR, PRO_TK_BAD_INPUTS or
// PRO_TK_E_NOT_FOUND (a feature that is gone).
ProError relsetOf(Session* s, const ProModelitem* handle, Model*& model, ItemKey& key) {
    if (handle == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    model = modelOf(s, handle->owner);
    if (model == nullptr || !isSolid(*model)) {
        return PRO_TK_BAD_INPUTS;
    }
    key = ItemKey{handle->type, handle->id};
    if (handle->type == PRO_FEATURE) {
        return featureFind(*model, handle->id) != nullptr ? PRO_TK_NO_ERROR : PRO_TK_E_NOT_FOUND;
    }
    return relsets(*model).lines(*model, key) != nullptr ? PRO_TK_NO_ERROR : PRO_TK_BAD_INPUTS;
}

ProRelset handleOf(int modelId, const ItemKey& key) {
    ProRelset out;
    out.type = static_cast<ProType>(key.type);
    out.id = key.id;
    out.owner = modelHandle(modelId);
    return out;
}

}  // namespace

extern "C" {

ProError ProSolidRelsetVisit(ProMdl model, ProSolidRelsetVisitAction action,
                             ProAppData caller_data) try {
    SIMHOST_ENTER("ProSolidRelsetVisit", handleArg(model));
    SIMHOST_SESSION(s);
    Model* m = modelOf(s, model);
    if (m == nullptr || !isSolid(*m) || action == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    // The owners are taken first; a set whose feature is deleted meanwhile is passed
    // over.
    int modelId = m->id;
    for (const ItemKey& key : relsets(*m).owners(*m)) {
        ProRelset handle = handleOf(modelId, key);
        Model* current = nullptr;
        ItemKey checked;
        if (relsetOf(s, &handle, current, checked) != PRO_TK_NO_ERROR) {
            continue;
        }
        ProError result = action(&handle, caller_data);
        if (result != PRO_TK_NO_ERROR) {
            return result;
        }
    }
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProRelsetToModelitem(ProRelset* p_relset, ProModelitem* p_item) try {
    SIMHOST_ENTER("ProRelsetToModelitem", itemArg(p_relset));
    SIMHOST_SESSION(s);
    Model* model = nullptr;
    ItemKey key;
    if (p_item == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    ProError rc = relsetOf(s, p_relset, model, key);
    if (rc != PRO_TK_NO_ERROR) {
        return rc;
    }
    *p_item = handleOf(model->id, key);
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProModelitemToRelset(ProModelitem* p_item, ProRelset* p_relset) try {
    SIMHOST_ENTER("ProModelitemToRelset", itemArg(p_item));
    SIMHOST_SESSION(s);
    Model* model = nullptr;
    ItemKey key;
    if (p_relset == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    ProError rc = relsetOf(s, p_item, model, key);
    if (rc != PRO_TK_NO_ERROR) {
        return rc;
    }
    *p_relset = handleOf(model->id, key);
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProRelsetRelationsGet(ProRelset* p_relset, ProWstring** p_line_array) try {
    SIMHOST_ENTER("ProRelsetRelationsGet", itemArg(p_relset));
    SIMHOST_SESSION(s);
    Model* model = nullptr;
    ItemKey key;
    if (p_line_array == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    ProError rc = relsetOf(s, p_relset, model, key);
    if (rc != PRO_TK_NO_ERROR) {
        return rc;
    }
    const std::vector<std::wstring>& lines = *relsets(*model).lines(*model, key);
    // The texts live in one block owned by the array: ProArrayFree releases them all.
    std::size_t chars = 1;
    for (const auto& line : lines) {
        chars += line.size() + 1;
    }
    auto* block = static_cast<wchar_t*>(std::malloc(chars * sizeof(wchar_t)));
    if (block == nullptr) {
        return PRO_TK_OUT_OF_MEMORY;
    }
    auto* array = static_cast<ProWstring*>(
        arrayAlloc(static_cast<int>(lines.size()), static_cast<int>(sizeof(ProWstring))));
    arrayOwn(array, block);
    wchar_t* next = block;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        array[i] = next;
        next += lines[i].copy(next, lines[i].size());
        *next++ = L'\0';
    }
    if (arrayLive(*p_line_array)) {
        arrayFree(*p_line_array);
    }
    *p_line_array = array;
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProRelsetRelationsSet(ProRelset* p_relset, ProWstring* line_array, int n_lines) try {
    SIMHOST_ENTER("ProRelsetRelationsSet", itemArg(p_relset), std::to_string(n_lines));
    SIMHOST_SESSION(s);
    Model* model = nullptr;
    ItemKey key;
    if (n_lines < 0 || (n_lines > 0 && line_array == nullptr)) {
        return PRO_TK_BAD_INPUTS;
    }
    std::vector<std::wstring> lines;
    lines.reserve(static_cast<std::size_t>(n_lines));
    for (int i = 0; i < n_lines; ++i) {
        if (line_array[i] == nullptr) {
            return PRO_TK_BAD_INPUTS;
        }
        lines.emplace_back(line_array[i]);
        if (lines.back().size() > kRelationLineMax) {
            return PRO_TK_LINE_TOO_LONG;
        }
    }
    ProError rc = relsetOf(s, p_relset, model, key);
    if (rc != PRO_TK_NO_ERROR) {
        return rc;
    }
    relsets(*model).replace(*model, key, std::move(lines));
    model->touch();
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

}  // extern "C"
