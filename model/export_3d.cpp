// Writing the model to a neutral 3D file (STEP, ACIS ...) in the frame of a coordinate
// system found by pattern.
#include <ProIntf3Dexport.h>
#include <ProSelection.h>

#include <vector>

#include "base/text.h"
#include "kelt2proe/error.h"
#include "model/solid.h"
#include "toolkit/mdl.h"
#include "toolkit/owned.h"

namespace Ardo {

namespace {

constexpr const char* kExportText = "Ardo::Solid::WriteExport";

using BrepOwner = ardotk::Owned<ProOutputBrepRepresentation, ProOutputBrepRepresentationFree>;
using InclusionOwner = ardotk::Owned<ProOutputInclusion, ProOutputInclusionFree>;
using LayersOwner = ardotk::Owned<ProOutputLayerOptions, ProOutputLayerOptionsFree>;

ProBoolean flag(bool value) {
    return value ? PRO_B_TRUE : PRO_B_FALSE;
}

}  // namespace

void Solid::WriteExport(const char* file, const char* csysPattern, kelt2p3D_Export_Type format,
                        kelt2pOutput_AsmCfg cfg, bool surfaces, bool incl1, bool incl2) {
    requireHandle(kExportText);
    // Declared in the reverse of the order of release, so that every path, failures
    // included, frees the options and then the selection: representation, layers,
    // inclusion, selection.
    ardotk::SelectionOwner selection;
    InclusionOwner inclusion;
    LayersOwner layers;
    BrepOwner brep;

    check(ProOutputBrepRepresentationAlloc(brep.out()), kExportText);
    check(ProOutputBrepRepresentationFlagsSet(brep.get(), PRO_B_FALSE, flag(surfaces),
                                              flag(!surfaces), PRO_B_FALSE),
          kExportText);
    check(ProOutputInclusionAlloc(inclusion.out()), kExportText);
    check(ProOutputInclusionFlagsSet(inclusion.get(), flag(incl1), flag(incl2), PRO_B_FALSE),
          kExportText);
    check(ProOutputLayerOptionsAlloc(layers.out()), kExportText);
    check(ProOutputLayerOptionsAutoidSet(layers.get(), PRO_B_TRUE), kExportText);

    std::vector<ProGeomitem> found;
    CsysFindByRegEx(csysPattern, found);
    if (found.empty()) {
        throw Error(PRO_TK_E_NOT_FOUND, kExportText);
    }
    ProGeomitem& csys = found.front();

    // In an assembly the coordinate system is selected through the root-only path.
    CompPath rootPath(handle);
    ProAsmcomppath* path = ardotk::MdlType(handle) == PRO_MDL_ASSEMBLY ? rootPath.Host() : nullptr;
    check(ProSelectionAlloc(path, &csys, selection.out()), kExportText);

    ProPath widePath = {};
    text::widenBounded(widePath, file);
    check(
        ProIntf3DFileWrite(static_cast<ProSolid>(handle), static_cast<ProIntf3DExportType>(format),
                           widePath, static_cast<ProOutputAssemblyConfiguration>(cfg),
                           selection.get(), brep.get(), inclusion.get(), layers.get()),
        kExportText);
}

}  // namespace Ardo
