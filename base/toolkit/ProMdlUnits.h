// Toolkit contract: unit systems of models.
#pragma once

#include <ProObjects.h>
#include <ProToolkit.h>

// A unit system of a model, named by the host's name of the system.
typedef struct pro_unitsystem {
    ProMdl owner;
    ProName name;
} ProUnitsystem;

typedef struct pro_unititem {
    ProMdl owner;
    ProName name;
} ProUnititem;

typedef enum { PRO_UNITSYSTEM_MLT = 1, PRO_UNITSYSTEM_FLT = 2 } ProUnitsystemType;

typedef enum { PRO_UNITCONVERT_SAME_DIMS = 0, PRO_UNITCONVERT_SAME_SIZE = 1 } ProUnitConvertType;

typedef enum {
    PRO_UNITTYPE_LENGTH = 0,
    PRO_UNITTYPE_MASS = 1,
    PRO_UNITTYPE_FORCE = 2,
    PRO_UNITTYPE_TIME = 3,
    PRO_UNITTYPE_TEMPERATURE = 4,
    PRO_UNITTYPE_ANGLE = 5
} ProUnitType;

PRO_BEGIN_C_DECLS
PRO_TK_EXPORT ProError ProMdlPrincipalunitsystemGet(ProMdl mdl, ProUnitsystem* principal_system);
PRO_TK_EXPORT ProError ProMdlPrincipalunitsystemSet(ProMdl mdl, ProUnitsystem* new_system,
                                                    ProUnitConvertType type,
                                                    ProBoolean ignore_param_units,
                                                    int regeneration_flags);
PRO_END_C_DECLS
