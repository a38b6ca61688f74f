// The active fixture of a manufacturing model.
#include <ProMfg.h>

#include <string>

#include "simhost/api/feature_args.h"
#include "simhost/api/tool_args.h"
#include "simhost/core/entry.h"
#include "simhost/state/fixtures.h"

using namespace simhost::core;
using namespace simhost::state;
using simhost::api::handleArg;
using simhost::api::mfgOf;

extern "C" {

ProError ProMfgFixtActivate(const ProMfg mfg, ProConstFixturePtr fixture) try {
    SIMHOST_ENTER("ProMfgFixtActivate", handleArg(mfg),
                  fixture != nullptr ? std::to_string(fixture->id) : std::string("null"));
    SIMHOST_SESSION(s);
    Model* m = nullptr;
    if (fixture == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    if (ProError rc = mfgOf(s, mfg, m)) {
        return rc;
    }
    if (fixture->type != PRO_FEATURE || simhost::api::modelOf(s, fixture->owner) != m) {
        return PRO_TK_BAD_INPUTS;
    }
    const Feature* feature = featureFind(*m, fixture->id);
    if (feature == nullptr) {
        return PRO_TK_E_NOT_FOUND;
    }
    if (feature->type != kFeatFixture) {
        return PRO_TK_BAD_INPUTS;
    }
    if (fixtureState(*m).active != feature->id) {
        fixtureState(*m).active = feature->id;
        m->touch();
    }
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

}  // extern "C"
