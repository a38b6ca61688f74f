// The model store of a session.
#include "simhost/state/models.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <unordered_set>

#include "simhost/state/components.h"
#include "simhost/state/drawings.h"

namespace simhost::state {

namespace {

struct TypeName {
    int type;
    const char* text;
};
constexpr TypeName kTypeNames[] = {
    {kPart, "PRT"}, {kAssembly, "ASM"}, {kMfg, "MFG"}, {kDrawing, "DRW"}, {kDrawingFormat, "FRM"}};

std::string upper(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return text;
}

std::string lower(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return text;
}

}  // namespace

const char* const kDefaultUnitSystem = "Inch lbm Second (Creo Elements/Pro Stand.)";

const std::vector<std::string>& standardUnitSystems() {
    static const std::vector<std::string> systems = {
        "Centimeter Gram Second (CGS)",
        "Foot Pound Second (FPS)",
        "Inch lbm Second (Creo Elements/Pro Stand.)",
        "Inch Pound Second (IPS)",
        "millimeter Newton Second (mmNs)",
        "millimeter Kilogram Sec (mmKs)",
    };
    return systems;
}

SurfaceProps defaultSurfaceProps() {
    SurfaceProps props{};
    // ambient, diffuse, highlight, shininess, transparency, reserved,
    // colour (grey), highlight colour (white)
    const double head[] = {0.5, 0.8, 0.3, 0.3, 0.0, 0.0, 0.8, 0.8, 0.8, 1.0, 1.0, 1.0};
    std::copy(std::begin(head), std::end(head), props.begin());
    return props;
}

bool modelTypeKnown(int type) {
    return !modelTypeText(type).empty();
}

std::string modelTypeText(int type) {
    for (const auto& t : kTypeNames) {
        if (t.type == type) {
            return t.text;
        }
    }
    return {};
}

int modelTypeFromText(const std::string& text) {
    std::string u = upper(text);
    for (const auto& t : kTypeNames) {
        if (u == t.text) {
            return t.type;
        }
    }
    return 0;
}

std::string modelFileName(const std::string& name, int type) {
    return lower(name) + "." + lower(modelTypeText(type));
}

bool modelNameValid(const std::string& name) {
    if (name.empty() || name.size() > 31) {
        return false;
    }
    return std::all_of(name.begin(), name.end(), [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '-';
    });
}

std::string upperName(const std::string& name) {
    return upper(name);
}

void* modelHandle(int id) {
    return reinterpret_cast<void*>(static_cast<std::intptr_t>(id));
}

int modelIdOf(const void* handle) {
    auto value = reinterpret_cast<std::intptr_t>(handle);
    if (value <= 0 || value > INT32_MAX) {
        return 0;
    }
    return static_cast<int>(value);
}

std::string ModelStore::key(const std::string& name, int type) {
    return upper(name) + "." + std::to_string(type);
}

Model* ModelStore::add(const std::string& name, int type) {
    std::string k = key(name, type);
    if (byName_.count(k) != 0) {
        return nullptr;
    }
    auto model = std::make_unique<Model>();
    model->id = nextId_++;
    model->name = upper(name);
    model->type = type;
    Model* raw = model.get();
    byName_[k] = raw->id;
    byId_[raw->id] = std::move(model);
    return raw;
}

Model* ModelStore::byId(int id) {
    auto it = byId_.find(id);
    return it == byId_.end() ? nullptr : it->second.get();
}

Model* ModelStore::byName(const std::string& name, int type) {
    auto it = byName_.find(key(name, type));
    return it == byName_.end() ? nullptr : byId(it->second);
}

bool ModelStore::rename(Model& model, const std::string& newName) {
    std::string k = key(newName, model.type);
    auto it = byName_.find(k);
    if (it != byName_.end()) {
        return it->second == model.id;
    }
    byName_.erase(key(model.name, model.type));
    std::string oldName = model.name;
    model.name = upper(newName);
    byName_[k] = model.id;
    // The components that place the model, and the drawings that show it, follow it to
    // its new name.
    for (auto& entry : byId_) {
        componentModelRenamed(*entry.second, oldName, model.type, model.name);
        drawingModelRenamed(*entry.second, oldName, model.type, model.name);
    }
    return true;
}

void ModelStore::erase(int id) {
    Model* model = byId(id);
    if (model == nullptr) {
        return;
    }
    byName_.erase(key(model->name, model->type));
    byId_.erase(id);
}

std::vector<Model*> ModelStore::list(int type) {
    std::vector<Model*> out;
    for (auto& entry : byId_) {
        if (type == 0 || entry.second->type == type) {
            out.push_back(entry.second.get());
        }
    }
    std::sort(out.begin(), out.end(), [](const Model* a, const Model* b) { return a->id < b->id; });
    return out;
}

std::vector<Model*> ModelStore::uses(const Model& model) {
    std::vector<Model*> out;
    std::unordered_set<int> seen;
    auto addUse = [&](Model* used) {
        if (used != nullptr && used->id != model.id && seen.insert(used->id).second) {
            out.push_back(used);
        }
    };
    if (!model.generic.empty()) {
        addUse(byName(model.generic, model.type));
    }
    // Components are features of the model; the record names their model.
    for (const ComponentModelName& used : componentModelNames(const_cast<Model&>(model))) {
        addUse(byName(used.name, used.type));
    }
    return out;
}

bool ModelStore::usedByOthers(const Model& model) {
    for (auto& entry : byId_) {
        if (entry.first == model.id) {
            continue;
        }
        for (Model* used : uses(*entry.second)) {
            if (used->id == model.id) {
                return true;
            }
        }
    }
    return false;
}

}  // namespace simhost::state
