// Toolkit contract: host windows, addressed by integer window id.
#pragma once

#include <ProObjects.h>
#include <ProToolkit.h>

// Called once per window; a result other than PRO_TK_NO_ERROR stops the visit.
typedef ProError (*ProWindowVisitAction)(int window_id, ProAppData data);

PRO_BEGIN_C_DECLS
PRO_TK_EXPORT ProError ProWindowCurrentGet(int* p_window_id);
PRO_TK_EXPORT ProError ProWindowActivate(int window);
PRO_TK_EXPORT ProError ProWindowClear(int window_id);
PRO_TK_EXPORT ProError ProWindowCurrentClose(void);
PRO_TK_EXPORT ProError ProWindowRepaint(int window_id);
PRO_TK_EXPORT ProError ProWindowRefresh(int window_id);
PRO_TK_EXPORT ProError ProWindowMdlGet(int window, ProMdl* r_mdl);
PRO_TK_EXPORT ProError ProWindowsVisit(ProWindowVisitAction visit_func, ProAppData app_data);
PRO_END_C_DECLS
