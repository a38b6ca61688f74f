// Ardo::Wcell: one workcell feature of a manufacturing model, behind kelt2pWcell, with
// its pending tool-table entries.
#pragma once

#include <ProObjects.h>

#include <string>
#include <vector>

#include "kelt2proe/mfg.h"
#include "mfg/pending_entry.h"

namespace Ardo {

class Tool;

class Wcell {
public:
    Wcell() = default;
    Wcell(ProMdl ownerModel, const ProFeature& wcellFeature)
        : owner(ownerModel), feature(wcellFeature) {}

    const char* Name();
    const char* Controller();
    const char* Location();
    kelt2pWcellType Type();
    int Axis();
    kelt2pWcellMachHeads Heads();
    kelt2pWcellLatheDir LatheDir();
    int Comment();
    const char* Comment(unsigned int n);

    // Tool tables (wcell_tools.cpp)
    void ToolAdd2ToolListInit();
    void ToolAdd2ToolList(const Tool& tool, kelt2pMachHead head, int position, int reg,
                          const char* comment);
    void ToolAdd2ToolList(const Tool& tool, const kelt2pMachTool& entry);
    void ToolAdd();
    void DeleteToolTable();
    // Reads the tables into the workcell tool list; with `mark`, entries used by the NC
    // sequences (of operation `operationId` unless it is 0) are marked.
    int ToolList(int operationId, bool mark);
    static kelt2pMachTool ToolListAt(int i);

    ProMdl owner = nullptr;
    ProFeature feature{};
    char text[4100] = {};
    std::vector<PendingEntry> pending;
    std::vector<std::wstring> comments;

private:
    // Raises (-45, "Ardo::Mdl::IsInit") while not bound.
    void requireBound() const;
    const char* paramText(const char* name);
    // Creates `tool` in the owner and returns its handle.
    ProTool createTool(const Tool& tool) const;
};

}  // namespace Ardo
