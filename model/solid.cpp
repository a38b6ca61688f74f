// Creating a solid, regenerating it, and its accuracy.
#include "model/solid.h"

#include <ProSolid.h>

#include "base/length_check.h"
#include "base/text.h"

namespace Ardo {

namespace {

ProSolid solidOf(ProMdl handle) {
    return static_cast<ProSolid>(handle);
}

}  // namespace

// The name is checked before any host call, under the application's operation name.
void Solid::Create(const char* newName, kelt2pMdlType newType) {
    refuseLongerThan(newName, text::kNameSize - 1, PRO_TK_LINE_TOO_LONG, "Ardo::kelt2pMdl::Create");
    ProName wide;
    text::widenBounded(wide, newName);
    ProSolid created = nullptr;
    check(ProSolidCreate(wide, static_cast<ProType>(newType), &created), "Ardo::Solid::Create");
    handle = created;
}

void Solid::Regenerate() {
    requireHandle("Ardo::Solid::Regenerate");
    check(ProSolidRegenerate(solidOf(handle), PRO_REGEN_FORCE_REGEN), "Ardo::Solid::Regenerate");
}

void Solid::AccuracySet(kelt2pAccuracyType accuracyType, double value) {
    requireHandle("Ardo::Solid::AccuracySet");
    check(ProSolidAccuracySet(solidOf(handle), static_cast<ProAccuracyType>(accuracyType), value),
          "Ardo::Solid::AccuracySet");
}

double Solid::AccuracyGet() {
    requireHandle("Ardo::Solid::AccuracyGet");
    ProAccuracyType accuracyType = PRO_ACCURACY_RELATIVE;
    double value = 0.0;
    check(ProSolidAccuracyGet(solidOf(handle), &accuracyType, &value), "Ardo::Solid::AccuracyGet");
    return value;
}

kelt2pAccuracyType Solid::AccuracyTypeGet() {
    requireHandle("Ardo::Solid::AccuracyTypeGet");
    ProAccuracyType accuracyType = PRO_ACCURACY_RELATIVE;
    double value = 0.0;
    check(ProSolidAccuracyGet(solidOf(handle), &accuracyType, &value),
          "Ardo::Solid::AccuracyTypeGet");
    return static_cast<kelt2pAccuracyType>(accuracyType);
}

}  // namespace Ardo
