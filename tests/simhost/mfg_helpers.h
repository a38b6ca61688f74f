// Helpers of the manufacturing tests: loading manufacturing models, element paths into
// feature trees, and tool handles.
#pragma once

#include <ProElement.h>
#include <ProElempath.h>
#include <ProFeature.h>
#include <ProMdl.h>
#include <ProMfg.h>
#include <ProTool.h>
#include <ProValue.h>

#include <cwchar>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "feature_helpers.h"

namespace mfgtest {

using featuretest::intElem;
using featuretest::textElem;
using modeltest::load;

// A path of steps: non-negative numbers are element ids, negative ones -(index + 1).
inline ProElement at(ProElement tree, const std::vector<int>& steps) {
    std::vector<ProElempathItem> items;
    for (int step : steps) {
        ProElempathItem item{};
        item.type = step >= 0 ? PRO_ELEM_PATH_ITEM_TYPE_ID : PRO_ELEM_PATH_ITEM_TYPE_INDEX;
        item.path_item.elem_id = step >= 0 ? step : -step - 1;
        items.push_back(item);
    }
    ProElempath path = nullptr;
    ProElempathAlloc(&path);
    ProElempathDataSet(path, items.data(), static_cast<int>(items.size()));
    ProElement elem = nullptr;
    ProError rc = ProElemtreeElementGet(tree, path, &elem);
    ProElempathFree(&path);
    return rc == PRO_TK_NO_ERROR ? elem : nullptr;
}

inline int intOf(ProElement elem) {
    ProValue value = nullptr;
    ProValueData data{};
    if (elem == nullptr || ProElementValueGet(elem, &value) != PRO_TK_NO_ERROR ||
        ProValueDataGet(value, &data) != PRO_TK_NO_ERROR || data.type != PRO_VALUE_TYPE_INT) {
        return -9999;
    }
    return data.v.i;
}

inline std::wstring textOf(ProElement elem) {
    ProValue value = nullptr;
    ProValueData data{};
    if (elem == nullptr || ProElementValueGet(elem, &value) != PRO_TK_NO_ERROR ||
        ProValueDataGet(value, &data) != PRO_TK_NO_ERROR || data.type != PRO_VALUE_TYPE_WSTRING ||
        data.v.w == nullptr) {
        return L"<none>";
    }
    return data.v.w;
}

inline ProElement tree(ProMdl model, int featureId) {
    ProFeature feature{PRO_FEATURE, featureId, model};
    ProElement out = nullptr;
    return ProFeatureElemtreeCreate(&feature, &out) == PRO_TK_NO_ERROR ? out : nullptr;
}

inline ProTool tool(ProMdl mfg, const std::wstring& id) {
    ProTool out{};
    std::wcsncpy(out.tool_id, id.c_str(), PRO_LINE_SIZE - 1);
    out.owner_mfg = static_cast<ProMfg>(mfg);
    return out;
}

// The type, a parameter and the model of an existing tool.
inline ProToolType typeOf(ProTool t) {
    ProToolType type = PRO_TOOL_NONE;
    EXPECT_EQ(ProToolTypeGet(&t, &type), PRO_TK_NO_ERROR);
    return type;
}

inline ProParamvalue paramOf(ProTool t, const char* name) {
    ProParamvalue value{};
    EXPECT_EQ(ProToolParamGet(&t, name, &value), PRO_TK_NO_ERROR) << name;
    return value;
}

inline std::pair<std::wstring, ProMdlType> modelOf(ProTool t) {
    ProFamilyName name{};
    ProMdlType type = PRO_MDL_UNUSED;
    EXPECT_EQ(ProToolModelGet(&t, name, &type), PRO_TK_NO_ERROR);
    return {name, type};
}

// A tool-table entry (494) of (key, value) pairs (495 of key 496 and value 497).
inline ProElement row(std::initializer_list<std::pair<int, ProElement>> pairs) {
    ProElement out = nullptr;
    ProElementAlloc(494, &out);
    for (const auto& p : pairs) {
        ProElement pair = nullptr;
        ProElementAlloc(495, &pair);
        ProElemtreeElementAdd(pair, nullptr, intElem(496, p.first));
        ProElemtreeElementAdd(pair, nullptr, p.second);
        ProElemtreeElementAdd(out, nullptr, pair);
    }
    return out;
}

// A tool-table entry of position and tool id.
inline ProElement entry(int position, const std::wstring& toolId) {
    return row({{1, intElem(497, position)}, {2, textElem(497, toolId)}});
}

}  // namespace mfgtest
