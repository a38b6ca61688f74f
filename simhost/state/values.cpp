#include "simhost/state/values.h"

#include "simhost/state/handles.h"
#include "simhost/state/sections.h"

namespace simhost::state {
namespace {

HandleTable<Value, 2>& table() {
    static HandleTable<Value, 2> values;
    return values;
}

}  // namespace

Value* valueFind(ProValue value) {
    return table().find(value);
}

ProValue valueCreate(const ValueContent& content) {
    auto value = std::make_unique<Value>();
    Value& v = *value;
    ProValue handle = handleAs<ProValue>(table().add(std::move(value)));
    valueContentSet(v, content);
    return handle;
}

bool valueContentFrom(const ProValueData& data, ValueContent& out) {
    out = ValueContent{};
    out.type = data.type;
    switch (data.type) {
        case PRO_VALUE_TYPE_INT:
            out.i = data.v.i;
            return true;
        case PRO_VALUE_TYPE_DOUBLE:
            out.d = data.v.d;
            return true;
        case PRO_VALUE_TYPE_POINTER:
            out.p = data.v.p;
            return true;
        case PRO_VALUE_TYPE_STRING:
            if (data.v.s != nullptr) {
                out.s = std::string(data.v.s);
            }
            return true;
        case PRO_VALUE_TYPE_WSTRING:
            if (data.v.w != nullptr) {
                out.w = std::wstring(data.v.w);
            }
            return true;
        case PRO_VALUE_TYPE_SELECTION:
            if (data.v.r != nullptr) {
                const Selection* selection = selectionFind(data.v.r);
                if (selection == nullptr) {
                    return false;
                }
                out.r = selection->data;
            }
            return true;
        case PRO_VALUE_TYPE_TRANSFORM:
            if (data.v.t == nullptr) {
                return false;
            }
            for (int row = 0; row < 4; ++row) {
                if (data.v.t[row] == nullptr) {
                    return false;
                }
                for (int col = 0; col < 4; ++col) {
                    out.t[row][col] = data.v.t[row][col];
                }
            }
            return true;
        case PRO_VALUE_TYPE_BOOLEAN:
            out.b = data.v.b == PRO_B_FALSE ? PRO_B_FALSE : PRO_B_TRUE;
            return true;
    }
    return false;
}

void valueContentSet(Value& value, ValueContent content) {
    if (value.content.type == PRO_VALUE_TYPE_POINTER) {
        sectionFreeOwnedBy(value.handle, value.content.p);
    }
    if (value.selection != nullptr) {
        selectionErase(value.selection);
        value.selection = nullptr;
    }
    value.content = std::move(content);
    if (value.content.r) {
        value.selection = selectionCreate(*value.content.r, true);
    }
}

void valueDataGet(Value& value, ProValueData& out) {
    const ValueContent& c = value.content;
    out.type = static_cast<ProValueDataType>(c.type);
    switch (c.type) {
        case PRO_VALUE_TYPE_INT:
            out.v.i = c.i;
            break;
        case PRO_VALUE_TYPE_DOUBLE:
            out.v.d = c.d;
            break;
        case PRO_VALUE_TYPE_POINTER:
            out.v.p = c.p;
            break;
        case PRO_VALUE_TYPE_STRING:
            out.v.s = c.s ? const_cast<char*>(c.s->c_str()) : nullptr;
            break;
        case PRO_VALUE_TYPE_WSTRING:
            out.v.w = c.w ? const_cast<wchar_t*>(c.w->c_str()) : nullptr;
            break;
        case PRO_VALUE_TYPE_SELECTION:
            out.v.r = value.selection;
            break;
        case PRO_VALUE_TYPE_TRANSFORM:
            for (int row = 0; row < 4; ++row) {
                value.rows[row] = value.content.t[row];
            }
            out.v.t = value.rows;
            break;
        case PRO_VALUE_TYPE_BOOLEAN:
            out.v.b = c.b;
            break;
        default:
            break;
    }
}

void valueErase(Value& value) {
    // A section that a feature's tree hands out goes with the value that holds it.
    if (value.content.type == PRO_VALUE_TYPE_POINTER) {
        sectionFreeOwnedBy(value.handle, value.content.p);
    }
    if (value.selection != nullptr) {
        selectionErase(value.selection);
    }
    table().erase(value.handle);
}

}  // namespace simhost::state
