// The parameters at which a spline passes through its points.
#include <cmath>

#include "simhost/geometry/curves.h"

namespace simhost::geometry {

std::vector<double> splineParameters(const std::vector<Vec3>& points) {
    if (points.size() < 2) {
        return {};
    }
    std::vector<double> params(points.size(), 0.0);
    for (std::size_t k = 1; k < points.size(); ++k) {
        const Vec3& a = points[k - 1];
        const Vec3& b = points[k];
        const double step = std::hypot(b[0] - a[0], b[1] - a[1], b[2] - a[2]);
        if (!std::isfinite(step) || !(step > kSplinePointGap)) {
            return {};
        }
        params[k] = params[k - 1] + step;
    }
    const double total = params.back();
    for (double& p : params) {
        p /= total;
    }
    params.back() = 1.0;
    return params;
}

}  // namespace simhost::geometry
