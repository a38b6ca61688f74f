// Fault-sweep rows of the component paths and the assembly operations: paths and their
// transforms, adding components, listings, redefinition, measurements, dependencies,
// variant features and the coordinate-system operations against components.
#include <ProToolkit.h>
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "kelt2proe/comp_path.h"
#include "kelt2proe/error.h"
#include "kelt2proe/geometry.h"
#include "kelt2proe/mdl.h"
#include "kelt2proe/simhost/control.h"
#include "support/sweep_table.h"

namespace {

using namespace testkit;
using Ardo::kelt2pCompPath;
using Ardo::kelt2pMdl;

constexpr const char* kSearchText = "ardotk::CsysSearch";
constexpr const char* kNotFoundText = "Ardo::Solid::CsysFindByName";
constexpr const char* kEvalText = "Ardo::Solid::DistanceEval";

kelt2pMdl top;
kelt2pMdl holder;
kelt2pMdl cube;
kelt2pCompPath placed;
kelt2pCompPath second;
int result = 0;
double distance = 0.0;
bool answer = false;
int pointId = 0;
int pointFeature = 0;

// TOP (CS0, MOUNT) and HOLDER (CS0, BASE, the datum point P on BASE), the holder placed
// with BASE on MOUNT as `placed`.
void assembled() {
    freshHost();
    top = kelt2pMdl();
    top.Create("TOP", Ardo::KELT2P_MDL_ASSEMBLY);
    top.CsysCreate("CS0");
    top.CsysCreateOffSet("MOUNT", "CS0", 0, 10, 0, 0, 0, 0, 0);
    holder = kelt2pMdl();
    holder.Create("HOLDER", Ardo::KELT2P_MDL_PART);
    holder.CsysCreate("CS0");
    holder.CsysCreateOffSet("BASE", "CS0", 0, 0, 0, 5, 0, 0, 0);
    holder.PntCreate("BASE", "P", 0, 1, 2, 3);
    placed = top.Add(holder, "BASE", "MOUNT");
    holder.PntList("P");
    pointId = holder.PntListAt(0).id;
    pointFeature = holder.FeatureFind("P");
}

// A part holding a solid box, placed twice in TOP by matrix 3 apart.
void boxesPlaced() {
    assembled();
    writeTextFile("cube.prt", R"({"type": "PRT", "subtype": 2, "features": [],
        "solids": [{"box": {"corner": [0, 0, 0], "size": [10, 10, 10]}}]})");
    cube = kelt2pMdl();
    cube.Load("cube.prt", Ardo::KELT2P_MDL_PART, false);
    Ardo::Matrix here;
    Ardo::Matrix apart;
    apart.Trans(13, 0, 0);
    placed = top.Add(cube, here);
    second = top.Add(cube, apart);
}

// The holder as a flexible component of TOP varying its parameter LENGTH.
void flexible() {
    assembled();
    holder.ParamSet("LENGTH", 40.0);
    simhost::setVaried("TOP", placed.IdGetAt(0), {}, {"LENGTH"});
}

// TOP's coordinate system ABOVE made from the holder's BASE through the component.
void referenced() {
    assembled();
    top.CsysCreateOffSet("ABOVE", "BASE", placed, 0, 0, 0, 1, 0, 0, 0);
}

// The outcomes of CsysExtRefs("BASE", placed): the assembly check, the path's model, the
// feature search; the reference readings leave the list as it is.
Outcome extRefsExpected(const HostCall& call, int code) {
    if (call.function == "ProMdlTypeGet") {
        return Outcome::library(code, "Ardo::Solid::CsysExtRefs");
    }
    if (call.function == "ProAsmcomppathMdlGet") {
        return Outcome::library(code, "Ardo::CompPath::MdlGet");
    }
    if (call.function == "ProStringToWstring") {
        return Outcome::toolkit(-1, "UNBEKANNTER FEHLER");
    }
    if (call.function == "ProSolidFeatVisit" && code == PRO_TK_E_NOT_FOUND) {
        return Outcome::toolkit(-1, "nothing found");
    }
    if (call.function == "ProModelitemNameGet" && code == PRO_TK_E_NOT_FOUND) {
        // CS0 reads as unnamed; BASE unnamed is not found.
        return call.occurrence == 2 ? Outcome::toolkit(-1, "nothing found") : Outcome::nothing();
    }
    if (call.function == "ProSolidFeatVisit" || call.function == "ProFeatureStatusGet" ||
        call.function == "ProModelitemNameGet" || call.function == "ProFeatureTypeGet") {
        return Outcome::toolkit(code, "ardotk::FeatureSearch");
    }
    return Outcome::nothing();
}

