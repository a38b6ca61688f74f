// Relation sets of solids and their section of the model file.
#include "simhost/state/relsets.h"

#include <climits>
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

const std::vector<std::wstring> kNoLines;

json linesToJson(const std::vector<std::wstring>& lines) {
    json out = json::array();
    for (const auto& line : lines) {
        out.push_back(core::toUtf8(line));
    }
    return out;
}

std::vector<std::wstring> linesFromJson(const json& list) {
    std::vector<std::wstring> out;
    std::size_t index = 0;
    for (const json& line : listOf(list)) {
        JsonPlace place(index++);
        out.push_back(core::fromUtf8(line.get<std::string>()));
        if (out.back().size() > kRelationLineMax) {
            throw std::invalid_argument("a relation of more than " +
                                        std::to_string(kRelationLineMax) + " characters");
        }
    }
    return out;
}

bool modelOwned(const Model& model, const ItemKey& owner) {
    return owner.type == model.type;
}

void installFeatureHook() {
    static const bool installed = [] {
        featureDeleteHookAdd(
            [](Model& model, int featureId) { relsets(model).dropFeature(featureId); });
        return true;
    }();
    (void)installed;
}

const bool kCodecRegistered = [] {
    sectionCodecAdd({"relations",
                     [](Model& model, const json& section) { relsets(model).fromJson(section); },
                     [](Model& model) { return relsets(model).toJson(); }});
    return true;
}();

}  // namespace

RelsetStore::RelsetStore() {
    installFeatureHook();
}

const std::vector<std::wstring>* RelsetStore::lines(const Model& model,
                                                    const ItemKey& owner) const {
    if (modelOwned(model, owner)) {
        if (owner.id == model.id) {
            return &model_;
        }
        return owner.id == kPostRegenRelsetId ? &postRegen_ : nullptr;
    }
    if (owner.type != kFeatureItem) {
        return nullptr;
    }
    auto it = features_.find(owner.id);
    return it == features_.end() ? &kNoLines : &it->second.lines;
}

bool RelsetStore::replace(const Model& model, const ItemKey& owner,
                          std::vector<std::wstring> lines) {
    if (modelOwned(model, owner)) {
        if (owner.id == model.id) {
            model_ = std::move(lines);
            return true;
        }
        if (owner.id == kPostRegenRelsetId) {
            postRegen_ = std::move(lines);
            return true;
        }
        return false;
    }
    if (owner.type != kFeatureItem) {
        return false;
    }
    auto it = features_.find(owner.id);
    if (lines.empty()) {
        if (it != features_.end()) {
            featureOrder_.erase(it->second.position);
            features_.erase(it);
        }
        return true;
    }
    if (it == features_.end()) {
        featureOrder_.push_back(owner.id);
        it = features_.emplace(owner.id, FeatureSet{{}, std::prev(featureOrder_.end())}).first;
    }
    it->second.lines = std::move(lines);
    return true;
}

std::vector<ItemKey> RelsetStore::owners(const Model& model) const {
    std::vector<ItemKey> out = {ItemKey{model.type, model.id},
                                ItemKey{model.type, kPostRegenRelsetId}};
    for (int id : featureOrder_) {
        out.push_back(ItemKey{kFeatureItem, id});
    }
    return out;
}

void RelsetStore::dropFeature(int featureId) {
    auto it = features_.find(featureId);
    if (it != features_.end()) {
        featureOrder_.erase(it->second.position);
        features_.erase(it);
    }
}

json RelsetStore::toJson() const {
    if (model_.empty() && postRegen_.empty() && features_.empty()) {
        return nullptr;
    }
    json out = json::object();
    if (!model_.empty()) {
        out["model"] = linesToJson(model_);
    }
    if (!postRegen_.empty()) {
        out["post_regeneration"] = linesToJson(postRegen_);
    }
    if (!featureOrder_.empty()) {
        // Listed in the order the sets got their relations, which the visit keeps.
        json list = json::array();
        for (int id : featureOrder_) {
            list.push_back({{"feature", id}, {"lines", linesToJson(features_.at(id).lines)}});
        }
        out["features"] = std::move(list);
    }
    return out;
}

void RelsetStore::fromJson(const json& section) {
    if (!section.is_object()) {
        throw std::invalid_argument("the relations section is an object");
    }
    {
        JsonPlace place("model");
        model_ = linesFromJson(keyListOr(section, "model"));
    }
    {
        JsonPlace place("post_regeneration");
        postRegen_ = linesFromJson(keyListOr(section, "post_regeneration"));
    }
    featureOrder_.clear();
    features_.clear();
    JsonPlace featuresPlace("features");
    std::size_t index = 0;
    for (const json& entry : keyListOr(section, "features")) {
        JsonPlace place(index++);
        int id = keyInt(entry, "feature", INT_MIN, kIdMax);
        if (id <= 0 || features_.count(id) != 0) {
            JsonPlace featurePlace("feature");
            throw std::invalid_argument("feature " + std::to_string(id) +
                                        " is not positive or has relations already");
        }
        JsonPlace linesPlace("lines");
        std::vector<std::wstring> lines = linesFromJson(entry.at("lines"));
        if (!lines.empty()) {
            featureOrder_.push_back(id);
            features_.emplace(id, FeatureSet{std::move(lines), std::prev(featureOrder_.end())});
        }
    }
}

}  // namespace simhost::state
