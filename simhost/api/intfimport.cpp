// New models from interface files: a part holding the file's solids, or an assembly with
// one component part per part of a STEP file's product structure.
#include <ProIntfimport.h>

#include <cctype>
#include <cstring>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "simhost/api/enum_args.h"
#include "simhost/api/model_args.h"
#include "simhost/api/path_args.h"
#include "simhost/core/entry.h"
#include "simhost/geometry/kernel_import.h"
#include "simhost/state/component_add.h"
#include "simhost/state/imported_solids.h"
#include "simhost/state/model_session.h"
#include "simhost/state/models.h"

using namespace simhost::state;
namespace geo = simhost::geometry;
using simhost::api::handleArg;
using simhost::api::plainInt;
using simhost::api::wideArg;

namespace {

constexpr std::size_t kNameMax = 31;

// A product name made a model name: letters, digits, '_' and '-' kept (others become
// '_'), upper case, at most 31 characters; "PART" for an empty name.
std::string modelNameOf(const std::string& product) {
    std::string out;
    for (char c : product) {
        if (out.size() == kNameMax) {
            break;
        }
        const unsigned char u = static_cast<unsigned char>(c);
        out += std::isalnum(u) != 0 || c == '-' ? static_cast<char>(std::toupper(u)) : '_';
    }
    return out.empty() ? "PART" : out;
}

// Names of the component parts: each product's name, made unique among the parts of
// this import and the parts in session by "_2", "_3" ... (the name cut to make room).
class PartNames {
public:
    explicit PartNames(Session& s) : store_(s.area<ModelStore>()) {}

    std::string next(const std::string& product) {
        const std::string base = modelNameOf(product);
        std::string name = base;
        for (int n = 2; taken(name); ++n) {
            const std::string suffix = "_" + std::to_string(n);
            name = base.substr(0, kNameMax - suffix.size()) + suffix;
        }
        used_.insert(name);
        return name;
    }

private:
    bool taken(const std::string& name) {
        return used_.count(name) != 0 || store_.byName(name, kPart) != nullptr;
    }
    ModelStore& store_;
    std::set<std::string> used_;
};

// The models made so far: erased again when the import fails.
class MadeModels {
public:
    explicit MadeModels(Session& s) : session_(s) {}
    ~MadeModels() {
        if (kept_) {
            return;
        }
        // The assembly first: then nothing uses its parts any more.
        for (int id : ids_) {
            if (Model* model = session_.area<ModelStore>().byId(id)) {
                modelErase(session_, *model);
            }
        }
    }
    MadeModels(const MadeModels&) = delete;
    MadeModels& operator=(const MadeModels&) = delete;

    ProError create(const std::string& name, int type, Model** out) {
        ProError rc = modelCreate(session_, name, type, out);
        if (rc == PRO_TK_NO_ERROR) {
            ids_.push_back((*out)->id);
        }
        return rc;
    }
    void keep() { kept_ = true; }

private:
    Session& session_;
    std::vector<int> ids_;
    bool kept_ = false;
};

// A new part holding `solid` (taken over) as an import feature.
ProError partWithSolid(MadeModels& made, const std::string& name, int solid, Model** out) {
    if (ProError rc = made.create(name, kPart, out)) {
        geo::solidFree(solid);
        return rc;
    }
    return importSolidFeatureAdd(**out, solid, nullptr);
}

ProError assemblyOfParts(Session& s, MadeModels& made, const std::string& name,
                         std::vector<geo::StepPart>& parts, Model** out) {
    Model* assembly = nullptr;
    ProError rc = made.create(name, kAssembly, &assembly);
    PartNames names(s);
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const int solid = parts[i].solid;
        parts[i].solid = 0;  // taken over below, or freed
        if (rc != PRO_TK_NO_ERROR) {
            geo::solidFree(solid);
            continue;
        }
        Model* part = nullptr;
        rc = partWithSolid(made, names.next(parts[i].name), solid, &part);
        if (rc == PRO_TK_NO_ERROR) {
            rc = componentAdd(*assembly, *part, parts[i].placement, nullptr);
        }
    }
    *out = assembly;
    return rc;
}

// The file's parts: a STEP file's product structure, or an ACIS stand-in's solids as
// one part.
ProError partsOf(const std::filesystem::path& file, int type, bool structure,
                 std::vector<geo::StepPart>& parts) {
    if (type == PRO_INTF_IMPORT_STEP && structure) {
        return geo::stepPartsRead(file, &parts);
    }
    geo::StepPart whole;
    const geo::SolidFileKind kind =
        type == PRO_INTF_IMPORT_STEP ? geo::SolidFileKind::Step : geo::SolidFileKind::AcisStandin;
    if (ProError rc = geo::solidFileRead(file, kind, &whole.solid)) {
        return rc;
    }
    whole.name = file.stem().string();
    parts.push_back(whole);
    return PRO_TK_NO_ERROR;
}

}  // namespace

extern "C" {

ProError ProIntfimportModelCreate(ProPath import_file, ProIntfImportType type,
                                  ProMdlType create_type, ProName new_model_name,
                                  ProIntfimportLayerFilter /*filter_func*/,
                                  ProAppData /*application_data*/, ProMdl* created_model) try {
    SIMHOST_ENTER("ProIntfimportModelCreate", wideArg(import_file, PRO_PATH_SIZE),
                  std::to_string(plainInt(type)), std::to_string(plainInt(create_type)),
                  wideArg(new_model_name, PRO_NAME_SIZE));
    SIMHOST_SESSION(s);
    const int kind = plainInt(type);
    const int modelType = plainInt(create_type);
    std::filesystem::path file;
    std::string name;
    if (created_model == nullptr || !simhost::api::pathArg(*s, import_file, file) ||
        !simhost::api::wideText(new_model_name, PRO_NAME_SIZE, name) || !modelNameValid(name) ||
        (modelType != kPart && modelType != kAssembly) || kind <= PRO_INTF_IMPORT_NONE ||
        kind > PRO_INTF_IMPORT_3MF) {
        return PRO_TK_BAD_INPUTS;
    }
    if (kind != PRO_INTF_IMPORT_STEP && kind != PRO_INTF_IMPORT_ACIS) {
        return PRO_TK_UNSUPPORTED;
    }
    if (s->area<ModelStore>().byName(name, modelType) != nullptr) {
        return PRO_TK_E_FOUND;
    }
    if (ProError rc = simhost::api::fileReadable(file)) {
        return rc;
    }
    std::vector<geo::StepPart> parts;
    if (ProError rc = partsOf(file, kind, modelType == kAssembly, parts)) {
        return rc;
    }
    MadeModels made(*s);
    Model* model = nullptr;
    ProError rc = PRO_TK_NO_ERROR;
    if (modelType == kAssembly) {
        rc = assemblyOfParts(*s, made, name, parts, &model);
    } else {
        rc = partWithSolid(made, name, parts.front().solid, &model);
    }
    if (rc != PRO_TK_NO_ERROR) {
        return rc;
    }
    made.keep();
    *created_model = modelHandle(model->id);
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

}  // extern "C"
