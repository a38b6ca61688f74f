// Components placed by coordinate systems, by matrix and by default: where they end up,
// as the composed placements of the coordinate systems say, and how the transforms
// between a component and its root read them.
#include <algorithm>
#include <stdexcept>
#include <vector>

#include "assembly/assembly_fixture.h"
#include "kelt2proe/simhost/control.h"

namespace asmtest {
namespace {

using Ardo::kelt2pCompPath;
using Ardo::Matrix;

class PlacementTest : public AssemblyTest {
protected:
    void SetUp() override {
        AssemblyTest::SetUp();
        buildToolParts();
        spindlePath = assembly.Add(spindle, "CS0", "MOUNT");
        holderPath = assembly.Add(holder, "BASE", spindlePath, "TOOL");
        cutterPath = assembly.Add(cutter, "SHANK", holderPath, "TIP");
    }

    // Where each component must be: its coordinate system on its target's.
    Matrix spindlePlacement() const { return mount; }
    Matrix holderPlacement() const { return spindlePlacement() * tool * base.Inverse(); }
    Matrix cutterPlacement() const { return holderPlacement() * tip * shank.Inverse(); }

    kelt2pCompPath spindlePath;
    kelt2pCompPath holderPath;
    kelt2pCompPath cutterPath;
};

TEST_F(PlacementTest, ChainOfCoordinateSystemsComposes) {
    for (kelt2pCompPath* path : {&spindlePath, &holderPath, &cutterPath}) {
        EXPECT_EQ(path->Depth(), 1);
        EXPECT_TRUE(path->RootGet().IsAsm());
    }
    EXPECT_TRUE(sameMatrix(spindlePlacement(), spindlePath.TransGetStd()));
    EXPECT_TRUE(sameMatrix(holderPlacement(), holderPath.TransGetStd()));
    EXPECT_TRUE(sameMatrix(cutterPlacement(), cutterPath.TransGetStd()));
    EXPECT_STREQ(cutterPath.MdlGet().NameGet(), "CUTTER");
}

TEST_F(PlacementTest, TransformsBetweenNamedSystems) {
    // Coincident systems: nothing between them.
    EXPECT_TRUE(spindlePath.TransGet("MOUNT", "CS0").IsIdent());
    EXPECT_TRUE(
        sameMatrix(spindlePath.TransGet("CS0", "TOOL"), holderPath.TransGet("CS0", "BASE")));
    // The cutter's shank in the mount's frame.
    Matrix expected = mount.Inverse() * cutterPlacement() * shank;
    EXPECT_TRUE(sameMatrix(expected, cutterPath.TransGet("MOUNT", "SHANK")));

    // The frame form: m * T * m^-1, the identity frame giving T itself.
    Matrix identity;
    EXPECT_TRUE(sameMatrix(cutterPath.TransGet("MOUNT", "SHANK"),
                           cutterPath.TransGet(identity, "MOUNT", "SHANK")));
    Matrix frame = offset(3, -4, 7, 10, 20, 30);
    Matrix before = frame;
    EXPECT_TRUE(sameMatrix(frame * expected * frame.Inverse(),
                           cutterPath.TransGet(frame, "MOUNT", "SHANK")));
    EXPECT_TRUE(frame == before);
}

TEST_F(PlacementTest, PointOfComponentRelativeToRootSystem) {
    cutter.PntCreate("SHANK", "EDGE", 0, 1, 2, 3);
    cutter.PntList("EDGE");
    Ardo::kelt2pPointData edge = cutter.PntListAt(0);
    Ardo::Point inCutter = shank * Ardo::Point(1, 2, 3);
    Ardo::Point inRoot = cutterPlacement() * inCutter;
    Ardo::Vector expected = Ardo::Vector(inRoot.x, inRoot.y, inRoot.z) - mount.TransGet();
    EXPECT_TRUE(sameVector(expected, cutterPath.TransGet("MOUNT", edge)));
    Matrix turn = offset(50, 60, 70, 0, 0, 90);
    EXPECT_TRUE(sameVector(turn * expected, cutterPath.TransGet("MOUNT", edge, turn)));
}

TEST_F(PlacementTest, MovingASystemByItsDimensionMovesWhatIsPlacedOnIt) {
    Ardo::kelt2pMdl moved = model("MOVED", Ardo::KELT2P_MDL_ASSEMBLY);
    // All six dimensions named: SEAT_X is the translation along x.
    moved.CsysCreateOffSet("SEAT", "CS0", Ardo::KELT2P_DIM_NAMES | 63, 10, 0, 0, 0, 0, 0);
    kelt2pCompPath first = moved.Add(spindle, "CS0", "SEAT");
    kelt2pCompPath onFirst = moved.Add(holder, "BASE", first, "TOOL");
    moved.DimSet("SEAT_X", 25.0);
    moved.Regenerate();
    Matrix seat = offset(25, 0, 0, 0, 0, 0);
    EXPECT_TRUE(sameMatrix(seat, first.TransGetStd()));
    EXPECT_TRUE(sameMatrix(seat * tool * base.Inverse(), onFirst.TransGetStd()));
}

TEST_F(PlacementTest, MatrixAndDefaultPlacement) {
    Matrix identity;
    kelt2pCompPath byIdentity = assembly.Add(holder, identity);
    EXPECT_TRUE(sameMatrix(identity, byIdentity.TransGetStd()));
    Matrix turned = offset(1, 2, 3, 0, 90, 0);
    kelt2pCompPath byMatrix = assembly.Add(holder, turned);
    EXPECT_TRUE(sameMatrix(turned, byMatrix.TransGetStd()));
    EXPECT_TRUE(sameMatrix(turned * tip, byMatrix.TransGet("CS0", "TIP")));
    kelt2pCompPath byDefault = assembly.Add(cutter);
    EXPECT_EQ(byDefault.Depth(), 1);
    EXPECT_TRUE(sameMatrix(identity, byDefault.TransGetStd()));
    EXPECT_STREQ(byDefault.MdlGet().NameGet(), "CUTTER");
}

TEST_F(PlacementTest, RefusalsBeforeAnythingIsCreated) {
    Matrix identity;
    simhost::clearJournal();
    EXPECT_THROW_CODE(spindle.Add(holder, "BASE", "TOOL"), Ardo::Error, PRO_TK_BAD_CONTEXT,
                      "Ardo::Solid::Add");
    EXPECT_THROW_CODE(spindle.Add(holder), ardotk::Error, PRO_TK_BAD_CONTEXT, "ardotk::Assemble");
    EXPECT_THROW_CODE(spindle.Add(holder, identity), ardotk::Error, PRO_TK_BAD_CONTEXT,
                      "ardotk::Assemble");
    EXPECT_EQ(testkit::callCount("ProFeatureCreate"), 0);
    EXPECT_EQ(testkit::callCount("ProAsmcompAssemble"), 0);
    EXPECT_THROW_CODE(assembly.Add(holder, "NONE", "MOUNT"), Ardo::Error, PRO_TK_E_NOT_FOUND,
                      "Ardo::Solid::CsysFindByName");
    EXPECT_EQ(testkit::callCount("ProFeatureCreate"), 0);
}

TEST_F(PlacementTest, AddMultiplePlacesOneCopyPerMatchingSystem) {
    Ardo::kelt2pMdl plate = model("PLATE", Ardo::KELT2P_MDL_PART);
    plate.CsysCreateOffSet("HOLE1", "CS0", 0, 10, 0, 0, 0, 0, 0);
    plate.CsysCreateOffSet("HOLE2", "CS0", 0, 20, 0, 0, 0, 0, 0);
    plate.CsysCreateOffSet("HOLE3", "CS0", 0, 30, 0, 0, 0, 0, 0);
    kelt2pCompPath platePath = assembly.Add(plate, "CS0", "CS0");
    int before = assembly.ComponetList(".*");

    kelt2pCompPath last = assembly.AddMultiple(cutter, "SHANK", platePath, "HOLE.");
    EXPECT_EQ(assembly.ComponetList(".*"), before + 3);
    EXPECT_TRUE(sameMatrix(offset(30, 0, 0, 0, 0, 0) * shank.Inverse(), last.TransGetStd()));
    EXPECT_TRUE(assembly.ComponetListAt(before + 2) == last);

    simhost::clearJournal();
    EXPECT_THROW_CODE(assembly.AddMultiple(cutter, "SHANK", platePath, "SLOT."), Ardo::Error,
                      PRO_TK_E_NOT_FOUND, "Ardo::Solid::AddMultiple");
    EXPECT_EQ(testkit::callCount("ProFeatureCreate"), 0);
    Ardo::kelt2pMdl unbound;
    EXPECT_THROW_CODE(unbound.AddMultiple(cutter, "SHANK", platePath, "HOLE."), Ardo::Error,
                      PRO_TK_EMPTY, "Ardo::Solid::AddMultiple");
}

TEST_F(PlacementTest, ComponentPlacedOnASystem) {
    kelt2pCompPath found = assembly.CsysComponent("TOOL", spindlePath);
    EXPECT_TRUE(found == holderPath);
    EXPECT_TRUE(assembly.CsysComponent("TIP", holderPath) == cutterPath);
    EXPECT_TRUE(assembly.CsysHasComponent("TOOL", spindlePath));
    // Two systems match: no answer, and no exception.
    EXPECT_FALSE(assembly.CsysHasComponent("BASE|TIP", holderPath));
    EXPECT_THROW_CODE(assembly.CsysComponent("BASE|TIP", holderPath), Ardo::Error, -1,
                      "KOS nicht oder mehrere KOS gefunden");
    EXPECT_THROW_CODE(assembly.CsysComponent("CS0", holderPath), Ardo::Error, -1,
                      "no component found");
}

TEST_F(PlacementTest, OffsetSystemOfTheAssemblyFromAComponentsSystem) {
    assembly.CsysCreateOffSet("ABOVE", "TIP", holderPath, 0, 0, 0, 15, 0, 0, 0);
    Matrix expected = holderPlacement() * tip * offset(0, 0, 15, 0, 0, 0);
    EXPECT_TRUE(sameMatrix(expected, assembly.CsysGetTransform("ABOVE")));
    EXPECT_THROW_CODE(holder.CsysCreateOffSet("X", "TIP", holderPath, 0, 0, 0, 0, 0, 0, 0),
                      Ardo::Error, PRO_TK_BAD_CONTEXT, "Ardo::Solid::CsysCreateOffSet");

    // The cutter placed on TIP and the new system reference TIP from outside the holder.
    ASSERT_EQ(assembly.CsysExtRefs("TIP", holderPath), 2);
    std::vector<int> ids;
    for (int i = 0; i < 2; ++i) {
        Ardo::kelt2pExtRef reference = assembly.CsysExtRefs(i);
        ids.push_back(reference.id);
        EXPECT_STREQ(reference.path.RootGet().NameGet(), "TOOLASM");
        EXPECT_EQ(reference.path.Depth(), 0);
    }
    std::sort(ids.begin(), ids.end());
    EXPECT_EQ(ids, (std::vector<int>{cutterPath.IdGetAt(0), assembly.FeatureFind("ABOVE")}));
    EXPECT_EQ(assembly.CsysExtRefs("BASE", holderPath), 0);
    EXPECT_THROW(assembly.CsysExtRefs(0), std::out_of_range);
    EXPECT_EQ(assembly.CsysExtRefs("SHANK", cutterPath), 0);
    EXPECT_THROW_CODE(holder.CsysExtRefs("TIP", holderPath), Ardo::Error, -1, "no assembly");
}

}  // namespace
}  // namespace asmtest
