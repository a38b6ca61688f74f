// External data of a model: classes, slots and their values.
#include "simhost/state/extdata.h"

#include <algorithm>

namespace simhost::state {

std::size_t ExtdataSlot::size() const {
    switch (type) {
        case kExtdataInteger:
            return sizeof(int);
        case kExtdataDouble:
            return sizeof(double);
        case kExtdataText:
            return (text.size() + 1) * sizeof(wchar_t);
        case kExtdataStream:
            return bytes.size();
        default:
            return 0;
    }
}

ExtdataSlot* ExtdataClass::slot(const std::wstring& slotName) {
    auto it = std::find_if(slots.begin(), slots.end(),
                           [&](const ExtdataSlot& s) { return s.name == slotName; });
    return it == slots.end() ? nullptr : &*it;
}

ExtdataSlot* ExtdataClass::slot(int slotId) {
    auto it = std::find_if(slots.begin(), slots.end(),
                           [&](const ExtdataSlot& s) { return s.id == slotId; });
    return it == slots.end() ? nullptr : &*it;
}

ExtdataClass* ExtdataStore::find(const std::wstring& className) {
    auto it = std::find_if(classes_.begin(), classes_.end(),
                           [&](const ExtdataClass& c) { return c.name == className; });
    return it == classes_.end() ? nullptr : &*it;
}

bool ExtdataStore::remove(const std::wstring& className) {
    auto it = std::find_if(classes_.begin(), classes_.end(),
                           [&](const ExtdataClass& c) { return c.name == className; });
    if (it == classes_.end()) {
        return false;
    }
    classes_.erase(it);
    return true;
}

std::size_t ExtdataStore::slotCount() const {
    std::size_t n = 0;
    for (const auto& c : classes_) {
        n += c.slots.size();
    }
    return n;
}

std::size_t ExtdataStore::valueBytes() const {
    std::size_t n = 0;
    for (const auto& c : classes_) {
        for (const auto& s : c.slots) {
            n += s.size();
        }
    }
    return n;
}

}  // namespace simhost::state
