#include "simhost/state/tool_inputs.h"

#include <ProValue.h>

#include <memory>
#include <unordered_map>

#include "simhost/state/handles.h"

namespace simhost::state {

namespace {

HandleTable<ToolInput, 6>& inputs() {
    static HandleTable<ToolInput, 6> table;
    return table;
}

std::unordered_map<std::uintptr_t, std::vector<ToolParam>>& elemParams() {
    static std::unordered_map<std::uintptr_t, std::vector<ToolParam>> map;
    return map;
}

// The root's id: no element of the host's list, so no tree the caller builds matches it.
constexpr int kInputRootId = 0;

}  // namespace

ToolInput* toolInputFind(ProConstToolinputPtr input) {
    return inputs().find(input);
}

ProToolinputPtr toolInputCreate() {
    auto input = std::make_unique<ToolInput>();
    input->root = elementCreate(kInputRootId);
    return handleAs<ProToolinputPtr>(inputs().add(std::move(input)));
}

void toolInputErase(ToolInput& input) {
    Element& root = elementOf(input.root);
    for (const Element* child : root.children) {
        elemParams().erase(child->handle);
    }
    elementFree(root);
    inputs().erase(input.handle);
}

std::vector<ToolParam>& toolElemParams(const Element& element) {
    return elemParams()[element.handle];
}

ToolInputContent toolInputRead(const ToolInput& input) {
    ToolInputContent out;
    out.type = input.type;
    for (const Element* child : elementOf(input.root).children) {
        switch (child->id) {
            case PRO_E_TOOL_PARAMS: {
                out.hasParams = true;
                auto it = elemParams().find(child->handle);
                out.params = it != elemParams().end() ? it->second : std::vector<ToolParam>{};
                break;
            }
            case PRO_E_TOOL_ATTR: {
                const Value* v =
                    child->values.size() == 1 ? valueFind(child->values.front()) : nullptr;
                out.attribute = v != nullptr && v->content.type == PRO_VALUE_TYPE_INT
                                    ? std::optional<int>(v->content.i)
                                    : std::nullopt;
                break;
            }
            case PRO_E_TOOL_MODEL: {
                const Value* v =
                    child->values.size() == 1 ? valueFind(child->values.front()) : nullptr;
                out.hasModelElement = true;
                out.model = v != nullptr && v->content.type == PRO_VALUE_TYPE_POINTER ? v->content.p
                                                                                      : nullptr;
                break;
            }
            default:
                break;
        }
    }
    return out;
}

}  // namespace simhost::state
