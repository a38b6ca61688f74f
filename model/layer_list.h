// The process-wide layer list and layer-name buffer: LayerList(pattern) fills the list,
// LayerList(i) reads the name of entry i into the buffer. Shared by every model object.
#pragma once

#include <ProObjects.h>

#include <vector>

namespace Ardo::layerList {

// The list that a layer search fills in place.
std::vector<ProLayer>& entries();
// The name of entry `index` in the buffer, valid until the next call; an index outside
// the list raises the subscript error. A name the host does not give reads as empty.
const char* nameAt(int index);

}  // namespace Ardo::layerList
