// Reading, deleting and describing parameters of a model or of one of its features.
#include <string>
#include <vector>

#include "base/length_check.h"
#include "base/text.h"
#include "kelt2proe/error.h"
#include "model/model_texts.h"
#include "model/param_value.h"
#include "model/solid.h"
#include "toolkit/parameter.h"

namespace Ardo {

namespace {

constexpr const char* kExistText = "Ardo::Solid::ParamExist";
constexpr const char* kGetText = "Ardo::Solid::ParamGet";
constexpr const char* kGetNameText = "Ardo::kelt2pMdl::ParamGet";
constexpr const char* kDeleteText = "Ardo::Solid::ParamDelete";
constexpr const char* kDescriptionText = "Ardo::Solid::ParamDescription";
constexpr const char* kDescriptionSetText = "Ardo::Solid::ParamDescriptionSet";

struct WideName {
    explicit WideName(const char* name) { text::widenBounded(wide, name); }
    ProName wide;
};

bool exists(ProModelitem& owner, const char* name) {
    WideName wide(name);
    ProParameter param{};
    return ardotk::ParameterFind(owner, wide.wide, param);
}

kelt2pParamValue readValue(ProModelitem& owner, const char* name) {
    WideName wide(name);
    ProParameter param = ardotk::ParameterInit(owner, wide.wide);
    return paramvalue::fromHost(name, ardotk::ParameterValueGet(param));
}

void eraseParam(ProModelitem& owner, const char* name) {
    WideName wide(name);
    ProParameter param = ardotk::ParameterInit(owner, wide.wide);
    ardotk::ParameterDelete(param);
}

std::string describe(ProModelitem& owner, const char* name) {
    WideName wide(name);
    ProParameter param = ardotk::ParameterInit(owner, wide.wide);
    return ardotk::ParameterDescriptionGet(param);
}

void describeAs(ProModelitem& owner, const char* name, const char* description) {
    WideName wide(name);
    ProParameter param = ardotk::ParameterInit(owner, wide.wide);
    const char* narrow = description == nullptr ? "" : description;
    std::vector<wchar_t> text(std::char_traits<char>::length(narrow) + 1, L'\0');
    text::toWide(text.data(), narrow);
    ardotk::ParameterDescriptionSet(param, text.data());
}

}  // namespace

bool Solid::ParamExist(const char* paramName) {
    requireHandle(kExistText);
    ProModelitem owner = modelOwner(kExistText);
    return exists(owner, paramName);
}

bool Solid::ParamExist(const char* feature, const char* paramName) {
    requireHandle(kExistText);
    ProModelitem owner = featureOwner(feature);
    return exists(owner, paramName);
}

// The name is checked before anything else, under the application's operation name.
kelt2pParamValue Solid::ParamGet(const char* paramName) {
    refuseLongerThan(paramName, text::kNameSize - 1, PRO_TK_LINE_TOO_LONG, kGetNameText);
    requireHandle(kGetText);
    ProModelitem owner = modelOwner(kGetText);
    return readValue(owner, paramName);
}

kelt2pParamValue Solid::ParamGet(const char* feature, const char* paramName) {
    refuseLongerThan(paramName, text::kNameSize - 1, PRO_TK_LINE_TOO_LONG, kGetNameText);
    requireHandle(kGetText);
    ProModelitem owner = featureOwner(feature);
    return readValue(owner, paramName);
}

void Solid::ParamDelete(const char* paramName) {
    requireHandle(kDeleteText);
    ProModelitem owner = modelOwner(kDeleteText);
    eraseParam(owner, paramName);
}

void Solid::ParamDelete(int featureId, const char* paramName) {
    requireHandle(kDeleteText);
    ProModelitem owner = featureOwnerById(featureId);
    eraseParam(owner, paramName);
}

const char* Solid::ParamDescription(const char* paramName) {
    requireHandle(kDescriptionText);
    ProModelitem owner = descriptionOwner();
    return modeltexts::keepModelParamDescription(describe(owner, paramName));
}

const char* Solid::ParamDescription(const char* feature, const char* paramName) {
    requireHandle(kDescriptionText);
    ProModelitem owner = featureOwner(feature);
    return modeltexts::keepFeatureParamDescription(describe(owner, paramName));
}

void Solid::ParamDescriptionSet(const char* paramName, const char* text) {
    requireHandle(kDescriptionSetText);
    ProModelitem owner = descriptionOwner();
    describeAs(owner, paramName, text);
}

void Solid::ParamDescriptionSet(const char* feature, const char* paramName, const char* text) {
    requireHandle(kDescriptionSetText);
    ProModelitem owner = featureOwner(feature);
    describeAs(owner, paramName, text);
}

}  // namespace Ardo
