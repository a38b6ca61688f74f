// The host's UDF library: group definitions read from "<name>.gph" files
// (docs/udf-files.md). A definition lists the references a placement needs and the
// datum features it brings, each placed against a reference or an earlier feature of
// the definition.
#pragma once

#include <ProToolkit.h>

#include <array>
#include <string>
#include <vector>

#include "simhost/state/sessions.h"

namespace simhost::state {

// Limits of a definition file.
constexpr std::size_t kUdfFileBytesMax = 1 << 20;
constexpr std::size_t kUdfNestingMax = 8;
constexpr std::size_t kUdfReferencesMax = 64;
constexpr std::size_t kUdfFeaturesMax = 256;
constexpr std::size_t kUdfMovesMax = 16;
constexpr std::size_t kUdfPromptMax = 80;  // characters, the terminator of a ProLine aside

struct UdfReference {
    std::wstring prompt;
    int type = 0;  // PRO_CSYS or PRO_POINT
};

struct UdfMove {
    int kind = 0;  // a geometry::MoveKind
    double value = 0.0;
    std::wstring symbol;  // empty: the host's default symbol
};

struct UdfFeature {
    int type = 0;                       // kFeatCsys or kFeatDatumPoint
    std::string name;                   // upper case
    std::wstring key;                   // the name as written, as later features refer to it
    std::wstring reference;             // a coordinate system: a prompt or an earlier feature
    std::wstring origin;                // coordinate systems: a datum point, or empty
    std::vector<UdfMove> moves;         // coordinate systems
    std::array<double, 3> at{};         // datum points: offsets in the reference's frame
    bool dimensions = false;            // datum points: make the three dimensions
    std::vector<std::wstring> symbols;  // datum points: empty or three symbols
};

struct UdfDefinition {
    std::string name;  // lower case, without extension and version
    std::vector<UdfReference> references;
    std::vector<UdfFeature> features;
};

// The definition's name from a name as the caller gives it: "tip_gauge",
// "tip_gauge.gph" or "tip_gauge.gph.1", in any case. False for a name that is none of
// these forms.
bool udfDefinitionName(const std::wstring& given, std::string& name);

// Finds and reads the definition: in the directories of the option "pro_group_dir" in
// their order, then in the session's working directory. PRO_TK_NO_ERROR,
// PRO_TK_BAD_INPUTS (not a definition name), PRO_TK_E_NOT_FOUND (no file),
// PRO_TK_CANT_OPEN or PRO_TK_INVALID_FILE (a file that is not a valid definition; then
// `diagnostic` says where and why).
ProError udfDefinitionFind(const Session& session, const std::wstring& given, UdfDefinition& out,
                           std::string& diagnostic);

// Reads a definition from the text of a file; throws std::runtime_error saying what is
// wrong.
UdfDefinition udfDefinitionParse(const std::string& name, const std::string& content);

}  // namespace simhost::state
