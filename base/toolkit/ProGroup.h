// Toolkit contract: feature groups (a group feature with its member features).
#pragma once

#include <ProObjects.h>
#include <ProToolkit.h>

PRO_BEGIN_C_DECLS
// Dissolves the group: its member features stay as ordinary features of the solid.
PRO_TK_EXPORT ProError ProGroupUngroup(ProGroup* group);
PRO_END_C_DECLS
