// Wrappers of the host's layer calls. Their failures raise ardotk::Error with the texts
// the model's layer operations name.
#pragma once

#include <ProLayer.h>

#include <vector>

namespace ardotk {

// ProLayerCreate: a new layer of `model` named `name` (at most 31 characters); returns
// its id. A failure raises ardotk::Error(code, "ardotk::LayerCreate").
int LayerCreate(ProMdl model, const wchar_t* name);

// ProLayerDisplaystatusGet / Set; a failure raises ardotk::Error(code,
// "ardotk::LayerDisplaystatus").
ProLayerDisplay LayerDisplaystatusGet(ProLayer& layer);
void LayerDisplaystatusSet(ProLayer& layer, ProLayerDisplay status);

// ProLayerItemInit of the item (type, id, owner) and ProLayerItemAdd to `layer`; either
// failure raises ardotk::Error(code, "ardotk::LayerItemAdd").
void LayerItemAdd(ProLayer& layer, ProModelitem& item);

// The layers of `model`, in the host's visiting order, whose whole name matches
// `pattern`, into `found` (contents replaced, storage reused, empty after a failure).
// Every name is read. An invalid pattern raises ardotk::Error(-1, description); a model
// without layers is an empty result; a failing visit or name read raises
// ardotk::Error(code, ""); anything else ardotk::Error(-1, "UNBEKANNTER FEHLER").
void LayerSearch(ProMdl model, const char* pattern, std::vector<ProLayer>& found);

}  // namespace ardotk
