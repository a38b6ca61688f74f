// Toolkit contract: sections, the 2-D sketches of sketched features. A feature's section
// is the value of its sketch element (element 458 under 447, a PRO_VALUE_TYPE_POINTER);
// it belongs to the feature's element tree and changes the feature only when the tree is
// given back with ProFeatureRedefine.
#pragma once

#include <Pro2dEntdef.h>
#include <ProObjects.h>
#include <ProSecerror.h>
#include <ProSelection.h>
#include <ProToolkit.h>

typedef struct section_data* ProSection;

PRO_BEGIN_C_DECLS
// Adds a copy of the entity; *r_ent_id receives its id in the section.
PRO_TK_EXPORT ProError ProSectionEntityAdd(ProSection section, Pro2dEntdef* entity2d,
                                           int* r_ent_id);
// Marks the entity as construction geometry (not part of the profile) or not.
PRO_TK_EXPORT ProError ProSectionEntityConstructionSet(ProSection handle, int entity_id,
                                                       ProBoolean construction);
// Projects the selected geometry (a coordinate system) into the sketch plane as a
// reference entity; *r_ent_id receives its id.
PRO_TK_EXPORT ProError ProSectionEntityFromProjection(ProSection section, ProSelection ref_geometry,
                                                      int* r_ent_id);
// Takes the loop of curves that the selected curve belongs to into the section, projected
// into the sketch plane; *p_id_list receives the new entities' ids (a ProArray the caller
// frees) and *p_num_ids their number.
PRO_TK_EXPORT ProError ProSectionEntityUseCurveLoop(ProSection section, ProSelection ref_ent,
                                                    ProIntlist* p_id_list, int* p_num_ids);
// The distance below which two entity ends count as one point.
PRO_TK_EXPORT ProError ProSectionEpsilonSet(ProSection section, double section_eps);
// Dimensions the section; problems are added to sec_errors.
PRO_TK_EXPORT ProError ProSectionAutodim(ProSection section, ProWSecerror* sec_errors);
// Solves the section; when it cannot, the problems are added to sec_errors and the call
// fails (PRO_TK_GENERAL_ERROR).
PRO_TK_EXPORT ProError ProSectionSolve(ProSection section, ProWSecerror* sec_errors);
// Solves the section and updates its entities; problems as ProSectionSolve.
PRO_TK_EXPORT ProError ProSectionRegenerate(ProSection section, ProWSecerror* sec_errors);
PRO_END_C_DECLS
