// Element trees. Trees are client objects: no session is needed.
#include <ProElement.h>

#include <cwchar>
#include <filesystem>

#include "simhost/api/element_visit.h"
#include "simhost/core/arrays.h"
#include "simhost/core/entry.h"
#include "simhost/core/wide.h"
#include "simhost/state/elemtree.h"

using namespace simhost::state;

namespace {

// The element that `path` addresses from `tree`: PRO_TK_BAD_INPUTS for a handle that is
// not live, PRO_TK_E_NOT_FOUND for a path that leads nowhere.
ProError locate(ProElement tree, ProElempath path, Element*& out) {
    Element* root = elementFind(tree);
    const Path* steps = path == nullptr ? nullptr : pathFind(path);
    if (root == nullptr || (path != nullptr && steps == nullptr)) {
        return PRO_TK_BAD_INPUTS;
    }
    out = elementResolve(*root, steps);
    return out == nullptr ? PRO_TK_E_NOT_FOUND : PRO_TK_NO_ERROR;
}

ProError contentSet(ProElement element, const ValueContent& content) {
    Element* target = elementFind(element);
    return target == nullptr ? PRO_TK_BAD_INPUTS : elementContentSet(*target, content);
}

template <typename Test>
ProError ask(ProElement tree, ProElempath path, ProBoolean* out, Test test) {
    Element* element = nullptr;
    if (out == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    if (ProError status = locate(tree, path, element)) {
        return status;
    }
    *out = test(*element) ? PRO_B_TRUE : PRO_B_FALSE;
    return PRO_TK_NO_ERROR;
}

// Members of an array, or children of a compound element.
ProError members(ProElement tree, ProElempath path, Element*& out) {
    if (ProError status = locate(tree, path, out)) {
        return status;
    }
    return out->kind == ElementKind::Plain ? PRO_TK_INVALID_TYPE : PRO_TK_NO_ERROR;
}

}  // namespace

extern "C" {

ProError ProElementAlloc(ProElemId name_id, ProElement* p_elem) try {
    SIMHOST_ENTER("ProElementAlloc", std::to_string(name_id));
    if (p_elem == nullptr || name_id < 0) {
        return PRO_TK_BAD_INPUTS;
    }
    *p_elem = elementCreate(name_id);
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProElementFree(ProElement* p_elem) try {
    SIMHOST_ENTER("ProElementFree");
    Element* element = p_elem == nullptr ? nullptr : elementFind(*p_elem);
    if (element == nullptr || element->parent != nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    elementFree(*element);
    *p_elem = nullptr;
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProElementIdGet(ProElement elem, ProElemId* p_name_id) try {
    SIMHOST_ENTER("ProElementIdGet");
    const Element* element = elementFind(elem);
    if (element == nullptr || p_name_id == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    *p_name_id = element->id;
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProElementValueSet(ProElement elem, ProValue value) try {
    SIMHOST_ENTER("ProElementValueSet");
    Element* element = elementFind(elem);
    Value* held = valueFind(value);
    if (element == nullptr || held == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    return elementValuesSet(*element, {held}, false);
}
SIMHOST_CATCH

ProError ProElementValueGet(ProElement elem, ProValue* p_value) try {
    SIMHOST_ENTER("ProElementValueGet");
    const Element* element = elementFind(elem);
    if (element == nullptr || p_value == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    // Compound, array and multi-valued elements have no single value.
    if (element->kind != ElementKind::Plain || element->multival) {
        return PRO_TK_INVALID_TYPE;
    }
    if (element->values.empty()) {
        return PRO_TK_E_NOT_FOUND;
    }
    *p_value = element->values.front();
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProElementValuesSet(ProElement elem, ProValue values[], int value_num) try {
    SIMHOST_ENTER("ProElementValuesSet", std::to_string(value_num));
    Element* element = elementFind(elem);
    if (element == nullptr || value_num < 0 || (value_num > 0 && values == nullptr)) {
        return PRO_TK_BAD_INPUTS;
    }
    std::vector<Value*> held;
    for (int i = 0; i < value_num; ++i) {
        Value* value = valueFind(values[i]);
        if (value == nullptr) {
            return PRO_TK_BAD_INPUTS;
        }
        held.push_back(value);
    }
    return elementValuesSet(*element, held, true);
}
SIMHOST_CATCH

ProError ProElementValuesGet(ProElement elem, ProValue** p_values) try {
    SIMHOST_ENTER("ProElementValuesGet");
    const Element* element = elementFind(elem);
    if (element == nullptr || p_values == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    if (element->kind != ElementKind::Plain) {
        return PRO_TK_INVALID_TYPE;
    }
    *p_values =
        simhost::core::arrayOf(element->values.data(), static_cast<int>(element->values.size()));
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProElementIntegerSet(ProElement element, int value) try {
    SIMHOST_ENTER("ProElementIntegerSet", std::to_string(value));
    ValueContent content;
    content.type = PRO_VALUE_TYPE_INT;
    content.i = value;
    return contentSet(element, content);
}
SIMHOST_CATCH

ProError ProElementDoubleSet(ProElement element, double value) try {
    SIMHOST_ENTER("ProElementDoubleSet", std::to_string(value));
    ValueContent content;
    content.type = PRO_VALUE_TYPE_DOUBLE;
    content.d = value;
    return contentSet(element, content);
}
SIMHOST_CATCH

ProError ProElementWstringSet(ProElement element, wchar_t* value) try {
    SIMHOST_ENTER("ProElementWstringSet");
    if (value == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    ValueContent content;
    content.type = PRO_VALUE_TYPE_WSTRING;
    content.w = std::wstring(value);
    return contentSet(element, content);
}
SIMHOST_CATCH

ProError ProElementSpecialvalueSet(ProElement element, ProAppData value) try {
    SIMHOST_ENTER("ProElementSpecialvalueSet");
    ValueContent content;
    content.type = PRO_VALUE_TYPE_POINTER;
    content.p = value;
    return contentSet(element, content);
}
SIMHOST_CATCH

ProError ProElementIsCompound(ProElement elemtree, ProElempath elempath,
                              ProBoolean* p_is_compound) try {
    SIMHOST_ENTER("ProElementIsCompound");
    return ask(elemtree, elempath, p_is_compound,
               [](const Element& e) { return e.kind == ElementKind::Compound; });
}
SIMHOST_CATCH

ProError ProElementIsArray(ProElement elemtree, ProElempath elempath, ProBoolean* p_is_array) try {
    SIMHOST_ENTER("ProElementIsArray");
    return ask(elemtree, elempath, p_is_array,
               [](const Element& e) { return e.kind == ElementKind::Array; });
}
SIMHOST_CATCH

ProError ProElementIsMultival(ProElement elemtree, ProElempath elempath,
                              ProBoolean* p_is_multi_value_elem) try {
    SIMHOST_ENTER("ProElementIsMultival");
    return ask(elemtree, elempath, p_is_multi_value_elem,
               [](const Element& e) { return e.multival; });
}
SIMHOST_CATCH

ProError ProElementArrayGet(ProElement elemtree, ProElempath elempath,
                            ProElement** p_array_elems) try {
    SIMHOST_ENTER("ProElementArrayGet");
    Element* element = nullptr;
    if (p_array_elems == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    if (ProError status = members(elemtree, elempath, element)) {
        return status;
    }
    std::vector<ProElement> handles;
    handles.reserve(element->children.size());
    for (const Element* child : element->children) {
        handles.push_back(reinterpret_cast<ProElement>(child->handle));
    }
    *p_array_elems = simhost::core::arrayOf(handles.data(), static_cast<int>(handles.size()));
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProElementArrayCount(ProElement elemtree, ProElempath elempath, int* p_array_count) try {
    SIMHOST_ENTER("ProElementArrayCount");
    Element* element = nullptr;
    if (p_array_count == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    if (ProError status = members(elemtree, elempath, element)) {
        return status;
    }
    *p_array_count = static_cast<int>(element->children.size());
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProElemtreeElementGet(ProElement elemtree, ProElempath elempath, ProElement* p_elem) try {
    SIMHOST_ENTER("ProElemtreeElementGet");
    Element* element = nullptr;
    if (p_elem == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    if (ProError status = locate(elemtree, elempath, element)) {
        return status;
    }
    *p_elem = reinterpret_cast<ProElement>(element->handle);
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProElemtreeElementAdd(ProElement elemtree, ProElempath elempath, ProElement elem) try {
    SIMHOST_ENTER("ProElemtreeElementAdd");
    Element* parent = nullptr;
    Element* child = elementFind(elem);
    if (child == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    if (ProError status = locate(elemtree, elempath, parent)) {
        return status;
    }
    return elementChildAdd(*parent, *child);
}
SIMHOST_CATCH

ProError ProElemtreeElementRemove(ProElement elemtree, ProElempath elempath,
                                  ProElement* p_elem) try {
    SIMHOST_ENTER("ProElemtreeElementRemove");
    const Path* path = pathFind(elempath);
    Element* element = nullptr;
    if (path == nullptr || path->items.empty()) {
        return PRO_TK_BAD_INPUTS;  // the root itself cannot be removed
    }
    if (ProError status = locate(elemtree, elempath, element)) {
        return status;
    }
    elementDetach(*element);
    if (p_elem != nullptr) {
        *p_elem = reinterpret_cast<ProElement>(element->handle);
    } else {
        elementFree(*element);
    }
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProElemtreeElementVisit(ProElement elemtree, ProElempath elempath,
                                 ProElemtreeVisitFilter filterfunc,
                                 ProElemtreeVisitAction visitfunc, ProAppData appdata) try {
    SIMHOST_ENTER("ProElemtreeElementVisit");
    Element* start = nullptr;
    if (visitfunc == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    if (ProError status = locate(elemtree, elempath, start)) {
        return status;
    }
    const Path* path = elempath == nullptr ? nullptr : pathFind(elempath);
    return simhost::api::elementVisit(
        elemtree, *start, path == nullptr ? std::vector<ProElempathItem>{} : path->items,
        filterfunc, visitfunc, appdata);
}
SIMHOST_CATCH

ProError ProElemtreeWrite(ProElement elemtree, ProElemtreeFormat format, ProPath output_file) try {
    std::wstring name;
    if (output_file != nullptr) {
        name.assign(output_file, wcsnlen(output_file, PRO_PATH_SIZE));
    }
    SIMHOST_ENTER("ProElemtreeWrite", std::to_string(format), simhost::core::narrow(name));
    const Element* root = elementFind(elemtree);
    if (root == nullptr || format != PRO_ELEMTREE_XML || name.empty() ||
        name.size() == PRO_PATH_SIZE) {
        return PRO_TK_BAD_INPUTS;
    }
    // A relative name is taken in the host's working directory.
    std::filesystem::path file(name);
    if (file.is_relative()) {
        const simhost::state::Session* session = simhost::state::connected();
        file = (session != nullptr ? session->workDir : std::filesystem::current_path()) / file;
    }
    return treeWriteXml(*root, file) ? PRO_TK_NO_ERROR : PRO_TK_CANT_WRITE;
}
SIMHOST_CATCH

}  // extern "C"
