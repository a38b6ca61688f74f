// The manufacturing sections of model files (docs/model-files.md): "tools",
// "active_operation", and the short forms "workcells", "operations" and "nc_sequences",
// which expand into features with their element trees and parameters once the whole
// file is read, and are saved as such.
#include <ProToolkit.h>
#include <ProValue.h>

#include <climits>
#include <stdexcept>
#include <string>

#include <nlohmann/json.hpp>

#include "simhost/core/wide.h"
#include "simhost/state/features.h"
#include "simhost/state/id_range.h"
#include "simhost/state/json_numbers.h"
#include "simhost/state/json_place.h"
#include "simhost/state/mfg.h"
#include "simhost/state/model_files.h"
#include "simhost/state/params.h"
#include "simhost/state/tools.h"

namespace simhost::state {

namespace {

using nlohmann::json;

// The short-form sections until the whole file is read.
struct MfgPending {
    json workcells;
    json operations;
    json ncseqs;
    json active;
};

void fail(const std::string& what) {
    throw std::invalid_argument(what);
}

// Parameter values: a number is a double, a text a string, true/false a boolean and
// {"integer": n} an integer.
ParamValue paramFromJson(const json& v) {
    ParamValue value;
    if (v.is_number()) {
        value.type = kParamDouble;
        value.d = doubleIn(v);
    } else if (v.is_string()) {
        value.type = kParamString;
        value.s = core::fromUtf8(v.get<std::string>());
        if (value.s.size() > kParamTextMax) {
            fail("a text of more than " + std::to_string(kParamTextMax) + " characters");
        }
    } else if (v.is_boolean()) {
        value.type = kParamBoolean;
        value.b = v.get<bool>();
    } else if (v.is_object() && v.size() == 1 && v.contains("integer")) {
        value.type = kParamInteger;
        value.i = keyInt(v, "integer");
    } else {
        fail("a parameter value is a number, a text, true, false or {\"integer\": n}");
    }
    return value;
}

json paramToJson(const ParamValue& value) {
    switch (value.type) {
        case kParamDouble:
            return value.d;
        case kParamString:
            return core::toUtf8(value.s);
        case kParamInteger:
            return {{"integer", value.i}};
        default:
            return value.b;
    }
}

std::wstring wideFrom(const json& v) {
    return core::fromUtf8(v.get<std::string>());
}

// ---- tools -------------------------------------------------------------------------

Tool toolFromJson(const json& entry) {
    Tool tool;
    {
        JsonPlace place("id");
        tool.id = wideFrom(entry.at("id"));
        if (!toolIdValid(tool.id)) {
            fail("a tool id has 1 to " + std::to_string(kToolIdMax) + " characters");
        }
    }
    tool.type = keyIntOr(entry, "type", 0);
    if (tool.type != 0 && !toolTypeKnown(tool.type)) {
        JsonPlace place("type");
        fail("unknown tool type " + std::to_string(tool.type));
    }
    {
        const json& params = keyObjectOr(entry, "parameters");
        JsonPlace paramsPlace("parameters");
        for (const auto& p : params.items()) {
            JsonPlace place(p.key());
            std::wstring name = core::fromUtf8(p.key());
            if (!paramNameValid(name)) {
                fail("\"" + p.key() + "\" is no parameter name");
            }
            toolParamSet(tool.params, name, paramFromJson(p.value()));
        }
    }
    if (entry.contains("model")) {
        JsonPlace place("model");
        const json& model = entry.at("model");
        tool.modelName = upperName(keyAs<std::string>(model, "name"));
        tool.modelType = modelTypeFromText(keyAs<std::string>(model, "type"));
        if (!modelNameValid(tool.modelName) ||
            (tool.modelType != kPart && tool.modelType != kAssembly)) {
            fail("a tool model is a part or assembly with a valid name");
        }
    } else if (tool.type == 0) {
        fail("a tool needs a type or a model");
    }
    tool.attribute = keyIntOr(entry, "attribute", 0);
    return tool;
}

void readTools(Model& model, const json& section) {
    if (model.type != kMfg) {
        fail("only a manufacturing model has tools");
    }
    if (!section.is_array()) {
        fail("the tools are a list");
    }
    ToolStore& store = tools(model);
    store = ToolStore{};
    for (std::size_t i = 0; i < section.size(); ++i) {
        JsonPlace place(i);
        if (store.add(toolFromJson(section[i])) == nullptr) {
            JsonPlace idPlace("id");
            fail("the tool id is taken");
        }
    }
}

json writeTools(Model& model) {
    if (model.type != kMfg || tools(model).list().empty()) {
        return nullptr;
    }
    json out = json::array();
    for (const Tool& tool : tools(model).list()) {
        json entry = {{"id", core::toUtf8(tool.id)}, {"type", tool.type}};
        if (!tool.params.empty()) {
            json params = json::object();
            for (const ToolParam& p : tool.params) {
                params[core::toUtf8(p.name)] = paramToJson(p.value);
            }
            entry["parameters"] = std::move(params);
        }
        if (!tool.modelName.empty()) {
            entry["model"] = {{"name", tool.modelName}, {"type", modelTypeText(tool.modelType)}};
            entry["attribute"] = tool.attribute;
        }
        out.push_back(std::move(entry));
    }
    return out;
}

// ---- short forms of manufacturing features -----------------------------------------

class Expander {
public:
    explicit Expander(Model& model) : model_(model), store_(features(model)) {}

