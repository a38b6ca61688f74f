// Wrappers of the host's parameter calls. Failures raise ardotk::Error(host code, "").
#pragma once

#include <ProParameter.h>

#include <string>
#include <vector>

namespace ardotk {

// ProParameterInit: true when the owner has the parameter, false when the host answers
// PRO_TK_E_NOT_FOUND; any other failure raises.
bool ParameterFind(ProModelitem& owner, ProName name, ProParameter& param);

// ProParameterInit; every failure raises (a missing parameter raises -4).
ProParameter ParameterInit(ProModelitem& owner, ProName name);

// ProParameterCreate with the value's type.
ProParameter ParameterCreate(ProModelitem& owner, ProName name, ProParamvalue& value);

// ProParameterValueGet / ProParameterValueSet.
ProParamvalue ParameterValueGet(ProParameter& param);
void ParameterValueSet(ProParameter& param, ProParamvalue& value);

// ProParameterDelete.
void ParameterDelete(ProParameter& param);

// ProParameterDescriptionGet, narrowed; a parameter without a description (any failure
// of the call) gives the empty text. The host's text is always released.
std::string ParameterDescriptionGet(ProParameter& param);

// ProParameterDescriptionSet.
void ParameterDescriptionSet(ProParameter& param, wchar_t* description);

// ProParameterVisit of the owner: the parameters whose whole name matches `pattern`, in
// the host's order (".*": every parameter, without a filter), into `found` (contents
// replaced, storage reused, empty after a failure). A visit result of -1 or -2 raises;
// others end the list. An invalid pattern raises ardotk::Error(0, description),
// anything else unexpected ardotk::Error(-1, "UNBEKANNTER FEHLER").
void ParameterVisit(ProModelitem& owner, const char* pattern, std::vector<ProParameter>& found);

// The same for the parameters a flexible component varies (ProVariantfeatParamsVisit).
void VariantfeatParamsVisit(ProFeature& component, const char* pattern,
                            std::vector<ProParameter>& found);

}  // namespace ardotk
