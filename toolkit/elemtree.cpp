#include "toolkit/elemtree.h"

#include "toolkit/check.h"

namespace ardotk {
namespace {

ValueOwner valueOf(ProValueData data) {
    ValueOwner value;
    check(ProValueAlloc(value.out()));
    check(ProValueDataSet(value.get(), &data));
    return value;
}

}  // namespace

ElemTree ElementAlloc(ProElemId id) {
    ElemTree element;
    check(ProElementAlloc(id, element.out()));
    return element;
}

ElemTree ElementInteger(ProElemId id, int value) {
    ElemTree element = ElementAlloc(id);
    check(ProElementIntegerSet(element.get(), value));
    return element;
}

ElemTree ElementDouble(ProElemId id, double value) {
    ElemTree element = ElementAlloc(id);
    check(ProElementDoubleSet(element.get(), value));
    return element;
}

ElemTree ElementWstring(ProElemId id, const wchar_t* value) {
    ElemTree element = ElementAlloc(id);
    check(ProElementWstringSet(element.get(), const_cast<wchar_t*>(value)));
    return element;
}

ElemTree ElementSpecial(ProElemId id, void* value) {
    ElemTree element = ElementAlloc(id);
    check(ProElementSpecialvalueSet(element.get(), value));
    return element;
}

ElemTree ElementSelection(ProElemId id, ProSelection selection) {
    ElemTree element = ElementAlloc(id);
    ProValueData data{};
    data.type = PRO_VALUE_TYPE_SELECTION;
    data.v.r = selection;
    ValueOwner value = valueOf(data);
    check(ProElementValueSet(element.get(), value.get()));
    value.disown();
    return element;
}

ElemTree ElementIntegers(ProElemId id, const std::vector<int>& values) {
    ElemTree element = ElementAlloc(id);
    std::vector<ValueOwner> owned;
    std::vector<ProValue> handles;
    for (int v : values) {
        ProValueData data{};
        data.type = PRO_VALUE_TYPE_INT;
        data.v.i = v;
        owned.push_back(valueOf(data));
        handles.push_back(owned.back().get());
    }
    check(ProElementValuesSet(element.get(), handles.data(), static_cast<int>(handles.size())));
    for (ValueOwner& value : owned) {
        value.disown();
    }
    return element;
}

ProElement ElementAdd(ProElement parent, ElemTree child) {
    check(ProElemtreeElementAdd(parent, nullptr, child.get()));
    return child.disown();
}

ElempathOwner ElempathOfIds(std::initializer_list<int> ids) {
    std::vector<ProElempathItem> items;
    for (int id : ids) {
        ProElempathItem item{};
        item.type = PRO_ELEM_PATH_ITEM_TYPE_ID;
        item.path_item.elem_id = id;
        items.push_back(item);
    }
    ElempathOwner path;
    check(ProElempathAlloc(path.out()));
    check(ProElempathDataSet(path.get(), items.data(), static_cast<int>(items.size())));
    return path;
}

ProElement ElementGet(ProElement tree, std::initializer_list<int> ids) {
    ElempathOwner path = ElempathOfIds(ids);
    ProElement element = nullptr;
    check(ProElemtreeElementGet(tree, path.get(), &element));
    return element;
}

ProElement ElementFind(ProElement tree, std::initializer_list<int> ids) {
    ElempathOwner path = ElempathOfIds(ids);
    ProElement element = nullptr;
    ProError err = ProElemtreeElementGet(tree, path.get(), &element);
    if (err == PRO_TK_E_NOT_FOUND) {
        return nullptr;
    }
    check(err);
    return element;
}

}  // namespace ardotk
