// Dimensions: visits of a solid and of a feature, symbols, values, the regenerated-
// negative flag, showing, the display mode, model files and faults.
#include <ProDimension.h>
#include <ProMdl.h>

#include <limits>
#include <string>
#include <vector>

#include "item_helpers.h"
#include "model_helpers.h"

namespace {

using itemtest::featureItem;

// d0 and d1 of feature 1, the reference dimension d2 and "DEPTH" of feature 2.
constexpr char kDims[] = R"("dimensions": [)"
                         R"({"id": 0, "feature": 1, "value": 40},)"
                         R"( {"id": 1, "feature": 1, "value": 25, "regenerated_negative": true},)"
                         R"( {"id": 2, "feature": 2, "value": 3.5, "reference": true},)"
                         R"( {"id": 3, "feature": 2, "symbol": "DEPTH", "value": 12}])";

struct Visited {
    std::vector<int> ids;
    std::vector<ProType> types;
};

ProError collect(ProDimension* d, ProError, ProAppData data) {
    static_cast<Visited*>(data)->ids.push_back(d->id);
    static_cast<Visited*>(data)->types.push_back(d->type);
    return PRO_TK_NO_ERROR;
}

class DimsTest : public modeltest::ConnectedTest {
protected:
    void SetUp() override {
        ConnectedTest::SetUp();
        part = itemtest::loadPart("bracket", kDims, workDir.string());
        ASSERT_NE(part, nullptr);
    }

    ProDimension dim(int id, ProType type = PRO_DIMENSION) {
        ProDimension d{};
        d.type = type;
        d.id = id;
        d.owner = part;
        return d;
    }

    std::wstring symbolOf(int id) {
        ProDimension d = dim(id);
        ProName symbol{};
        EXPECT_EQ(ProDimensionSymbolGet(&d, symbol), PRO_TK_NO_ERROR);
        return symbol;
    }

    // ProSolidDimensionVisit of the part (or `model`) into `seen`.
    ProError visit(Visited& seen, ProBoolean refdim = PRO_B_FALSE,
                   ProDimensionFilterAction filter = nullptr, ProMdl model = nullptr) {
        return ProSolidDimensionVisit(static_cast<ProSolid>(model != nullptr ? model : part),
                                      refdim, collect, filter, &seen);
    }

