#include "toolkit/elem_value.h"

#include "kelt2proe/error.h"
#include "toolkit/array.h"
#include "toolkit/check.h"

namespace ardotk {

namespace {

void requireType(const ProValueData& data, ProValueDataType type) {
    if (data.type != type) {
        throw Error(PRO_TK_INVALID_TYPE, "");
    }
}

}  // namespace

ValueOwner FeatureElemValueGet(ProFeature& feature, int elemId) {
    ElempathOwner path = ElempathOfIds({elemId});
    ValueOwner value;
    check(ProFeatureElemValueGet(&feature, path.get(), value.out()));
    return value;
}

ProValueData ValueDataGet(ProValue value) {
    ProValueData data{};
    check(ProValueDataGet(value, &data));
    return data;
}

ProValueData ElementValueData(ProElement element) {
    ProValue value = nullptr;
    check(ProElementValueGet(element, &value));
    return ValueDataGet(value);
}

int ValueInt(const ProValueData& data) {
    requireType(data, PRO_VALUE_TYPE_INT);
    return data.v.i;
}

double ValueDouble(const ProValueData& data) {
    requireType(data, PRO_VALUE_TYPE_DOUBLE);
    return data.v.d;
}

std::wstring ValueWstring(const ProValueData& data) {
    requireType(data, PRO_VALUE_TYPE_WSTRING);
    return data.v.w != nullptr ? std::wstring(data.v.w) : std::wstring();
}

int FeatureElemInt(ProFeature& feature, int elemId) {
    ValueOwner value = FeatureElemValueGet(feature, elemId);
    return ValueInt(ValueDataGet(value.get()));
}

std::wstring FeatureElemWstring(ProFeature& feature, int elemId) {
    ValueOwner value = FeatureElemValueGet(feature, elemId);
    return ValueWstring(ValueDataGet(value.get()));
}

int ElemtreeInt(ProElement tree, std::initializer_list<int> ids) {
    return ValueInt(ElementValueData(ElementGet(tree, ids)));
}

std::wstring ElemtreeWstring(ProElement tree, std::initializer_list<int> ids) {
    return ValueWstring(ElementValueData(ElementGet(tree, ids)));
}

bool ElementIsArray(ProElement element) {
    ProBoolean isArray = PRO_B_FALSE;
    check(ProElementIsArray(element, nullptr, &isArray));
    return isArray == PRO_B_TRUE;
}

bool ElementIsMultival(ProElement element) {
    ProBoolean isMulti = PRO_B_FALSE;
    check(ProElementIsMultival(element, nullptr, &isMulti));
    return isMulti == PRO_B_TRUE;
}

std::vector<ProElement> ElementArrayGet(ProElement element) {
    ArrayOwner<ProElement> members;
    check(ProElementArrayGet(element, nullptr, members.out()));
    int count = 0;
    check(ProArraySizeGet(members.get(), &count));
    return std::vector<ProElement>(members.get(), members.get() + count);
}

int ElementArrayCount(ProElement element) {
    int count = 0;
    check(ProElementArrayCount(element, nullptr, &count));
    return count;
}

namespace {

// Each value of a multi-valued element read by `read`.
template <typename Read>
auto elementValues(ProElement element, Read read) {
    ArrayOwner<ProValue> values;
    check(ProElementValuesGet(element, values.out()));
    int count = 0;
    check(ProArraySizeGet(values.get(), &count));
    std::vector<decltype(read(ProValueData{}))> result;
    for (int i = 0; i < count; ++i) {
        result.push_back(read(ValueDataGet(values.get()[i])));
    }
    return result;
}

}  // namespace

std::vector<std::wstring> ElementWstrings(ProElement element) {
    return elementValues(element, ValueWstring);
}

std::vector<int> ElementInts(ProElement element) {
    return elementValues(element, ValueInt);
}

}  // namespace ardotk
