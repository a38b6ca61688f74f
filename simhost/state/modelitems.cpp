// The registry of model-item kinds, and the kinds of the models themselves.
#include "simhost/state/modelitems.h"

#include <ProToolkit.h>

#include <map>

namespace simhost::state {

namespace {

std::map<int, ModelitemKind>& kinds() {
    static std::map<int, ModelitemKind> registry;
    return registry;
}

// A model is an item of its own type with its own id; it is named by ProMdlRename,
// not as an item.
ModelitemKind modelKind(int type) {
    ModelitemKind kind;
    kind.exists = [type](Model& model, int id) { return itemIsModel(model, type, id); };
    kind.nameGet = [](Model& model, int) -> std::optional<std::string> { return model.name; };
    kind.nameSet = [](Model&, int, const std::string&) { return PRO_TK_BAD_CONTEXT; };
    kind.byName = [type](Model& model, const std::string& name) {
        return model.type == type && model.name == name ? model.id : 0;
    };
    return kind;
}

const bool registered = [] {
    for (int type : {kAssembly, kPart, kDrawing, kMfg}) {
        kinds()[type] = modelKind(type);
    }
    return true;
}();

}  // namespace

bool itemIsModel(const Model& model, int type, int id) {
    return model.id == id && (model.type == type || (model.type == kMfg && type == kAssembly));
}

void modelitemKindAdd(int type, ModelitemKind kind) {
    kinds()[type] = std::move(kind);
}

const ModelitemKind* modelitemKind(int type) {
    auto it = kinds().find(type);
    return it == kinds().end() ? nullptr : &it->second;
}

}  // namespace simhost::state
