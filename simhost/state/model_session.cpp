// Session-wide model operations.
#include "simhost/state/model_session.h"

#include <ProToolkit.h>

#include <unordered_set>
#include <vector>

#include "simhost/state/components.h"
#include "simhost/state/load_diagnostic.h"
#include "simhost/state/model_files.h"
#include "simhost/state/windows.h"

namespace simhost::state {

namespace fs = std::filesystem;

namespace {

constexpr int kMaxInstanceDepth = 64;

std::string lower(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return text;
}

// Splits a name or path into the model's name and type and the file to look for;
// PRO_TK_BAD_INPUTS when it names no model of the type asked for.
ProError parseModelPath(Session& s, const std::string& pathText, int& type, std::string& name,
                        fs::path& file) {
    fs::path given(pathText);
    if (given.filename().empty()) {
        return PRO_TK_BAD_INPUTS;
    }
    std::string ext = given.extension().string();
    int extType = ext.empty() ? 0 : modelTypeFromText(ext.substr(1));
    if (extType == 0) {
        if (!modelTypeKnown(type)) {
            return PRO_TK_BAD_INPUTS;
        }
        // No model extension: the whole file name is the model name.
        name = given.filename().string();
        given += "." + lower(modelTypeText(type));
    } else {
        if (type == -1) {
            type = extType;
        } else if (extType != type) {
            return PRO_TK_BAD_INPUTS;
        }
        name = given.stem().string();
    }
    file = given.is_absolute() ? given : s.workDir / given;
    return PRO_TK_NO_ERROR;
}

// The existing file for `file`, trying the name in lower case (the host's own file
// names) and then as given; so the name reported is the same on file systems that ignore
// case.
bool findFile(fs::path& file) {
    std::error_code ec;
    fs::path lowered = file.parent_path() / lower(file.filename().string());
    if (fs::is_regular_file(lowered, ec)) {
        file = lowered;
        return true;
    }
    return fs::is_regular_file(file, ec);
}

struct Loader {
    Session& s;
    ModelStore& store;
    std::vector<int> added;
    std::string diagnostic;  // why the load failed, for the innermost file to blame

    ProError load(const std::string& pathText, int type, Model** out, int depth) {
        if (depth > kMaxInstanceDepth) {
            diagnostic = pathText + ": components nested more than " +
                         std::to_string(kMaxInstanceDepth) + " levels deep";
            return PRO_TK_INVALID_FILE;
        }
        fs::path file;
        std::string name;
        ProError rc = parseModelPath(s, pathText, type, name, file);
        if (rc != PRO_TK_NO_ERROR) {
            diagnostic = pathText + ": names no model of the type asked for";
            return rc;
        }
        if (Model* existing = store.byName(name, type)) {
            *out = existing;
            return PRO_TK_NO_ERROR;
        }
        if (!modelNameValid(name)) {
            diagnostic = file.string() + ": \"" + name +
                         "\" is no model name (1 to 31 letters, digits, _ or -)";
            return PRO_TK_INVALID_NAME;
        }
        if (!findFile(file)) {
            diagnostic = file.string() + ": no such file";
            return PRO_TK_E_NOT_FOUND;
        }
        std::string text;
        nlohmann::json doc;
        rc = modelFileRead(file, text, doc, diagnostic);
        if (rc != PRO_TK_NO_ERROR) {
            return rc;
        }
        Model* model = store.add(name, type);
        added.push_back(model->id);
        model->directory = file.parent_path();
        model->hasFile = true;
        ModelFileFault fault;
        rc = modelFromJson(doc, *model, &fault);
        if (rc != PRO_TK_NO_ERROR) {
            diagnostic = modelFileDiagnostic(file, text, fault);
            return rc;
        }
        model->modified = false;
        for (const ComponentModelName& ref : componentModelNames(*model)) {
            Model* component = nullptr;
            fs::path componentFile = model->directory / ref.name;
            rc = load(componentFile.string(), ref.type, &component, depth + 1);
            if (rc != PRO_TK_NO_ERROR) {
                return rc;
            }
        }
        // With its components in session, the model's placements are recomputed.
        modelRegenerate(s, *model);
        *out = model;
        return PRO_TK_NO_ERROR;
    }

