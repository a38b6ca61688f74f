// Dimensions of a model by symbol: existence, value with the user's sign, display, name.
#include <ProDimension.h>

#include <string>

#include "base/text.h"
#include "kelt2proe/error.h"
#include "model/model_texts.h"
#include "model/solid.h"
#include "toolkit/dimension.h"

namespace Ardo {

namespace {

struct WideSymbol {
    explicit WideSymbol(const char* symbol) { text::widenBounded(wide, symbol); }
    ProName wide;
};

}  // namespace

ProDimension Solid::dimensionFind(const char* symbol) {
    itemsType();
    WideSymbol wide(symbol);
    ProDimension dimension{};
    ProError visit = PRO_TK_NO_ERROR;
    if (!ardotk::DimensionBySymbol(static_cast<ProSolid>(handle), wide.wide, dimension, visit)) {
        throw ardotk::Error(visit, "");
    }
    return dimension;
}

bool Solid::DimExist(const char* symbol) {
    requireHandle("Ardo::Solid::DimExist");
    itemsType();
    WideSymbol wide(symbol);
    ProDimension dimension{};
    ProError visit = PRO_TK_NO_ERROR;
    return ardotk::DimensionBySymbol(static_cast<ProSolid>(handle), wide.wide, dimension, visit);
}

// A dimension the host regenerated in the negative direction is stored positive; the
// user sees it negated.
double Solid::DimGet(const char* symbol) {
    requireHandle("Ardo::Solid::DimGet");
    ProDimension dimension = dimensionFind(symbol);
    double value = ardotk::DimensionValueGet(dimension);
    if (value < 0.0) {
        return value;
    }
    return ardotk::DimensionIsRegenednegative(dimension) ? -value : value;
}

// No handle test: an unbound model fails in its type query. The host's answer to the
// show request is not examined.
void Solid::DimShow(const char* symbol) {
    ProDimension dimension = dimensionFind(symbol);
    status = ProDimensionShow(&dimension, nullptr, nullptr, nullptr);
}

// The host's answer is not examined: a dimension it does not know has the empty name.
const char* Solid::DimName(int id) {
    ProDimension dimension{};
    dimension.type = PRO_DIMENSION;
    dimension.id = id;
    dimension.owner = handle;
    ProName symbol = {};
    status = ProDimensionSymbolGet(&dimension, symbol);
    symbol[PRO_NAME_SIZE - 1] = L'\0';
    return modeltexts::keepDimName(text::toNarrow(symbol));
}

DimDisplayMode Solid::DimDisplaymodeGet() {
    requireHandle("Ardo::Solid::DisplaymodeGet");
    ProDisplayMode mode = PRODISPMODE_NUMERIC;
    check(ProDisplaymodeGet(&mode), "Ardo::Solid::DisplaymodeGet");
    return static_cast<DimDisplayMode>(mode);
}

void Solid::DimDisplaymodeSet(DimDisplayMode mode) {
    requireHandle("Ardo::Solid::DisplaymodeSet");
    check(ProDisplaymodeSet(static_cast<ProDisplayMode>(mode)), "Ardo::Solid::DisplaymodeSet");
}

}  // namespace Ardo
