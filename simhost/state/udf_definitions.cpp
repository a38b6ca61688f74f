#include "simhost/state/udf_definitions.h"

#include <ProObjects.h>

#include <nlohmann/json.hpp>

#include <cctype>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "simhost/core/wide.h"
#include "simhost/state/config.h"
#include "simhost/state/dims.h"
#include "simhost/state/features.h"
#include "simhost/state/models.h"

namespace simhost::state {

namespace {

using nlohmann::json;

[[noreturn]] void refuse(const std::string& where, const std::string& what) {
    throw std::runtime_error(where + ": " + what);
}

const json& member(const json& object, const char* key, const std::string& where) {
    auto it = object.find(key);
    if (it == object.end()) {
        refuse(where, std::string("\"") + key + "\" is missing");
    }
    return *it;
}

std::wstring text(const json& value, const std::string& where, std::size_t max) {
    if (!value.is_string()) {
        refuse(where, "a text is wanted");
    }
    std::wstring out = core::fromUtf8(value.get<std::string>());
    if (out.empty() || out.size() > max) {
        refuse(where, "a text of 1 to " + std::to_string(max) + " characters is wanted");
    }
    return out;
}

double number(const json& value, const std::string& where) {
    if (!value.is_number() || !std::isfinite(value.get<double>())) {
        refuse(where, "a finite number is wanted");
    }
    return value.get<double>();
}

std::wstring symbol(const json& value, const std::string& where) {
    std::wstring out = text(value, where, kDimSymbolMax);
    if (!dimSymbolValid(out)) {
        refuse(where, "not a dimension symbol");
    }
    return out;
}

const json& list(const json& value, const std::string& where, std::size_t max) {
    if (!value.is_array() || value.size() > max) {
        refuse(where, "a list of at most " + std::to_string(max) + " entries is wanted");
    }
    return value;
}

int itemType(const json& value, const std::string& where) {
    std::wstring type = text(value, where, 8);
    if (type == L"csys") {
        return PRO_CSYS;
    }
    if (type == L"point") {
        return PRO_POINT;
    }
    refuse(where, "\"csys\" or \"point\" is wanted");
}

int moveKind(const json& value, const std::string& where) {
    static const char* const kinds[] = {"translate_x", "translate_y", "translate_z",
                                        "rotate_x",    "rotate_y",    "rotate_z"};
    std::wstring given = text(value, where, 16);
    for (int k = 0; k < 6; ++k) {
        if (given == core::widen(kinds[k])) {
            return k;
        }
    }
    refuse(where, "one of translate_x ... rotate_z is wanted");
}

// What a reference or feature name of the definition stands for: its item type.
using Names = std::vector<std::pair<std::wstring, int>>;

int namedType(const Names& names, const std::wstring& name) {
    for (const auto& entry : names) {
        if (entry.first == name) {
            return entry.second;
        }
    }
    return 0;
}

UdfFeature featureRead(const json& entry, const std::string& where, Names& names) {
    if (!entry.is_object()) {
        refuse(where, "an object is wanted");
    }
    UdfFeature feature;
    int type = itemType(member(entry, "type", where), where + ".type");
    feature.type = type == PRO_CSYS ? kFeatCsys : kFeatDatumPoint;
    std::wstring name = text(member(entry, "name", where), where + ".name", PRO_NAME_SIZE - 1);
    feature.key = name;
    feature.name = upperName(core::narrow(name));
    if (!modelNameValid(feature.name)) {
        refuse(where + ".name", "not a feature name");
    }
    // A coordinate system without a reference is a default one, in the model's frame.
    if (type == PRO_CSYS && !entry.contains("reference")) {
        if (entry.contains("origin") || entry.contains("moves")) {
            refuse(where, "a coordinate system without a reference has no origin or moves");
        }
    } else {
        feature.reference =
            text(member(entry, "reference", where), where + ".reference", kUdfPromptMax);
        if (namedType(names, feature.reference) != PRO_CSYS) {
            refuse(where + ".reference", "names no coordinate system before it");
        }
    }
    if (type == PRO_CSYS && !feature.reference.empty()) {
        if (entry.contains("origin")) {
            feature.origin = text(entry["origin"], where + ".origin", kUdfPromptMax);
            if (namedType(names, feature.origin) != PRO_POINT) {
                refuse(where + ".origin", "names no datum point before it");
            }
        }
        if (entry.contains("moves")) {
            const json& moves = list(entry["moves"], where + ".moves", kUdfMovesMax);
            for (std::size_t k = 0; k < moves.size(); ++k) {
                std::string at = where + ".moves[" + std::to_string(k) + "]";
                if (!moves[k].is_object()) {
                    refuse(at, "an object is wanted");
                }
                UdfMove move;
                move.kind = moveKind(member(moves[k], "move", at), at + ".move");
                move.value = number(member(moves[k], "value", at), at + ".value");
                if (moves[k].contains("symbol")) {
                    move.symbol = symbol(moves[k]["symbol"], at + ".symbol");
                }
                feature.moves.push_back(move);
            }
        }
    } else if (type == PRO_POINT) {
        const json& at = list(member(entry, "at", where), where + ".at", 3);
        if (at.size() != 3) {
            refuse(where + ".at", "three numbers are wanted");
        }
        for (std::size_t k = 0; k < 3; ++k) {
            feature.at[k] = number(at[k], where + ".at[" + std::to_string(k) + "]");
        }
        if (entry.contains("symbols")) {
            const json& symbols = list(entry["symbols"], where + ".symbols", 3);
            if (symbols.size() != 3) {
                refuse(where + ".symbols", "three symbols are wanted");
            }
            for (std::size_t k = 0; k < 3; ++k) {
                feature.symbols.push_back(
                    symbol(symbols[k], where + ".symbols[" + std::to_string(k) + "]"));
            }
            feature.dimensions = true;
        }
        if (entry.contains("dimensions")) {
            const json& dims = entry["dimensions"];
            if (!dims.is_boolean() || (!dims.get<bool>() && !feature.symbols.empty())) {
                refuse(where + ".dimensions", "true or false (true with symbols) is wanted");
            }
            feature.dimensions = dims.get<bool>();
        }
    }
    if (namedType(names, name) != 0) {
        refuse(where + ".name", "the name is taken");
    }
    names.emplace_back(name, type);
    return feature;
}

}  // namespace

bool udfDefinitionName(const std::wstring& given, std::string& name) {
    std::string lower;
    for (wchar_t c : given) {
        if (c > 127) {
            return false;
        }
        lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    // A version: the digits after the last dot behind ".gph".
    std::size_t dot = lower.rfind('.');
    if (dot != std::string::npos && dot + 1 < lower.size() &&
        lower.find_first_not_of("0123456789", dot + 1) == std::string::npos && dot >= 4 &&
        lower.compare(dot - 4, 4, ".gph") == 0) {
        lower.erase(dot);
    }
    if (lower.size() >= 4 && lower.compare(lower.size() - 4, 4, ".gph") == 0) {
        lower.erase(lower.size() - 4);
    }
    if (!modelNameValid(lower)) {
        return false;
    }
    name = lower;
    return true;
}

UdfDefinition udfDefinitionParse(const std::string& name, const std::string& content) {
    json doc;
    try {
        doc = json::parse(content, [](int depth, json::parse_event_t, json&) {
            if (depth > static_cast<int>(kUdfNestingMax)) {
                throw std::runtime_error("lists and objects nested more than " +
                                         std::to_string(kUdfNestingMax) + " levels deep");
            }
            return true;
        });
    } catch (const json::exception& e) {
        throw std::runtime_error(std::string("not JSON: ") + e.what());
    }
    if (!doc.is_object()) {
        refuse("(document)", "an object is wanted");
    }
    UdfDefinition out;
    out.name = name;
    Names names;
    if (doc.contains("references")) {
        const json& refs = list(doc["references"], "references", kUdfReferencesMax);
        for (std::size_t k = 0; k < refs.size(); ++k) {
            std::string at = "references[" + std::to_string(k) + "]";
            if (!refs[k].is_object()) {
                refuse(at, "an object is wanted");
            }
            UdfReference ref;
            ref.prompt = text(member(refs[k], "prompt", at), at + ".prompt", kUdfPromptMax);
            ref.type = itemType(member(refs[k], "type", at), at + ".type");
            if (namedType(names, ref.prompt) != 0) {
                refuse(at + ".prompt", "the prompt is taken");
            }
            names.emplace_back(ref.prompt, ref.type);
            out.references.push_back(ref);
        }
    }
    const json& features = list(member(doc, "features", "(document)"), "features", kUdfFeaturesMax);
    for (std::size_t k = 0; k < features.size(); ++k) {
        out.features.push_back(
            featureRead(features[k], "features[" + std::to_string(k) + "]", names));
    }
    return out;
}

ProError udfDefinitionFind(const Session& session, const std::wstring& given, UdfDefinition& out,
                           std::string& diagnostic) {
    std::string name;
    if (!udfDefinitionName(given, name)) {
        return PRO_TK_BAD_INPUTS;
    }
    std::vector<std::filesystem::path> dirs;
    std::vector<std::string> options;
    if (configValues(session, "pro_group_dir", options)) {
        for (const std::string& dir : options) {
            dirs.emplace_back(dir);
        }
    }
    dirs.push_back(session.workDir);
    for (const auto& dir : dirs) {
        std::filesystem::path file = dir / (name + ".gph");
        std::error_code ec;
        if (!std::filesystem::is_regular_file(file, ec)) {
            continue;
        }
        std::ifstream in(file, std::ios::binary);
        if (!in) {
            diagnostic = file.string() + ": cannot be opened";
            return PRO_TK_CANT_OPEN;
        }
        std::string content(kUdfFileBytesMax + 1, '\0');
        in.read(&content[0], static_cast<std::streamsize>(content.size()));
        content.resize(static_cast<std::size_t>(in.gcount()));
        if (content.size() > kUdfFileBytesMax) {
            diagnostic =
                file.string() + ": larger than " + std::to_string(kUdfFileBytesMax) + " bytes";
            return PRO_TK_INVALID_FILE;
        }
        try {
            out = udfDefinitionParse(name, content);
        } catch (const std::runtime_error& e) {
            diagnostic = file.string() + ": " + e.what();
            return PRO_TK_INVALID_FILE;
        }
        return PRO_TK_NO_ERROR;
    }
    return PRO_TK_E_NOT_FOUND;
}

}  // namespace simhost::state
