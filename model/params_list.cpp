// Listing the parameters of a model or feature into the model's parameter list.
#include <ProParameter.h>

#include <algorithm>
#include <string>

#include "base/subscript.h"
#include "base/text.h"
#include "kelt2proe/error.h"
#include "model/param_value.h"
#include "model/solid.h"
#include "toolkit/parameter.h"

namespace Ardo {

namespace {

constexpr const char* kListText = "Ardo::Solid::ParamList";

}  // namespace

int Solid::ParamList(const char* pattern) {
    requireHandle(kListText);
    paramList.clear();
    ProModelitem owner = modelOwner(kListText);
    ardotk::ParameterVisit(owner, pattern, paramList);
    return static_cast<int>(paramList.size());
}

int Solid::ParamList(const char* feature, const char* pattern) {
    requireHandle(kListText);
    paramList.clear();
    ProModelitem owner = featureOwner(feature);
    ardotk::ParameterVisit(owner, pattern, paramList);
    return static_cast<int>(paramList.size());
}

// The entry's current value, read from the host, under the entry's name.
kelt2pParamValue Solid::ParamListAt(int index) {
    requireHandle("Ardo::Solid::ParamListAt");
    ProParameter& param = checkedAt(paramList, index);
    ProParamvalue value{};
    check(ProParameterValueGet(&param, &value), "Ardo::kelt2pMdl::ParamListAt");
    ProName wide = {};
    std::copy(param.id, param.id + PRO_NAME_SIZE - 1, wide);
    std::string name = text::toNarrow(wide);
    return paramvalue::fromHost(name.c_str(), value);
}

}  // namespace Ardo
