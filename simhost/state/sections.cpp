#include "simhost/state/sections.h"

#include <cmath>
#include <cstdio>
#include <unordered_set>

#include "simhost/core/allocations.h"
#include "simhost/core/wide.h"

namespace simhost::state {

namespace {

constexpr double kTwoPi = 6.283185307179586;

std::unordered_set<const void*>& liveSections() {
    static std::unordered_set<const void*> live;
    return live;
}

std::unordered_set<const void*>& liveErrorLists() {
    static std::unordered_set<const void*> live;
    return live;
}

struct ErrorList {
    std::vector<std::wstring> messages;
};

void sectionRelease(const void* p) {
    liveSections().erase(p);
    delete static_cast<const SectionData*>(p);
}

void errorListRelease(const void* p) {
    liveErrorLists().erase(p);
    delete static_cast<const ErrorList*>(p);
}

// The sweep of an arc, counter-clockwise from start to end, in (0, 2 pi].
double sweepOf(const SectionEntity& arc) {
    double sweep = std::fmod(arc.endAngle - arc.startAngle, kTwoPi);
    if (sweep <= 0.0) {
        sweep += kTwoPi;
    }
    return sweep;
}

Point2 onArc(const SectionEntity& arc, double angle) {
    return {arc.a[0] + arc.radius * std::cos(angle), arc.a[1] + arc.radius * std::sin(angle)};
}

bool near(const Point2& p, const Point2& q, double epsilon) {
    return std::hypot(p[0] - q[0], p[1] - q[1]) <= epsilon;
}

std::string pointText(const Point2& p) {
    char text[96];
    std::snprintf(text, sizeof text, "(%g, %g)", p[0], p[1]);
    return text;
}

std::string entityText(const SectionEntity& entity) {
    return (entity.type == PRO_2D_ARC ? "arc " : "line ") + std::to_string(entity.id);
}

// Index into the profile's ends: entity k has ends 2k (start) and 2k + 1 (end).
struct End {
    std::size_t entity;
    bool atEnd;
    Point2 at;
};

}  // namespace

Point2 entityStart(const SectionEntity& entity) {
    return entity.type == PRO_2D_ARC ? onArc(entity, entity.startAngle) : entity.a;
}

Point2 entityEnd(const SectionEntity& entity) {
    return entity.type == PRO_2D_ARC ? onArc(entity, entity.startAngle + sweepOf(entity))
                                     : entity.b;
}

bool entityInProfile(const SectionEntity& entity) {
    return !entity.construction && (entity.type == PRO_2D_LINE || entity.type == PRO_2D_ARC);
}

std::vector<std::string> sectionProblems(const SectionData& section,
                                         std::vector<std::vector<LoopStep>>* loops) {
    std::vector<std::string> problems;
    std::vector<End> ends;
    double eps = section.epsilon;
    for (std::size_t k = 0; k < section.entities.size(); ++k) {
        const SectionEntity& entity = section.entities[k];
        if (!entityInProfile(entity)) {
            continue;
        }
        if (entity.type == PRO_2D_ARC && !(entity.radius > eps)) {
            problems.push_back("The " + entityText(entity) + " has no radius.");
            continue;
        }
        if (entity.type == PRO_2D_LINE && near(entity.a, entity.b, eps)) {
            problems.push_back("The " + entityText(entity) + " has no length.");
            continue;
        }
        ends.push_back({k, false, entityStart(entity)});
        ends.push_back({k, true, entityEnd(entity)});
    }
    if (ends.empty() && problems.empty()) {
        problems.push_back("The section has no profile: no line or arc that is not construction.");
    }
    // partner[e]: the one other end that end e meets.
    std::vector<std::size_t> partner(ends.size(), ends.size());
    for (std::size_t e = 0; e < ends.size(); ++e) {
        std::size_t meets = 0;
        for (std::size_t f = 0; f < ends.size(); ++f) {
            if (f != e && near(ends[e].at, ends[f].at, eps)) {
                partner[e] = f;
                ++meets;
            }
        }
        const SectionEntity& entity = section.entities[ends[e].entity];
        if (meets == 0) {
            problems.push_back("The " + entityText(entity) + " ends open at " +
                               pointText(ends[e].at) + ": the profile is not closed.");
        } else if (meets > 1) {
            problems.push_back("The " + entityText(entity) + " meets " + std::to_string(meets) +
                               " ends at " + pointText(ends[e].at) +
                               ": the profile branches there.");
        }
    }
    if (!problems.empty() || loops == nullptr) {
        return problems;
    }
    // Every end has one partner: the ends pair up into closed loops.
    std::vector<bool> used(ends.size() / 2, false);
    for (std::size_t first = 0; first < used.size(); ++first) {
        if (used[first]) {
            continue;
        }
        std::vector<LoopStep> loop;
        std::size_t at = first;
        bool reversed = false;
        while (!used[at]) {
            used[at] = true;
            loop.push_back({ends[2 * at].entity, reversed});
            // Leave through the far end, enter the next entity where its partner sits.
            std::size_t out = 2 * at + (reversed ? 0 : 1);
            std::size_t in = partner[out];
            at = in / 2;
            reversed = in % 2 == 1;
        }
        loops->push_back(std::move(loop));
    }
    return problems;
}

Point2 sketchPoint(const geometry::Placement& frame, const geometry::Vec3& p) {
    double d[3] = {p[0] - frame.origin[0], p[1] - frame.origin[1], p[2] - frame.origin[2]};
    return {d[0] * frame.x[0] + d[1] * frame.x[1] + d[2] * frame.x[2],
            d[0] * frame.y[0] + d[1] * frame.y[1] + d[2] * frame.y[2]};
}

geometry::Vec3 modelPoint(const geometry::Placement& frame, const Point2& p) {
    return geometry::placePoint(frame, {p[0], p[1], 0.0});
}

std::vector<geometry::ProfileEdge> loopEdges(const SectionData& section,
                                             const std::vector<LoopStep>& loop,
                                             const geometry::Placement& frame) {
    std::vector<geometry::ProfileEdge> edges;
    for (const LoopStep& step : loop) {
        const SectionEntity& entity = section.entities[step.entity];
        std::vector<geometry::ProfileEdge> pieces;
        if (entity.type == PRO_2D_LINE) {
            geometry::ProfileEdge edge;
            edge.start = modelPoint(frame, entity.a);
            edge.end = modelPoint(frame, entity.b);
            pieces.push_back(edge);
        } else {
            // Arcs go as halves, so that a full circle is two arcs the kernel can make.
            double sweep = sweepOf(entity);
            for (int half = 0; half < 2; ++half) {
                double from = entity.startAngle + half * sweep / 2.0;
                geometry::ProfileEdge edge;
                edge.arc = true;
                edge.start = modelPoint(frame, onArc(entity, from));
                edge.through = modelPoint(frame, onArc(entity, from + sweep / 4.0));
                edge.end = modelPoint(frame, onArc(entity, from + sweep / 2.0));
                pieces.push_back(edge);
            }
        }
        if (step.reversed) {
            for (auto it = pieces.rbegin(); it != pieces.rend(); ++it) {
                std::swap(it->start, it->end);
                edges.push_back(*it);
            }
        } else {
            edges.insert(edges.end(), pieces.begin(), pieces.end());
        }
    }
    // Ends within epsilon count as one point: the kernel gets them exactly shared.
    for (std::size_t k = 0; k < edges.size(); ++k) {
        edges[(k + 1) % edges.size()].start = edges[k].end;
    }
    return edges;
}

ProSection sectionCreate(SectionData data) {
    auto* made = new SectionData(std::move(data));
    liveSections().insert(made);
    core::allocationAdd(made, sectionRelease);
    return reinterpret_cast<ProSection>(made);
}

SectionData* sectionFind(const void* handle) {
    return liveSections().count(handle) != 0 ? static_cast<SectionData*>(const_cast<void*>(handle))
                                             : nullptr;
}

void sectionFree(ProSection handle) {
    if (sectionFind(handle) != nullptr && core::allocationRemove(handle)) {
        sectionRelease(handle);
    }
}

void sectionFreeOwnedBy(std::uintptr_t valueHandle, const void* pointer) {
    const SectionData* section = sectionFind(pointer);
    if (section != nullptr && section->ownerValue == valueHandle) {
        sectionFree(static_cast<ProSection>(const_cast<void*>(pointer)));
    }
}

ProWSecerror secerrorsCreate() {
    auto* made = new ErrorList;
    liveErrorLists().insert(made);
    core::allocationAdd(made, errorListRelease);
    return reinterpret_cast<ProWSecerror>(made);
}

std::vector<std::wstring>* secerrorsFind(const void* handle) {
    return liveErrorLists().count(handle) != 0
               ? &static_cast<ErrorList*>(const_cast<void*>(handle))->messages
               : nullptr;
}

void secerrorsFree(ProWSecerror handle) {
    if (secerrorsFind(handle) != nullptr && core::allocationRemove(handle)) {
        errorListRelease(handle);
    }
}

}  // namespace simhost::state
