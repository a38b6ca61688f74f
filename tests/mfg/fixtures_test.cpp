// Fixtures: the process-wide component list, creating a fixture, reading its components
// and adding to it.
#include <ProMdl.h>
#include <ProMfg.h>

#include <kelt2proe/simhost/control.h>

#include <string>
#include <vector>

#include "mfg/mfg_fixture.h"
#include "toolkit/elem_value.h"
#include "toolkit/elemtree.h"
#include "toolkit/feature.h"

using Ardo::kelt2pCompPath;
using mfgtest::Job;
using mfgtest::MfgTest;

namespace {

constexpr int kOperationId = 20;
constexpr int kFixtureId = 40;
constexpr int kVise = 30;
constexpr int kClamp = 31;
constexpr int kStop = 32;

// The job with three components and fixture FIX1 holding the vise.
Job fixtureJob() {
    Job job;
    job.features = R"({"list": [
        {"id": 1, "type": 979, "name": "MACH_ZERO", "items": [{"id": 2, "type": 25}]},
        {"id": 40, "type": 1002, "name": "FIX1", "tree": {"id": 386, "children": [
            {"id": 387, "int": 1002}, {"id": 3304, "int": 0}, {"id": 151, "wstring": "FIX1"},
            {"id": 333, "double": 0.5}, {"id": 332, "values": [{"int": 30}]}]}}]})";
    job.components = R"([{"id": 30, "model": "VISE"}, {"id": 31, "model": "CLAMP"},
                         {"id": 32, "model": "STOP"}])";
    return job;
}

class FixtureTest : public MfgTest {
protected:
    // The job with its component models.
    void loadFixtureJob() {
        for (const char* part : {"vise.prt", "clamp.prt", "stop.prt"}) {
            writeFile(part, R"({"format": 1, "type": "PRT"})");
        }
        loadJob(fixtureJob());
    }
};

// A path from no root through `ids`.
kelt2pCompPath pathOf(std::initializer_list<int> ids) {
    kelt2pCompPath path;
    for (int id : ids) {
        path.Add(id);
    }
    return path;
}

// The ids of every path of the fixture component list, path by path.
std::vector<std::vector<int>> listedIds(Ardo::kelt2pMfg& mfg) {
    std::vector<std::vector<int>> paths;
    for (int i = 0; i < mfg.FixtureCompsListSize(); ++i) {
        kelt2pCompPath path = mfg.FixtureCompsList(i);
        paths.emplace_back();
        for (int level = 0; level < path.Depth(); ++level) {
            paths.back().push_back(path.IdGetAt(level));
        }
    }
    return paths;
}

void listPaths(Ardo::kelt2pMfg& mfg, std::initializer_list<kelt2pCompPath> paths) {
    mfg.FixtureCompsListClear();
    for (kelt2pCompPath path : paths) {
        mfg.FixtureCompAdd(path);
    }
}

// The fixture's tree as the host keeps it, read with the toolkit.
class HostTree {
public:
    explicit HostTree(int featureId) {
        ProName name = L"JOB";
        ProMdl job = nullptr;
        EXPECT_EQ(ProMdlInit(name, PRO_MDL_MFG, &job), PRO_TK_NO_ERROR);
        ProSolid solid = nullptr;
        EXPECT_EQ(ProMfgSolidGet(static_cast<ProMfg>(job), &solid), PRO_TK_NO_ERROR);
        ProFeature feature = ardotk::FeatureInit(solid, featureId);
        tree_ = ardotk::FeatureElemtreeCreate(feature);
    }

    // The ids of the root's elements, in order.
    std::vector<int> ids() const {
        std::vector<int> found;
        ProElemtreeElementVisit(
            tree_.get(), nullptr, nullptr,
            [](ProElement, ProElement element, ProElempath, ProAppData data) {
                ProElemId id = 0;
                ProElementIdGet(element, &id);
                static_cast<std::vector<int>*>(data)->push_back(id);
                return PRO_TK_NO_ERROR;
            },
            &found);
        // The visit starts at the root.
        if (!found.empty()) {
            found.erase(found.begin());
        }
        return found;
    }
    int integer(int id) const { return ardotk::ElemtreeInt(tree_.get(), {id}); }
    std::wstring text(int id) const { return ardotk::ElemtreeWstring(tree_.get(), {id}); }
    double real(int id) const {
        return ardotk::ValueDouble(ardotk::ElementValueData(ardotk::ElementGet(tree_.get(), {id})));
    }
    std::vector<int> components() const {
        return ardotk::ElementInts(ardotk::ElementGet(tree_.get(), {PRO_E_FIXT_COMPONENTS}));
    }

private:
    ardotk::ElemTree tree_;
};

