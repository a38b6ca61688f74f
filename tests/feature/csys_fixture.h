// A part with coordinate systems read from its file, shared by the coordinate-system and
// datum-point tests, and the matrix comparisons they use.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "kelt2proe/geometry.h"
#include "kelt2proe/mdl.h"
#include "support/expect.h"

namespace csystest {

constexpr double kPi = 3.141592653589793;
constexpr double kTol = 1e-9;

// CS0 in the model's frame; CS01 at (10, 20, 30) turned 90 degrees about Z; CSX1 at
// (-5, 0, 2) with the axes of a general rotation (30, -40, 70 degrees about X, Y, Z).
std::string plateFile();

// Translation (x, y, z) after RotXYZ of the angles in degrees.
Ardo::Matrix offset(double x, double y, double z, double aDeg, double bDeg, double cDeg);

// Every entry within kTol.
::testing::AssertionResult sameMatrix(const Ardo::Matrix& expected, const Ardo::Matrix& actual);
::testing::AssertionResult sameVector(const Ardo::Vector& expected, const Ardo::Vector& actual);

class CsysTest : public testkit::HostTest {
protected:
    void SetUp() override;
    // The names CsysList(pattern) lists, through CsysListAt.
    std::vector<std::string> listed(const char* pattern);
    // The names PntList(pattern) lists, through PntListAt.
    std::vector<std::string> points(const char* pattern);

    Ardo::kelt2pMdl part;
};

}  // namespace csystest
