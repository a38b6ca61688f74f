// The manufacturing model the tool-table benchmarks work on: job.mfg with `count`
// tools T10000 ... and one operation OP010 (id 20, active) on workcell MILL (id 10).
// With `tables`, table 1 of the workcell holds every tool (entry i at position i + 1,
// register i + 1, comment "entry") and one NC sequence uses each entry.
#pragma once

#include <ProMdl.h>

#include <filesystem>
#include <string>

namespace tooltablebench {

constexpr int kWcellId = 10;

std::string toolId(int i);

// A scratch directory holding job.mfg, and a host session started there that this
// process is connected to.
std::filesystem::path prepare(int count, bool tables);

// The handle of the job model in session.
ProMdl jobHandle();

}  // namespace tooltablebench
