// What the host's file exports share (export_args.h).
#include "simhost/api/export_args.h"

#include <string>

#include "simhost/api/model_args.h"
#include "simhost/state/placed_solids.h"

namespace simhost::api {

bool exportPath(const wchar_t* buffer, std::size_t size, std::filesystem::path& out) {
    std::string text;
    if (!wideText(buffer, size, text) || text.empty()) {
        return false;
    }
    out = std::filesystem::path(text);
    return true;
}

ProError exportSolids(state::Session& session, state::Model& model,
                      const geometry::Placement& place, std::vector<geometry::PlacedSolid>& out) {
    out = state::modelSolidsPlaced(session, model, place);
    if (!out.empty()) {
        return PRO_TK_NO_ERROR;
    }
    return state::modelDeclaresSolids(session, model) ? geometry::kKernelNotAvailable
                                                      : PRO_TK_BAD_CONTEXT;
}

}  // namespace simhost::api
