// Fault-sweep rows of the curve-element list and the features made from curves: reading
// curve features, the datum curve of the list and the revolved solids.
#include <ProToolkit.h>
#include <gtest/gtest.h>

#include <string>

#include "kelt2proe/error.h"
#include "kelt2proe/geometry.h"
#include "kelt2proe/mdl.h"
#include "support/sweep_table.h"

namespace {

using namespace testkit;

constexpr const char* kReadText = "Ardo::kelt2pMdl::CurveElements";
constexpr const char* kAddText = "Ardo::kelt2pMdl::CurveElementsAdd";
constexpr const char* kRevolveText = "Ardo::kelt2pMdl::CreateRevolveFeature";
constexpr const char* kSearchText = "ardotk::CsysSearch";
constexpr int kOutline = 10;
constexpr int kMixed = 20;
constexpr int kLoop = 30;

Ardo::kelt2pMdl part;
int result = 0;

// CS0 and CS01; OUTLINE of a line and an arc, MIXED of a line, an arc and a spline, LOOP
// a closed rectangle in the XZ plane.
void toolLoaded() {
    freshHost();
    writeTextFile("tool.prt", R"({"type": "PRT", "features": [
        {"id": 1, "type": 979, "name": "CS0", "items": [{"id": 11, "type": 25}]},
        {"id": 2, "type": 979, "name": "CS01", "items": [{"id": 12, "type": 25,
            "placement": {"origin": [10, 20, 30], "x": [0, 1, 0], "y": [-1, 0, 0],
                          "z": [0, 0, 1]}}]},
        {"id": 10, "type": 949, "name": "OUTLINE", "curves": [
            {"id": 101, "line": {"from": [0, 0, 0], "to": [10, 0, 0]}},
            {"id": 102, "arc": {"origin": [10, 5, 0], "vector1": [0, -1, 0],
                                "vector2": [1, 0, 0], "start": 0, "end": 1.5707963267948966,
                                "radius": 5}}]},
        {"id": 20, "type": 949, "name": "MIXED", "curves": [
            {"id": 201, "line": {"from": [0, 0, 0], "to": [10, 0, 0]}},
            {"id": 202, "arc": {"origin": [10, 5, 0], "vector1": [0, -1, 0],
                                "vector2": [1, 0, 0], "start": 0, "end": 1.5707963267948966,
                                "radius": 5}},
            {"id": 203, "spline": {"points": [[15, 5, 0], [15, 8, 0], [15, 10, 0]]}}]},
        {"id": 30, "type": 949, "name": "LOOP", "curves": [
            {"id": 301, "line": {"from": [0, 0, 0], "to": [5, 0, 0]}},
            {"id": 302, "line": {"from": [5, 0, 0], "to": [5, 0, 20]}},
            {"id": 303, "line": {"from": [5, 0, 20], "to": [0, 0, 20]}},
            {"id": 304, "line": {"from": [0, 0, 20], "to": [0, 0, 0]}}]}
    ]})");
    part = Ardo::kelt2pMdl();
    part.Load("tool.prt", Ardo::KELT2P_MDL_PART, false);
    Ardo::kelt2pMdl::CurveElementsClear();
}

Ardo::kelt2pCurveElement line(double x0, double y0, double x1, double y1) {
    Ardo::kelt2pCurveElement element{};
    element.start = Ardo::Point(x0, y0, 0);
    element.end = Ardo::Point(x1, y1, 0);
    element.isLine = true;
    return element;
}

// A closed contour of lines and a quarter arc in the XY plane.
void contourListed() {
    Ardo::kelt2pMdl::CurveElementsClear();
    Ardo::kelt2pMdl::CurveElementsAdd(line(0, 0, 10, 0));
    Ardo::kelt2pCurveElement arc{};
    arc.start = Ardo::Point(10, 0, 0);
    arc.end = Ardo::Point(15, 5, 0);
    arc.center = Ardo::Point(10, 5, 0);
    arc.normal = Ardo::Vector(0, 0, -1);
    Ardo::kelt2pMdl::CurveElementsAdd(arc);
    Ardo::kelt2pMdl::CurveElementsAdd(line(15, 5, 0, 5));
    Ardo::kelt2pMdl::CurveElementsAdd(line(0, 5, 0, 0));
}

