// Manufacturing models (kelt2pMfg), their operations (kelt2pOperation) and workcells
// (kelt2pWcell): reading operations, workcells and NC sequences, the tools of the model,
// creating and redefining tools, writing and reading workcell tool tables, and fixtures.
//
// Each class is a facade owning one implementation object. Copies never share state: a
// copy (or an assigned object) holds its own copy of the binding, texts and pending
// entries.
// Listings keep their results in process-wide lists: each listing call replaces its
// list, whichever object makes it, and the indexed accessor reads the list of the last
// call. An index outside a list throws std::out_of_range("invalid vector<T> subscript").
// Failures are thrown as Ardo::Error or ardotk::Error with the host's result code.
#pragma once

#include <cstdint>

#include "kelt2proe/comp_path.h"
#include "kelt2proe/export.h"
#include "kelt2proe/impl_ptr.h"
#include "kelt2proe/mdl.h"
#include "kelt2proe/tool.h"

namespace Ardo {

class Mfg;
class Operation;
class Wcell;
class kelt2pWcell;

// The host's workcell type (element 483); types 2 and 8 have a lathe direction.
enum kelt2pWcellType : std::int32_t {};

// The layout of a workcell's tool tables.
enum kelt2pWcellMachHeads : std::int32_t {
    KELT2P_HEADS_OTHER = -1,  // no table, three or more, or one with another head value
    KELT2P_HEADS_HEAD1 = 0,   // one table, head 1
    KELT2P_HEADS_HEAD2 = 1,   // one table, head 2
    KELT2P_HEADS_BOTH = 2,    // two tables
};

// The host's lathe direction of a workcell (element 485); none for other types.
enum kelt2pWcellLatheDir : std::int32_t {
    KELT2P_LATHEDIR_NONE = -1,
};

// One operation feature of a manufacturing model. Texts returned live in the object's
// buffer until its next text-returning call. Copies never share state, buffer included.
class KELT2PROE_API kelt2pOperation {
public:
    // Not bound to an operation: only good as the target of an assignment.
    kelt2pOperation();
    kelt2pOperation(const kelt2pOperation& other);
    kelt2pOperation& operator=(const kelt2pOperation& other);
    ~kelt2pOperation();

    const char* Name();
    int ID() const;
    // Texts of the parameters "STOCK_MATERIAL", "NCL_FILE" and "PARTNO".
    const char* Material();
    const char* NclFile();
    const char* PartNo();
    // Feature id of the coordinate system that is the operation's origin.
    int Origin();
    // Reads the comment lines; returns their number. Comment(n) is line n as read by
    // the last Comment(), the empty text for n at or past the end.
    int Comment();
    const char* Comment(unsigned int n);
    kelt2pWcell WcellGet();

private:
    friend struct FacadeAccess;
    explicit kelt2pOperation(const Operation& operation);

    CopiedImpl<Operation> impl;
};

// One workcell feature of a manufacturing model, with its pending tool-table entries.
// Copies never share state: each has its own texts and pending entries.
class KELT2PROE_API kelt2pWcell {
public:
    // Not bound to a workcell: only good as the target of an assignment.
    kelt2pWcell();
    kelt2pWcell(const kelt2pWcell& other);
    kelt2pWcell& operator=(const kelt2pWcell& other);
    ~kelt2pWcell();

    const char* Name();
    // Texts of the parameters "CONTROLLER" and "LOCATION".
    const char* Controller();
    const char* Location();
    kelt2pWcellType Type();
    int Axis();
    kelt2pWcellMachHeads Heads();
    kelt2pWcellLatheDir LatheDir();
    int Comment();
    const char* Comment(unsigned int n);

    // --- Writing tool tables --------------------------------------------------
    // Empties this workcell's pending list.
    void ToolAdd2ToolListInit();
    // Creates the tool in the owning model unless it exists, and appends a pending entry:
    // one tip with the register and comment, or the record's position, head, tips,
    // registers, comments and gauges (its toolId and inUse are not used). A record whose
    // tip count is outside 1 to 8 raises Ardo::Error(-2, "Ardo::Wcell::ToolAdd2ToolList").
    void ToolAdd2ToolList(const kelt2pTool& tool, kelt2pMachHead head, int position, int reg,
                          const char* comment);
    void ToolAdd2ToolList(const kelt2pTool& tool, const kelt2pMachTool& entry);
    // Writes the pending entries into this workcell's tool tables (adding tables for
    // heads 1 and 2 where missing), redefines the workcell and empties the pending list.
    // On any failure the pending list is kept.
    void ToolAdd();
    // Removes every tool table of this workcell.
    void DeleteToolTable();

