// Toolkit contract: element trees, the host's description of a feature.
//
// Ownership: an element that is added to a tree belongs to the tree, and a value that
// is set into an element belongs to the element; ProElementFree of a root frees the
// whole tree with its values. Elements and values read from a tree are the tree's own,
// not copies. A NULL or empty ProElempath addresses the `elemtree` argument itself.
#pragma once

#include <ProElempath.h>
#include <ProValue.h>

typedef struct Pro_Elem* ProElement;
typedef int ProElemId;

typedef enum { PRO_ELEMTREE_XML = 1 } ProElemtreeFormat;

typedef ProError (*ProElemtreeVisitFilter)(ProElement elem_tree, ProElement elem,
                                           ProElempath elem_path, ProAppData appdata);
typedef ProError (*ProElemtreeVisitAction)(ProElement elem_tree, ProElement elem,
                                           ProElempath elem_path, ProAppData appdata);

PRO_BEGIN_C_DECLS
PRO_TK_EXPORT ProError ProElementAlloc(ProElemId name_id, ProElement* p_elem);
// Frees an element that is not part of a tree (a root or a removed element) with its
// children and values.
PRO_TK_EXPORT ProError ProElementFree(ProElement* p_elem);
PRO_TK_EXPORT ProError ProElementIdGet(ProElement elem, ProElemId* p_name_id);

// The element takes the value; on failure the caller keeps it.
PRO_TK_EXPORT ProError ProElementValueSet(ProElement elem, ProValue value);
PRO_TK_EXPORT ProError ProElementValueGet(ProElement elem, ProValue* p_value);
// The element takes the values and becomes multi-valued.
PRO_TK_EXPORT ProError ProElementValuesSet(ProElement elem, ProValue values[], int value_num);
// A ProArray of the element's own values; the caller frees the array only.
PRO_TK_EXPORT ProError ProElementValuesGet(ProElement elem, ProValue** p_values);
PRO_TK_EXPORT ProError ProElementIntegerSet(ProElement element, int value);
PRO_TK_EXPORT ProError ProElementDoubleSet(ProElement element, double value);
PRO_TK_EXPORT ProError ProElementWstringSet(ProElement element, wchar_t* value);
PRO_TK_EXPORT ProError ProElementSpecialvalueSet(ProElement element, ProAppData value);

PRO_TK_EXPORT ProError ProElementIsCompound(ProElement elemtree, ProElempath elempath,
                                            ProBoolean* p_is_compound);
PRO_TK_EXPORT ProError ProElementIsArray(ProElement elemtree, ProElempath elempath,
                                         ProBoolean* p_is_array);
PRO_TK_EXPORT ProError ProElementIsMultival(ProElement elemtree, ProElempath elempath,
                                            ProBoolean* p_is_multi_value_elem);
// A ProArray of the tree's own member elements; the caller frees the array only.
PRO_TK_EXPORT ProError ProElementArrayGet(ProElement elemtree, ProElempath elempath,
                                          ProElement** p_array_elems);
PRO_TK_EXPORT ProError ProElementArrayCount(ProElement elemtree, ProElempath elempath,
                                            int* p_array_count);

PRO_TK_EXPORT ProError ProElemtreeElementGet(ProElement elemtree, ProElempath elempath,
                                             ProElement* p_elem);
// Adds `elem` (not part of a tree) as the last child of the element at `elempath`.
PRO_TK_EXPORT ProError ProElemtreeElementAdd(ProElement elemtree, ProElempath elempath,
                                             ProElement elem);
// Takes the element at `elempath` out of the tree; it is the caller's to free.
PRO_TK_EXPORT ProError ProElemtreeElementRemove(ProElement elemtree, ProElempath elempath,
                                                ProElement* p_elem);
// Depth first from the element at `elempath`, parents before children: the filter
// first (may be NULL; PRO_TK_CONTINUE skips the element), then the action.
PRO_TK_EXPORT ProError ProElemtreeElementVisit(ProElement elemtree, ProElempath elempath,
                                               ProElemtreeVisitFilter filterfunc,
                                               ProElemtreeVisitAction visitfunc,
                                               ProAppData appdata);
PRO_TK_EXPORT ProError ProElemtreeWrite(ProElement elemtree, ProElemtreeFormat format,
                                        ProPath output_file);
PRO_END_C_DECLS
