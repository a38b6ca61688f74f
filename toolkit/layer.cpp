#include "toolkit/layer.h"

#include <ProModelitem.h>

#include "toolkit/check.h"
#include "toolkit/listing.h"
#include "toolkit/name_filter.h"
#include "toolkit/visit_guard.h"

namespace ardotk {

namespace {

constexpr const char* kCreateText = "ardotk::LayerCreate";
constexpr const char* kStatusText = "ardotk::LayerDisplaystatus";
constexpr const char* kItemAddText = "ardotk::LayerItemAdd";
// Refused patterns of the layer search carry this code.
constexpr int kLayerPatternCode = -1;

struct Search {
    const NameFilter& filter;
    std::vector<ProLayer>& found;
    // The first failing name read; it also stops the visit.
    ProError failed = PRO_TK_NO_ERROR;
    VisitGuard guard;
};

ProError visitLayer(ProLayer* layer, ProAppData data) {
    auto& search = *static_cast<Search*>(data);
    return search.guard.run([&] {
        ProName name = {};
        ProError err = ProModelitemNameGet(layer, name);
        if (err != PRO_TK_NO_ERROR) {
            search.failed = err;
            return err;
        }
        name[PRO_NAME_SIZE - 1] = L'\0';
        if (search.filter.matches(name)) {
            search.found.push_back(*layer);
        }
        return PRO_TK_NO_ERROR;
    });
}

}  // namespace

int LayerCreate(ProMdl model, const wchar_t* name) {
    ProName wide = {};
    for (int i = 0; i < PRO_NAME_SIZE - 1 && name[i] != L'\0'; ++i) {
        wide[i] = name[i];
    }
    ProLayer layer{};
    check(ProLayerCreate(model, wide, &layer), kCreateText);
    return layer.id;
}

ProLayerDisplay LayerDisplaystatusGet(ProLayer& layer) {
    ProLayerDisplay status = PRO_LAYER_TYPE_NONE;
    check(ProLayerDisplaystatusGet(&layer, &status), kStatusText);
    return status;
}

void LayerDisplaystatusSet(ProLayer& layer, ProLayerDisplay status) {
    check(ProLayerDisplaystatusSet(&layer, status), kStatusText);
}

void LayerItemAdd(ProLayer& layer, ProModelitem& item) {
    ProLayerItem layerItem{};
    check(ProLayerItemInit(static_cast<ProLayerType>(item.type), item.id, item.owner, &layerItem),
          kItemAddText);
    check(ProLayerItemAdd(&layer, &layerItem), kItemAddText);
}

void LayerSearch(ProMdl model, const char* pattern, std::vector<ProLayer>& found) {
    refillListing(found, [&] {
        guardedListing([&] {
            NameFilter filter(pattern, kLayerPatternCode);
            Search search{filter, found, PRO_TK_NO_ERROR, {}};
            ProError err = ProMdlLayerVisit(model, visitLayer, nullptr, &search);
            search.guard.rethrow();
            // A name read that failed stopped the visit: the list would be cut short.
            check(search.failed);
            // A model without layers is an empty result, not a failure.
            if (err != PRO_TK_E_NOT_FOUND) {
                check(err);
            }
        });
    });
}

}  // namespace ardotk
