// Helpers of the feature tests: parts, feature trees and features made through toolkit
// calls.
#pragma once

#include <ProArray.h>
#include <ProElement.h>
#include <ProFeature.h>
#include <ProMdl.h>
#include <ProSelection.h>
#include <ProSolid.h>
#include <ProValue.h>

#include <cwchar>
#include <string>
#include <vector>

namespace featuretest {

constexpr int kTree = 386;
constexpr int kType = 387;
constexpr int kName = 1964;
constexpr int kRef = 500;  // an element holding a reference to another item

inline ProSolid part(const std::wstring& name) {
    ProName text{};
    std::wcsncpy(text, name.c_str(), PRO_NAME_SIZE - 1);
    ProSolid solid = nullptr;
    return ProSolidCreate(text, PRO_PART, &solid) == PRO_TK_NO_ERROR ? solid : nullptr;
}

inline void addInt(ProElement tree, int id, int value) {
    ProElement e = nullptr;
    ProElementAlloc(id, &e);
    ProElementIntegerSet(e, value);
    ProElemtreeElementAdd(tree, nullptr, e);
}

inline void addText(ProElement tree, int id, const std::wstring& text) {
    ProElement e = nullptr;
    ProElementAlloc(id, &e);
    std::wstring copy = text;
    ProElementWstringSet(e, copy.data());
    ProElemtreeElementAdd(tree, nullptr, e);
}

// A reference to an item of `owner` held as a selection.
inline void addRef(ProElement tree, ProSolid owner, ProType type, int id) {
    ProModelitem item{type, id, owner};
    ProSelection selection = nullptr;
    ProSelectionAlloc(nullptr, &item, &selection);
    ProValueData data{};
    data.type = PRO_VALUE_TYPE_SELECTION;
    data.v.r = selection;
    ProValue value = nullptr;
    ProValueAlloc(&value);
    ProValueDataSet(value, &data);
    ProSelectionFree(&selection);
    ProElement e = nullptr;
    ProElementAlloc(kRef, &e);
    ProElementValueSet(e, value);
    ProElemtreeElementAdd(tree, nullptr, e);
}

// A feature tree of that type and, when not empty, name.
inline ProElement tree(int type, const std::wstring& name = L"") {
    ProElement root = nullptr;
    ProElementAlloc(kTree, &root);
    addInt(root, kType, type);
    if (!name.empty()) {
        addText(root, kName, name);
    }
    return root;
}

inline ProError create(ProSolid solid, ProElement elemtree, ProFeature* out,
                       ProErrorlist* errors = nullptr) {
    ProModelitem item{};
    ProMdlToModelitem(solid, &item);
    ProSelection selection = nullptr;
    ProSelectionAlloc(nullptr, &item, &selection);
    ProFeatureCreateOptions options[] = {PRO_FEAT_CR_DEFINE_MISS_ELEMS};
    ProErrorlist local{};
    ProError rc =
        ProFeatureCreate(selection, elemtree, options, 1, out, errors != nullptr ? errors : &local);
    ProSelectionFree(&selection);
    return rc;
}

// Creates a feature from a tree built by `build` (after type and name) and frees the
// tree; returns the id, or 0.
template <typename Build>
int make(ProSolid solid, int type, const std::wstring& name, Build&& build) {
    ProElement t = tree(type, name);
    build(t);
    ProFeature feature{};
    ProError rc = create(solid, t, &feature);
    ProElementFree(&t);
    return rc == PRO_TK_NO_ERROR ? feature.id : 0;
}

inline int make(ProSolid solid, int type, const std::wstring& name = L"") {
    return make(solid, type, name, [](ProElement) {});
}

inline ProFeature feature(ProSolid solid, int id) {
    return ProFeature{PRO_FEATURE, id, solid};
}

// All feature ids and statuses in regeneration order.
inline std::vector<std::pair<int, int>> statuses(ProSolid solid) {
    int* ids = nullptr;
    ProFeatStatus* st = nullptr;
    int n = -1;
    std::vector<std::pair<int, int>> out;
    if (ProSolidFeatstatusGet(solid, &ids, &st, &n) != PRO_TK_NO_ERROR) {
        return out;
    }
    for (int i = 0; i < n; ++i) {
        out.emplace_back(ids[i], st[i]);
    }
    ProArrayFree(reinterpret_cast<ProArray*>(&ids));
    ProArrayFree(reinterpret_cast<ProArray*>(&st));
    return out;
}

}  // namespace featuretest
