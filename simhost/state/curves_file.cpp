#include "simhost/state/curves_file.h"

#include <stdexcept>
#include <string>

#include "simhost/state/json_numbers.h"
#include "simhost/state/json_place.h"
#include "simhost/state/json_vec3.h"

namespace simhost::state {

namespace {

using nlohmann::json;

constexpr const char* kKindKeys[] = {"line", "arc", "spline", "ellipse"};

std::vector<geometry::Vec3> vec3List(const json& data, const char* key) {
    std::vector<geometry::Vec3> out;
    JsonPlace place(key);
    std::size_t index = 0;
    for (const json& entry : listOf(data.at(key))) {
        JsonPlace at(index++);
        out.push_back(vec3In(entry));
    }
    return out;
}

json vec3ListJson(const std::vector<geometry::Vec3>& list) {
    json out = json::array();
    for (const geometry::Vec3& v : list) {
        out.push_back(vec3Json(v));
    }
    return out;
}

void readKind(const std::string& key, const json& data, CurveGeometry& g) {
    if (!data.is_object()) {
        throw std::invalid_argument("an object expected");
    }
    if (key == "line") {
        g.kind = CurveKind::Line;
        g.line.end1 = keyVec3(data, "from");
        g.line.end2 = keyVec3(data, "to");
    } else if (key == "arc") {
        g.kind = CurveKind::Arc;
        g.arc.origin = keyVec3(data, "origin");
        g.arc.vector1 = keyVec3(data, "vector1");
        g.arc.vector2 = keyVec3(data, "vector2");
        g.arc.start = keyDouble(data, "start");
        g.arc.end = keyDouble(data, "end");
        g.arc.radius = keyDouble(data, "radius");
    } else if (key == "spline") {
        g.kind = CurveKind::Spline;
        g.spline.points = vec3List(data, "points");
        if (data.contains("tangents")) {
            g.spline.tangents = vec3List(data, "tangents");
        }
    } else {
        g.kind = CurveKind::Ellipse;
        g.ellipse.center = keyVec3(data, "center");
        g.ellipse.xAxis = keyVec3(data, "x_axis");
        g.ellipse.normal = keyVec3(data, "normal");
        g.ellipse.xRadius = keyDouble(data, "x_radius");
        g.ellipse.yRadius = keyDouble(data, "y_radius");
        g.ellipse.start = keyDouble(data, "start");
        g.ellipse.end = keyDouble(data, "end");
    }
}

}  // namespace

CurveGeometry curveGeometryFromJson(const json& entry) {
    if (!entry.is_object()) {
        throw std::invalid_argument("an object expected");
    }
    const char* kind = nullptr;
    for (const char* key : kKindKeys) {
        if (entry.contains(key)) {
            if (kind != nullptr) {
                throw std::invalid_argument(std::string("both ") + kind + " and " + key);
            }
            kind = key;
        }
    }
    if (kind == nullptr) {
        throw std::invalid_argument("no line, arc, spline or ellipse");
    }
    JsonPlace place(kind);
    CurveGeometry g;
    readKind(kind, entry.at(kind), g);
    if (!curveGeometryValid(g)) {
        throw std::invalid_argument(std::string("not a valid ") + kind);
    }
    return g;
}

void curveGeometryToJson(const CurveGeometry& g, json& entry) {
    switch (g.kind) {
        case CurveKind::Line:
            entry["line"] = {{"from", vec3Json(g.line.end1)}, {"to", vec3Json(g.line.end2)}};
            return;
        case CurveKind::Arc:
            entry["arc"] = {{"origin", vec3Json(g.arc.origin)},
                            {"vector1", vec3Json(g.arc.vector1)},
                            {"vector2", vec3Json(g.arc.vector2)},
                            {"start", g.arc.start},
                            {"end", g.arc.end},
                            {"radius", g.arc.radius}};
            return;
        case CurveKind::Spline: {
            json data = {{"points", vec3ListJson(g.spline.points)}};
            if (!g.spline.tangents.empty()) {
                data["tangents"] = vec3ListJson(g.spline.tangents);
            }
            entry["spline"] = std::move(data);
            return;
        }
        case CurveKind::Ellipse:
            entry["ellipse"] = {{"center", vec3Json(g.ellipse.center)},
                                {"x_axis", vec3Json(g.ellipse.xAxis)},
                                {"normal", vec3Json(g.ellipse.normal)},
                                {"x_radius", g.ellipse.xRadius},
                                {"y_radius", g.ellipse.yRadius},
                                {"start", g.ellipse.start},
                                {"end", g.ellipse.end}};
            return;
    }
}

}  // namespace simhost::state
