// Datum points offset from coordinate systems: model coordinates, listing with and
// without reading names, the accessor's refusals, and points following their
// coordinate system when its dimensions change.
#include <ProToolkit.h>

#include <string>
#include <vector>

#include "feature/csys_fixture.h"
#include "kelt2proe/simhost/control.h"

namespace csystest {
namespace {

using Ardo::Matrix;
using Ardo::Vector;
using Strings = std::vector<std::string>;

constexpr int kNames = Ardo::KELT2P_DIM_NAMES;

Vector placed(const Matrix& csys, double x, double y, double z) {
    Ardo::Point p = csys * Ardo::Point(x, y, z);
    return Vector(p.x, p.y, p.z);
}

TEST_F(CsysTest, PointOffsetFromARotatedSystemHasModelCoordinates) {
    part.PntCreate("CSX1", "P1", 0, 4, -3, 2);
    ASSERT_EQ(points(".*"), Strings{"P1"});
    Ardo::kelt2pPointData p1 = part.PntListAt(0);
    Matrix csx1 = part.CsysGetTransform("CSX1");
    EXPECT_TRUE(sameVector(placed(csx1, 4, -3, 2), part.TransGet(p1)));

    // Relative to the origin, mapped by the matrix's rotation only: the inverse rotation
    // gives the offsets back, the identity the difference in model axes.
    Matrix back = csx1;
    ~back;
    EXPECT_TRUE(sameVector(Vector(4, -3, 2), part.TransGet("CSX1", p1, back)));
    Matrix identity;
    EXPECT_TRUE(
        sameVector(part.TransGet(p1) - csx1.TransGet(), part.TransGet("CSX1", p1, identity)));
}

TEST_F(CsysTest, PointListingReadsNamesOnlyForAPattern) {
    part.PntCreate("CS0", "P1", 0, 1, 0, 0);
    part.PntCreate("CS01", "P2", 0, 0, 1, 0);
    part.PntCreate("CS0", "Q1", 0, 0, 0, 1);

    simhost::clearJournal();
    EXPECT_EQ(part.PntList(".*"), 3);
    EXPECT_EQ(testkit::callCount("ProModelitemNameGet"), 0);
    EXPECT_EQ(testkit::callCount("ProPointToGeomitem"), 0);

    simhost::clearJournal();
    EXPECT_EQ(points("P."), (Strings{"P1", "P2"}));
    // Three names in the filter, two more by the accessor.
    EXPECT_EQ(testkit::callCount("ProModelitemNameGet"), 5);
    EXPECT_SUBSCRIPT_ERROR(part.PntListAt(2));
    EXPECT_EQ(points("P"), Strings{});
}

TEST_F(CsysTest, PointAccessorOnAnEmptyListRaisesGeneralError) {
    EXPECT_EQ(part.PntList(".*"), 0);
    EXPECT_THROW_CODE(part.PntListAt(0), Ardo::Error, PRO_TK_GENERAL_ERROR,
                      "Ardo::kelt2pMdl::PntListAt");
    EXPECT_PATTERN_ERROR(part.PntList("[P"));
}

TEST_F(CsysTest, RegenerationMovesSystemsAndTheirPoints) {
    part.CsysCreateOffSet("MOVED", "CS01", kNames | 63, 1, 2, 3, 0, 0, 90);
    part.PntCreate("MOVED", "TIP", kNames | Ardo::KELT2P_DIM_X | Ardo::KELT2P_DIM_Z, 5, 0, 7);
    Matrix cs01 = part.CsysGetTransform("CS01");
    ASSERT_EQ(part.PntList("TIP"), 1);
    Ardo::kelt2pPointData tip = part.PntListAt(0);
    EXPECT_TRUE(sameVector(placed(cs01 * offset(1, 2, 3, 0, 0, 90), 5, 0, 7), part.TransGet(tip)));
    EXPECT_DOUBLE_EQ(part.DimGet("TIP_Z"), 0.0);  // Z took the second dimension (y)

    part.DimSet("MOVED_X", 11);
    part.DimSet("MOVED_C", 45);
    part.DimSet("TIP_X", 6);
    part.Regenerate();

    Matrix moved = cs01 * offset(11, 2, 3, 0, 0, 45);
    EXPECT_TRUE(sameMatrix(moved, part.CsysGetTransform("MOVED")));
    EXPECT_TRUE(sameVector(placed(moved, 6, 0, 7), part.TransGet(tip)));
}

}  // namespace
}  // namespace csystest
