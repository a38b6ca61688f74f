// Fault-sweep rows of kelt2pMdl: accuracy, principal units, colour and version stamp.
#include <gtest/gtest.h>

#include <cstring>

#include "faults/model_scene.h"
#include "kelt2proe/mdl.h"
#include "kelt2proe/simhost/control.h"
#include "support/host_fixture.h"
#include "support/sweep_table.h"

namespace {

using namespace testkit;
using modelrows::mdl;

Ardo::kelt2pModelColor colorBefore = {};
char stamp[256] = {};
bool answer = false;

// The part with its colour noted, for the rows that change it.
void partWithColor() {
    modelrows::createdPart();
    colorBefore = mdl().ColorGet();
}

// The colour is read before it is written: a failed read writes nothing, and no failure
// changes the colour.
SweepRow::Check colorUnchanged() {
    return [](const HostCall& failed, int, const Outcome&) {
        if (failed.function == "prodb_get_surface_props") {
            EXPECT_EQ(callCount("prodb_set_surface_props"), 0);
        }
        Ardo::kelt2pModelColor after = mdl().ColorGet();
        EXPECT_EQ(std::memcmp(after.value, colorBefore.value, sizeof after.value), 0);
    };
}

// Every stamp and text the host handed out is released, on every path (a free that
// failed is made again).
SweepRow::Check nothingAllocated() {
    return [](const HostCall&, int, const Outcome&) { EXPECT_EQ(simhost::liveObjects(), 0); };
}

std::vector<SweepRow> propertyRows() {
    return {
        {"Ardo::kelt2pMdl::AccuracySet(Ardo::kelt2pAccuracyType, double)", modelrows::createdPart,
         [] { mdl().AccuracySet(Ardo::KELT2P_ACCURACY_ABSOLUTE, 0.05); },
         throwsLibrary("Ardo::Solid::AccuracySet"),
         [](const HostCall&, int, const Outcome&) {
             EXPECT_EQ(mdl().AccuracyTypeGet(), Ardo::KELT2P_ACCURACY_RELATIVE);
         }},
        {"Ardo::kelt2pMdl::AccuracyGet()", modelrows::createdPart, [] { mdl().AccuracyGet(); },
         throwsLibrary("Ardo::Solid::AccuracyGet")},
        {"Ardo::kelt2pMdl::AccuracyTypeGet()", modelrows::createdPart,
         [] { mdl().AccuracyTypeGet(); }, throwsLibrary("Ardo::Solid::AccuracyTypeGet")},
        {"Ardo::kelt2pMdl::LengthUnitGet()", modelrows::createdPart, [] { mdl().LengthUnitGet(); },
         throwsLibrary("Ardo::Mdl::LengthUnitGet")},
        {"Ardo::kelt2pMdl::LengthUnitSet(Ardo::kelt2pLengthUnit)", modelrows::createdPart,
         [] { mdl().LengthUnitSet(Ardo::KELT2P_UNIT_MMKS); },
         throwsLibrary("Ardo::Mdl::LengthUnitSet"),
         [](const HostCall&, int, const Outcome&) {
             EXPECT_EQ(mdl().LengthUnitGet(), Ardo::KELT2P_UNIT_INCH_LBM);
         }},
        {"Ardo::kelt2pMdl::ColorGet()", modelrows::createdPart, [] { mdl().ColorGet(); },
         throwsLibrary("Ardo::Solid::ColorGet")},
        {"Ardo::kelt2pMdl::ColorSet(Ardo::kelt2pModelColor const&)", partWithColor,
         [] {
             Ardo::kelt2pModelColor color = {{0.1, 0.2, 0.3, 0.4, 0.5, 0.6, 0.7, 0.8, 0.9, 1, 1}};
             mdl().ColorSet(color);
         },
         throwsLibrary("Ardo::Solid::ColorSet"), colorUnchanged()},
        {"Ardo::kelt2pMdl::ColorSet(double, double, double)", partWithColor,
         [] { mdl().ColorSet(0.1, 0.2, 0.3); }, throwsLibrary("Ardo::Solid::ColorSet"),
         colorUnchanged()},
        // The releases are checked too: a failed free raises.
        {"Ardo::kelt2pMdl::VerstampStringGet(char*)", modelrows::createdPart,
         [] { mdl().VerstampStringGet(stamp); }, throwsLibrary("Ardo::Mdl::VerstampStringGet"),
         nothingAllocated()},
        // A comparison the host does not answer reads as "not equal".
        {"Ardo::kelt2pMdl::VerstampEqual(char const*)",
         [] {
             modelrows::createdPart();
             mdl().VerstampStringGet(stamp);
         },
         [] { answer = mdl().VerstampEqual(stamp); },
         except(throwsLibrary("Ardo::Mdl::VerstampEqual"), "ProVerstampEqual", swallows()),
         [](const HostCall& failed, int, const Outcome&) {
             if (failed.function == "ProVerstampEqual") {
                 EXPECT_FALSE(answer);
             }
             EXPECT_EQ(simhost::liveObjects(), 0);
         }},
    };
}
SWEEP_ROWS(propertyRows);

}  // namespace
