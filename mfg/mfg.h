// Ardo::Mfg: the manufacturing model behind kelt2pMfg, a model handle with the model's
// pending tool-table entries.
#pragma once

#include <ProMfg.h>
#include <ProObjects.h>

#include <string>
#include <vector>

#include "kelt2proe/mfg.h"
#include "mfg/pending_entry.h"
#include "model/mdl.h"

namespace Ardo {

class CompPath;
class Operation;
class Solid;
class Tool;
class Wcell;

class Mfg : public Mdl {
public:
    // The model (mfg.cpp)
    void Load(const char* modelName);
    void Current();
    Solid GetMdl();

    // Listings into the process-wide lists (mfg_lists_fill.cpp)
    int OperList(const char* pattern);
    static Operation OperListAt(int i);
    Operation OperCurrent();
    int WcellList(const char* pattern);
    static Wcell WcellListAt(int i);
    int NcSeqList();
    static int NcSeqListAt(int i);

    // NC sequences' tools and the tools of the model (mfg_tools.cpp)
    const char* NcseqToolid(int ncseqId);
    void NcseqToolid(int ncseqId, const char* toolId);
    int ToolList();
    static const char* ToolListAt(int i);
    bool ToolExist(const char* toolId);
    bool ToolHasModelGet(const char* toolId);
    Solid ToolModelGet(const char* toolId);

    // Creating tools (mfg_tools.cpp)
    void ToolAdd(Tool& tool);
    void ToolRedefine(Tool& tool);
    void ToolSetCutData(Tool& tool);

    // The tool table of the active operation's workcell (mfg_pending.cpp)
    void ToolAdd2WcellToolListInit();
    void ToolAdd2WcellToolList(Tool& tool, kelt2pMachHead head, int position, int reg,
                               const char* comment);
    void ToolAdd2Wcell();

    // The process-wide fixture component list (fixture_list.cpp)
    static int FixtureCompAdd(const CompPath& path);
    static int FixtureCompsListSize();
    static CompPath FixtureCompsListAt(int i);
    static void FixtureCompsListClear();

    // Fixtures of the model (fixture_create.cpp, fixture_components.cpp)
    int FixtureCreate(const char* name, int operationId, double value);
    int FixtureCompList(int fixtureId);
    int FixtureAdd(int fixtureId);

    std::vector<PendingEntry> pending;
    // NcseqToolid's text: the whole TOOL_ID value, however long.
    std::string ncseqToolId;

private:
    ProMfg mfgHandle() const { return static_cast<ProMfg>(handle); }
    // ProMfgSolidGet; failure raises (code, text).
    ProSolid solidGet(const char* text);
    // ProToolInit of the narrow id; failure raises (code, text).
    ProTool toolInit(const char* toolId, const char* text);
};

}  // namespace Ardo
