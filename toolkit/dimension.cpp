#include "toolkit/dimension.h"

#include <cwchar>

#include "kelt2proe/error.h"
#include "toolkit/check.h"
#include "toolkit/listing.h"
#include "toolkit/name_filter.h"
#include "toolkit/visit_guard.h"

namespace ardotk {

namespace {

struct Search {
    const wchar_t* symbol;
    bool matched = false;
    ProDimension found{};
};

ProError compareSymbol(ProDimension* dimension, ProError, ProAppData data) {
    auto& search = *static_cast<Search*>(data);
    ProName symbol = {};
    ProError err = ProDimensionSymbolGet(dimension, symbol);
    if (err != PRO_TK_NO_ERROR) {
        return err;
    }
    symbol[PRO_NAME_SIZE - 1] = L'\0';
    if (std::wcscmp(symbol, search.symbol) != 0) {
        return PRO_TK_NO_ERROR;
    }
    search.found = *dimension;
    search.matched = true;
    return PRO_TK_USER_ABORT;
}

struct Collect {
    const NameFilter& filter;
    std::vector<ProDimension>& found;
    VisitGuard guard;
    // The first code of a symbol that could not be read.
    ProError symbolFailure = PRO_TK_NO_ERROR;
};

// The filter's answer: the host's code when the symbol cannot be read, which the visit
// hands to the action as its status. The code is also kept: the visit's own answer
// cannot tell it from the end of the dimensions (PRO_TK_E_NOT_FOUND).
ProError admitBySymbol(ProDimension* dimension, ProAppData data) {
    auto& collect = *static_cast<Collect*>(data);
    return collect.guard.run([&] {
        ProName symbol = {};
        ProError err = ProDimensionSymbolGet(dimension, symbol);
        if (err != PRO_TK_NO_ERROR) {
            collect.symbolFailure = err;
            return err;
        }
        symbol[PRO_NAME_SIZE - 1] = L'\0';
        return collect.filter.matches(symbol) ? PRO_TK_NO_ERROR : PRO_TK_CONTINUE;
    });
}

ProError collectDimension(ProDimension* dimension, ProError status, ProAppData data) {
    auto& collect = *static_cast<Collect*>(data);
    if (status != PRO_TK_NO_ERROR) {
        return status;
    }
    return collect.guard.run([&] {
        collect.found.push_back(*dimension);
        return PRO_TK_NO_ERROR;
    });
}

}  // namespace

bool DimensionBySymbol(ProSolid solid, const wchar_t* symbol, ProDimension& found,
                       ProError& visit) {
    Search search{symbol};
    visit = ProSolidDimensionVisit(solid, PRO_B_FALSE, compareSymbol, nullptr, &search);
    // A host call that fails with the stop code has not met the dimension.
    if (visit != PRO_TK_USER_ABORT || !search.matched) {
        return false;
    }
    found = search.found;
    return true;
}

void DimensionVisit(ProSolid solid, const char* pattern, std::vector<ProDimension>& found) {
    refillListing(found, [&] {
        guardedListing([&] {
            NameFilter filter(pattern);
            Collect collect{filter, found, {}};
            ProError err = ProSolidDimensionVisit(solid, PRO_B_FALSE, collectDimension,
                                                  filter.all() ? nullptr : admitBySymbol, &collect);
            collect.guard.rethrow();
            if (collect.symbolFailure != PRO_TK_NO_ERROR) {
                throw Error(collect.symbolFailure, "");
            }
            if (err != PRO_TK_NO_ERROR && err != PRO_TK_E_NOT_FOUND) {
                throw Error(err, "");
            }
        });
    });
}

double DimensionValueGet(ProDimension& dimension) {
    double value = 0.0;
    check(ProDimensionValueGet(&dimension, &value));
    return value;
}

void DimensionValueSet(ProDimension& dimension, double value) {
    check(ProDimensionValueSet(&dimension, value));
}

bool DimensionIsRegenednegative(ProDimension& dimension) {
    ProBoolean negative = PRO_B_FALSE;
    check(ProDimensionIsRegenednegative(&dimension, &negative));
    return negative == PRO_B_TRUE;
}

}  // namespace ardotk
