#include "feature/csys_fixture.h"

#include <cmath>
#include <sstream>

namespace csystest {

namespace {

std::string row(const Ardo::Vector& v) {
    std::ostringstream out;
    out.precision(17);
    out << "[" << v.x << ", " << v.y << ", " << v.z << "]";
    return out.str();
}

}  // namespace

std::string plateFile() {
    Ardo::Matrix general = offset(-5, 0, 2, 30, -40, 70);
    auto column = [&](int k) {
        return row(Ardo::Vector(general.m[0][k], general.m[1][k], general.m[2][k]));
    };
    return R"({"type": "PRT", "features": [
        {"id": 1, "type": 979, "name": "CS0", "items": [{"id": 11, "type": 25}]},
        {"id": 2, "type": 979, "name": "CS01", "items": [{"id": 12, "type": 25,
            "placement": {"origin": [10, 20, 30], "x": [0, 1, 0], "y": [-1, 0, 0],
                          "z": [0, 0, 1]}}]},
        {"id": 3, "type": 979, "name": "CSX1", "items": [{"id": 13, "type": 25,
            "placement": {"origin": )" +
           column(3) + R"(, "x": )" + column(0) + R"(, "y": )" + column(1) + R"(, "z": )" +
           column(2) + R"(}}]}
    ]})";
}

Ardo::Matrix offset(double x, double y, double z, double aDeg, double bDeg, double cDeg) {
    Ardo::Matrix rotation;
    rotation.RotXYZ(aDeg * kPi / 180.0, bDeg * kPi / 180.0, cDeg * kPi / 180.0);
    Ardo::Matrix translation;
    translation.Trans(x, y, z);
    return translation * rotation;
}

::testing::AssertionResult sameMatrix(const Ardo::Matrix& expected, const Ardo::Matrix& actual) {
    for (int r = 0; r < 4; ++r) {
        for (int k = 0; k < 4; ++k) {
            if (std::fabs(expected.m[r][k] - actual.m[r][k]) > kTol) {
                return ::testing::AssertionFailure()
                       << "entry [" << r << "][" << k << "]: expected " << expected.m[r][k]
                       << ", got " << actual.m[r][k];
            }
        }
    }
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult sameVector(const Ardo::Vector& expected, const Ardo::Vector& actual) {
    if (std::fabs(expected.x - actual.x) > kTol || std::fabs(expected.y - actual.y) > kTol ||
        std::fabs(expected.z - actual.z) > kTol) {
        return ::testing::AssertionFailure()
               << "expected " << row(expected) << ", got " << row(actual);
    }
    return ::testing::AssertionSuccess();
}

void CsysTest::SetUp() {
    HostTest::SetUp();
    launchAndConnect();
    writeFile("plate.prt", plateFile());
    part.Load("plate.prt", Ardo::KELT2P_MDL_PART, false);
}

std::vector<std::string> CsysTest::listed(const char* pattern) {
    std::vector<std::string> names;
    int n = part.CsysList(pattern);
    for (int i = 0; i < n; ++i) {
        names.emplace_back(part.CsysListAt(i));
    }
    return names;
}

std::vector<std::string> CsysTest::points(const char* pattern) {
    std::vector<std::string> names;
    int n = part.PntList(pattern);
    for (int i = 0; i < n; ++i) {
        names.emplace_back(part.PntListAt(i).name);
    }
    return names;
}

}  // namespace csystest
