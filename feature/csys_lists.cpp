#include "feature/csys_lists.h"

#include <climits>

#include "base/text.h"

namespace Ardo::csys {

KeptList<ProGeomitem>& csysList() {
    static KeptList<ProGeomitem> list;
    return list;
}

KeptList<ProPoint>& pointList() {
    static KeptList<ProPoint> list;
    return list;
}

std::vector<ExtRef>& extRefList() {
    static std::vector<ExtRef> list;
    return list;
}

char* nameBuffer() {
    // A host name: 31 wide characters, each at most MB_LEN_MAX narrow bytes.
    static char buffer[MB_LEN_MAX * text::kNameSize];
    return buffer;
}

}  // namespace Ardo::csys
