#include "toolkit/csys.h"

#include <ProCsys.h>
#include <ProGeomitem.h>
#include <ProModelitem.h>
#include <ProSolid.h>

#include <cwchar>

#include "kelt2proe/error.h"
#include "toolkit/check.h"
#include "toolkit/elemtree.h"
#include "toolkit/feature.h"
#include "toolkit/item_name.h"
#include "toolkit/listing.h"
#include "toolkit/name_filter.h"
#include "toolkit/visit_guard.h"

namespace ardotk {

namespace {

constexpr const char* kSearchText = "ardotk::CsysSearch";

// Element ids and values of the coordinate-system feature trees.
constexpr ProElemId kFeatureTree = 386;
constexpr ProElemId kFeatureType = 387;
constexpr ProElemId kFeatureName = 1964;
constexpr ProElemId kOriginConstrs = 2134;
constexpr ProElemId kOriginConstr = 2135;
constexpr ProElemId kOriginConstrRef = 2136;
constexpr ProElemId kOffsetType = 2147;
constexpr ProElemId kOrientMoves = 2137;
constexpr ProElemId kOrientMove = 2138;
constexpr ProElemId kMoveType = 2140;
constexpr ProElemId kMoveValue = 2141;
constexpr ProElemId kOrientByMethod = 3050;
constexpr int kCsysFeature = 979;

// Move types: translations along X, Y, Z are 0..2, rotations about them 3..5.
enum MoveType { kMoveX = 0, kMoveY = 1, kMoveZ = 2, kRotateX = 3, kRotateY = 4, kRotateZ = 5 };

struct Search {
    ProSolid solid;
    const NameFilter& filter;
    std::vector<ProGeomitem>& found;
    VisitGuard guard;
};

ProError visitCsys(ProCsys csys, ProError, ProAppData data) {
    auto& search = *static_cast<Search*>(data);
    return search.guard.run([&] {
        ProGeomitem item{};
        check(ProCsysToGeomitem(search.solid, csys, &item), kSearchText);
        ProName name = {};
        ItemNameGet(item, name, kSearchText);
        if (search.filter.matches(name)) {
            search.found.push_back(item);
        }
        return PRO_TK_NO_ERROR;
    });
}

ElemTree featureRoot() {
    ElemTree root = ElementAlloc(kFeatureTree);
    ElementAdd(root.get(), ElementInteger(kFeatureType, kCsysFeature));
    return root;
}

ElemTree orientMove(MoveType type, double value) {
    ElemTree move = ElementAlloc(kOrientMove);
    ElementAdd(move.get(), ElementInteger(kMoveType, type));
    ElementAdd(move.get(), ElementDouble(kMoveValue, value));
    return move;
}

}  // namespace

void CsysSearch(ProSolid solid, const char* pattern, std::vector<ProGeomitem>& found) {
    refillListing(found, [&] {
        guardedListing([&] {
            NameFilter filter(pattern);
            Search search{solid, filter, found, {}};
            ProError err = ProSolidCsysVisit(solid, visitCsys, nullptr, &search);
            search.guard.rethrow();
            // A model without coordinate systems is an empty result, not a failure.
            if (err != PRO_TK_E_NOT_FOUND) {
                check(err, kSearchText);
            }
        });
    });
}

ProFeature CsysCreate(ProSolid solid, const wchar_t* name) {
    ProModelitem existing{};
    ProName wide = {};
    std::wcsncpy(wide, name, PRO_NAME_SIZE - 1);
    if (ProModelitemByNameInit(solid, PRO_CSYS, wide, &existing) == PRO_TK_NO_ERROR) {
        throw Error(PRO_TK_E_IN_USE, "");
    }
    ElemTree tree = featureRoot();
    ProFeature feature = FeatureCreate(solid, tree.get());
    check(ProModelitemNameSet(&feature, wide));
    return feature;
}

ProFeature CsysCreateOffset(ProSolid solid, ProSelection reference, const CsysOffsets& offsets,
                            const wchar_t* name) {
    ElemTree tree = featureRoot();
    if (name[0] != L'\0') {
        ElementAdd(tree.get(), ElementWstring(kFeatureName, name));
    }
    ProElement constrs = ElementAdd(tree.get(), ElementAlloc(kOriginConstrs));
    ProElement constr = ElementAdd(constrs, ElementAlloc(kOriginConstr));
    ElementAdd(constr, ElementSelection(kOriginConstrRef, reference));
    ElementAdd(tree.get(), ElementInteger(kOffsetType, 0));
    ProElement moves = ElementAdd(tree.get(), ElementAlloc(kOrientMoves));
    ElementAdd(moves, orientMove(kRotateX, offsets.a));
    ElementAdd(moves, orientMove(kRotateY, offsets.b));
    ElementAdd(moves, orientMove(kRotateZ, offsets.c));
    ElementAdd(moves, orientMove(kMoveX, offsets.x));
    ElementAdd(moves, orientMove(kMoveY, offsets.y));
    ElementAdd(moves, orientMove(kMoveZ, offsets.z));
    ElementAdd(tree.get(), ElementInteger(kOrientByMethod, 1));
    return FeatureCreate(solid, tree.get());
}

}  // namespace ardotk
