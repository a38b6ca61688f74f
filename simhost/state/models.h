// The models of a host session: parts, assemblies, manufacturing models, drawings and
// drawing formats, by id and by (name, type).
//
// A model handle is the model's id as a pointer-sized integer. Ids are handed out in
// order from 1 and never reused, so the handle of an erased model resolves to nothing
// instead of to another model.
//
// Names are case-insensitive. The host keeps and returns them in upper case and writes
// the model's file in lower case (`box.prt`).
#pragma once

#include <nlohmann/json.hpp>

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <typeindex>
#include <unordered_map>
#include <vector>

namespace simhost::state {

// The host's model-type numbers.
constexpr int kAssembly = 1;
constexpr int kPart = 2;
constexpr int kDrawing = 4;
constexpr int kDrawingFormat = 33;
constexpr int kMfg = 37;

// Model types this host keeps (others are refused as bad input).
bool modelTypeKnown(int type);
// "PRT", "ASM", "MFG", "DRW", "FRM"; empty for other types.
std::string modelTypeText(int type);
// The type for a type text or file extension in any case; 0 when unknown.
int modelTypeFromText(const std::string& text);
// The file name of a model: lower-case name and the type's extension.
std::string modelFileName(const std::string& name, int type);
// True for a name the host accepts: 1 to 31 letters, digits, '_' or '-'.
bool modelNameValid(const std::string& name);
std::string upperName(const std::string& name);

// The unit systems every model knows, by their host names.
const std::vector<std::string>& standardUnitSystems();
extern const char* const kDefaultUnitSystem;

constexpr int kAccuracyRelative = 1;
constexpr int kAccuracyAbsolute = 2;

// The surface-property record of the whole model: 68 32-bit words, 34 doubles.
using SurfaceProps = std::array<double, 34>;
SurfaceProps defaultSurfaceProps();

struct Model {
    int id = 0;
    std::string name;  // upper case
    int type = kPart;
    int subtype = 0;      // 0: the model has no subtype
    std::string generic;  // name of the family-table generic (same type); empty if none
    bool variantFeatureModel = false;
    std::string unitSystem = kDefaultUnitSystem;
    std::vector<std::string> customUnitSystems;
    int accuracyType = kAccuracyRelative;
    double accuracy = 0.0012;
    bool surfacePropsSet = false;
    SurfaceProps surfaceProps = defaultSurfaceProps();
    // File version: the number of saves; 0 for a model never saved.
    int version = 0;
    // Changes with every modification; the version stamp is made of it.
    long revision = 1;
    bool modified = false;
    int regenerations = 0;
    // Where the model's file lives (the working directory for a new model).
    std::filesystem::path directory;
    // The model has a file: it was loaded or saved. A model without one is saved into
    // the session's working directory of the time of the save.
    bool hasFile = false;
    // Sections of the model file this host does not interpret (yet), kept verbatim so
    // that a save writes them back.
    nlohmann::json sections = nlohmann::json::object();

    // State that a later host area keeps with the model, created on first use. An area
    // that keeps content registers a section codec (model_files.h) so that the content
    // is saved, loaded and copied with the model.
    template <typename Content>
    Content& content() {
        auto& slot = contents_[std::type_index(typeid(Content))];
        if (!slot) {
            slot = std::make_shared<Content>();
        }
        return *static_cast<Content*>(slot.get());
    }
    // Marks a change: the model is modified and gets a new version stamp.
    void touch() {
        modified = true;
        ++revision;
    }

private:
    std::unordered_map<std::type_index, std::shared_ptr<void>> contents_;
};

// Handles from ids and back; 0 for a handle that cannot be an id.
void* modelHandle(int id);
int modelIdOf(const void* handle);

class ModelStore {
public:
    // A new model of that name and type; null when the name is taken.
    Model* add(const std::string& name, int type);
    Model* byId(int id);
    Model* byHandle(const void* handle) { return byId(modelIdOf(handle)); }
    Model* byName(const std::string& name, int type);
    // Renames in session; false when the new name is taken.
    bool rename(Model& model, const std::string& newName);
    void erase(int id);
    // Models of a type (all types with 0) in id order.
    std::vector<Model*> list(int type = 0);
    // The in-session models `model` uses directly: its generic and its components.
    std::vector<Model*> uses(const Model& model);
    // True when another model in session uses `model`.
    bool usedByOthers(const Model& model);

private:
    static std::string key(const std::string& name, int type);
    int nextId_ = 1;
    std::unordered_map<int, std::unique_ptr<Model>> byId_;
    std::unordered_map<std::string, int> byName_;
};

}  // namespace simhost::state
