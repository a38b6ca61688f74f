// Reading single elements of features and element trees, and the members of array and
// multi-valued elements. Failures raise ardotk::Error(host code, "").
#pragma once

#include <ProElement.h>
#include <ProFeature.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "toolkit/elemtree.h"

namespace ardotk {

// ProFeatureElemValueGet of the element `elemId` below the feature's root; the value is
// the caller's.
ValueOwner FeatureElemValueGet(ProFeature& feature, int elemId);

// ProValueDataGet. Texts point into the value.
ProValueData ValueDataGet(ProValue value);

// The value of an element (ProElementValueGet, ProValueDataGet); the element's own.
ProValueData ElementValueData(ProElement element);

// Typed reads of a value record; a record of another type raises
// ardotk::Error(PRO_TK_INVALID_TYPE, "").
int ValueInt(const ProValueData& data);
double ValueDouble(const ProValueData& data);
std::wstring ValueWstring(const ProValueData& data);

// By feature: the integer / wide text of element `elemId` of the feature.
int FeatureElemInt(ProFeature& feature, int elemId);
std::wstring FeatureElemWstring(ProFeature& feature, int elemId);

// From a tree: the integer / double / wide text of the element at `ids` below `tree`.
int ElemtreeInt(ProElement tree, std::initializer_list<int> ids);
std::wstring ElemtreeWstring(ProElement tree, std::initializer_list<int> ids);

// ProElementIsArray / ProElementIsMultival of `element` itself.
bool ElementIsArray(ProElement element);
bool ElementIsMultival(ProElement element);
// ProElementArrayGet / ProElementArrayCount of the array element `element`; the
// members are the tree's own.
std::vector<ProElement> ElementArrayGet(ProElement element);
int ElementArrayCount(ProElement element);
// ProElementValuesGet of a multi-valued element: the wide texts of its values.
std::vector<std::wstring> ElementWstrings(ProElement element);
// ProElementValuesGet of a multi-valued element: the integers of its values.
std::vector<int> ElementInts(ProElement element);

}  // namespace ardotk
