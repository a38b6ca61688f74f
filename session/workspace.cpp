// The workspace the host session works in.
#include <ProToolkit.h>
#include <ProWorkspace.h>

#include "base/length_check.h"
#include "base/text.h"
#include "kelt2proe/error.h"
#include "session/pro_engineer.h"
#include "session/session_state.h"
#include "toolkit/check.h"

namespace Ardo {
namespace {

constexpr const char* kRegister = "Ardo::ProEngineer::WorkspaceRegister";

}  // namespace

void ProEngineer::WorkspaceRegister(const char* name) {
    // The name buffer holds 31 characters; a longer name would overrun it.
    refuseLongerThan(name, PRO_NAME_SIZE - 1, PRO_TK_LINE_TOO_LONG, kRegister);
    ProName wideName;
    if (text::toWide(wideName, name) == nullptr) {
        throw Error(PRO_TK_GENERAL_ERROR, kRegister);
    }
    check(ProWorkspaceRegister(wideName), kRegister);
}

const char* ProEngineer::CurrentWorkspaceGet() {
    ProName wideName{};
    check(ProCurrentWorkspaceGet(wideName), "kein Workspace registriert");
    char(&buffer)[32] = session::sessionState().workspaceName;
    text::narrowField(buffer, wideName);
    return buffer;
}

}  // namespace Ardo
