// Curve records and interface data built by the application, and import features made
// from them: refusals of unsound records, copies on append, curves placed by the frame
// of a coordinate system, the new feature's place, name and ids, saving, and the objects
// all of it hands out.
#include <ProCsys.h>
#include <ProCurvedata.h>
#include <ProImportfeat.h>
#include <ProIntfData.h>
#include <ProMdl.h>
#include <ProModelitem.h>

#include <string>

#include "curves_helpers.h"

namespace {

using namespace curvetest;

// A part with coordinate system 2 in the model's frame and coordinate system 4 moved to
// (100, 0, 50) and turned a quarter about z: its x axis is the model's y.
const char* const kFrames = R"({
  "format": 1, "type": "PRT",
  "features": {"next_id": 30, "list": [
    {"id": 1, "type": 979, "name": "ACS0", "items": [{"id": 2, "type": 25}]},
    {"id": 3, "type": 979, "name": "TURNED", "items": [{"id": 4, "type": 25,
      "placement": {"origin": [100, 0, 50], "x": [0, 1, 0], "y": [-1, 0, 0], "z": [0, 0, 1]}}]}
  ]}
})";

class ImportTest : public modeltest::ConnectedTest {
protected:
    void SetUp() override {
        ConnectedTest::SetUp();
        writeFile("frames.prt", kFrames);
        ProMdl model = nullptr;
        ASSERT_EQ(modeltest::load("frames.prt", &model), PRO_TK_NO_ERROR);
        solid = static_cast<ProSolid>(model);
        ASSERT_EQ(ProCsysInit(solid, 4, &turned), PRO_TK_NO_ERROR);
        ASSERT_EQ(ProIntfDataAlloc(&data), PRO_TK_NO_ERROR);
        ASSERT_EQ(ProCurvedataAlloc(&record), PRO_TK_NO_ERROR);
    }
    void TearDown() override {
        ProCurvedataFree(record);
        ProIntfDataFree(data);
        ConnectedTest::TearDown();
    }
    void appendLine(Vec a, Vec b) {
        ASSERT_EQ(ProLinedataInit(a.data(), b.data(), record), PRO_TK_NO_ERROR);
        ASSERT_EQ(ProIntfDataCurveAppend(data, record), PRO_TK_NO_ERROR);
    }
    void appendArc(Vec v1, Vec v2, Vec origin, double a0, double a1, double r) {
        ASSERT_EQ(ProArcdataInit(v1.data(), v2.data(), origin.data(), a0, a1, r, record),
                  PRO_TK_NO_ERROR);
        ASSERT_EQ(ProIntfDataCurveAppend(data, record), PRO_TK_NO_ERROR);
    }
    ProError import(ProCsys csys, ProFeature* out) {
        ProIntfDataSource source{};
        EXPECT_EQ(ProIntfDataSourceInit(PRO_INTF_NEUTRAL, data, &source), PRO_TK_NO_ERROR);
        return ProImportfeatCreate(solid, &source, csys, nullptr, out);
    }

    ProSolid solid = nullptr;
    ProCsys turned = nullptr;
    ProIntfData* data = nullptr;
    ProCurvedata* record = nullptr;
};

TEST_F(ImportTest, CurveRecordsRefuseUnsoundGeometry) {
    Vec a{1, 2, 3};
    Vec x{1, 0, 0};
    Vec y{0, 1, 0};
    Vec slanted{0.6, 0.8, 0};
    Vec longer{2, 0, 0};
    EXPECT_EQ(ProLinedataInit(a.data(), a.data(), record), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProLinedataInit(a.data(), x.data(), nullptr), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProArcdataInit(longer.data(), y.data(), a.data(), 0, 1, 1, record),
              PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProArcdataInit(x.data(), slanted.data(), a.data(), 0, 1, 1, record),
              PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProArcdataInit(x.data(), y.data(), a.data(), 0, 1, 0, record), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProArcdataInit(x.data(), y.data(), a.data(), 0, 1, -2, record), PRO_TK_BAD_INPUTS);

    // A fresh record is neither a line nor an arc; an arc that sweeps nothing is no curve.
    EXPECT_EQ(ProIntfDataCurveAppend(data, record), PRO_TK_BAD_INPUTS);
    ASSERT_EQ(ProArcdataInit(x.data(), y.data(), a.data(), 1, 1, 2, record), PRO_TK_NO_ERROR);
    EXPECT_EQ(ProIntfDataCurveAppend(data, record), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProIntfDataCurveAppend(data, nullptr), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProIntfDataCurveAppend(nullptr, record), PRO_TK_BAD_INPUTS);

    // Records and collections are told apart: neither is freed as the other.
    EXPECT_EQ(ProCurvedataFree(reinterpret_cast<ProCurvedata*>(data)), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProIntfDataFree(reinterpret_cast<ProIntfData*>(record)), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProIntfDataCurveAppend(reinterpret_cast<ProIntfData*>(record), record),
              PRO_TK_BAD_INPUTS);
}

