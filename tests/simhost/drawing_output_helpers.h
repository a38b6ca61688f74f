// Helpers of the drawing output tests: drawings made directly in the host's state (sheets
// and views), parts to show in them, and checks on the lines a file holds.
#pragma once

#include <ProDrawing.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "simhost/export_helpers.h"
#include "simhost/state/drawings.h"
#include "simhost/state/sessions.h"
#include "support/kernel/kernel_files.h"

namespace drawingoutput {

using Point = std::array<double, 2>;
using simhost::geometry::Vec3;
namespace state = simhost::state;

struct Segment {
    Point a;
    Point b;
};

inline Vec3 cross(const Vec3& a, const Vec3& b) {
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

// A drawing in the session with the given sheets (width, height in mm).
inline state::Model* newDrawing(const std::string& name, const std::vector<Point>& sheets) {
    state::Model* model = state::connected()->area<state::ModelStore>().add(name, state::kDrawing);
    if (model == nullptr) {
        ADD_FAILURE() << "the drawing " << name << " cannot be made";
        return nullptr;
    }
    for (const Point& size : sheets) {
        state::DrawingSheet sheet;
        sheet.width = size[0];
        sheet.height = size[1];
        state::drawingState(*model).sheets.push_back(sheet);
    }
    return model;
}

inline ProMdl handleOf(const state::Model* model) {
    return state::modelHandle(model->id);
}

// A view of the part `solid` whose x and y axes are `x` and `y` (model coordinates): the
// model point `centre` lands on `position` at `scale`.
struct PlannedView {
    std::string solid;
    Vec3 x{1, 0, 0};
    Vec3 y{0, 1, 0};
    Vec3 centre{0, 0, 0};
    Point position{0, 0};
    double scale = 1.0;
    int style = 3;
    int tangentEdges = 10;
    int sheet = 1;
};

inline void addView(state::Model& drawing, const PlannedView& planned) {
    state::DrawingView view;
    view.serial = state::drawingViewSerialNext();
    view.sheet = planned.sheet;
    view.solidName = planned.solid;
    view.solidType = state::kPart;
    view.position = {planned.position[0], planned.position[1], 0.0};
    view.scale = planned.scale;
    view.orientation.x = planned.x;
    view.orientation.y = planned.y;
    view.orientation.z = cross(planned.x, planned.y);
    view.modelCentre = planned.centre;
    view.display.style = planned.style;
    view.display.tangentEdges = planned.tangentEdges;
    state::drawingState(drawing).views.push_back(view);
}

// The distance of p from the segment.
inline double distance(const Point& p, const Segment& s) {
    const double dx = s.b[0] - s.a[0];
    const double dy = s.b[1] - s.a[1];
    const double length2 = dx * dx + dy * dy;
    double t = length2 > 0 ? ((p[0] - s.a[0]) * dx + (p[1] - s.a[1]) * dy) / length2 : 0.0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(p[0] - (s.a[0] + t * dx), p[1] - (s.a[1] + t * dy));
}

// True when some segment passes within `tolerance` of p.
inline bool covered(const std::vector<Segment>& lines, const Point& p, double tolerance) {
    return std::any_of(lines.begin(), lines.end(),
                       [&](const Segment& s) { return distance(p, s) <= tolerance; });
}

// True when every point from a to b (sampled every millimetre or so) is covered.
inline bool coveredAlong(const std::vector<Segment>& lines, const Point& a, const Point& b,
                         double tolerance) {
    const int steps = std::max(1, static_cast<int>(std::hypot(b[0] - a[0], b[1] - a[1])));
    for (int i = 0; i <= steps; ++i) {
        const double t = static_cast<double>(i) / steps;
        if (!covered(lines, {a[0] + t * (b[0] - a[0]), a[1] + t * (b[1] - a[1])}, tolerance)) {
            return false;
        }
    }
    return true;
}

// True when a segment has a point strictly inside the box (x0, y0)-(x1, y1), sampled finely.
inline bool entersBox(const std::vector<Segment>& lines, const Point& low, const Point& high) {
    for (const Segment& s : lines) {
        for (int i = 0; i <= 100; ++i) {
            const double t = i / 100.0;
            const double x = s.a[0] + t * (s.b[0] - s.a[0]);
            const double y = s.a[1] + t * (s.b[1] - s.a[1]);
            if (x > low[0] && x < high[0] && y > low[1] && y < high[1]) {
                return true;
            }
        }
    }
    return false;
}

// The segments with both ends inside the box (x0, y0)-(x1, y1): one view's lines.
inline std::vector<Segment> within(const std::vector<Segment>& lines, const Point& low,
                                   const Point& high) {
    std::vector<Segment> out;
    auto inside = [&](const Point& p) {
        return p[0] >= low[0] && p[0] <= high[0] && p[1] >= low[1] && p[1] <= high[1];
    };
    for (const Segment& s : lines) {
        if (inside(s.a) && inside(s.b)) {
            out.push_back(s);
        }
    }
    return out;
}

// A pin: a cylinder of radius 5 rising 30 along z from the origin.
constexpr const char* kPin = R"({"solids": [{"cylinder": {"origin": [0, 0, 0], "axis": [0, 0, 1],
                                 "radius": 5, "height": 30}}]})";

}  // namespace drawingoutput