    ProMdl part = nullptr;
};

TEST_F(DimsTest, SolidVisitTakesStandardOrReferenceDimensions) {
    Visited standard;
    ASSERT_EQ(visit(standard), PRO_TK_NO_ERROR);
    EXPECT_EQ(standard.ids, (std::vector<int>{0, 1, 3}));
    EXPECT_EQ(standard.types, std::vector<ProType>(3, PRO_DIMENSION));
    Visited reference;
    ASSERT_EQ(visit(reference, PRO_B_TRUE), PRO_TK_NO_ERROR);
    EXPECT_EQ(reference.ids, std::vector<int>{2});
    EXPECT_EQ(reference.types, std::vector<ProType>{PRO_REF_DIMENSION});

    // Filter, stop and the empty visit.
    Visited some;
    auto onlyOdd = [](ProDimension* d, ProAppData) {
        return d->id % 2 == 1 ? PRO_TK_NO_ERROR : PRO_TK_CONTINUE;
    };
    EXPECT_EQ(visit(some, PRO_B_FALSE, onlyOdd), PRO_TK_NO_ERROR);
    EXPECT_EQ(some.ids, (std::vector<int>{1, 3}));
    int calls = 0;
    auto stopAtFirst = [](ProDimension*, ProError, ProAppData data) {
        ++*static_cast<int*>(data);
        return PRO_TK_USER_ABORT;
    };
    EXPECT_EQ(ProSolidDimensionVisit(static_cast<ProSolid>(part), PRO_B_FALSE, stopAtFirst, nullptr,
                                     &calls),
              PRO_TK_USER_ABORT);
    EXPECT_EQ(calls, 1);
    ProMdl empty = modeltest::create(L"empty");
    Visited none;
    EXPECT_EQ(visit(none, PRO_B_FALSE, nullptr, empty), PRO_TK_E_NOT_FOUND);
    EXPECT_EQ(
        ProSolidDimensionVisit(static_cast<ProSolid>(part), PRO_B_FALSE, nullptr, nullptr, nullptr),
        PRO_TK_BAD_INPUTS);
}

TEST_F(DimsTest, FeatureVisitTakesTheFeaturesDimensionsOfBothKinds) {
    ProFeature hole = featureItem(part, 2);
    Visited seen;
    ASSERT_EQ(ProFeatureDimensionVisit(&hole, collect, nullptr, &seen), PRO_TK_NO_ERROR);
    EXPECT_EQ(seen.ids, (std::vector<int>{2, 3}));
    EXPECT_EQ(seen.types, (std::vector<ProType>{PRO_REF_DIMENSION, PRO_DIMENSION}));

    // Deleting the feature takes its dimensions.
    ASSERT_EQ(itemtest::deleteFeature(part, 2), PRO_TK_NO_ERROR);
    EXPECT_EQ(ProFeatureDimensionVisit(&hole, collect, nullptr, &seen), PRO_TK_E_NOT_FOUND);
    ProDimension depth = dim(3);
    double value = 0;
    EXPECT_EQ(ProDimensionValueGet(&depth, &value), PRO_TK_E_NOT_FOUND);
    Visited rest;
    visit(rest, PRO_B_TRUE);
    EXPECT_TRUE(rest.ids.empty());
}

TEST_F(DimsTest, SymbolsDefaultToTheIdAndAreUniqueWithoutRegardToCase) {
    EXPECT_EQ(symbolOf(0), L"d0");
    EXPECT_EQ(symbolOf(3), L"DEPTH");
    ProDimension d1 = dim(1);
    modeltest::Name width(L"Width");
    ASSERT_EQ(ProDimensionSymbolSet(&d1, width.text), PRO_TK_NO_ERROR);
    EXPECT_EQ(symbolOf(1), L"Width");
    modeltest::Name taken(L"depth");
    EXPECT_EQ(ProDimensionSymbolSet(&d1, taken.text), PRO_TK_E_FOUND);
    modeltest::Name bad(L"a b");
    EXPECT_EQ(ProDimensionSymbolSet(&d1, bad.text), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(symbolOf(1), L"Width");
    // Its own symbol in another case is no clash.
    modeltest::Name own(L"WIDTH");
    EXPECT_EQ(ProDimensionSymbolSet(&d1, own.text), PRO_TK_NO_ERROR);
    EXPECT_EQ(symbolOf(1), L"WIDTH");

    ProDimension missing = dim(99);
    ProName symbol{};
    EXPECT_EQ(ProDimensionSymbolGet(&missing, symbol), PRO_TK_E_NOT_FOUND);
    ProDimension notADimension = dim(0, PRO_FEATURE);
    EXPECT_EQ(ProDimensionSymbolGet(&notADimension, symbol), PRO_TK_BAD_INPUTS);
}

TEST_F(DimsTest, ValuesAndTheRegeneratedNegativeFlag) {
    ProDimension d0 = dim(0);
    ProDimension d1 = dim(1);
    ProDimension ref = dim(2, PRO_REF_DIMENSION);
    ProBoolean negative = PRO_B_TRUE;
    ASSERT_EQ(ProDimensionIsRegenednegative(&d0, &negative), PRO_TK_NO_ERROR);
    EXPECT_EQ(negative, PRO_B_FALSE);
    ASSERT_EQ(ProDimensionIsRegenednegative(&d1, &negative), PRO_TK_NO_ERROR);
    EXPECT_EQ(negative, PRO_B_TRUE);

    double value = 0;
    ASSERT_EQ(ProDimensionValueGet(&d1, &value), PRO_TK_NO_ERROR);
    EXPECT_DOUBLE_EQ(value, 25);
    ASSERT_EQ(ProDimensionValueSet(&d0, 42.5), PRO_TK_NO_ERROR);
    ASSERT_EQ(ProDimensionValueGet(&d0, &value), PRO_TK_NO_ERROR);
    EXPECT_DOUBLE_EQ(value, 42.5);
    // A reference dimension is driven by the geometry.
    EXPECT_EQ(ProDimensionValueSet(&ref, 1.0), PRO_TK_BAD_CONTEXT);
    ASSERT_EQ(ProDimensionValueGet(&ref, &value), PRO_TK_NO_ERROR);
    EXPECT_DOUBLE_EQ(value, 3.5);
    EXPECT_EQ(ProDimensionValueSet(&d0, std::numeric_limits<double>::infinity()),
              PRO_TK_BAD_INPUTS);

    EXPECT_TRUE(modeltest::modified(part));
}

TEST_F(DimsTest, SavedWithTheModel) {
    ProDimension d0 = dim(0);
    ASSERT_EQ(ProDimensionValueSet(&d0, 41), PRO_TK_NO_ERROR);
    modeltest::Name length(L"LENGTH");
    ASSERT_EQ(ProDimensionSymbolSet(&d0, length.text), PRO_TK_NO_ERROR);
    ASSERT_EQ(ProDimensionShow(&d0, nullptr, nullptr, nullptr), PRO_TK_NO_ERROR);
    ASSERT_EQ(ProMdlSave(part), PRO_TK_NO_ERROR);

    restart();
    ASSERT_EQ(modeltest::load("bracket", PRO_MDL_PART, &part), PRO_TK_NO_ERROR);
    EXPECT_EQ(symbolOf(0), L"LENGTH");
    ProDimension loaded = dim(0);
    double value = 0;
    ASSERT_EQ(ProDimensionValueGet(&loaded, &value), PRO_TK_NO_ERROR);
    EXPECT_DOUBLE_EQ(value, 41);
    ProDimension d1 = dim(1);
    ProBoolean negative = PRO_B_FALSE;
    ASSERT_EQ(ProDimensionIsRegenednegative(&d1, &negative), PRO_TK_NO_ERROR);
    EXPECT_EQ(negative, PRO_B_TRUE);
    Visited reference;
    ASSERT_EQ(visit(reference, PRO_B_TRUE), PRO_TK_NO_ERROR);
    EXPECT_EQ(reference.ids, std::vector<int>{2});

    writeFile("clash.prt", R"({"dimensions": [{"id": 0, "feature": 1, "value": 1},)"
                           R"( {"id": 1, "feature": 1, "symbol": "D0", "value": 2}]})");
    ProMdl clash = nullptr;
    EXPECT_EQ(modeltest::load("clash", PRO_MDL_PART, &clash), PRO_TK_INVALID_FILE);
}

TEST_F(DimsTest, DisplayModeIsASessionSetting) {
    ProDisplayMode mode = PRODISPMODE_SYMBOLIC;
    ASSERT_EQ(ProDisplaymodeGet(&mode), PRO_TK_NO_ERROR);
    EXPECT_EQ(mode, PRODISPMODE_NUMERIC);
    ASSERT_EQ(ProDisplaymodeSet(PRODISPMODE_SYMBOLIC), PRO_TK_NO_ERROR);
    ASSERT_EQ(ProDisplaymodeGet(&mode), PRO_TK_NO_ERROR);
    EXPECT_EQ(mode, PRODISPMODE_SYMBOLIC);
    EXPECT_EQ(ProDisplaymodeSet(static_cast<ProDisplayMode>(2)), PRO_TK_BAD_INPUTS);
    // Not a change of any model.
    EXPECT_FALSE(modeltest::modified(part));

    restart();
    ASSERT_EQ(ProDisplaymodeGet(&mode), PRO_TK_NO_ERROR);
    EXPECT_EQ(mode, PRODISPMODE_NUMERIC);
}

TEST_F(DimsTest, InjectedFaultsChangeNothing) {
    ProDimension d0 = dim(0);
    simhost::injectFault("ProDimensionValueSet", PRO_TK_GENERAL_ERROR);
    EXPECT_EQ(ProDimensionValueSet(&d0, 1.0), PRO_TK_GENERAL_ERROR);
    double value = 0;
    ASSERT_EQ(ProDimensionValueGet(&d0, &value), PRO_TK_NO_ERROR);
    EXPECT_DOUBLE_EQ(value, 40);
    simhost::injectFault("ProSolidDimensionVisit", PRO_TK_GENERAL_ERROR);
    Visited seen;
    EXPECT_EQ(visit(seen), PRO_TK_GENERAL_ERROR);
    EXPECT_TRUE(seen.ids.empty());
    simhost::injectFault("ProDisplaymodeSet", PRO_TK_GENERAL_ERROR);
    EXPECT_EQ(ProDisplaymodeSet(PRODISPMODE_SYMBOLIC), PRO_TK_GENERAL_ERROR);
    ProDisplayMode mode = PRODISPMODE_SYMBOLIC;
    ASSERT_EQ(ProDisplaymodeGet(&mode), PRO_TK_NO_ERROR);
    EXPECT_EQ(mode, PRODISPMODE_NUMERIC);
}

}  // namespace
