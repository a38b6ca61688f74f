// Reading and writing model files.
#include "simhost/state/model_files.h"

#include <ProToolkit.h>

#include "simhost/state/id_range.h"
#include "simhost/state/json_locate.h"
#include "simhost/state/json_numbers.h"

#include <climits>
#include <cmath>
#include <fstream>
#include <iterator>
#include <optional>
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

[[noreturn]] void refuse(const std::string& what) {
    throw std::invalid_argument(what);
}

// Reads the model's own keys; throws json errors or std::invalid_argument on bad values.
void readOwnKeys(const json& doc, Model& model) {
    if (doc.contains("type")) {
        std::string type = keyAs<std::string>(doc, "type");
        if (modelTypeFromText(type) != model.type) {
            JsonPlace place("type");
            refuse("type \"" + type + "\" does not agree with the file's extension (" +
                   modelTypeText(model.type) + ")");
        }
    }
    model.subtype = keyIntOr(doc, "subtype", model.subtype);
    model.generic = upperName(keyOr(doc, "generic", std::string()));
    model.variantFeatureModel = keyOr(doc, "variant_feature_model", false);
    if (doc.contains("unit_systems")) {
        model.customUnitSystems = keyAs<std::vector<std::string>>(doc, "unit_systems");
    }
    if (doc.contains("units")) {
        model.unitSystem = keyAs<std::string>(doc, "units");
        if (model.unitSystem.empty()) {
            JsonPlace place("units");
            refuse("the unit system has no name");
        }
    }
    if (doc.contains("accuracy")) {
        JsonPlace place("accuracy");
        const json& accuracy = doc.at("accuracy");
        std::string type = keyOr(accuracy, "type", std::string("relative"));
        if (type == "relative") {
            model.accuracyType = kAccuracyRelative;
        } else if (type == "absolute") {
            model.accuracyType = kAccuracyAbsolute;
        } else {
            JsonPlace typePlace("type");
            refuse("accuracy type \"" + type + "\" is neither \"relative\" nor \"absolute\"");
        }
        model.accuracy = keyDouble(accuracy, "value");
    }
    if (doc.contains("surface_properties")) {
        auto values = keyAs<std::vector<double>>(doc, "surface_properties");
        if (values.size() > model.surfaceProps.size()) {
            JsonPlace place("surface_properties");
            refuse("more than " + std::to_string(model.surfaceProps.size()) + " numbers");
        }
        model.surfaceProps = defaultSurfaceProps();
        std::copy(values.begin(), values.end(), model.surfaceProps.begin());
        model.surfacePropsSet = true;
    }
    // Every save counts the version up, every change the revision: both leave room.
    model.version = keyIntOr(doc, "version", 0, INT_MIN, kIdMax);
    if (doc.contains("revision")) {
        JsonPlace place("revision");
        model.revision = static_cast<long>(integerIn(doc.at("revision"), LONG_MIN, LONG_MAX / 2));
    }
    if (model.version < 0) {
        JsonPlace place("version");
        refuse("a negative version");
    }
    if (model.revision < 0) {
        JsonPlace place("revision");
        refuse("a negative revision");
    }
}

// "features.list[2].id"
std::string placeText(const JsonPath& place) {
    std::string text;
    for (const std::string& step : place) {
        bool index = !step.empty() && step.find_first_not_of("0123456789") == std::string::npos;
        if (index) {
            text += "[" + step + "]";
        } else {
            text += (text.empty() ? "" : ".") + step;
        }
    }
    return text;
}

// The message of a JSON syntax error without the library's prefix and position.
std::string syntaxMessage(const json::parse_error& e) {
    std::string text = e.what();
    std::size_t column = text.find("column ");
    std::size_t colon = text.find(": ", column == std::string::npos ? 0 : column);
    return colon == std::string::npos ? readerMessage(e) : text.substr(colon + 2);
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

ProError modelFromJson(const json& doc, Model& model, ModelFileFault* fault) {
    if (!doc.is_object()) {
        if (fault != nullptr) {
            *fault = {{}, "a model file holds one JSON object"};
        }
        return PRO_TK_INVALID_FILE;
    }
    jsonPlaceStart();
    try {
        readOwnKeys(doc, model);
        model.sections = json::object();
        for (const auto& item : doc.items()) {
            if (ownKey(item.key())) {
                continue;
            }
            if (const SectionCodec* codec = codecFor(item.key())) {
                JsonPlace place(item.key());
                codec->read(model, item.value());
            } else {
                model.sections[item.key()] = item.value();
            }
        }
        for (const auto& hook : loadHooks()) {
            hook(model);
        }
    } catch (const std::exception& e) {
        if (fault != nullptr) {
            *fault = {jsonPlaceFailed(), readerMessage(e)};
        }
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

ProError modelFileRead(const std::filesystem::path& file, std::string& text, json& doc,
                       std::string& diagnostic) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec)) {
        diagnostic = file.string() + ": no such file";
        return PRO_TK_E_NOT_FOUND;
    }
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        diagnostic = file.string() + ": cannot be opened";
        return PRO_TK_CANT_OPEN;
    }
    text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (std::optional<std::size_t> at = jsonNestingBeyond(text, kModelFileNestingMax)) {
        TextPosition position = textPosition(text, *at);
        diagnostic = file.string() + ":" + std::to_string(position.line) + ":" +
                     std::to_string(position.column) + ": lists and objects nested more than " +
                     std::to_string(kModelFileNestingMax) + " levels deep";
        return PRO_TK_INVALID_FILE;
    }
    try {
        doc = json::parse(text);
    } catch (const json::parse_error& e) {
        TextPosition at = textPosition(text, e.byte > 0 ? e.byte - 1 : 0);
        diagnostic = file.string() + ":" + std::to_string(at.line) + ":" +
                     std::to_string(at.column) + ": " + syntaxMessage(e);
        return PRO_TK_INVALID_FILE;
    }
    return PRO_TK_NO_ERROR;
}

std::string modelFileDiagnostic(const std::filesystem::path& file, const std::string& text,
                                const ModelFileFault& fault) {
    TextPosition at = jsonLocate(text, fault.place);
    std::string where = placeText(fault.place);
    return file.string() + ":" + std::to_string(at.line) + ":" + std::to_string(at.column) + ": " +
           (where.empty() ? "" : where + ": ") + fault.what;
}

ProError modelFileWrite(const std::filesystem::path& file, Model& model) {
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