// TOP's ABOVE made through `placed` and ABOVE2 through a second holder, `second`.
void referencedTwice() {
    referenced();
    second = top.Add(holder, "BASE", "CS0");
    top.CsysCreateOffSet("ABOVE2", "BASE", second, 0, 0, 0, 2, 0, 0, 0);
}

// Coordinate-system searches for the first match: none visited is (-4, "not found"), an
// unnamed system matches nothing (not found when it is the name read as occurrence
// `matched` or `matched2` of the name readings), the other failures of the search pass
// as (code, "ardotk::CsysSearch"); the other calls expect `rest`.
Expectation firstMatchThen(Expectation rest, int matched = 0, int matched2 = 0) {
    return [rest, matched, matched2](const HostCall& call, int code) {
        if (call.function == "ProStringToWstring") {
            return Outcome::toolkit(-1, "UNBEKANNTER FEHLER");
        }
        if (call.function == "ProModelitemNameGet" && code == PRO_TK_E_NOT_FOUND) {
            return call.occurrence == matched || call.occurrence == matched2
                       ? Outcome::library(PRO_TK_E_NOT_FOUND, kNotFoundText)
                       : Outcome::nothing();
        }
        if (call.function == "ProSolidCsysVisit" && code == PRO_TK_E_NOT_FOUND) {
            return Outcome::library(PRO_TK_E_NOT_FOUND, kNotFoundText);
        }
        if (call.function == "ProSolidCsysVisit" || call.function == "ProCsysToGeomitem" ||
            call.function == "ProModelitemNameGet") {
            return Outcome::toolkit(code, kSearchText);
        }
        return rest(call, code);
    };
}

// A coordinate system's transform read by name.
Expectation transformThen(Expectation rest) {
    return except(
        except(except(except(except(rest, "ProModelitemByNameInit",
                                    throwsLibrary("CsysGetTransform CSYS nicht gefunden")),
                             "ProCsysInit", throwsLibrary("Ardo::Solid::CsysGetTransform")),
                      "ProCsysDataGet", throwsLibrary("Ardo::Solid::CsysGetTransform")),
               "ProMatrixInit", throwsLibrary("Ardo::Solid::CsysGetTransform")),
        "ProGeomitemdataFree", throwsLibrary("Ardo::Solid::CsysGetTransform"));
}

Expectation pathCalls(Expectation rest) {
    return except(except(rest, "ProAsmcomppathMdlGet", throwsLibrary("Ardo::CompPath::MdlGet")),
                  "ProAsmcomppathTrfGet", throwsLibrary("Ardo::CompPath::TransGet"));
}

// Element calls raise with the empty text; releases change nothing.
Expectation treeThen(Expectation rest) {
    return [rest](const HostCall& call, int code) {
        if (call.isRelease()) {
            return Outcome::nothing();
        }
        if (call.function.rfind("ProElement", 0) == 0 || call.function.rfind("ProValue", 0) == 0 ||
            call.function == "ProElemtreeElementAdd") {
            return Outcome::toolkit(code, "");
        }
        return rest(call, code);
    };
}

// A datum point's coordinates in its model.
Expectation pointThen(Expectation rest) {
    return except(except(rest, "ProPointInit", throwsLibrary("ProPointInit")), "ProPointCoordGet",
                  throwsLibrary("ProPointCoordGet"));
}

