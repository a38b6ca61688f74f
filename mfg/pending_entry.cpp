#include "mfg/pending_entry.h"

#include <algorithm>

#include "base/text.h"

namespace Ardo {

namespace {

// Widens a narrow comment, cut to 255 characters, into a comment slot.
void widenComment(std::wstring& dst, const char* src) {
    char bounded[kCommentSize] = {};
    text::copyBounded(bounded, src != nullptr ? src : "");
    wchar_t wide[kCommentSize] = {};
    text::toWide(wide, bounded);
    dst = wide;
}

}  // namespace

PendingEntry pendingFromArguments(const ProTool& tool, int head, int position, int reg,
                                  const char* comment) {
    PendingEntry entry;
    entry.tool = tool;
    entry.head = head;
    entry.position = position;
    entry.tipCount = 1;
    entry.registers[0] = reg;
    widenComment(entry.comments[0], comment);
    return entry;
}

PendingEntry pendingFromRecord(const ProTool& tool, const kelt2pMachTool& record) {
    PendingEntry entry;
    entry.tool = tool;
    entry.position = record.position;
    entry.head = record.head;
    entry.tipCount = record.tipCount;
    for (int tip = 0; tip < kMaxTips; ++tip) {
        entry.registers[tip] = record.registers[tip];
        widenComment(entry.comments[tip], record.comments[tip]);
        std::copy(record.gauge[tip], record.gauge[tip] + 3, entry.gauge[tip]);
    }
    return entry;
}

kelt2pMachTool recordFromEntry(const PendingEntry& entry) {
    kelt2pMachTool record;
    text::copyBounded(record.toolId, text::toNarrow(entry.toolIdText.c_str()).c_str());
    record.position = entry.position;
    record.head = static_cast<kelt2pMachHead>(entry.head);
    record.tipCount = entry.tipCount;
    for (int tip = 0; tip < std::min(entry.tipCount, kMaxTips); ++tip) {
        record.registers[tip] = entry.registers[tip];
        std::copy(entry.gauge[tip], entry.gauge[tip] + 3, record.gauge[tip]);
        text::copyBounded(record.comments[tip],
                          text::toNarrow(entry.comments[tip].c_str()).c_str());
    }
    record.inUse = entry.inUse;
    return record;
}

}  // namespace Ardo