int listLength() {
    int n = 0;
    try {
        for (;; ++n) {
            Ardo::kelt2pMdl::CurveElementsAt(n);
        }
    } catch (const std::out_of_range&) {
    }
    return n;
}

bool isReleaseCall(const HostCall& call, int) {
    return call.isRelease();
}

bool thrown(const Outcome& outcome) {
    return outcome.thrown != Outcome::Thrown::Nothing;
}

// Reading a curve feature: its ProFeatureInit raises (code, text), a feature without
// curves (-4 from the visit) gives an empty reading, every other failure passes as
// ardotk::Error(code, "").
Expectation readingFails(const std::string& text) {
    Expectation reading = except(throwsToolkit(""), "ProFeatureInit", throwsLibrary(text));
    return exceptWhen(
        reading,
        [](const HostCall& call, int code) {
            return call.function == "ProFeatureGeomitemVisit" && code == PRO_TK_E_NOT_FOUND;
        },
        swallows());
}

// A coordinate-system search by a pattern that only CS0 matches: a refused widening is
// (-1, "UNBEKANNTER FEHLER"), no coordinate system found is `notFound`, and so is CS0
// read as unnamed; every other failure of the search passes as (code, CsysSearch).
Expectation searchThen(Outcome notFound, Expectation rest) {
    return [notFound, rest](const HostCall& call, int code) {
        if (call.function == "ProStringToWstring") {
            return Outcome::toolkit(-1, "UNBEKANNTER FEHLER");
        }
        if (code == PRO_TK_E_NOT_FOUND &&
            (call.function == "ProSolidCsysVisit" ||
             (call.function == "ProModelitemNameGet" && call.occurrence == 1))) {
            return notFound;
        }
        if (call.function == "ProModelitemNameGet" && code == PRO_TK_E_NOT_FOUND) {
            return Outcome::nothing();
        }
        if (call.function == "ProSolidCsysVisit" || call.function == "ProCsysToGeomitem" ||
            call.function == "ProModelitemNameGet") {
            return Outcome::toolkit(code, kSearchText);
        }
        return rest(call, code);
    };
}

// The list stays as the row's prepare left it when an operation fails.
SweepRow::Check listKept(int length) {
    return [length](const HostCall&, int, const Outcome& outcome) {
        if (thrown(outcome)) {
            EXPECT_EQ(listLength(), length);
        }
    };
}

std::vector<SweepRow> listRows() {
    return {
        {"Ardo::kelt2pMdl::CurveElementsAdd(Ardo::kelt2pCurveElement)", contourListed,
         [] { result = Ardo::kelt2pMdl::CurveElementsAdd(line(0, 0, 1, 1)); }},
        {"Ardo::kelt2pMdl::CurveElementsAt(int)", contourListed,
         [] { result = Ardo::kelt2pMdl::CurveElementsAt(3).isLine ? 1 : 0; }},
        {"Ardo::kelt2pMdl::CurveElementsClear()", contourListed,
         [] { Ardo::kelt2pMdl::CurveElementsClear(); }},
        {"Ardo::kelt2pMdl::CurveElementsMakeChain()", contourListed,
         [] { Ardo::kelt2pMdl::CurveElementsMakeChain(); }},
        {"Ardo::kelt2pMdl::CurveElementsTransform(Ardo::Matrix&)", contourListed,
         [] {
             Ardo::Matrix m;
             m.RotZ(1.0);
             Ardo::kelt2pMdl::CurveElementsTransform(m);
         }},
    };
}

std::vector<SweepRow> readingRows() {
    std::vector<SweepRow> rows = {
        {"Ardo::kelt2pMdl::CurveElements(int, bool, double)",
         [] {
             toolLoaded();
             contourListed();
         },
         [] { result = part.CurveElements(kOutline, true, 1.0); }, readingFails(kReadText),
         [](const HostCall& call, int code, const Outcome& outcome) {
             if (thrown(outcome)) {
                 EXPECT_EQ(listLength(), 4);
             } else if (call.function == "ProFeatureGeomitemVisit" && code == -4) {
                 EXPECT_EQ(result, 0);
             } else {
                 EXPECT_EQ(result, 2);
             }
         }},
        // The spline is cut into lines, whose length and points are measured.
        {"Ardo::kelt2pMdl::CurveElementsAdd(int, bool, double)",
         [] {
             toolLoaded();
             contourListed();
         },
         [] { result = part.CurveElementsAdd(kMixed, false, 2.0); }, readingFails(kAddText),
         listKept(4)},
    };
    rows.back().needsGeometryKernel = true;
    return rows;
}

