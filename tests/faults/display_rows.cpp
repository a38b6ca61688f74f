// Fault-sweep rows of the display switches, views and layers of kelt2pMdl. The switches
// start from a shown part whose option is on and switch it off; the layer rows from a
// part with a feature (id 5) and the layers L1 and L2.
#include <ProLayer.h>
#include <ProToolkit.h>
#include <ProUtil.h>
#include <gtest/gtest.h>

#include <cwchar>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "faults/model_scene.h"
#include "kelt2proe/mdl.h"
#include "kelt2proe/simhost/control.h"
#include "support/sweep_table.h"

namespace {

using namespace testkit;
using modelrows::mdl;

constexpr const char* kLayeredPart = R"({"features": [{"id": 5, "type": 917, "name": "BASE"}]})";

std::string listedName;
Ardo::Matrix sentMatrix;

bool failingWith(const HostCall& call, int code, const char* function, int wanted) {
    return call.function == function && code == wanted;
}

void shownPartWithView() {
    modelrows::shownPart();
    Ardo::Matrix turned;
    turned.RotY(0.5);
    mdl().ViewMatrixSet(turned);
    mdl().ViewStore("FRONT");
    mdl().ViewReset();
}

void layeredPart() {
    modelrows::loadedModel("plate.prt", Ardo::KELT2P_MDL_PART, kLayeredPart);
    mdl().LayerCreate("L1");
    mdl().LayerCreate("L2");
}

void listedLayers() {
    layeredPart();
    mdl().LayerList(".*");
    listedName = "unset";
}

std::wstring option(const wchar_t* name) {
    ProName wide = {};
    std::wcsncpy(wide, name, PRO_NAME_SIZE - 1);
    ProLine value = {};
    EXPECT_EQ(ProConfigoptGet(wide, value), PRO_TK_NO_ERROR);
    return value;
}

// A switch turned off: its option is "NO" once the host took the setting, whatever
// failed afterwards (no rollback); "YES" when the read or the write itself failed.
SweepRow switchRow(const char* operation, bool (Ardo::kelt2pMdl::*call)(bool), const wchar_t* name,
                   const char* text) {
    return {operation, modelrows::shownPart, [call] { (mdl().*call)(false); }, throwsLibrary(text),
            [name](const HostCall& failed, int, const Outcome&) {
                const bool written =
                    failed.function != "ProConfigoptGet" && failed.function != "ProConfigoptSet";
                EXPECT_EQ(option(name), written ? L"NO" : L"YES");
            }};
}

// The layer search: a refused widening of the pattern is an unknown error; a visit that
// visits nothing is an empty result; any other failure raises the host's code without
// a text.
Expectation search(Expectation onEmpty, Expectation rest) {
    return exceptWhen(
        except(except(std::move(rest), "ProStringToWstring",
                      throwsAlways(Outcome::toolkit(-1, "UNBEKANNTER FEHLER"))),
               "ProMdlLayerVisit", throwsToolkit("")),
        [](const HostCall& call, int code) {
            return failingWith(call, code, "ProMdlLayerVisit", PRO_TK_E_NOT_FOUND);
        },
        std::move(onEmpty));
}

Expectation nameReads(Expectation rest) {
    return except(std::move(rest), "ProModelitemNameGet", throwsToolkit(""));
}

std::vector<SweepRow> displayRows() {
    return {
        switchRow("Ardo::kelt2pMdl::DispModePlane(bool)", &Ardo::kelt2pMdl::DispModePlane,
                  L"display_planes", "Ardo::Mdl::DispModePlane"),
        switchRow("Ardo::kelt2pMdl::DispModePoint(bool)", &Ardo::kelt2pMdl::DispModePoint,
                  L"display_points", "Ardo::Mdl::DispModePoint"),
        switchRow("Ardo::kelt2pMdl::DispModeCsys(bool)", &Ardo::kelt2pMdl::DispModeCsys,
                  L"display_coord_sys", "Ardo::Mdl::DispModeCsys"),
        switchRow("Ardo::kelt2pMdl::DispModeAxis(bool)", &Ardo::kelt2pMdl::DispModeAxis,
                  L"display_axes", "Ardo::Mdl::DispModeAxis"),
        switchRow("Ardo::kelt2pMdl::DispModeNote(bool)", &Ardo::kelt2pMdl::DispModeNote,
                  L"display_annotations", "Ardo::Mdl::DispModeNote"),
        {"Ardo::kelt2pMdl::ViewRetrieve(char const*)", shownPartWithView,
         [] { mdl().ViewRetrieve("FRONT"); }, throwsLibrary("Ardo::Mdl::ViewRetrieve"),
         [](const HostCall&, int, const Outcome& outcome) {
             // The current view changes only with success.
             const bool turned = outcome.thrown == Outcome::Thrown::Nothing;
             EXPECT_EQ(mdl().ViewMatrixGet("").IsIdent(), !turned);
         }},
        {"Ardo::kelt2pMdl::ViewStore(char const*)", modelrows::shownPart,
         [] { mdl().ViewStore("SIDE"); }, throwsLibrary("Ardo::Mdl::ViewStore")},
        {"Ardo::kelt2pMdl::ViewReset()", shownPartWithView, [] { mdl().ViewReset(); },
         throwsLibrary("Ardo::Mdl::ViewReset")},
        {"Ardo::kelt2pMdl::ViewRefit()", shownPartWithView, [] { mdl().ViewRefit(); },
         throwsLibrary("Ardo::Mdl::ViewRefit")},
        {"Ardo::kelt2pMdl::ViewMatrixGet(char const*)", shownPartWithView,
         [] { mdl().ViewMatrixGet("FRONT"); },
         except(throwsLibrary("Ardo::Mdl::ViewMatrixGet"), "ProViewNameToView",
                throwsLibrary("Ardo::kelt2pMdl::ViewMatrixGet"))},
        {"Ardo::kelt2pMdl::ViewMatrixSet(Ardo::Matrix&)", modelrows::shownPart,
         [] {
             sentMatrix.RotZ(0.25);
             sentMatrix.TransAdd(1.0, 2.0, 3.0);
             mdl().ViewMatrixSet(sentMatrix);
         },
         throwsLibrary("Ardo::Mdl::ViewMatrixSet"),
         [](const HostCall&, int, const Outcome&) {
             EXPECT_EQ(sentMatrix.TransGetX(), 0.0) << "normalised before the host call";
         }},
        {"Ardo::kelt2pMdl::LayerCreate(char const*)", layeredPart, [] { mdl().LayerCreate("L3"); },
         throwsToolkit("ardotk::LayerCreate"),
         [](const HostCall&, int, const Outcome& outcome) {
             const bool made = outcome.thrown == Outcome::Thrown::Nothing;
             EXPECT_EQ(mdl().LayerList("L3"), made ? 1 : 0);
         }},
        {"Ardo::kelt2pMdl::LayerDisplaystatus(char const*)", layeredPart,
         [] { mdl().LayerDisplaystatus("L1"); },
         search(throwsAlways(Outcome::library(0, "layer not found")),
                nameReads(throwsToolkit("ardotk::LayerDisplaystatus")))},
        {"Ardo::kelt2pMdl::LayerDisplaystatus(char const*, Ardo::kelt2pLayerDisplay)", layeredPart,
         [] { mdl().LayerDisplaystatus("L.", Ardo::KELT2P_LAYER_HIDDEN); },
         search(swallows(), nameReads(throwsToolkit("ardotk::LayerDisplaystatus"))),
         [](const HostCall& failed, int, const Outcome& outcome) {
             // Layers are set in order: a failing second setting leaves the first set.
             if (outcome.thrown == Outcome::Thrown::Nothing &&
                 failed.function != "ProMdlLayerVisit") {
                 EXPECT_EQ(mdl().LayerDisplaystatus("L2"), Ardo::KELT2P_LAYER_HIDDEN);
             }
             if (failed.function == "ProLayerDisplaystatusSet" && failed.occurrence == 2) {
                 EXPECT_EQ(mdl().LayerDisplaystatus("L1"), Ardo::KELT2P_LAYER_HIDDEN);
                 EXPECT_EQ(mdl().LayerDisplaystatus("L2"), Ardo::KELT2P_LAYER_NORMAL);
             }
         }},
        {"Ardo::kelt2pMdl::LayerItemAdd(char const*, int)", layeredPart,
         [] { mdl().LayerItemAdd("L1", 5); },
         except(except(throwsToolkit("ardotk::LayerItemAdd"), "ProModelitemInit", swallows()),
                "ProModelitemByNameInit", throwsLibrary("Ardo::Mdl::LayerItemAdd"))},
        {"Ardo::kelt2pMdl::LayerList(char const*)", layeredPart, [] { mdl().LayerList("L.*"); },
         search(swallows(), nameReads(throwsToolkit(""))),
         [](const HostCall& failed, int code, const Outcome& outcome) {
             const bool listed = outcome.thrown == Outcome::Thrown::Nothing &&
                                 !failingWith(failed, code, "ProMdlLayerVisit", -4);
             if (listed) {
                 EXPECT_STREQ(mdl().LayerList(1), "L2");
             } else {
                 EXPECT_THROW(mdl().LayerList(0), std::out_of_range) << "the list is empty";
             }
         }},
        {"Ardo::kelt2pMdl::LayerList(int)", listedLayers, [] { listedName = mdl().LayerList(1); },
         swallows(),
         [](const HostCall&, int, const Outcome&) {
             EXPECT_EQ(listedName, "") << "a name not read or not converted is empty";
         }},
    };
}

SWEEP_ROWS(displayRows);

}  // namespace
