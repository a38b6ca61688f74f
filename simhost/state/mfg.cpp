#include "simhost/state/mfg.h"

#include <ProToolkit.h>
#include <ProValue.h>

#include <unordered_set>

#include "simhost/state/features.h"
#include "simhost/state/tools.h"

namespace simhost::state {

namespace {

const ValueContent* singleValue(const TreeNode& node) {
    return node.kind == ElementKind::Plain && !node.multival && node.values.size() == 1
               ? &node.values.front()
               : nullptr;
}

const TreeNode* onlyChild(const TreeNode& node, int id) {
    const TreeNode* found = nullptr;
    for (const TreeNode& child : node.children) {
        if (child.id == id) {
            if (found != nullptr) {
                return nullptr;
            }
            found = &child;
        }
    }
    return found;
}

// One value pair: 496 with an integer key and 497 with a value of the key's type.
ProError pairCheck(Model& model, const TreeNode& pair, std::unordered_set<int>& keys,
                   bool& hasTool) {
    if (pair.id != kElemEntryPair || pair.children.size() != 2) {
        return PRO_TK_BAD_INPUTS;
    }
    const TreeNode* keyNode = onlyChild(pair, kElemPairKey);
    const TreeNode* valueNode = onlyChild(pair, kElemPairValue);
    const ValueContent* key = keyNode != nullptr ? singleValue(*keyNode) : nullptr;
    const ValueContent* value = valueNode != nullptr ? singleValue(*valueNode) : nullptr;
    if (key == nullptr || value == nullptr || key->type != PRO_VALUE_TYPE_INT ||
        !keys.insert(key->i).second) {
        return PRO_TK_BAD_INPUTS;
    }
    int wanted = toolTableKeyType(key->i);
    if (wanted != 0 && value->type != wanted) {
        return PRO_TK_BAD_INPUTS;
    }
    if (wanted == 0 && value->type != PRO_VALUE_TYPE_INT && value->type != PRO_VALUE_TYPE_DOUBLE &&
        value->type != PRO_VALUE_TYPE_WSTRING) {
        return PRO_TK_BAD_INPUTS;
    }
    if (key->i == kKeyToolId) {
        if (!value->w || tools(model).find(*value->w) == nullptr) {
            return PRO_TK_E_NOT_FOUND;
        }
        hasTool = true;
    }
    return PRO_TK_NO_ERROR;
}

ProError entryCheck(Model& model, const TreeNode& entry) {
    if (entry.id != kElemTableEntry || entry.kind != ElementKind::Array) {
        return PRO_TK_BAD_INPUTS;
    }
    std::unordered_set<int> keys;
    bool hasTool = false;
    for (const TreeNode& pair : entry.children) {
        if (ProError rc = pairCheck(model, pair, keys, hasTool)) {
            return rc;
        }
    }
    // Every entry places a tool at a position.
    return hasTool && keys.count(kKeyPosition) != 0 ? PRO_TK_NO_ERROR : PRO_TK_BAD_INPUTS;
}

ProError tableCheck(Model& model, const TreeNode& table, std::unordered_set<int>& heads) {
    if (table.id != kElemToolTable || table.children.size() != 2) {
        return PRO_TK_BAD_INPUTS;
    }
    const TreeNode* headNode = onlyChild(table, kElemTableHead);
    const TreeNode* entries = onlyChild(table, kElemTableEntries);
    const ValueContent* head = headNode != nullptr ? singleValue(*headNode) : nullptr;
    if (head == nullptr || head->type != PRO_VALUE_TYPE_INT || (head->i != 1 && head->i != 2) ||
        !heads.insert(head->i).second || entries == nullptr ||
        entries->kind != ElementKind::Array) {
        return PRO_TK_BAD_INPUTS;
    }
    for (const TreeNode& entry : entries->children) {
        if (ProError rc = entryCheck(model, entry)) {
            return rc;
        }
    }
    return PRO_TK_NO_ERROR;
}

const bool kRegistered = [] {
    featureRedefineCheckAdd(kFeatWorkcell, workcellTreeCheck);
    featureNcseqTypeAdd(kFeatNcseq);
    featureDeleteHookAdd([](Model& model, int featureId) {
        MfgState& state = mfgState(model);
        if (state.activeOperation == featureId) {
            state.activeOperation = 0;
        }
    });
    return true;
}();

}  // namespace

int toolTableKeyType(int key) {
    if (key == 1 || key == 3 || key == 5 || (key >= 8 && key <= 15)) {
        return PRO_VALUE_TYPE_INT;
    }
    if (key == 2 || key == 4 || (key >= 16 && key <= 22)) {
        return PRO_VALUE_TYPE_WSTRING;
    }
    if (key == 6 || key == 7 || (key >= 23 && key <= 36)) {
        return PRO_VALUE_TYPE_DOUBLE;
    }
    return 0;
}

ProError workcellTreeCheck(Model& model, const TreeNode& tree) {
    const TreeNode* tables = nullptr;
    for (const TreeNode& child : tree.children) {
        if (child.id == kElemToolTables) {
            if (tables != nullptr) {
                return PRO_TK_BAD_INPUTS;
            }
            tables = &child;
        }
    }
    if (tables == nullptr) {
        return PRO_TK_NO_ERROR;  // a workcell without tool tables
    }
    if (tables->kind != ElementKind::Array) {
        return PRO_TK_BAD_INPUTS;
    }
    std::unordered_set<int> heads;
    for (const TreeNode& table : tables->children) {
        if (ProError rc = tableCheck(model, table, heads)) {
            return rc;
        }
    }
    return PRO_TK_NO_ERROR;
}

namespace {

// A leaf element of `id` holding one value.
TreeNode treeLeaf(int id, ValueContent content) {
    TreeNode node;
    node.id = id;
    node.values.push_back(std::move(content));
    return node;
}

}  // namespace

TreeNode treeInt(int id, int value) {
    ValueContent content;
    content.type = PRO_VALUE_TYPE_INT;
    content.i = value;
    return treeLeaf(id, std::move(content));
}

TreeNode treeDouble(int id, double value) {
    ValueContent content;
    content.type = PRO_VALUE_TYPE_DOUBLE;
    content.d = value;
    return treeLeaf(id, std::move(content));
}

TreeNode treeWide(int id, const std::wstring& value) {
    ValueContent content;
    content.type = PRO_VALUE_TYPE_WSTRING;
    content.w = value;
    return treeLeaf(id, std::move(content));
}

TreeNode treeCompound(int id) {
    TreeNode node;
    node.id = id;
    node.kind = elementIdIsArray(id) ? ElementKind::Array : ElementKind::Compound;
    return node;
}

}  // namespace simhost::state
