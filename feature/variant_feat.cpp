// The parameters and dimensions a flexible component varies, read into the model's
// parameter and dimension lists.
#include <ProObjects.h>

#include "feature/comp_path.h"
#include "model/solid.h"
#include "toolkit/parameter.h"
#include "toolkit/variant_feat.h"

namespace Ardo {

namespace {

// The component feature of `path`, whose model must be `model`.
ProFeature componentOf(ProMdl model, CompPath& path) {
    if (path.MdlHandle() != model) {
        // Thrown as plain text, as callers of this operation catch it.
        throw const_cast<char*>("not the same model");
    }
    return ProFeature{PRO_FEATURE, path.IdGetAt(0), path.Root()};
}

}  // namespace

int Solid::ParamsVariantfeat(CompPath& path, const char* pattern) {
    requireHandle("Ardo::Solid::ParamsVariantfeat");
    ProFeature component = componentOf(handle, path);
    ardotk::VariantfeatParamsVisit(component, pattern, paramList);
    return static_cast<int>(paramList.size());
}

int Solid::DimsVariantfeat(CompPath& path, const char* pattern) {
    requireHandle("Ardo::Solid::DimsVariantfeat");
    ProFeature component = componentOf(handle, path);
    ardotk::VariantfeatItemsVisit(component, pattern, dimList);
    return static_cast<int>(dimList.size());
}

}  // namespace Ardo
