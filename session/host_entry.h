// The toolkit application's entry points, called by the host (through the toolkit
// client) when it starts and stops the application.
#pragma once

#include <wchar.h>

#include "kelt2proe/export.h"

// The host finds the entries by name among the exports of the program and its DLLs: on
// Windows they are exported whether the library is built as a DLL or linked statically
// into the program.
#if defined(_WIN32)
#define KELT2PROE_ENTRY __declspec(dllexport)
#else
#define KELT2PROE_ENTRY KELT2PROE_API
#endif

extern "C" {

// Start-up entry; its arguments are the host's and not used. With a text directory it
// checks the host's wide-character size, shows the start message, registers the exit
// hook and adds the application's command. Returns 0 for success, -1 for a host whose
// wide characters differ from the application's.
KELT2PROE_ENTRY int user_initialize(int argc, char* argv[], char* version, char* build,
                                    wchar_t errbuf[80]);
// Termination entry: ends the application's event loop when it connected with a text
// directory.
KELT2PROE_ENTRY void user_terminate(void);
}
