// UDF placement: the placement data with its references, the references a definition
// requires, and the placement itself.
#include <ProUdf.h>

#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "simhost/api/enum_args.h"
#include "simhost/api/model_args.h"
#include "simhost/core/allocations.h"
#include "simhost/core/arrays.h"
#include "simhost/core/entry.h"
#include "simhost/state/groups.h"
#include "simhost/state/load_diagnostic.h"
#include "simhost/state/selections.h"
#include "simhost/state/udf_definitions.h"

using namespace simhost::core;
using namespace simhost::state;
using simhost::api::handleArg;
using simhost::api::isSolid;
using simhost::api::modelOf;
using simhost::api::plainInt;
using simhost::api::wideArg;
using simhost::api::wideBuffer;

struct pro_udf_reference_new {
    std::wstring prompt;
    SelectionData selection;
    bool external = false;
};

struct pro_udf_data_new {
    bool named = false;
    UdfDefinition definition;
    int dependency = PROUDFDEPENDENCY_INDEPENDENT;
    int scaleType = PROUDFSCALETYPE_SAME_SIZE;
    double scale = 1.0;
    int dimDisplay = PROUDFDIMDISP_NORMAL;
    std::vector<std::unique_ptr<pro_udf_reference_new>> references;
};

// An entry of the array ProUdfdataRequiredreferencesGet hands out; the entries live in
// a block tied to the array.
struct pro_udf_required_ref {
    wchar_t prompt[PRO_LINE_SIZE];
    int type;
};

namespace {

void dataRelease(const void* p) {
    delete static_cast<const pro_udf_data_new*>(p);
}

// References not yet given to data. The contract has no free for them: the host keeps
// them (not counted as the caller's objects) until data takes them or the session ends.
std::unordered_map<const void*, std::unique_ptr<pro_udf_reference_new>>& looseReferences() {
    static auto* pool = [] {
        auto* made = new std::unordered_map<const void*, std::unique_ptr<pro_udf_reference_new>>();
        allocationsOnReleaseAll([made] { made->clear(); });
        return made;
    }();
    return *pool;
}

ProUdfdata liveData(ProUdfdata data) {
    return data != nullptr && allocationLive(data) ? data : nullptr;
}

// Required-reference entry -> the array holding it; an entry is valid while its array
// is live.
std::unordered_map<const void*, const void*>& requiredOwners() {
    static std::unordered_map<const void*, const void*> owners;
    return owners;
}

const pro_udf_required_ref* liveRequired(ProUdfRequiredRef reference) {
    auto it = requiredOwners().find(reference);
    if (it == requiredOwners().end()) {
        return nullptr;
    }
    if (!arrayLive(it->second)) {
        requiredOwners().erase(it);
        return nullptr;
    }
    return reference;
}

template <typename Enum>
bool enumIn(const Enum& value, int low, int high) {
    const int raw = plainInt(value);
    return raw >= low && raw <= high;
}

std::string dataArg(ProUdfdata data) {
    return data != nullptr && allocationLive(data) && data->named ? data->definition.name
                                                                  : std::string();
}

}  // namespace

