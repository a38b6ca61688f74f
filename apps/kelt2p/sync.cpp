#include <cstring>
#include <set>

#include "commands.h"
#include "host.h"
#include "host_text.h"
#include "options.h"
#include "sync.h"
#include "sync_plan.h"
#include "tool_list.h"
#include "tool_table.h"
#include "tool_types.h"

namespace kelt2p {

namespace {

std::string onLine(const ToolEntry& entry) {
    return " (line " + std::to_string(entry.line) + ")";
}

// The library's description of the entry's tool; a tool model is loaded and its
// TOOL_TYPE read, so that a model the host cannot use is refused before any writing.
Ardo::kelt2pTool describeTool(const ToolEntry& entry) {
    Ardo::kelt2pTool tool;
    const std::string id = toHostText(entry.toolId, "the tool id" + onLine(entry));
    hostStep("setting the tool id " + entry.toolId + onLine(entry),
             [&] { tool.IdSet(id.c_str()); });
    if (entry.model.empty()) {
        tool.TypeSet(static_cast<Ardo::kelt2pToolType>(entry.type));
        for (const ToolParameter& p : entry.parameters) {
            const std::string what = "the parameter " + p.name + onLine(entry);
            const std::string name = toHostText(p.name, what);
            if (p.number) {
                tool.ToolParamAdd(name.c_str(), *p.number);
            } else {
                tool.ToolParamAdd(name.c_str(), toHostText(p.text, what).c_str());
            }
        }
        return tool;
    }
    Ardo::kelt2pMdl model;
    const std::string modelName = toHostText(entry.model, "the tool model" + onLine(entry));
    hostStep("loading the tool model " + entry.model + onLine(entry),
             [&] { model.Load(modelName.c_str(), Ardo::KELT2P_MDL_PART, false); });
    hostStep("reading TOOL_TYPE of the tool model " + entry.model + onLine(entry),
             [&] { tool.ModelSet(model, 1, false); });
    if (tool.TypeGet() == Ardo::KELT2P_TOOL_NONE) {
        throw InputError("the TOOL_TYPE of the tool model " + entry.model + onLine(entry) +
                         " names no tool type");
    }
    return tool;
}

std::string counted(std::size_t n, const char* one, const char* many) {
    return std::to_string(n) + ' ' + (n == 1 ? one : many);
}

Ardo::kelt2pMachTool tableRecord(const ToolEntry& entry) {
    Ardo::kelt2pMachTool record;
    record.head = static_cast<Ardo::kelt2pMachHead>(entry.head);
    record.position = entry.position;
    record.tipCount = 1;
    record.registers[0] = entry.reg;
    const std::string comment = toHostText(entry.comment, "the comment" + onLine(entry));
    std::strncpy(record.comments[0], comment.c_str(), sizeof record.comments[0] - 1);
    return record;
}

}  // namespace

SyncResult syncToolList(Ardo::kelt2pMfg& mfg, const std::vector<ToolEntry>& list,
                        const std::string& source, const std::string& wcellName) {
    Ardo::kelt2pWcell wcell = findWorkcell(mfg, wcellName);
    SyncPlan plan = planSync(list, readToolTable(mfg, wcell, false), source);

    // Every tool is described, and every tool model loaded, before the first is created.
    std::vector<Ardo::kelt2pTool> tools;
    std::set<std::string> newTools;
    std::set<std::string> oldTools;
    std::vector<std::string> comments;
    for (const ToolEntry* entry : plan.toWrite) {
        tools.push_back(describeTool(*entry));
        comments.push_back(toHostText(entry->comment, "the comment" + onLine(*entry)));
        const std::string id = toHostText(entry->toolId, "the tool id" + onLine(*entry));
        bool exists = hostStep("looking for the tool " + entry->toolId,
                               [&] { return mfg.ToolExist(id.c_str()); });
        (exists ? oldTools : newTools).insert(entry->toolId);
    }

    if (!plan.toWrite.empty()) {
        hostStep("writing the tool table", [&] {
            if (wcellName.empty()) {
                mfg.ToolAdd2WcellToolListInit();
                for (std::size_t i = 0; i < tools.size(); ++i) {
                    const ToolEntry& e = *plan.toWrite[i];
                    mfg.ToolAdd2WcellToolList(tools[i], static_cast<Ardo::kelt2pMachHead>(e.head),
                                              e.position, e.reg, comments[i].c_str());
                }
                mfg.ToolAdd2Wcell();
            } else {
                wcell.ToolAdd2ToolListInit();
                for (std::size_t i = 0; i < tools.size(); ++i) {
                    wcell.ToolAdd2ToolList(tools[i], tableRecord(*plan.toWrite[i]));
                }
                wcell.ToolAdd();
            }
        });
    }
    SyncResult result;
    result.table = readToolTable(mfg, wcell, true);
    std::vector<std::string> missing = missingEntries(plan.toWrite, result.table);
    if (!missing.empty()) {
        std::string entries;
        for (const std::string& m : missing) {
            entries += (entries.empty() ? "" : "; ") + m;
        }
        throw HostFailure("the workcell " + result.table.workcell +
                          " did not take these entries; the model was not saved: " + entries);
    }
    if (!plan.toWrite.empty()) {
        hostStep("saving the model " + result.table.model, [&] { mfg.Save(); });
    }
    result.written = plan.toWrite.size();
    result.inPlace = plan.inPlace;
    result.created = newTools.size();
    result.existed = oldTools.size();
    return result;
}

std::string describeSync(const SyncResult& result) {
    std::string text = counted(result.written, "entry", "entries") + " written to workcell " +
                       result.table.workcell + ", " + std::to_string(result.inPlace) +
                       " in place already; " + counted(result.created, "tool", "tools") +
                       " created, " + std::to_string(result.existed) + " existed already";
    if (result.written > 0) {
        text += "; model " + result.table.model + " saved";
    }
    return text;
}

int sync(const Arguments& args, std::ostream& out, std::ostream& err) {
    Options options = parseOptions(args);
    if (options.operands.size() != 2) {
        throw UsageError("sync takes a model and a tool list");
    }
    const std::string& source = options.operands[1];
    // The whole list is read and checked before the host is started.
    std::vector<ToolEntry> list = readToolList(source);
    std::string name = enterModelDirectory(options.operands[0]);

    HostSession session(options.startFile);
    Ardo::kelt2pMfg mfg;
    const std::string hostName = toHostText(name, "the model name");
    hostStep("loading the manufacturing model " + name, [&] { mfg.Load(hostName.c_str()); });
    SyncResult result = syncToolList(mfg, list, source, options.wcell);
    write(out, result.table, options.format);
    err << "kelt2p sync: " << describeSync(result) << '\n';
    return kExitOk;
}

}  // namespace kelt2p
