// Sections: their entities, projections of model geometry into them, and solving.
#include <ProSection.h>

#include <cmath>
#include <string>
#include <vector>

#include "simhost/api/model_args.h"
#include "simhost/core/arrays.h"
#include "simhost/core/entry.h"
#include "simhost/core/wide.h"
#include "simhost/state/features.h"
#include "simhost/state/section_curves.h"
#include "simhost/state/sections.h"
#include "simhost/state/selections.h"

using namespace simhost::state;

namespace {

bool finite(const Pro2dPnt p) {
    return std::isfinite(p[0]) && std::isfinite(p[1]);
}

// The caller's entity as the section keeps it; false for a type or numbers the
// section does not take.
bool entityFrom(const Pro2dEntdef& given, SectionEntity& out) {
    out.type = given.type;
    switch (given.type) {
        case PRO_2D_LINE:
        case PRO_2D_CENTER_LINE: {
            const auto& line = reinterpret_cast<const Pro2dLinedef&>(given);
            if (!finite(line.end1) || !finite(line.end2)) {
                return false;
            }
            out.a = {line.end1[0], line.end1[1]};
            out.b = {line.end2[0], line.end2[1]};
            // A centre line is a reference: it needs two distinct points.
            return given.type == PRO_2D_LINE || out.a != out.b;
        }
        case PRO_2D_ARC: {
            const auto& arc = reinterpret_cast<const Pro2dArcdef&>(given);
            if (!finite(arc.center) || !std::isfinite(arc.start_angle) ||
                !std::isfinite(arc.end_angle) || !std::isfinite(arc.radius) ||
                !(arc.radius > 0.0)) {
                return false;
            }
            out.a = {arc.center[0], arc.center[1]};
            out.radius = arc.radius;
            out.startAngle = arc.start_angle;
            out.endAngle = arc.end_angle;
            return true;
        }
        case PRO_2D_COORD_SYS: {
            const auto& csys = reinterpret_cast<const Pro2dCoordSysdef&>(given);
            out.a = {csys.pnt[0], csys.pnt[1]};
            out.construction = true;
            return finite(csys.pnt);
        }
        default:
            return false;
    }
}

int entityAdd(SectionData& section, SectionEntity entity) {
    entity.id = section.nextId++;
    section.entities.push_back(entity);
    return entity.id;
}

// Solves the section; the problems go into the caller's list (when given and live).
ProError solve(ProSection section, ProWSecerror* sec_errors) {
    SectionData* data = sectionFind(section);
    std::vector<std::wstring>* list = sec_errors != nullptr ? secerrorsFind(*sec_errors) : nullptr;
    if (data == nullptr || (sec_errors != nullptr && list == nullptr)) {
        return PRO_TK_BAD_INPUTS;
    }
    std::vector<std::string> problems = sectionProblems(*data);
    if (list != nullptr) {
        for (const std::string& problem : problems) {
            list->push_back(simhost::core::widen(problem));
        }
    }
    return problems.empty() ? PRO_TK_NO_ERROR : PRO_TK_GENERAL_ERROR;
}

}  // namespace

