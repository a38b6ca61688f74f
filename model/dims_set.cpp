// Writing a dimension's value with the user's sign, with the host's sign display off
// while the value is written.
#include "kelt2proe/error.h"
#include "model/solid.h"
#include "toolkit/configopt.h"
#include "toolkit/dimension.h"

namespace Ardo {

namespace {

constexpr const wchar_t* kShowDimSign = L"show_dim_sign";

}  // namespace

// The option is restored after the value is written; a failure while writing leaves
// it "NO".
void Solid::DimSet(const char* symbol, double value) {
    requireHandle("Ardo::Solid::DimSet");
    ProDimension dimension = dimensionFind(symbol);
    const std::wstring saved = ardotk::ConfigoptGet(kShowDimSign);
    if (saved != L"NO") {
        ardotk::ConfigoptSet(kShowDimSign, L"NO");
    }
    if (ardotk::DimensionIsRegenednegative(dimension)) {
        value = -value;
    }
    ardotk::DimensionValueSet(dimension, value);
    ardotk::ConfigoptSet(kShowDimSign, saved);
}

}  // namespace Ardo
