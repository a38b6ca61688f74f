#include "toolkit/feature_search.h"

#include <ProModelitem.h>
#include <ProNcseq.h>
#include <ProSolid.h>

#include "kelt2proe/error.h"
#include "toolkit/check.h"
#include "toolkit/listing.h"
#include "toolkit/name_filter.h"
#include "toolkit/visit_guard.h"

namespace ardotk {

namespace {

constexpr const char* kSearchText = "ardotk::FeatureSearch";

struct Search {
    const NameFilter& filter;
    int type;
    bool activeOnly;
    std::vector<ProFeature>& found;
    VisitGuard guard;
};

bool typeTaken(ProFeature* feature, int type) {
    if (type == kNcseqFeatures) {
        ProBoolean ncseq = PRO_B_FALSE;
        check(ProFeatureIsNcseq(feature, &ncseq), kSearchText);
        return ncseq == PRO_B_TRUE;
    }
    if (type == kAnyFeatureType) {
        return true;
    }
    ProFeattype featureType = 0;
    check(ProFeatureTypeGet(feature, &featureType), kSearchText);
    return featureType == type;
}

bool nameTaken(ProFeature* feature, const NameFilter& filter) {
    if (filter.all()) {
        return true;
    }
    ProName name = {};
    ProError err = ProModelitemNameGet(feature, name);
    if (err == PRO_TK_E_NOT_FOUND) {
        name[0] = L'\0';  // an unnamed feature
    } else {
        check(err, kSearchText);
        name[PRO_NAME_SIZE - 1] = L'\0';
    }
    return filter.matches(name);
}

bool taken(ProFeature* feature, Search& search) {
    if (search.activeOnly) {
        ProFeatStatus status = PRO_FEAT_INVALID;
        check(ProFeatureStatusGet(feature, &status), kSearchText);
        if (status != PRO_FEAT_ACTIVE && status != PRO_FEAT_UNREGENERATED) {
            return false;
        }
    }
    return typeTaken(feature, search.type) && nameTaken(feature, search.filter);
}

ProError visitFeature(ProFeature* feature, ProError, ProAppData data) {
    auto& search = *static_cast<Search*>(data);
    return search.guard.run([&] {
        if (taken(feature, search)) {
            search.found.push_back(*feature);
        }
        return PRO_TK_NO_ERROR;
    });
}

}  // namespace

void FeatureSearch(ProSolid solid, const char* pattern, int type, bool activeOnly,
                   std::vector<ProFeature>& found, int regexErrorCode) {
    refillListing(found, [&] {
        guardedListing([&] {
            NameFilter filter(pattern, regexErrorCode);
            Search search{filter, type, activeOnly, found, {}};
            ProError err = ProSolidFeatVisit(solid, visitFeature, nullptr, &search);
            search.guard.rethrow();
            // A model without features is an empty result, not a failure.
            if (err != PRO_TK_E_NOT_FOUND) {
                check(err, kSearchText);
            }
        });
    });
}

ProFeature FeatureByName(ProSolid solid, const char* name) {
    std::vector<ProFeature> found;
    FeatureSearch(solid, name, kAnyFeatureType, true, found);
    if (found.size() != 1) {
        throw Error(-1, "nothing found");
    }
    return found.front();
}

ProFeature FeatureByNameActive(ProSolid solid, const char* name) {
    ProFeature feature = FeatureByName(solid, name);
    ProFeatStatus status = PRO_FEAT_INVALID;
    ProError err = ProFeatureStatusGet(&feature, &status);
    if (err != PRO_TK_NO_ERROR) {
        throw Error(err, "ardotk::FeatureByNameActive");
    }
    if (status != PRO_FEAT_ACTIVE) {
        throw Error(0, "NOT ACTIVE");
    }
    return feature;
}

}  // namespace ardotk
