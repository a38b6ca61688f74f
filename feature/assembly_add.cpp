// Adding components to an assembly: by default placement, by a matrix, and by making
// coordinate systems coincide, once or for every matching target.
#include <ProMdl.h>

#include <vector>

#include "feature/component_create.h"
#include "kelt2proe/error.h"
#include "model/solid.h"
#include "toolkit/assemble.h"

namespace Ardo {

namespace {

constexpr const char* kAddText = "Ardo::Solid::Add";
constexpr const char* kAddMultipleText = "Ardo::Solid::AddMultiple";

}  // namespace

CompPath Solid::Add(Solid& component) {
    ProFeature feature = ardotk::Assemble(handle, component.Handle());
    return component::pathOf(feature.owner, feature.id);
}

CompPath Solid::Add(Solid& component, const Matrix& placement) {
    // The host keeps the axes and the origin as rows.
    ProMatrix host = {};
    placement.Get4X4ProE(host);
    ProFeature feature = ardotk::Assemble(handle, component.Handle(), host);
    return component::pathOf(feature.owner, feature.id);
}

CompPath Solid::Add(Solid& component, const char* compCsys, const char* asmCsys) {
    ProMdlType modelType = PRO_MDL_UNUSED;
    check(ProMdlTypeGet(handle, &modelType), kAddText);
    if (modelType != PRO_MDL_ASSEMBLY) {
        throw Error(PRO_TK_BAD_CONTEXT, kAddText);
    }
    ProGeomitem compRef = component.CsysFindByName(compCsys);
    ProGeomitem asmRef = CsysFindByName(asmCsys);
    return component::createOnCsys(*this, component.Handle(), compRef, asmRef, CompPath(handle),
                                   kAddText);
}

CompPath Solid::Add(Solid& component, const char* compCsys, CompPath& target,
                    const char* targetCsys) {
    ProMdlType modelType = PRO_MDL_UNUSED;
    check(ProMdlTypeGet(handle, &modelType), kAddText);
    if (modelType != PRO_MDL_ASSEMBLY) {
        throw Error(PRO_TK_BAD_CONTEXT, kAddText);
    }
    ProGeomitem compRef = component.CsysFindByName(compCsys);
    ProGeomitem asmRef = target.MdlGet().CsysFindByName(targetCsys);
    return component::createOnCsys(*this, component.Handle(), compRef, asmRef, target, kAddText);
}

CompPath Solid::AddMultiple(Solid& component, const char* compCsys, CompPath& target,
                            const char* targetCsys) {
    requireHandle(kAddMultipleText);
    std::vector<ProGeomitem> targets;
    target.MdlGet().CsysFindByRegEx(targetCsys, targets);
    if (targets.empty()) {
        throw Error(PRO_TK_E_NOT_FOUND, kAddMultipleText);
    }
    CompPath last;
    for (ProGeomitem& asmRef : targets) {
        ProGeomitem compRef = component.CsysFindByName(compCsys);
        last = component::createOnCsys(*this, component.Handle(), compRef, asmRef, target,
                                       kAddMultipleText);
    }
    return last;
}

}  // namespace Ardo
