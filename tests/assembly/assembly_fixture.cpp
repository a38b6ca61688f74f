#include "assembly/assembly_fixture.h"

#include <ProToolkit.h>

#include <cmath>
#include <sstream>

namespace asmtest {

namespace {

constexpr double kPi = 3.141592653589793;

// Offset coordinate system `name` from CS0 of `m` with the placement's moves.
void offsetCsys(Ardo::kelt2pMdl& m, const char* name, double x, double y, double z, double a,
                double b, double c) {
    m.CsysCreateOffSet(name, "CS0", 0, x, y, z, a, b, c);
}

}  // namespace

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
               << "expected (" << expected.x << ", " << expected.y << ", " << expected.z
               << "), got (" << actual.x << ", " << actual.y << ", " << actual.z << ")";
    }
    return ::testing::AssertionSuccess();
}

void AssemblyTest::SetUp() {
    HostTest::SetUp();
    launchAndConnect();
}

Ardo::kelt2pMdl AssemblyTest::model(const char* name, Ardo::kelt2pMdlType type) {
    Ardo::kelt2pMdl m;
    m.Create(name, type);
    m.CsysCreate("CS0");
    return m;
}

Ardo::kelt2pMdl AssemblyTest::boxPart(const char* name, double sx, double sy, double sz) {
    std::ostringstream file;
    file << R"({"type": "PRT", "subtype": 2, "features": [)"
         << R"({"id": 1, "type": 979, "name": "CS0", "items": [{"id": 11, "type": 25}]}],)"
         << R"( "solids": [{"box": {"corner": [0, 0, 0], "size": [)" << sx << ", " << sy << ", "
         << sz << "]}}]}";
    std::string fileName = std::string(name) + ".prt";
    writeFile(fileName, file.str());
    Ardo::kelt2pMdl m;
    m.Load(fileName.c_str(), Ardo::KELT2P_MDL_PART, false);
    return m;
}

bool AssemblyTest::kernelAvailable(Ardo::kelt2pMdl& solidPart) {
    Ardo::Matrix identity;
    try {
        solidPart.OutlineCompute(identity);
        return true;
    } catch (const Ardo::Error& e) {
        if (e.code == PRO_TK_UNSUPPORTED) {
            return false;
        }
        throw;
    }
}

void AssemblyTest::buildToolParts() {
    assembly = model("TOOLASM", Ardo::KELT2P_MDL_ASSEMBLY);
    offsetCsys(assembly, "MOUNT", 100, 50, 0, 0, 0, 90);
    spindle = model("SPINDLE", Ardo::KELT2P_MDL_PART);
    offsetCsys(spindle, "TOOL", 0, 0, 200, 180, 0, 0);
    holder = model("HOLDER", Ardo::KELT2P_MDL_PART);
    offsetCsys(holder, "BASE", 0, 0, 10, 0, 0, 45);
    offsetCsys(holder, "TIP", 5, 0, 80, 0, 30, 0);
    cutter = model("CUTTER", Ardo::KELT2P_MDL_PART);
    offsetCsys(cutter, "SHANK", 0, 0, -20, 0, 0, 0);
}

}  // namespace asmtest
