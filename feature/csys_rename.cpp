// Renaming a coordinate system found by its exact name.
#include <ProModelitem.h>

#include "base/text.h"
#include "kelt2proe/error.h"
#include "model/solid.h"

namespace Ardo {

void Solid::CsysRename(const char* oldName, const char* newName) {
    constexpr const char* kText = "Ardo::kelt2pMdl::CsysRename";
    requireHandle(kText);
    ProName oldWide = {};
    ProName newWide = {};
    text::widenBounded(oldWide, oldName);
    text::widenBounded(newWide, newName);
    ProModelitem csys{};
    check(ProModelitemByNameInit(handle, PRO_CSYS, oldWide, &csys), kText);
    check(ProModelitemNameSet(&csys, newWide), kText);
}

}  // namespace Ardo
