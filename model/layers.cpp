// Layers of the model: creating them, their display status, putting items on them and
// listing them by name pattern into the process-wide layer list.
#include <ProLayer.h>
#include <ProModelitem.h>

#include <vector>

#include "base/text.h"
#include "kelt2proe/error.h"
#include "model/layer_list.h"
#include "model/mdl.h"
#include "toolkit/layer.h"

namespace Ardo {

namespace {

struct LayerName {
    ProName wide = {};
    explicit LayerName(const char* name) { text::widenBounded(wide, name == nullptr ? "" : name); }
};

}  // namespace

int Mdl::LayerCreate(const char* layerName) {
    requireHandle("Ardo::Mdl::LayerCreate");
    LayerName wide(layerName);
    return ardotk::LayerCreate(handle, wide.wide);
}

kelt2pLayerDisplay Mdl::LayerDisplaystatus(const char* pattern) {
    requireHandle("Ardo::Mdl::LayerDisplaystatus");
    std::vector<ProLayer> found;
    ardotk::LayerSearch(handle, pattern, found);
    if (found.size() != 1) {
        throw Error(0, "layer not found");
    }
    return static_cast<kelt2pLayerDisplay>(ardotk::LayerDisplaystatusGet(found.front()));
}

void Mdl::LayerDisplaystatus(const char* pattern, kelt2pLayerDisplay displayStatus) {
    requireHandle("Ardo::Mdl::LayerList");
    std::vector<ProLayer> found;
    ardotk::LayerSearch(handle, pattern, found);
    for (ProLayer& layer : found) {
        ardotk::LayerDisplaystatusSet(layer, static_cast<ProLayerDisplay>(displayStatus));
    }
}

void Mdl::LayerItemAdd(const char* layerName, int id) {
    // The item is looked up by id alone (type -1), and the answer is not examined: a
    // host that does not resolve the type leaves the item a feature of this id, which
    // the host refuses when the model has no such feature.
    ProModelitem item{PRO_FEATURE, id, handle};
    ProModelitemInit(handle, id, PRO_TYPE_UNUSED, &item);
    LayerName wide(layerName);
    ProLayer layer{};
    check(ProModelitemByNameInit(handle, PRO_LAYER, wide.wide, &layer), "Ardo::Mdl::LayerItemAdd");
    requireHandle("Ardo::Mdl::LayerItemAdd");
    ardotk::LayerItemAdd(layer, item);
}

int Mdl::LayerList(const char* pattern) {
    requireHandle("Ardo::Mdl::LayerList");
    std::vector<ProLayer>& list = layerList::entries();
    ardotk::LayerSearch(handle, pattern, list);
    return static_cast<int>(list.size());
}

}  // namespace Ardo
