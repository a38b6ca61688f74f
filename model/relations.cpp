// Reading and writing the relation sets of a model and of its features.
#include <ProFeature.h>
#include <ProRelSet.h>

#include "base/subscript.h"
#include "kelt2proe/error.h"
#include "model/relation_buffer.h"
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
    return relationBuffer::replace(relationList);
}

// The handle is tested before the feature is looked up, so that an unbound model
// reports -45 like the other forms.
int Solid::Relations(int featureId) {
    requireHandle(kRelationsText);
    ProRelset set = relsetOfFeature(featureId);
    relationList.clear();
    relationList = ardotk::RelationsGet(set);
    return relationBuffer::replace(relationList);
}

void Solid::RelationsSet(bool kind) {
    requireHandle(kRelationsText);
    ProRelset set = relsetOfKind(kind);
    ardotk::RelationsSet(set, relationBuffer::lines());
}

void Solid::RelationsSet(int featureId) {
    requireHandle(kRelationsText);
    ProRelset set = relsetOfFeature(featureId);
    ardotk::RelationsSet(set, relationBuffer::lines());
}

void Solid::RelationsClear() {
    relationBuffer::clear();
}

int Solid::RelationsAdd(const char* line) {
    return relationBuffer::add(line);
}

int Solid::RelationsSize() {
    return relationBuffer::size();
}

const char* Solid::RelationAt(int i) {
    return relationBuffer::at(i);
}

}  // namespace Ardo
