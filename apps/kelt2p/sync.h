// Putting a tool list into a workcell's tool table, shared by sync and serve.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "kelt2proe/kelt2proe.h"
#include "output.h"
#include "tool_list.h"

namespace kelt2p {

// What a sync did: the table read back, and the counts of its summary.
struct SyncResult {
    ToolTable table;
    std::size_t written = 0;  // entries written
    int inPlace = 0;          // entries whose place held their tool already
    std::size_t created = 0;  // tools created
    std::size_t existed = 0;  // tools that existed already
};

// Puts the tools of `list` (read from `source`) into the tool table of the workcell
// `wcellName` of `mfg` (empty: the active operation's), and saves the model when
// something was written. Throws InputError, ToolListError or HostFailure; a conflict
// writes nothing.
SyncResult syncToolList(Ardo::kelt2pMfg& mfg, const std::vector<ToolEntry>& list,
                        const std::string& source, const std::string& wcellName);

// "2 entries written to workcell MILL5, 1 in place already; 1 tool created, 1 existed
// already; model JOB saved"
std::string describeSync(const SyncResult& result);

}  // namespace kelt2p
