// Fixtures of manufacturing models: features of type 1002 that group component features
// (type 1000) of the model holding the workpiece, and the model's active fixture.
//
// The tree of a fixture: 387 = 1002, 3304 an integer, optional 151 the name (wide
// text), 333 a double, optional 208 the id of an operation of the model, optional 332 the
// ids of component features of the model (several integers). A tree that holds 332
// more than once (a redefinition that adds the new list after the old one) keeps the
// last: the host drops the others from the kept tree.
#pragma once

#include <vector>

#include "simhost/state/components.h"
#include "simhost/state/features.h"
#include "simhost/state/models.h"

namespace simhost::state {

constexpr int kFeatFixture = 1002;
constexpr int kElemFixtComponents = 332;
constexpr int kElemSetupTime = 333;
constexpr int kElemAssemSetupType = 3304;

struct FixtureState {
    int active = 0;  // feature id of the active fixture, 0 for none
};
inline FixtureState& fixtureState(Model& model) {
    return model.content<FixtureState>();
}

// The component ids of a fixture's tree (the last 332), in element order.
std::vector<int> fixtureComponents(const TreeNode& tree);

}  // namespace simhost::state
