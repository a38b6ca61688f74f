// Model files: the JSON text the host keeps a model in (docs/model-files.md).
#pragma once

#include <nlohmann/json.hpp>

#include <filesystem>
#include <functional>
#include <string>

#include <ProToolkit.h>

#include "simhost/state/elemtree.h"
#include "simhost/state/json_place.h"
#include "simhost/state/models.h"

namespace simhost::state {

// The layout version this host writes; files of other versions load as far as their
// keys are known.
constexpr int kModelFileFormat = 1;

// How deep lists and objects nest in a model file: room for the deepest element tree
// (two levels per tree level) within the sections. A deeper file is refused before it
// is read, so that no reader and no copy of the document goes deeper.
constexpr std::size_t kModelFileNestingMax = 2 * kTreeLevelsMax + 48;

// A section of the model file that a host area interprets. `read` fills the model's
// content from the section (and throws on a malformed one); `write` gives the section,
// or null to write none. Sections without a codec are kept verbatim.
struct SectionCodec {
    std::string key;
    std::function<void(Model&, const nlohmann::json&)> read;
    std::function<nlohmann::json(Model&)> write;
};
void sectionCodecAdd(SectionCodec codec);

// Called once all sections of a document are read into the model, for areas whose
// sections refer to what other sections hold. Runs as part of the load: a throw makes
// the file invalid.
void modelLoadHookAdd(std::function<void(Model&)> hook);

// What is wrong in a document that is not a model: where, and why.
struct ModelFileFault {
    JsonPath place;
    std::string what;
};

// Fills `model` (whose name and type are set) from the file's document. Returns
// PRO_TK_NO_ERROR or PRO_TK_INVALID_FILE for a document that is not a model of that
// type; then `fault` (if given) tells why.
ProError modelFromJson(const nlohmann::json& doc, Model& model, ModelFileFault* fault = nullptr);
nlohmann::json modelToJson(Model& model);

// Reads and parses a model file into its text and document: PRO_TK_NO_ERROR,
// PRO_TK_E_NOT_FOUND (no such file), PRO_TK_CANT_OPEN or PRO_TK_INVALID_FILE (not JSON);
// on failure `diagnostic` tells why.
ProError modelFileRead(const std::filesystem::path& file, std::string& text, nlohmann::json& doc,
                       std::string& diagnostic);
// "<file>:<line>:<column>: <place>: <what>" for the value at `place` in the file's text.
std::string modelFileDiagnostic(const std::filesystem::path& file, const std::string& text,
                                const ModelFileFault& fault);
// Writes the model's document: PRO_TK_NO_ERROR or PRO_TK_CANT_WRITE.
ProError modelFileWrite(const std::filesystem::path& file, Model& model);

}  // namespace simhost::state
