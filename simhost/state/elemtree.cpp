#include "simhost/state/elemtree.h"

#include <algorithm>
#include <iterator>
#include <unordered_set>

#include "simhost/state/handles.h"

namespace simhost::state {
namespace {

HandleTable<Element, 1>& elements() {
    static HandleTable<Element, 1> table;
    return table;
}

HandleTable<Path, 3>& paths() {
    static HandleTable<Path, 3> table;
    return table;
}

// Sorted: constraint sets of datum planes and components, tool tables and their rows,
// origin references and orientation moves of coordinate systems, the points of a
// datum-point feature.
constexpr int kArrayIds[] = {410, 491, 493, 494, 605, 2134, 2137, 3121};

void releaseValues(Element& element) {
    for (ProValue handle : element.values) {
        valueErase(*valueFind(handle));
    }
    element.values.clear();
}

// The levels of the subtree of `root`: 1 for an element without children.
int subtreeLevels(const Element& root) {
    int deepest = 0;
    std::vector<std::pair<const Element*, int>> pending{{&root, 1}};
    while (!pending.empty()) {
        auto [element, level] = pending.back();
        pending.pop_back();
        deepest = std::max(deepest, level);
        for (const Element* child : element->children) {
            pending.emplace_back(child, level + 1);
        }
    }
    return deepest;
}

}  // namespace

bool elementIdIsArray(int id) {
    return std::binary_search(std::begin(kArrayIds), std::end(kArrayIds), id);
}

Element* elementFind(ProElement element) {
    return elements().find(element);
}

Element& elementOf(ProElement element) {
    return *elements().find(element);
}

ProElement elementCreate(int id) {
    auto element = std::make_unique<Element>();
    element->id = id;
    element->kind = elementIdIsArray(id) ? ElementKind::Array : ElementKind::Plain;
    return handleAs<ProElement>(elements().add(std::move(element)));
}

void elementFree(Element& root) {
    // Children first to last, each before its parent, on a stack as deep as the tree: a
    // wide tree is freed without a large allocation, which would make the allocator
    // revisit every small block freed so far.
    std::vector<std::pair<Element*, std::size_t>> stack{{&root, 0}};
    while (!stack.empty()) {
        Element* element = stack.back().first;
        std::size_t next = stack.back().second++;
        if (next < element->children.size()) {
            stack.emplace_back(element->children[next], 0);
            continue;
        }
        stack.pop_back();
        releaseValues(*element);
        elements().erase(element->handle);
    }
}

Path* pathFind(ProElempath path) {
    return paths().find(path);
}

ProElempath pathCreate() {
    return handleAs<ProElempath>(paths().add(std::make_unique<Path>()));
}

void pathErase(Path& path) {
    paths().erase(path.handle);
}

Element* elementResolve(Element& root, const Path* path) {
    Element* at = &root;
    if (path == nullptr) {
        return at;
    }
    for (const ProElempathItem& item : path->items) {
        const std::vector<Element*>& children = at->children;
        if (item.type == PRO_ELEM_PATH_ITEM_TYPE_INDEX) {
            int index = item.path_item.elem_index;
            if (index < 0 || static_cast<std::size_t>(index) >= children.size()) {
                return nullptr;
            }
            at = children[static_cast<std::size_t>(index)];
        } else {
            auto it = std::find_if(children.begin(), children.end(), [&](const Element* child) {
                return child->id == item.path_item.elem_id;
            });
            if (it == children.end()) {
                return nullptr;
            }
            at = *it;
        }
    }
    return at;
}

ProError elementChildAdd(Element& parent, Element& child) {
    if (child.parent != nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    int parentLevel = 0;
    for (const Element* up = &parent; up != nullptr; up = up->parent) {
        if (up == &child) {
            return PRO_TK_BAD_INPUTS;
        }
        ++parentLevel;
    }
    if (parentLevel + subtreeLevels(child) > kTreeLevelsMax) {
        return PRO_TK_MAX_LIMIT_REACHED;
    }
    if (parent.kind == ElementKind::Plain) {
        if (!parent.values.empty() || parent.multival) {
            return PRO_TK_INVALID_TYPE;
        }
        parent.kind = ElementKind::Compound;
    }
    parent.children.push_back(&child);
    child.parent = &parent;
    return PRO_TK_NO_ERROR;
}

void elementDetach(Element& child) {
    if (child.parent != nullptr) {
        std::vector<Element*>& siblings = child.parent->children;
        siblings.erase(std::find(siblings.begin(), siblings.end(), &child));
        child.parent = nullptr;
    }
}

ProError elementValuesSet(Element& element, const std::vector<Value*>& values, bool multival) {
    if (element.kind != ElementKind::Plain) {
        return PRO_TK_INVALID_TYPE;
    }
    std::unordered_set<const Value*> distinct;
    for (const Value* value : values) {
        bool own = std::find(element.values.begin(), element.values.end(),
                             handleAs<ProValue>(value->handle)) != element.values.end();
        if ((value->heldByElement && !own) || !distinct.insert(value).second) {
            return PRO_TK_BAD_INPUTS;
        }
    }
    std::vector<ProValue> kept;
    for (Value* value : values) {
        value->heldByElement = true;
        kept.push_back(handleAs<ProValue>(value->handle));
    }
    for (ProValue old : element.values) {
        if (std::find(kept.begin(), kept.end(), old) == kept.end()) {
            valueErase(*valueFind(old));
        }
    }
    element.values = std::move(kept);
    element.multival = multival;
    return PRO_TK_NO_ERROR;
}

ProError elementContentSet(Element& element, const ValueContent& content) {
    if (element.kind != ElementKind::Plain) {
        return PRO_TK_INVALID_TYPE;
    }
    Value* value = valueFind(valueCreate(content));
    return elementValuesSet(element, {value}, false);
}

std::vector<VisitEntry> elementVisitOrder(Element& start) {
    // The order is taken before any callback runs, so that a callback that changes the
    // tree never leaves the visit on a freed element.
    using Entry = VisitEntry;
    std::vector<Entry> order;
    std::vector<Entry> pending{{handleAs<ProElement>(start.handle), -1, ProElempathItem{}}};
    std::vector<Entry> children;
    std::unordered_set<int> seen;
    while (!pending.empty()) {
        order.push_back(pending.back());
        pending.pop_back();
        const Element& element = elementOf(order.back().element);
        int self = static_cast<int>(order.size()) - 1;
        // A child is addressed by id when it is the first of its id among its siblings,
        // else (and always in an array) by index.
        children.clear();
        seen.clear();
        for (std::size_t i = 0; i < element.children.size(); ++i) {
            const Element* child = element.children[i];
            ProElempathItem item{};
            if (element.kind != ElementKind::Array && seen.insert(child->id).second) {
                item.type = PRO_ELEM_PATH_ITEM_TYPE_ID;
                item.path_item.elem_id = child->id;
            } else {
                item.type = PRO_ELEM_PATH_ITEM_TYPE_INDEX;
                item.path_item.elem_index = static_cast<int>(i);
            }
            children.push_back({handleAs<ProElement>(child->handle), self, item});
        }
        pending.insert(pending.end(), children.rbegin(), children.rend());
    }
    return order;
}

void elementVisitPath(const std::vector<VisitEntry>& order, std::size_t at,
                      const std::vector<ProElempathItem>& startItems,
                      std::vector<ProElempathItem>& out) {
    std::vector<ProElempathItem> items;
    for (int k = static_cast<int>(at); order[k].parent != -1; k = order[k].parent) {
        items.push_back(order[k].item);
    }
    out = startItems;
    out.insert(out.end(), items.rbegin(), items.rend());
}

// The recursive copies go as deep as the tree: at most kTreeLevelsMax levels.
TreeNode treeSnapshot(const Element& root) {
    TreeNode node;
    node.id = root.id;
    node.kind = root.kind;
    node.multival = root.multival;
    for (ProValue value : root.values) {
        node.values.push_back(valueFind(value)->content);
    }
    node.children.reserve(root.children.size());
    for (const Element* child : root.children) {
        node.children.push_back(treeSnapshot(*child));
    }
    return node;
}

ProElement treeInstantiate(const TreeNode& root) {
    ProElement handle = elementCreate(root.id);
    Element& element = elementOf(handle);
    element.kind = root.kind;
    element.multival = root.multival;
    for (const ValueContent& content : root.values) {
        ProValue value = valueCreate(content);
        valueFind(value)->heldByElement = true;
        element.values.push_back(value);
    }
    for (const TreeNode& child : root.children) {
        Element& made = elementOf(treeInstantiate(child));
        made.parent = &element;
        element.children.push_back(&made);
    }
    return handle;
}

ProElement elementCopy(const Element& root) {
    return treeInstantiate(treeSnapshot(root));
}

}  // namespace simhost::state
