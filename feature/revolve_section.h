// Filling the section of a new revolved solid: from the curve-element list or from the
// loop of a curve feature. Host failures raise Ardo::Error(code, text) unless stated.
#pragma once

#include <ProSection.h>
#include <ProSelection.h>

namespace Ardo {
namespace revolve {

// One line or arc entity per list element, in the section's plane coordinates (the
// elements' x and y); the section is then dimensioned and regenerated, whose results
// are not examined.
void sectionFromList(ProSection section, const char* text);

// The whole loop of curves that `curve` selects; a section that does not solve has its
// messages read; then it is regenerated. Results of solving are not examined.
void sectionFromLoop(ProSection section, ProSelection curve, const char* text);

}  // namespace revolve
}  // namespace Ardo
