// Fault-sweep rows of a feature's children: the one process-wide children list is filled
// by FeatureChildrenGet and kept as it was when the listing fails.
#include <ProToolkit.h>
#include <gtest/gtest.h>

#include <stdexcept>

#include "faults/feature_scene.h"
#include "kelt2proe/error.h"
#include "support/sweep_table.h"

namespace {

using namespace testkit;

Ardo::kelt2pMdl part;
int count = 0;

// The children list holds the children of RIGHT (1): BASE (5).
void prepare() {
    part = featurescene::bracketLoaded();
    part.FeatureChildrenGet(1);
}

// BASE has one child, HOLE_2 (20). A failed listing keeps the list of RIGHT; a failed
// release of the host's id array changes nothing.
void childrenListAfter(const HostCall&, int, const Outcome& outcome) {
    const bool listed = outcome.thrown == Outcome::Thrown::Nothing;
    if (listed) {
        EXPECT_EQ(count, 1);
    }
    EXPECT_EQ(part.FeatureChildrenAt(0), listed ? 20 : 5);
    EXPECT_THROW(part.FeatureChildrenAt(1), std::out_of_range);
}

// The host calls of the listing itself: the children's ids, then each child made a feature.
Expectation childrenListing() {
    return except(throwsToolkit("ardotk::FeatureChildrenGet"), "ProArrayFree", swallows());
}

std::vector<SweepRow> childrenRows() {
    const Outcome notFound = Outcome::library(PRO_TK_EMPTY, "Feature not found");
    return {
        {"Ardo::kelt2pMdl::FeatureChildrenGet(int)", prepare,
         [] { count = part.FeatureChildrenGet(5); },
         // The given feature's own ProFeatureInit comes first and raises on its own.
         exceptWhen(
             childrenListing(),
             [](const HostCall& call, int) {
                 return call.function == "ProFeatureInit" && call.occurrence == 1;
             },
             throwsLibrary("")),
         childrenListAfter},
        {"Ardo::kelt2pMdl::FeatureChildrenGet(char const*)", prepare,
         [] { count = part.FeatureChildrenGet("BASE"); },
         // Finding no feature named BASE is "Feature not found".
         featurescene::searchFor(5, throwsAlways(notFound), childrenListing()), childrenListAfter},
        {"Ardo::kelt2pMdl::FeatureChildrenAt(int)", prepare, [] { part.FeatureChildrenAt(0); }},
    };
}
SWEEP_ROWS(childrenRows);

}  // namespace
