// Reading and writing model files.
#include "simhost/state/model_files.h"

#include <ProToolkit.h>

#include <cmath>
#include <fstream>
#include <sstream>
#include <vector>

namespace simhost::state {

namespace {

using nlohmann::json;

std::vector<std::function<void(Model&)>>& loadHooks() {
    static std::vector<std::function<void(Model&)>> list;
    return list;
}

std::vector<SectionCodec>& codecs() {
    static std::vector<SectionCodec> list;
    return list;
}

// The keys this file interprets itself.
const char* const kOwnKeys[] = {"format",   "name",
                                "type",     "subtype",
                                "generic",  "variant_feature_model",
                                "units",    "unit_systems",
                                "accuracy", "surface_properties",
                                "version",  "revision"};

bool ownKey(const std::string& key) {
    for (const char* own : kOwnKeys) {
        if (key == own) {
            return true;
        }
    }
    return false;
}

const SectionCodec* codecFor(const std::string& key) {
    for (const auto& codec : codecs()) {
        if (codec.key == key) {
            return &codec;
        }
    }
    return nullptr;
}

// Reads the model's own keys; throws json errors or std::invalid_argument on bad values.
void readOwnKeys(const json& doc, Model& model) {
    if (doc.contains("type") &&
        modelTypeFromText(doc.at("type").get<std::string>()) != model.type) {
        throw std::invalid_argument("type");
    }
    model.subtype = doc.value("subtype", model.subtype);
    model.generic = upperName(doc.value("generic", std::string()));
    model.variantFeatureModel = doc.value("variant_feature_model", false);
    if (doc.contains("unit_systems")) {
        model.customUnitSystems = doc.at("unit_systems").get<std::vector<std::string>>();
    }
    if (doc.contains("units")) {
        model.unitSystem = doc.at("units").get<std::string>();
        if (model.unitSystem.empty()) {
            throw std::invalid_argument("units");
        }
    }
    if (doc.contains("accuracy")) {
        const json& accuracy = doc.at("accuracy");
        std::string type = accuracy.value("type", std::string("relative"));
        if (type == "relative") {
            model.accuracyType = kAccuracyRelative;
        } else if (type == "absolute") {
            model.accuracyType = kAccuracyAbsolute;
        } else {
            throw std::invalid_argument("accuracy");
        }
        model.accuracy = accuracy.at("value").get<double>();
    }
    if (doc.contains("surface_properties")) {
        auto values = doc.at("surface_properties").get<std::vector<double>>();
        if (values.size() > model.surfaceProps.size()) {
            throw std::invalid_argument("surface_properties");
        }
        model.surfaceProps = defaultSurfaceProps();
        std::copy(values.begin(), values.end(), model.surfaceProps.begin());
        model.surfacePropsSet = true;
    }
    model.version = doc.value("version", 0);
    model.revision = doc.value("revision", 1L);
    if (model.version < 0 || model.revision < 0) {
        throw std::invalid_argument("version");
    }
}

}  // namespace

void sectionCodecAdd(SectionCodec codec) {
    for (auto& existing : codecs()) {
        if (existing.key == codec.key) {
            existing = std::move(codec);
            return;
        }
    }
    codecs().push_back(std::move(codec));
}

void modelLoadHookAdd(std::function<void(Model&)> hook) {
    loadHooks().push_back(std::move(hook));
}

int modelFromJson(const json& doc, Model& model) {
    if (!doc.is_object()) {
        return PRO_TK_INVALID_FILE;
    }
    try {
        readOwnKeys(doc, model);
        model.sections = json::object();
        for (const auto& item : doc.items()) {
            if (ownKey(item.key())) {
                continue;
            }
            if (const SectionCodec* codec = codecFor(item.key())) {
                codec->read(model, item.value());
            } else {
                model.sections[item.key()] = item.value();
            }
        }
        for (const auto& hook : loadHooks()) {
            hook(model);
        }
    } catch (const std::exception&) {
        return PRO_TK_INVALID_FILE;
    }
    return PRO_TK_NO_ERROR;
}

json modelToJson(Model& model) {
    json doc = json::object();
    doc["format"] = kModelFileFormat;
    doc["name"] = model.name;
    doc["type"] = modelTypeText(model.type);
    doc["subtype"] = model.subtype;
    if (!model.generic.empty()) {
        doc["generic"] = model.generic;
    }
    if (model.variantFeatureModel) {
        doc["variant_feature_model"] = true;
    }
    doc["units"] = model.unitSystem;
    if (!model.customUnitSystems.empty()) {
        doc["unit_systems"] = model.customUnitSystems;
    }
    doc["accuracy"] = {{"type", model.accuracyType == kAccuracyAbsolute ? "absolute" : "relative"},
                       {"value", model.accuracy}};
    if (model.surfacePropsSet) {
        doc["surface_properties"] = model.surfaceProps;
    }
    doc["version"] = model.version;
    doc["revision"] = model.revision;
    for (const auto& item : model.sections.items()) {
        doc[item.key()] = item.value();
    }
    for (const auto& codec : codecs()) {
        json section = codec.write(model);
        if (!section.is_null()) {
            doc[codec.key] = std::move(section);
        }
    }
    return doc;
}

int modelFileRead(const std::filesystem::path& file, json& doc) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec)) {
        return PRO_TK_E_NOT_FOUND;
    }
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        return PRO_TK_CANT_OPEN;
    }
    doc = json::parse(in, nullptr, false);
    if (doc.is_discarded()) {
        return PRO_TK_INVALID_FILE;
    }
    return PRO_TK_NO_ERROR;
}

int modelFileWrite(const std::filesystem::path& file, Model& model) {
    std::string text = modelToJson(model).dump(2) + "\n";
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    if (!out) {
        return PRO_TK_CANT_WRITE;
    }
    out << text;
    out.close();
    return out ? PRO_TK_NO_ERROR : PRO_TK_CANT_WRITE;
}

}  // namespace simhost::state
