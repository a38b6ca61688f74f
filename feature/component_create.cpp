#include "feature/component_create.h"

#include <ProAsmcomp.h>
#include <ProAsmcomppath.h>
#include <ProFeature.h>
#include <ProMdl.h>

#include "kelt2proe/error.h"
#include "toolkit/check.h"
#include "toolkit/elemtree.h"
#include "toolkit/selection.h"

namespace Ardo::component {

namespace {

constexpr ProElemId kFeatureTree = 386;
constexpr ProElemId kFeatureType = 387;

}  // namespace

CompPath pathOf(ProMdl root, int featureId) {
    CompPath path(root);
    path.Add(featureId);
    return path;
}

CompPath createOnCsys(Solid& assembly, ProMdl model, ProGeomitem& compCsys, ProGeomitem& asmCsys,
                      const CompPath& asmPath, const char* text) {
    ProAsmcomppath hostPath{};
    ProAsmcomppath source = asmPath.Host();
    // A reference that could not be made would only fail later, less clearly.
    check(ProAsmcomppathInit(static_cast<ProSolid>(assembly.Handle()), source.comp_id_table,
                             source.table_num, &hostPath),
          text);
    ardotk::SelectionOwner compRef;
    check(ProSelectionAlloc(nullptr, &compCsys, compRef.out()), text);
    ardotk::SelectionOwner asmRef;
    check(ProSelectionAlloc(&hostPath, &asmCsys, asmRef.out()), text);

    ardotk::ElemTree tree = ardotk::ElementAlloc(kFeatureTree);
    ardotk::ElementAdd(tree.get(), ardotk::ElementInteger(kFeatureType, PRO_FEAT_COMPONENT));
    ardotk::ElementAdd(tree.get(), ardotk::ElementSpecial(PRO_E_COMPONENT_MODEL, model));
    ProElement constraints =
        ardotk::ElementAdd(tree.get(), ardotk::ElementAlloc(PRO_E_COMPONENT_CONSTRAINTS));
    ProElement constraint =
        ardotk::ElementAdd(constraints, ardotk::ElementAlloc(PRO_E_COMPONENT_CONSTRAINT));
    ardotk::ElementAdd(constraint,
                       ardotk::ElementInteger(PRO_E_COMPONENT_CONSTR_TYPE, PRO_ASM_CSYS));
    ardotk::ElementAdd(constraint,
                       ardotk::ElementSelection(PRO_E_COMPONENT_COMP_CONSTR_REF, compRef.get()));
    ardotk::ElementAdd(constraint,
                       ardotk::ElementSelection(PRO_E_COMPONENT_ASSEM_CONSTR_REF, asmRef.get()));

    ProModelitem owner{};
    check(ProMdlToModelitem(assembly.Handle(), &owner), text);
    ardotk::SelectionOwner where;
    check(ProSelectionAlloc(nullptr, &owner, where.out()), text);
    ProFeatureCreateOptions options[] = {PRO_FEAT_CR_INCOMPLETE_FEAT};
    ProErrorlist errors{};
    ProFeature feature{};
    ProError created = ProFeatureCreate(where.get(), tree.get(), options, 1, &feature, &errors);
    assembly.status = created;
    check(created, text);
    return pathOf(assembly.Handle(), feature.id);
}

}  // namespace Ardo::component
