// Properties of an operation feature.
#include "mfg/operation.h"

#include <ProGeomitem.h>
#include <ProSelection.h>

#include "base/text.h"
#include "kelt2proe/error.h"
#include "mfg/feature_text.h"
#include "mfg/wcell.h"
#include "toolkit/check.h"
#include "toolkit/elem_value.h"
#include "toolkit/elemtree.h"
#include "toolkit/feature.h"

namespace Ardo {

namespace {
constexpr int kElemName = 151;
constexpr int kElemWcell = 190;
constexpr int kElemOrigin = 191;
}  // namespace

void Operation::requireBound() const {
    if (owner == nullptr) {
        throw Error(PRO_TK_EMPTY, "Ardo::Mdl::IsInit");
    }
}

const char* Operation::Name() {
    requireBound();
    ardotk::ElemTree tree = ardotk::FeatureElemtreeCreate(feature);
    std::wstring name = ardotk::ElemtreeWstring(tree.get(), {kElemName});
    Ardo::check(tree.release(), "Ardo::Operation::Name");
    text::copyBounded(text, text::toNarrow(name.c_str()).c_str());
    return text;
}

const char* Operation::paramText(const char* name) {
    requireBound();
    text::copyBounded(text, featuretext::paramText(feature, name).c_str());
    return text;
}

const char* Operation::Material() {
    return paramText("STOCK_MATERIAL");
}

const char* Operation::NclFile() {
    return paramText("NCL_FILE");
}

const char* Operation::PartNo() {
    return paramText("PARTNO");
}

int Operation::Origin() {
    requireBound();
    ardotk::ValueOwner value = ardotk::FeatureElemValueGet(feature, kElemOrigin);
    ProValueData data = ardotk::ValueDataGet(value.get());
    if (data.type != PRO_VALUE_TYPE_SELECTION) {
        throw ardotk::Error(PRO_TK_INVALID_TYPE, "");
    }
    ProModelitem item{};
    Ardo::check(ProSelectionModelitemGet(data.v.r, &item), "Ardo::Operation::Origin");
    return ardotk::GeomitemFeatureGet(item).id;
}

int Operation::Comment() {
    requireBound();
    comments.clear();
    comments = featuretext::commentLines(feature, "Ardo::Operation::Comment");
    return static_cast<int>(comments.size());
}

const char* Operation::Comment(unsigned int n) {
    return featuretext::lineAt(comments, n, text, sizeof text);
}

// An operation without a readable workcell element raises the read's failure rather than
// handing out a workcell of no feature.
Wcell Operation::WcellGet() {
    requireBound();
    int wcellId = ardotk::FeatureElemInt(feature, kElemWcell);
    return Wcell(owner, ardotk::FeatureInit(static_cast<ProSolid>(feature.owner), wcellId));
}

}  // namespace Ardo