    void reserve(const json& list) {
        std::size_t index = 0;
        for (const json& entry : list) {
            JsonPlace place(index++);
            if (entry.contains("id")) {
                store_.reserveIds(keyInt(entry, "id", INT_MIN, kIdMax) + 1);
            }
        }
    }

    void workcell(const json& entry) {
        TreeNode tree = root(kFeatWorkcell, entry);
        tree.children.push_back(treeInt(kElemWcellType, keyIntOr(entry, "type", 1)));
        tree.children.push_back(treeInt(kElemWcellAxes, keyIntOr(entry, "axes", 3)));
        if (entry.contains("lathe_direction")) {
            tree.children.push_back(treeInt(kElemWcellLatheDir, keyInt(entry, "lathe_direction")));
        }
        TreeNode tables = treeCompound(kElemToolTables);
        {
            const json& list = keyListOr(entry, "tool_tables");
            JsonPlace place("tool_tables");
            std::size_t index = 0;
            for (const json& table : list) {
                JsonPlace tablePlace(index++);
                tables.children.push_back(toolTable(table));
            }
        }
        tree.children.push_back(std::move(tables));
        tree.children.push_back(comments(entry));
        if (ProError rc = workcellTreeCheck(model_, tree)) {
            JsonPlace place("tool_tables");
            fail(rc == PRO_TK_E_NOT_FOUND
                     ? "a tool table names a tool the model does not have"
                     : "tool tables with a head other than 1 or 2, two tables of one head, a "
                       "key given twice, a value of another type than its key's, or an entry "
                       "without position or tool id");
        }
        add(kFeatWorkcell, entry, std::move(tree), false);
    }

    void operation(const json& entry) {
        TreeNode tree = root(kFeatOperation, entry);
        {
            JsonPlace place("workcell");
            tree.children.push_back(
                treeInt(kElemOperWorkcell, reference(entry.at("workcell"), kFeatWorkcell)));
        }
        if (entry.contains("origin")) {
            JsonPlace place("origin");
            tree.children.push_back(origin(entry.at("origin")));
        }
        tree.children.push_back(comments(entry));
        add(kFeatOperation, entry, std::move(tree), false);
    }

    void ncseq(const json& entry) {
        int type = keyIntOr(entry, "type", kFeatNcseq);
        TreeNode tree = root(type, entry);
        {
            JsonPlace place("operation");
            tree.children.push_back(
                treeInt(kElemNcseqOper, reference(entry.at("operation"), kFeatOperation)));
        }
        std::wstring tool;
        {
            JsonPlace place("tool");
            tool = wideFrom(entry.at("tool"));
            if (tools(model_).find(tool) == nullptr) {
                fail("the model has no tool \"" + core::toUtf8(tool) + "\"");
            }
        }
        tree.children.push_back(treeWide(kElemNcseqTool, tool));
        tree.children.push_back(treeInt(kElemTableHead, keyIntOr(entry, "head", 1)));
        tree.children.push_back(treeInt(kElemNcseqPosition, keyIntOr(entry, "position", 1)));
        int id = add(type, entry, std::move(tree), true);
        ParamValue value;
        value.type = kParamString;
        value.s = tool;
        params(model_).add(ItemKey{kFeatureItem, id}, L"TOOL_ID", value);
    }

