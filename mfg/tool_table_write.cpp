// Writing tool-table entries into a workcell's element tree.
#include <ProElement.h>
#include <ProFeature.h>

#include <array>

#include "kelt2proe/error.h"
#include "mfg/tool_table.h"
#include "toolkit/check.h"
#include "toolkit/elem_value.h"
#include "toolkit/elemtree.h"

namespace Ardo::tooltable {

namespace {

constexpr int kFirstTipKeys[] = {9, 16, 23, 30};  // registers, comments, gauge Z, gauge X

ardotk::ElemTree pair(int key, ardotk::ElemTree value) {
    ardotk::ElemTree pairElem = ardotk::ElementAlloc(kElemPair);
    ardotk::ElementAdd(pairElem.get(), ardotk::ElementInteger(kElemKey, key));
    ardotk::ElementAdd(pairElem.get(), std::move(value));
    return pairElem;
}

void addInt(ProElement entry, int key, int value) {
    ardotk::ElementAdd(entry, pair(key, ardotk::ElementInteger(kElemValue, value)));
}

void addDouble(ProElement entry, int key, double value) {
    ardotk::ElementAdd(entry, pair(key, ardotk::ElementDouble(kElemValue, value)));
}

void addText(ProElement entry, int key, const wchar_t* value) {
    ardotk::ElementAdd(entry, pair(key, ardotk::ElementWstring(kElemValue, value)));
}

// Keys 1 to 4; with more than one tip, key 8 and the slots of tips 2 to 8.
ardotk::ElemTree entryElement(const PendingEntry& e) {
    ardotk::ElemTree entry = ardotk::ElementAlloc(kElemEntry);
    addInt(entry.get(), 1, e.position);
    addText(entry.get(), 2, e.tool.tool_id);
    addInt(entry.get(), 3, e.registers[0] > 0 ? e.registers[0] : -1);
    addText(entry.get(), 4, e.comments[0].c_str());
    if (e.tipCount > 1) {
        addInt(entry.get(), 8, e.tipCount);
        for (int tip = 1; tip < kMaxTips; ++tip) {
            addInt(entry.get(), kFirstTipKeys[0] + tip - 1, e.registers[tip]);
        }
        for (int tip = 1; tip < kMaxTips; ++tip) {
            addText(entry.get(), kFirstTipKeys[1] + tip - 1, e.comments[tip].c_str());
        }
        for (int tip = 1; tip < kMaxTips; ++tip) {
            addDouble(entry.get(), kFirstTipKeys[2] + tip - 1, e.gauge[tip][kGaugeZ]);
        }
        for (int tip = 1; tip < kMaxTips; ++tip) {
            addDouble(entry.get(), kFirstTipKeys[3] + tip - 1, e.gauge[tip][kGaugeX]);
        }
    }
    return entry;
}

// Adds a table of `head` with no entries to the tool tables; returns it.
ProElement addTable(ProElement tables, int head) {
    ProElement table = ardotk::ElementAdd(tables, ardotk::ElementAlloc(kElemTable));
    ardotk::ElementAdd(table, ardotk::ElementInteger(kElemHead, head));
    ardotk::ElementAdd(table, ardotk::ElementAlloc(kElemEntries));
    return table;
}

// The tables of heads 1 and 2: the first table of each head, added where missing.
std::array<ProElement, 2> tablesByHead(ProElement tables) {
    ardotk::ElementIsArray(tables);
    std::vector<ProElement> members = ardotk::ElementArrayGet(tables);
    ardotk::ElementArrayCount(tables);
    std::array<ProElement, 2> byHead{};
    for (ProElement table : members) {
        int head = ardotk::ElemtreeInt(table, {kElemHead});
        if ((head == 1 || head == 2) && byHead[head - 1] == nullptr) {
            byHead[head - 1] = table;
        }
    }
    for (int head = 1; head <= 2; ++head) {
        if (byHead[head - 1] == nullptr) {
            byHead[head - 1] = addTable(tables, head);
        }
    }
    return byHead;
}

}  // namespace

void write(ProFeature& wcell, const std::vector<PendingEntry>& entries, const char* redefineText) {
    ardotk::ElemTree tree;
    Ardo::check(ProFeatureElemtreeCreate(&wcell, tree.out()), "no active operation found");
    ProElement tables = ardotk::ElementGet(tree.get(), {kElemTables});
    std::array<ProElement, 2> byHead = tablesByHead(tables);
    for (const PendingEntry& entry : entries) {
        if (entry.head != 1 && entry.head != 2) {
            continue;
        }
        ProElement rows = ardotk::ElementGet(byHead[entry.head - 1], {kElemEntries});
        ardotk::ElementAdd(rows, entryElement(entry));
    }
    ProFeatureCreateOptions options[] = {static_cast<ProFeatureCreateOptions>(0)};
    ProErrorlist errors{};
    Ardo::check(ProFeatureRedefine(nullptr, &wcell, tree.get(), options, 1, &errors), redefineText);
}

}  // namespace Ardo::tooltable
