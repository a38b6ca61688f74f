// The store of imported solids and its "imported_solids" section of model files.
#include "simhost/state/imported_solids.h"

#include <stdexcept>
#include <string>
#include <utility>

#include <nlohmann/json.hpp>

#include "simhost/geometry/kernel.h"
#include "simhost/geometry/kernel_import.h"
#include "simhost/state/curves.h"
#include "simhost/state/json_numbers.h"
#include "simhost/state/json_place.h"
#include "simhost/state/model_files.h"

namespace simhost::state {

namespace {

using nlohmann::json;
namespace geo = simhost::geometry;

constexpr const char* kSection = "imported_solids";

void readSection(Model& model, const json& section) {
    ImportedSolidStore& store = importedSolids(model);
    store.clear();
    std::size_t index = 0;
    for (const json& entry : listOf(section)) {
        JsonPlace place(index++);
        const int feature = keyInt(entry, "feature", 1, kIdMax);
        if (store.find(feature) != nullptr) {
            JsonPlace at("feature");
            throw std::invalid_argument("feature " + std::to_string(feature) + " listed twice");
        }
        JsonPlace at("brep");
        ImportedSolid kept;
        kept.brep = entry.at("brep").get<std::string>();
        ProError rc = geo::solidFromBrepText(kept.brep, &kept.solid);
        if (rc != PRO_TK_NO_ERROR && rc != geo::kKernelNotAvailable) {
            throw std::invalid_argument("not the geometry kernel's BRep text of a solid");
        }
        store.set(feature, std::move(kept));
    }
}

json writeSection(Model& model) {
    const ImportedSolidStore& store = importedSolids(model);
    if (store.all().empty()) {
        return nullptr;
    }
    json list = json::array();
    for (const auto& [feature, kept] : store.all()) {
        list.push_back({{"feature", feature}, {"brep", kept.brep}});
    }
    return list;
}

// Every entry belongs to an import feature of the model.
void checkFeatures(Model& model) {
    for (const auto& entry : importedSolids(model).all()) {
        const Feature* feature = featureFind(model, entry.first);
        if (feature == nullptr || feature->type != kFeatImport) {
            JsonPlace place(kSection);
            throw std::invalid_argument("feature " + std::to_string(entry.first) +
                                        " is no import feature of the model");
        }
    }
}

const bool registered = [] {
    sectionCodecAdd({kSection, readSection, writeSection});
    modelLoadHookAdd(checkFeatures);
    featureDeleteHookAdd([](Model& model, int id) { importedSolids(model).erase(id); });
    return true;
}();

}  // namespace

ImportedSolidStore::~ImportedSolidStore() {
    clear();
}

void ImportedSolidStore::set(int featureId, ImportedSolid kept) {
    erase(featureId);
    solids_.emplace(featureId, std::move(kept));
}

const ImportedSolid* ImportedSolidStore::find(int featureId) const {
    auto it = solids_.find(featureId);
    return it == solids_.end() ? nullptr : &it->second;
}

void ImportedSolidStore::erase(int featureId) {
    auto it = solids_.find(featureId);
    if (it != solids_.end()) {
        geo::solidFree(it->second.solid);
        solids_.erase(it);
    }
}

void ImportedSolidStore::clear() {
    for (const auto& entry : solids_) {
        geo::solidFree(entry.second.solid);
    }
    solids_.clear();
}

TreeNode importFeatureTree(const std::string& name) {
    TreeNode root;
    root.id = kElemFeatureTree;
    root.kind = ElementKind::Compound;
    TreeNode type;
    type.id = kElemFeatureType;
    ValueContent typeValue;
    typeValue.type = PRO_VALUE_TYPE_INT;
    typeValue.i = kFeatImport;
    type.values.push_back(typeValue);
    root.children.push_back(std::move(type));
    if (!name.empty()) {
        TreeNode nameNode;
        nameNode.id = kElemFeatureName;
        ValueContent nameValue;
        nameValue.type = PRO_VALUE_TYPE_WSTRING;
        nameValue.w = std::wstring(name.begin(), name.end());
        nameNode.values.push_back(nameValue);
        root.children.push_back(std::move(nameNode));
    }
    return root;
}

ProError importSolidFeatureAdd(Model& model, int solid, Feature** out) {
    ImportedSolid kept;
    kept.solid = solid;
    if (ProError rc = geo::solidBrepText(solid, &kept.brep)) {
        geo::solidFree(solid);
        return rc;
    }
    const std::string name = featureDefaultName(model, kFeatImport);
    Feature* feature = features(model).add(kFeatImport, importFeatureTree(name), name);
    if (feature == nullptr) {
        geo::solidFree(solid);
        return PRO_TK_MAX_LIMIT_REACHED;
    }
    importedSolids(model).set(feature->id, std::move(kept));
    featureCreateHooksRun(model, *feature);
    model.touch();
    if (out != nullptr) {
        *out = feature;
    }
    return PRO_TK_NO_ERROR;
}

std::vector<int> importedSolidIds(Model& model) {
    std::vector<int> out;
    const ImportedSolidStore& store = importedSolids(model);
    if (store.all().empty()) {
        return out;
    }
    for (int id : features(model).order()) {
        const ImportedSolid* kept = store.find(id);
        const Feature* feature = featureFind(model, id);
        if (kept != nullptr && kept->solid != 0 && feature->status == kFeatActive) {
            out.push_back(kept->solid);
        }
    }
    return out;
}

bool importedSolidsDeclared(Model& model) {
    return !importedSolids(model).all().empty();
}

}  // namespace simhost::state
