// The owners of parameters: the model's own item, a feature found by name, a feature by
// id.
#include <ProFeature.h>
#include <ProMdl.h>
#include <ProModelitem.h>

#include "kelt2proe/error.h"
#include "model/solid.h"
#include "toolkit/check.h"
#include "toolkit/feature_search.h"

namespace Ardo {

ProModelitem Solid::modelOwner(const char* text) {
    ProModelitem owner{};
    check(ProMdlToModelitem(handle, &owner), text);
    return owner;
}

ProMdlType Solid::itemsType() {
    ProMdlType mdlType = PRO_MDL_UNUSED;
    ProError err = ProMdlTypeGet(handle, &mdlType);
    status = err;
    ardotk::check(err);
    return mdlType;
}

// The item's type is the model's type; its id is the one the host gives the model's
// own item.
ProModelitem Solid::descriptionOwner() {
    ProMdlType mdlType = itemsType();
    ProModelitem owner{};
    ProError err = ProMdlToModelitem(handle, &owner);
    status = err;
    ardotk::check(err);
    owner.type = static_cast<ProType>(mdlType);
    owner.owner = handle;
    return owner;
}

ProModelitem Solid::featureOwner(const char* feature) {
    return ardotk::FeatureByName(static_cast<ProSolid>(handle), feature);
}

ProModelitem Solid::featureOwnerById(int id) {
    ProFeature feature = featureInit(id);
    ProModelitem owner{};
    check(ProModelitemInit(handle, feature.id, feature.type, &owner), "Ardo::Solid::ParamDelete");
    return owner;
}

}  // namespace Ardo