extern "C" {

ProError ProSectionEntityAdd(ProSection section, Pro2dEntdef* entity2d, int* r_ent_id) try {
    SIMHOST_ENTER("ProSectionEntityAdd",
                  entity2d != nullptr ? std::to_string(entity2d->type) : std::string());
    SectionData* data = sectionFind(section);
    SectionEntity entity;
    if (data == nullptr || entity2d == nullptr || r_ent_id == nullptr ||
        !entityFrom(*entity2d, entity)) {
        return PRO_TK_BAD_INPUTS;
    }
    *r_ent_id = entityAdd(*data, entity);
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProSectionEntityConstructionSet(ProSection handle, int entity_id,
                                         ProBoolean construction) try {
    SIMHOST_ENTER("ProSectionEntityConstructionSet", std::to_string(entity_id),
                  std::to_string(construction));
    SectionData* data = sectionFind(handle);
    if (data == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    for (SectionEntity& entity : data->entities) {
        if (entity.id == entity_id) {
            entity.construction = construction != PRO_B_FALSE;
            return PRO_TK_NO_ERROR;
        }
    }
    return PRO_TK_E_NOT_FOUND;
}
SIMHOST_CATCH

ProError ProSectionEntityFromProjection(ProSection section, ProSelection ref_geometry,
                                        int* r_ent_id) try {
    SIMHOST_ENTER("ProSectionEntityFromProjection");
    SIMHOST_SESSION(s);
    SectionData* data = sectionFind(section);
    const Selection* selection = selectionFind(ref_geometry);
    if (data == nullptr || selection == nullptr || r_ent_id == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    // Projection needs the sketch plane of the feature the section belongs to.
    Model* model = data->model != nullptr ? simhost::api::modelOf(s, data->model) : nullptr;
    if (model == nullptr || !data->frame) {
        return PRO_TK_BAD_CONTEXT;
    }
    const ProModelitem& item = selection->data.item;
    const GeomItem* csys = features(*model).item(item.id);
    if (item.type != PRO_CSYS || item.owner != data->model || csys == nullptr ||
        csys->type != PRO_CSYS || (selection->data.path && selection->data.path->table_num != 0)) {
        return PRO_TK_BAD_INPUTS;
    }
    SectionEntity entity;
    entity.type = PRO_2D_COORD_SYS;
    entity.construction = true;
    entity.a = sketchPoint(*data->frame, csys->place.origin);
    *r_ent_id = entityAdd(*data, entity);
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProSectionEntityUseCurveLoop(ProSection section, ProSelection ref_ent,
                                      ProIntlist* p_id_list, int* p_num_ids) try {
    SIMHOST_ENTER("ProSectionEntityUseCurveLoop");
    SIMHOST_SESSION(s);
    SectionData* data = sectionFind(section);
    const Selection* selection = selectionFind(ref_ent);
    if (data == nullptr || selection == nullptr || p_id_list == nullptr || p_num_ids == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    Model* model = data->model != nullptr ? simhost::api::modelOf(s, data->model) : nullptr;
    if (model == nullptr || !data->frame) {
        return PRO_TK_BAD_CONTEXT;
    }
    std::vector<SectionEntity> loop;
    if (ProError rc =
            curveLoopEntities(*model, selection->data, *data->frame, data->epsilon, loop)) {
        return rc;
    }
    std::vector<int> ids;
    for (const SectionEntity& entity : loop) {
        ids.push_back(entityAdd(*data, entity));
    }
    *p_id_list = simhost::core::arrayOf(ids.data(), static_cast<int>(ids.size()));
    *p_num_ids = static_cast<int>(ids.size());
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProSectionEpsilonSet(ProSection section, double section_eps) try {
    SIMHOST_ENTER("ProSectionEpsilonSet");
    SectionData* data = sectionFind(section);
    if (data == nullptr || !std::isfinite(section_eps) || !(section_eps > 0.0)) {
        return PRO_TK_BAD_INPUTS;
    }
    data->epsilon = section_eps;
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProSectionAutodim(ProSection section, ProWSecerror* sec_errors) try {
    SIMHOST_ENTER("ProSectionAutodim");
    // The host keeps no sketch dimensions: the entities are fixed as they are.
    if (sectionFind(section) == nullptr ||
        (sec_errors != nullptr && secerrorsFind(*sec_errors) == nullptr)) {
        return PRO_TK_BAD_INPUTS;
    }
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProSectionSolve(ProSection section, ProWSecerror* sec_errors) try {
    SIMHOST_ENTER("ProSectionSolve");
    return solve(section, sec_errors);
}
SIMHOST_CATCH

ProError ProSectionRegenerate(ProSection section, ProWSecerror* sec_errors) try {
    SIMHOST_ENTER("ProSectionRegenerate");
    return solve(section, sec_errors);
}
SIMHOST_CATCH

}  // extern "C"