// The search for the component placed on MOUNT of TOP: the coordinate system is looked
// up in the path's model; a failing listing or placement reading finds no component.
Expectation componentSearch() {
    Expectation found = [](const HostCall& call, int code) {
        if (call.isRelease()) {
            return Outcome::nothing();
        }
        // Failing readings of TOP's other features leave them out, as they are.
        const std::string component = ":" + std::to_string(placed.IdGetAt(0));
        const bool ofComponent = call.entry.size() >= component.size() &&
                                 call.entry.compare(call.entry.size() - component.size(),
                                                    component.size(), component) == 0;
        if (call.function == "ProMdlTypeGet" ||
            ((call.function == "ProFeatureStatusGet" || call.function == "ProFeatureTypeGet") &&
             !ofComponent)) {
            return Outcome::nothing();
        }
        if (call.function == "ProStringToWstring") {
            return Outcome::toolkit(-1, "UNBEKANNTER FEHLER");
        }
        if ((call.function == "ProSolidCsysVisit" ||
             (call.function == "ProModelitemNameGet" && call.occurrence == 2)) &&
            code == PRO_TK_E_NOT_FOUND) {
            return Outcome::library(-1, "KOS nicht oder mehrere KOS gefunden");
        }
        if (call.function == "ProModelitemNameGet" && code == PRO_TK_E_NOT_FOUND) {
            return Outcome::nothing();
        }
        if (call.function == "ProSolidCsysVisit" || call.function == "ProCsysToGeomitem" ||
            call.function == "ProModelitemNameGet") {
            return Outcome::toolkit(code, kSearchText);
        }
        if (call.function == "ProAsmcomppathMdlGet" && call.occurrence == 1) {
            return Outcome::library(code, "Ardo::CompPath::MdlGet");
        }
        return Outcome::library(-1, "no component found");
    };
    return found;
}

