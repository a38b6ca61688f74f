// The element-tree steps of the raw tool-table sequences, each the host calls one
// library wrapper makes (a path is allocated, set and freed around each lookup, an
// array's members are fetched and the array freed), and the element ids they use.
#pragma once

#include <ProElement.h>
#include <ProElempath.h>
#include <ProValue.h>

#include <string>
#include <vector>

#include "mfg/tool_table.h"

namespace tooltablebench {

// The tool-table element ids are the library's; these three are read elsewhere in the
// library: an operation's workcell, an NC sequence's tool id and position.
using namespace Ardo::tooltable;
constexpr int kElemOperWcell = 190;
constexpr int kElemNcseqTool = 153;
constexpr int kElemNcseqPosition = 3186;

ProElempath pathTo(int id);
ProElement childOf(ProElement tree, int id);
ProValueData valueOf(ProElement element);
std::vector<ProElement> membersOf(ProElement array);
int memberCount(ProElement array);
ProElement alloc(int id);
ProElement integerElement(int id, int value);
ProElement textElement(int id, const std::wstring& text);
ProElement add(ProElement parent, ProElement child);
// A value pair (495 with 496 = key and `value`) added to `entry`.
void addPair(ProElement entry, int key, ProElement value);

}  // namespace tooltablebench
