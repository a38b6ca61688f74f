// Element trees of the host: elements with an id, a value or several, or children;
// element paths; depth-first visits; and plain copies of whole trees that the host's
// own state (features) keeps and hands out again.
#pragma once

#include <ProElement.h>

#include <cstdint>
#include <filesystem>
#include <vector>

#include "simhost/state/values.h"

namespace simhost::state {

enum class ElementKind {
    Plain,     // no children: a value, several values or none
    Compound,  // children of various ids
    Array,     // members, an element id the host defines as an array
};

struct Element {
    std::uintptr_t handle = 0;
    int id = 0;
    ElementKind kind = ElementKind::Plain;
    bool multival = false;
    std::vector<ProValue> values;  // held by this element
    Element* parent = nullptr;
    std::vector<Element*> children;
};

struct Path {
    std::uintptr_t handle = 0;
    std::vector<ProElempathItem> items;
    bool heldByVisit = false;  // the path a visit passes to its callbacks
};

// A detached copy of a tree: plain data, no handles.
struct TreeNode {
    int id = 0;
    ElementKind kind = ElementKind::Plain;
    bool multival = false;
    std::vector<ValueContent> values;
    std::vector<TreeNode> children;
};

// The most levels an element tree has (the root is level 1). Trees read from files and
// trees built by adding elements stay within it, so that every walk of a tree, recursive
// or not, is bounded; an addition that would go deeper is refused.
constexpr int kTreeLevelsMax = 1000;

// Element ids that the host defines as arrays (tool tables, constraint sets ...).
bool elementIdIsArray(int id);

Element* elementFind(ProElement element);
Element& elementOf(ProElement element);  // for handles known to be live
ProElement elementCreate(int id);
// Frees a detached element with its subtree and values.
void elementFree(Element& element);

Path* pathFind(ProElempath path);
ProElempath pathCreate();
void pathErase(Path& path);

// The element that `path` (null: none) addresses from `root`, or null.
Element* elementResolve(Element& root, const Path* path);
// Adds a detached element as the last child; PRO_TK_BAD_INPUTS for an attached element
// or a cycle, PRO_TK_INVALID_TYPE for a parent that holds values,
// PRO_TK_MAX_LIMIT_REACHED when the tree would have more than kTreeLevelsMax levels.
ProError elementChildAdd(Element& parent, Element& child);
void elementDetach(Element& child);
// Replaces the element's values by `values` (live, not held elsewhere), which it takes.
// PRO_TK_INVALID_TYPE for a compound or array element.
ProError elementValuesSet(Element& element, const std::vector<Value*>& values, bool multival);
// Sets one value of the given content.
ProError elementContentSet(Element& element, const ValueContent& content);

// One element of a visit: its handle, the entry of its parent (-1 for the start) and
// how the parent addresses it.
struct VisitEntry {
    ProElement element;
    int parent;
    ProElempathItem item;
};

// The subtree of `start`, parents before children, children in order.
std::vector<VisitEntry> elementVisitOrder(Element& start);
// The path of `order[at]` from the tree the start is addressed in by `startItems`.
void elementVisitPath(const std::vector<VisitEntry>& order, std::size_t at,
                      const std::vector<ProElempathItem>& startItems,
                      std::vector<ProElempathItem>& out);

TreeNode treeSnapshot(const Element& root);
// A new detached tree of live elements; the caller frees it with ProElementFree.
ProElement treeInstantiate(const TreeNode& root);
// Deep copy of a live (sub)tree as a new detached tree.
ProElement elementCopy(const Element& root);

// Writes the tree as XML; false when the file cannot be written.
bool treeWriteXml(const Element& root, const std::filesystem::path& file);

}  // namespace simhost::state
