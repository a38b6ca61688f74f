// Coordinate systems of a model: lookup by pattern and by exact name, the process-wide
// list, creation with the placements a host computes, dimension naming, renaming,
// highlighting and the refusals before any host call.
#include <ProToolkit.h>

#include <string>
#include <vector>

#include "feature/csys_fixture.h"
#include "kelt2proe/simhost/control.h"

namespace csystest {
namespace {

using Ardo::kelt2pMdl;
using Ardo::Matrix;
using Strings = std::vector<std::string>;

constexpr int kNames = Ardo::KELT2P_DIM_NAMES;
constexpr int kAllLetters = 63;

TEST_F(CsysTest, ListingTakesWholeNamesInFeatureOrder) {
    EXPECT_EQ(listed(".*"), (Strings{"CS0", "CS01", "CSX1"}));
    EXPECT_EQ(listed("CS0"), (Strings{"CS0"}));
    EXPECT_EQ(listed("CS.1"), (Strings{"CS01", "CSX1"}));
    EXPECT_EQ(listed("cs0"), Strings{});
    EXPECT_SUBSCRIPT_ERROR(part.CsysListAt(0));

    listed(".*");
    EXPECT_SUBSCRIPT_ERROR(part.CsysListAt(3));
    EXPECT_SUBSCRIPT_ERROR(part.CsysListAt(-1));
    // A refused pattern keeps the last list.
    EXPECT_PATTERN_ERROR(part.CsysList("(CS"));
    EXPECT_STREQ(part.CsysListAt(2), "CSX1");
}

TEST_F(CsysTest, ListIsSharedByAllModels) {
    kelt2pMdl other;
    other.Create("other", Ardo::KELT2P_MDL_PART);
    other.CsysCreate("OWN");
    EXPECT_EQ(part.CsysList(".*"), 3);
    EXPECT_EQ(other.CsysList(".*"), 1);
    EXPECT_STREQ(part.CsysListAt(0), "OWN");
}

TEST_F(CsysTest, UnboundModelIsRefusedBeforeAnyHostCall) {
    kelt2pMdl unbound;
    Matrix m;
    simhost::clearJournal();
    EXPECT_THROW_CODE(unbound.CsysList(".*"), Ardo::Error, -45, "Ardo::Solid::CsysFindByRegEx");
    EXPECT_THROW_CODE(unbound.CsysCreate("A"), Ardo::Error, -45, "Ardo::Solid::CsysCreate");
    EXPECT_THROW_CODE(unbound.CsysCreateOffSet("A", "CS0", 0, 1, 2, 3, 4, 5, 6), Ardo::Error, -45,
                      "Ardo::Solid::CsysCreateOffSet");
    EXPECT_THROW_CODE(unbound.CsysCreateOffSet("A", "CS0", m, 0), Ardo::Error, -45,
                      "Ardo::Solid::CsysCreateOffSet");
    EXPECT_THROW_CODE(unbound.CsysGetTransform("CS0"), Ardo::Error, -45,
                      "Ardo::Solid::CsysGetTransform");
    EXPECT_THROW_CODE(unbound.CsysHighlight("CS0", Ardo::KELT2P_COLOR_HIGHLITE), Ardo::Error, -45,
                      "Ardo::Solid::CsysFindByName");
    EXPECT_THROW_CODE(unbound.PntCreate("CS0", "P", 0, 1, 2, 3), Ardo::Error, -45,
                      "Ardo::Solid::PntCreate");
    EXPECT_THROW_CODE(unbound.CsysRename("CS0", "B"), Ardo::Error, -45,
                      "Ardo::kelt2pMdl::CsysRename");
    EXPECT_TRUE(simhost::journal().empty());
}

TEST_F(CsysTest, DefaultSystemIsTheIdentityAndItsNameIsTakenOnce) {
    kelt2pMdl blank;
    blank.Create("blank", Ardo::KELT2P_MDL_PART);
    blank.CsysCreate("DEF");
    EXPECT_TRUE(sameMatrix(Matrix(), blank.CsysGetTransform("DEF")));
    EXPECT_STREQ(blank.FeatureName(blank.FeatureFind("DEF")), "DEF");

    EXPECT_THROW_CODE(blank.CsysCreate("DEF"), ardotk::Error, PRO_TK_E_IN_USE, "");
    EXPECT_EQ(blank.CsysList(".*"), 1);
    EXPECT_THROW_CODE(blank.CsysGetTransform("NONE"), Ardo::Error, PRO_TK_E_NOT_FOUND,
                      "CsysGetTransform CSYS nicht gefunden");
}

TEST_F(CsysTest, TransformsFromTheFileHaveTheAxesAsColumns) {
    Matrix cs01 = part.CsysGetTransform("CS01");
    EXPECT_TRUE(sameMatrix(offset(10, 20, 30, 0, 0, 90), cs01));
    EXPECT_DOUBLE_EQ(cs01.TransGetX(), 10.0);
    EXPECT_TRUE(sameMatrix(offset(-5, 0, 2, 30, -40, 70), part.CsysGetTransform("CSX1")));
}

TEST_F(CsysTest, OffsetSystemsComposeWithTheirReference) {
    part.CsysCreateOffSet("OFS", "CS01", 0, 1, 2, 3, 10, 20, 30);
    Matrix first = part.CsysGetTransform("CS01") * offset(1, 2, 3, 10, 20, 30);
    EXPECT_TRUE(sameMatrix(first, part.CsysGetTransform("OFS")));

    part.CsysCreateOffSet("OFS2", "OFS", 0, -4, 5, 0.5, -15, 25, -35);
    EXPECT_TRUE(
        sameMatrix(first * offset(-4, 5, 0.5, -15, 25, -35), part.CsysGetTransform("OFS2")));
    EXPECT_EQ(listed(".*"), (Strings{"CS0", "CS01", "CSX1", "OFS", "OFS2"}));
}

TEST_F(CsysTest, MatrixOverloadRoundTripsGeneralRotations) {
    Matrix general = offset(3, -2, 7, 33, -51, 122);
    part.CsysCreateOffSet("RT", "CSX1", general, 0);
    EXPECT_TRUE(sameMatrix(part.CsysGetTransform("CSX1") * general, part.CsysGetTransform("RT")));

    // A quarter turn about Z passes c = 90 and a = b = 0, as the named dimensions show.
    Matrix quarter = offset(1, 0, 0, 0, 0, 90);
    part.CsysCreateOffSet("RZ", "CS0", quarter, kNames | kAllLetters);
    EXPECT_NEAR(part.DimGet("RZ_C"), 90.0, kTol);
    EXPECT_NEAR(part.DimGet("RZ_A"), 0.0, kTol);
    EXPECT_NEAR(part.DimGet("RZ_B"), 0.0, kTol);
    EXPECT_NEAR(part.DimGet("RZ_X"), 1.0, kTol);
    EXPECT_TRUE(sameMatrix(quarter, part.CsysGetTransform("RZ")));
}

TEST_F(CsysTest, FlagsNameDimensionsInTheHostsOrder) {
    simhost::clearJournal();
    part.CsysCreateOffSet("NAME", "CS0", kNames | Ardo::KELT2P_DIM_A | Ardo::KELT2P_DIM_X, 1, 2, 3,
                          4, 5, 6);
    // The first set letter takes dimension 0 (a), the second dimension 1 (b).
    EXPECT_DOUBLE_EQ(part.DimGet("NAME_A"), 4.0);
    EXPECT_DOUBLE_EQ(part.DimGet("NAME_X"), 5.0);
    EXPECT_EQ(part.DimList("NAME_.*"), 2);
    EXPECT_EQ(testkit::callCount("ProDimensionSymbolSet"), 2);

    simhost::clearJournal();
    part.CsysCreateOffSet("PLAIN", "CS0", Ardo::KELT2P_DIM_A | Ardo::KELT2P_DIM_X, 1, 2, 3, 4, 5,
                          6);
    EXPECT_EQ(part.DimList("PLAIN_.*"), 0);
    EXPECT_EQ(testkit::callCount("ProFeatureDimensionVisit"), 0);
    EXPECT_EQ(testkit::callCount("ProDimensionSymbolSet"), 0);
}

TEST_F(CsysTest, EmptyNameLeavesTheHostsDefaultName) {
    simhost::clearJournal();
    part.CsysCreateOffSet("", "CS0", kNames | Ardo::KELT2P_DIM_A | Ardo::KELT2P_DIM_X, 1, 2, 3, 4,
                          5, 6);
    EXPECT_EQ(testkit::callCount("ProElementWstringSet"), 0);
    EXPECT_TRUE(part.DimExist("_A"));
    EXPECT_TRUE(part.DimExist("_X"));
    // Listed with the default name the host gave it.
    Strings names = listed(".*");
    ASSERT_EQ(names.size(), 4u);
    EXPECT_FALSE(names[3].empty());
    EXPECT_EQ(part.CsysList(names[3].c_str()), 1);
}

TEST_F(CsysTest, SymbolsOverTheHostsWidthAreRefusedBeforeCreating) {
    const std::string longest(29, 'L');  // "_X" makes 31 characters
    const std::string tooLong(30, 'T');
    simhost::clearJournal();
    EXPECT_THROW_CODE(part.CsysCreateOffSet(tooLong.c_str(), "CS0", kNames | Ardo::KELT2P_DIM_Z, 0,
                                            0, 1, 0, 0, 0),
                      Ardo::Error, PRO_TK_LINE_TOO_LONG, "Ardo::kelt2pMdl::CsysCreateOffSet");
    EXPECT_THROW_CODE(part.PntCreate("CS0", tooLong.c_str(), kNames | Ardo::KELT2P_DIM_X, 1, 2, 3),
                      Ardo::Error, PRO_TK_LINE_TOO_LONG, "Ardo::kelt2pMdl::PntCreate");
    EXPECT_TRUE(simhost::journal().empty());

    // Without symbols, or at the width, the name is taken.
    part.CsysCreateOffSet(tooLong.c_str(), "CS0", Ardo::KELT2P_DIM_Z, 0, 0, 1, 0, 0, 0);
    part.CsysCreateOffSet(longest.c_str(), "CS0", kNames | Ardo::KELT2P_DIM_Z, 0, 0, 1, 0, 0, 0);
    EXPECT_TRUE(part.DimExist((longest + "_Z").c_str()));
    EXPECT_EQ(part.CsysList(".*"), 5);
}

TEST_F(CsysTest, NoMatchRaisesNotFoundAndCreatesNothing) {
    Matrix m;
    const char* text = "Ardo::Solid::CsysFindByName";
    EXPECT_THROW_CODE(part.CsysCreateOffSet("A", "CS", 0, 1, 2, 3, 0, 0, 0), Ardo::Error,
                      PRO_TK_E_NOT_FOUND, text);
    EXPECT_THROW_CODE(part.CsysCreateOffSet("A", "CS9", m, 0), Ardo::Error, PRO_TK_E_NOT_FOUND,
                      text);
    EXPECT_THROW_CODE(part.PntCreate("NONE", "P", 0, 1, 2, 3), Ardo::Error, PRO_TK_E_NOT_FOUND,
                      text);
    EXPECT_THROW_CODE(part.CsysHighlight("NONE", Ardo::KELT2P_COLOR_HIGHLITE), Ardo::Error,
                      PRO_TK_E_NOT_FOUND, text);
    EXPECT_THROW_CODE(part.CsysUnHighlight("NONE"), Ardo::Error, PRO_TK_E_NOT_FOUND, text);
    EXPECT_EQ(testkit::callCount("ProFeatureCreate"), 0);
    EXPECT_EQ(testkit::callCount("ProSelectionAlloc"), 0);
}

TEST_F(CsysTest, HighlightShowsTheFirstMatch) {
    part.CsysHighlight("CS.*", Ardo::KELT2P_COLOR_HIGHLITE);
    part.CsysHighlight("CSX1", Ardo::KELT2P_COLOR_NONE);
    std::vector<simhost::ItemHighlight> shown = simhost::highlights();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].model, "PLATE.PRT");
    EXPECT_EQ(shown[0].type, 25);
    EXPECT_EQ(shown[0].id, 11);
    EXPECT_EQ(shown[0].color, 1);
    EXPECT_EQ(shown[1].id, 13);
    EXPECT_EQ(shown[1].color, -1);

