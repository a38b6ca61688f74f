// Fault-sweep rows of the coordinate-system and datum-point operations of kelt2pMdl:
// pattern lookups and listings, creation of the element trees, renaming, highlighting,
// transforms and the datum-point accessors.
#include <ProToolkit.h>
#include <gtest/gtest.h>

#include <string>

#include "kelt2proe/error.h"
#include "kelt2proe/geometry.h"
#include "kelt2proe/mdl.h"
#include "support/sweep_table.h"

namespace {

using namespace testkit;

constexpr const char* kSearchText = "ardotk::CsysSearch";
constexpr const char* kNotFoundText = "Ardo::Solid::CsysFindByName";
constexpr int kNameXA = Ardo::KELT2P_DIM_NAMES | Ardo::KELT2P_DIM_A | Ardo::KELT2P_DIM_X;

Ardo::kelt2pMdl part;
int result = 0;
std::string name;

// CS0 in the model's frame, CS01 moved; the point P1 (item 14) and P2 (item 16).
void plateLoaded() {
    freshHost();
    writeTextFile("plate.prt", R"({"type": "PRT", "features": [
        {"id": 1, "type": 979, "name": "CS0", "items": [{"id": 11, "type": 25}]},
        {"id": 2, "type": 979, "name": "CS01", "items": [{"id": 12, "type": 25,
            "placement": {"origin": [10, 20, 30], "x": [0, 1, 0], "y": [-1, 0, 0],
                          "z": [0, 0, 1]}}]},
        {"id": 4, "type": 931, "name": "P1", "items": [{"id": 14, "type": 66, "xyz": [1, 2, 3]}]},
        {"id": 6, "type": 931, "name": "P2", "items": [{"id": 16, "type": 66, "xyz": [4, 5, 6]}]}
    ]})");
    part = Ardo::kelt2pMdl();
    part.Load("plate.prt", Ardo::KELT2P_MDL_PART, false);
}

bool thrown(const Outcome& outcome) {
    return outcome.thrown != Outcome::Thrown::Nothing;
}

