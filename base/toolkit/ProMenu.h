// Toolkit contract: host macros, queued and then run by the host.
#pragma once

#include <ProToolkit.h>

PRO_BEGIN_C_DECLS
// Queues the macro text (commands separated by ';') for the host; the host copies it.
PRO_TK_EXPORT ProError ProMacroLoad(wchar_t* macro);
// Runs the queued macros in the order they were loaded and empties the queue.
PRO_TK_EXPORT ProError ProMacroExecute(void);
PRO_END_C_DECLS
