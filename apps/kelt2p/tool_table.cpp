#include "tool_table.h"

#include <algorithm>
#include <cctype>

#include "host.h"
#include "host_text.h"
#include "options.h"

namespace kelt2p {

Ardo::kelt2pWcell findWorkcell(Ardo::kelt2pMfg& mfg, const std::string& name) {
    if (name.empty()) {
        Ardo::kelt2pOperation operation =
            hostStep("finding the active operation (or name a workcell with --wcell)",
                     [&] { return mfg.OperCurrent(); });
        return hostStep("finding the workcell of the active operation",
                        [&] { return operation.WcellGet(); });
    }
    // Workcell names are letters, digits, _ and -: none of them is special in a pattern.
    int count = hostStep("listing the workcells", [&] { return mfg.WcellList(name.c_str()); });
    if (count > 0) {
        return hostStep("listing the workcells", [&] { return mfg.WcellList(0); });
    }
    std::string known;
    hostStep("listing the workcells", [&] {
        int all = mfg.WcellList(".*");
        for (int i = 0; i < all; ++i) {
            known += (i == 0 ? "" : ", ") + std::string(mfg.WcellList(i).Name());
        }
    });
    throw InputError("the model has no workcell " + name +
                     (known.empty() ? " (it has none)" : " (it has " + known + ")"));
}

ToolTable readToolTable(Ardo::kelt2pMfg& mfg, Ardo::kelt2pWcell& wcell, bool markUse) {
    ToolTable table;
    hostStep("reading the tool table", [&] {
        table.model = fromHostText(mfg.NameGet());
        table.workcell = fromHostText(wcell.Name());
        int count = markUse ? wcell.ToolList(0) : wcell.ToolList();
        for (int i = 0; i < count; ++i) {
            Ardo::kelt2pMachTool record = wcell.ToolListAt(i);
            TableEntry entry;
            entry.head = record.head;
            entry.position = record.position;
            entry.toolId = fromHostText(record.toolId);
            entry.reg = record.registers[0];
            entry.comment = fromHostText(record.comments[0]);
            entry.inUse = record.inUse;
            table.entries.push_back(entry);
        }
    });
    // People look for a place by head and position; the host keeps the writing order.
    std::stable_sort(table.entries.begin(), table.entries.end(),
                     [](const TableEntry& a, const TableEntry& b) {
                         return a.head != b.head ? a.head < b.head : a.position < b.position;
                     });
    return table;
}

std::string mfgModelName(const std::string& operand) {
    std::string name = operand;
    if (name.size() > 4) {
        std::string ext = name.substr(name.size() - 4);
        for (char& c : ext) {
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
        if (ext == ".mfg") {
            name.erase(name.size() - 4);
        }
    }
    bool valid = !name.empty() && name.size() <= 31;
    for (char c : name) {
        valid = valid && (std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '-');
    }
    if (!valid) {
        throw InputError("\"" + operand +
                         "\" names no manufacturing model (1 to 31 letters, digits, _ or -, "
                         "optionally followed by .mfg)");
    }
    return name;
}

}  // namespace kelt2p
