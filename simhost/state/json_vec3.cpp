#include "simhost/state/json_vec3.h"

#include <stdexcept>

#include "simhost/state/json_numbers.h"
#include "simhost/state/json_place.h"

namespace simhost::state {

geometry::Vec3 vec3In(const nlohmann::json& value) {
    const nlohmann::json& list = listOf(value);
    if (list.size() != 3) {
        throw std::invalid_argument("three numbers expected");
    }
    geometry::Vec3 out{};
    for (std::size_t k = 0; k < 3; ++k) {
        JsonPlace at(k);
        out[k] = doubleIn(list[k]);
    }
    return out;
}

geometry::Vec3 keyVec3(const nlohmann::json& entry, const char* key) {
    JsonPlace place(key);
    return vec3In(entry.at(key));
}

nlohmann::json vec3Json(const geometry::Vec3& v) {
    return nlohmann::json::array({v[0], v[1], v[2]});
}

}  // namespace simhost::state
