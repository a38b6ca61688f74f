// The component placed onto a coordinate system: the one component whose single
// coordinate-system constraint references it through the given path.
#include <ProArray.h>
#include <ProAsmcomp.h>
#include <ProAsmcomppath.h>
#include <ProSelection.h>

#include <vector>

#include "feature/component_visit.h"
#include "kelt2proe/error.h"
#include "model/solid.h"
#include "toolkit/owned.h"
#include "toolkit/selection.h"

namespace Ardo {

namespace {

using ConstraintsOwner = ardotk::Owned<ProAsmcompconstraint*, ProAsmcompconstraintArrayFree>;

bool sameItem(const ProModelitem& a, const ProModelitem& b) {
    return a.type == b.type && a.id == b.id && a.owner == b.owner;
}

// True when the component at `placed` is placed by one coordinate-system constraint on
// `csys` reached through `path`. A component whose placement cannot be read is not.
bool placedOn(CompPath& placed, const ProGeomitem& csys, const CompPath& path) {
    CompPath parent = placed.Parent();
    ProMdl owner = nullptr;
    if (ProAsmcomppathMdlGet(parent.Host(), &owner) != PRO_TK_NO_ERROR) {
        return false;
    }
    ProAsmcomp feature{PRO_FEATURE, placed.LastId(), owner};
    ConstraintsOwner constraints;
    if (ProAsmcompConstraintsGet(&feature, constraints.out()) != PRO_TK_NO_ERROR) {
        return false;
    }
    int count = 0;
    if (ProArraySizeGet(constraints.get(), &count) != PRO_TK_NO_ERROR || count != 1) {
        return false;
    }
    ProAsmcompconstraint constraint = constraints.get()[0];
    ProAsmcompConstrType type = PRO_ASM_UNDEF;
    if (ProAsmcompconstraintTypeGet(constraint, &type) != PRO_TK_NO_ERROR || type != PRO_ASM_CSYS) {
        return false;
    }
    ardotk::SelectionOwner compRef;
    ardotk::SelectionOwner asmRef;
    if (ProAsmcompconstraintCompreferenceGet(constraint, compRef.out(), nullptr) !=
            PRO_TK_NO_ERROR ||
        ProAsmcompconstraintAsmreferenceGet(constraint, asmRef.out(), nullptr) != PRO_TK_NO_ERROR) {
        return false;
    }
    ProModelitem item{};
    ProAsmcomppath refHost{};
    if (ProSelectionModelitemGet(asmRef.get(), &item) != PRO_TK_NO_ERROR ||
        ProSelectionAsmcomppathGet(asmRef.get(), &refHost) != PRO_TK_NO_ERROR) {
        return false;
    }
    CompPath reference(refHost);
    CompPath full = reference;
    if (reference.Depth() != path.Depth()) {
        full = parent;
        for (int level = 0; level < reference.Depth(); ++level) {
            full.Add(reference.IdGetAt(level));
        }
    }
    return sameItem(item, csys) && full == path;
}

}  // namespace

CompPath Solid::CsysComponent(const char* pattern, CompPath& path) {
    std::vector<ProGeomitem> found;
    path.MdlGet().CsysFindByRegEx(pattern, found);
    if (found.size() != 1) {
        throw Error(PRO_TK_GENERAL_ERROR, "KOS nicht oder mehrere KOS gefunden");
    }
    std::vector<CompPath> components;
    component::visit(handle, component::Selection{}, components);
    for (CompPath& placed : components) {
        if (placedOn(placed, found.front(), path)) {
            return placed;
        }
    }
    throw Error(PRO_TK_GENERAL_ERROR, "no component found");
}

bool Solid::CsysHasComponent(const char* pattern, CompPath& path) {
    try {
        CsysComponent(pattern, path);
        return true;
    } catch (...) {
        return false;
    }
}

}  // namespace Ardo
