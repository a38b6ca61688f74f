// The option objects of the 3D export: allocation, flags, release. Each kind is known
// as its own: freeing or setting one through the function of another kind is refused.
#include "simhost/api/output_options.h"

#include <string>

#include "simhost/api/enum_args.h"
#include "simhost/api/live_kind.h"
#include "simhost/core/entry.h"

namespace {

// One table of live objects per kind; never destroyed, so that a session ending during
// the program's exit still finds them.
template <typename Object>
simhost::api::LiveKind& liveOf() {
    static auto* kind = new simhost::api::LiveKind;
    return *kind;
}

template <typename Object>
void release(const void* p) {
    liveOf<Object>().forget(p);
    delete static_cast<const Object*>(p);
}

template <typename Object>
ProError allocate(Object** out) {
    if (out == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    auto* object = new Object{};
    liveOf<Object>().add(object, release<Object>);
    *out = object;
    return PRO_TK_NO_ERROR;
}

template <typename Object>
ProError freeLive(Object* object) {
    if (!liveOf<Object>().remove(object)) {
        return PRO_TK_BAD_INPUTS;
    }
    release<Object>(object);
    return PRO_TK_NO_ERROR;
}

template <typename Object>
Object* liveObject(Object* object) {
    return liveOf<Object>().live(object) ? object : nullptr;
}

// A flag as the host reads it: PRO_B_FALSE or PRO_B_TRUE, nothing else.
bool flag(const ProBoolean& value, bool& out) {
    if (!simhost::api::booleanValid(value)) {
        return false;
    }
    out = simhost::api::plainInt(value) == PRO_B_TRUE;
    return true;
}

std::string flagArg(const ProBoolean& value) {
    return std::to_string(simhost::api::plainInt(value));
}

}  // namespace

namespace simhost::api {

const pro_output_brep* outputBrepFind(ProOutputBrepRepresentation handle) {
    return liveObject(handle);
}

const pro_output_inclusion* outputInclusionFind(ProOutputInclusion handle) {
    return liveObject(handle);
}

const pro_output_layers* outputLayersFind(ProOutputLayerOptions handle) {
    return liveObject(handle);
}

}  // namespace simhost::api

extern "C" {

ProError ProOutputBrepRepresentationAlloc(ProOutputBrepRepresentation* representation) try {
    SIMHOST_ENTER("ProOutputBrepRepresentationAlloc");
    return allocate(representation);
}
SIMHOST_CATCH

ProError ProOutputBrepRepresentationFlagsSet(ProOutputBrepRepresentation representation,
                                             ProBoolean as_wireframe, ProBoolean as_surfaces,
                                             ProBoolean as_solid, ProBoolean as_quilts) try {
    SIMHOST_ENTER("ProOutputBrepRepresentationFlagsSet", flagArg(as_wireframe),
                  flagArg(as_surfaces), flagArg(as_solid), flagArg(as_quilts));
    pro_output_brep* object = liveObject(representation);
    pro_output_brep set;
    if (object == nullptr || !flag(as_wireframe, set.wireframe) ||
        !flag(as_surfaces, set.surfaces) || !flag(as_solid, set.solid) ||
        !flag(as_quilts, set.quilts) ||
        !(set.wireframe || set.surfaces || set.solid || set.quilts)) {
        return PRO_TK_BAD_INPUTS;
    }
    *object = set;
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProOutputBrepRepresentationFree(ProOutputBrepRepresentation representation) try {
    SIMHOST_ENTER("ProOutputBrepRepresentationFree");
    return freeLive(representation);
}
SIMHOST_CATCH

ProError ProOutputInclusionAlloc(ProOutputInclusion* inclusion) try {
    SIMHOST_ENTER("ProOutputInclusionAlloc");
    return allocate(inclusion);
}
SIMHOST_CATCH

ProError ProOutputInclusionFlagsSet(ProOutputInclusion inclusion, ProBoolean include_datums,
                                    ProBoolean include_blanked, ProBoolean include_facetted) try {
    SIMHOST_ENTER("ProOutputInclusionFlagsSet", flagArg(include_datums), flagArg(include_blanked),
                  flagArg(include_facetted));
    pro_output_inclusion* object = liveObject(inclusion);
    pro_output_inclusion set;
    if (object == nullptr || !flag(include_datums, set.datums) ||
        !flag(include_blanked, set.blanked) || !flag(include_facetted, set.facetted)) {
        return PRO_TK_BAD_INPUTS;
    }
    *object = set;
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProOutputInclusionFree(ProOutputInclusion inclusion) try {
    SIMHOST_ENTER("ProOutputInclusionFree");
    return freeLive(inclusion);
}
SIMHOST_CATCH

ProError ProOutputLayerOptionsAlloc(ProOutputLayerOptions* layer_options) try {
    SIMHOST_ENTER("ProOutputLayerOptionsAlloc");
    return allocate(layer_options);
}
SIMHOST_CATCH

ProError ProOutputLayerOptionsAutoidSet(ProOutputLayerOptions options, ProBoolean auto_ids) try {
    SIMHOST_ENTER("ProOutputLayerOptionsAutoidSet", flagArg(auto_ids));
    pro_output_layers* object = liveObject(options);
    bool value = false;
    if (object == nullptr || !flag(auto_ids, value)) {
        return PRO_TK_BAD_INPUTS;
    }
    object->autoIds = value;
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProOutputLayerOptionsFree(ProOutputLayerOptions options) try {
    SIMHOST_ENTER("ProOutputLayerOptionsFree");
    return freeLive(options);
}
SIMHOST_CATCH

}  // extern "C"
