// The process-wide result lists of the coordinate-system and datum-point listings and
// the name buffer of CsysListAt: shared by every model, replaced by each filling call.
#pragma once

#include <ProObjects.h>

#include <vector>

#include "feature/comp_path.h"

namespace Ardo::csys {

// A result list that keeps its last content when a listing fails: the listing fills the
// spare list, which is swapped in on success, so both keep their storage between calls.
template <typename Entry>
class KeptList {
public:
    const std::vector<Entry>& entries() const { return entries_; }
    std::vector<Entry>& entries() { return entries_; }
    // Runs fill(spare), which replaces its contents; takes it as the list on success.
    template <typename Fill>
    int refill(Fill&& fill) {
        fill(spare_);
        entries_.swap(spare_);
        return static_cast<int>(entries_.size());
    }

private:
    std::vector<Entry> entries_;
    std::vector<Entry> spare_;
};

// Coordinate systems as geometry items, filled by CsysList.
KeptList<ProGeomitem>& csysList();
// Datum points as host handles, filled by PntList.
KeptList<ProPoint>& pointList();
// A feature referencing a coordinate system from another component: the component path
// of its component and its id.
struct ExtRef {
    CompPath path;
    int id;
};
// Filled by CsysExtRefs; emptied before each search.
std::vector<ExtRef>& extRefList();
// The buffer CsysListAt returns: a host name narrowed, terminated.
char* nameBuffer();

}  // namespace Ardo::csys
