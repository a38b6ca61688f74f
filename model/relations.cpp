// Reading and writing the relation sets of a model and of its features.
#include <ProFeature.h>
#include <ProRelSet.h>

#include "base/subscript.h"
#include "kelt2proe/error.h"
#include "model/solid.h"
#include "toolkit/relset.h"

namespace Ardo {

namespace {

constexpr const char* kRelationsText = "Ardo::Solid::Relations";
// Owner id of a model's post-regeneration relation set.
constexpr int kPostRegenerationId = -2;

}  // namespace

// Of the sets owned by a part or assembly, the model's own (false) or its
// post-regeneration set (true); the first in the host's order.
ProRelset Solid::relsetOfKind(bool kind) {
    std::vector<ProRelset> sets = ardotk::RelsetVisit(handle, [kind](const ProModelitem& owner) {
        if (owner.type != PRO_ASSEMBLY && owner.type != PRO_PART) {
            return false;
        }
        return (owner.id == kPostRegenerationId) == kind;
    });
    return checkedAt(sets, 0);
}

ProRelset Solid::relsetOfFeature(int id) {
    ProFeature feature = featureInit(id);
    ProRelset set{};
    check(ProModelitemToRelset(&feature, &set), kRelationsText);
    return set;
}

int Solid::Relations(bool kind) {
    requireHandle(kRelationsText);
    ProRelset set = relsetOfKind(kind);
    relationList.clear();
    relationList = ardotk::RelationsGet(set);
    return static_cast<int>(relationList.size());
}

// The handle is tested before the feature is looked up, so that an unbound model
// reports -45 like the other forms.
int Solid::Relations(int featureId) {
    requireHandle(kRelationsText);
    ProRelset set = relsetOfFeature(featureId);
    relationList.clear();
    relationList = ardotk::RelationsGet(set);
    return static_cast<int>(relationList.size());
}

void Solid::RelationsSet(bool kind, const std::vector<std::string>& lines) {
    requireHandle(kRelationsText);
    ProRelset set = relsetOfKind(kind);
    ardotk::RelationsSet(set, lines);
}

void Solid::RelationsSet(int featureId, const std::vector<std::string>& lines) {
    requireHandle(kRelationsText);
    ProRelset set = relsetOfFeature(featureId);
    ardotk::RelationsSet(set, lines);
}

}  // namespace Ardo