std::vector<SweepRow> assemblyRows() {
    std::vector<SweepRow> rows{
        // Values: no host call.
        {"Ardo::kelt2pCompPath::kelt2pCompPath(Ardo::kelt2pMdl const&)", assembled,
         [] { kelt2pCompPath path(top); }},
        {"Ardo::kelt2pCompPath::operator==(Ardo::kelt2pCompPath const&) const", assembled,
         [] { answer = placed == kelt2pCompPath(top); }},
        {"Ardo::kelt2pCompPath::Add(int)", assembled, [] { placed.Add(3); }},
        {"Ardo::kelt2pCompPath::Depth()", assembled, [] { result = placed.Depth(); }},
        {"Ardo::kelt2pCompPath::IdGetAt(int)", assembled, [] { result = placed.IdGetAt(0); }},
        {"Ardo::kelt2pCompPath::RootGet()", assembled, [] { placed.RootGet(); }},
        {"Ardo::kelt2pCompPath::RootSet(Ardo::kelt2pMdl const&)", assembled,
         [] { placed.RootSet(holder); }},
        // Reads through the host.
        {"Ardo::kelt2pCompPath::MdlGet()", assembled, [] { placed.MdlGet(); },
         throwsLibrary("Ardo::CompPath::MdlGet")},
        {"Ardo::kelt2pCompPath::TypeGet()", assembled, [] { placed.TypeGet(); },
         except(throwsLibrary("Ardo::CompPath::TypeGet"), "ProFeatureInit", swallows())},
        {"Ardo::kelt2pCompPath::TransGetStd()", assembled, [] { placed.TransGetStd(); },
         throwsLibrary("Ardo::CompPath::TransGet")},
        {"Ardo::kelt2pCompPath::TransGet(char const*, char const*)", assembled,
         [] { placed.TransGet("MOUNT", "BASE"); }, pathCalls(transformThen(swallows()))},
        {"Ardo::kelt2pCompPath::TransGet(Ardo::Matrix&, char const*, char const*)", assembled,
         [] {
             Ardo::Matrix m;
             placed.TransGet(m, "MOUNT", "BASE");
         },
         pathCalls(transformThen(swallows()))},
        {"Ardo::kelt2pCompPath::TransGet(char const*, Ardo::kelt2pPointData)", assembled,
         [] {
             placed.TransGet("MOUNT", Ardo::kelt2pPointData{"P", pointId});
         },
         pathCalls(transformThen(pointThen(swallows())))},
        {"Ardo::kelt2pCompPath::TransGet(char const*, Ardo::kelt2pPointData, Ardo::Matrix&)",
         assembled,
         [] {
             Ardo::Matrix m;
             placed.TransGet("MOUNT", Ardo::kelt2pPointData{"P", pointId}, m);
         },
         pathCalls(transformThen(pointThen(swallows())))},

        // Adding components.
        {"Ardo::kelt2pMdl::Add(Ardo::kelt2pMdl&)", assembled, [] { top.Add(holder); },
         treeThen(throwsToolkit("ardotk::Assemble"))},
        {"Ardo::kelt2pMdl::Add(Ardo::kelt2pMdl&, Ardo::Matrix&)", assembled,
         [] {
             Ardo::Matrix m;
             top.Add(holder, m);
         },
         throwsToolkit("ardotk::Assemble")},
        {"Ardo::kelt2pMdl::Add(Ardo::kelt2pMdl&, char const*, char const*)", assembled,
         [] { top.Add(holder, "BASE", "CS0"); },
         firstMatchThen(treeThen(throwsLibrary("Ardo::Solid::Add")), 2, 3)},
        {"Ardo::kelt2pMdl::Add(Ardo::kelt2pMdl&, char const*, Ardo::kelt2pCompPath&, char const*)",
         assembled, [] { top.Add(holder, "CS0", placed, "BASE"); },
         except(firstMatchThen(treeThen(throwsLibrary("Ardo::Solid::Add")), 1, 4),
                "ProAsmcomppathMdlGet", throwsLibrary("Ardo::CompPath::MdlGet"))},
        {"Ardo::kelt2pMdl::AddMultiple(Ardo::kelt2pMdl&, char const*, Ardo::kelt2pCompPath&, char "
         "const*)",
         assembled, [] { top.AddMultiple(holder, "CS0", placed, "BASE"); },
         except(except(exceptWhen(
                           firstMatchThen(treeThen(throwsLibrary("Ardo::Solid::AddMultiple")), 3),
                           [](const HostCall& call, int code) {
                               return call.function == "ProModelitemNameGet" &&
                                      call.occurrence == 2 && code == PRO_TK_E_NOT_FOUND;
                           },
                           throwsLibrary("Ardo::Solid::AddMultiple")),
                       "ProAsmcomppathMdlGet", throwsLibrary("Ardo::CompPath::MdlGet")),
                "ProSolidCsysVisit",
                [](const HostCall& call, int code) {
                    // The targets are searched first.
                    if (call.occurrence == 1 && code == PRO_TK_E_NOT_FOUND) {
                        return Outcome::library(code, "Ardo::Solid::AddMultiple");
                    }
                    if (code == PRO_TK_E_NOT_FOUND) {
                        return Outcome::library(code, kNotFoundText);
                    }
                    return Outcome::toolkit(code, kSearchText);
                })},

        // Listings and the placement dialog.
        {"Ardo::kelt2pMdl::ComponetList(char const*)", assembled,
         [] { result = top.ComponetList(".*"); },
         [](const HostCall& call, int code) {
             if (call.function == "ProMdlTypeGet" && call.occurrence == 1) {
                 return Outcome::library(code, "Ardo::Solid::ComponetList");
             }
             if (call.function == "ProStringToWstring") {
                 return Outcome::toolkit(-1, "UNBEKANNTER FEHLER");
             }
             return Outcome::nothing();
         },
         [](const HostCall& call, int, const Outcome& outcome) {
             if (outcome.thrown == Outcome::Thrown::Nothing) {
                 // The component is left out when its own reading or the visit fails.
                 const std::string component = ":" + std::to_string(placed.IdGetAt(0));
                 const bool lost = call.function == "ProSolidFeatVisit" ||
                                   call.function == "ProAsmcompMdlGet" ||
                                   (call.entry.size() >= component.size() &&
                                    call.entry.compare(call.entry.size() - component.size(),
                                                       component.size(), component) == 0);
                 EXPECT_EQ(result, lost ? 0 : 1) << call.entry;
             }
         }},
        {"Ardo::kelt2pMdl::ComponetListAt(int)",
         [] {
             assembled();
             top.ComponetList(".*");
         },
         [] { top.ComponetListAt(0); }},
        {"Ardo::kelt2pMdl::CompRedefine(Ardo::kelt2pCompPath&, bool)",
         [] {
             assembled();
             simhost::queuePlacementDefault();
         },
         [] { answer = top.CompRedefine(placed, true); }, swallows(),
         [](const HostCall& call, int, const Outcome&) {
             EXPECT_EQ(answer, call.function != "ProAsmcompConstrRedefUI");
         }},

        // Measurements.
        {"Ardo::kelt2pMdl::Distance(Ardo::kelt2pCompPath&, Ardo::kelt2pCompPath&, bool)",
         boxesPlaced, [] { distance = top.Distance(placed, second, true); },
         [](const HostCall& call, int code) {
             if (call.function == "ProMdlSubtypeGet") {
                 return Outcome::toolkit(code, "ardotk::Mdlsubtype");
             }
             if (call.function == "ProAsmcomppathMdlGet") {
                 return Outcome::library(code, "Ardo::CompPath::MdlGet");
             }
             if (call.function == "ProSolidFeatVisit" &&
                 (code == PRO_TK_GENERAL_ERROR || code == PRO_TK_BAD_INPUTS)) {
                 return Outcome::toolkit(code, "");
             }
             if (call.function == "ProSolidFeatVisit") {
                 return Outcome::nothing();
             }
             return Outcome::library(code, "Ardo::Solid::Distance");
         }},
        {"Ardo::kelt2pMdl::DistanceEval(int, Ardo::kelt2pCompPath&, int, Ardo::kelt2pCompPath&)",
         assembled, [] { distance = top.DistanceEval(pointFeature, placed, pointId, placed); },
         [](const HostCall& call, int code) {
             if (call.function == "ProAsmcomppathMdlGet") {
                 return Outcome::library(code, "Ardo::CompPath::MdlGet");
             }
             if (call.isRelease()) {
                 return Outcome::nothing();
             }
             // The feature's id taken as a point's: the host finds no such point.
             if (call.function == "ProFeatureInit") {
                 return call.occurrence == 1 ? Outcome::library(PRO_TK_BAD_INPUTS, kEvalText)
                                             : Outcome::nothing();
             }
             return Outcome::library(code, "Ardo::Solid::DistanceEval");
         }},
        {"Ardo::kelt2pMdl::OutlineCompute(Ardo::Matrix&)", boxesPlaced,
         [] {
             Ardo::Matrix m;
             top.OutlineCompute(m);
         },
         throwsLibrary("Ardo::Solid::OutlineCompute")},
        {"Ardo::kelt2pMdl::DependenciesList()", assembled, [] { result = top.DependenciesList(); },
         except(except(throwsLibrary("Ardo::Solid::DependenciesList"), "ProArrayFree", swallows()),
                "ProMdlInit",
                [](const HostCall&, int code) {
                    // A model not in session is listed by name.
                    return code == PRO_TK_E_NOT_FOUND
                               ? Outcome::nothing()
                               : Outcome::library(code, "Ardo::Solid::DependenciesList");
                })},
        {"Ardo::kelt2pMdl::DependenciesListAt(int)",
         [] {
             assembled();
             top.DependenciesList();
         },
         [] { top.DependenciesListAt(0); }},

        // Variant features of a flexible component.
        {"Ardo::kelt2pMdl::ParamsVariantfeat(Ardo::kelt2pCompPath&, char const*)", flexible,
         [] { result = holder.ParamsVariantfeat(placed, "L.*"); },
         except(
             except(except(throwsToolkit(""), "ProAsmcomppathMdlGet",
                           throwsLibrary("Ardo::CompPath::MdlGet")),
                    "ProStringToWstring", throwsAlways(Outcome::toolkit(-1, "UNBEKANNTER FEHLER"))),
             "ProVariantfeatParamsVisit",
             [](const HostCall&, int code) {
                 return code == PRO_TK_E_NOT_FOUND ? Outcome::nothing()
                                                   : Outcome::toolkit(code, "");
             })},
        {"Ardo::kelt2pMdl::DimsVariantfeat(Ardo::kelt2pCompPath&, char const*)", flexible,
         [] { result = holder.DimsVariantfeat(placed, ".*"); },
         except(
             except(except(swallows(), "ProAsmcomppathMdlGet",
                           throwsLibrary("Ardo::CompPath::MdlGet")),
                    "ProStringToWstring", throwsAlways(Outcome::toolkit(-1, "UNBEKANNTER FEHLER"))),
             "ProVariantfeatItemsVisit",
             [](const HostCall&, int code) {
                 return code == PRO_TK_E_NOT_FOUND ? Outcome::nothing()
                                                   : Outcome::toolkit(code, "");
             })},

        // Coordinate systems against components.
        {"Ardo::kelt2pMdl::CsysCreateOffSet(char const*, char const*, Ardo::kelt2pCompPath&, int, "
         "double, double, double, double, double, double)",
         assembled, [] { top.CsysCreateOffSet("ABOVE", "BASE", placed, 0, 0, 0, 1, 0, 0, 0); },
         except(firstMatchThen(
                    [](const HostCall& call, int code) {
                        if (call.function == "ProMdlTypeGet" ||
                            call.function == "ProAsmcomppathInit" ||
                            (call.function == "ProSelectionAlloc" && call.occurrence == 1)) {
                            return Outcome::library(code, "Ardo::Solid::CsysCreateOffSet");
                        }
                        return treeThen(throwsToolkit(""))(call, code);
                    },
                    2),
                "ProAsmcomppathMdlGet", throwsLibrary("Ardo::CompPath::MdlGet"))},
        {"Ardo::kelt2pMdl::CsysComponent(char const*, Ardo::kelt2pCompPath&)", assembled,
         [] {
             kelt2pCompPath root(top);
             top.CsysComponent("MOUNT", root);
         },
         componentSearch()},
        {"Ardo::kelt2pMdl::CsysHasComponent(char const*, Ardo::kelt2pCompPath&)", assembled,
         [] {
             kelt2pCompPath root(top);
             answer = top.CsysHasComponent("MOUNT", root);
         },
         swallows()},
        // ABOVE references BASE through `placed`, the path asked for; ABOVE2 through
        // another component, so its parents are read and compared level by level.
        {"Ardo::kelt2pMdl::CsysExtRefs(char const*, Ardo::kelt2pCompPath&)", referencedTwice,
         [] { result = top.CsysExtRefs("BASE", placed); },
         [](const HostCall& call, int code) {
             if (call.function == "ProFeatureParentsGet" || call.function == "ProFeatureInit") {
                 return Outcome::toolkit(code, "ardotk::FeatureParentsGet");
             }
             if (call.function == "ProArrayFree") {
                 return Outcome::nothing();
             }
             if (call.function == "ProAsmcomppathMdlGet" && call.occurrence > 1) {
                 return Outcome::nothing();  // that level is skipped
             }
             return extRefsExpected(call, code);
         }},
        {"Ardo::kelt2pMdl::CsysExtRefs(int)", assembled,
         [] {
             try {
                 top.CsysExtRefs(0);
             } catch (const std::out_of_range&) {
             }
         }},
    };
    for (SweepRow& row : rows) {
        row.needsGeometryKernel = row.operation.rfind("Ardo::kelt2pMdl::Distance(", 0) == 0 ||
                                  row.operation.rfind("Ardo::kelt2pMdl::OutlineCompute(", 0) == 0;
    }
    return rows;
}

SWEEP_ROWS(assemblyRows);

}  // namespace
