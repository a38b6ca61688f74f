// Component paths: the transforms between a component and its root, from the host's
// composed placement and named coordinate systems.
#include <ProAsmcomppath.h>

#include "feature/comp_path.h"
#include "model/solid.h"

namespace Ardo {

namespace {

// The host keeps axes and origin as rows; the library's matrix has them as columns.
Matrix fromHostRows(const ProMatrix host) {
    double m[4][4];
    for (int r = 0; r < 4; ++r) {
        for (int k = 0; k < 4; ++k) {
            m[r][k] = host[k][r];
        }
    }
    return Matrix(m);
}

}  // namespace

Matrix CompPath::TransGetStd() {
    ProMatrix host = {};
    check(ProAsmcomppathTrfGet(&path, PRO_B_TRUE, host), "Ardo::CompPath::TransGet");
    return fromHostRows(host);
}

Matrix CompPath::TransGet(const char* rootCsys, const char* compCsys) {
    Matrix standard = TransGetStd();
    Matrix rootFrame = RootGet().CsysGetTransform(rootCsys);
    Matrix compFrame = MdlGet().CsysGetTransform(compCsys);
    return (!rootFrame) * standard * compFrame;
}

Matrix CompPath::TransGet(const Matrix& m, const char* rootCsys, const char* compCsys) {
    Matrix inverse = m.Inverse();
    return m * (TransGet(rootCsys, compCsys) * inverse);
}

Vector CompPath::TransGet(const char* rootCsys, const kelt2pPointData& point) {
    Matrix standard = TransGetStd();
    Vector translation = standard.TransGet();
    Vector origin = RootGet().CsysGetTransform(rootCsys).TransGet();
    Vector local = MdlGet().TransGet(point);
    return (translation + standard * local) - origin;
}

Vector CompPath::TransGet(const char* rootCsys, const kelt2pPointData& point, const Matrix& m) {
    return m * TransGet(rootCsys, point);
}

}  // namespace Ardo
