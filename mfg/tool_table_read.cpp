// Reading the entries of a workcell's tool tables.
#include <ProElement.h>
#include <ProFeature.h>
#include <ProMfg.h>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>

#include "kelt2proe/error.h"
#include "mfg/tool_table.h"
#include "toolkit/elem_value.h"
#include "toolkit/elemtree.h"
#include "toolkit/feature.h"
#include "toolkit/tool.h"

namespace Ardo::tooltable {

namespace {

// A value of the type its key requires; a pair whose value has another type is passed
// over rather than read as garbage.
bool readInt(const ProValueData& data, int& out) {
    if (data.type != PRO_VALUE_TYPE_INT) {
        return false;
    }
    out = data.v.i;
    return true;
}

void readDouble(const ProValueData& data, double& out) {
    if (data.type == PRO_VALUE_TYPE_DOUBLE) {
        out = data.v.d;
    }
}

// The text of a wide-text value, cut to `size` - 1 characters.
std::optional<std::wstring> readText(const ProValueData& data, std::size_t size) {
    if (data.type != PRO_VALUE_TYPE_WSTRING) {
        return std::nullopt;
    }
    std::wstring value = data.v.w != nullptr ? data.v.w : L"";
    value.resize(std::min(value.size(), size - 1));
    return value;
}

void readText(const ProValueData& data, std::wstring& out) {
    if (std::optional<std::wstring> text = readText(data, kCommentSize)) {
        out = std::move(*text);
    }
}

// Stores one value pair by its key; keys outside 1 to 36 are ignored.
void storePair(PendingEntry& e, int key, const ProValueData& data) {
    if (key == 1) {
        if (readInt(data, e.position)) {
            e.positionText = std::to_wstring(e.position);
        }
    } else if (key == 2) {
        if (std::optional<std::wstring> id = readText(data, PRO_LINE_SIZE)) {
            std::copy(id->begin(), id->end(), e.tool.tool_id);
            e.tool.tool_id[id->size()] = L'\0';
        }
        e.toolIdText = e.tool.tool_id;
    } else if (key == 3 || key == 5) {
        readInt(data, e.registers[0]);
    } else if (key == 4) {
        readText(data, e.comments[0]);
    } else if (key == 6) {
        readDouble(data, e.gauge[0][kGaugeZ]);
    } else if (key == 7) {
        readDouble(data, e.gauge[0][kGaugeX]);
    } else if (key == 8) {
        int count = 1;
        if (readInt(data, count)) {
            // The record holds eight tips; more are not taken.
            e.tipCount = std::clamp(count, 1, kMaxTips);
        }
    } else if (key >= 9 && key <= 15) {
        readInt(data, e.registers[key - 8]);
    } else if (key >= 16 && key <= 22) {
        readText(data, e.comments[key - 15]);
    } else if (key >= 23 && key <= 29) {
        readDouble(data, e.gauge[key - 22][kGaugeZ]);
    } else if (key >= 30 && key <= 36) {
        readDouble(data, e.gauge[key - 29][kGaugeX]);
    }
}

// Gauge lengths of tip 1, the type and the tip diameters from the tool itself.
void readToolData(PendingEntry& e) {
    e.gauge[0][kGaugeX] = ardotk::ToolParamDouble(e.tool, "GAUGE_X_LENGTH");
    e.gauge[0][kGaugeY] = ardotk::ToolParamDouble(e.tool, "GAUGE_Y_LENGTH");
    e.gauge[0][kGaugeZ] = ardotk::ToolParamDouble(e.tool, "GAUGE_Z_LENGTH");
    e.toolType = ardotk::ToolTypeGet(e.tool);
    for (int tip = 0; tip < kMaxTips; ++tip) {
        char name[32];
        std::snprintf(name, sizeof name, "TIP%d_DIAMETER", tip + 1);
        e.tipDiameters[tip] = ardotk::ToolParamDouble(e.tool, name);
    }
}

// Fills `e`, a new entry, from the entry element.
void readEntry(ProMdl mfg, ProElement entryElem, int head, PendingEntry& e) {
    e.tool.owner_mfg = static_cast<ProMfg>(mfg);
    e.tipCount = 1;
    std::fill(e.registers, e.registers + kMaxTips, -1);
    e.head = head;
    for (ProElement pairElem : ardotk::ElementArrayGet(entryElem)) {
        int key = ardotk::ElemtreeInt(pairElem, {kElemKey});
        ProValueData value = ardotk::ElementValueData(ardotk::ElementGet(pairElem, {kElemValue}));
        storePair(e, key, value);
    }
    readToolData(e);
}

}  // namespace

std::vector<PendingEntry> read(ProMdl mfg, ProFeature& wcell) {
    ardotk::ElemTree tree = ardotk::FeatureElemtreeCreate(wcell, "ardotk::ToolListWcell");
    ProElement tables = nullptr;
    try {
        tables = ardotk::ElementGet(tree.get(), {kElemTables});
        ardotk::ElementIsArray(tables);
    } catch (const ardotk::Error& e) {
        throw ardotk::Error(e.code, "NO PRO_E_TOOL_TABLES");
    }
    std::vector<PendingEntry> entries;
    std::vector<ProElement> tableElems = ardotk::ElementArrayGet(tables);
    ardotk::ElementArrayCount(tables);
    for (ProElement table : tableElems) {
        int head = ardotk::ElemtreeInt(table, {kElemHead});
        ProElement rows = ardotk::ElementGet(table, {kElemEntries});
        std::vector<ProElement> rowElems = ardotk::ElementArrayGet(rows);
        entries.reserve(entries.size() + static_cast<std::size_t>(ardotk::ElementArrayCount(rows)));
        for (ProElement row : rowElems) {
            readEntry(mfg, row, head, entries.emplace_back());
        }
    }
    return entries;
}

}  // namespace Ardo::tooltable
