// Model items by type: each host area that keeps items of a type registers how the
// item functions (init by id and by name, names) find and name them.
#pragma once

#include <ProToolkit.h>

#include <functional>
#include <optional>
#include <string>

#include "simhost/state/models.h"

namespace simhost::state {

struct ModelitemKind {
    // True when the model has an item of this type with the id.
    std::function<bool(Model&, int id)> exists;
    // The item's name in upper case; nullopt when the item has none.
    std::function<std::optional<std::string>(Model&, int id)> nameGet;
    // Renames to an upper-case, valid name: PRO_TK_NO_ERROR or a result code.
    std::function<ProError(Model&, int id, const std::string& name)> nameSet;
    // The id of the item with that upper-case name, 0 when there is none.
    std::function<int(Model&, const std::string& name)> byName;
};

// Whether the item of `type` and `id` is the model itself: its own type and id, or, for
// a manufacturing model, which stands for its own assembly (ProMfgAssemGet answers the
// model), the assembly type and its id.
bool itemIsModel(const Model& model, int type, int id);

void modelitemKindAdd(int type, ModelitemKind kind);
// Null for a type no area keeps.
const ModelitemKind* modelitemKind(int type);

}  // namespace simhost::state
