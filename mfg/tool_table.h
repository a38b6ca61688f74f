// Writing pending entries into a workcell's tool tables and reading the tables back.
#pragma once

#include <ProObjects.h>

#include <vector>

#include "mfg/pending_entry.h"

namespace Ardo::tooltable {

// Element ids of the tool tables in a workcell's tree.
constexpr int kElemTables = 491;
constexpr int kElemHead = 492;
constexpr int kElemEntries = 493;
constexpr int kElemEntry = 494;
constexpr int kElemPair = 495;
constexpr int kElemKey = 496;
constexpr int kElemValue = 497;
constexpr int kElemTable = 510;

// Writes `entries` into the tables of `wcell`, each into the table of its head (1 or 2;
// others are dropped), adding the tables of heads 1 and 2 that are missing, and
// redefines the workcell. A tree that cannot be made raises Ardo::Error(code,
// "no active operation found"); element building raises ardotk::Error(code, ""); a
// refused redefinition Ardo::Error(code, redefineText). The tree is freed on every path.
void write(ProFeature& wcell, const std::vector<PendingEntry>& entries, const char* redefineText);

// Every entry of the tables of `wcell`, in table order, then entry order, with tool
// gauges and tip diameters read from the tools of `mfg`.
std::vector<PendingEntry> read(ProMdl mfg, ProFeature& wcell);

// Marks the entries used by the NC sequences of `mfg` (of operation `operationId`
// unless it is 0): each NC sequence marks the first free entry of its tool id, head and
// position.
void markUsed(ProMdl mfg, int operationId, std::vector<PendingEntry>& entries);

// Replaces every table of `wcell` by an empty tool-table element (also when it has none)
// and redefines it. A tree that cannot be made or a refused redefinition raises
// Ardo::Error(code, "Ardo::Wcell::DeleteToolTable"), the path to the tables
// ardotk::Error(code, ""); the removal and the addition are not examined.
void clear(ProFeature& wcell);

}  // namespace Ardo::tooltable
