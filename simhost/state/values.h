// Value records: typed data that an element holds. A value belongs to its caller
// until an element takes it; from then on the element frees it.
#pragma once

#include <ProValue.h>

#include <cstdint>
#include <optional>
#include <string>

#include "simhost/state/selections.h"
#include "simhost/state/value_parts.h"

namespace simhost::state {

// The data of a value as plain, copyable content.
struct ValueContent {
    int type = 0;  // a ProValueDataType, 0 while nothing is set
    int i = 0;
    double d = 0.0;
    void* p = nullptr;
    ProBoolean b = PRO_B_FALSE;
    std::optional<std::string> s;
    std::optional<std::wstring> w;
    Boxed<SelectionData> r;
    Transform t;
};

struct Value {
    std::uintptr_t handle = 0;
    ValueContent content;
    // The value's own selection handle while the content holds one.
    ProSelection selection = nullptr;
    double* rows[4] = {};
    bool heldByElement = false;
};

Value* valueFind(ProValue value);
ProValue valueCreate(const ValueContent& content = {});
// Reads caller data into content; false when the type is unknown, a selection is not
// live or a transform is missing.
bool valueContentFrom(const ProValueData& data, ValueContent& out);
void valueContentSet(Value& value, ValueContent content);
void valueDataGet(Value& value, ProValueData& out);
// Frees the value and the selection it holds.
void valueErase(Value& value);

}  // namespace simhost::state