    // --- Reading tool tables --------------------------------------------------
    // Reads every entry into the process-wide workcell tool list; returns the count.
    // ToolList() marks nothing; ToolList(0) marks the entries that NC sequences use;
    // ToolList(operationId) reads the workcell of that operation and marks the entries
    // used by that operation's NC sequences.
    int ToolList();
    int ToolList(int operationId);
    int ToolList(const kelt2pOperation& operation);
    // Entry i of the workcell tool list.
    kelt2pMachTool ToolListAt(int i) const;

private:
    friend struct FacadeAccess;
    explicit kelt2pWcell(const Wcell& wcell);

    CopiedImpl<Wcell> impl;
};

// A manufacturing model (model type 37) with its pending tool-table entries. Copies never
// share state: each has its own binding and pending entries.
class KELT2PROE_API kelt2pMfg {
public:
    kelt2pMfg();
    kelt2pMfg(const kelt2pMfg& other);
    kelt2pMfg& operator=(const kelt2pMfg& other);
    ~kelt2pMfg();

    // --- The model ------------------------------------------------------------
    kelt2pMfg& Load(const char* name);
    // Adopts the host's current model; one that is not a manufacturing model leaves
    // this object empty and raises Ardo::Error(code, "KEIN MFG-MODELL!").
    void Current();
    void Display();
    void Save();
    void Erase();
    void EraseAll();
    void Rename(const char* name);
    const char* NameGet();
    kelt2pMdlType TypeGet();
    bool IsMfg();
    // The solid that carries the operations, workcells and NC sequences.
    kelt2pMdl GetMdl();

    // --- Operations, workcells, NC sequences -----------------------------------
    // Active operations / workcells whose whole name matches `pattern`.
    int OperList(const char* pattern);
    kelt2pOperation OperList(int i);
    kelt2pOperation OperCurrent();
    int WcellList(const char* pattern);
    kelt2pWcell WcellList(int i);
    int NcSeqList();
    // Feature id of entry i.
    int NcSeqList(int i);
    // The tool id the NC sequence uses (parameter "TOOL_ID"); valid until the next call.
    const char* NcseqToolid(int ncseqId);
    // At most 32 characters; longer raises Ardo::Error(-6, "Ardo::Mfg::NcseqToolid").
    void NcseqToolid(int ncseqId, const char* toolId);

    // --- Tools of the model ---------------------------------------------------
    int ToolList();
    const char* ToolList(int i);
    // Tool ids fill a host line: at most 80 characters; longer ones raise
    // Ardo::Error(-6, "Ardo::kelt2pMfg::<operation>") before any host call.
    bool ToolExist(const char* toolId);
    bool ToolHasModelGet(const char* toolId);
    // The tool's solid model, loaded; when it cannot be loaded, an unbound handle that
    // carries the model's name and type.
    kelt2pMdl ToolModelGet(const char* toolId);

    // --- Creating tools -------------------------------------------------------
    // Creates the tool unless a tool of its id exists (then nothing happens).
    void ToolAdd(kelt2pTool& tool);
    // Replaces the definition of the existing tool of that id.
    void ToolRedefine(kelt2pTool& tool);
    // Accepted and dropped; needs a bound model.
    void ToolSetCutData(kelt2pTool& tool);

    // --- Tool table of the active operation's workcell -------------------------
    void ToolAdd2WcellToolListInit();
    void ToolAdd2WcellToolList(kelt2pTool& tool, kelt2pMachHead head, int position, int reg,
                               const char* comment);
    // Writes the pending entries into the workcell of the active operation, as
    // kelt2pWcell::ToolAdd does, and empties the pending list.
    void ToolAdd2Wcell();

    // --- Fixtures ---------------------------------------------------------------
    // The fixture component list is process-wide, shared by every kelt2pMfg. Usual
    // order: FixtureCompsListClear, FixtureCompAdd per component, then FixtureCreate or
    // FixtureAdd. The host takes each component by the first id of its path (the
    // top-level component). A failed FixtureCreate, FixtureCompList or FixtureAdd leaves
    // the list as it was.
    // Appends a copy of `path`; returns the list's new length.
    int FixtureCompAdd(kelt2pCompPath& path);
    int FixtureCompsListSize();
    kelt2pCompPath FixtureCompsList(int i);
    void FixtureCompsListClear();
    // Creates a fixture of the listed components, activates it and returns its feature
    // id. An empty name gives no name, an operationId of 0 or less no operation. A name
    // of more than 31 characters raises Ardo::Error(-2, "Ardo::Mfg::FixtureCreate")
    // before any host call. The list stays as it is.
    int FixtureCreate(const char* name, int operationId, double value);
    // Replaces the list with the components of fixture `fixtureId` (one-level paths from
    // the manufacturing solid); returns the length. Another feature raises
    // ardotk::Error(0, "wrong feature type").
    int FixtureCompList(int fixtureId);
    // Adds the listed components to fixture `fixtureId`, then replaces the list with the
    // listed components followed by those the fixture held before; returns the length.
    int FixtureAdd(int fixtureId);

private:
    CopiedImpl<Mfg> impl;
};

}  // namespace Ardo