    void active(const json& ref) {
        if (!ref.is_null()) {
            mfgState(model_).activeOperation = reference(ref, kFeatOperation);
        }
    }

private:
    TreeNode root(int type, const json& entry) {
        TreeNode tree = treeCompound(kElemFeatureTree);
        tree.children.push_back(treeInt(kElemFeatureType, type));
        tree.children.push_back(
            treeWide(kElemMfgName, core::fromUtf8(keyAs<std::string>(entry, "name"))));
        return tree;
    }

    static TreeNode comments(const json& entry) {
        TreeNode node;
        node.id = kElemComments;
        node.multival = true;
        const json& lines = keyListOr(entry, "comments");
        JsonPlace place("comments");
        for (const json& line : lines) {
            ValueContent content;
            content.type = PRO_VALUE_TYPE_WSTRING;
            content.w = wideFrom(line);
            node.values.push_back(std::move(content));
        }
        return node;
    }

    // A coordinate system by the name of its item (or its feature) or by item id.
    TreeNode origin(const json& ref) {
        const GeomItem* item = ref.is_string()
                                   ? store_.itemByName(PRO_CSYS, upperName(ref.get<std::string>()))
                                   : store_.item(intIn(ref));
        if (item == nullptr || item->type != PRO_CSYS) {
            fail("names no coordinate system of the model");
        }
        TreeNode node;
        node.id = kElemOperOrigin;
        ValueContent content;
        content.type = PRO_VALUE_TYPE_SELECTION;
        SelectionData data;
        data.item.type = PRO_CSYS;
        data.item.id = item->id;
        data.item.owner = modelHandle(model_.id);
        content.r = data;
        node.values.push_back(std::move(content));
        return node;
    }

    static TreeNode toolTable(const json& table) {
        TreeNode node = treeCompound(kElemToolTable);
        node.children.push_back(treeInt(kElemTableHead, keyInt(table, "head")));
        TreeNode entries = treeCompound(kElemTableEntries);
        const json& list = keyListOr(table, "entries");
        JsonPlace place("entries");
        std::size_t index = 0;
        for (const json& entry : list) {
            JsonPlace entryPlace(index++);
            TreeNode row = treeCompound(kElemTableEntry);
            std::size_t pairIndex = 0;
            for (const json& pair : listOf(entry)) {
                JsonPlace pairPlace(pairIndex++);
                row.children.push_back(valuePair(pair));
            }
            entries.children.push_back(std::move(row));
        }
        node.children.push_back(std::move(entries));
        return node;
    }

    // [key, value]: the value takes the type the key defines; for other keys an integer,
    // a double or a text as written.
    static TreeNode valuePair(const json& pair) {
        if (!pair.is_array() || pair.size() != 2) {
            fail("a tool-table entry holds [key, value] pairs");
        }
        int key = 0;
        {
            JsonPlace keyPlace(std::size_t{0});
            key = intIn(pair.at(0));
        }
        const json& v = pair.at(1);
        int type = toolTableKeyType(key);
        if (type == 0) {
            type = v.is_string()           ? PRO_VALUE_TYPE_WSTRING
                   : v.is_number_integer() ? PRO_VALUE_TYPE_INT
                                           : PRO_VALUE_TYPE_DOUBLE;
        }
        TreeNode node = treeCompound(kElemEntryPair);
        node.children.push_back(treeInt(kElemPairKey, key));
        JsonPlace valuePlace(std::size_t{1});
        switch (type) {
            case PRO_VALUE_TYPE_INT:
                node.children.push_back(treeInt(kElemPairValue, intIn(v)));
                break;
            case PRO_VALUE_TYPE_DOUBLE:
                node.children.push_back(treeDouble(kElemPairValue, doubleIn(v)));
                break;
            default:
                node.children.push_back(treeWide(kElemPairValue, wideFrom(v)));
                break;
        }
        return node;
    }

    int reference(const json& ref, int type) {
        const Feature* feature = ref.is_string() ? store_.byName(upperName(ref.get<std::string>()))
                                                 : store_.find(intIn(ref));
        if (feature == nullptr || feature->type != type) {
            fail(std::string("names no ") + (type == kFeatWorkcell ? "workcell" : "operation") +
                 " of the model");
        }
        return feature->id;
    }

