// The models a model needs: the models of an assembly's components.
#include <ProMdl.h>

#include <vector>

#include "simhost/api/model_args.h"
#include "simhost/core/arrays.h"
#include "simhost/core/entry.h"
#include "simhost/core/wide.h"
#include "simhost/state/components.h"

using namespace simhost::core;
using namespace simhost::state;
using simhost::api::handleArg;
using simhost::api::modelOf;

extern "C" {

ProError ProMdlDependenciesList(ProMdl model, ProModel** p_dependencies, int* p_count) try {
    SIMHOST_ENTER("ProMdlDependenciesList", handleArg(model));
    SIMHOST_SESSION(s);
    Model* m = modelOf(s, model);
    if (m == nullptr || p_dependencies == nullptr || p_count == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    // From the component records: a model not in session is still named.
    std::vector<ProModel> list;
    for (const ComponentModelName& used : componentModelNames(*m)) {
        ProModel entry{};
        copyWide(entry.name, sizeof entry.name / sizeof entry.name[0], widen(used.name));
        copyWide(entry.type, sizeof entry.type / sizeof entry.type[0],
                 widen(modelTypeText(used.type)));
        list.push_back(entry);
    }
    *p_dependencies = arrayOf(list.data(), static_cast<int>(list.size()));
    *p_count = static_cast<int>(list.size());
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

}  // extern "C"
