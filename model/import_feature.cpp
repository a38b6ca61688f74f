// Bringing the solid of a STEP or ACIS file into the model as an import feature.
#include <ProImportfeat.h>
#include <ProIntfData.h>

#include "base/text.h"
#include "kelt2proe/error.h"
#include "model/solid.h"
#include "toolkit/check.h"

namespace Ardo {

namespace {

// The import feature in the model's own frame; `makeCutOrAdd` sets the attribute's third
// flag. The created feature is not handed out.
void importFile(ProMdl model, ProIntfType kind, const char* file, bool makeCutOrAdd) {
    ProPath widePath = {};
    text::widenBounded(widePath, file);
    ProIntfDataSource source{};
    source.intf_type = kind;
    source.choice.filename = widePath;
    ProImportfeatAttr attributes{};
    attributes.join_surfaces = 1;
    attributes.attempt_make_solid = 1;
    attributes.cut_or_add = makeCutOrAdd ? 1 : 0;
    ProFeature feature{};
    check(
        ProImportfeatCreate(static_cast<ProSolid>(model), &source, nullptr, &attributes, &feature),
        "ProImportfeatCreate");
}

}  // namespace

void Solid::ImportSTEP(const char* file) {
    requireHandle("Ardo::Solid::ImportSTEP");
    importFile(handle, PRO_INTF_STEP, file, false);
}

void Solid::ImportACIS(const char* file) {
    requireHandle("Ardo::Solid::ImportACIS");
    importFile(handle, PRO_INTF_ACIS, file, true);
}

}  // namespace Ardo
