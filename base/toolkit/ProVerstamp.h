// Toolkit contract: version stamps of models.
//
// A stamp is allocated by the toolkit (ProMdlVerstampGet, ProStringVerstampGet) and
// released with ProVerstampFree. The text of ProVerstampStringGet is allocated by the
// toolkit as well and released with ProStringFree (ProUtil.h).
#pragma once

#include <ProToolkit.h>

typedef struct Pro_Verstamp* ProWVerstamp;

PRO_BEGIN_C_DECLS
PRO_TK_EXPORT ProError ProVerstampStringGet(ProWVerstamp stamp, char** string);
PRO_TK_EXPORT ProError ProStringVerstampGet(char* string, ProWVerstamp* p_stamp);
PRO_TK_EXPORT ProBoolean ProVerstampEqual(ProWVerstamp stamp1, ProWVerstamp stamp2);
PRO_TK_EXPORT ProError ProVerstampFree(ProWVerstamp* p_stamp);
PRO_END_C_DECLS