// The journal's calls of `functions`, in order, by name.
std::vector<std::string> callsOf(std::initializer_list<const char*> functions) {
    std::vector<std::string> calls;
    for (const std::string& entry : simhost::journal()) {
        std::string function = entry.substr(0, entry.find(' '));
        for (const char* wanted : functions) {
            if (function == wanted) {
                calls.push_back(function);
            }
        }
    }
    return calls;
}

}  // namespace

// The list belongs to no object: what one manufacturing object adds, another reads and
// clears. Entries are copies of the paths given.
TEST_F(FixtureTest, FixtureListIsSharedAndHoldsCopies) {
    Ardo::kelt2pMfg first;
    Ardo::kelt2pMfg second;
    first.FixtureCompsListClear();
    kelt2pCompPath path = pathOf({kVise});
    EXPECT_EQ(first.FixtureCompAdd(path), 1);
    path.Add(7);
    EXPECT_EQ(second.FixtureCompAdd(path), 2);
    EXPECT_EQ(second.FixtureCompsListSize(), 2);
    EXPECT_EQ(listedIds(first), (std::vector<std::vector<int>>{{kVise}, {kVise, 7}}));
    EXPECT_SUBSCRIPT_ERROR(first.FixtureCompsList(2));
    EXPECT_SUBSCRIPT_ERROR(first.FixtureCompsList(-1));
    second.FixtureCompsListClear();
    EXPECT_EQ(first.FixtureCompsListSize(), 0);
    EXPECT_SUBSCRIPT_ERROR(first.FixtureCompsList(0));
}

// The tree the host keeps holds every element in order; the host gets the top-level
// component of a deeper path; the new fixture is active and the list stays.
TEST_F(FixtureTest, FixtureCreateBuildsTheTreeAndActivates) {
    loadFixtureJob();
    listPaths(mfg, {pathOf({kClamp}), pathOf({kStop, 5})});
    simhost::clearJournal();
    int id = mfg.FixtureCreate("CLAMPING", kOperationId, 2.5);
    EXPECT_EQ(
        callsOf({"ProMfgAssemGet", "ProMdlIdGet", "ProModelitemInit", "ProSelectionAlloc",
                 "ProFeatureCreate", "ProElementFree", "ProSelectionFree", "ProMfgFixtActivate"}),
        (std::vector<std::string>{"ProMfgAssemGet", "ProMdlIdGet", "ProModelitemInit",
                                  "ProSelectionAlloc", "ProFeatureCreate", "ProElementFree",
                                  "ProSelectionFree", "ProMfgFixtActivate"}));
    EXPECT_EQ(simhost::activeFixture("JOB"), id);

    {
        HostTree tree(id);
        EXPECT_EQ(tree.ids(), (std::vector<int>{387, 3304, 151, 333, 208, 332}));
        EXPECT_EQ(tree.integer(387), PRO_FEAT_FIXTURE);
        EXPECT_EQ(tree.integer(3304), 0);
        EXPECT_EQ(tree.text(151), L"CLAMPING");
        EXPECT_DOUBLE_EQ(tree.real(333), 2.5);
        EXPECT_EQ(tree.integer(208), kOperationId);
        EXPECT_EQ(tree.components(), (std::vector<int>{kClamp, kStop}));
    }

    EXPECT_EQ(listedIds(mfg), (std::vector<std::vector<int>>{{kClamp}, {kStop, 5}}));
    EXPECT_EQ(simhost::liveObjects(), liveBaseline);
}

// Without name, operation or components the tree has none of their elements, and reading
// the fixture gives no components.
TEST_F(FixtureTest, FixtureCreateLeavesOutWhatIsNotGiven) {
    loadFixtureJob();
    mfg.FixtureCompsListClear();
    int id = mfg.FixtureCreate("", 0, 0.0);
    EXPECT_EQ(HostTree(id).ids(), (std::vector<int>{387, 3304, 333}));
    listPaths(mfg, {pathOf({kVise})});
    EXPECT_EQ(mfg.FixtureCompList(id), 0);
    EXPECT_EQ(mfg.FixtureCompsListSize(), 0);
    EXPECT_EQ(simhost::liveObjects(), liveBaseline);
}

// A name fills the host's name buffer at 31 characters; a longer one is refused before
// any host call rather than cut.
TEST_F(FixtureTest, FixtureCreateRefusesNamesTooLongForTheHost) {
    loadFixtureJob();
    mfg.FixtureCompsListClear();
    const std::string longest(31, 'F');
    int id = mfg.FixtureCreate(longest.c_str(), 0, 1.0);
    EXPECT_EQ(HostTree(id).text(151), std::wstring(31, L'F'));
    simhost::clearJournal();
    const std::string tooLong(32, 'F');
    EXPECT_THROW_CODE(mfg.FixtureCreate(tooLong.c_str(), 0, 1.0), Ardo::Error, -2,
                      "Ardo::Mfg::FixtureCreate");
    EXPECT_TRUE(simhost::journal().empty());
}

