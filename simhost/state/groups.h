// Feature groups: a group feature (type kFeatGroup) followed by its member features,
// which are ordinary features of the solid. Placing a UDF makes one; ungrouping removes
// the group feature and keeps the members. Groups are saved in the model file's
// "groups" section.
#pragma once

#include <ProToolkit.h>

#include <string>
#include <utility>
#include <vector>

#include "simhost/state/models.h"
#include "simhost/state/selections.h"
#include "simhost/state/sessions.h"
#include "simhost/state/udf_definitions.h"

namespace simhost::state {

// The host's feature type of a group feature.
constexpr int kFeatGroup = 1017;

// The member features of a group feature, in order; empty for other features.
std::vector<int> groupMembers(Model& model, int groupId);
bool groupIs(Model& model, int featureId);

// A reference of a placement: the prompt it answers and the item chosen for it.
struct UdfPlacedReference {
    std::wstring prompt;
    SelectionData selection;
};

// Places the definition into the solid: checks that every required reference is given
// once, with an item of its type that exists in the solid or in a component the
// selection's path leads to (else PRO_TK_BAD_INPUTS, nothing made); then makes the
// group feature and the members in order (at the insertion point in insert mode). A
// member whose name the solid holds already gets the host's default name; a symbol
// taken keeps the default symbol. PRO_TK_MAX_LIMIT_REACHED, nothing made, when the
// solid has no ids left.
ProError udfPlace(Session& s, Model& model, const UdfDefinition& definition,
                  const std::vector<UdfPlacedReference>& references, int& groupId);

// Removes the group feature; its members stay. PRO_TK_E_NOT_FOUND for a feature that is
// no group.
ProError groupUngroup(Model& model, int groupId);

}  // namespace simhost::state
