// The manufacturing sections of model files (docs/model-files.md): "tools",
// "active_operation", and the short forms "workcells", "operations" and "nc_sequences",
// which expand into features with their element trees and parameters once the whole
// file is read, and are saved as such.
#include <ProToolkit.h>
#include <ProValue.h>

#include <stdexcept>
#include <string>

#include <nlohmann/json.hpp>

#include "simhost/core/wide.h"
#include "simhost/state/features.h"
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
        value.d = v.get<double>();
    } else if (v.is_string()) {
        value.type = kParamString;
        value.s = core::fromUtf8(v.get<std::string>());
        if (value.s.size() > kParamTextMax) {
            fail("parameter text");
        }
    } else if (v.is_boolean()) {
        value.type = kParamBoolean;
        value.b = v.get<bool>();
    } else if (v.is_object() && v.size() == 1 && v.contains("integer")) {
        value.type = kParamInteger;
        value.i = v.at("integer").get<int>();
    } else {
        fail("parameter value");
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
    tool.id = wideFrom(entry.at("id"));
    tool.type = entry.value("type", 0);
    if (!toolIdValid(tool.id) || (tool.type != 0 && !toolTypeKnown(tool.type))) {
        fail("tool id or type");
    }
    const json params = entry.value("parameters", json::object());
    for (const auto& p : params.items()) {
        std::wstring name = core::fromUtf8(p.key());
        if (!paramNameValid(name)) {
            fail("tool parameter name");
        }
        toolParamSet(tool.params, name, paramFromJson(p.value()));
    }
    if (entry.contains("model")) {
        const json& model = entry.at("model");
        tool.modelName = upperName(model.at("name").get<std::string>());
        tool.modelType = modelTypeFromText(model.at("type").get<std::string>());
        if (!modelNameValid(tool.modelName) ||
            (tool.modelType != kPart && tool.modelType != kAssembly)) {
            fail("tool model");
        }
    } else if (tool.type == 0) {
        fail("tool without type or model");
    }
    tool.attribute = entry.value("attribute", 0);
    return tool;
}

