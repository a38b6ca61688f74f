#include "feature/component_visit.h"

#include <ProAsmcomp.h>
#include <ProFeature.h>
#include <ProMdl.h>
#include <ProSolid.h>

#include "toolkit/visit_guard.h"

namespace Ardo::component {

namespace {

struct Visit {
    const Selection& selection;
    std::vector<CompPath>& out;
    CompPath path;
    int level = 0;
    // The model of the component the filter last passed, for the action.
    ProMdl passedModel = nullptr;
    ardotk::VisitGuard guard;
};

ProError filterComponent(ProFeature* feature, ProAppData data) {
    Visit& visit = *static_cast<Visit*>(data);
    return visit.guard.run([&]() -> ProError {
        ProFeatStatus status = PRO_FEAT_INVALID;
        if (ProFeatureStatusGet(feature, &status) != PRO_TK_NO_ERROR ||
            (status != PRO_FEAT_ACTIVE && status != PRO_FEAT_UNREGENERATED)) {
            return PRO_TK_CONTINUE;
        }
        ProFeattype type = 0;
        if (ProFeatureTypeGet(feature, &type) != PRO_TK_NO_ERROR || type != PRO_FEAT_COMPONENT) {
            return PRO_TK_CONTINUE;
        }
        ProMdl model = nullptr;
        if (ProAsmcompMdlGet(feature, &model) != PRO_TK_NO_ERROR) {
            return PRO_TK_CONTINUE;
        }
        if (visit.selection.names != nullptr && !visit.selection.names->all()) {
            ProName name = {};
            if (ProMdlNameGet(model, name) != PRO_TK_NO_ERROR ||
                !visit.selection.names->matches(name)) {
                return PRO_TK_CONTINUE;
            }
        }
        if (visit.selection.ordinaryOnly) {
            ProAsmcompType compType = PRO_ASM_COMP_TYPE_NONE;
            if (ProAsmcompTypeGet(feature, static_cast<ProAssembly>(feature->owner), &compType) !=
                    PRO_TK_NO_ERROR ||
                compType != PRO_ASM_COMP_TYPE_NONE) {
                return PRO_TK_CONTINUE;
            }
        }
        visit.passedModel = model;
        return PRO_TK_NO_ERROR;
    });
}

ProError visitComponent(ProFeature* feature, ProError, ProAppData data);

ProError visitModel(Visit& visit, ProMdl model) {
    return ProSolidFeatVisit(static_cast<ProSolid>(model), visitComponent, filterComponent, &visit);
}

ProError visitComponent(ProFeature* feature, ProError, ProAppData data) {
    Visit& visit = *static_cast<Visit*>(data);
    return visit.guard.run([&]() -> ProError {
        ProAsmcomppath& host = *visit.path.Host();
        host.comp_id_table[visit.level] = feature->id;
        host.table_num = visit.level + 1;
        visit.out.push_back(visit.path);
        ProMdl model = visit.passedModel;
        ProMdlType type = PRO_MDL_UNUSED;
        if (ProMdlTypeGet(model, &type) == PRO_TK_NO_ERROR && type == PRO_MDL_ASSEMBLY &&
            visit.level + 1 < CompPath::kMaxDepth) {
            ++visit.level;
            visitModel(visit, model);
            --visit.level;
        }
        return PRO_TK_NO_ERROR;
    });
}

}  // namespace

ProError visit(ProMdl root, const Selection& selection, std::vector<CompPath>& out) {
    Visit state{selection, out, CompPath(root), 0, nullptr, {}};
    ProError result = visitModel(state, root);
    state.guard.rethrow();
    return result;
}

}  // namespace Ardo::component
