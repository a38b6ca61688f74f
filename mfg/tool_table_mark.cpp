// Marking the tool-table entries that NC sequences use.
#include <ProFeature.h>
#include <ProMfg.h>

#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "kelt2proe/error.h"
#include "mfg/tool_table.h"
#include "toolkit/elem_value.h"
#include "toolkit/elemtree.h"
#include "toolkit/feature.h"
#include "toolkit/feature_search.h"
#include "toolkit/mfg.h"

namespace Ardo::tooltable {

namespace {

constexpr int kElemNcseqTool = 153;
constexpr int kElemNcseqOper = 208;
constexpr int kElemNcseqPosition = 3186;

using Place = std::tuple<std::wstring, int, int>;  // tool id, head, position

// The entries of one place that no NC sequence uses yet, in list order from `next` on.
struct FreeEntries {
    std::vector<PendingEntry*> entries;
    std::size_t next = 0;
};

struct NcseqUse {
    bool read = false;
    Place place;
};

// The tool place an NC sequence uses; not read when it belongs to another operation or
// its elements cannot be read. A tree that cannot be made raises only for one operation.
NcseqUse useOf(ProFeature& ncseq, int operationId) {
    ardotk::ElemTree tree;
    try {
        tree = ardotk::FeatureElemtreeCreate(ncseq);
    } catch (const ardotk::Error&) {
        if (operationId != 0) {
            throw;
        }
        return {};
    }
    try {
        if (operationId != 0 && ardotk::ElemtreeInt(tree.get(), {kElemNcseqOper}) != operationId) {
            return {};
        }
        NcseqUse use;
        use.place = Place(ardotk::ElemtreeWstring(tree.get(), {kElemNcseqTool}),
                          ardotk::ElemtreeInt(tree.get(), {tooltable::kElemHead}),
                          ardotk::ElemtreeInt(tree.get(), {kElemNcseqPosition}));
        use.read = true;
        return use;
    } catch (const ardotk::Error&) {
        return {};
    }
}

}  // namespace

void markUsed(ProMdl mfg, int operationId, std::vector<PendingEntry>& entries) {
    ProSolid solid = ardotk::MfgSolidGet(static_cast<ProMfg>(mfg));
    // Free entries by place, in list order.
    std::map<Place, FreeEntries> freeByPlace;
    for (PendingEntry& e : entries) {
        freeByPlace[Place(e.toolIdText, e.head, e.position)].entries.push_back(&e);
    }
    std::vector<ProFeature> ncseqs;
    ardotk::FeatureSearch(solid, ".*", ardotk::kNcseqFeatures, true, ncseqs);
    for (ProFeature& ncseq : ncseqs) {
        NcseqUse use = useOf(ncseq, operationId);
        if (!use.read) {
            continue;
        }
        auto found = freeByPlace.find(use.place);
        if (found == freeByPlace.end()) {
            continue;
        }
        FreeEntries& unused = found->second;
        if (unused.next < unused.entries.size()) {
            unused.entries[unused.next++]->inUse = true;
        }
    }
}

}  // namespace Ardo::tooltable
