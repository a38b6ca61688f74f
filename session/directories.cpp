// The host session's working directory.
#include <ProToolkit.h>
#include <ProUtil.h>

#include "base/length_check.h"
#include "base/text.h"
#include "kelt2proe/error.h"
#include "session/pro_engineer.h"
#include "session/session_state.h"
#include "toolkit/check.h"

namespace Ardo {

const char* ProEngineer::DirGet() {
    ProPath path{};
    check(ProDirectoryCurrentGet(path), "Ardo::UtilDirGet");
    char* buffer = session::sessionState().workDir;
    text::copyBounded(buffer, sizeof session::sessionState().workDir, text::toNarrow(path).c_str());
    return buffer;
}

const char* ProEngineer::DirSet(const char* path) {
    refuseLongerThan(path, PRO_PATH_SIZE - 1, PRO_TK_BAD_INPUTS, "Path too long");
    session::SessionState& state = session::sessionState();
    text::copyBounded(state.previousWorkDir, DirGet());
    ProPath widePath;
    if (text::toWide(widePath, path) == nullptr) {
        // An empty path is not what was asked for: a path the host cannot take is refused.
        throw Error(PRO_TK_GENERAL_ERROR, "Ardo::UtilDirSet");
    }
    check(ProDirectoryChange(widePath), "Ardo::UtilDirSet");
    return state.previousWorkDir;
}

}  // namespace Ardo
