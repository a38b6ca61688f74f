// Helpers of the section and revolve tests: coordinate systems, datum planes through
// them, revolve trees like the library builds, and the section a feature's tree holds.
#pragma once

#include <Pro2dEntdef.h>
#include <ProCsys.h>
#include <ProGeomitem.h>
#include <ProSecerror.h>
#include <ProSection.h>

#include <cmath>
#include <string>
#include <vector>

#include "feature_helpers.h"
#include "kelt2proe/simhost/control.h"

namespace revolvetest {

using namespace featuretest;

constexpr double kPi = 3.14159265358979323846;

inline ProElement child(ProElement parent, ProElement element) {
    ProElemtreeElementAdd(parent, nullptr, element);
    return element;
}

inline ProElement compound(int id) {
    ProElement e = nullptr;
    ProElementAlloc(id, &e);
    return e;
}

inline ProElement doubleElem(int id, double value) {
    ProElement e = compound(id);
    ProElementDoubleSet(e, value);
    return e;
}

// The first geometry item of the type that feature `featureId` owns; 0 when none.
inline int itemOf(ProSolid solid, int featureId, ProType type) {
    ProFeature f = feature(solid, featureId);
    int found = 0;
    ProFeatureGeomitemVisit(
        &f, type,
        [](ProGeomitem* item, ProError, ProAppData data) {
            int* out = static_cast<int*>(data);
            if (*out == 0) {
                *out = item->id;
            }
            return PRO_TK_NO_ERROR;
        },
        nullptr, &found);
    return found;
}

// A coordinate system moved (types 0..2) and turned (3..5, degrees) from the default
// one; the id of its coordinate-system item.
struct Move {
    int type;
    double value;
};
inline int makeCsys(ProSolid solid, const std::wstring& name, const std::vector<Move>& moves = {}) {
    int base = make(solid, 979, name + L"_0");
    int baseItem = itemOf(solid, base, PRO_CSYS);
    if (moves.empty()) {
        return baseItem;
    }
    int moved = make(solid, 979, name, [&](ProElement t) {
        ProElement constrs = child(t, compound(2134));
        ProElement constr = child(constrs, compound(2135));
        child(constr, selectionElem(2136, solid, PRO_CSYS, baseItem));
        addInt(t, 2147, 0);
        ProElement list = child(t, compound(2137));
        for (const Move& move : moves) {
            ProElement m = child(list, compound(2138));
            child(m, intElem(2140, move.type));
            child(m, doubleElem(2141, move.value));
        }
    });
    return itemOf(solid, moved, PRO_CSYS);
}

// The tree of a datum plane offset from a coordinate system.
inline ProElement planeTree(ProSolid solid, int csysItem, int axis, double offset) {
    ProElement t = tree(923);
    ProElement constrs = child(t, compound(410));
    ProElement constr = child(constrs, compound(411));
    child(constr, intElem(412, 3));
    child(constr, selectionElem(413, solid, PRO_CSYS, csysItem));
    child(constr, intElem(417, axis));
    child(constr, doubleElem(418, offset));
    return t;
}

// A datum plane through the coordinate system; the id of its surface item, 0 on failure.
inline int makePlane(ProSolid solid, int csysItem, int axis, double offset = 0.0) {
    ProElement t = planeTree(solid, csysItem, axis, offset);
    ProFeature made{};
    ProError rc = create(solid, t, &made);
    ProElementFree(&t);
    return rc == PRO_TK_NO_ERROR ? itemOf(solid, made.id, PRO_SURFACE) : 0;
}

// The revolve tree the library builds: sketch plane and orientation reference, the first
// and second side's angles. It has no type element: form and kind say what it is.
inline ProElement revolveTree(ProSolid solid, int sketchPlane, int referencePlane,
                              double first = 360.0, double second = 0.0) {
    ProElement t = nullptr;
    ProElementAlloc(386, &t);
    addText(t, 1964, L"TURNED");
    addInt(t, 388, 2);
    addInt(t, 1956, 917);
    addInt(t, 2023, -1);
    addInt(t, 3176, 0);
    addInt(t, 3280, 1);
    ProElement angles = child(t, compound(6));
    ProElement from = child(angles, compound(437));
    child(from, intElem(439, 0x1000));
    child(from, doubleElem(441, first));
    ProElement to = child(angles, compound(438));
    child(to, intElem(440, 0x400000));
    child(to, doubleElem(442, second));
    ProElement section = child(t, compound(447));
    ProElement setup = child(section, compound(450));
    child(setup, selectionElem(451, solid, PRO_SURFACE, sketchPlane));
    child(setup, intElem(452, -1));
    child(setup, intElem(454, 1));
    child(setup, selectionElem(455, solid, PRO_SURFACE, referencePlane));
    return t;
}

inline ProError createWith(ProSolid solid, ProElement elemtree, ProFeatureCreateOptions option,
                           ProFeature* out) {
    ProModelitem item{};
    ProMdlToModelitem(solid, &item);
    ProSelection selection = nullptr;
    ProSelectionAlloc(nullptr, &item, &selection);
    ProFeatureCreateOptions options[] = {option};
    ProErrorlist errors{};
    ProError rc = ProFeatureCreate(selection, elemtree, options, 1, out, &errors);
    ProSelectionFree(&selection);
    return rc;
}

// A part with a coordinate system and the library's two planes through it: the sketch
// plane (normal to Y) and the reference (normal to Z).
struct Sketchable {
    ProSolid solid = nullptr;
    int csys = 0;
    int sketchPlane = 0;
    int referencePlane = 0;
};
inline Sketchable sketchable(const std::wstring& name, const std::vector<Move>& moves = {}) {
    Sketchable out;
    out.solid = part(name);
    out.csys = makeCsys(out.solid, L"AXES", moves);
    out.sketchPlane = makePlane(out.solid, out.csys, 2);
    out.referencePlane = makePlane(out.solid, out.csys, 3);
    return out;
}

// An incomplete revolve feature; its id, 0 on failure.
inline int makeIncomplete(const Sketchable& at, double first = 360.0, double second = 0.0) {
    ProElement t = revolveTree(at.solid, at.sketchPlane, at.referencePlane, first, second);
    ProFeature made{};
    ProError rc = createWith(at.solid, t, PRO_FEAT_CR_INCOMPLETE_FEAT, &made);
    ProElementFree(&t);
    return rc == PRO_TK_NO_ERROR ? made.id : 0;
}

// A feature's tree with its section (element 458 under 447); the tree owns the section.
struct SectionTree {
    ProElement tree = nullptr;
    ProSection section = nullptr;
};
inline SectionTree sectionTree(ProSolid solid, int featureId) {
    SectionTree out;
    ProFeature f = feature(solid, featureId);
    if (ProFeatureElemtreeCreate(&f, &out.tree) != PRO_TK_NO_ERROR) {
        return out;
    }
    ProElempath path = nullptr;
    ProElempathAlloc(&path);
    ProElempathItem steps[] = {{PRO_ELEM_PATH_ITEM_TYPE_ID, {447}},
                               {PRO_ELEM_PATH_ITEM_TYPE_ID, {458}}};
    ProElempathDataSet(path, steps, 2);
    ProElement sketch = nullptr;
    ProValue value = nullptr;
    ProValueData data{};
    if (ProElemtreeElementGet(out.tree, path, &sketch) == PRO_TK_NO_ERROR &&
        ProElementValueGet(sketch, &value) == PRO_TK_NO_ERROR &&
        ProValueDataGet(value, &data) == PRO_TK_NO_ERROR && data.type == PRO_VALUE_TYPE_POINTER) {
        out.section = static_cast<ProSection>(data.v.p);
    }
    ProElempathFree(&path);
    return out;
}

inline int addLine(ProSection section, double u1, double v1, double u2, double v2,
                   Pro2dEntType type = PRO_2D_LINE) {
    Pro2dLinedef line{type, {u1, v1}, {u2, v2}};
    int id = 0;
    EXPECT_EQ(ProSectionEntityAdd(section, reinterpret_cast<Pro2dEntdef*>(&line), &id),
              PRO_TK_NO_ERROR);
    return id;
}

// The axis the library draws: the sketch's vertical through the origin.
inline int addAxis(ProSection section) {
    int id = addLine(section, 0, 0, 0, 1, PRO_2D_CENTER_LINE);
    ProSectionEntityConstructionSet(section, id, PRO_B_FALSE);
    return id;
}

inline int addArc(ProSection section, double cu, double cv, double radius, double from, double to) {
    Pro2dArcdef arc{PRO_2D_ARC, {cu, cv}, from, to, radius};
    int id = 0;
    EXPECT_EQ(ProSectionEntityAdd(section, reinterpret_cast<Pro2dEntdef*>(&arc), &id),
              PRO_TK_NO_ERROR);
    return id;
}

// A closed polygon through the points, in order.
inline void addPolygon(ProSection section, const std::vector<std::array<double, 2>>& points) {
    for (std::size_t k = 0; k < points.size(); ++k) {
        const auto& a = points[k];
        const auto& b = points[(k + 1) % points.size()];
        addLine(section, a[0], a[1], b[0], b[1]);
    }
}

// The error texts the solver gave.
inline std::vector<std::wstring> messages(ProWSecerror errors) {
    int n = 0;
    ProSecerrorCount(&errors, &n);
    std::vector<std::wstring> out;
    for (int k = 0; k < n; ++k) {
        ProMsg text{};
        EXPECT_EQ(ProSecerrorMsgGet(errors, k, text), PRO_TK_NO_ERROR);
        out.emplace_back(text);
    }
    return out;
}

inline ProError redefine(ProSolid solid, int featureId, ProElement elemtree) {
    ProFeature f = feature(solid, featureId);
    ProFeatureCreateOptions options[] = {PRO_FEAT_CR_DEFINE_MISS_ELEMS};
    ProErrorlist errors{};
    return ProFeatureRedefine(nullptr, &f, elemtree, options, 1, &errors);
}

}  // namespace revolvetest
