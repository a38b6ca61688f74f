// Interface files for the host's import tests, made with the geometry kernel itself (not
// through the host): STEP files with and without product structure, and ACIS stand-in
// files. In a build without the kernel every writer answers false.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace testkit {

// A box from `corner` by `size`; `hollow` adds a closed cavity: the centred box of half
// the size removed (a cavity of an eighth of the volume). `holeRadius` (> 0) drills a
// round hole along z through the centre; `roundedEnd` adds a half cylinder along z on the
// face at the largest x, as wide as the box, so that it meets the side faces tangentially.
struct BoxShape {
    std::array<double, 3> corner{0, 0, 0};
    std::array<double, 3> size{1, 1, 1};
    bool hollow = false;
    double holeRadius = 0.0;
    bool roundedEnd = false;
};

// A product of an assembly file: its shape, turned by `turnZ` degrees about z and then
// moved by `offset`.
struct FilePart {
    std::string name;
    BoxShape shape;
    double turnZ = 0.0;
    std::array<double, 3> offset{0, 0, 0};
};

// A STEP file whose product structure is one assembly (named `assembly`) of the parts.
bool writeStepAssembly(const std::string& file, const std::string& assembly,
                       const std::vector<FilePart>& parts);
// A STEP file of the boxes as the kernel's plain writer makes it: one product for one
// box, several boxes as products of an assembly.
bool writeStepSolids(const std::string& file, const std::vector<BoxShape>& boxes);
// An ACIS stand-in file: its two header lines and the kernel's BRep text of a compound
// of the boxes.
bool writeAcisStandin(const std::string& file, const std::vector<BoxShape>& boxes);

}  // namespace testkit
