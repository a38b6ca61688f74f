#include "toolkit/parameter.h"

#include <ProVariantFeat.h>

#include <algorithm>

#include "base/text.h"
#include "kelt2proe/error.h"
#include "toolkit/check.h"
#include "toolkit/listing.h"
#include "toolkit/name_filter.h"
#include "toolkit/util.h"
#include "toolkit/visit_guard.h"

namespace ardotk {

namespace {

struct Collect {
    const NameFilter& filter;
    std::vector<ProParameter>& found;
    VisitGuard guard;
};

ProError admitByName(ProParameter* param, ProAppData data) {
    auto& collect = *static_cast<Collect*>(data);
    return collect.guard.run([&] {
        ProName name = {};
        std::copy(param->id, param->id + PRO_NAME_SIZE - 1, name);
        return collect.filter.matches(name) ? PRO_TK_NO_ERROR : PRO_TK_CONTINUE;
    });
}

ProError collectParameter(ProParameter* param, ProError, ProAppData data) {
    auto& collect = *static_cast<Collect*>(data);
    return collect.guard.run([&] {
        collect.found.push_back(*param);
        return PRO_TK_NO_ERROR;
    });
}

}  // namespace

bool ParameterFind(ProModelitem& owner, ProName name, ProParameter& param) {
    ProError err = ProParameterInit(&owner, name, &param);
    if (err == PRO_TK_E_NOT_FOUND) {
        return false;
    }
    check(err);
    return true;
}

ProParameter ParameterInit(ProModelitem& owner, ProName name) {
    ProParameter param{};
    check(ProParameterInit(&owner, name, &param));
    return param;
}

ProParameter ParameterCreate(ProModelitem& owner, ProName name, ProParamvalue& value) {
    ProParameter param{};
    check(ProParameterCreate(&owner, name, &value, &param));
    return param;
}

ProParamvalue ParameterValueGet(ProParameter& param) {
    ProParamvalue value{};
    check(ProParameterValueGet(&param, &value));
    return value;
}

void ParameterValueSet(ProParameter& param, ProParamvalue& value) {
    check(ProParameterValueSet(&param, &value));
}

void ParameterDelete(ProParameter& param) {
    check(ProParameterDelete(&param));
}

std::string ParameterDescriptionGet(ProParameter& param) {
    Wstring description;
    ProError err = ProParameterDescriptionGet(&param, description.out());
    if (err != PRO_TK_NO_ERROR) {
        return {};
    }
    return Ardo::text::toNarrow(description.get());
}

void ParameterDescriptionSet(ProParameter& param, wchar_t* description) {
    check(ProParameterDescriptionSet(&param, description));
}

void ParameterVisit(ProModelitem& owner, const char* pattern, std::vector<ProParameter>& found) {
    refillListing(found, [&] {
        guardedListing([&] {
            NameFilter filter(pattern);
            Collect collect{filter, found, {}};
            ProError err = ProParameterVisit(&owner, filter.all() ? nullptr : admitByName,
                                             collectParameter, &collect);
            collect.guard.rethrow();
            if (err == PRO_TK_GENERAL_ERROR || err == PRO_TK_BAD_INPUTS) {
                throw Error(err, "");
            }
        });
    });
}

void VariantfeatParamsVisit(ProFeature& component, const char* pattern,
                            std::vector<ProParameter>& found) {
    refillListing(found, [&] {
        guardedListing([&] {
            NameFilter filter(pattern);
            Collect collect{filter, found, {}};
            ProError err = ProVariantfeatParamsVisit(
                &component, collectParameter, filter.all() ? nullptr : admitByName, &collect);
            collect.guard.rethrow();
            if (err == PRO_TK_GENERAL_ERROR || err == PRO_TK_BAD_INPUTS) {
                throw Error(err, "");
            }
        });
    });
}

}  // namespace ardotk
