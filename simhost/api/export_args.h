// What the host's file exports share: the output path of a wide buffer and the solids a
// model gives to an export.
#pragma once

#include <cstddef>
#include <filesystem>
#include <vector>

#include <ProToolkit.h>

#include "simhost/geometry/kernel.h"
#include "simhost/state/models.h"
#include "simhost/state/sessions.h"

namespace simhost::api {

// The path of a wide buffer of `size` characters; false when it is null, holds no
// terminator or is empty.
bool exportPath(const wchar_t* buffer, std::size_t size, std::filesystem::path& out);

// The solids of `model` (a part's own, an assembly's placed parts) placed by `place`.
// PRO_TK_BAD_CONTEXT when the model has none to write; kKernelNotAvailable when it
// declares solids that this build cannot make.
ProError exportSolids(state::Session& session, state::Model& model,
                      const geometry::Placement& place, std::vector<geometry::PlacedSolid>& out);

// A writer's "cannot write" as the exports report it.
inline ProError exportWriteCode(ProError rc) {
    return rc == PRO_TK_CANT_WRITE ? PRO_TK_GENERAL_ERROR : rc;
}

}  // namespace simhost::api
