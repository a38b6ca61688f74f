// UdfAddTip: the tip gauge of an assembly, placed against a coordinate system of the
// assembly and a datum point of a component, and the coordinate system "TIP" on it.
#include <ProGroup.h>
#include <ProMdl.h>
#include <ProModelitem.h>

#include "base/text.h"
#include "feature/udf_data.h"
#include "kelt2proe/error.h"
#include "model/solid.h"

namespace Ardo {

namespace {

constexpr const char* kTipText = "Ardo::kelt2pMdl::UdfAddTip";
constexpr int kAllSymbols = 127;

}  // namespace

void Solid::UdfAddTip(const char* csysName, CompPath& path, const char* pointName,
                      bool regenerate) {
    requireHandle(kTipText);
    ProMdlType modelType = PRO_MDL_UNUSED;
    check(ProMdlTypeGet(handle, &modelType), kTipText);
    if (modelType != PRO_MDL_ASSEMBLY) {
        throw Error(PRO_TK_GENERAL_ERROR, "no assembly");
    }
    ProSolid solid = static_cast<ProSolid>(handle);
    ProName csysWide = {};
    ProName pointWide = {};
    text::widenBounded(csysWide, csysName);
    text::widenBounded(pointWide, pointName);
    ProModelitem csys{};
    check(ProModelitemByNameInit(handle, PRO_CSYS, csysWide, &csys), kTipText);
    ProModelitem point{};
    check(ProModelitemByNameInit(path.MdlHandle(), PRO_POINT, pointWide, &point), kTipText);

    ProName udfName = L"tip_gauge.gph.1";
    ardotk::UdfdataOwner data = udf::dataFor(udfName, kTipText);
    ProLine csysPrompt = L"M_0";
    udf::referenceAdd(data, csysPrompt, csys, nullptr);
    // The point lies in the component: its selection carries the path from this model.
    ProAsmcomppath pointPath{};
    pointPath.owner = solid;
    pointPath.table_num = path.Depth();
    for (int k = 0; k < path.Depth(); ++k) {
        pointPath.comp_id_table[k] = path.path.comp_id_table[k];
    }
    ProLine pointPrompt = L"PNT_TIPX";
    udf::referenceAdd(data, pointPrompt, point, &pointPath);
    ProGroup group = udf::place(solid, data, kTipText);
    udf::dataFree(data, kTipText);
    check(ProGroupUngroup(&group), kTipText);

    CsysCreateOffSet("TIP", "TIP_REF", kAllSymbols, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0);
    if (regenerate) {
        Regenerate();
    }
}

}  // namespace Ardo
