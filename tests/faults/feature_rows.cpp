// Fault-sweep rows of the feature operations of kelt2pMdl: listing, names and types,
// search by name, existence, stepping and deletion.
#include <ProToolkit.h>
#include <gtest/gtest.h>

#include <string>

#include "faults/feature_scene.h"
#include "kelt2proe/error.h"
#include "support/sweep_table.h"

namespace {

using namespace testkit;
using featurescene::aboutFeature;
using featurescene::bracketHasFeature;
using featurescene::kHole;
using featurescene::readsAsUnnamed;
using featurescene::searchFor;

Ardo::kelt2pMdl part;
int result = 0;
bool exists = false;
std::string name;

bool thrown(const Outcome& outcome) {
    return outcome.thrown != Outcome::Thrown::Nothing;
}

// The feature list is emptied before the search and keeps no entry when it fails.
void expectFeatureListEmpty() {
    try {
        part.FeatureList(0);
        ADD_FAILURE() << "the feature list keeps entries";
    } catch (const Ardo::Error& e) {
        EXPECT_EQ(e.code, 0);
        EXPECT_STREQ(e.text, "no features in list");
    }
}

// Next and previous: the given feature's ProFeatureInit raises, every failure of the
// search after it gives -1, and a failed release of the search's arrays changes nothing.
SweepRow stepRow(std::string operation, int (Ardo::kelt2pMdl::*step)(int), int from, int to) {
    return {std::move(operation), [] { part = featurescene::bracketLoaded(); },
            [step, from] { result = (part.*step)(from); },
            exceptWhen(
                swallows(),
                [](const HostCall& call, int) {
                    return call.function == "ProFeatureInit" && call.occurrence == 1;
                },
                throwsLibrary("")),
            [to](const HostCall& call, int, const Outcome& outcome) {
                if (!thrown(outcome)) {
                    EXPECT_EQ(result, call.isRelease() ? to : -1);
                }
            }};
}

std::vector<SweepRow> featureRows() {
    return {
        {"Ardo::kelt2pMdl::FeatureList(char const*, Ardo::kelt2pFeaturetype)",
         [] {
             part = featurescene::bracketLoaded();
             part.FeatureList(".*", Ardo::KELT2P_FEAT_ANY);
         },
         [] { result = part.FeatureList("HOLE_.*", kHole); },
         // No features visited, or HOLE_2 read as unnamed: an empty list. No host call
         // follows the search.
         searchFor(20, swallows(), swallows()),
         [](const HostCall&, int, const Outcome& outcome) {
             if (!thrown(outcome)) {
                 EXPECT_EQ(result, 0);
             }
             expectFeatureListEmpty();
         }},
        {"Ardo::kelt2pMdl::FeatureList(int)",
         [] {
             part = featurescene::bracketLoaded();
             part.FeatureList(".*", Ardo::KELT2P_FEAT_ANY);
         },
         [] { part.FeatureList(2); }},
        {"Ardo::kelt2pMdl::FeatureName(int)", [] { part = featurescene::bracketLoaded(); },
         [] { name = part.FeatureName(20); },
         // A name the host cannot give is the id's text; one that cannot be converted
         // is refused rather than returned empty.
         except(except(throwsLibrary(""), "ProModelitemNameGet", swallows()), "ProWstringToString",
                throwsAlways(Outcome::library(-1, "Ardo::Solid::FeatureName"))),
         [](const HostCall&, int, const Outcome& outcome) {
             if (!thrown(outcome)) {
                 EXPECT_EQ(name, "fid_20");
             }
         }},
        {"Ardo::kelt2pMdl::FeatureType(int)", [] { part = featurescene::bracketLoaded(); },
         [] { result = part.FeatureType(20); },
         except(throwsToolkit(""), "ProFeatureInit", throwsLibrary(""))},
        {"Ardo::kelt2pMdl::FeatureFind(char const*)", [] { part = featurescene::bracketLoaded(); },
         [] { result = part.FeatureFind("HOLE_2"); },
         // Every failure of the search is "nothing found"; another feature read as
         // unnamed leaves HOLE_2 the one match.
         exceptWhen(
             throwsAlways(Outcome::library(0, "nothing found")),
             [](const HostCall& call, int code) {
                 return readsAsUnnamed(call, code) && !aboutFeature(call, 20);
             },
             swallows()),
         [](const HostCall&, int, const Outcome& outcome) {
             if (!thrown(outcome)) {
                 EXPECT_EQ(result, 20);
             }
         }},
        {"Ardo::kelt2pMdl::FeatueExist(int)", [] { part = featurescene::bracketLoaded(); },
         [] { exists = part.FeatueExist(20); }, swallows(),
         [](const HostCall&, int, const Outcome&) { EXPECT_FALSE(exists); }},
        {"Ardo::kelt2pMdl::FeatueExist(char const*)", [] { part = featurescene::bracketLoaded(); },
         [] { exists = part.FeatueExist("HOLE_2"); }, swallows(),
         [](const HostCall& call, int code, const Outcome&) {
             EXPECT_EQ(exists, readsAsUnnamed(call, code) && !aboutFeature(call, 20));
         }},
        stepRow("Ardo::kelt2pMdl::FeatureNext(int)", &Ardo::kelt2pMdl::FeatureNext, 5, 12),
        stepRow("Ardo::kelt2pMdl::FeaturePrevious(int)", &Ardo::kelt2pMdl::FeaturePrevious, 20, 12),
        {"Ardo::kelt2pMdl::FeatureDelete(char const*)",
         [] { part = featurescene::bracketLoaded(); }, [] { part.FeatureDelete("HOLE_2"); },
         searchFor(20, throwsAlways(Outcome::toolkit(-1, "nothing found")), throwsToolkit("")),
         [](const HostCall&, int, const Outcome& outcome) {
             EXPECT_EQ(bracketHasFeature(20), thrown(outcome));
             EXPECT_TRUE(bracketHasFeature(5));
             EXPECT_TRUE(bracketHasFeature(12));
         }},
        {"Ardo::kelt2pMdl::FeatureDelete(int)", [] { part = featurescene::bracketLoaded(); },
         [] { part.FeatureDelete(20); },
         except(throwsToolkit(""), "ProFeatureInit", throwsLibrary("")),
         [](const HostCall&, int, const Outcome&) { EXPECT_TRUE(bracketHasFeature(20)); }},
    };
}
SWEEP_ROWS(featureRows);

}  // namespace
