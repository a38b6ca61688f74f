// The workspace the session works in: none until an application registers one.
#include <ProWorkspace.h>

#include <string>

#include "simhost/api/model_args.h"
#include "simhost/core/entry.h"
#include "simhost/core/wide.h"

using namespace simhost::core;
using simhost::api::wideArg;
using simhost::api::wideBuffer;

namespace {

struct Workspace {
    std::wstring name;  // empty: none registered
};

}  // namespace

extern "C" {

ProError ProWorkspaceRegister(ProName WorkspaceName) try {
    SIMHOST_ENTER("ProWorkspaceRegister", wideArg(WorkspaceName, PRO_NAME_SIZE));
    SIMHOST_SESSION(s);
    std::wstring name;
    if (!wideBuffer(WorkspaceName, PRO_NAME_SIZE, name) || name.empty()) {
        return PRO_TK_BAD_INPUTS;
    }
    s->area<Workspace>().name = name;
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProCurrentWorkspaceGet(ProName rCurrentWorkspace) try {
    SIMHOST_ENTER("ProCurrentWorkspaceGet");
    SIMHOST_SESSION(s);
    if (rCurrentWorkspace == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    const std::wstring& name = s->area<Workspace>().name;
    if (name.empty()) {
        return PRO_TK_E_NOT_FOUND;
    }
    copyWide(rCurrentWorkspace, PRO_NAME_SIZE, name);
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

}  // extern "C"
