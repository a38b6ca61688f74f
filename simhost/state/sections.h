// Sections: the 2-D sketches of sketched features, their entities, and the solver's
// checks of a profile.
//
// A section lives in its own plane: points are (u, v) of its sketch frame. The solver
// accepts a section whose profile (the lines and arcs that are not construction
// entities) closes: every end meets exactly one other end within the section's epsilon
// (default 1e-6, absolute, in model units). Centre lines, points and coordinate systems
// are references, not part of the profile. What the solver finds wrong is kept as
// readable texts in an error list (ProWSecerror).
#pragma once

#include <Pro2dEntdef.h>
#include <ProSection.h>

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "simhost/geometry/kernel_revolve.h"
#include "simhost/geometry/placement.h"

namespace simhost::state {

constexpr double kSectionEpsilonDefault = 1e-6;

using Point2 = std::array<double, 2>;

struct SectionEntity {
    int id = 0;
    int type = PRO_2D_LINE;  // PRO_2D_LINE, _CENTER_LINE, _ARC or _COORD_SYS
    bool construction = false;
    Point2 a{0.0, 0.0};  // line and centre line: first end; arc: centre; csys: its point
    Point2 b{0.0, 0.0};  // line and centre line: second end
    double radius = 0.0;
    double startAngle = 0.0;  // arc, counter-clockwise from start to end (radians)
    double endAngle = 0.0;
};

// The profile's ends: a line's end1, end2; an arc's point at start and end angle.
Point2 entityStart(const SectionEntity& entity);
Point2 entityEnd(const SectionEntity& entity);
// True for lines and arcs that are not construction entities.
bool entityInProfile(const SectionEntity& entity);

struct SectionData {
    std::vector<SectionEntity> entities;
    int nextId = 1;
    double epsilon = kSectionEpsilonDefault;
    // The sketch frame in model coordinates, when the section belongs to a feature whose
    // tree sets its plane up; projections need it.
    std::optional<geometry::Placement> frame;
    // The model that projections and curve loops read from (its handle).
    void* model = nullptr;
    // The value of the tree element that owns the section (0: the caller's own).
    std::uintptr_t ownerValue = 0;
};

// Finds problems of a section's profile; empty when it is sound. `loops` (if given)
// receives the profile's closed loops, each as entity indices in chain order with
// whether each runs reversed.
struct LoopStep {
    std::size_t entity = 0;
    bool reversed = false;
};
std::vector<std::string> sectionProblems(const SectionData& section,
                                         std::vector<std::vector<LoopStep>>* loops = nullptr);

// The loop's edges in model coordinates through the sketch frame.
std::vector<geometry::ProfileEdge> loopEdges(const SectionData& section,
                                             const std::vector<LoopStep>& loop,
                                             const geometry::Placement& frame);

// A model point in sketch coordinates (the frame's x and y; the normal dropped).
Point2 sketchPoint(const geometry::Placement& frame, const geometry::Vec3& p);
geometry::Vec3 modelPoint(const geometry::Placement& frame, const Point2& p);

// Section objects handed to callers, counted as live objects until freed. A section
// that a tree element's value owns is freed with that value.
ProSection sectionCreate(SectionData data = {});
// The section behind a handle, or null for one that is not live.
SectionData* sectionFind(const void* handle);
void sectionFree(ProSection handle);
// Frees the section a value (by its handle) holds when that value owns it.
void sectionFreeOwnedBy(std::uintptr_t valueHandle, const void* pointer);

// Error lists of the solver, counted as live objects until freed.
ProWSecerror secerrorsCreate();
// The messages of a live list, or null.
std::vector<std::wstring>* secerrorsFind(const void* handle);
void secerrorsFree(ProWSecerror handle);

}  // namespace simhost::state
