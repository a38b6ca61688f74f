// The toolkit application's entry points, called by the host (through the toolkit
// client) when it starts and stops the application.
#pragma once

#include <wchar.h>

#include "kelt2proe/export.h"

extern "C" {

// Start-up entry; its arguments are the host's and not used. Returns 0 for success.
KELT2PROE_API int user_initialize(int argc, char* argv[], char* version, char* build,
                                  wchar_t errbuf[80]);
// Termination entry: ends the application's event loop when it connected with a text
// directory.
KELT2PROE_API void user_terminate(void);
}
