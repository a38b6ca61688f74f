// Toolkit contract: the workspace the session works in.
#pragma once

#include <ProToolkit.h>

PRO_BEGIN_C_DECLS
PRO_TK_EXPORT ProError ProWorkspaceRegister(ProName WorkspaceName);
// Copies the registered workspace's name into the caller's buffer.
PRO_TK_EXPORT ProError ProCurrentWorkspaceGet(ProName rCurrentWorkspace);
PRO_END_C_DECLS
