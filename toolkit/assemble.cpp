#include "toolkit/assemble.h"

#include <ProAsmcomp.h>
#include <ProFeature.h>
#include <ProMdl.h>

#include "toolkit/check.h"
#include "toolkit/elemtree.h"
#include "toolkit/selection.h"

namespace ardotk {

namespace {

constexpr const char* kText = "ardotk::Assemble";
constexpr ProElemId kFeatureTree = 386;
constexpr ProElemId kFeatureType = 387;
constexpr int kDefaultPlacement = PRO_ASM_DEF_PLACEMENT;

void requireAssembly(ProMdl model) {
    ProMdlType type = PRO_MDL_UNUSED;
    check(ProMdlTypeGet(model, &type), kText);
    if (type != PRO_MDL_ASSEMBLY) {
        throw Error(PRO_TK_BAD_CONTEXT, kText);
    }
}

}  // namespace

ProFeature Assemble(ProMdl assembly, ProMdl component) {
    requireAssembly(assembly);
    ElemTree tree = ElementAlloc(kFeatureTree);
    ElementAdd(tree.get(), ElementInteger(kFeatureType, PRO_FEAT_COMPONENT));
    ElementAdd(tree.get(), ElementSpecial(PRO_E_COMPONENT_MODEL, component));
    ProElement constraints = ElementAdd(tree.get(), ElementAlloc(PRO_E_COMPONENT_CONSTRAINTS));
    ProElement constraint = ElementAdd(constraints, ElementAlloc(PRO_E_COMPONENT_CONSTRAINT));
    ElementAdd(constraint, ElementInteger(PRO_E_COMPONENT_CONSTR_TYPE, kDefaultPlacement));

    ProModelitem model{};
    check(ProMdlToModelitem(assembly, &model), kText);
    SelectionOwner selection;
    check(ProSelectionAlloc(nullptr, &model, selection.out()), kText);
    ProFeatureCreateOptions options[] = {PRO_FEAT_CR_INCOMPLETE_FEAT};
    ProErrorlist errors{};
    ProFeature feature{};
    check(ProFeatureCreate(selection.get(), tree.get(), options, 1, &feature, &errors), kText);
    return feature;
}

ProFeature Assemble(ProMdl assembly, ProMdl component, ProMatrix placement) {
    requireAssembly(assembly);
    ProAsmcomp feature{};
    check(ProAsmcompAssemble(static_cast<ProAssembly>(assembly), static_cast<ProSolid>(component),
                             placement, &feature),
          kText);
    return feature;
}

}  // namespace ardotk
