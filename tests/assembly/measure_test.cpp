// Measurements on assemblies: clearance between the parts below two components, the
// distance of geometry items, the outline in a frame, and the variant features of a
// flexible component.
#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

#include "assembly/assembly_fixture.h"
#include "kelt2proe/simhost/control.h"

namespace asmtest {
namespace {

using Ardo::kelt2pCompPath;
using Ardo::kelt2pMdl;
using Ardo::Matrix;

// Adds `component` placed by `placement`.
kelt2pCompPath addAt(kelt2pMdl& top, kelt2pMdl& component, Matrix placement) {
    return top.Add(component, placement);
}

#define REQUIRE_KERNEL(part)                                                       \
    if (!kernelAvailable(part)) {                                                  \
        GTEST_SKIP() << "this build of the simulated host has no geometry kernel"; \
    }

TEST_F(AssemblyTest, ClearanceOfBoxesAKnownGapApart) {
    kelt2pMdl cube = boxPart("CUBE", 10, 10, 10);
    REQUIRE_KERNEL(cube);
    kelt2pMdl top = model("TOP", Ardo::KELT2P_MDL_ASSEMBLY);
    Matrix here;
    kelt2pCompPath first = top.Add(cube, here);
    kelt2pCompPath apart = addAt(top, cube, offset(13, 0, 0, 0, 0, 0));
    kelt2pCompPath overlapping = addAt(top, cube, offset(0, 5, 5, 0, 0, 0));
    EXPECT_NEAR(top.Distance(first, apart, true), 3.0, 1e-7);
    EXPECT_NEAR(top.Distance(apart, first, false), 3.0, 1e-7);
    EXPECT_EQ(top.Distance(first, overlapping, true), -1.0);
    EXPECT_NEAR(top.Distance(first, overlapping, false), 0.0, 1e-9);

    // A sub-assembly stands for the parts below it: the nearest counts.
    kelt2pMdl pair = model("PAIR", Ardo::KELT2P_MDL_ASSEMBLY);
    addAt(pair, cube, offset(40, 0, 0, 0, 0, 0));
    addAt(pair, cube, offset(20, 0, 0, 0, 0, 0));
    kelt2pCompPath pairPath = top.Add(pair, here);
    EXPECT_NEAR(top.Distance(first, pairPath, false), 10.0, 1e-7);
}

TEST_F(AssemblyTest, DistanceNeedsOneAssemblyAsRoot) {
    kelt2pMdl cube = model("CUBE", Ardo::KELT2P_MDL_PART);
    kelt2pMdl top = model("TOP", Ardo::KELT2P_MDL_ASSEMBLY);
    kelt2pMdl other = model("OTHER", Ardo::KELT2P_MDL_ASSEMBLY);
    kelt2pCompPath inTop = top.Add(cube);
    kelt2pCompPath inOther = other.Add(cube);
    EXPECT_THROW_CODE(top.Distance(inTop, inOther, false), Ardo::Error, PRO_TK_BAD_CONTEXT,
                      "Ardo::Solid::Distance");
    EXPECT_THROW_CODE(cube.Distance(inTop, inTop, false), Ardo::Error, PRO_TK_BAD_CONTEXT,
                      "Ardo::Solid::Distance");
    kelt2pMdl unbound;
    EXPECT_THROW_CODE(unbound.Distance(inTop, inTop, false), Ardo::Error, PRO_TK_EMPTY,
                      "Ardo::Solid::Distance");
}

TEST_F(AssemblyTest, OutlineOfARotatedPartInARotatedFrame) {
    kelt2pMdl brick = boxPart("BRICK", 10, 20, 30);
    REQUIRE_KERNEL(brick);
    kelt2pMdl top = model("TOP", Ardo::KELT2P_MDL_ASSEMBLY);
    Matrix placement = offset(100, 0, 0, 0, 0, 90);
    top.Add(brick, placement);
    Matrix frame = offset(0, 10, 0, 90, 0, 0);

    // The brick's corners in the frame, their smallest and largest coordinates.
    Matrix toFrame = frame.Inverse() * placement;
    double lo[3] = {1e30, 1e30, 1e30};
    double hi[3] = {-1e30, -1e30, -1e30};
    for (int corner = 0; corner < 8; ++corner) {
        Ardo::Point p =
            toFrame * Ardo::Point(corner & 1 ? 10 : 0, corner & 2 ? 20 : 0, corner & 4 ? 30 : 0);
        double xyz[3] = {p.x, p.y, p.z};
        for (int k = 0; k < 3; ++k) {
            lo[k] = std::min(lo[k], xyz[k]);
            hi[k] = std::max(hi[k], xyz[k]);
        }
    }
    Ardo::kelt2pBox box = top.OutlineCompute(frame);
    EXPECT_TRUE(sameVector(Ardo::Vector(lo), Ardo::Vector(box.first.x, box.first.y, box.first.z)));
    EXPECT_TRUE(
        sameVector(Ardo::Vector(hi), Ardo::Vector(box.second.x, box.second.y, box.second.z)));
}

TEST_F(AssemblyTest, DistanceOfDatumPointsOfTwoComponents) {
    kelt2pMdl marker = model("MARKER", Ardo::KELT2P_MDL_PART);
    marker.PntCreate("CS0", "TIP", 0, 0, 0, 5);
    marker.PntList("TIP");
    int tip = marker.PntListAt(0).id;
    int tipFeature = marker.FeatureFind("TIP");
    kelt2pMdl top = model("TOP", Ardo::KELT2P_MDL_ASSEMBLY);
    Matrix here;
    kelt2pCompPath left = top.Add(marker, here);
    kelt2pCompPath right = addAt(top, marker, offset(3, 4, 0, 0, 0, 0));
    // By the point's id and by the feature that makes the point.
    EXPECT_NEAR(top.DistanceEval(tip, left, tip, right), 5.0, 1e-9);
    EXPECT_NEAR(top.DistanceEval(tipFeature, left, tip, right), 5.0, 1e-9);
    // A feature that makes no point, axis or surface.
    int csysFeature = marker.FeatureFind("CS0");
    EXPECT_THROW_CODE(top.DistanceEval(csysFeature, left, tip, right), Ardo::Error,
                      PRO_TK_E_NOT_FOUND, "Ardo::Solid::DistanceEval");
}

TEST_F(AssemblyTest, VariantFeaturesOfAFlexibleComponent) {
    kelt2pMdl spring = model("SPRING", Ardo::KELT2P_MDL_PART);
    spring.CsysCreateOffSet("END", "CS0", Ardo::KELT2P_DIM_NAMES | Ardo::KELT2P_DIM_Z, 0, 0, 40, 0,
                            0, 0);
    spring.ParamSet("COILS", 8);
    spring.ParamSet("WIRE", 1.5);
    spring.DimList("END_Z");
    int length = spring.DimListAt(0);
    kelt2pMdl top = model("TOP", Ardo::KELT2P_MDL_ASSEMBLY);
    kelt2pCompPath flexible = top.Add(spring);
    ASSERT_TRUE(simhost::setVaried("TOP", flexible.IdGetAt(0), {length}, {"COILS", "WIRE"}));

    EXPECT_EQ(spring.ParamsVariantfeat(flexible, ".*"), 2);
    EXPECT_EQ(spring.ParamsVariantfeat(flexible, "W.*"), 1);
    EXPECT_STREQ(spring.ParamListAt(0).name, "WIRE");
    EXPECT_EQ(spring.DimsVariantfeat(flexible, "END_.*"), 1);
    EXPECT_EQ(spring.DimListAt(0), length);
    // This host gives a dimension no item name: such an item is taken whatever the pattern.
    EXPECT_EQ(spring.DimsVariantfeat(flexible, "OTHER"), 1);
    EXPECT_PATTERN_ERROR(spring.DimsVariantfeat(flexible, "(END"));
    EXPECT_THROW(spring.DimListAt(0), std::out_of_range);

    try {
        top.ParamsVariantfeat(flexible, ".*");
        ADD_FAILURE() << "no exception for another model";
    } catch (const char* text) {
        EXPECT_STREQ(text, "not the same model");
    }
    kelt2pMdl unbound;
    EXPECT_THROW_CODE(unbound.DimsVariantfeat(flexible, ".*"), Ardo::Error, PRO_TK_EMPTY,
                      "Ardo::Solid::DimsVariantfeat");
}

}  // namespace
}  // namespace asmtest
