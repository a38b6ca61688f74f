#include "tooltable_raw_steps.h"

#include <ProArray.h>

namespace tooltablebench {

ProElempath pathTo(int id) {
    ProElempath path = nullptr;
    ProElempathAlloc(&path);
    ProElempathItem item{};
    item.type = PRO_ELEM_PATH_ITEM_TYPE_ID;
    item.path_item.elem_id = id;
    ProElempathDataSet(path, &item, 1);
    return path;
}

ProElement childOf(ProElement tree, int id) {
    ProElempath path = pathTo(id);
    ProElement element = nullptr;
    ProElemtreeElementGet(tree, path, &element);
    ProElempathFree(&path);
    return element;
}

ProValueData valueOf(ProElement element) {
    ProValue value = nullptr;
    ProElementValueGet(element, &value);
    ProValueData data{};
    ProValueDataGet(value, &data);
    return data;
}

std::vector<ProElement> membersOf(ProElement array) {
    ProElement* members = nullptr;
    ProElementArrayGet(array, nullptr, &members);
    int count = 0;
    ProArraySizeGet(members, &count);
    std::vector<ProElement> out(members, members + count);
    ProArray untyped = members;
    ProArrayFree(&untyped);
    return out;
}

int memberCount(ProElement array) {
    int count = 0;
    ProElementArrayCount(array, nullptr, &count);
    return count;
}

ProElement alloc(int id) {
    ProElement element = nullptr;
    ProElementAlloc(id, &element);
    return element;
}

ProElement integerElement(int id, int value) {
    ProElement element = alloc(id);
    ProElementIntegerSet(element, value);
    return element;
}

ProElement add(ProElement parent, ProElement child) {
    ProElemtreeElementAdd(parent, nullptr, child);
    return child;
}

void addPair(ProElement entry, int key, ProElement value) {
    ProElement pair = alloc(kElemPair);
    add(pair, integerElement(kElemKey, key));
    add(pair, value);
    add(entry, pair);
}

ProElement textElement(int id, const std::wstring& text) {
    ProElement element = alloc(id);
    ProElementWstringSet(element, const_cast<wchar_t*>(text.c_str()));
    return element;
}

}  // namespace tooltablebench
