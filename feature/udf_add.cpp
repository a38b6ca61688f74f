// UdfAdd: places the current UDF against the items the application chose for its
// references.
#include <ProGroup.h>
#include <ProModelitem.h>

#include <cwchar>

#include "feature/udf_current.h"
#include "feature/udf_data.h"
#include "model/solid.h"
#include "toolkit/check.h"

namespace Ardo {

namespace {

constexpr const char* kAddText = "Ardo::kelt2pMdl::UdfAdd";

// The host path from `root` through the entry's component ids.
ProAsmcomppath hostPathOf(ProSolid root, const CompPath& path) {
    ProAsmcomppath host{};
    host.owner = root;
    host.table_num = path.Depth();
    for (int k = 0; k < path.Depth(); ++k) {
        host.comp_id_table[k] = path.path.comp_id_table[k];
    }
    return host;
}

}  // namespace

void Solid::UdfAdd(bool ungroup, bool regenerate) {
    requireHandle(kAddText);
    ProSolid solid = static_cast<ProSolid>(handle);
    udf::Current& state = udf::current();
    ardotk::UdfdataOwner data = udf::dataFor(state.name, kAddText);
    for (udf::Reference& entry : state.references) {
        ProMdl owner = entry.path.MdlHandle();
        ProModelitem item{};
        check(ProModelitemByNameInit(owner, static_cast<ProType>(entry.type), entry.name, &item),
              kAddText);
        ProAsmcomppath host = hostPathOf(solid, entry.path);
        ProLine prompt = {};
        std::wcsncpy(prompt, entry.prompt, 79);
        udf::referenceAdd(data, prompt, item, entry.path.Depth() != 0 ? &host : nullptr);
    }
    ProGroup group = udf::place(solid, data, kAddText);
    udf::dataFree(data, kAddText);
    if (ungroup) {
        check(ProGroupUngroup(&group), kAddText);
    }
    if (regenerate) {
        Regenerate();
    }
}

}  // namespace Ardo
