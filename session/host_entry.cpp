#include "session/host_entry.h"

#include <ProCore.h>

#include "session/session_state.h"

extern "C" {

int user_initialize(int argc, char* argv[], char* version, char* build, wchar_t errbuf[80]) {
    (void)argc;
    (void)argv;
    (void)version;
    (void)build;
    (void)errbuf;
    // Without a text directory the application adds nothing to the host. With one, the
    // application's command is added to the host's user interface; that needs the
    // host's message and command functions, which the toolkit contract does not carry
    // yet, so start-up succeeds without it for now.
    return 0;
}

void user_terminate(void) {
    if (Ardo::session::sessionState().appTextDirSet) {
        ProAsynchronousEventLoopInterrupt();
    }
}

}  // extern "C"
