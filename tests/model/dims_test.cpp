// Dimensions of a model by symbol: the sign the user sees, writing with the host's sign
// display off and restored, listing by pattern, names, display mode and failures.
#include <ProDimension.h>
#include <ProUtil.h>

#include <string>

#include "model/model_fixture.h"
#include "support/sample_models.h"

namespace {

using Ardo::kelt2pMdl;

constexpr const char* kBlock = testkit::kDimensionBlock;

std::wstring optionValue(const wchar_t* option) {
    ProName name = {};
    std::wcsncpy(name, option, PRO_NAME_SIZE - 1);
    ProLine value = {};
    EXPECT_EQ(ProConfigoptGet(name, value), PRO_TK_NO_ERROR);
    return value;
}

void optionSet(const wchar_t* option, const wchar_t* value) {
    ProName name = {};
    std::wcsncpy(name, option, PRO_NAME_SIZE - 1);
    ProPath path = {};
    std::wcsncpy(path, value, PRO_PATH_SIZE - 1);
    ASSERT_EQ(ProConfigoptSet(name, path), PRO_TK_NO_ERROR);
}

class DimsTest : public modeltest::ModelTest {
protected:
    void SetUp() override {
        ModelTest::SetUp();
        part = load("block.prt", Ardo::KELT2P_MDL_PART, kBlock);
        simhost::clearJournal();
    }

    // The value the host stores for dimension `id`.
    static double stored(int id) {
        ProDimension dim{PRO_DIMENSION, id, hostModel(L"BLOCK")};
        double value = 0.0;
        EXPECT_EQ(ProDimensionValueGet(&dim, &value), PRO_TK_NO_ERROR);
        return value;
    }

