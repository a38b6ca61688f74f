// The "solids" section of part files.
#include "simhost/state/solids.h"

#include <stdexcept>
#include <string>

#include "simhost/geometry/kernel.h"
#include "simhost/state/json_numbers.h"
#include "simhost/state/json_place.h"
#include "simhost/state/model_files.h"

namespace simhost::state {

namespace {

using nlohmann::json;
namespace geo = simhost::geometry;

[[noreturn]] void refuse(const std::string& what) {
    throw std::invalid_argument(what);
}

geo::Vec3 vec3At(const json& entry, const char* key) {
    JsonPlace place(key);
    const json& list = listOf(entry.at(key));
    if (list.size() != 3) {
        refuse("three numbers expected");
    }
    geo::Vec3 out{};
    for (std::size_t k = 0; k < 3; ++k) {
        JsonPlace at(k);
        out[k] = doubleIn(list[k]);
    }
    return out;
}

double positiveAt(const json& entry, const char* key) {
    JsonPlace place(key);
    double value = doubleIn(entry.at(key));
    if (!(value > 0.0)) {
        refuse("a positive number expected");
    }
    return value;
}

// What a kernel answer means for the file; not-available keeps the entry without a solid.
void check(ProError rc) {
    switch (rc) {
        case PRO_TK_NO_ERROR:
        case geo::kKernelNotAvailable:
            return;
        case PRO_TK_INVALID_FILE:
            refuse("not a STEP file with a solid");
        case PRO_TK_E_NOT_FOUND:
            refuse("no such file");
        default:
            refuse("the geometry kernel cannot make this solid (error " + std::to_string(rc) + ")");
    }
}

// Makes the solid of one entry; 0 when the build has no kernel.
int solidOf(const json& entry, const std::filesystem::path& directory) {
    if (!entry.is_object() || entry.size() != 1) {
        refuse("one of {\"box\": ...}, {\"cylinder\": ...} or {\"step\": file} expected");
    }
    const std::string& kind = entry.begin().key();
    const json& spec = entry.begin().value();
    JsonPlace place(kind);
    int id = 0;
    if (kind == "box") {
        geo::Vec3 corner = vec3At(spec, "corner");
        geo::Vec3 size = vec3At(spec, "size");
        for (std::size_t k = 0; k < 3; ++k) {
            if (!(size[k] > 0.0)) {
                JsonPlace at("size");
                refuse("sizes must be positive");
            }
        }
        check(geo::solidBox(corner, size, &id));
    } else if (kind == "cylinder") {
        geo::Vec3 origin = vec3At(spec, "origin");
        geo::Vec3 axis = vec3At(spec, "axis");
        if (axis[0] == 0.0 && axis[1] == 0.0 && axis[2] == 0.0) {
            JsonPlace at("axis");
            refuse("the axis has no direction");
        }
        double radius = positiveAt(spec, "radius");
        double height = positiveAt(spec, "height");
        check(geo::solidCylinder(origin, axis, radius, height, &id));
    } else if (kind == "step") {
        std::string name = spec.get<std::string>();
        if (name.empty()) {
            refuse("no file name");
        }
        std::filesystem::path file = directory / std::filesystem::path(name);
        std::error_code ec;
        if (!std::filesystem::is_regular_file(file, ec)) {
            refuse("no such file: " + file.string());
        }
        check(geo::solidStepRead(file, &id));
    } else {
        refuse("unknown solid \"" + kind + "\" (box, cylinder or step)");
    }
    return id;
}

void readSection(Model& model, const json& section) {
    if (model.type != kPart) {
        refuse("only parts hold solids");
    }
    partSolids(model).read(section, model.directory);
}

json writeSection(Model& model) {
    return partSolids(model).section();
}

const bool registered = [] {
    sectionCodecAdd({"solids", readSection, writeSection});
    return true;
}();

}  // namespace

PartSolids::~PartSolids() {
    clear();
}

void PartSolids::clear() {
    for (int id : ids_) {
        geo::solidFree(id);
    }
    ids_.clear();
    section_ = nullptr;
}

void PartSolids::read(const json& section, const std::filesystem::path& directory) {
    clear();
    const json& list = listOf(section);
    for (std::size_t i = 0; i < list.size(); ++i) {
        JsonPlace place(i);
        int id = solidOf(list[i], directory);
        if (id != 0) {
            ids_.push_back(id);
        }
    }
    section_ = section;
}

}  // namespace simhost::state
