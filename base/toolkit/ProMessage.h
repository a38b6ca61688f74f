// Toolkit contract: messages shown in the host's message area, taken from a message file
// in the application's text directory.
#pragma once

#include <ProToolkit.h>

PRO_BEGIN_C_DECLS
#ifdef PRO_USE_VAR_ARGS
// Shows the text of key `message_name` in `file_name`; the arguments after it are
// pointers to the values of the text's placeholders, in the order of their numbers.
PRO_TK_EXPORT ProError ProMessageDisplay(ProFileName file_name, ProCharLine message_name, ...);
#else
PRO_TK_EXPORT ProError ProMessageDisplay();
#endif
PRO_END_C_DECLS
