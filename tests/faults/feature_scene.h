// The host scenes of the feature and dimension rows: a fresh host with one model loaded
// from a file the scene writes, and what the rows ask of the host calls they fail.
#pragma once

#include <string>

#include "kelt2proe/mdl.h"
#include "support/sweep_table.h"

namespace featurescene {

// Feature type numbers of the bracket.
constexpr Ardo::kelt2pFeaturetype kHole = static_cast<Ardo::kelt2pFeaturetype>(911);

// A fresh host with the part "bracket.prt" loaded. Regeneration order 1 RIGHT, 2 TOP,
// 5 BASE, 12 (no name), 13 HOLE_1 (suppressed), 14 CS0 (unregenerated), 20 HOLE_2,
// 21 LATE (suppressed). 5 refers to 1, 20 refers to 5. The tree of 5 holds an element
// of every kind the dump reads: values of several types, a compound and an array.
Ardo::kelt2pMdl bracketLoaded();

// A fresh host with the manufacturing model "job.mfg" loaded, whose features belong to
// its manufacturing solid: 1 ADTM1, and 5 BASE with the tree of the bracket's BASE.
Ardo::kelt2pMdl jobLoaded();

// A fresh host with the part "block.prt" loaded. Dimensions in the host's order: id 0
// "d0" (10.0), id 1 "depth" (7.5, regenerated negative), id 2 "neg" (-3.0), and the
// reference dimension id 3 "ref1", which the library never visits.
Ardo::kelt2pMdl blockLoaded();

// True when `call` is a call about feature `id` (its journal entry names the feature).
bool aboutFeature(const testkit::HostCall& call, int id);

// True when `call`, failing with `code`, is a name query the host answers with "the
// feature has no name" (PRO_TK_E_NOT_FOUND): the searches read that feature as unnamed.
bool readsAsUnnamed(const testkit::HostCall& call, int code);

// What a search for the one active feature `id` by name does when a call fails: the
// search's host failures pass as ardotk::Error(code, "ardotk::FeatureSearch"), a pattern
// that cannot be widened is refused with (-1, "UNBEKANNTER FEHLER"), and no feature
// visited or `id` read as unnamed is `notFound`; another feature read as unnamed changes
// nothing. The calls after the search expect `rest`.
testkit::Expectation searchFor(int id, testkit::Expectation notFound, testkit::Expectation rest);

// True when the bracket still has feature `id` (asked of the host directly).
bool bracketHasFeature(int id);

// The contents of `file` in the working directory; empty when it does not exist.
std::string fileText(const std::string& file);

}  // namespace featurescene
