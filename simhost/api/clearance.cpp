// The clearance of two parts placed in one top assembly, measured on their solids.
#include <ProDevelop.h>

#include <algorithm>
#include <limits>
#include <string>
#include <vector>

#include "simhost/api/model_args.h"
#include "simhost/core/entry.h"
#include "simhost/state/placed_solids.h"

using namespace simhost::core;
using namespace simhost::state;
using simhost::api::handleArg;
namespace geo = simhost::geometry;

namespace {

// The solids of the part a record names, placed in its top model's frame.
ProError placedPart(Session& s, const Select3d& record, std::vector<geo::PlacedSolid>& solids) {
    if (record.memb_num < 0 || record.memb_num > PRO_MAX_ASSEM_LEVEL) {
        return PRO_TK_BAD_INPUTS;
    }
    ProAsmcomppath path{};
    path.owner = static_cast<ProSolid>(record.top_model);
    path.table_num = record.memb_num;
    std::copy(record.memb_id_tab, record.memb_id_tab + record.memb_num, path.comp_id_table);
    PathEnd end;
    if (ProError rc = pathEndResolve(s, path, end)) {
        return rc;
    }
    Model* part = s.area<ModelStore>().byHandle(record.part_ptr);
    if (part == nullptr || part != end.model || part->type != kPart) {
        return PRO_TK_BAD_INPUTS;
    }
    solids = modelSolidsPlaced(s, *part, end.place);
    if (solids.empty()) {
        return modelDeclaresSolids(s, *part) ? geo::kKernelNotAvailable : PRO_TK_E_NOT_FOUND;
    }
    return PRO_TK_NO_ERROR;
}

}  // namespace

extern "C" {

int pro_compute_clearance(Select3d* first, Select3d* second, int clearance_type, double* distance,
                          int* interference, double closest_points[2][3]) try {
    SIMHOST_ENTER("pro_compute_clearance", std::to_string(clearance_type));
    SIMHOST_SESSION(s);
    (void)closest_points;
    if (first == nullptr || second == nullptr || distance == nullptr || interference == nullptr ||
        clearance_type != PRO_PART_CLEARANCE || first->top_model != second->top_model) {
        return PRO_TK_BAD_INPUTS;
    }
    std::vector<geo::PlacedSolid> a;
    std::vector<geo::PlacedSolid> b;
    // Both records are checked before a missing kernel is reported.
    ProError firstRc = placedPart(*s, *first, a);
    if (firstRc != PRO_TK_NO_ERROR && firstRc != geo::kKernelNotAvailable) {
        return firstRc;
    }
    if (ProError rc = placedPart(*s, *second, b)) {
        return rc;
    }
    if (firstRc != PRO_TK_NO_ERROR) {
        return firstRc;
    }
    double smallest = std::numeric_limits<double>::infinity();
    for (const geo::PlacedSolid& one : a) {
        for (const geo::PlacedSolid& other : b) {
            bool overlap = false;
            if (ProError rc = geo::solidsInterfere(one, other, &overlap)) {
                return rc;
            }
            if (overlap) {
                *distance = 0.0;
                *interference = 1;
                return PRO_TK_NO_ERROR;
            }
            double d = 0.0;
            if (ProError rc = geo::solidsDistance(one, other, &d)) {
                return rc;
            }
            smallest = std::min(smallest, d);
        }
    }
    *distance = smallest;
    *interference = 0;
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

}  // extern "C"
