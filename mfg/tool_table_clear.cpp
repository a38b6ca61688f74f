// Removing every tool table of a workcell.
#include <ProElement.h>
#include <ProFeature.h>

#include "feature/elemtree_dump.h"
#include "kelt2proe/error.h"
#include "mfg/tool_table.h"
#include "toolkit/check.h"
#include "toolkit/elemtree.h"

namespace Ardo::tooltable {

namespace {

constexpr const char* kText = "Ardo::Wcell::DeleteToolTable";

// Takes the tables element at `path` out of the tree and frees it. The result is not
// examined: a tree without tables has nothing to remove.
void removeTables(ProElement tree, ProElempath path) {
    ardotk::ElemTree removed;
    ProElemtreeElementRemove(tree, path, removed.out());
    removed.release();
}

// Adds an empty tables element to the root. The result is not examined: the
// redefinition tells whether the host takes the tree.
void addEmptyTables(ProElement tree) {
    try {
        ardotk::ElementAdd(tree, ardotk::ElementAlloc(kElemTables));
    } catch (const ardotk::Error&) {
        // A refused element is freed by its owner.
    }
}

}  // namespace

// The tree is dumped to "elemtree.inf" before, during and after the change for
// diagnosis. A redefinition the host refuses is raised: the tables would otherwise stay
// while the call reports success.
void clear(ProFeature& wcell) {
    ardotk::ElemTree tree;
    check(ProFeatureElemtreeCreate(&wcell, tree.out()), kText);
    ardotk::ElempathOwner path = ardotk::ElempathOfIds({kElemTables});
    ElemtreeDump(tree.get());
    removeTables(tree.get(), path.get());
    ElemtreeDump(tree.get());
    addEmptyTables(tree.get());
    ElemtreeDump(tree.get());
    ProFeatureCreateOptions options[] = {static_cast<ProFeatureCreateOptions>(0)};
    ProErrorlist errors{};
    check(ProFeatureRedefine(nullptr, &wcell, tree.get(), options, 1, &errors), kText);
}

}  // namespace Ardo::tooltable