TEST_F(ImportTest, RecordsAndCollectionsCountAsLiveUntilFreed) {
    const long live = simhost::liveObjects();
    ProCurvedata* extra = nullptr;
    ProIntfData* more = nullptr;
    ASSERT_EQ(ProCurvedataAlloc(&extra), PRO_TK_NO_ERROR);
    ASSERT_EQ(ProIntfDataAlloc(&more), PRO_TK_NO_ERROR);
    EXPECT_EQ(simhost::liveObjects(), live + 2);
    Vec a{0, 0, 0};
    Vec b{1, 0, 0};
    ASSERT_EQ(ProLinedataInit(a.data(), b.data(), extra), PRO_TK_NO_ERROR);
    ASSERT_EQ(ProIntfDataCurveAppend(more, extra), PRO_TK_NO_ERROR);
    EXPECT_EQ(simhost::liveObjects(), live + 2);
    // A record is no geometry data of the host's either.
    auto* notData = reinterpret_cast<ProGeomitemdata*>(extra);
    EXPECT_EQ(ProGeomitemdataFree(&notData), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProCurvedataFree(extra), PRO_TK_NO_ERROR);
    EXPECT_EQ(ProCurvedataFree(extra), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProIntfDataFree(more), PRO_TK_NO_ERROR);
    EXPECT_EQ(ProIntfDataFree(more), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(simhost::liveObjects(), live);

    // A source needs a live collection; file sources keep the path they are given.
    ProIntfDataSource source{};
    EXPECT_EQ(ProIntfDataSourceInit(PRO_INTF_NEUTRAL, more, &source), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProIntfDataSourceInit(PRO_INTF_NEUTRAL, data, nullptr), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProIntfDataSourceInit(PRO_INTF_NONE, data, &source), PRO_TK_BAD_INPUTS);
    wchar_t path[] = L"shape.stp";
    ASSERT_EQ(ProIntfDataSourceInit(PRO_INTF_STEP, path, &source), PRO_TK_NO_ERROR);
    EXPECT_EQ(source.intf_type, PRO_INTF_STEP);
    EXPECT_EQ(source.choice.filename, path);
}

TEST_F(ImportTest, CurvesLandWhereTheCoordinateSystemPutsThem) {
    appendLine({1, 0, 0}, {1, 2, 0});
    // A quarter arc turning clockwise about the csys's z (end angle below the start), as a
    // chain of elements may give it: from (3, 0, 0) to (0, -3, 0) in the csys.
    appendArc({1, 0, 0}, {0, 1, 0}, {0, 0, 0}, 0.0, -kPi / 2, 3.0);
    // The record was copied: changing it afterwards changes nothing appended.
    Vec far{50, 50, 50};
    Vec farther{60, 50, 50};
    ASSERT_EQ(ProLinedataInit(far.data(), farther.data(), record), PRO_TK_NO_ERROR);

    const std::vector<int> before = featuretest::idsOf(solid);
    ProFeature feature{};
    ASSERT_EQ(import(turned, &feature), PRO_TK_NO_ERROR);
    std::vector<int> after = featuretest::idsOf(solid);
    ASSERT_EQ(after.size(), before.size() + 1);
    EXPECT_EQ(after.back(), feature.id);
    EXPECT_EQ(feature.id, 30);
    ProFeattype type = 0;
    ASSERT_EQ(ProFeatureTypeGet(&feature, &type), PRO_TK_NO_ERROR);
    EXPECT_EQ(type, 932);
    ProName name{};
    ASSERT_EQ(ProModelitemNameGet(&feature, name), PRO_TK_NO_ERROR);
    EXPECT_EQ(std::wstring(name), L"IMPORT0");

    const std::vector<int> ids = curveIds(solid, feature.id);
    ASSERT_EQ(ids, (std::vector<int>{31, 32}));
    // Model point = origin + x * px + y * py with x = (0, 1, 0), y = (-1, 0, 0).
    ProCurve line = curveOf(solid, ids[0]);
    EXPECT_VEC_NEAR(pointAt(line, 0.0), (Vec{100, 1, 50}), 1e-12);
    EXPECT_VEC_NEAR(pointAt(line, 1.0), (Vec{98, 1, 50}), 1e-12);
    ProCurve arc = curveOf(solid, ids[1]);
    EXPECT_VEC_NEAR(pointAt(arc, 0.0), (Vec{100, 3, 50}), 1e-12);
    EXPECT_VEC_NEAR(pointAt(arc, 1.0), (Vec{103, 0, 50}), 1e-12);
    EXPECT_NEAR(lengthOf(arc), 1.5 * kPi, 1e-12);

    ProGeomitem item = curveItem(solid, ids[1]);
    ProGeomitemdata* got = nullptr;
    ASSERT_EQ(ProGeomitemdataGet(&item, &got), PRO_TK_NO_ERROR);
    const ProArcdata& a = got->data.p_curve_data->arc;
    EXPECT_VEC_NEAR(vec(a.origin), (Vec{100, 0, 50}), 1e-12);
    EXPECT_VEC_NEAR(vec(a.vector1), (Vec{0, 1, 0}), 1e-12);
    EXPECT_VEC_NEAR(vec(a.vector2), (Vec{-1, 0, 0}), 1e-12);
    EXPECT_EQ(a.start_angle, 0.0);
    EXPECT_EQ(a.end_angle, -kPi / 2);
    EXPECT_EQ(a.radius, 3.0);
    ProGeomitemdataFree(&got);

    // A second import is named after the first and gets ids after it.
    ProCsys base = nullptr;
    ASSERT_EQ(ProCsysInit(solid, 2, &base), PRO_TK_NO_ERROR);
    ProFeature second{};
    ASSERT_EQ(import(base, &second), PRO_TK_NO_ERROR);
    EXPECT_EQ(curveIds(solid, second.id), (std::vector<int>{34, 35}));
    ASSERT_EQ(ProModelitemNameGet(&second, name), PRO_TK_NO_ERROR);
    EXPECT_EQ(std::wstring(name), L"IMPORT1");
    EXPECT_VEC_NEAR(pointAt(curveOf(solid, 34), 1.0), (Vec{1, 2, 0}), 1e-12);
}

TEST_F(ImportTest, ImportedCurvesAreSavedInModelCoordinates) {
    appendLine({1, 0, 0}, {1, 2, 0});
    appendArc({1, 0, 0}, {0, 1, 0}, {0, 0, 0}, 0.5, 2.0, 1.0);
    ProFeature feature{};
    ASSERT_EQ(import(turned, &feature), PRO_TK_NO_ERROR);
    const Vec arcEnd = pointAt(curveOf(solid, 32), 1.0);
    ASSERT_EQ(ProMdlSave(solid), PRO_TK_NO_ERROR);

    restart();
    ProMdl model = nullptr;
    ASSERT_EQ(modeltest::load("frames.prt", &model), PRO_TK_NO_ERROR);
    auto again = static_cast<ProSolid>(model);
    EXPECT_EQ(featuretest::idsOf(again).back(), 30);
    EXPECT_EQ(curveIds(again, 30), (std::vector<int>{31, 32}));
    EXPECT_VEC_NEAR(pointAt(curveOf(again, 31), 1.0), (Vec{98, 1, 50}), 1e-12);
    EXPECT_VEC_NEAR(pointAt(curveOf(again, 32), 1.0), arcEnd, 1e-12);
    ProFeature kept = featuretest::feature(again, 30);
    ProFeattype type = 0;
    ASSERT_EQ(ProFeatureTypeGet(&kept, &type), PRO_TK_NO_ERROR);
    EXPECT_EQ(type, 932);
}

TEST_F(ImportTest, CoordinateSystemItemsGiveTheirPlacementAsGeometryData) {
    const long live = simhost::liveObjects();
    ProGeomitem item{PRO_CSYS, 4, solid};
    ProGeomitemdata* got = nullptr;
    ASSERT_EQ(ProGeomitemdataGet(&item, &got), PRO_TK_NO_ERROR);
    EXPECT_EQ(got->obj_type, PRO_CSYS);
    EXPECT_EQ(vec(got->data.p_csys_data->origin), (Vec{100, 0, 50}));
    EXPECT_EQ(vec(got->data.p_csys_data->x_vector), (Vec{0, 1, 0}));
    ASSERT_EQ(ProGeomitemdataFree(&got), PRO_TK_NO_ERROR);
    EXPECT_EQ(simhost::liveObjects(), live);

    // The item must be what the record says it is.
    ProGeomitem mistyped{PRO_CURVE, 4, solid};
    EXPECT_EQ(ProGeomitemdataGet(&mistyped, &got), PRO_TK_E_NOT_FOUND);
    EXPECT_EQ(ProGeomitemdataGet(&item, nullptr), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProGeomitemdataGet(nullptr, &got), PRO_TK_BAD_INPUTS);
}

TEST_F(ImportTest, RefusedImportsMakeNoFeature) {
    ProFeature feature{};
    // An empty collection.
    EXPECT_EQ(import(turned, &feature), PRO_TK_BAD_INPUTS);
    appendLine({0, 0, 0}, {1, 0, 0});
    ProIntfDataSource source{};
    ASSERT_EQ(ProIntfDataSourceInit(PRO_INTF_NEUTRAL, data, &source), PRO_TK_NO_ERROR);
    EXPECT_EQ(ProImportfeatCreate(nullptr, &source, turned, nullptr, &feature), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProImportfeatCreate(solid, nullptr, turned, nullptr, &feature), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProImportfeatCreate(solid, &source, nullptr, nullptr, &feature), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProImportfeatCreate(solid, &source, turned, nullptr, nullptr), PRO_TK_BAD_INPUTS);

    // A coordinate system of another solid.
    ProSolid other = featuretest::part(L"other");
    ASSERT_NE(other, nullptr);
    EXPECT_EQ(ProImportfeatCreate(other, &source, turned, nullptr, &feature), PRO_TK_BAD_INPUTS);
    EXPECT_TRUE(featuretest::idsOf(other).empty());

    // A file that is not there, and a file kind the host does not read.
    wchar_t path[] = L"shape.stp";
    ProIntfDataSource file{};
    ASSERT_EQ(ProIntfDataSourceInit(PRO_INTF_STEP, path, &file), PRO_TK_NO_ERROR);
    EXPECT_EQ(ProImportfeatCreate(solid, &file, turned, nullptr, &feature), PRO_TK_CANT_OPEN);
    ASSERT_EQ(ProIntfDataSourceInit(PRO_INTF_IGES, path, &file), PRO_TK_NO_ERROR);
    EXPECT_EQ(ProImportfeatCreate(solid, &file, turned, nullptr, &feature), PRO_TK_UNSUPPORTED);

    // A source whose collection is freed, and a coordinate system whose feature is gone.
    ProIntfData* gone = nullptr;
    ASSERT_EQ(ProIntfDataAlloc(&gone), PRO_TK_NO_ERROR);
    ASSERT_EQ(ProIntfDataCurveAppend(gone, record), PRO_TK_NO_ERROR);
    ProIntfDataSource stale{};
    ASSERT_EQ(ProIntfDataSourceInit(PRO_INTF_NEUTRAL, gone, &stale), PRO_TK_NO_ERROR);
    ASSERT_EQ(ProIntfDataFree(gone), PRO_TK_NO_ERROR);
    EXPECT_EQ(ProImportfeatCreate(solid, &stale, turned, nullptr, &feature), PRO_TK_BAD_INPUTS);
    int csysFeature = 3;
    ASSERT_EQ(ProFeatureDelete(solid, &csysFeature, 1, nullptr, 0), PRO_TK_NO_ERROR);
    EXPECT_EQ(ProImportfeatCreate(solid, &source, turned, nullptr, &feature), PRO_TK_BAD_INPUTS);

    EXPECT_EQ(featuretest::idsOf(solid), std::vector<int>{1});
}

}  // namespace