void readTools(Model& model, const json& section) {
    if (model.type != kMfg || !section.is_array()) {
        fail("tools");
    }
    ToolStore& store = tools(model);
    store = ToolStore{};
    for (const json& entry : section) {
        if (store.add(toolFromJson(entry)) == nullptr) {
            fail("tool id taken");
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
        for (const json& entry : list) {
            if (entry.contains("id")) {
                store_.reserveIds(entry.at("id").get<int>() + 1);
            }
        }
    }

    void workcell(const json& entry) {
        TreeNode tree = root(kFeatWorkcell, entry);
        tree.children.push_back(treeInt(kElemWcellType, entry.value("type", 1)));
        tree.children.push_back(treeInt(kElemWcellAxes, entry.value("axes", 3)));
        if (entry.contains("lathe_direction")) {
            tree.children.push_back(
                treeInt(kElemWcellLatheDir, entry.at("lathe_direction").get<int>()));
        }
        TreeNode tables = treeCompound(kElemToolTables);
        for (const json& table : entry.value("tool_tables", json::array())) {
            tables.children.push_back(toolTable(table));
        }
        tree.children.push_back(std::move(tables));
        tree.children.push_back(comments(entry));
        if (workcellTreeCheck(model_, tree) != PRO_TK_NO_ERROR) {
            fail("workcell tool tables");
        }
        add(kFeatWorkcell, entry, std::move(tree), false);
    }

    void operation(const json& entry) {
        TreeNode tree = root(kFeatOperation, entry);
        tree.children.push_back(
            treeInt(kElemOperWorkcell, reference(entry.at("workcell"), kFeatWorkcell)));
        if (entry.contains("origin")) {
            tree.children.push_back(origin(entry.at("origin")));
        }
        tree.children.push_back(comments(entry));
        add(kFeatOperation, entry, std::move(tree), false);
    }

    void ncseq(const json& entry) {
        int type = entry.value("type", kFeatNcseq);
        TreeNode tree = root(type, entry);
        tree.children.push_back(
            treeInt(kElemNcseqOper, reference(entry.at("operation"), kFeatOperation)));
        std::wstring tool = wideFrom(entry.at("tool"));
        if (tools(model_).find(tool) == nullptr) {
            fail("NC sequence tool");
        }
        tree.children.push_back(treeWide(kElemNcseqTool, tool));
        tree.children.push_back(treeInt(kElemTableHead, entry.value("head", 1)));
        tree.children.push_back(treeInt(kElemNcseqPosition, entry.value("position", 1)));
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
        tree.children.push_back(treeWide(kElemMfgName, wideFrom(entry.at("name"))));
        return tree;
    }

    static TreeNode comments(const json& entry) {
        TreeNode node;
        node.id = kElemComments;
        node.multival = true;
        for (const json& line : entry.value("comments", json::array())) {
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
                                   : store_.item(ref.get<int>());
        if (item == nullptr || item->type != PRO_CSYS) {
            fail("operation origin");
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
        node.children.push_back(treeInt(kElemTableHead, table.at("head").get<int>()));
        TreeNode entries = treeCompound(kElemTableEntries);
        for (const json& entry : table.value("entries", json::array())) {
            TreeNode row = treeCompound(kElemTableEntry);
            for (const json& pair : entry) {
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
            fail("tool-table pair");
        }
        int key = pair.at(0).get<int>();
        const json& v = pair.at(1);
        int type = toolTableKeyType(key);
        if (type == 0) {
            type = v.is_string()           ? PRO_VALUE_TYPE_WSTRING
                   : v.is_number_integer() ? PRO_VALUE_TYPE_INT
                                           : PRO_VALUE_TYPE_DOUBLE;
        }
        TreeNode node = treeCompound(kElemEntryPair);
        node.children.push_back(treeInt(kElemPairKey, key));
        switch (type) {
            case PRO_VALUE_TYPE_INT:
                node.children.push_back(treeInt(kElemPairValue, v.get<int>()));
                break;
            case PRO_VALUE_TYPE_DOUBLE:
                node.children.push_back(treeDouble(kElemPairValue, v.get<double>()));
                break;
            default:
                node.children.push_back(treeWide(kElemPairValue, wideFrom(v)));
                break;
        }
        return node;
    }

    int reference(const json& ref, int type) {
        const Feature* feature = ref.is_string() ? store_.byName(upperName(ref.get<std::string>()))
                                                 : store_.find(ref.get<int>());
        if (feature == nullptr || feature->type != type) {
            fail("reference to feature");
        }
        return feature->id;
    }

    int add(int type, const json& entry, TreeNode tree, bool ncseq) {
        Feature feature;
        feature.id = entry.contains("id") ? entry.at("id").get<int>() : store_.nextId();
        feature.type = type;
        feature.name = upperName(entry.at("name").get<std::string>());
        feature.status = entry.value("status", kFeatActive);
        feature.ncseq = ncseq;
        feature.tree = std::move(tree);
        if (!modelNameValid(feature.name) || !featureStatusKnown(feature.status)) {
            fail("feature name or status");
        }
        int id = feature.id;
        if (!store_.load(std::move(feature))) {
            fail("feature id or name taken");
        }
        const json list = entry.value("parameters", json::object());
        for (const auto& p : list.items()) {
            std::wstring name = core::fromUtf8(p.key());
            if (!paramNameValid(name) || params(model_).add(ItemKey{kFeatureItem, id}, name,
                                                            paramFromJson(p.value())) == nullptr) {
                fail("feature parameter");
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
        fail("manufacturing sections in a model of another type");
    }
    Expander expander(model);
    for (const json* list : {&taken.workcells, &taken.operations, &taken.ncseqs}) {
        if (!list->is_null() && !list->is_array()) {
            fail("manufacturing section");
        }
        expander.reserve(list->is_null() ? json::array() : *list);
    }
    for (const json& entry : taken.workcells.is_null() ? json::array() : taken.workcells) {
        expander.workcell(entry);
    }
    for (const json& entry : taken.operations.is_null() ? json::array() : taken.operations) {
        expander.operation(entry);
    }
    for (const json& entry : taken.ncseqs.is_null() ? json::array() : taken.ncseqs) {
        expander.ncseq(entry);
    }
    expander.active(taken.active);
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
