// The outline box of a model in the frame of a matrix.
#include <ProSolid.h>

#include "kelt2proe/error.h"
#include "model/solid.h"

namespace Ardo {

kelt2pBox Solid::OutlineCompute(const Matrix& m) {
    constexpr const char* kText = "Ardo::Solid::OutlineCompute";
    requireHandle(kText);
    ProMatrix host = {};
    // The host takes the frame with its axes and origin as rows.
    m.Get4X4ProE(host);
    ProSolidOutlExclTypes excluded[] = {PRO_OUTL_EXC_DATUM_PLANE, PRO_OUTL_EXC_DATUM_POINT,
                                        PRO_OUTL_EXC_DATUM_CSYS,  PRO_OUTL_EXC_DATUM_AXES,
                                        PRO_OUTL_EXC_FACETS,      PRO_OUTL_EXC_ALL_CRVS};
    Pro3dPnt outline[2] = {};
    // A box the host did not compute would be reported as a real one.
    check(ProSolidOutlineCompute(static_cast<ProSolid>(handle), host, excluded, 6, outline), kText);
    return kelt2pBox{Point(outline[0]), Point(outline[1])};
}

}  // namespace Ardo
