// Tool inputs: the descriptions from which tools are created and redefined. An input
// holds its tool type and the tool elements added to it (parameters 154, attribute 7,
// model 331), which it owns: they hang below a root element that only the input knows,
// so they cannot be freed or added elsewhere while the input holds them.
//
// The parameters of an element 154 are kept beside the element, by its handle.
#pragma once

#include <ProElement.h>
#include <ProToolinput.h>

#include <cstdint>
#include <optional>
#include <vector>

#include "simhost/state/elemtree.h"
#include "simhost/state/tools.h"

namespace simhost::state {

struct ToolInput {
    std::uintptr_t handle = 0;
    int type = 0;
    ProElement root = nullptr;  // holds the added elements, in order
};

ToolInput* toolInputFind(ProConstToolinputPtr input);
ProToolinputPtr toolInputCreate();
// Frees the input with its elements.
void toolInputErase(ToolInput& input);

// The parameters of an element 154 (created empty on first use).
std::vector<ToolParam>& toolElemParams(const Element& element);

// What an input describes; the later of two elements of one id counts.
struct ToolInputContent {
    int type = 0;
    bool hasParams = false;
    std::vector<ToolParam> params;
    std::optional<int> attribute;
    bool hasModelElement = false;
    void* model = nullptr;  // the model element's handle (may be stale or null)
};
ToolInputContent toolInputRead(const ToolInput& input);

}  // namespace simhost::state
