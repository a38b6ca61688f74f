// Manufacturing models: the host's feature types and element ids of operations,
// workcells and NC sequences, the active operation, and the host's check of a workcell's
// tool tables.
//
// A manufacturing model (type 37) is its own manufacturing solid and assembly: the
// operations, workcells and NC sequences are features of the model itself, so every
// feature, parameter and element-tree function works on it unchanged.
#pragma once

#include <ProObjects.h>

#include <string>

#include "simhost/state/elemtree.h"
#include "simhost/state/models.h"

namespace simhost::state {

constexpr int kFeatOperation = 1007;
constexpr int kFeatWorkcell = 1008;
// The type the host gives NC sequences unless a file names another one.
constexpr int kFeatNcseq = 1100;

// Element ids of manufacturing features.
constexpr int kElemMfgName = 151;
constexpr int kElemComments = 152;
constexpr int kElemNcseqTool = 153;
constexpr int kElemOperWorkcell = 190;
constexpr int kElemOperOrigin = 191;
constexpr int kElemNcseqOper = 208;
constexpr int kElemWcellAxes = 482;
constexpr int kElemWcellType = 483;
constexpr int kElemWcellLatheDir = 485;
constexpr int kElemToolTables = 491;
constexpr int kElemTableHead = 492;
constexpr int kElemTableEntries = 493;
constexpr int kElemTableEntry = 494;
constexpr int kElemEntryPair = 495;
constexpr int kElemPairKey = 496;
constexpr int kElemPairValue = 497;
constexpr int kElemToolTable = 510;
constexpr int kElemNcseqPosition = 3186;

// Keys of a tool-table value pair with a fixed meaning.
constexpr int kKeyPosition = 1;
constexpr int kKeyToolId = 2;

// The value type (a ProValueDataType) a tool-table key holds, 0 for keys the host does
// not define (any type).
int toolTableKeyType(int key);

struct MfgState {
    int activeOperation = 0;  // feature id, 0 for none
};
inline MfgState& mfgState(Model& model) {
    return model.content<MfgState>();
}

// The host's check of a workcell tree before a redefinition: PRO_TK_NO_ERROR, PRO_TK_BAD_INPUTS for
// a malformed tool table (see docs/model-files.md) or PRO_TK_E_NOT_FOUND for an entry whose tool
// the model does not have.
ProError workcellTreeCheck(Model& model, const TreeNode& tree);

// Tree-building helpers.
TreeNode treeInt(int id, int value);
TreeNode treeDouble(int id, double value);
TreeNode treeWide(int id, const std::wstring& value);
TreeNode treeCompound(int id);

}  // namespace simhost::state
