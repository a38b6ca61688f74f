// External references: features that reference a geometry item of another model's
// feature (or the feature itself) through a selection whose component path goes down
// into components (depth > 0). Found by scanning the kept trees of the session's models
// when asked, so the answer always follows the models as they are now.
#pragma once

#include <ProAsmcomppath.h>
#include <ProObjects.h>

#include <cstdint>
#include <vector>

#include "simhost/state/sessions.h"

namespace simhost::state {

// One reference: the referencing feature and the path of its selection.
struct ExtRef {
    std::uintptr_t handle = 0;
    ProFeature feature{};      // the referencing feature
    ProAsmcomppath ownPath{};  // the referencing feature's model at depth 0
    ProAsmcomppath refPath{};  // the selection's path
};

// The references to the feature `id` of the model `owner`, in the order of the session's
// models and of their features.
std::vector<ExtRef> externalReferences(Session& session, const void* owner, int id);

// Handed-out references: live until erased, counted as live objects.
std::uintptr_t extRefAdd(const ExtRef& ref);
const ExtRef* extRefFind(const void* handle);
void extRefErase(const void* handle);

}  // namespace simhost::state