extern "C" {

ProError ProUdfdataAlloc(ProUdfdata* data) try {
    SIMHOST_ENTER("ProUdfdataAlloc");
    if (data == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    auto made = std::make_unique<pro_udf_data_new>();
    allocationAdd(made.get(), dataRelease);
    *data = made.release();
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProUdfdataFree(ProUdfdata data) try {
    SIMHOST_ENTER("ProUdfdataFree", dataArg(data));
    if (liveData(data) == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    allocationRemove(data);
    dataRelease(data);
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProUdfdataNameSet(ProUdfdata data, ProName udf_name, ProName instance) try {
    SIMHOST_ENTER("ProUdfdataNameSet", dataArg(data), wideArg(udf_name, PRO_NAME_SIZE));
    SIMHOST_SESSION(s);
    std::wstring name;
    std::wstring instanceName;
    if (liveData(data) == nullptr || !wideBuffer(udf_name, PRO_NAME_SIZE, name) ||
        (instance != nullptr && !wideBuffer(instance, PRO_NAME_SIZE, instanceName))) {
        return PRO_TK_BAD_INPUTS;
    }
    UdfDefinition definition;
    std::string diagnostic;
    ProError rc = udfDefinitionFind(*s, name, definition, diagnostic);
    if (rc != PRO_TK_NO_ERROR) {
        if (!diagnostic.empty()) {
            loadDiagnosticSet(diagnostic);
        }
        return rc;
    }
    data->definition = std::move(definition);
    data->named = true;
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProUdfdataDependencySet(ProUdfdata data, ProUdfdependency dependency) try {
    SIMHOST_ENTER("ProUdfdataDependencySet", dataArg(data), std::to_string(plainInt(dependency)));
    if (liveData(data) == nullptr ||
        !enumIn(dependency, PROUDFDEPENDENCY_INDEPENDENT, PROUDFDEPENDENCY_UDF_DRIVEN)) {
        return PRO_TK_BAD_INPUTS;
    }
    data->dependency = dependency;
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProUdfdataScaleSet(ProUdfdata data, ProUdfscaletype type, double scale) try {
    SIMHOST_ENTER("ProUdfdataScaleSet", dataArg(data), std::to_string(plainInt(type)),
                  std::to_string(scale));
    if (liveData(data) == nullptr ||
        !enumIn(type, PROUDFSCALETYPE_SAME_SIZE, PROUDFSCALETYPE_USER) || !(scale > 0.0) ||
        scale > 1e6) {
        return PRO_TK_BAD_INPUTS;
    }
    data->scaleType = type;
    data->scale = scale;
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProUdfdataDimdisplaySet(ProUdfdata data, ProUdfdimdisplay dim_display) try {
    SIMHOST_ENTER("ProUdfdataDimdisplaySet", dataArg(data), std::to_string(plainInt(dim_display)));
    if (liveData(data) == nullptr ||
        !enumIn(dim_display, PROUDFDIMDISP_NORMAL, PROUDFDIMDISP_BLANK)) {
        return PRO_TK_BAD_INPUTS;
    }
    data->dimDisplay = dim_display;
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProUdfdataRequiredreferencesGet(ProUdfdata data,
                                         ProUdfRequiredRef** required_references) try {
    SIMHOST_ENTER("ProUdfdataRequiredreferencesGet", dataArg(data));
    if (liveData(data) == nullptr || !data->named || required_references == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    const std::vector<UdfReference>& refs = data->definition.references;
    const int count = static_cast<int>(refs.size());
    auto* block = static_cast<pro_udf_required_ref*>(
        std::calloc(refs.empty() ? 1 : refs.size(), sizeof(pro_udf_required_ref)));
    if (block == nullptr) {
        return PRO_TK_OUT_OF_MEMORY;
    }
    auto* array = static_cast<ProUdfRequiredRef*>(
        arrayAlloc(count, static_cast<int>(sizeof(ProUdfRequiredRef))));
    arrayOwn(array, block);
    for (int k = 0; k < count; ++k) {
        copyWide(block[k].prompt, PRO_LINE_SIZE, refs[k].prompt);
        block[k].type = refs[k].type;
        array[k] = &block[k];
        requiredOwners()[&block[k]] = array;
    }
    *required_references = array;
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProUdfrequiredrefPromptGet(ProUdfRequiredRef reference, ProLine prompt) try {
    SIMHOST_ENTER("ProUdfrequiredrefPromptGet");
    const pro_udf_required_ref* ref = liveRequired(reference);
    if (ref == nullptr || prompt == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    std::wcscpy(prompt, ref->prompt);
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProUdfrequiredrefTypeGet(ProUdfRequiredRef reference, ProType* type) try {
    SIMHOST_ENTER("ProUdfrequiredrefTypeGet");
    const pro_udf_required_ref* ref = liveRequired(reference);
    if (ref == nullptr || type == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    *type = static_cast<ProType>(ref->type);
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProUdfreferenceAlloc(ProLine prompt, ProSelection ref_item, ProBoolean external,
                              ProUdfreference* reference) try {
    SIMHOST_ENTER("ProUdfreferenceAlloc", wideArg(prompt, PRO_LINE_SIZE), std::to_string(external));
    std::wstring text;
    const Selection* selection = selectionFind(ref_item);
    if (!wideBuffer(prompt, PRO_LINE_SIZE, text) || text.empty() || selection == nullptr ||
        (external != PRO_B_TRUE && external != PRO_B_FALSE) || reference == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    auto made = std::make_unique<pro_udf_reference_new>();
    made->prompt = text;
    made->selection = selection->data;
    made->external = external == PRO_B_TRUE;
    *reference = made.get();
    looseReferences()[made.get()] = std::move(made);
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProUdfdataReferenceAdd(ProUdfdata data, ProUdfreference reference) try {
    SIMHOST_ENTER("ProUdfdataReferenceAdd", dataArg(data));
    auto loose = looseReferences().find(reference);
    if (liveData(data) == nullptr || loose == looseReferences().end()) {
        return PRO_TK_BAD_INPUTS;
    }
    // The data takes the reference over: it goes with the data.
    data->references.push_back(std::move(loose->second));
    looseReferences().erase(loose);
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProUdfCreate(ProSolid solid, ProUdfdata data, ProAsmcomppath* asm_reference,
                      ProUdfCreateOption* options, int n_options, ProGroup* udf) try {
    SIMHOST_ENTER("ProUdfCreate", handleArg(solid), dataArg(data), std::to_string(n_options));
    SIMHOST_SESSION(s);
    Model* m = modelOf(s, solid);
    if (m == nullptr || !isSolid(*m) || liveData(data) == nullptr || !data->named ||
        udf == nullptr || n_options < 0 || (n_options > 0 && options == nullptr) ||
        (asm_reference != nullptr &&
         (asm_reference->table_num < 0 || asm_reference->table_num > PRO_MAX_ASSEM_LEVEL))) {
        return PRO_TK_BAD_INPUTS;
    }
    for (int k = 0; k < n_options; ++k) {
        if (!enumIn(options[k], PROUDFOPT_EDIT_MENU, PROUDFOPT_FIX_MODEL_UI_OFF)) {
            return PRO_TK_BAD_INPUTS;
        }
    }
    std::vector<UdfPlacedReference> references;
    for (const auto& reference : data->references) {
        references.push_back({reference->prompt, reference->selection});
    }
    int groupId = 0;
    if (ProError rc = udfPlace(*s, *m, data->definition, references, groupId)) {
        return rc;
    }
    udf->type = PRO_GROUP;
    udf->id = groupId;
    udf->owner = solid;
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

}  // extern "C"
