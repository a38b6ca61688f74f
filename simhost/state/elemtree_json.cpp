#include "simhost/state/elemtree_json.h"

#include <stdexcept>
#include <utility>

#include "simhost/core/wide.h"
#include "simhost/state/json_numbers.h"
#include "simhost/state/json_place.h"

namespace simhost::state {
namespace {

using nlohmann::json;

constexpr const char* kValueKeys[] = {"int",     "double",    "pointer",   "string",
                                      "wstring", "selection", "transform", "boolean"};

json modelName(const void* model, const TreeModels& models) {
    std::string name = model != nullptr && models.nameOf ? models.nameOf(model) : std::string();
    return name.empty() ? json(nullptr) : json(name);
}

void* modelByName(const json& name, const TreeModels& models) {
    return name.is_string() && models.byName ? models.byName(name.get<std::string>()) : nullptr;
}

json valueToJson(const ValueContent& c, const TreeModels& models) {
    switch (c.type) {
        case PRO_VALUE_TYPE_INT:
            return {{"int", c.i}};
        case PRO_VALUE_TYPE_DOUBLE:
            return {{"double", c.d}};
        case PRO_VALUE_TYPE_POINTER:
            return {{"pointer", modelName(c.p, models)}};
        case PRO_VALUE_TYPE_STRING:
            return {{"string", c.s ? json(*c.s) : json(nullptr)}};
        case PRO_VALUE_TYPE_WSTRING:
            return {{"wstring", c.w ? json(core::toUtf8(*c.w)) : json(nullptr)}};
        case PRO_VALUE_TYPE_SELECTION: {
            if (!c.r) {
                return {{"selection", nullptr}};
            }
            json selection = {{"type", c.r->item.type},
                              {"id", c.r->item.id},
                              {"owner", modelName(c.r->item.owner, models)}};
            if (c.r->path) {
                json ids = json::array();
                for (int k = 0; k < c.r->path->table_num; ++k) {
                    ids.push_back(c.r->path->comp_id_table[k]);
                }
                selection["path"] = {{"owner", modelName(c.r->path->owner, models)}, {"ids", ids}};
            }
            return {{"selection", selection}};
        }
        case PRO_VALUE_TYPE_TRANSFORM: {
            json rows = json::array();
            for (const auto& row : c.t) {
                rows.push_back({row[0], row[1], row[2], row[3]});
            }
            return {{"transform", rows}};
        }
        case PRO_VALUE_TYPE_BOOLEAN:
            return {{"boolean", c.b == PRO_B_TRUE}};
        default:
            return json::object();
    }
}

// A tree the host refuses, with the reason prefixed once.
struct MalformedTree : std::invalid_argument {
    using std::invalid_argument::invalid_argument;
};

[[noreturn]] void malformed(const std::string& what) {
    throw MalformedTree("element tree: " + what);
}

ValueContent valueFromJson(const json& j, const TreeModels& models) {
    ValueContent c;
    for (int type = 1; type <= 8; ++type) {
        const char* key = kValueKeys[type - 1];
        if (!j.contains(key)) {
            continue;
        }
        JsonPlace place(key);
        const json& v = j.at(key);
        c.type = type;
        switch (type) {
            case PRO_VALUE_TYPE_INT:
                c.i = intIn(v);
                break;
            case PRO_VALUE_TYPE_DOUBLE:
                c.d = doubleIn(v);
                break;
            case PRO_VALUE_TYPE_POINTER:
                c.p = modelByName(v, models);
                break;
            case PRO_VALUE_TYPE_STRING:
                if (!v.is_null()) {
                    c.s = v.get<std::string>();
                }
                break;
            case PRO_VALUE_TYPE_WSTRING:
                if (!v.is_null()) {
                    c.w = core::fromUtf8(v.get<std::string>());
                }
                break;
            case PRO_VALUE_TYPE_SELECTION:
                if (!v.is_null()) {
                    SelectionData r;
                    r.item.type =
                        static_cast<ProType>(keyInt(v, "type", PRO_TYPE_UNUSED, PRO_FAMILY_TABLE));
                    r.item.id = keyInt(v, "id");
                    r.item.owner = modelByName(v.value("owner", json()), models);
                    if (v.contains("path")) {
                        JsonPlace pathPlace("path");
                        JsonPlace idsPlace("ids");
                        const json& ids = listOf(v.at("path").at("ids"));
                        if (ids.size() > PRO_MAX_ASSEM_LEVEL) {
                            malformed("component path too deep");
                        }
                        ProAsmcomppath path{};
                        path.owner = static_cast<ProSolid>(
                            modelByName(v.at("path").value("owner", json()), models));
                        for (const json& id : ids) {
                            JsonPlace idPlace(static_cast<std::size_t>(path.table_num));
                            path.comp_id_table[path.table_num++] = intIn(id);
                        }
                        r.path = path;
                    }
                    c.r = r;
                }
                break;
            case PRO_VALUE_TYPE_TRANSFORM:
                if (!v.is_array() || v.size() != 4) {
                    malformed("a transform has four rows");
                }
                for (int row = 0; row < 4; ++row) {
                    const json& cells = v.at(static_cast<std::size_t>(row));
                    if (!cells.is_array() || cells.size() != 4) {
                        malformed("a transform row has four numbers");
                    }
                    for (int col = 0; col < 4; ++col) {
                        c.t[row][col] = doubleIn(cells.at(static_cast<std::size_t>(col)));
                    }
                }
                break;
            case PRO_VALUE_TYPE_BOOLEAN:
                c.b = v.get<bool>() ? PRO_B_TRUE : PRO_B_FALSE;
                break;
        }
        return c;
    }
    malformed("value without a type");
}

bool hasValueKey(const json& j) {
    for (const char* key : kValueKeys) {
        if (j.contains(key)) {
            return true;
        }
    }
    return false;
}

// The element `j` at `level` of its tree (the root is level 1) with its subtree. The
// recursion is as deep as the tree, which is bounded by kTreeLevelsMax.
TreeNode nodeFromJson(const json& j, const TreeModels& models, int level) {
    if (!j.is_object()) {
        malformed("an element is an object");
    }
    if (level > kTreeLevelsMax) {
        malformed("more than " + std::to_string(kTreeLevelsMax) + " levels");
    }
    TreeNode node;
    node.id = keyInt(j, "id");
    bool array = elementIdIsArray(node.id);
    if (j.contains("children") || array) {
        if (j.contains("values") || hasValueKey(j)) {
            malformed("element " + std::to_string(node.id) + " has children and a value");
        }
        node.kind = array ? ElementKind::Array : ElementKind::Compound;
        const json& children = keyListOr(j, "children");
        JsonPlace place("children");
        node.children.reserve(children.size());
        std::size_t index = 0;
        for (const json& child : children) {
            JsonPlace childPlace(index++);
            node.children.push_back(nodeFromJson(child, models, level + 1));
        }
    } else if (j.contains("values")) {
        node.multival = true;
        const json& values = keyListOr(j, "values");
        JsonPlace place("values");
        std::size_t index = 0;
        for (const json& value : values) {
            JsonPlace valuePlace(index++);
            node.values.push_back(valueFromJson(value, models));
        }
    } else if (hasValueKey(j)) {
        node.values.push_back(valueFromJson(j, models));
    }
    return node;
}

}  // namespace

nlohmann::json treeToJson(const TreeNode& root, const TreeModels& models) {
    json out = {{"id", root.id}};
    if (root.kind != ElementKind::Plain) {
        json children = json::array();
        for (const TreeNode& child : root.children) {
            children.push_back(treeToJson(child, models));
        }
        out["children"] = std::move(children);
    } else if (root.multival) {
        json values = json::array();
        for (const ValueContent& value : root.values) {
            values.push_back(valueToJson(value, models));
        }
        out["values"] = std::move(values);
    } else if (!root.values.empty()) {
        out.update(valueToJson(root.values.front(), models));
    }
    return out;
}

TreeNode treeFromJson(const nlohmann::json& j, const TreeModels& models) {
    try {
        return nodeFromJson(j, models, 1);
    } catch (const MalformedTree&) {
        throw;
    } catch (const std::exception& e) {
        malformed(readerMessage(e));
    }
}

}  // namespace simhost::state
