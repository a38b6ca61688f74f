#define PRO_USE_VAR_ARGS
#include "session/host_entry.h"

#include <ProCore.h>
#include <ProMessage.h>
#include <ProUICmd.h>
#include <ProUtil.h>

#include <cstdio>

#include "base/text.h"
#include "session/host_hooks.h"
#include "session/session_state.h"

namespace {

// The application's names in the host: its message file (in its text directory), the
// messages shown at start-up, its command, the command's icon and the key of its label,
// help and description.
char kMessageFile[] = "kelt2creo.txt";
char kStartMessage[] = "KELT2CSTART";
char kErrorMessage[] = "0001";
char kCommand[] = "ardokelt_dialog";
char kIcon[] = "kelt2creo.gif";
char kCommandText[] = "USER KELT2CREOTOOL";

constexpr uiCmdPriority kCommandPriority = 2;

// Checks that the host's wide characters are the application's; shows the host the
// mismatch otherwise.
bool wideCharactersMatch(wchar_t* messageFile) {
    const int ownSize = static_cast<int>(sizeof(wchar_t));
    int hostSize = 0;
    const ProError verified = ProWcharSizeVerify(ownSize, &hostSize);
    if (verified == PRO_TK_NO_ERROR && hostSize == ownSize) {
        return true;
    }
    char text[PRO_LINE_SIZE];
    std::snprintf(text, sizeof text, "ERROR wchar_t Incorrect size (%d). Should be: %d", ownSize,
                  hostSize);
    (void)ProMessageDisplay(messageFile, kErrorMessage, text);
    return false;
}

// Adds the application's command with its icon and button; the host's answers are not
// examined, but a command the host did not add gets neither.
void addCommand(wchar_t* messageFile) {
    uiCmdCmdId command = nullptr;
    if (ProCmdActionAdd(kCommand, &Ardo::session::commandAction, kCommandPriority,
                        &Ardo::session::commandAccess, PRO_B_FALSE, PRO_B_TRUE,
                        &command) != PRO_TK_NO_ERROR) {
        return;
    }
    (void)ProCmdIconSet(command, kIcon);
    (void)ProCmdDesignate(command, kCommandText, kCommandText, kCommandText, messageFile);
}

}  // namespace

extern "C" {

int user_initialize(int argc, char* argv[], char* version, char* build, wchar_t errbuf[80]) {
    (void)argc;
    (void)argv;
    (void)version;
    (void)build;
    (void)errbuf;
    // Without a text directory the application adds nothing to the host.
    if (!Ardo::session::sessionState().appTextDirSet) {
        return 0;
    }
    ProFileName messageFile;
    Ardo::text::toWide(messageFile, kMessageFile);
    // Texts cross between application and host as wide characters of the application's
    // size: a host of another size would read them wrongly, so it is not served.
    if (!wideCharactersMatch(messageFile)) {
        return -1;
    }
    (void)ProMessageDisplay(messageFile, kStartMessage);
    (void)ProTermFuncSet(&Ardo::session::exitHook);
    addCommand(messageFile);
    return 0;
}

void user_terminate(void) {
    if (Ardo::session::sessionState().appTextDirSet) {
        ProAsynchronousEventLoopInterrupt();
    }
}

}  // extern "C"
