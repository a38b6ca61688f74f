#include "toolkit/variant_feat.h"

#include <ProModelitem.h>
#include <ProVariantFeat.h>

#include "kelt2proe/error.h"
#include "toolkit/listing.h"
#include "toolkit/name_filter.h"
#include "toolkit/visit_guard.h"

namespace ardotk {

namespace {

struct Collect {
    const NameFilter& filter;
    std::vector<ProModelitem>& found;
    VisitGuard guard;
};

ProError admitDimension(ProModelitem* item, ProAppData data) {
    auto& collect = *static_cast<Collect*>(data);
    return collect.guard.run([&] {
        if (item->type != PRO_DIMENSION) {
            return PRO_TK_CONTINUE;
        }
        ProName name = {};
        if (ProModelitemNameGet(item, name) != PRO_TK_NO_ERROR) {
            return PRO_TK_NO_ERROR;
        }
        return collect.filter.matches(name) ? PRO_TK_NO_ERROR : PRO_TK_CONTINUE;
    });
}

ProError collectItem(ProModelitem* item, ProError, ProAppData data) {
    auto& collect = *static_cast<Collect*>(data);
    return collect.guard.run([&] {
        collect.found.push_back(*item);
        return PRO_TK_NO_ERROR;
    });
}

}  // namespace

void VariantfeatItemsVisit(ProFeature& component, const char* pattern,
                           std::vector<ProModelitem>& found) {
    refillListing(found, [&] {
        guardedListing([&] {
            NameFilter filter(pattern);
            Collect collect{filter, found, {}};
            ProError err =
                ProVariantfeatItemsVisit(&component, collectItem, admitDimension, &collect);
            collect.guard.rethrow();
            if (err == PRO_TK_GENERAL_ERROR || err == PRO_TK_BAD_INPUTS) {
                throw Error(err, "");
            }
        });
    });
}

}  // namespace ardotk
