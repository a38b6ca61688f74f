// Listing the components of an assembly at every level, redefining a placement, and the
// models an assembly depends on.
#include <stdexcept>
#include <string>
#include <vector>

#include "assembly/assembly_fixture.h"
#include "kelt2proe/simhost/control.h"

namespace asmtest {
namespace {

using Ardo::kelt2pCompPath;
using Ardo::kelt2pMdl;

class ListingTest : public AssemblyTest {
protected:
    // TOP: WHEEL, SUB (BOLT, NUT), AXLE; SUB is a sub-assembly.
    void SetUp() override {
        AssemblyTest::SetUp();
        top = model("TOP", Ardo::KELT2P_MDL_ASSEMBLY);
        sub = model("SUB", Ardo::KELT2P_MDL_ASSEMBLY);
        kelt2pMdl wheel = model("WHEEL", Ardo::KELT2P_MDL_PART);
        kelt2pMdl bolt = model("BOLT", Ardo::KELT2P_MDL_PART);
        kelt2pMdl nut = model("NUT", Ardo::KELT2P_MDL_PART);
        kelt2pMdl axle = model("AXLE", Ardo::KELT2P_MDL_PART);
        boltInSub = sub.Add(bolt, "CS0", "CS0");
        nutInSub = sub.Add(nut, "CS0", "CS0");
        wheelPath = top.Add(wheel, "CS0", "CS0");
        subPath = top.Add(sub, "CS0", "CS0");
        axlePath = top.Add(axle, "CS0", "CS0");
    }

    // Each listed entry as "NAME@depth".
    std::vector<std::string> listed(kelt2pMdl& m, const char* pattern) {
        std::vector<std::string> out;
        int n = m.ComponetList(pattern);
        for (int i = 0; i < n; ++i) {
            kelt2pCompPath path = m.ComponetListAt(i);
            out.push_back(std::string(path.MdlGet().NameGet()) + "@" +
                          std::to_string(path.Depth()));
        }
        return out;
    }

    kelt2pMdl top;
    kelt2pMdl sub;
    kelt2pCompPath boltInSub, nutInSub, wheelPath, subPath, axlePath;
};

using Names = std::vector<std::string>;

TEST_F(ListingTest, PreOrderThroughSubAssemblies) {
    EXPECT_EQ(listed(top, ".*"), (Names{"WHEEL@1", "SUB@1", "BOLT@2", "NUT@2", "AXLE@1"}));
    kelt2pCompPath nut = top.ComponetListAt(3);
    EXPECT_EQ(nut.IdGetAt(0), subPath.IdGetAt(0));
    EXPECT_EQ(nut.IdGetAt(1), nutInSub.IdGetAt(0));
    EXPECT_TRUE(top.ComponetListAt(4) == axlePath);
    // A sub-assembly whose name does not match is left out with all below it.
    EXPECT_EQ(listed(top, "WHEEL|BOLT|NUT|AXLE"), (Names{"WHEEL@1", "AXLE@1"}));
    EXPECT_EQ(listed(top, "SUB|N.*"), (Names{"SUB@1", "NUT@2"}));
    EXPECT_EQ(listed(top, "sub"), Names{});
}

TEST_F(ListingTest, ListBelongsToTheModelObject) {
    kelt2pMdl sameTop = top;
    EXPECT_EQ(top.ComponetList(".*"), 5);
    EXPECT_EQ(sameTop.ComponetList("AXLE"), 1);
    EXPECT_EQ(sub.ComponetList(".*"), 2);
    EXPECT_STREQ(top.ComponetListAt(4).MdlGet().NameGet(), "AXLE");
    EXPECT_STREQ(sameTop.ComponetListAt(0).MdlGet().NameGet(), "AXLE");
    EXPECT_THROW(top.ComponetListAt(5), std::out_of_range);
    EXPECT_THROW(top.ComponetListAt(-1), std::out_of_range);
}

TEST_F(ListingTest, RefusedListings) {
    kelt2pMdl unbound;
    EXPECT_THROW_CODE(unbound.ComponetList(".*"), Ardo::Error, PRO_TK_EMPTY,
                      "Ardo::Solid::ComponetList");
    kelt2pMdl part = model("PLAIN", Ardo::KELT2P_MDL_PART);
    EXPECT_THROW_CODE(part.ComponetList(".*"), Ardo::Error, PRO_TK_BAD_CONTEXT,
                      "Ardo::Solid::ComponetList");
    top.ComponetList(".*");
    EXPECT_PATTERN_ERROR(top.ComponetList("(SUB"));
    EXPECT_THROW(top.ComponetListAt(0), std::out_of_range);
}

TEST_F(ListingTest, RedefinitionOpensTheDialogForDirectComponentsOnly) {
    kelt2pCompPath deep = top.ComponetList(".*") > 2 ? top.ComponetListAt(2) : kelt2pCompPath();
    ASSERT_EQ(deep.Depth(), 2);
    simhost::clearJournal();
    EXPECT_FALSE(top.CompRedefine(deep, true));
    EXPECT_EQ(testkit::callCount("ProAsmcompConstrRedefUI"), 0);
    EXPECT_EQ(testkit::callCount("ProAsmcompConstrRemove"), 0);

    // Cancelled: false; confirmed by a matrix: true and the component moved there.
    simhost::queuePlacementCancel();
    EXPECT_FALSE(top.CompRedefine(wheelPath, false));
    Ardo::Matrix moved = offset(7, 8, 9, 0, 0, 90);
    double rows[4][4];
    moved.Get4X4ProE(rows);
    simhost::queuePlacementMatrix(rows);
    EXPECT_TRUE(top.CompRedefine(wheelPath, true));
    EXPECT_EQ(testkit::callCount("ProAsmcompConstrRemove"), 1);
    EXPECT_TRUE(sameMatrix(moved, wheelPath.TransGetStd()));
    EXPECT_FALSE(top.CsysHasComponent("CS0", wheelPath));

    kelt2pCompPath root(top);
    EXPECT_THROW_CODE(top.CompRedefine(root, false), Ardo::Error, PRO_TK_BAD_INPUTS,
                      "Ardo::CompPath::IdGetAt");
}

TEST_F(ListingTest, DependenciesOfAnAssembly) {
    EXPECT_EQ(top.DependenciesList(), 3);
    kelt2pMdl first = top.DependenciesListAt(0);
    EXPECT_TRUE(first.IsLoaded());
    EXPECT_STREQ(first.NameGet(), "WHEEL");
    EXPECT_EQ(top.DependenciesListAt(1).TypeGet(), Ardo::KELT2P_MDL_ASSEMBLY);
    // The list is shared: another model's listing replaces it.
    EXPECT_EQ(sub.DependenciesList(), 2);
    EXPECT_STREQ(kelt2pMdl().DependenciesListAt(1).NameGet(), "NUT");
    EXPECT_THROW(top.DependenciesListAt(2), std::out_of_range);
    kelt2pMdl unbound;
    EXPECT_THROW_CODE(unbound.DependenciesList(), Ardo::Error, PRO_TK_EMPTY,
                      "Ardo::Solid::DependenciesList");
}

}  // namespace
}  // namespace asmtest
