// Parameters of models and features, and their section of the model file.
#include "simhost/state/params.h"

#include <iterator>
#include <map>
#include <stdexcept>

#include "simhost/core/wide.h"
#include "simhost/state/features.h"
#include "simhost/state/id_range.h"
#include "simhost/state/json_numbers.h"
#include "simhost/state/json_place.h"
#include "simhost/state/model_files.h"

namespace simhost::state {

namespace {

using nlohmann::json;

struct TypeName {
    int type;
    const char* text;
};
constexpr TypeName kTypeNames[] = {{kParamDouble, "double"},
                                   {kParamString, "string"},
                                   {kParamInteger, "integer"},
                                   {kParamBoolean, "boolean"}};

const char* typeText(int type) {
    for (const auto& entry : kTypeNames) {
        if (entry.type == type) {
            return entry.text;
        }
    }
    return "";
}

int typeFromText(const std::string& text) {
    for (const auto& entry : kTypeNames) {
        if (text == entry.text) {
            return entry.type;
        }
    }
    throw std::invalid_argument("unknown parameter type \"" + text + "\"");
}

json paramToJson(const Param& p) {
    json out = {{"name", core::toUtf8(p.name)}, {"type", typeText(p.value.type)}};
    switch (p.value.type) {
        case kParamDouble:
            out["value"] = p.value.d;
            break;
        case kParamString:
            out["value"] = core::toUtf8(p.value.s);
            break;
        case kParamInteger:
            out["value"] = p.value.i;
            break;
        default:
            out["value"] = p.value.b;
            break;
    }
    if (!p.description.empty()) {
        out["description"] = core::toUtf8(p.description);
    }
    return out;
}

void readList(ParamStore& store, const ItemKey& owner, const json& list) {
    std::size_t index = 0;
    for (const json& entry : listOf(list)) {
        JsonPlace place(index++);
        ParamValue value;
        value.type = typeFromText(keyAs<std::string>(entry, "type"));
        {
            JsonPlace valuePlace("value");
            const json& v = entry.at("value");
            switch (value.type) {
                case kParamDouble:
                    value.d = doubleIn(v);
                    break;
                case kParamString:
                    value.s = core::fromUtf8(v.get<std::string>());
                    if (value.s.size() > kParamTextMax) {
                        throw std::invalid_argument("a text of more than " +
                                                    std::to_string(kParamTextMax) + " characters");
                    }
                    break;
                case kParamInteger:
                    value.i = intIn(v);
                    break;
                default:
                    value.b = v.get<bool>();
                    break;
            }
        }
        std::wstring name = core::fromUtf8(keyAs<std::string>(entry, "name"));
        Param* p = paramNameValid(name) ? store.add(owner, name, value) : nullptr;
        if (p == nullptr) {
            JsonPlace namePlace("name");
            throw std::invalid_argument("no parameter name, or one the owner has already");
        }
        p->description = core::fromUtf8(keyOr(entry, "description", std::string()));
        if (p->description.size() > kParamDescriptionMax) {
            JsonPlace descriptionPlace("description");
            throw std::invalid_argument("a description of more than " +
                                        std::to_string(kParamDescriptionMax) + " characters");
        }
    }
}

ItemKey modelKey(const Model& model) {
    return ItemKey{model.type, model.id};
}

void installFeatureHook() {
    static const bool installed = [] {
        featureDeleteHookAdd([](Model& model, int featureId) {
            params(model).dropOwner(ItemKey{kFeatureItem, featureId});
        });
        return true;
    }();
    (void)installed;
}

const bool kCodecRegistered = [] {
    sectionCodecAdd(
        {"parameters",
         [](Model& model, const json& section) { params(model).fromJson(model, section); },
         [](Model& model) { return params(model).toJson(model); }});
    return true;
}();

}  // namespace

bool paramTypeKnown(int type) {
    return type >= kParamDouble && type <= kParamBoolean;
}

bool paramNameValid(const std::wstring& name) {
    if (name.empty() || name.size() > kParamNameMax || (name[0] >= L'0' && name[0] <= L'9')) {
        return false;
    }
    static const std::wstring kRefused = L" \t\r\n+-*/=<>()[]{}!,;:.'\"&|^~$#@%?\\";
    return name.find_first_of(kRefused) == std::wstring::npos;
}

ParamStore::ParamStore() {
    installFeatureHook();
}

Param* ParamStore::find(const ItemKey& owner, const std::wstring& name) {
    auto o = owners_.find(owner);
    if (o == owners_.end()) {
        return nullptr;
    }
    auto it = o->second.byName.find(upperAscii(name));
    return it == o->second.byName.end() ? nullptr : &*it->second;
}

Param* ParamStore::add(const ItemKey& owner, const std::wstring& name, const ParamValue& value) {
    std::wstring key = upperAscii(name);
    OwnerParams& o = owners_[owner];
    if (o.byName.count(key) != 0) {
        return nullptr;
    }
    o.order.push_back(Param{key, value, {}});
    auto it = std::prev(o.order.end());
    o.byName.emplace(key, it);
    return &*it;
}

bool ParamStore::remove(const ItemKey& owner, const std::wstring& name) {
    auto o = owners_.find(owner);
    if (o == owners_.end()) {
        return false;
    }
    auto it = o->second.byName.find(upperAscii(name));
    if (it == o->second.byName.end()) {
        return false;
    }
    o->second.order.erase(it->second);
    o->second.byName.erase(it);
    if (o->second.order.empty()) {
        owners_.erase(o);
    }
    return true;
}

std::vector<std::wstring> ParamStore::names(const ItemKey& owner) const {
    std::vector<std::wstring> out;
    auto o = owners_.find(owner);
    if (o != owners_.end()) {
        out.reserve(o->second.order.size());
        for (const Param& p : o->second.order) {
            out.push_back(p.name);
        }
    }
    return out;
}

void ParamStore::dropOwner(const ItemKey& owner) {
    owners_.erase(owner);
}

json ParamStore::toJson(const Model& model) const {
    json modelList = json::array();
    std::map<int, json> featureLists;
    for (const auto& entry : owners_) {
        json list = json::array();
        for (const Param& p : entry.second.order) {
            list.push_back(paramToJson(p));
        }
        if (entry.first == modelKey(model)) {
            modelList = std::move(list);
        } else if (entry.first.type == kFeatureItem) {
            featureLists[entry.first.id] = std::move(list);
        }
    }
    if (modelList.empty() && featureLists.empty()) {
        return nullptr;
    }
    json out = {{"model", modelList}};
    if (!featureLists.empty()) {
        json byFeature = json::object();
        for (auto& entry : featureLists) {
            byFeature[std::to_string(entry.first)] = std::move(entry.second);
        }
        out["features"] = std::move(byFeature);
    }
    return out;
}

void ParamStore::fromJson(const Model& model, const json& section) {
    owners_.clear();
    if (!section.is_object()) {
        throw std::invalid_argument("the parameters section is an object");
    }
    if (section.contains("model")) {
        JsonPlace place("model");
        readList(*this, modelKey(model), section.at("model"));
    }
    if (section.contains("features")) {
        JsonPlace place("features");
        for (const auto& entry : section.at("features").items()) {
            JsonPlace featurePlace(entry.key());
            std::size_t used = 0;
            int id = 0;
            try {
                id = std::stoi(entry.key(), &used);
            } catch (const std::logic_error&) {
                used = 0;
            }
            if (used != entry.key().size() || id <= 0 || id > kIdMax) {
                throw std::invalid_argument("\"" + entry.key() + "\" is no feature id");
            }
            readList(*this, ItemKey{kFeatureItem, id}, entry.value());
        }
    }
}

}  // namespace simhost::state