    int add(int type, const json& entry, TreeNode tree, bool ncseq) {
        Feature feature;
        feature.id = entry.contains("id") ? keyInt(entry, "id", INT_MIN, kIdMax) : store_.nextId();
        feature.type = type;
        feature.name = upperName(keyAs<std::string>(entry, "name"));
        feature.status = keyIntOr(entry, "status", kFeatActive);
        feature.ncseq = ncseq;
        feature.tree = std::move(tree);
        if (!modelNameValid(feature.name)) {
            JsonPlace place("name");
            fail("\"" + feature.name + "\" is no name (1 to 31 letters, digits, _ or -)");
        }
        if (!featureStatusKnown(feature.status)) {
            JsonPlace place("status");
            fail("unknown feature status " + std::to_string(feature.status));
        }
        int id = feature.id;
        if (!store_.load(std::move(feature))) {
            fail(id > kIdMax ? "no feature id is left for it"
                             : "feature id " + std::to_string(id) +
                                   " or its name is taken, or the id is not positive");
        }
        const json& list = keyObjectOr(entry, "parameters");
        JsonPlace paramsPlace("parameters");
        for (const auto& p : list.items()) {
            JsonPlace place(p.key());
            std::wstring name = core::fromUtf8(p.key());
            if (!paramNameValid(name) || params(model_).add(ItemKey{kFeatureItem, id}, name,
                                                            paramFromJson(p.value())) == nullptr) {
                fail("\"" + p.key() + "\" is no parameter name, or given twice");
            }
        }
        return id;
    }

    Model& model_;
    FeatureStore& store_;
};

void expand(Model& model) {
    MfgPending& pending = model.content<MfgPending>();
    MfgPending taken = std::move(pending);
    pending = MfgPending{};
    if (taken.workcells.is_null() && taken.operations.is_null() && taken.ncseqs.is_null() &&
        taken.active.is_null()) {
        return;
    }
    if (model.type != kMfg) {
        fail("only a manufacturing model has workcells, operations and NC sequences");
    }
    Expander expander(model);
    struct ShortForm {
        const char* key;
        const json* list;
        void (Expander::*expand)(const json&);
    };
    const ShortForm sections[] = {{"workcells", &taken.workcells, &Expander::workcell},
                                  {"operations", &taken.operations, &Expander::operation},
                                  {"nc_sequences", &taken.ncseqs, &Expander::ncseq}};
    for (const ShortForm& section : sections) {
        JsonPlace place(section.key);
        if (!section.list->is_null() && !section.list->is_array()) {
            fail("the section is a list");
        }
        expander.reserve(section.list->is_null() ? json::array() : *section.list);
    }
    for (const ShortForm& section : sections) {
        JsonPlace place(section.key);
        std::size_t index = 0;
        for (const json& entry : section.list->is_null() ? json::array() : *section.list) {
            JsonPlace entryPlace(index++);
            (expander.*section.expand)(entry);
        }
    }
    {
        JsonPlace place("active_operation");
        expander.active(taken.active);
    }
}

json writeActive(Model& model) {
    if (model.type != kMfg) {
        return nullptr;
    }
    int id = mfgState(model).activeOperation;
    return id != 0 && featureFind(model, id) != nullptr ? json(id) : json(nullptr);
}

SectionCodec pendingCodec(const char* key, json MfgPending::*slot) {
    return {key,
            [slot](Model& model, const json& section) {
                model.content<MfgPending>().*slot = section.is_null() ? json::array() : section;
            },
            [](Model&) { return json(nullptr); }};
}

const bool kRegistered = [] {
    sectionCodecAdd({"tools", readTools, writeTools});
    sectionCodecAdd(pendingCodec("workcells", &MfgPending::workcells));
    sectionCodecAdd(pendingCodec("operations", &MfgPending::operations));
    sectionCodecAdd(pendingCodec("nc_sequences", &MfgPending::ncseqs));
    sectionCodecAdd(
        {"active_operation",
         [](Model& model, const json& section) { model.content<MfgPending>().active = section; },
         writeActive});
    modelLoadHookAdd(expand);
    return true;
}();

}  // namespace

}  // namespace simhost::state
