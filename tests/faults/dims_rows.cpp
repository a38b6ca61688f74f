// Fault-sweep rows of the dimension operations of kelt2pMdl: the symbol search and what
// reads and writes through it, the listing by pattern, names and the display mode.
#include <ProDimension.h>
#include <ProMdl.h>
#include <ProUtil.h>
#include <gtest/gtest.h>

#include <cwchar>
#include <stdexcept>
#include <string>

#include "faults/feature_scene.h"
#include "kelt2proe/error.h"
#include "support/sweep_table.h"

namespace {

using namespace testkit;

Ardo::kelt2pMdl part;
bool exists = false;
double value = 0.0;
int count = 0;
std::string name;

// The symbol search's codes: a visit that answers PRO_TK_USER_ABORT without a match must
// not read as found.
const std::vector<int> kSearchCodes = {-1, -2, PRO_TK_USER_ABORT, -4};

bool thrown(const Outcome& outcome) {
    return outcome.thrown != Outcome::Thrown::Nothing;
}

std::wstring showDimSign() {
    ProName option = L"show_dim_sign";
    ProLine text = {};
    EXPECT_EQ(ProConfigoptGet(option, text), PRO_TK_NO_ERROR);
    return text;
}

// The value the host stores for dimension `id` of the block.
double stored(int id) {
    ProName model = L"BLOCK";
    ProMdl handle = nullptr;
    EXPECT_EQ(ProMdlInit(model, PRO_MDL_PART, &handle), PRO_TK_NO_ERROR);
    ProDimension dimension{PRO_DIMENSION, id, handle};
    double number = 0.0;
    EXPECT_EQ(ProDimensionValueGet(&dimension, &number), PRO_TK_NO_ERROR);
    return number;
}

void prepare() {
    part = featurescene::blockLoaded();
}

// "depth" (id 1, 7.5 regenerated negative) is written as -2.0, stored 2.0. The sign
// option is "NO" while the value is written and restored afterwards; a failure once it
// was switched off leaves it off.
void setAfter(const HostCall& call, int, const Outcome& outcome) {
    const bool written =
        !thrown(outcome) || (call.function == "ProConfigoptSet" && call.occurrence == 2);
    EXPECT_DOUBLE_EQ(stored(1), written ? 2.0 : 7.5);
    const bool switchedOff = call.function == "ProDimensionIsRegenednegative" ||
                             call.function == "ProDimensionValueSet" ||
                             (call.function == "ProConfigoptSet" && call.occurrence == 2);
    EXPECT_EQ(showDimSign(), switchedOff ? L"NO" : L"YES");
}

// A failed listing keeps the list of every dimension; an empty answer empties it.
void listAfter(const HostCall&, int, const Outcome& outcome) {
    if (thrown(outcome)) {
        EXPECT_EQ(part.DimListAt(2), 2);
    } else {
        EXPECT_EQ(count, 0);
        EXPECT_THROW(part.DimListAt(0), std::out_of_range);
    }
}

std::vector<SweepRow> dimsRows() {
    return {
        {"Ardo::kelt2pMdl::DimExist(char const*)", prepare, [] { exists = part.DimExist("depth"); },
         // Only the model's type query raises; a search that fails has not found it.
         except(swallows(), "ProMdlTypeGet", throwsToolkit("")),
         [](const HostCall&, int, const Outcome& outcome) {
             if (!thrown(outcome)) {
                 EXPECT_FALSE(exists);
             }
         },
         kSearchCodes},
        {"Ardo::kelt2pMdl::DimGet(char const*)", prepare, [] { value = part.DimGet("depth"); },
         throwsToolkit(""), nullptr, kSearchCodes},
        {"Ardo::kelt2pMdl::DimSet(char const*, double)",
         [] {
             prepare();
             ProName option = L"show_dim_sign";
             ProPath yes = L"yes";
             ASSERT_EQ(ProConfigoptSet(option, yes), PRO_TK_NO_ERROR);
         },
         [] { part.DimSet("depth", -2.0); }, throwsToolkit(""), setAfter, kSearchCodes},
        {"Ardo::kelt2pMdl::DimShow(char const*)", prepare, [] { part.DimShow("depth"); },
         except(throwsToolkit(""), "ProDimensionShow", swallows()), nullptr, kSearchCodes},
        {"Ardo::kelt2pMdl::DimList(char const*)",
         [] {
             prepare();
             part.DimList(".*");
         },
         [] { count = part.DimList("d.*"); },
         // No dimension visited is an empty list; a pattern that cannot be widened is
         // refused.
         exceptWhen(
             except(throwsToolkit(""), "ProStringToWstring",
                    throwsAlways(Outcome::toolkit(-1, "UNBEKANNTER FEHLER"))),
             [](const HostCall& call, int code) {
                 return call.function == "ProSolidDimensionVisit" && code == PRO_TK_E_NOT_FOUND;
             },
             swallows()),
         listAfter},
        {"Ardo::kelt2pMdl::DimListAt(int)",
         [] {
             prepare();
             part.DimList(".*");
         },
         [] { part.DimListAt(1); }},
        {"Ardo::kelt2pMdl::DimName(int)", prepare, [] { name = part.DimName(1); }, swallows(),
         // Neither the symbol's read nor its conversion is examined: the name is empty.
         [](const HostCall&, int, const Outcome&) { EXPECT_EQ(name, ""); }},
        {"Ardo::kelt2pMdl::DimDisplaymodeGet()", prepare, [] { part.DimDisplaymodeGet(); },
         throwsLibrary("Ardo::Solid::DisplaymodeGet")},
        {"Ardo::kelt2pMdl::DimDisplaymodeSet(Ardo::DimDisplayMode)", prepare,
         [] { part.DimDisplaymodeSet(Ardo::DIM_DISPLAY_SYMBOLIC); },
         throwsLibrary("Ardo::Solid::DisplaymodeSet")},
    };
}
SWEEP_ROWS(dimsRows);

}  // namespace
