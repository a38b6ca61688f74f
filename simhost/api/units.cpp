// Principal unit systems of models.
#include <ProMdlUnits.h>

#include <algorithm>
#include <string>
#include <vector>

#include "simhost/api/model_args.h"
#include "simhost/core/entry.h"
#include "simhost/core/wide.h"
#include "simhost/state/models.h"

using namespace simhost::core;
using namespace simhost::state;
using simhost::api::handleArg;
using simhost::api::modelOf;
using simhost::api::wideArg;
using simhost::api::wideText;

namespace {

// The unit-system record holds a name of at most 31 characters; a longer host name
// ("Inch lbm Second (Creo Elements/Pro Stand.)") travels cut to that length.
bool sameSystem(const std::string& system, const std::string& given) {
    return system == given ||
           (given.size() == PRO_NAME_SIZE - 1 && system.compare(0, PRO_NAME_SIZE - 1, given) == 0);
}

// The full name of the unit system the model knows by `given`: a standard one or one of
// its own; empty when unknown.
std::string knownSystem(const Model& model, const std::string& given) {
    std::vector<std::string> candidates = standardUnitSystems();
    candidates.push_back(model.unitSystem);
    candidates.insert(candidates.end(), model.customUnitSystems.begin(),
                      model.customUnitSystems.end());
    for (const auto& system : candidates) {
        if (sameSystem(system, given)) {
            return system;
        }
    }
    return std::string();
}

bool isStandard(const std::string& name) {
    const auto& standard = standardUnitSystems();
    return std::find(standard.begin(), standard.end(), name) != standard.end();
}

}  // namespace

extern "C" {

ProError ProMdlPrincipalunitsystemGet(ProMdl mdl, ProUnitsystem* principal_system) try {
    SIMHOST_ENTER("ProMdlPrincipalunitsystemGet", handleArg(mdl));
    SIMHOST_SESSION(s);
    Model* m = modelOf(s, mdl);
    if (m == nullptr || principal_system == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    if (m->type == kDrawing || m->type == kDrawingFormat) {
        return PRO_TK_BAD_CONTEXT;
    }
    principal_system->owner = mdl;
    copyWide(principal_system->name, PRO_NAME_SIZE, widen(m->unitSystem));
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProMdlPrincipalunitsystemSet(ProMdl mdl, ProUnitsystem* new_system,
                                      ProUnitConvertType type, ProBoolean ignore_param_units,
                                      int regeneration_flags) try {
    SIMHOST_ENTER("ProMdlPrincipalunitsystemSet", handleArg(mdl),
                  new_system == nullptr ? std::string() : wideArg(new_system->name, PRO_NAME_SIZE),
                  std::to_string(type));
    SIMHOST_SESSION(s);
    (void)ignore_param_units;
    (void)regeneration_flags;
    Model* m = modelOf(s, mdl);
    std::string name;
    if (m == nullptr || new_system == nullptr || modelOf(s, new_system->owner) == nullptr ||
        !wideText(new_system->name, PRO_NAME_SIZE, name) ||
        (type != PRO_UNITCONVERT_SAME_DIMS && type != PRO_UNITCONVERT_SAME_SIZE)) {
        return PRO_TK_BAD_INPUTS;
    }
    if (m->type == kDrawing || m->type == kDrawingFormat) {
        return PRO_TK_BAD_CONTEXT;
    }
    std::string system = knownSystem(*m, name);
    if (system.empty()) {
        return PRO_TK_E_NOT_FOUND;
    }
    if (system != m->unitSystem) {
        auto& custom = m->customUnitSystems;
        if (!isStandard(m->unitSystem) &&
            std::find(custom.begin(), custom.end(), m->unitSystem) == custom.end()) {
            // A custom principal system stays known to the model after a change.
            custom.push_back(m->unitSystem);
        }
        m->unitSystem = system;
        m->touch();
    }
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

}  // extern "C"
