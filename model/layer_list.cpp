#include "model/layer_list.h"

#include <ProModelitem.h>

#include "base/subscript.h"
#include "base/text.h"

namespace Ardo::layerList {

namespace {

// Room for a name of 31 wide characters in any narrow encoding.
constexpr std::size_t kNameBufferSize = 4 * PRO_NAME_SIZE;

}  // namespace

std::vector<ProLayer>& entries() {
    static std::vector<ProLayer> layers;
    return layers;
}

const char* nameAt(int index) {
    static char nameBuffer[kNameBufferSize];
    ProLayer layer = checkedAt(entries(), index);
    ProName name = {};
    // The result is not examined: a name the host does not give stays empty.
    ProModelitemNameGet(&layer, name);
    name[PRO_NAME_SIZE - 1] = L'\0';
    nameBuffer[0] = '\0';
    text::toNarrow(nameBuffer, name);
    return nameBuffer;
}

}  // namespace Ardo::layerList
