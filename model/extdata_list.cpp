// Listing the classes of a model and the slots of a class into the process-wide lists.
#include "base/subscript.h"
#include "base/text.h"
#include "kelt2proe/error.h"
#include "model/extdata.h"
#include "model/extdata_lists.h"
#include "toolkit/extdata.h"

namespace Ardo::extdata {

Lists& lists() {
    static Lists shared;
    return shared;
}

int ClassNames(ProMdl model, const char* pattern) {
    Lists& state = lists();
    ardotk::ExtdataClassNamesList(model, pattern, state.classes);
    return static_cast<int>(state.classes.size());
}

const char* ClassNameAt(int index) {
    Lists& state = lists();
    const ProExtdataClass& entry = checkedAt(state.classes, index);
    state.className = text::toNarrow(entry.class_name);
    return state.className.c_str();
}

int SlotList(ProMdl model, const char* className, const char* pattern) {
    Lists& state = lists();
    ProExtdataClass owner{};
    owner.p_model = model;
    text::widenBounded(owner.class_name, className);
    // The listed records point to the shared class record; it changes only with them.
    std::map<std::wstring, ProExtdataSlot> found;
    ardotk::ExtdataSlotNamesList(owner, pattern, found);
    state.slotClass = owner;
    for (auto& entry : found) {
        entry.second.p_class = &state.slotClass;
    }
    state.slots.swap(found);
    state.slotOrder.clear();
    for (const auto& entry : state.slots) {
        state.slotOrder.push_back(&entry.first);
    }
    return static_cast<int>(state.slots.size());
}

const char* SlotNameAt(int index) {
    Lists& state = lists();
    if (index < 0 || static_cast<std::size_t>(index) >= state.slotOrder.size()) {
        throw Error(-2, "range");
    }
    state.slotName = text::toNarrow(state.slotOrder[static_cast<std::size_t>(index)]->c_str());
    return state.slotName.c_str();
}

}  // namespace Ardo::extdata
