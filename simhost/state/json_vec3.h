// Points and directions of model files: lists of three finite numbers.
#pragma once

#include <nlohmann/json.hpp>

#include "simhost/geometry/placement.h"

namespace simhost::state {

// The list of three numbers `value`; throws std::invalid_argument for anything else.
geometry::Vec3 vec3In(const nlohmann::json& value);
// The three numbers `key` of the object `entry`; throws std::invalid_argument (placed at
// the key) for anything else.
geometry::Vec3 keyVec3(const nlohmann::json& entry, const char* key);
nlohmann::json vec3Json(const geometry::Vec3& v);

}  // namespace simhost::state