    part.CsysUnHighlight("CS0");
    shown = simhost::highlights();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].id, 13);
    EXPECT_EQ(simhost::liveObjects(), 0);
}

TEST_F(CsysTest, RenameTakesTheExactNameAndRenamesTheFeature) {
    part.CsysRename("CS01", "HOLDER");
    EXPECT_EQ(listed(".*"), (Strings{"CS0", "HOLDER", "CSX1"}));
    EXPECT_STREQ(part.FeatureName(2), "HOLDER");
    EXPECT_THROW_CODE(part.CsysRename("CS.1", "X"), Ardo::Error, PRO_TK_E_NOT_FOUND,
                      "Ardo::kelt2pMdl::CsysRename");
    EXPECT_EQ(listed("X"), Strings{});
}

TEST_F(CsysTest, TransformAndNamedDimensionsSurviveSaveAndLoad) {
    part.CsysCreateOffSet("KEPT", "CSX1", kNames | kAllLetters, 1, 2, 3, 40, -50, 60);
    Matrix before = part.CsysGetTransform("KEPT");
    part.Save();

    simhost::reset();
    launchAndConnect();
    kelt2pMdl loaded;
    loaded.Load("plate.prt", Ardo::KELT2P_MDL_PART, false);
    EXPECT_TRUE(sameMatrix(before, loaded.CsysGetTransform("KEPT")));
    EXPECT_DOUBLE_EQ(loaded.DimGet("KEPT_B"), -50.0);
    EXPECT_DOUBLE_EQ(loaded.DimGet("KEPT_Z"), 3.0);
}

}  // namespace
}  // namespace csystest