    kelt2pMdl part;
};

TEST_F(DimsTest, ValuesCarryTheSignTheUserSees) {
    EXPECT_DOUBLE_EQ(part.DimGet("d0"), 10.0);
    EXPECT_DOUBLE_EQ(part.DimGet("depth"), -7.5);
    // A value the host stores negative is returned as it is, whatever the flag.
    EXPECT_DOUBLE_EQ(part.DimGet("neg"), -3.0);

    part.DimSet("depth", -2.0);
    EXPECT_DOUBLE_EQ(stored(1), 2.0);
    EXPECT_DOUBLE_EQ(part.DimGet("depth"), -2.0);
    part.DimSet("d0", 11.0);
    EXPECT_DOUBLE_EQ(stored(0), 11.0);
}

TEST_F(DimsTest, SetRestoresTheSignOptionAsItFoundIt) {
    optionSet(L"show_dim_sign", L"yes");
    simhost::clearJournal();
    part.DimSet("d0", 4.0);
    EXPECT_TRUE(testkit::journalHas("ProConfigoptSet show_dim_sign NO"));
    EXPECT_EQ(optionValue(L"show_dim_sign"), L"YES");

    // Already "NO": not set to "NO" first, and "NO" afterwards.
    optionSet(L"show_dim_sign", L"NO");
    simhost::clearJournal();
    part.DimSet("d0", 5.0);
    EXPECT_EQ(testkit::callCount("ProConfigoptSet"), 1);
    EXPECT_EQ(optionValue(L"show_dim_sign"), L"NO");
}

TEST_F(DimsTest, FailureWhileWritingLeavesTheSignOptionOff) {
    for (const auto& [function, code] :
         {std::pair{"ProDimensionValueSet", -48}, std::pair{"ProDimensionIsRegenednegative", -1}}) {
        optionSet(L"show_dim_sign", L"yes");
        EXPECT_FAULT(function, code, part.DimSet("d0", 4.0), ardotk::Error, "");
        EXPECT_EQ(optionValue(L"show_dim_sign"), L"NO") << function;
        EXPECT_DOUBLE_EQ(stored(0), 10.0);
    }

    // The option is not touched when the dimension is not found.
    optionSet(L"show_dim_sign", L"yes");
    simhost::clearJournal();
    EXPECT_THROW_CODE(part.DimSet("none", 4.0), ardotk::Error, 0, "");
    EXPECT_EQ(testkit::callCount("ProConfigoptSet"), 0);
    simhost::injectFault("ProConfigoptSet", -2, 2);
    EXPECT_THROW_CODE(part.DimSet("d0", 4.0), ardotk::Error, -2, "");
}

TEST_F(DimsTest, SymbolsAreComparedWholeAndCaseSensitively) {
    EXPECT_TRUE(part.DimExist("depth"));
    EXPECT_FALSE(part.DimExist("DEPTH"));
    EXPECT_FALSE(part.DimExist("dept"));
    EXPECT_FALSE(part.DimExist("ref1"));
    // The host visited every dimension without a match: the visit's answer is 0.
    EXPECT_THROW_CODE(part.DimGet("nothere"), ardotk::Error, 0, "");
    EXPECT_FAULT("ProSolidDimensionVisit", -4, part.DimGet("d0"), ardotk::Error, "");
    EXPECT_FAULT("ProDimensionSymbolGet", -1, part.DimGet("d0"), ardotk::Error, "");
    EXPECT_FAULT("ProMdlTypeGet", -2, part.DimExist("d0"), ardotk::Error, "");
}

TEST_F(DimsTest, ListByPatternAndNamesById) {
    ASSERT_EQ(part.DimList(".*"), 3);
    ASSERT_EQ(part.DimList("d.*"), 2);
    EXPECT_EQ(part.DimListAt(0), 0);
    EXPECT_EQ(part.DimListAt(1), 1);
    EXPECT_STREQ(part.DimName(part.DimListAt(1)), "depth");
    EXPECT_SUBSCRIPT_ERROR(part.DimListAt(2));
    EXPECT_EQ(part.DimList("e.*"), 0);
    // A dimension the host does not know has no name.
    EXPECT_STREQ(part.DimName(42), "");
}

TEST_F(DimsTest, ListFailures) {
    ASSERT_EQ(part.DimList("d.*"), 2);
    EXPECT_PATTERN_ERROR(part.DimList("["));
    simhost::injectFault("ProDimensionSymbolGet", -1, 2);
    EXPECT_THROW_CODE(part.DimList("d.*"), ardotk::Error, -1, "");
    EXPECT_FAULT("ProSolidDimensionVisit", -2, part.DimList(".*"), ardotk::Error, "");
    // A failed listing keeps the previous list.
    EXPECT_EQ(part.DimListAt(1), 1);
}

TEST_F(DimsTest, ShowAndDisplayMode) {
    part.DimShow("depth");
    EXPECT_EQ(testkit::callCount("ProDimensionShow"), 1);
    simhost::injectFault("ProDimensionShow", -1);
    EXPECT_NO_THROW(part.DimShow("depth"));
    EXPECT_THROW_CODE(part.DimShow("nothere"), ardotk::Error, 0, "");

    part.DimDisplaymodeSet(Ardo::DIM_DISPLAY_SYMBOLIC);
    EXPECT_EQ(part.DimDisplaymodeGet(), Ardo::DIM_DISPLAY_SYMBOLIC);
    EXPECT_FAULT("ProDisplaymodeGet", -1, part.DimDisplaymodeGet(), Ardo::Error,
                 "Ardo::Solid::DisplaymodeGet");
    EXPECT_FAULT("ProDisplaymodeSet", -2, part.DimDisplaymodeSet(Ardo::DIM_DISPLAY_NUMERIC),
                 Ardo::Error, "Ardo::Solid::DisplaymodeSet");
}

TEST_F(DimsTest, UnboundModel) {
    kelt2pMdl unbound;
    EXPECT_THROW_CODE(unbound.DimExist("d0"), Ardo::Error, -45, "Ardo::Solid::DimExist");
    EXPECT_THROW_CODE(unbound.DimGet("d0"), Ardo::Error, -45, "Ardo::Solid::DimGet");
    EXPECT_THROW_CODE(unbound.DimSet("d0", 1.0), Ardo::Error, -45, "Ardo::Solid::DimSet");
    EXPECT_THROW_CODE(unbound.DimList(".*"), Ardo::Error, -45, "Ardo::Solid::DimList");
    EXPECT_THROW_CODE(unbound.DimDisplaymodeGet(), Ardo::Error, -45, "Ardo::Solid::DisplaymodeGet");
    EXPECT_TRUE(simhost::journal().empty());
    // Show has no handle test: the host refuses the type query of no model.
    ProMdlType type = PRO_MDL_UNUSED;
    const int refused = ProMdlTypeGet(nullptr, &type);
    ASSERT_NE(refused, PRO_TK_NO_ERROR);
    EXPECT_THROW_CODE(unbound.DimShow("d0"), ardotk::Error, refused, "");
    EXPECT_THROW(unbound.DimListAt(0), std::out_of_range);
}

}  // namespace
