// Views of a model and their section of the model file:
//   "views": {"current": {"x": [1, 0, 0], "y": [0, 1, 0], "z": [0, 0, 1]},
//             "named": [{"name": "FRONT", "x": [..], "y": [..], "z": [..]}]}
#include "simhost/state/views.h"

#include <stdexcept>

#include "simhost/state/json_place.h"
#include "simhost/state/json_vec3.h"
#include "simhost/state/model_files.h"

namespace simhost::state {

namespace {

using nlohmann::json;

[[noreturn]] void refuse(const std::string& what) {
    throw std::invalid_argument(what);
}

geometry::Placement orientationIn(const json& entry) {
    if (!entry.is_object()) {
        refuse("an object with the axes x, y and z expected");
    }
    geometry::Placement orientation;
    orientation.x = keyVec3(entry, "x");
    orientation.y = keyVec3(entry, "y");
    orientation.z = keyVec3(entry, "z");
    if (!viewOrientationValid(orientation)) {
        refuse("the axes are not orthonormal and right-handed");
    }
    return orientation;
}

void orientationOut(json& entry, const geometry::Placement& orientation) {
    entry["x"] = vec3Json(orientation.x);
    entry["y"] = vec3Json(orientation.y);
    entry["z"] = vec3Json(orientation.z);
}

bool isIdentity(const geometry::Placement& p) {
    const geometry::Placement identity;
    return p.x == identity.x && p.y == identity.y && p.z == identity.z;
}

void readViews(Model& model, const json& section) {
    ViewState& views = viewState(model);
    views = ViewState{};
    if (!section.is_object()) {
        refuse("an object with the current and the named views expected");
    }
    if (auto current = section.find("current"); current != section.end()) {
        JsonPlace place("current");
        views.current = orientationIn(*current);
    }
    if (auto named = section.find("named"); named != section.end()) {
        JsonPlace place("named");
        if (!named->is_array()) {
            refuse("a list of named views expected");
        }
        std::size_t index = 0;
        for (const json& entry : *named) {
            JsonPlace at(index++);
            NamedView view;
            view.orientation = orientationIn(entry);
            auto name = entry.find("name");
            JsonPlace key("name");
            if (name == entry.end() || !name->is_string() ||
                !modelNameValid(name->get<std::string>())) {
                refuse("a view name of 1 to 31 letters, digits, '_' or '-' expected");
            }
            view.name = upperName(name->get<std::string>());
            if (viewByName(views, view.name) != nullptr) {
                refuse("view " + view.name + " is named twice");
            }
            view.serial = viewSerialNext();
            views.named.push_back(view);
        }
    }
}

json writeViews(Model& model) {
    const ViewState& views = viewState(model);
    if (views.named.empty() && isIdentity(views.current)) {
        return nullptr;
    }
    json out = json::object();
    json current = json::object();
    orientationOut(current, views.current);
    out["current"] = current;
    json named = json::array();
    for (const NamedView& view : views.named) {
        json entry = {{"name", view.name}};
        orientationOut(entry, view.orientation);
        named.push_back(entry);
    }
    out["named"] = named;
    return out;
}

const bool kRegistered = [] {
    sectionCodecAdd({"views", readViews, writeViews});
    return true;
}();

}  // namespace

std::uintptr_t viewSerialNext() {
    static std::uintptr_t next = 1;
    return next++;
}

NamedView* viewByName(ViewState& views, const std::string& name) {
    for (NamedView& view : views.named) {
        if (view.name == name) {
            return &view;
        }
    }
    return nullptr;
}

NamedView* viewByHandle(ViewState& views, const void* handle) {
    const auto serial = reinterpret_cast<std::uintptr_t>(handle);
    for (NamedView& view : views.named) {
        if (view.serial == serial) {
            return &view;
        }
    }
    return nullptr;
}

bool viewOrientationValid(const geometry::Placement& orientation) {
    geometry::Placement rotation = orientation;
    rotation.origin = {0.0, 0.0, 0.0};
    return geometry::orthonormal(rotation, 1e-6);
}

}  // namespace simhost::state
