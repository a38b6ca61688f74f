// The principal unit system of a model, mapped to kelt2pLengthUnit by name.
#include <ProMdlUnits.h>

#include <cstddef>
#include <cwchar>

#include "kelt2proe/error.h"
#include "model/mdl.h"

namespace Ardo {

namespace {

struct UnitName {
    kelt2pLengthUnit unit;
    const wchar_t* name;
};

// In the order in which a host name is compared.
constexpr UnitName kUnitNames[] = {
    {KELT2P_UNIT_CGS, L"Centimeter Gram Second (CGS)"},
    {KELT2P_UNIT_FPS, L"Foot Pound Second (FPS)"},
    {KELT2P_UNIT_INCH_LBM, L"Inch lbm Second (Creo Elements/Pro Stand.)"},
    {KELT2P_UNIT_IPS, L"Inch Pound Second (IPS)"},
    {KELT2P_UNIT_MMNS, L"millimeter Newton Second (mmNs)"},
    {KELT2P_UNIT_MMKS, L"millimeter Kilogram Sec (mmKs)"},
};

// A host name field holds 31 characters, and "Inch lbm Second (Creo Elements/Pro
// Stand.)" is longer: the host knows each name as its first 31 characters, so names
// are compared, and handed to the host, in that form.
constexpr std::size_t kHostNameChars = PRO_NAME_SIZE - 1;

bool sameHostName(const wchar_t* hostName, const wchar_t* tableName) {
    std::size_t tableLength = std::wcslen(tableName);
    if (tableLength > kHostNameChars) {
        tableLength = kHostNameChars;
    }
    return std::wcslen(hostName) == tableLength &&
           std::wcsncmp(hostName, tableName, tableLength) == 0;
}

}  // namespace

kelt2pLengthUnit Mdl::LengthUnitGet() {
    requireHandle("Ardo::Mdl::LengthUnitGet");
    ProUnitsystem system = {};
    check(ProMdlPrincipalunitsystemGet(handle, &system), "Ardo::Mdl::LengthUnitGet");
    system.name[PRO_NAME_SIZE - 1] = L'\0';
    for (const UnitName& entry : kUnitNames) {
        if (sameHostName(system.name, entry.name)) {
            return entry.unit;
        }
    }
    return KELT2P_UNIT_OTHER;
}

void Mdl::LengthUnitSet(kelt2pLengthUnit unit) {
    requireHandle("Ardo::Mdl::LengthUnitSet");
    const wchar_t* systemName = nullptr;
    for (const UnitName& entry : kUnitNames) {
        if (entry.unit == unit) {
            systemName = entry.name;
        }
    }
    if (systemName == nullptr) {
        throw Error(PRO_TK_BAD_INPUTS, "Ardo::Mdl::LengthUnitSet");
    }
    ProUnitsystem system = {};
    system.owner = handle;
    std::wcsncpy(system.name, systemName, kHostNameChars);
    check(ProMdlPrincipalunitsystemSet(handle, &system, PRO_UNITCONVERT_SAME_DIMS, PRO_B_TRUE, -1),
          "Ardo::Mdl::LengthUnitSet");
}

}  // namespace Ardo