// The datum curve: the search, then interface data and
// the import feature, all failing as ardotk::Error(code, ""); a failed free changes
// nothing, nor does a failed renaming.
Expectation intfCurveFails() {
    Expectation building = exceptWhen(throwsToolkit(""), isReleaseCall, swallows());
    building = except(building, "ProModelitemNameSet", swallows());
    return searchThen(Outcome::library(PRO_TK_E_NOT_FOUND, "no csys found"), building);
}

// The revolved solid. The coordinate system's selection fails with the operation's
// text, and so do the section's entities, its error list and the final redefinition;
// the datum planes (three features made by the wrapper of feature creation) and the
// trees fail with the empty text; the revolve feature's own creation (the fourth model
// item, selection of the model and feature creation) raises Ardo::Error(code, ""); the
// section's dimensioning, solving and regeneration report nothing. `fromLoop`: the
// curve feature and its items are looked up before the planes are made, and its first
// item is selected for the section (with the operation's text).
Expectation revolveBuilding(bool fromLoop) {
    return [fromLoop](const HostCall& call, int code) {
        const std::string& f = call.function;
        if (call.isRelease() || f == "ProSectionEpsilonSet" || f == "ProSectionAutodim" ||
            f == "ProSectionSolve" || f == "ProSectionRegenerate" || f == "ProSecerrorCount" ||
            f == "ProSecerrorMsgGet") {
            return Outcome::nothing();
        }
        if (f == "ProSelectionAlloc") {
            if (call.occurrence == 1 || (fromLoop && call.occurrence == 8)) {
                return Outcome::library(code, kRevolveText);
            }
            return call.occurrence == 7 ? Outcome::library(code, "") : Outcome::toolkit(code, "");
        }
        if (f == "ProMdlToModelitem" || f == "ProFeatureCreate") {
            return call.occurrence == 4 ? Outcome::library(code, "") : Outcome::toolkit(code, "");
        }
        if (fromLoop && f == "ProFeatureInit") {
            return Outcome::library(code, kRevolveText);
        }
        if (fromLoop && f == "ProFeatureGeomitemVisit" && call.occurrence == 1) {
            return code == PRO_TK_E_NOT_FOUND ? Outcome::library(code, kRevolveText)
                                              : Outcome::toolkit(code, "");
        }
        if (f.rfind("ProSectionEntity", 0) == 0 || f == "ProSecerrorAlloc" ||
            f == "ProFeatureRedefine") {
            return Outcome::library(code, kRevolveText);
        }
        return Outcome::toolkit(code, "");
    };
}

std::vector<SweepRow> featureRows() {
    std::vector<SweepRow> rows = {
        {"Ardo::kelt2pMdl::CreateIntfCurveFeature(char const*, char const*)",
         [] {
             toolLoaded();
             contourListed();
         },
         [] { result = part.CreateIntfCurveFeature("CS0", "CONTOUR"); }, intfCurveFails(),
         listKept(4)},
        {"Ardo::kelt2pMdl::CreateRevolveFeature(char const*, char const*)",
         [] {
             toolLoaded();
             contourListed();
         },
         [] { result = part.CreateRevolveFeature("CS0", "TOOL"); },
         searchThen(Outcome::library(PRO_TK_E_NOT_FOUND, "Ardo::Solid::CsysFindByName"),
                    revolveBuilding(false)),
         listKept(4)},
        {"Ardo::kelt2pMdl::CreateRevolveFeature(int, char const*, char const*, bool)", toolLoaded,
         [] { result = part.CreateRevolveFeature(kLoop, "CS0", "TOOL", false); },
         searchThen(Outcome::library(PRO_TK_E_NOT_FOUND, "no csys found"), revolveBuilding(true))},
    };
    for (SweepRow& row : rows) {
        row.needsGeometryKernel = row.operation.rfind("Ardo::kelt2pMdl::CreateRevolve", 0) == 0;
    }
    return rows;
}

}  // namespace

SWEEP_ROWS(listRows);
SWEEP_ROWS(readingRows);
SWEEP_ROWS(featureRows);
