// The session's working directory: where new models are created and saved and where
// relative model names are looked up.
#include <ProUtil.h>

#include <filesystem>
#include <string>
#include <system_error>

#include "simhost/api/model_args.h"
#include "simhost/core/entry.h"
#include "simhost/core/wide.h"

using namespace simhost::core;
using simhost::api::wideArg;
using simhost::api::wideBuffer;

namespace fs = std::filesystem;

extern "C" {

ProError ProDirectoryCurrentGet(ProPath path) try {
    SIMHOST_ENTER("ProDirectoryCurrentGet");
    SIMHOST_SESSION(s);
    if (path == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    // The host shows a directory with its closing separator.
    std::wstring shown = widen((s->workDir / "").string());
    if (shown.size() >= PRO_PATH_SIZE) {
        return PRO_TK_LINE_TOO_LONG;
    }
    copyWide(path, PRO_PATH_SIZE, shown);
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProDirectoryChange(ProPath path) try {
    SIMHOST_ENTER("ProDirectoryChange", wideArg(path, PRO_PATH_SIZE));
    SIMHOST_SESSION(s);
    std::wstring given;
    if (!wideBuffer(path, PRO_PATH_SIZE, given) || given.empty()) {
        return PRO_TK_BAD_INPUTS;
    }
    fs::path target(narrow(given));
    if (target.is_relative()) {
        target = s->workDir / target;
    }
    std::error_code ec;
    if (!fs::is_directory(target, ec)) {
        return PRO_TK_INVALID_DIR;
    }
    fs::path canonical = fs::canonical(target, ec);
    if (ec) {
        return PRO_TK_INVALID_DIR;
    }
    s->workDir = canonical;
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

}  // extern "C"
