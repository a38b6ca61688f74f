// Segments of lines that lie along other lines (line_cover.h).
#include "simhost/geometry/line_cover.h"

#include <algorithm>
#include <cmath>

namespace simhost::geometry {

namespace {

using Point = std::array<double, 2>;

struct Segment {
    Point a;
    Point b;
};

double distance(const Point& p, const Segment& s) {
    const double dx = s.b[0] - s.a[0];
    const double dy = s.b[1] - s.a[1];
    const double length2 = dx * dx + dy * dy;
    double t = length2 > 0.0 ? ((p[0] - s.a[0]) * dx + (p[1] - s.a[1]) * dy) / length2 : 0.0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(p[0] - (s.a[0] + t * dx), p[1] - (s.a[1] + t * dy));
}

// True when the segment from a to b lies along the covering segments: its ends, middle
// and quarter points each within `tolerance` of one of them (a covering line may be cut
// into several segments where the covered one is not).
bool along(const Point& a, const Point& b, const std::vector<Segment>& covering, double tolerance) {
    for (double t : {0.0, 0.25, 0.5, 0.75, 1.0}) {
        const Point p{a[0] + t * (b[0] - a[0]), a[1] + t * (b[1] - a[1])};
        const bool near = std::any_of(covering.begin(), covering.end(), [&](const Segment& s) {
            return distance(p, s) <= tolerance;
        });
        if (!near) {
            return false;
        }
    }
    return true;
}

}  // namespace

void dropCoveredSegments(std::vector<LinePolyline>& lines, const std::vector<LinePolyline>& cover,
                         double tolerance) {
    std::vector<Segment> covering;
    for (const LinePolyline& line : cover) {
        for (std::size_t i = 1; i < line.size(); ++i) {
            covering.push_back({line[i - 1], line[i]});
        }
    }
    std::size_t segments = 0;
    for (const LinePolyline& line : lines) {
        segments += line.empty() ? 0 : line.size() - 1;
    }
    if (covering.empty() || segments == 0 || segments > kCoverMaxPairs / covering.size()) {
        return;
    }
    std::vector<LinePolyline> kept;
    for (const LinePolyline& line : lines) {
        LinePolyline run;
        for (std::size_t i = 1; i < line.size(); ++i) {
            const bool covered = along(line[i - 1], line[i], covering, tolerance);
            if (covered) {
                if (run.size() >= 2) {
                    kept.push_back(std::move(run));
                }
                run.clear();
                continue;
            }
            if (run.empty()) {
                run.push_back(line[i - 1]);
            }
            run.push_back(line[i]);
        }
        if (run.size() >= 2) {
            kept.push_back(std::move(run));
        }
    }
    lines = std::move(kept);
}

}  // namespace simhost::geometry
