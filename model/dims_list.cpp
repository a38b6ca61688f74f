// Listing the dimensions of a model into the model's dimension list.
#include "base/subscript.h"
#include "kelt2proe/error.h"
#include "model/solid.h"
#include "toolkit/dimension.h"

namespace Ardo {

int Solid::DimList(const char* pattern) {
    requireHandle("Ardo::Solid::DimList");
    // A failed listing keeps the previous list: fill a new one and take it on success.
    std::vector<ProDimension> found;
    ardotk::DimensionVisit(static_cast<ProSolid>(handle), pattern, found);
    dimList.swap(found);
    return static_cast<int>(dimList.size());
}

int Solid::DimListAt(int index) const {
    return checkedAt(dimList, index).id;
}

}  // namespace Ardo
