// Resolution of component paths and of placed solids for the host's measurements.
#include "simhost/state/placed_solids.h"

#include "simhost/state/components.h"
#include "simhost/state/imported_solids.h"
#include "simhost/state/revolves.h"
#include "simhost/state/solids.h"

namespace simhost::state {

namespace geo = simhost::geometry;

ProError pathEndResolve(Session& session, const ProAsmcomppath& path, PathEnd& end) {
    Model* root = session.area<ModelStore>().byHandle(path.owner);
    if (root == nullptr || path.table_num < 0 || path.table_num > PRO_MAX_ASSEM_LEVEL) {
        return PRO_TK_BAD_INPUTS;
    }
    Model* model = nullptr;
    geo::Placement place;
    if (componentPathResolve(session, *root, path.comp_id_table, path.table_num, &model, &place) !=
            PRO_TK_NO_ERROR ||
        model == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    end.model = model;
    end.place = place;
    return PRO_TK_NO_ERROR;
}

std::vector<geo::PlacedSolid> modelSolidsPlaced(Session& session, Model& model,
                                                const geo::Placement& place) {
    std::vector<geo::PlacedSolid> out;
    auto add = [&out](Model& part, const geo::Placement& at) {
        for (int id : partSolids(part).ids()) {
            out.push_back({id, at});
        }
        for (int id : revolveSolids(part)) {
            out.push_back({id, at});
        }
        for (int id : importedSolidIds(part)) {
            out.push_back({id, at});
        }
    };
    if (model.type == kPart) {
        add(model, place);
        return out;
    }
    for (const PlacedPart& placed : placedParts(session, model)) {
        add(*placed.part, geo::compose(place, placed.placement));
    }
    return out;
}

bool modelDeclaresSolids(Session& session, Model& model) {
    auto declares = [](Model& part) {
        const nlohmann::json& section = partSolids(part).section();
        return (section.is_array() && !section.empty()) || revolvesDeclared(part) ||
               importedSolidsDeclared(part);
    };
    if (model.type == kPart) {
        return declares(model);
    }
    for (const PlacedPart& placed : placedParts(session, model)) {
        if (declares(*placed.part)) {
            return true;
        }
    }
    return false;
}

geo::Vec3 pointInFrame(const geo::Placement& frame, const geo::Vec3& p) {
    const geo::Vec3 d{p[0] - frame.origin[0], p[1] - frame.origin[1], p[2] - frame.origin[2]};
    auto dot = [&d](const geo::Vec3& axis) {
        return d[0] * axis[0] + d[1] * axis[1] + d[2] * axis[2];
    };
    return {dot(frame.x), dot(frame.y), dot(frame.z)};
}

}  // namespace simhost::state
