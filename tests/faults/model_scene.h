// Shared set-up of the model rows: the model object a row works on, the host states a
// row starts from, and what a row reads back from the host after a failure.
#pragma once

#include <ProMdl.h>

#include <string>

#include "kelt2proe/mdl.h"

namespace modelrows {

// The model object of the row that runs; every start state below replaces it.
Ardo::kelt2pMdl& mdl();

// A fresh host session; mdl() is a new, unbound object.
void unboundModel();
// A fresh host session with part "gear" created through mdl() (and not saved).
void createdPart();
// As createdPart, with the part shown in the host's current window.
void shownPart();
// A fresh host session with `file` written as `content`, loaded through mdl().
void loadedModel(const std::string& file, Ardo::kelt2pMdlType type, const std::string& content);

// Whether the host has a model of that name and type in session (asked directly).
bool inSession(const std::wstring& name, ProMdlType type = PRO_MDL_PART);
// Whether a file or directory of that name is in the working directory.
bool fileExists(const std::string& name);
// Removes a file, or a directory with its contents, a row's earlier step left.
void removeFile(const std::string& name);

// mdl() is unbound (a whole-model operation refuses with -45 before any host call) and
// has `code` recorded as its last host result (Display raises it).
void expectUnboundWithStatus(int code);
// mdl() is still bound to part "GEAR", which is still in session.
void expectStillBoundToGear();

}  // namespace modelrows
