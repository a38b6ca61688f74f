// Creating a fixture of the listed components in the manufacturing model's assembly.
#include <ProMdl.h>
#include <ProModelitem.h>

#include <cstddef>

#include "base/length_check.h"
#include "base/text.h"
#include "feature/comp_path.h"
#include "mfg/fixture.h"
#include "mfg/mfg.h"
#include "mfg/mfg_lists.h"
#include "toolkit/elemtree.h"
#include "toolkit/feature.h"
#include "toolkit/selection.h"

namespace Ardo {

namespace fixture {

std::vector<int> topLevelIds(const std::vector<CompPath>& paths) {
    std::vector<int> ids;
    ids.reserve(paths.size());
    for (const CompPath& path : paths) {
        ids.push_back(path.Host().comp_id_table[0]);
    }
    return ids;
}

}  // namespace fixture

namespace {

constexpr const char* kCreateText = "Ardo::Mfg::FixtureCreate";

// The fixture's tree: type, setup type, the name unless empty, the setup time, the
// operation unless none (id 0 or less), the components unless none.
ardotk::ElemTree fixtureTree(const wchar_t* name, int operationId, double value,
                             const std::vector<int>& componentIds) {
    using namespace ardotk;
    ElemTree tree = ElementAlloc(fixture::kElemRoot);
    ElementAdd(tree.get(), ElementInteger(fixture::kElemFeatureType, PRO_FEAT_FIXTURE));
    ElementAdd(tree.get(), ElementInteger(fixture::kElemSetupType, 0));
    if (name[0] != L'\0') {
        ElementAdd(tree.get(), ElementWstring(fixture::kElemName, name));
    }
    ElementAdd(tree.get(), ElementDouble(fixture::kElemSetupTime, value));
    if (operationId > 0) {
        ElementAdd(tree.get(), ElementInteger(fixture::kElemOperation, operationId));
    }
    if (!componentIds.empty()) {
        ElementAdd(tree.get(), ElementIntegers(fixture::kElemComponents, componentIds));
    }
    return tree;
}

}  // namespace

// A name longer than the host's name buffer is refused before any host call rather
// than cut: the fixture would otherwise carry a name other than the one asked for.
int Mfg::FixtureCreate(const char* name, int operationId, double value) {
    requireHandle(kCreateText);
    refuseLongerThan(name, text::kNameSize - 1, PRO_TK_BAD_INPUTS, kCreateText);
    ProName wideName;
    text::toWide(wideName, name);
    std::vector<int> componentIds = fixture::topLevelIds(mfglists::fixtureComponents());

    ProAssembly assembly = nullptr;
    check(ProMfgAssemGet(mfgHandle(), &assembly), kCreateText);
    int assemblyId = 0;
    check(ProMdlIdGet(assembly, &assemblyId), kCreateText);
    ProModelitem assemblyItem{};
    check(ProModelitemInit(assembly, assemblyId, PRO_ASSEMBLY, &assemblyItem), kCreateText);

    ardotk::ElemTree tree = fixtureTree(wideName, operationId, value, componentIds);
    ardotk::SelectionOwner selection = ardotk::SelectionAlloc(nullptr, assemblyItem);
    ProFeature created = ardotk::FeatureCreate(selection.get(), tree.get());
    // Released in this order once the host has the fixture; their results tell nothing
    // about it.
    (void)tree.release();
    (void)selection.release();
    (void)ProMfgFixtActivate(mfgHandle(), &created);
    return created.id;
}

}  // namespace Ardo
