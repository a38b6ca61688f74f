// The process-wide fixture component list: the components that the next FixtureCreate or
// FixtureAdd hands to the host, or that FixtureCompList read.
#include "base/subscript.h"
#include "feature/comp_path.h"
#include "mfg/mfg.h"
#include "mfg/mfg_lists.h"

namespace Ardo {

int Mfg::FixtureCompAdd(const CompPath& path) {
    std::vector<CompPath>& list = mfglists::fixtureComponents();
    list.push_back(path);
    return static_cast<int>(list.size());
}

int Mfg::FixtureCompsListSize() {
    return static_cast<int>(mfglists::fixtureComponents().size());
}

CompPath Mfg::FixtureCompsListAt(int i) {
    return checkedAt(mfglists::fixtureComponents(), i);
}

void Mfg::FixtureCompsListClear() {
    mfglists::fixtureComponents().clear();
}

}  // namespace Ardo
