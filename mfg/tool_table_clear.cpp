// Removing every tool table of a workcell.
#include <ProElement.h>
#include <ProFeature.h>

#include "kelt2proe/error.h"
#include "mfg/tool_table.h"
#include "toolkit/elemtree.h"
#include "toolkit/elemtree_dump.h"

namespace Ardo::tooltable {

namespace {
constexpr const char* kText = "Ardo::Wcell::DeleteToolTable";

void check(ProError err) {
    if (err != PRO_TK_NO_ERROR) {
        throw Error(err, kText);
    }
}
}  // namespace

// The tree is dumped to "elemtree.inf" before, during and after the change for
// diagnosis. A removal, addition or redefinition the host refuses is raised: the tables
// would otherwise stay while the call reports success.
void clear(ProFeature& wcell) {
    ardotk::ElemTree tree;
    check(ProFeatureElemtreeCreate(&wcell, tree.out()));
    ardotk::ElempathOwner path = ardotk::ElempathOfIds({kElemTables});
    ardotk::ElemtreeDump(tree.get());
    ardotk::ElemTree removed;
    check(ProElemtreeElementRemove(tree.get(), path.get(), removed.out()));
    check(removed.release());
    ardotk::ElemtreeDump(tree.get());
    ardotk::ElemTree empty;
    check(ProElementAlloc(kElemTables, empty.out()));
    check(ProElemtreeElementAdd(tree.get(), nullptr, empty.get()));
    empty.disown();
    ardotk::ElemtreeDump(tree.get());
    ProFeatureCreateOptions options[] = {static_cast<ProFeatureCreateOptions>(0)};
    ProErrorlist errors{};
    check(ProFeatureRedefine(nullptr, &wcell, tree.get(), options, 1, &errors));
}

}  // namespace Ardo::tooltable
