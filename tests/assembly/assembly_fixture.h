// Models of the assembly tests: a tool assembly built through the library (a spindle,
// a holder and a cutter, each carrying the coordinate systems it is placed by), parts
// with solid boxes read from files, and the matrix comparisons.
#pragma once

#include <ProToolkit.h>
#include <gtest/gtest.h>

#include <string>

#include "kelt2proe/comp_path.h"
#include "kelt2proe/geometry.h"
#include "kelt2proe/mdl.h"
#include "support/expect.h"

namespace asmtest {

constexpr double kTol = 1e-9;

// Translation (x, y, z) after RotXYZ of the angles in degrees: the placement an offset
// coordinate system gets from its reference.
Ardo::Matrix offset(double x, double y, double z, double aDeg, double bDeg, double cDeg);

::testing::AssertionResult sameMatrix(const Ardo::Matrix& expected, const Ardo::Matrix& actual);
::testing::AssertionResult sameVector(const Ardo::Vector& expected, const Ardo::Vector& actual);

class AssemblyTest : public testkit::HostTest {
protected:
    void SetUp() override;

    // A new model with a default coordinate system "CS0".
    Ardo::kelt2pMdl model(const char* name, Ardo::kelt2pMdlType type);
    // A part loaded from a file holding one solid box from the origin of size
    // (sx, sy, sz) and the coordinate system "CS0" (the part's frame).
    Ardo::kelt2pMdl boxPart(const char* name, double sx, double sy, double sz);
    // False (and the test is to be skipped) when this host has no geometry kernel.
    bool kernelAvailable(Ardo::kelt2pMdl& solidPart);

    // ASM: CS0 and MOUNT, offset from CS0. SPINDLE: CS0 and TOOL; HOLDER: CS0, BASE and
    // TIP; CUTTER: CS0 and SHANK; all offset from CS0 by the placements below.
    void buildToolParts();

    const Ardo::Matrix mount = offset(100, 50, 0, 0, 0, 90);
    const Ardo::Matrix tool = offset(0, 0, 200, 180, 0, 0);
    const Ardo::Matrix base = offset(0, 0, 10, 0, 0, 45);
    const Ardo::Matrix tip = offset(5, 0, 80, 0, 30, 0);
    const Ardo::Matrix shank = offset(0, 0, -20, 0, 0, 0);

    Ardo::kelt2pMdl assembly;
    Ardo::kelt2pMdl spindle;
    Ardo::kelt2pMdl holder;
    Ardo::kelt2pMdl cutter;
};

}  // namespace asmtest
