// Shrinkwrap: the outer shape of a part's or an assembly's solids, into another part as
// an import feature, or into a faceted file (an STL file, or a part model file).
#include <ProShrinkwrap.h>

#include <filesystem>
#include <string>

#include "simhost/api/enum_args.h"
#include "simhost/api/live_kind.h"
#include "simhost/api/model_args.h"
#include "simhost/api/path_args.h"
#include "simhost/core/entry.h"
#include "simhost/geometry/kernel_shrinkwrap.h"
#include "simhost/state/components.h"
#include "simhost/state/imported_solids.h"
#include "simhost/state/model_files.h"
#include "simhost/state/placed_solids.h"

using namespace simhost::state;
namespace geo = simhost::geometry;
using simhost::api::booleanValid;
using simhost::api::handleArg;
using simhost::api::modelOf;
using simhost::api::plainInt;

struct sw_options {
    int method = PRO_SWCREATE_MERGED_SOLID;
    bool fillHoles = false;
    int format = PRO_SWFACETED_PART;
    int quality = 5;
};

namespace {

constexpr int kQualityMin = 1;
constexpr int kQualityMax = 10;

simhost::api::LiveKind& optionObjects() {
    static auto* kind = new simhost::api::LiveKind;
    return *kind;
}

void optionsRelease(const void* p) {
    optionObjects().forget(p);
    delete static_cast<const sw_options*>(p);
}

sw_options* live(ProShrinkwrapOptions options) {
    return optionObjects().live(options) ? options : nullptr;
}

// The file with `extension` appended when it has none.
std::filesystem::path withExtension(std::filesystem::path file, const char* extension) {
    if (!file.has_extension()) {
        file += extension;
    }
    return file;
}

// A part model file at `file` (".prt" added when it has no extension) holding the solid
// (taken over) as its import feature; the part is named after the file.
ProError partFileWrite(const std::filesystem::path& file, int solid) {
    const std::filesystem::path target = withExtension(file, ".prt");
    const std::string name = upperName(target.stem().string());
    if (!modelNameValid(name) ||
        modelTypeFromText(target.extension().string().substr(1)) != kPart) {
        geo::solidFree(solid);
        return PRO_TK_BAD_INPUTS;
    }
    Model part;
    part.name = name;
    part.type = kPart;
    part.subtype = 2;  // solid part
    if (ProError rc = importSolidFeatureAdd(part, solid, nullptr)) {
        return rc;
    }
    part.version = 1;
    return modelFileWrite(target, part);
}

// The faceted file of the solid in the options' format.
ProError facetedWrite(const std::filesystem::path& file, const sw_options& options, int solid) {
    switch (options.format) {
        case PRO_SWFACETED_STL: {
            int triangles = 0;
            ProError rc =
                geo::solidStlWrite(solid, withExtension(file, ".stl"), options.quality, &triangles);
            geo::solidFree(solid);
            return rc;
        }
        case PRO_SWFACETED_PART:
        case PRO_SWFACETED_LIGHTWEIGHT_PART:
            return partFileWrite(file, solid);
        default:
            geo::solidFree(solid);
            return PRO_TK_UNSUPPORTED;
    }
}

}  // namespace

extern "C" {

ProError ProShrinkwrapoptionsAlloc(ProShrinkwrapCreationMethod method,
                                   ProShrinkwrapOptions* p_options) try {
    SIMHOST_ENTER("ProShrinkwrapoptionsAlloc", std::to_string(plainInt(method)));
    const int kind = plainInt(method);
    if (p_options == nullptr || kind < PRO_SWCREATE_SURF_SUBSET ||
        kind > PRO_SWCREATE_MERGED_SOLID) {
        return PRO_TK_BAD_INPUTS;
    }
    auto* options = new sw_options{};
    options->method = kind;
    optionObjects().add(options, optionsRelease);
    *p_options = options;
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProShrinkwrapoptionsAutoholefillingSet(ProShrinkwrapOptions options,
                                                ProBoolean auto_hole_filling) try {
    SIMHOST_ENTER("ProShrinkwrapoptionsAutoholefillingSet",
                  std::to_string(plainInt(auto_hole_filling)));
    sw_options* o = live(options);
    if (o == nullptr || !booleanValid(auto_hole_filling)) {
        return PRO_TK_BAD_INPUTS;
    }
    o->fillHoles = plainInt(auto_hole_filling) == PRO_B_TRUE;
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProShrinkwrapoptionsFacetedformatSet(ProShrinkwrapOptions options,
                                              ProShrinkwrapFacetedFormat format) try {
    SIMHOST_ENTER("ProShrinkwrapoptionsFacetedformatSet", std::to_string(plainInt(format)));
    sw_options* o = live(options);
    const int kind = plainInt(format);
    if (o == nullptr || kind < PRO_SWFACETED_PART || kind > PRO_SWFACETED_VRML) {
        return PRO_TK_BAD_INPUTS;
    }
    o->format = kind;
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProShrinkwrapoptionsQualitySet(ProShrinkwrapOptions options, int quality) try {
    SIMHOST_ENTER("ProShrinkwrapoptionsQualitySet", std::to_string(quality));
    sw_options* o = live(options);
    if (o == nullptr || quality < kQualityMin || quality > kQualityMax) {
        return PRO_TK_BAD_INPUTS;
    }
    o->quality = quality;
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProShrinkwrapoptionsFree(ProShrinkwrapOptions options) try {
    SIMHOST_ENTER("ProShrinkwrapoptionsFree");
    if (!optionObjects().remove(options)) {
        return PRO_TK_BAD_INPUTS;
    }
    optionsRelease(options);
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProSolidShrinkwrapCreate(ProSolid solid, ProSolid output_model, ProPath output_file,
                                  ProShrinkwrapOptions output_options) try {
    SIMHOST_ENTER("ProSolidShrinkwrapCreate", handleArg(solid), handleArg(output_model));
    SIMHOST_SESSION(s);
    const sw_options* options = live(output_options);
    Model* source = modelOf(s, solid);
    if (options == nullptr || source == nullptr ||
        (source->type != kPart && source->type != kAssembly) ||
        (output_model == nullptr) == (output_file == nullptr)) {
        return PRO_TK_BAD_INPUTS;
    }
    Model* target = nullptr;
    std::filesystem::path file;
    if (output_model != nullptr) {
        target = modelOf(s, output_model);
        if (options->method != PRO_SWCREATE_MERGED_SOLID || target == nullptr ||
            target->type != kPart || componentContains(*s, *source, *target)) {
            return PRO_TK_BAD_INPUTS;
        }
    } else if (options->method != PRO_SWCREATE_FACETED_SOLID ||
               !simhost::api::pathArg(*s, output_file, file)) {
        return options->method == PRO_SWCREATE_SURF_SUBSET ? PRO_TK_UNSUPPORTED : PRO_TK_BAD_INPUTS;
    }
    const std::vector<geo::PlacedSolid> solids = modelSolidsPlaced(*s, *source, geo::Placement{});
    if (solids.empty()) {
        return modelDeclaresSolids(*s, *source) ? geo::kKernelNotAvailable : PRO_TK_E_NOT_FOUND;
    }
    int wrapped = 0;
    if (ProError rc = geo::solidsShrinkwrap(solids, options->fillHoles, &wrapped)) {
        return rc;
    }
    if (target != nullptr) {
        return importSolidFeatureAdd(*target, wrapped, nullptr);
    }
    return facetedWrite(file, *options, wrapped);
}
SIMHOST_CATCH

}  // extern "C"