    void rollback() {
        for (int id : added) {
            store.erase(id);
        }
    }
};

}  // namespace

ProError modelLoad(Session& s, const std::string& pathText, int type, Model** out) {
    Loader loader{s, s.area<ModelStore>(), {}, {}};
    ProError rc = loader.load(pathText, type, out, 0);
    if (rc != PRO_TK_NO_ERROR) {
        loader.rollback();
        *out = nullptr;
        loadDiagnosticSet(std::move(loader.diagnostic));
    } else {
        loadDiagnosticClear();
    }
    return rc;
}

ProError modelCreate(Session& s, const std::string& name, int type, Model** out) {
    if (type != kPart && type != kAssembly) {
        return PRO_TK_BAD_INPUTS;
    }
    if (!modelNameValid(name)) {
        return PRO_TK_BAD_INPUTS;
    }
    Model* model = s.area<ModelStore>().add(name, type);
    if (model == nullptr) {
        return PRO_TK_E_FOUND;
    }
    model->subtype = type == kPart ? 2 : 6;  // solid part, design assembly
    model->directory = s.workDir;
    model->modified = true;
    *out = model;
    return PRO_TK_NO_ERROR;
}

ProError modelSave(Model& model) {
    ++model.version;
    ProError rc = modelFileWrite(model.directory / modelFileName(model.name, model.type), model);
    if (rc != PRO_TK_NO_ERROR) {
        --model.version;
        return rc;
    }
    model.modified = false;
    model.hasFile = true;
    return PRO_TK_NO_ERROR;
}

ProError modelBackup(Model& model, const fs::path& directory) {
    std::error_code ec;
    if (directory.empty() || !fs::is_directory(directory, ec)) {
        return PRO_TK_INVALID_DIR;
    }
    return modelFileWrite(directory / modelFileName(model.name, model.type), model);
}

ProError modelCopy(Session& s, Model& model, const std::string& newName, Model** out) {
    if (!modelNameValid(newName)) {
        return PRO_TK_BAD_INPUTS;
    }
    ModelStore& store = s.area<ModelStore>();
    nlohmann::json doc = modelToJson(model);
    Model* copy = store.add(newName, model.type);
    if (copy == nullptr) {
        return PRO_TK_E_FOUND;
    }
    // The copy is saved next to the original's file, or where a new model would be.
    copy->directory = model.hasFile ? model.directory : s.workDir;
    ProError rc = modelFromJson(doc, *copy);
    if (rc == PRO_TK_NO_ERROR) {
        copy->version = 0;
        copy->revision = 1;
        rc = modelSave(*copy);
    }
    if (rc != PRO_TK_NO_ERROR) {
        store.erase(copy->id);
        return rc;
    }
    *out = copy;
    return PRO_TK_NO_ERROR;
}

ProError modelRename(Session& s, Model& model, const std::string& newName) {
    if (!modelNameValid(newName)) {
        return PRO_TK_BAD_INPUTS;
    }
    if (upperName(newName) == model.name) {
        return PRO_TK_NO_ERROR;
    }
    if (!s.area<ModelStore>().rename(model, newName)) {
        return PRO_TK_E_FOUND;
    }
    model.touch();
    return PRO_TK_NO_ERROR;
}

ProError modelErase(Session& s, Model& model) {
    ModelStore& store = s.area<ModelStore>();
    if (store.usedByOthers(model)) {
        return PRO_TK_E_IN_USE;
    }
    s.area<WindowStore>().forgetModel(model.id);
    store.erase(model.id);
    return PRO_TK_NO_ERROR;
}

ProError modelEraseAll(Session& s, Model& model) {
    ModelStore& store = s.area<ModelStore>();
    if (store.usedByOthers(model)) {
        return PRO_TK_E_IN_USE;
    }
    // Depth-first over what the model uses; each model is erased once nothing that
    // stays in session uses it.
    const int rootId = model.id;  // `model` is gone after the first erase
    std::vector<int> pending{rootId};
    std::unordered_set<int> seen{rootId};
    while (!pending.empty()) {
        Model* current = store.byId(pending.back());
        pending.pop_back();
        if (current == nullptr || (current->id != rootId && store.usedByOthers(*current))) {
            continue;
        }
        std::vector<Model*> used = store.uses(*current);
        s.area<WindowStore>().forgetModel(current->id);
        store.erase(current->id);
        for (Model* u : used) {
            if (seen.insert(u->id).second) {
                pending.push_back(u->id);
            }
        }
    }
    return PRO_TK_NO_ERROR;
}

ProError modelGeneric(Session& s, Model& model, bool immediate, Model** out) {
    Model* current = &model;
    for (int depth = 0; depth < kMaxInstanceDepth; ++depth) {
        if (current->generic.empty()) {
            if (current == &model) {
                return PRO_TK_E_NOT_FOUND;
            }
            *out = current;
            return PRO_TK_NO_ERROR;
        }
        Model* generic = nullptr;
        fs::path file = current->directory / current->generic;
        ProError rc = modelLoad(s, file.string(), current->type, &generic);
        if (rc != PRO_TK_NO_ERROR) {
            return PRO_TK_E_NOT_FOUND;
        }
        if (immediate || generic == &model) {
            *out = generic;
            return PRO_TK_NO_ERROR;
        }
        current = generic;
    }
    return PRO_TK_E_NOT_FOUND;
}

}  // namespace simhost::state
