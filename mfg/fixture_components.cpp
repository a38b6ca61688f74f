// Reading the components of a fixture into the fixture component list, and adding the
// listed components to a fixture.
#include <string>
#include <utility>

#include "feature/comp_path.h"
#include "kelt2proe/error.h"
#include "mfg/fixture.h"
#include "mfg/mfg.h"
#include "mfg/mfg_lists.h"
#include "model/solid.h"
#include "toolkit/elem_value.h"
#include "toolkit/elemtree.h"
#include "toolkit/feature.h"
#include "toolkit/macro.h"

namespace Ardo {

namespace {

// Suspends the host's prompts around the redefinition.
constexpr const wchar_t* kSuspendMacro = L"#SUSPEND ALL;";

// The fixture `fixtureId` of the manufacturing solid; any other feature is refused.
ProFeature fixtureFeature(ProSolid solid, int fixtureId) {
    ProFeature feature{};
    // A feature that does not exist shows in its type, read next.
    (void)ProFeatureInit(solid, fixtureId, &feature);
    if (ardotk::FeatureTypeGet(feature) != PRO_FEAT_FIXTURE) {
        throw ardotk::Error(PRO_TK_NO_ERROR, "wrong feature type");
    }
    return feature;
}

// The fixture's component element; null when it has none.
ProElement componentElement(ProElement tree) {
    return ardotk::ElementFind(tree, {fixture::kElemComponents});
}

// The ids of the fixture's top-level components.
std::vector<int> componentIds(ProElement components) {
    if (components == nullptr || !ardotk::ElementIsMultival(components)) {
        return {};
    }
    return ardotk::ElementInts(components);
}

ProSolid mfgSolid(Mfg& mfg) {
    return static_cast<ProSolid>(mfg.GetMdl().Handle());
}

// One-level paths: the solid as root, each id its only level.
void appendPaths(std::vector<CompPath>& paths, ProSolid solid, const std::vector<int>& ids) {
    for (int id : ids) {
        CompPath path(solid);
        path.Add(id);
        paths.push_back(path);
    }
}

}  // namespace

int Mfg::FixtureCompList(int fixtureId) {
    ProSolid solid = mfgSolid(*this);
    ProFeature feature = fixtureFeature(solid, fixtureId);
    ardotk::ElemTree tree = ardotk::FeatureElemtreeCreate(feature);
    std::vector<CompPath> paths;
    appendPaths(paths, solid, componentIds(componentElement(tree.get())));
    std::vector<CompPath>& list = mfglists::fixtureComponents();
    list = std::move(paths);
    return static_cast<int>(list.size());
}

// The new component element goes after the one the fixture had: the host keeps the last
// one of a redefined tree.
int Mfg::FixtureAdd(int fixtureId) {
    ProSolid solid = mfgSolid(*this);
    ProFeature feature = fixtureFeature(solid, fixtureId);
    ardotk::ElemTree tree = ardotk::FeatureElemtreeCreate(feature);
    std::vector<int> held = componentIds(componentElement(tree.get()));
    const std::vector<CompPath>& listed = mfglists::fixtureComponents();
    std::vector<int> ids = held;
    for (int id : fixture::topLevelIds(listed)) {
        ids.push_back(id);
    }
    ardotk::ElementAdd(tree.get(), ardotk::ElementIntegers(fixture::kElemComponents, ids));

    ardotk::MacroLoad(kSuspendMacro);
    ardotk::FeatureRedefine(feature, tree.get());
    ardotk::MacroLoad(kSuspendMacro);
    ardotk::MacroExecute();

    std::vector<CompPath> paths = listed;
    appendPaths(paths, solid, held);
    mfglists::fixtureComponents() = std::move(paths);
    return static_cast<int>(mfglists::fixtureComponents().size());
}

}  // namespace Ardo