TEST_F(FixtureTest, FixtureOperationsNeedABoundModel) {
    Ardo::kelt2pMfg unbound;
    EXPECT_THROW_CODE(unbound.FixtureCreate("F", 0, 1.0), Ardo::Error, -45,
                      "Ardo::Mfg::FixtureCreate");
    EXPECT_THROW_CODE(unbound.FixtureCompList(kFixtureId), Ardo::Error, -45, "Ardo::Mdl::IsInit");
    EXPECT_THROW_CODE(unbound.FixtureAdd(kFixtureId), Ardo::Error, -45, "Ardo::Mdl::IsInit");
}

// Reading replaces the list with one-level paths from the manufacturing solid; the id
// of another feature is refused and the list stays.
TEST_F(FixtureTest, FixtureCompListReadsOneLevelPaths) {
    loadFixtureJob();
    listPaths(mfg, {pathOf({kClamp}), pathOf({kStop})});
    EXPECT_EQ(mfg.FixtureCompList(kFixtureId), 1);
    kelt2pCompPath read = mfg.FixtureCompsList(0);
    EXPECT_EQ(read.Depth(), 1);
    EXPECT_EQ(read.IdGetAt(0), kVise);
    EXPECT_STREQ(read.RootGet().NameGet(), mfg.GetMdl().NameGet());

    EXPECT_THROW_CODE(mfg.FixtureCompList(kOperationId), ardotk::Error, 0, "wrong feature type");
    EXPECT_THROW_CODE(mfg.FixtureAdd(kOperationId), ardotk::Error, 0, "wrong feature type");
    EXPECT_EQ(listedIds(mfg), (std::vector<std::vector<int>>{{kVise}}));
}

// The fixture gets the top-level components of the listed paths after those it held;
// the list then starts with the listed paths as given. The redefinition runs between
// two suspending macros, which the host runs afterwards.
TEST_F(FixtureTest, FixtureAddAppendsTopLevelComponents) {
    loadFixtureJob();
    listPaths(mfg, {pathOf({kClamp, 5}), pathOf({kStop})});
    simhost::clearJournal();
    simhost::clearMacrosRun();
    EXPECT_EQ(mfg.FixtureAdd(kFixtureId), 3);
    EXPECT_EQ(callsOf({"ProMacroLoad", "ProFeatureRedefine", "ProMacroExecute"}),
              (std::vector<std::string>{"ProMacroLoad", "ProFeatureRedefine", "ProMacroLoad",
                                        "ProMacroExecute"}));
    std::vector<simhost::MacroCommand> run = simhost::macrosRun();
    ASSERT_EQ(run.size(), 2u);
    EXPECT_EQ(run[0].command, "#SUSPEND ALL");
    EXPECT_EQ(run[1].command, "#SUSPEND ALL");

    EXPECT_EQ(listedIds(mfg), (std::vector<std::vector<int>>{{kClamp, 5}, {kStop}, {kVise}}));
    EXPECT_EQ(HostTree(kFixtureId).components(), (std::vector<int>{kVise, kClamp, kStop}));
    EXPECT_EQ(mfg.FixtureCompList(kFixtureId), 3);
    EXPECT_EQ(listedIds(mfg), (std::vector<std::vector<int>>{{kVise}, {kClamp}, {kStop}}));
    EXPECT_EQ(simhost::liveObjects(), liveBaseline);
}

// A refused creation or redefinition leaves the fixture and the list as they were.
TEST_F(FixtureTest, RefusedFixtureChangesKeepTheList) {
    loadFixtureJob();
    listPaths(mfg, {pathOf({kClamp})});
    EXPECT_FAULT("ProFeatureCreate", -2, mfg.FixtureCreate("NEW", 0, 1.0), ardotk::Error, "");
    EXPECT_FAULT("ProFeatureRedefine", -2, mfg.FixtureAdd(kFixtureId), ardotk::Error, "");
    EXPECT_FAULT("ProMacroExecute", -1, mfg.FixtureAdd(kFixtureId), ardotk::Error, "");
    EXPECT_EQ(listedIds(mfg), (std::vector<std::vector<int>>{{kClamp}}));
    EXPECT_EQ(simhost::activeFixture("JOB"), 0);
    EXPECT_EQ(simhost::liveObjects(), liveBaseline);
}
