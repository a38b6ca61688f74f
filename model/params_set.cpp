// Writing parameter values: the typed forms and the record forms.
#include <ProParamval.h>

#include <algorithm>
#include <string>

#include "base/length_check.h"
#include "base/text.h"
#include "kelt2proe/error.h"
#include "model/param_value.h"
#include "model/solid.h"
#include "toolkit/parameter.h"

namespace Ardo {

namespace {

constexpr const char* kSetText = "Ardo::Solid::ParamSet";

// A text value is refused, before anything else and under the application's operation
// name, when its name or text does not fit its host buffer.
void refuseLongTextValue(const char* paramName, const char* value) {
    constexpr const char* kSetTextValueText = "Ardo::kelt2pMdl::ParamSet";
    refuseLongerThan(paramName, text::kNameSize - 1, PRO_TK_LINE_TOO_LONG, kSetTextValueText);
    refuseLongerThan(value, text::kLineSize - 1, PRO_TK_LINE_TOO_LONG, kSetTextValueText);
}

ProParamvalue doubleValue(double value) {
    ProParamvalue out{};
    out.type = PRO_PARAM_DOUBLE;
    out.value.d_val = value;
    return out;
}

ProParamvalue intValue(int value) {
    ProParamvalue out{};
    out.type = PRO_PARAM_INTEGER;
    out.value.i_val = value;
    return out;
}

ProParamvalue textValue(const char* value) {
    ProParamvalue out{};
    out.type = PRO_PARAM_STRING;
    text::widenBounded(out.value.s_val, value);
    return out;
}

// A record whose tag names no host type is refused rather than sent unset.
ProParamvalue recordValue(const kelt2pParamValue& record) {
    ProParamvalue out{};
    if (!paramvalue::toHost(record, out)) {
        throw Error(PRO_TK_BAD_INPUTS, kSetText);
    }
    return out;
}

// The record's name; its field need not hold a terminator.
std::string recordName(const kelt2pParamValue& record) {
    const char* end = std::find(record.name, record.name + sizeof record.name - 1, '\0');
    return std::string(record.name, end);
}

// Runs `write`, reporting a wrapper failure as Ardo::Error with the same code and text.
template <typename Write>
void asLibraryError(Write&& write) {
    try {
        write();
    } catch (const ardotk::Error& e) {
        throw Error(e.code, e.text);
    }
}

}  // namespace

// A missing parameter is created with the value's type and then set like any other. A
// lookup failure other than "not found" is raised rather than written over.
void Solid::paramWrite(ProModelitem& owner, const char* paramName, ProParamvalue& value) {
    ProName name;
    text::widenBounded(name, paramName);
    ProParameter param{};
    if (!ardotk::ParameterFind(owner, name, param)) {
        param = ardotk::ParameterCreate(owner, name, value);
    }
    ardotk::ParameterValueSet(param, value);
}

void Solid::ParamSet(const kelt2pParamValue& record) {
    requireHandle(kSetText);
    ProParamvalue value = recordValue(record);
    ProModelitem owner = modelOwner(kSetText);
    paramWrite(owner, recordName(record).c_str(), value);
}

void Solid::ParamSet(const char* feature, const kelt2pParamValue& record) {
    requireHandle(kSetText);
    ProParamvalue value = recordValue(record);
    ProModelitem owner = featureOwner(feature);
    paramWrite(owner, recordName(record).c_str(), value);
}

void Solid::ParamSet(const char* paramName, double value) {
    requireHandle(kSetText);
    ProParamvalue host = doubleValue(value);
    ProModelitem owner = modelOwner(kSetText);
    paramWrite(owner, paramName, host);
}

void Solid::ParamSet(const char* feature, const char* paramName, double value) {
    requireHandle(kSetText);
    ProParamvalue host = doubleValue(value);
    ProModelitem owner = featureOwner(feature);
    paramWrite(owner, paramName, host);
}

void Solid::ParamSet(const char* paramName, int value) {
    requireHandle(kSetText);
    ProParamvalue host = intValue(value);
    ProModelitem owner = modelOwner(kSetText);
    paramWrite(owner, paramName, host);
}

void Solid::ParamSet(const char* feature, const char* paramName, int value) {
    requireHandle(kSetText);
    ProParamvalue host = intValue(value);
    asLibraryError([&] {
        ProModelitem owner = featureOwner(feature);
        paramWrite(owner, paramName, host);
    });
}

void Solid::ParamSet(const char* paramName, const char* text) {
    refuseLongTextValue(paramName, text);
    requireHandle(kSetText);
    ProParamvalue host = textValue(text);
    ProModelitem owner = modelOwner(kSetText);
    asLibraryError([&] { paramWrite(owner, paramName, host); });
}

void Solid::ParamSet(const char* feature, const char* paramName, const char* text) {
    refuseLongTextValue(paramName, text);
    requireHandle(kSetText);
    ProParamvalue host = textValue(text);
    asLibraryError([&] {
        ProModelitem owner = featureOwner(feature);
        paramWrite(owner, paramName, host);
    });
}

}  // namespace Ardo
