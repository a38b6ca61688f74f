// Creating coordinate systems: the default one, and one offset from a reference found by
// pattern, with the new feature's dimensions named by the caller's flags.
#include <ProAsmcomppath.h>
#include <ProMdl.h>

#include "base/text.h"
#include "feature/dimension_symbols.h"
#include "kelt2proe/error.h"
#include "model/solid.h"
#include "toolkit/csys.h"

namespace Ardo {

namespace {

constexpr const char* kOffsetText = "Ardo::Solid::CsysCreateOffSet";
constexpr const char* kOffsetNamingText = "Ardo::kelt2pMdl::CsysCreateOffSet";
constexpr double kDegreesPerRadian = 57.29577951308232;

ardotk::CsysOffsets offsetsOf(double x, double y, double z, double a, double b, double c) {
    ardotk::CsysOffsets offsets;
    offsets.x = x;
    offsets.y = y;
    offsets.z = z;
    offsets.a = a;
    offsets.b = b;
    offsets.c = c;
    return offsets;
}

// The offset coordinate system from `reference`, its dimensions named by `flags`.
void createOffset(ProSolid solid, ProSelection reference, wchar_t* name, int flags,
                  const ardotk::CsysOffsets& offsets) {
    ProFeature feature = ardotk::CsysCreateOffset(solid, reference, offsets, name);
    dimsym::nameDimensions(feature, name, flags, dimsym::kCsysLetters, kOffsetNamingText);
}

}  // namespace

ardotk::SelectionOwner Solid::csysSelection(const char* pattern, const char* text) {
    ProGeomitem csys = CsysFindByName(pattern);
    ProMdlType modelType = PRO_MDL_UNUSED;
    check(ProMdlTypeGet(handle, &modelType), text);
    ProAsmcomppath path{};
    ProAsmcomppath* pathUsed = nullptr;
    if (modelType == PRO_MDL_ASSEMBLY) {
        check(ProAsmcomppathInit(static_cast<ProSolid>(handle), path.comp_id_table, 0, &path),
              text);
        pathUsed = &path;
    }
    ardotk::SelectionOwner selection;
    check(ProSelectionAlloc(pathUsed, &csys, selection.out()), text);
    return selection;
}

void Solid::CsysCreate(const char* csysName) {
    requireHandle("Ardo::Solid::CsysCreate");
    ProName wide = {};
    text::widenBounded(wide, csysName);
    ardotk::CsysCreate(static_cast<ProSolid>(handle), wide);
}

void Solid::CsysCreateOffSet(const char* csysName, const char* refName, int flags, double x,
                             double y, double z, double a, double b, double c) {
    requireHandle(kOffsetText);
    dimsym::refuseLongSymbols(csysName, flags, dimsym::kCsysLetters, kOffsetNamingText);
    ProName wide = {};
    text::widenBounded(wide, csysName);
    ardotk::SelectionOwner reference = csysSelection(refName, kOffsetText);
    createOffset(static_cast<ProSolid>(handle), reference.get(), wide, flags,
                 offsetsOf(x, y, z, a, b, c));
}

void Solid::CsysCreateOffSet(const char* csysName, const char* refName, CompPath& path, int flags,
                             double x, double y, double z, double a, double b, double c) {
    requireHandle(kOffsetText);
    dimsym::refuseLongSymbols(csysName, flags, dimsym::kCsysLetters, kOffsetNamingText);
    ProName wide = {};
    text::widenBounded(wide, csysName);
    ProGeomitem csys = path.MdlGet().CsysFindByName(refName);
    ProMdlType modelType = PRO_MDL_UNUSED;
    check(ProMdlTypeGet(handle, &modelType), kOffsetText);
    if (modelType != PRO_MDL_ASSEMBLY) {
        throw Error(PRO_TK_BAD_CONTEXT, kOffsetText);
    }
    // The reference lies in the component: the selection carries the path to it.
    ProAsmcomppath hostPath{};
    ProAsmcomppath source = path.path;
    check(ProAsmcomppathInit(static_cast<ProSolid>(handle), source.comp_id_table, source.table_num,
                             &hostPath),
          kOffsetText);
    ardotk::SelectionOwner reference;
    check(ProSelectionAlloc(&hostPath, &csys, reference.out()), kOffsetText);
    createOffset(static_cast<ProSolid>(handle), reference.get(), wide, flags,
                 offsetsOf(x, y, z, a, b, c));
}

void Solid::CsysCreateOffSet(const char* csysName, const char* refName, const Matrix& m,
                             int flags) {
    double a = 0.0;
    double b = 0.0;
    double c = 0.0;
    m.RotGet(&a, &b, &c);
    CsysCreateOffSet(csysName, refName, flags, m.TransGetX(), m.TransGetY(), m.TransGetZ(),
                     a * kDegreesPerRadian, b * kDegreesPerRadian, c * kDegreesPerRadian);
}

}  // namespace Ardo
