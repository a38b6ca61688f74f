// Listing the components of an assembly at every level, filtered by model name.
#include <ProMdl.h>

#include "base/subscript.h"
#include "feature/component_visit.h"
#include "kelt2proe/error.h"
#include "model/solid.h"
#include "toolkit/listing.h"

namespace Ardo {

namespace {

constexpr const char* kListText = "Ardo::Solid::ComponetList";

}  // namespace

int Solid::ComponetList(const char* pattern) {
    requireHandle(kListText);
    ProMdlType modelType = PRO_MDL_UNUSED;
    check(ProMdlTypeGet(handle, &modelType), kListText);
    if (modelType != PRO_MDL_ASSEMBLY) {
        throw Error(PRO_TK_BAD_CONTEXT, kListText);
    }
    ardotk::refillListing(compList, [&] {
        ardotk::guardedListing([&] {
            ardotk::NameFilter names(pattern);
            component::Selection selection;
            selection.names = &names;
            status = component::visit(handle, selection, compList);
        });
    });
    return static_cast<int>(compList.size());
}

CompPath Solid::ComponetListAt(int index) const {
    return checkedAt(compList, index);
}

}  // namespace Ardo
