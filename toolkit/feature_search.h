// Finding the features of a solid by name pattern and type.
#pragma once

#include <ProFeature.h>

#include <vector>

namespace ardotk {

// Feature type numbers with a special meaning in a search.
constexpr int kAnyFeatureType = -1;
constexpr int kNcseqFeatures = -2;

// The features of `solid`, in the host's visiting order, whose name matches the whole
// `pattern` and whose type is `type` (kAnyFeatureType: any; kNcseqFeatures: NC sequences
// only), into `found`: its contents are replaced, its storage is reused, and after a
// failure it is empty. With `activeOnly` only features of status active or unregenerated
// are taken; an unnamed feature has the empty name. An invalid pattern raises
// ardotk::Error(regexErrorCode, description); a failing host call raises
// ardotk::Error(code, "ardotk::FeatureSearch"); anything else
// ardotk::Error(-1, "UNBEKANNTER FEHLER").
void FeatureSearch(ProSolid solid, const char* pattern, int type, bool activeOnly,
                   std::vector<ProFeature>& found, int regexErrorCode = 0);

// The one active feature of any type whose name matches `name` as a pattern; unless
// exactly one is found raises ardotk::Error(-1, "nothing found") (errors of the search
// pass unchanged).
ProFeature FeatureByName(ProSolid solid, const char* name);

// As FeatureByName; in addition raises ardotk::Error(0, "NOT ACTIVE") when the found
// feature's status is not active, and ardotk::Error(code, "ardotk::FeatureByNameActive")
// when it cannot be read.
ProFeature FeatureByNameActive(ProSolid solid, const char* name);

}  // namespace ardotk
