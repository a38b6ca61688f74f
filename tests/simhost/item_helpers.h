// Helpers of the parameter, dimension and relation tests: owner items, parameter values
// and parts with features loaded from hand-written model files.
#pragma once

#include <ProFeature.h>
#include <ProMdl.h>
#include <ProParameter.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cwchar>
#include <string>

#include "model_helpers.h"

namespace itemtest {

inline ProModelitem modelItem(ProMdl model) {
    ProModelitem item{};
    EXPECT_EQ(ProMdlToModelitem(model, &item), PRO_TK_NO_ERROR);
    return item;
}

inline ProFeature featureItem(ProMdl model, int id) {
    ProFeature feature{};
    EXPECT_EQ(ProFeatureInit(static_cast<ProSolid>(model), id, &feature), PRO_TK_NO_ERROR);
    return feature;
}

inline ProParamvalue doubleValue(double d) {
    ProParamvalue v{};
    v.type = PRO_PARAM_DOUBLE;
    v.value.d_val = d;
    return v;
}

inline ProParamvalue intValue(int i) {
    ProParamvalue v{};
    v.type = PRO_PARAM_INTEGER;
    v.value.i_val = i;
    return v;
}

inline ProParamvalue textValue(const std::wstring& text) {
    ProParamvalue v{};
    v.type = PRO_PARAM_STRING;
    std::wcsncpy(v.value.s_val, text.c_str(), PRO_LINE_SIZE - 1);
    return v;
}

inline ProError create(ProModelitem owner, const std::wstring& name, ProParamvalue value,
                       ProParameter* out = nullptr) {
    modeltest::Name n(name);
    ProParameter param{};
    return ProParameterCreate(&owner, n.text, &value, out != nullptr ? out : &param);
}

inline ProError init(ProModelitem owner, const std::wstring& name, ProParameter* out) {
    modeltest::Name n(name);
    return ProParameterInit(&owner, n.text, out);
}

// The value of the parameter `name` of `owner`, which must exist.
inline ProParamvalue valueOf(ProModelitem owner, const std::wstring& name) {
    ProParameter param{};
    ProParamvalue value{};
    EXPECT_EQ(init(owner, name, &param), PRO_TK_NO_ERROR) << name;
    EXPECT_EQ(ProParameterValueGet(&param, &value), PRO_TK_NO_ERROR) << name;
    return value;
}

// A part with features 1 ("BASE") and 2 ("HOLE") and the given further sections,
// loaded into session. `sections` is JSON text without the braces (may be empty).
inline ProMdl loadPart(const std::string& name, const std::string& sections,
                       const std::string& directory) {
    std::string text = R"({"features": [{"id": 1, "type": 917, "name": "BASE"},)"
                       R"( {"id": 2, "type": 917, "name": "HOLE"}])";
    if (!sections.empty()) {
        text += ", " + sections;
    }
    text += "}";
    FILE* f = std::fopen((directory + "/" + name + ".prt").c_str(), "wb");
    std::fputs(text.c_str(), f);
    std::fclose(f);
    ProMdl model = nullptr;
    EXPECT_EQ(modeltest::load(name, PRO_MDL_PART, &model), PRO_TK_NO_ERROR);
    return model;
}

inline ProError deleteFeature(ProMdl model, int id) {
    int ids[] = {id};
    return ProFeatureDelete(static_cast<ProSolid>(model), ids, 1, nullptr, 0);
}

}  // namespace itemtest
