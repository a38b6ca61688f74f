// Helpers of the feature tests: parts, elements, feature trees and features made through
// toolkit calls.
#pragma once

#include <ProArray.h>
#include <ProElement.h>
#include <ProElempath.h>
#include <ProFeature.h>
#include <ProMdl.h>
#include <ProSelection.h>
#include <ProSolid.h>
#include <ProValue.h>

#include <string>
#include <vector>

#include "model_helpers.h"

namespace featuretest {

constexpr int kTree = 386;
constexpr int kType = 387;
constexpr int kName = 1964;
constexpr int kRef = 500;  // an element holding a reference to another item

inline ProSolid part(const std::wstring& name) {
    return static_cast<ProSolid>(modeltest::create(name));
}

inline ProElement intElem(int id, int value) {
    ProElement e = nullptr;
    ProElementAlloc(id, &e);
    ProElementIntegerSet(e, value);
    return e;
}

inline ProElement textElem(int id, const std::wstring& text) {
    ProElement e = nullptr;
    ProElementAlloc(id, &e);
    std::wstring copy = text;
    ProElementWstringSet(e, copy.data());
    return e;
}

inline void addInt(ProElement tree, int id, int value) {
    ProElemtreeElementAdd(tree, nullptr, intElem(id, value));
}

inline void addText(ProElement tree, int id, const std::wstring& text) {
    ProElemtreeElementAdd(tree, nullptr, textElem(id, text));
}

// An element `id` holding a selection of an item of `owner`.
inline ProElement selectionElem(int id, ProSolid owner, ProType type, int itemId) {
    ProModelitem item{type, itemId, owner};
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
    ProElementAlloc(id, &e);
    ProElementValueSet(e, value);
    return e;
}

// A reference to an item of `owner` held as a selection.
inline void addRef(ProElement tree, ProSolid owner, ProType type, int id) {
    ProElemtreeElementAdd(tree, nullptr, selectionElem(kRef, owner, type, id));
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

// A feature that refers to feature `parent` of the same solid.
inline int makeChild(ProSolid solid, int parent, const std::wstring& name = L"") {
    return make(solid, 917, name, [&](ProElement t) { addRef(t, solid, PRO_FEATURE, parent); });
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

inline std::vector<int> idsOf(ProSolid solid) {
    std::vector<int> ids;
    for (const auto& entry : statuses(solid)) {
        ids.push_back(entry.first);
    }
    return ids;
}

// The ids ProFeatureParentsGet or ProFeatureChildrenGet gives for feature `id`.
inline std::vector<int> linked(ProError (*get)(ProFeature*, int**, int*), ProSolid solid, int id) {
    ProFeature f = feature(solid, id);
    int* ids = nullptr;
    int n = -1;
    EXPECT_EQ(get(&f, &ids, &n), PRO_TK_NO_ERROR);
    std::vector<int> out(ids, ids + (n > 0 ? n : 0));
    ProArrayFree(reinterpret_cast<ProArray*>(&ids));
    return out;
}

// ProFeatureElemValueGet of the element `elemId` below the root; fills `data`.
inline ProError elemValue(ProFeature f, int elemId, ProValueData* data) {
    ProElempath path = nullptr;
    ProElempathAlloc(&path);
    ProElempathItem step{PRO_ELEM_PATH_ITEM_TYPE_ID, {elemId}};
    ProElempathDataSet(path, &step, 1);
    ProValue value = nullptr;
    ProError rc = ProFeatureElemValueGet(&f, path, &value);
    ProElempathFree(&path);
    if (rc == PRO_TK_NO_ERROR) {
        ProValueDataGet(value, data);
        ProValueFree(value);
    }
    return rc;
}

}  // namespace featuretest
