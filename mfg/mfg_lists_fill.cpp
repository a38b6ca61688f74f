// Listing operations, workcells and NC sequences into the process-wide lists.
#include <ProMfg.h>

#include "base/subscript.h"
#include "kelt2proe/error.h"
#include "mfg/mfg.h"
#include "mfg/mfg_lists.h"
#include "mfg/operation.h"
#include "mfg/wcell.h"
#include "toolkit/feature_search.h"
#include "toolkit/mfg.h"

namespace Ardo {

namespace {
constexpr int kOperationType = 1007;
constexpr int kWorkcellType = 1008;
}  // namespace

int Mfg::OperList(const char* pattern) {
    IsInit();
    ProSolid solid = solidGet("Ardo::Mfg::OperList");
    std::vector<ProFeature> found;
    ardotk::FeatureSearch(solid, pattern, kOperationType, true, found);
    std::vector<Operation>& list = mfglists::operations();
    list.clear();
    for (const ProFeature& feature : found) {
        list.emplace_back(handle, feature);
    }
    return static_cast<int>(list.size());
}

Operation Mfg::OperListAt(int i) {
    return checkedAt(mfglists::operations(), i);
}

// No guard: an unbound model reaches the host, which refuses it.
Operation Mfg::OperCurrent() {
    return Operation(handle, ardotk::OperActiveGet(mfgHandle()));
}

int Mfg::WcellList(const char* pattern) {
    IsInit();
    ProSolid solid = solidGet("Ardo::Mfg::WcellList");
    std::vector<ProFeature> found;
    ardotk::FeatureSearch(solid, pattern, kWorkcellType, true, found);
    std::vector<Wcell>& list = mfglists::workcells();
    list.clear();
    for (const ProFeature& feature : found) {
        list.emplace_back(handle, feature);
    }
    return static_cast<int>(list.size());
}

Wcell Mfg::WcellListAt(int i) {
    return checkedAt(mfglists::workcells(), i);
}

int Mfg::NcSeqList() {
    requireHandle("Ardo::Mfg::NcSeqList");
    ProSolid solid = solidGet("Ardo::Mfg::NcSeqList");
    std::vector<ProFeature>& list = mfglists::ncSequences();
    ardotk::FeatureSearch(solid, ".*", ardotk::kNcseqFeatures, true, list);
    return static_cast<int>(list.size());
}

int Mfg::NcSeqListAt(int i) {
    return checkedAt(mfglists::ncSequences(), i).id;
}

}  // namespace Ardo
