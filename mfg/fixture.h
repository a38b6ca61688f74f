// What the fixture operations share: the elements of a fixture's tree and the host ids
// of the listed components.
#pragma once

#include <ProMfg.h>

#include <vector>

namespace Ardo {

class CompPath;

namespace fixture {

constexpr int kElemRoot = 386;
constexpr int kElemFeatureType = 387;
constexpr int kElemSetupType = PRO_E_ASSEM_SETUP_TYPE;
constexpr int kElemName = 151;
constexpr int kElemSetupTime = PRO_E_SETUP_TIME;
constexpr int kElemOperation = 208;
constexpr int kElemComponents = PRO_E_FIXT_COMPONENTS;

// The host takes a fixture's components by their top-level component: the first id of
// each path, whatever its depth.
std::vector<int> topLevelIds(const std::vector<CompPath>& paths);

}  // namespace fixture
}  // namespace Ardo
