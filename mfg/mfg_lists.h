// The process-wide result lists and text buffers of the manufacturing classes, each
// filled by one operation and read by its indexed companion.
#pragma once

#include <ProObjects.h>

#include <cstddef>
#include <string>
#include <vector>

#include "kelt2proe/tool.h"

namespace Ardo {

class CompPath;
class Operation;
class Wcell;

namespace mfglists {

// Filled by kelt2pMfg::OperList(pattern).
std::vector<Operation>& operations();
// Filled by kelt2pMfg::WcellList(pattern).
std::vector<Wcell>& workcells();
// Filled by kelt2pMfg::NcSeqList().
std::vector<ProFeature>& ncSequences();
// Filled by kelt2pMfg::ToolList(): tool ids.
std::vector<std::string>& toolIds();
// Filled by kelt2pWcell::ToolList forms.
std::vector<kelt2pMachTool>& workcellTools();
// The fixture component list: filled by FixtureCompAdd, replaced by FixtureCompList and
// FixtureAdd, read by FixtureCreate.
std::vector<CompPath>& fixtureComponents();

// kelt2pTool::IdGet's text, shared by every tool object.
constexpr std::size_t kToolIdBufferSize = 4 * 81 + 1;
char* toolIdBuffer();

}  // namespace mfglists
}  // namespace Ardo
