// Toolkit contract: the error list a section fills when it is solved or regenerated.
#pragma once

#include <ProToolkit.h>

typedef struct pro_sec_error* ProWSecerror;
typedef wchar_t ProMsg[PRO_PATH_SIZE];

PRO_BEGIN_C_DECLS
// A new, empty error list; the caller frees it with ProSecerrorFree.
PRO_TK_EXPORT ProError ProSecerrorAlloc(ProWSecerror* PUserErr);
// Frees the list and sets *PUserErr to NULL.
PRO_TK_EXPORT ProError ProSecerrorFree(ProWSecerror* PUserErr);
PRO_TK_EXPORT ProError ProSecerrorCount(ProWSecerror* PUserErr, int* r_count);
// The text of the error at position ith (from 0). PRO_TK_BAD_INPUTS outside the list.
PRO_TK_EXPORT ProError ProSecerrorMsgGet(ProWSecerror UserErr, int ith, ProMsg PMsg);
PRO_END_C_DECLS
