// The tool tables of a workcell: collecting entries, writing, removing and reading them.
#include <ProMfg.h>

#include "base/subscript.h"
#include "kelt2proe/error.h"
#include "mfg/mfg_lists.h"
#include "mfg/tool.h"
#include "mfg/tool_table.h"
#include "mfg/wcell.h"
#include "toolkit/elem_value.h"
#include "toolkit/feature.h"
#include "toolkit/mfg.h"

namespace Ardo {

namespace {
constexpr int kElemOperWcell = 190;
}  // namespace

ProTool Wcell::createTool(const Tool& tool) const {
    requireBound();
    Tool created = tool;
    created.Create(owner);
    return created.handle;
}

void Wcell::ToolAdd2ToolListInit() {
    pending.clear();
}

void Wcell::ToolAdd2ToolList(const Tool& tool, kelt2pMachHead head, int position, int reg,
                             const char* comment) {
    ProTool created = createTool(tool);
    pending.push_back(pendingFromArguments(created, head, position, reg, comment));
}

// The record holds eight tips; a count outside 1 to 8 is refused before the tool is made.
void Wcell::ToolAdd2ToolList(const Tool& tool, const kelt2pMachTool& entry) {
    if (entry.tipCount < 1 || entry.tipCount > kMaxTips) {
        throw Error(PRO_TK_BAD_INPUTS, "Ardo::Wcell::ToolAdd2ToolList");
    }
    ProTool created = createTool(tool);
    pending.push_back(pendingFromRecord(created, entry));
}

void Wcell::ToolAdd() {
    requireBound();
    tooltable::write(feature, pending, "Ardo::Wcell::ToolAdd");
    pending.clear();
}

void Wcell::DeleteToolTable() {
    requireBound();
    tooltable::clear(feature);
}

// The workcell read is this one, or with an operation id that operation's workcell.
int Wcell::ToolList(int operationId, bool mark) {
    requireBound();
    ProFeature wcell = feature;
    if (operationId != 0) {
        ProSolid solid = ardotk::MfgSolidGet(static_cast<ProMfg>(owner));
        ProFeature operation = ardotk::FeatureInit(solid, operationId);
        int wcellId = ardotk::FeatureElemInt(operation, kElemOperWcell);
        wcell = ardotk::FeatureInit(solid, wcellId);
    }
    std::vector<PendingEntry> entries = tooltable::read(owner, wcell);
    if (mark) {
        tooltable::markUsed(owner, operationId, entries);
    }
    std::vector<kelt2pMachTool>& list = mfglists::workcellTools();
    list.clear();
    list.reserve(entries.size());
    for (const PendingEntry& entry : entries) {
        list.push_back(recordFromEntry(entry));
    }
    return static_cast<int>(list.size());
}

kelt2pMachTool Wcell::ToolListAt(int i) {
    return checkedAt(mfglists::workcellTools(), i);
}

}  // namespace Ardo