// A coordinate-system search by a pattern whose first match is CS0 or, when CS0 reads as
// unnamed (-4), CS01: a refused widening is (-1, "UNBEKANNTER FEHLER"), no coordinate
// system visited is `notFound`, an unnamed one changes nothing, every other failure of
// the search passes as (code, "ardotk::CsysSearch"). The calls after it expect `rest`.
Expectation searchThen(Expectation notFound, Expectation rest) {
    return [notFound, rest](const HostCall& call, int code) {
        if (call.function == "ProStringToWstring") {
            return Outcome::toolkit(-1, "UNBEKANNTER FEHLER");
        }
        if (call.function == "ProSolidCsysVisit" && code == PRO_TK_E_NOT_FOUND) {
            return notFound(call, code);
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

Expectation firstMatchThen(Expectation rest) {
    return searchThen(throwsAlways(Outcome::library(PRO_TK_E_NOT_FOUND, kNotFoundText)), rest);
}

bool isRelease(const HostCall& call, int) {
    return call.isRelease();
}

// Creation from a reference found by pattern: the reference's selection fails with the
// operation's text, the tree and the feature with the empty text, a release of the
// builders changes nothing, the dimension listing fails with the naming text (none
// found: nothing to name), and symbol assignment reports nothing.
Expectation createdOnReference(const std::string& text, const std::string& namingText) {
    Expectation tree = exceptWhen(throwsToolkit(""), isRelease, swallows());
    tree = exceptWhen(
        tree,
        [](const HostCall& call, int) {
            return call.function == "ProMdlTypeGet" ||
                   (call.function == "ProSelectionAlloc" && call.occurrence == 1);
        },
        throwsLibrary(text));
    tree = except(
        tree, "ProFeatureDimensionVisit",
        exceptWhen(
            throwsLibrary(namingText),
            [](const HostCall&, int code) { return code == PRO_TK_E_NOT_FOUND; }, swallows()));
    tree = except(tree, "ProDimensionSymbolSet", swallows());
    return firstMatchThen(tree);
}

// The coordinate-system list holds CS0 alone when a listing fails.
void expectCsysListKept() {
    EXPECT_STREQ(part.CsysListAt(0), "CS0");
    EXPECT_THROW(part.CsysListAt(1), std::out_of_range);
}

std::vector<SweepRow> csysRows() {
    return {
        {"Ardo::kelt2pMdl::CsysList(char const*)",
         [] {
             plateLoaded();
             part.CsysList("CS0");
         },
         [] { result = part.CsysList(".*"); }, searchThen(swallows(), swallows()),
         [](const HostCall& call, int code, const Outcome& outcome) {
             if (thrown(outcome)) {
                 expectCsysListKept();
             } else {
                 EXPECT_EQ(result, call.function == "ProSolidCsysVisit" && code == -4 ? 0 : 2);
             }
         }},
        {"Ardo::kelt2pMdl::CsysListAt(int)",
         [] {
             plateLoaded();
             part.CsysList(".*");
         },
         [] { name = part.CsysListAt(1); },
         // An unnamed entry reads as the empty name; a refused narrowing raises -1.
         [](const HostCall& call, int code) {
             if (call.isTextConversion()) {
                 return Outcome::library(-1, "Ardo::kelt2pMdl::CsysListAt");
             }
             if (code == PRO_TK_E_NOT_FOUND) {
                 return Outcome::nothing();
             }
             return Outcome::library(code, "Ardo::kelt2pMdl::CsysListAt");
         },
         [](const HostCall&, int, const Outcome& outcome) {
             if (!thrown(outcome)) {
                 EXPECT_EQ(name, "");
             }
         }},
        {"Ardo::kelt2pMdl::CsysCreate(char const*)", [] { plateLoaded(); },
         [] { part.CsysCreate("NEW"); },
         // A failed existence test is no coordinate system of that name.
         except(exceptWhen(throwsToolkit(""), isRelease, swallows()), "ProModelitemByNameInit",
                swallows())},
        {"Ardo::kelt2pMdl::CsysCreateOffSet(char const*, char const*, int, double, double, "
         "double, double, double, double)",
         [] { plateLoaded(); },
         [] { part.CsysCreateOffSet("NEW", "CS.*", kNameXA, 1, 2, 3, 4, 5, 6); },
         createdOnReference("Ardo::Solid::CsysCreateOffSet", "Ardo::kelt2pMdl::CsysCreateOffSet")},
        {"Ardo::kelt2pMdl::CsysCreateOffSet(char const*, char const*, Ardo::Matrix&, int)",
         [] { plateLoaded(); },
         [] {
             Ardo::Matrix m;
             m.RotXYZ(0.3, -0.2, 0.1);
             m.TransAdd(1, 2, 3);
             part.CsysCreateOffSet("NEW", "CS.*", m, kNameXA);
         },
         createdOnReference("Ardo::Solid::CsysCreateOffSet", "Ardo::kelt2pMdl::CsysCreateOffSet")},
        {"Ardo::kelt2pMdl::CsysRename(char const*, char const*)", [] { plateLoaded(); },
         [] { part.CsysRename("CS01", "HOLDER"); }, throwsLibrary("Ardo::kelt2pMdl::CsysRename")},
        {"Ardo::kelt2pMdl::CsysHighlight(char const*, Ardo::kelt2pColortype)",
         [] { plateLoaded(); },
         [] {
             part.CsysHighlight("CS.*", Ardo::KELT2P_COLOR_HIGHLITE);
             part.CsysHighlight("CS.*", Ardo::KELT2P_COLOR_NONE);
         },
         firstMatchThen(except(except(throwsLibrary("Ardo::kelt2pMdl::CsysHighlight"),
                                      "ProSelectionHighlight", swallows()),
                               "ProSelectionDisplay", swallows()))},
        {"Ardo::kelt2pMdl::CsysUnHighlight(char const*)",
         [] {
             plateLoaded();
             part.CsysHighlight("CS.*", Ardo::KELT2P_COLOR_HIGHLITE);
         },
         [] { part.CsysUnHighlight("CS.*"); },
         firstMatchThen(except(throwsLibrary("Ardo::kelt2pMdl::CsysUnHighlight"),
                               "ProSelectionUnhighlight", swallows()))},
        {"Ardo::kelt2pMdl::CsysGetTransform(char const*)", [] { plateLoaded(); },
         [] { part.CsysGetTransform("CS01"); },
         except(throwsLibrary("Ardo::Solid::CsysGetTransform"), "ProModelitemByNameInit",
                throwsLibrary("CsysGetTransform CSYS nicht gefunden"))},
        {"Ardo::kelt2pMdl::PntCreate(char const*, char const*, int, double, double, double)",
         [] { plateLoaded(); },
         [] { part.PntCreate("CS.*", "PX", Ardo::KELT2P_DIM_NAMES | 7, 1, 2, 3); },
         createdOnReference("Ardo::Solid::PntCreate", "Ardo::kelt2pMdl::PntCreate")},
        {"Ardo::kelt2pMdl::PntList(char const*)",
         [] {
             plateLoaded();
             part.PntList("P1");
         },
         [] { result = part.PntList("P.*"); },
         // A point read as unnamed is not taken; no point visited is an empty list.
         [](const HostCall& call, int code) {
             if (call.function == "ProStringToWstring") {
                 return Outcome::toolkit(-1, "UNBEKANNTER FEHLER");
             }
             if ((call.function == "ProModelitemNameGet" ||
                  call.function == "ProAsmcomppathDispPointVisit") &&
                 code == PRO_TK_E_NOT_FOUND) {
                 return Outcome::nothing();
             }
             return Outcome::toolkit(code, "");
         },
         [](const HostCall& call, int, const Outcome& outcome) {
             if (thrown(outcome)) {
                 EXPECT_STREQ(part.PntListAt(0).name, "P1");
                 EXPECT_THROW(part.PntListAt(1), std::out_of_range);
             } else {
                 EXPECT_EQ(result, call.function == "ProModelitemNameGet" ? 1 : 0);
             }
         }},
        {"Ardo::kelt2pMdl::PntListAt(int)",
         [] {
             plateLoaded();
             part.PntList(".*");
         },
         [] { name = part.PntListAt(1).name; },
         [](const HostCall& call, int code) {
             if (call.function == "ProPointIdGet" || call.function == "ProPointToGeomitem") {
                 return Outcome::toolkit(0, "");
             }
             if (call.isTextConversion() || code == PRO_TK_E_NOT_FOUND) {
                 return Outcome::nothing();  // read as no name
             }
             return Outcome::library(code, "Ardo::kelt2pMdl::PntListAt");
         },
         [](const HostCall&, int, const Outcome& outcome) {
             if (!thrown(outcome)) {
                 EXPECT_EQ(name, "");
             }
         }},
        {"Ardo::kelt2pMdl::TransGet(Ardo::kelt2pPointData)", [] { plateLoaded(); },
         [] {
             part.TransGet(Ardo::kelt2pPointData{"P1", 14});
         },
         except(throwsLibrary("ProPointInit"), "ProPointCoordGet",
                throwsLibrary("ProPointCoordGet"))},
        {"Ardo::kelt2pMdl::TransGet(char const*, Ardo::kelt2pPointData, Ardo::Matrix&)",
         [] { plateLoaded(); },
         [] {
             Ardo::Matrix m;
             part.TransGet("CS01", Ardo::kelt2pPointData{"P2", 16}, m);
         },
         except(
             except(except(throwsLibrary("Ardo::Solid::CsysGetTransform"), "ProModelitemByNameInit",
                           throwsLibrary("CsysGetTransform CSYS nicht gefunden")),
                    "ProPointInit", throwsLibrary("ProPointInit")),
             "ProPointCoordGet", throwsLibrary("ProPointCoordGet"))},
    };
}

SWEEP_ROWS(csysRows);

}  // namespace
