// Component paths as values: levels, equality, the full table, and what they read from
// the host about the component at their end.
#include "assembly/assembly_fixture.h"
#include "kelt2proe/simhost/control.h"

namespace asmtest {
namespace {

using Ardo::kelt2pCompPath;

TEST_F(AssemblyTest, PathLevelsAndEquality) {
    Ardo::kelt2pMdl top = model("TOP", Ardo::KELT2P_MDL_ASSEMBLY);
    Ardo::kelt2pMdl other = model("OTHER", Ardo::KELT2P_MDL_ASSEMBLY);
    kelt2pCompPath a(top);
    kelt2pCompPath b(top);
    b.Add(7);
    b.Add(9);
    b.Add(11);
    // Reset to the root: the old levels are no longer compared.
    kelt2pCompPath reset = b.RootSet(top);
    EXPECT_EQ(reset.Depth(), 0);
    a.Add(4);
    b.Add(4);
    EXPECT_TRUE(a == b);
    EXPECT_EQ(b.IdGetAt(0), 4);
    b.Add(5);
    EXPECT_FALSE(a == b);
    EXPECT_FALSE(kelt2pCompPath(top) == kelt2pCompPath(other));
    EXPECT_TRUE(kelt2pCompPath() == kelt2pCompPath());

    // Copies are deep.
    kelt2pCompPath copy(b);
    copy.Add(6);
    EXPECT_EQ(b.Depth(), 2);
    EXPECT_EQ(copy.Depth(), 3);
    kelt2pCompPath& alias = copy;
    copy = alias;
    EXPECT_EQ(copy.Depth(), 3);
    copy = a;
    EXPECT_TRUE(copy == a);

    EXPECT_THROW_CODE(b.IdGetAt(2), Ardo::Error, PRO_TK_BAD_INPUTS, "Ardo::CompPath::IdGetAt");
    EXPECT_THROW_CODE(b.IdGetAt(-1), Ardo::Error, PRO_TK_BAD_INPUTS, "Ardo::CompPath::IdGetAt");
}

TEST_F(AssemblyTest, FullPathRefusesAnotherLevel) {
    Ardo::kelt2pMdl top = model("TOP", Ardo::KELT2P_MDL_ASSEMBLY);
    kelt2pCompPath path(top);
    for (int level = 0; level < 25; ++level) {
        path.Add(100 + level);
    }
    EXPECT_THROW_CODE(path.Add(1), Ardo::Error, PRO_TK_BAD_INPUTS, "Ardo::CompPath::Add");
    EXPECT_EQ(path.Depth(), 25);
    EXPECT_EQ(path.IdGetAt(24), 124);
}

TEST_F(AssemblyTest, RootAndModelAtTheEnd) {
    Ardo::kelt2pMdl top = model("TOP", Ardo::KELT2P_MDL_ASSEMBLY);
    Ardo::kelt2pMdl part = model("WHEEL", Ardo::KELT2P_MDL_PART);
    kelt2pCompPath root(top);
    EXPECT_STREQ(root.MdlGet().NameGet(), "TOP");
    EXPECT_STREQ(root.RootGet().NameGet(), "TOP");
    // No component at depth 0: the status of a path that made no host call.
    EXPECT_THROW_CODE(root.TypeGet(), Ardo::Error, 0, "Ardo::CompPath::TypeGet");

    kelt2pCompPath wheel = top.Add(part);
    EXPECT_STREQ(wheel.MdlGet().NameGet(), "WHEEL");
    EXPECT_STREQ(wheel.RootGet().NameGet(), "TOP");
    EXPECT_EQ(wheel.TypeGet(), Ardo::KELT2P_ASM_COMP_TYPE_NONE);

    kelt2pCompPath wrong(top);
    wrong.Add(wheel.IdGetAt(0) + 1000);
    EXPECT_THROW_CODE(wrong.MdlGet(), Ardo::Error, PRO_TK_BAD_INPUTS, "Ardo::CompPath::MdlGet");
    EXPECT_THROW_CODE(wrong.TransGetStd(), Ardo::Error, PRO_TK_BAD_INPUTS,
                      "Ardo::CompPath::TransGet");
}

}  // namespace
}  // namespace asmtest
