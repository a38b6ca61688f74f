// The tip gauge: placed against a coordinate system of the assembly and a datum point of
// a component, it brings TIP_REF, on which "TIP" is made with its six named dimensions;
// TIP follows the point when the component's model changes.
#include <filesystem>
#include <string>

#include "assembly/assembly_fixture.h"
#include "kelt2proe/simhost/control.h"

namespace asmtest {
namespace {

using Ardo::kelt2pCompPath;
using Ardo::Matrix;

class UdfTipTest : public AssemblyTest {
protected:
    void SetUp() override {
        AssemblyTest::SetUp();
        std::filesystem::copy_file(KELT2PROE_SOURCE_DIR "/tests/data/tip_gauge.gph",
                                   workDir / "tip_gauge.gph");
        buildToolParts();
        holder.PntCreate(
            "CS0", "PNT_TIP",
            Ardo::KELT2P_DIM_NAMES | Ardo::KELT2P_DIM_X | Ardo::KELT2P_DIM_Y | Ardo::KELT2P_DIM_Z,
            1, 2, 3);
        spindlePath = assembly.Add(spindle, "CS0", "MOUNT");
        holderPath = assembly.Add(holder, "BASE", spindlePath, "TOOL");
    }
    // Where TIP must be: MOUNT's axes, the origin at the holder's point.
    Matrix tipAt(double x, double y, double z) const {
        Matrix point = mount * tool * base.Inverse() * offset(x, y, z, 0, 0, 0);
        Matrix want = mount;
        want.TransAdd(point.TransGetX(), point.TransGetY(), point.TransGetZ());
        return want;
    }
    kelt2pCompPath spindlePath;
    kelt2pCompPath holderPath;
};

TEST_F(UdfTipTest, TipSitsAtThePointOrientedAsTheCsysWithItsSixSymbols) {
    assembly.UdfAddTip("MOUNT", holderPath, "PNT_TIP", true);
    EXPECT_TRUE(sameMatrix(tipAt(1, 2, 3), assembly.CsysGetTransform("TIP")));
    EXPECT_TRUE(sameMatrix(tipAt(1, 2, 3), assembly.CsysGetTransform("TIP_REF")));
    for (const char* symbol : {"TIP_A", "TIP_B", "TIP_C", "TIP_X", "TIP_Y", "TIP_Z"}) {
        EXPECT_TRUE(assembly.DimExist(symbol)) << symbol;
        EXPECT_EQ(assembly.DimGet(symbol), 0.0) << symbol;
    }
    // Ungrouped: no group feature stays.
    EXPECT_EQ(assembly.FeatureList(".*", static_cast<Ardo::kelt2pFeaturetype>(1017)), 0);

    // The point moves in the holder; the assembly's regeneration carries TIP along.
    holder.DimSet("PNT_TIP_X", 4.0);
    assembly.Regenerate();
    EXPECT_TRUE(sameMatrix(tipAt(4, 2, 3), assembly.CsysGetTransform("TIP")));
    EXPECT_EQ(simhost::liveObjects(), 0);
}

TEST_F(UdfTipTest, RefusalsComeBeforeAnythingIsMade) {
    int before = assembly.FeatureList(".*", Ardo::KELT2P_FEAT_ANY);
    EXPECT_THROW_CODE(holder.UdfAddTip("CS0", holderPath, "PNT_TIP", false), Ardo::Error,
                      PRO_TK_GENERAL_ERROR, "no assembly");
    EXPECT_THROW_CODE(assembly.UdfAddTip("NO_CSYS", holderPath, "PNT_TIP", false), Ardo::Error,
                      PRO_TK_E_NOT_FOUND, "Ardo::kelt2pMdl::UdfAddTip");
    EXPECT_THROW_CODE(assembly.UdfAddTip("MOUNT", holderPath, "NO_POINT", false), Ardo::Error,
                      PRO_TK_E_NOT_FOUND, "Ardo::kelt2pMdl::UdfAddTip");
    EXPECT_EQ(assembly.FeatureList(".*", Ardo::KELT2P_FEAT_ANY), before);
    EXPECT_FALSE(testkit::journalHas("ProUdfdataAlloc"));
    EXPECT_EQ(simhost::liveObjects(), 0);
}

}  // namespace
}  // namespace asmtest
