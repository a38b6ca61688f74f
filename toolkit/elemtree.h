// Building and reading element trees. Every failing toolkit call raises
// ardotk::Error(code, "") (callers that name themselves catch and translate).
#pragma once

#include <ProElement.h>

#include <initializer_list>
#include <vector>

#include "toolkit/owned.h"

namespace ardotk {

// An element that is not part of a tree (a root, or one about to be added).
using ElemTree = Owned<ProElement, ProElementFree>;
// A value that no element holds yet.
using ValueOwner = Owned<ProValue, ProValueFree>;
using ElempathOwner = Owned<ProElempath, ProElempathFree>;

// ProElementAlloc.
ElemTree ElementAlloc(ProElemId id);
// An element with one value: ProElementIntegerSet, ProElementDoubleSet,
// ProElementWstringSet, ProElementSpecialvalueSet.
ElemTree ElementInteger(ProElemId id, int value);
ElemTree ElementDouble(ProElemId id, double value);
ElemTree ElementWstring(ProElemId id, const wchar_t* value);
ElemTree ElementSpecial(ProElemId id, void* value);
// ProValueAlloc, ProValueDataSet and ProElementValueSet; the element holds a copy of the
// selection, which stays the caller's.
ElemTree ElementSelection(ProElemId id, ProSelection selection);
// A multi-valued element of integers: one value each, ProElementValuesSet.
ElemTree ElementIntegers(ProElemId id, const std::vector<int>& values);

// ProElemtreeElementAdd of `child` as the last child of `parent`; the tree takes it.
// Returns the child, now owned by the tree.
ProElement ElementAdd(ProElement parent, ElemTree child);

// A path of element ids from a tree's root (ProElempathAlloc, ProElempathDataSet).
ElempathOwner ElempathOfIds(std::initializer_list<int> ids);
// ProElemtreeElementGet of the element at the ids below `tree`; the tree's own element.
ProElement ElementGet(ProElement tree, std::initializer_list<int> ids);
// The same, or null when the tree has no such element (PRO_TK_E_NOT_FOUND).
ProElement ElementFind(ProElement tree, std::initializer_list<int> ids);

}  // namespace ardotk
