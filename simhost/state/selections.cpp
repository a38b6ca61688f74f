#include "simhost/state/selections.h"

#include "simhost/state/handles.h"

namespace simhost::state {
namespace {

HandleTable<Selection, 4>& table() {
    static HandleTable<Selection, 4> selections;
    return selections;
}

}  // namespace

Selection* selectionFind(ProSelection selection) {
    return table().find(selection);
}

ProSelection selectionCreate(const SelectionData& data, bool heldByValue) {
    auto selection = std::make_unique<Selection>();
    selection->data = data;
    selection->heldByValue = heldByValue;
    return handleAs<ProSelection>(table().add(std::move(selection)));
}

void selectionErase(ProSelection selection) {
    table().erase(reinterpret_cast<std::uintptr_t>(selection));
}

}  // namespace simhost::state
