// Fault-sweep rows of the external-data operations of kelt2pMdl: registering classes,
// the class and slot lists with their indexed names, and reading, writing (which creates
// a missing slot) and deleting slots.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "faults/model_scene.h"
#include "kelt2proe/mdl.h"
#include "kelt2proe/simhost/control.h"
#include "support/sweep_table.h"

namespace {

using namespace testkit;
using modelrows::mdl;

constexpr const char* kClass = "KELT";

// Part "gear" with the class registered and slot "N" holding 5.
void partWithSlot() {
    modelrows::createdPart();
    mdl().ExtdataClassRegister(kClass, true);
    mdl().ExtdataSlot(kClass, "N", 5);
}

// As partWithSlot, with both lists filled.
void partListed() {
    partWithSlot();
    mdl().ExtdataClassNames(".*");
    mdl().ExtdataSlotList(kClass, ".*");
}

// A listing: the host's failures raise their code; a pattern the host cannot widen
// raises the filters' unknown failure.
Expectation lists() {
    return except(throwsToolkit(""), "ProStringToWstring",
                  throwsAlways(Outcome::toolkit(-1, "UNBEKANNTER FEHLER")));
}

// A write of the missing slot "M": the first write answers -4, the slot is created and
// written once more. A first write failing with -4 takes the same way and succeeds;
// every other failure raises its code.
Expectation writesMissing() {
    return exceptWhen(
        throwsToolkit(""),
        [](const HostCall& call, int code) {
            return call.function == "ProExtdataSlotWrite" && call.occurrence == 1 && code == -4;
        },
        swallows());
}

// After a write: slot "M" holds the value unless a call of the write failed.
SweepRow::Check written(int expectedType) {
    return [expectedType](const HostCall&, int, const Outcome& outcome) {
        EXPECT_EQ(simhost::liveObjects(), 0);
        if (outcome.thrown == Outcome::Thrown::Nothing) {
            EXPECT_EQ(mdl().ExtdataSlot(kClass, "M").type, expectedType);
        }
    };
}

SweepRow::Check nothingAllocated() {
    return [](const HostCall&, int, const Outcome&) { EXPECT_EQ(simhost::liveObjects(), 0); };
}

// Unregistering with strict: -1 and -11 raise, other answers are accepted.
Expectation unregisters() {
    return exceptWhen(
        swallows(), [](const HostCall&, int code) { return code == -1 || code == -11; },
        throwsToolkit(""));
}

std::vector<SweepRow> extdataRows() {
    return {
        {"Ardo::kelt2pMdl::ExtdataClassRegister(char const*, bool)", modelrows::createdPart,
         [] { mdl().ExtdataClassRegister(kClass, true); }, throwsToolkit("")},
        {"Ardo::kelt2pMdl::ExtdataClassUnRegister(char const*, bool)",
         partWithSlot,
         [] { mdl().ExtdataClassUnRegister(kClass, true); },
         unregisters(),
         nullptr,
         {-1, -2, -4, -11}},
        {"Ardo::kelt2pMdl::ExtdataClassNames(char const*)", partWithSlot,
         [] { mdl().ExtdataClassNames("K.*"); }, lists(), nothingAllocated()},
        {"Ardo::kelt2pMdl::ExtdataClassNames(int)", partListed, [] { mdl().ExtdataClassNames(0); },
         swallows()},
        {"Ardo::kelt2pMdl::ExtdataSlotList(char const*, char const*)", partWithSlot,
         [] { mdl().ExtdataSlotList(kClass, ".*"); }, lists(), nothingAllocated()},
        {"Ardo::kelt2pMdl::ExtdataSlotList(int)", partListed, [] { mdl().ExtdataSlotList(0); },
         swallows()},
        {"Ardo::kelt2pMdl::ExtdataSlot(char const*, char const*)", partWithSlot,
         [] { mdl().ExtdataSlot(kClass, "N"); }, throwsToolkit(""), nothingAllocated()},
        {"Ardo::kelt2pMdl::ExtdataSlot(char const*, char const*, char const*)", partWithSlot,
         [] { mdl().ExtdataSlot(kClass, "M", "text"); }, writesMissing(), written(3)},
        {"Ardo::kelt2pMdl::ExtdataSlot(char const*, char const*, int)", partWithSlot,
         [] { mdl().ExtdataSlot(kClass, "M", 9); }, writesMissing(), written(1)},
        {"Ardo::kelt2pMdl::ExtdataSlot(char const*, char const*, double)", partWithSlot,
         [] { mdl().ExtdataSlot(kClass, "M", 0.5); }, writesMissing(), written(2)},
        {"Ardo::kelt2pMdl::ExtdataSlot(char const*, char const*, Ardo::kelt2pExtdataSlotValue)",
         partWithSlot,
         [] {
             Ardo::kelt2pExtdataSlotValue value{};
             value.type = 1;
             value.value.i = 3;
             mdl().ExtdataSlot(kClass, "M", value);
         },
         writesMissing(), written(1)},
        {"Ardo::kelt2pMdl::ExtdataDelete(char const*, char const*)", partWithSlot,
         [] { mdl().ExtdataDelete(kClass, "N"); }, throwsToolkit("")},
    };
}
SWEEP_ROWS(extdataRows);

}  // namespace
