// Finding a workcell of a manufacturing model and reading its tool table.
#pragma once

#include <string>

#include "kelt2proe/kelt2proe.h"
#include "output.h"

namespace kelt2p {

// The workcell named `name` (upper case), or with an empty name the workcell of the
// active operation. Throws InputError when no workcell has that name (naming those
// that exist) and HostFailure when the host refuses a step.
Ardo::kelt2pWcell findWorkcell(Ardo::kelt2pMfg& mfg, const std::string& name);

// The entries of the workcell's tool tables by head and position; with `markUse`, the entries
// that NC sequences of the model use are marked.
ToolTable readToolTable(Ardo::kelt2pMfg& mfg, Ardo::kelt2pWcell& wcell, bool markUse);

// The model name of a command-line operand: "mill_job.mfg" and "mill_job" both name
// MILL_JOB. Throws InputError for a name the host cannot have.
std::string mfgModelName(const std::string& operand);

}  // namespace kelt2p
