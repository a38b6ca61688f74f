// One tool-table entry between the application and a workcell's element tree: collected
// in a pending list before it is written, and made when a table is read.
#pragma once

#include <ProTool.h>

#include <array>
#include <string>

#include "kelt2proe/tool.h"

namespace Ardo {

constexpr int kMaxTips = kelt2pMachTool::kMaxTips;
constexpr int kCommentSize = 256;

struct PendingEntry {
    ProTool tool{};
    int toolType = 0;
    int position = 0;
    int head = 0;
    bool inUse = false;
    int tipCount = 0;
    int registers[kMaxTips] = {};
    std::array<std::wstring, kMaxTips> comments;  // at most kCommentSize - 1 characters each
    double gauge[kMaxTips][3] = {};               // X, Y, Z
    double tipDiameters[kMaxTips] = {};
    std::wstring positionText;
    std::wstring toolIdText;
};

// The indices of a tip's gauge lengths.
enum GaugeAxis { kGaugeX = 0, kGaugeY = 1, kGaugeZ = 2 };

// An entry of one tip for `tool`: head, position, register and comment (cut to 255
// characters).
PendingEntry pendingFromArguments(const ProTool& tool, int head, int position, int reg,
                                  const char* comment);
// An entry for `tool` from a record: position, head, tip count, and registers, comments
// and gauges of all eight tips. The record's toolId and inUse are not used.
PendingEntry pendingFromRecord(const ProTool& tool, const kelt2pMachTool& record);
// The record of a read entry: tips beyond the tip count keep the record's defaults.
kelt2pMachTool recordFromEntry(const PendingEntry& entry);

}  // namespace Ardo
