// Coordinate systems and datum points: placements the host computes from the features
// that make them, dimensions that drive them, geometry handles, highlights, and model
// files that keep them.
#include <ProAsmcomppath.h>
#include <ProCsys.h>
#include <ProDimension.h>
#include <ProGeomitem.h>
#include <ProModelitem.h>
#include <ProPoint.h>

#include <cmath>
#include <string>
#include <vector>

#include "feature_helpers.h"
#include "kelt2proe/simhost/control.h"

namespace {

using namespace featuretest;
using Vec = std::array<double, 3>;

constexpr double kPi = 3.14159265358979323846;

ProElement doubleElem(int id, double value) {
    ProElement e = nullptr;
    ProElementAlloc(id, &e);
    ProElementDoubleSet(e, value);
    return e;
}

ProElement add(ProElement parent, ProElement child) {
    ProElemtreeElementAdd(parent, nullptr, child);
    return child;
}

struct MoveSpec {
    int type;  // 0..2 translate along, 3..5 rotate about x, y, z
    double value;
};

// The tree of a coordinate system offset from `refItem` by `moves`.
void offsetTree(ProElement t, ProSolid solid, int refItem, const std::vector<MoveSpec>& moves,
                int offsetType = 0, ProType refType = PRO_CSYS) {
    ProElement constrs = nullptr;
    ProElementAlloc(2134, &constrs);
    ProElement constr = nullptr;
    ProElementAlloc(2135, &constr);
    add(constr, selectionElem(2136, solid, refType, refItem));
    add(constrs, constr);
    add(t, constrs);
    addInt(t, 2147, offsetType);
    ProElement list = nullptr;
    ProElementAlloc(2137, &list);
    for (const MoveSpec& move : moves) {
        ProElement m = nullptr;
        ProElementAlloc(2138, &m);
        add(m, intElem(2140, move.type));
        add(m, doubleElem(2141, move.value));
        add(list, m);
    }
    add(t, list);
}

// The tree of a point feature with points (name, x, y, z) offset from `refItem`.
struct PointSpec {
    std::wstring name;
    Vec xyz;
};
void pointTree(ProElement t, ProSolid solid, int refItem, const std::vector<PointSpec>& points,
               int withDims = 1) {
    addInt(t, 3179, 6);
    addInt(t, 3113, 0);
    add(t, selectionElem(3114, solid, PRO_CSYS, refItem));
    addInt(t, 3115, withDims);
    ProElement list = nullptr;
    ProElementAlloc(3121, &list);
    for (const PointSpec& point : points) {
        ProElement p = nullptr;
        ProElementAlloc(3120, &p);
        add(p, textElem(3116, point.name));
        for (int k = 0; k < 3; ++k) {
            add(p, doubleElem(3117 + k, point.xyz[static_cast<std::size_t>(k)]));
        }
        add(list, p);
    }
    add(t, list);
}

// Column-vector rotation Rz(c) * Ry(b) * Rx(a), angles in degrees, as rows of a 3x3.
std::array<Vec, 3> rotXYZ(double a, double b, double c) {
    a *= kPi / 180;
    b *= kPi / 180;
    c *= kPi / 180;
    const double ca = std::cos(a), sa = std::sin(a), cb = std::cos(b), sb = std::sin(b);
    const double cc = std::cos(c), sc = std::sin(c);
    return {{{cc * cb, cc * sb * sa - sc * ca, cc * sb * ca + sc * sa},
             {sc * cb, sc * sb * sa + cc * ca, sc * sb * ca - cc * sa},
             {-sb, cb * sa, cb * ca}}};
}

class CsysTest : public modeltest::ConnectedTest {
protected:
    void SetUp() override {
        ConnectedTest::SetUp();
        solid = part(L"HOLDER");
    }

    // The id of the coordinate-system item of feature `featureId`.
    int csysOf(int featureId) {
        wanted = featureId;
        int found = 0;
        ProSolidCsysVisit(
            solid,
            [](ProCsys csys, ProError, ProAppData data) {
                auto* self = static_cast<std::pair<CsysTest*, int*>*>(data);
                ProGeomitem item{};
                ProCsysToGeomitem(self->first->solid, csys, &item);
                ProFeature owner{};
                ProGeomitemFeatureGet(&item, &owner);
                if (owner.id == self->first->wanted) {
                    *self->second = item.id;
                }
                return PRO_TK_NO_ERROR;
            },
            nullptr, &*std::make_unique<std::pair<CsysTest*, int*>>(this, &found));
        return found;
    }

    int makeDefault(const std::wstring& name) {
        wanted = make(solid, 979, name);
        return csysOf(wanted);
    }

    int makeOffset(const std::wstring& name, int refItem, const std::vector<MoveSpec>& moves) {
        wanted =
            make(solid, 979, name, [&](ProElement t) { offsetTree(t, solid, refItem, moves); });
        return wanted == 0 ? 0 : csysOf(wanted);
    }

    ProCsysdata data(int itemId) {
        ProCsys csys = nullptr;
        EXPECT_EQ(ProCsysInit(solid, itemId, &csys), PRO_TK_NO_ERROR);
        ProGeomitemdata* got = nullptr;
        EXPECT_EQ(ProCsysDataGet(csys, &got), PRO_TK_NO_ERROR);
        ProCsysdata out = *got->data.p_csys_data;
        EXPECT_EQ(got->obj_type, PRO_CSYS);
        EXPECT_EQ(ProGeomitemdataFree(&got), PRO_TK_NO_ERROR);
        EXPECT_EQ(got, nullptr);
        return out;
    }

    Vec pointAt(int itemId) {
        ProPoint point = nullptr;
        EXPECT_EQ(ProPointInit(solid, itemId, &point), PRO_TK_NO_ERROR);
        ProVector xyz{};
        EXPECT_EQ(ProPointCoordGet(point, xyz), PRO_TK_NO_ERROR);
        return {xyz[0], xyz[1], xyz[2]};
    }

    // The ids of the points the solid displays, with the names read from them.
    std::vector<std::pair<int, std::wstring>> points() {
        std::vector<std::pair<int, std::wstring>> out;
        ProAsmcomppath path{};
        EXPECT_EQ(ProAsmcomppathInit(solid, nullptr, 0, &path), PRO_TK_NO_ERROR);
        struct Visit {
            ProSolid solid;
            std::vector<std::pair<int, std::wstring>>* out;
        } visit{solid, &out};
        ProAsmcomppathDispPointVisit(
            &path, solid, nullptr,
            [](ProPoint point, ProError, ProAppData data) {
                auto* v = static_cast<Visit*>(data);
                int id = 0;
                ProPointIdGet(point, &id);
                ProGeomitem item{};
                ProPointToGeomitem(v->solid, point, &item);
                ProName name{};
                ProModelitemNameGet(&item, name);
                v->out->emplace_back(id, name);
                return PRO_TK_NO_ERROR;
            },
            &visit);
        return out;
    }

    std::vector<ProDimension> dimsOf(int featureId) {
        std::vector<ProDimension> out;
        ProFeature f = feature(solid, featureId);
        ProFeatureDimensionVisit(
            &f,
            [](ProDimension* dim, ProError, ProAppData data) {
                static_cast<std::vector<ProDimension>*>(data)->push_back(*dim);
                return PRO_TK_NO_ERROR;
            },
            nullptr, &out);
        return out;
    }

    ProSolid solid = nullptr;
    int wanted = 0;
};

void expectVec(const double* got, const Vec& want, const char* what) {
    for (int k = 0; k < 3; ++k) {
        EXPECT_NEAR(got[k], want[static_cast<std::size_t>(k)], 1e-12) << what << "[" << k << "]";
    }
}

TEST_F(CsysTest, DefaultSystemIsTheModelFrameAndCarriesItsFeatureName) {
    int item = makeDefault(L"acs0");
    ASSERT_NE(item, 0);
    ProCsysdata d = data(item);
    expectVec(d.x_vector, {1, 0, 0}, "x");
    expectVec(d.y_vector, {0, 1, 0}, "y");
    expectVec(d.z_vector, {0, 0, 1}, "z");
    expectVec(d.origin, {0, 0, 0}, "origin");

    ProGeomitem byName{};
    ProName name = L"ACS0";
    ASSERT_EQ(ProModelitemByNameInit(solid, PRO_CSYS, name, &byName), PRO_TK_NO_ERROR);
    EXPECT_EQ(byName.id, item);
    EXPECT_TRUE(dimsOf(wanted).empty());

    // Renaming the coordinate system renames its feature: they are one name.
    ProName renamed = L"TOOL_CS";
    ASSERT_EQ(ProModelitemNameSet(&byName, renamed), PRO_TK_NO_ERROR);
    ProFeature f = feature(solid, wanted);
    ProName featureName{};
    ASSERT_EQ(ProModelitemNameGet(&f, featureName), PRO_TK_NO_ERROR);
    EXPECT_EQ(std::wstring(featureName), L"TOOL_CS");
    // A name another feature holds is refused for the coordinate system too.
    make(solid, 917, L"OTHER");
    ProName taken = L"OTHER";
    EXPECT_EQ(ProModelitemNameSet(&byName, taken), PRO_TK_E_FOUND);

    // Made without a name, coordinate systems and points get the host's default names,
    // passing over names that are taken.
    make(solid, 917, L"CS1");
    std::vector<std::wstring> names;
    for (int type : {979, 979, 931}) {
        int id = make(solid, type, L"", [&](ProElement t) {
            if (type == 931) {
                pointTree(t, solid, byName.id, {{L"", {0, 0, 0}}});
            }
        });
        ProFeature made = feature(solid, id);
        ProName got{};
        ProModelitemNameGet(&made, got);
        names.emplace_back(got);
    }
    EXPECT_EQ(names, (std::vector<std::wstring>{L"CS0", L"CS2", L"PNT0"}));
    EXPECT_EQ(points().at(0).second, L"PNT0") << "an unnamed point carries its feature's name";
}

TEST_F(CsysTest, OffsetMovesComposeWithTheReferenceAndGetOneDimensionEach) {
    int base = makeDefault(L"BASE");
    // Rotations first, then translations, about and along the reference's axes.
    const double a = 30, b = -50, c = 125, x = 10, y = -4, z = 7.5;
    int first = makeOffset(L"FIRST", base, {{3, a}, {4, b}, {5, c}, {0, x}, {1, y}, {2, z}});
    ASSERT_NE(first, 0);
    auto r = rotXYZ(a, b, c);
    ProCsysdata d = data(first);
    expectVec(d.x_vector, {r[0][0], r[1][0], r[2][0]}, "x");
    expectVec(d.y_vector, {r[0][1], r[1][1], r[2][1]}, "y");
    expectVec(d.z_vector, {r[0][2], r[1][2], r[2][2]}, "z");
    expectVec(d.origin, {x, y, z}, "origin");

    std::vector<ProDimension> dims = dimsOf(wanted);
    ASSERT_EQ(dims.size(), 6u);
    std::vector<double> values;
    for (ProDimension& dim : dims) {
        double v = 0;
        ProDimensionValueGet(&dim, &v);
        values.push_back(v);
    }
    EXPECT_EQ(values, (std::vector<double>{a, b, c, x, y, z}));

    // An offset from the offset system: its translation runs along FIRST's axes, its
    // rotation turns about them.
    int second = makeOffset(L"SECOND", first, {{5, 90}, {0, 2}});
    ProCsysdata s = data(second);
    expectVec(s.origin, {x + 2 * r[0][0], y + 2 * r[1][0], z + 2 * r[2][0]}, "origin");
    expectVec(s.x_vector, {r[0][1], r[1][1], r[2][1]}, "x follows FIRST's y");
    expectVec(s.y_vector, {-r[0][0], -r[1][0], -r[2][0]}, "y follows -FIRST's x");
}

TEST_F(CsysTest, DimensionsDriveThePlacementsAtRegeneration) {
    int base = makeDefault(L"BASE");
    int moved = makeOffset(L"MOVED", base, {{3, 0}, {4, 0}, {5, 0}, {0, 10}, {1, 0}, {2, 0}});
    int movedFeature = wanted;
    int onMoved = makeOffset(L"ON_MOVED", moved, {{0, 1}});
    int pointFeature = make(solid, 931, L"TIP", [&](ProElement t) {
        pointTree(t, solid, moved, {{L"TIP", {0, 0, 5}}});
    });
    ASSERT_NE(pointFeature, 0);
    auto pts = points();
    ASSERT_EQ(pts.size(), 1u);
    EXPECT_EQ(pts[0].second, L"TIP");
    EXPECT_EQ(dimsOf(pointFeature).size(), 3u);
    Vec tip = pointAt(pts[0].first);
    EXPECT_EQ(tip, (Vec{10, 0, 5}));

    // Turn MOVED by 90 degrees about Z (its dimension 2) and move it in x to 20.
    std::vector<ProDimension> dims = dimsOf(movedFeature);
    ASSERT_EQ(ProDimensionValueSet(&dims[2], 90), PRO_TK_NO_ERROR);
    ASSERT_EQ(ProDimensionValueSet(&dims[3], 20), PRO_TK_NO_ERROR);
    // Nothing moves before the model regenerates.
    expectVec(data(moved).origin, {10, 0, 0}, "before");
    ASSERT_EQ(ProSolidRegenerate(solid, PRO_REGEN_NO_FLAGS), PRO_TK_NO_ERROR);
    ProCsysdata m = data(moved);
    expectVec(m.origin, {20, 0, 0}, "moved origin");
    expectVec(m.x_vector, {0, 1, 0}, "moved x");
    // What sits on MOVED moved with it.
    expectVec(data(onMoved).origin, {20, 1, 0}, "the system offset along MOVED's x");
    tip = pointAt(pts[0].first);
    expectVec(tip.data(), {20, 0, 5}, "the point");

    // The feature's tree reads back the values the dimensions drive.
    ProValueData value{};
    ProFeature f = feature(solid, movedFeature);
    ProElement tree = nullptr;
    ASSERT_EQ(ProFeatureElemtreeCreate(&f, &tree), PRO_TK_NO_ERROR);
    ProElempath path = nullptr;
    ProElempathAlloc(&path);
    ProElempathItem items[] = {{PRO_ELEM_PATH_ITEM_TYPE_ID, {2137}},
                               {PRO_ELEM_PATH_ITEM_TYPE_INDEX, {3}},
                               {PRO_ELEM_PATH_ITEM_TYPE_ID, {2141}}};
    ProElempathDataSet(path, items, 3);
    ProElement element = nullptr;
    ASSERT_EQ(ProElemtreeElementGet(tree, path, &element), PRO_TK_NO_ERROR);
    ProValue held = nullptr;
    ASSERT_EQ(ProElementValueGet(element, &held), PRO_TK_NO_ERROR);
    ASSERT_EQ(ProValueDataGet(held, &value), PRO_TK_NO_ERROR);
    EXPECT_EQ(value.v.d, 20.0);
    ProElempathFree(&path);
    ProElementFree(&tree);
}

TEST_F(CsysTest, PointsSitInTheFrameOfTheirReferenceAndVisitsFilter) {
    int base = makeDefault(L"BASE");
    int turned = makeOffset(L"TURNED", base, {{3, 90}, {0, 1}, {1, 2}, {2, 3}});
    int feature931 = make(solid, 931, L"PNTS", [&](ProElement t) {
        pointTree(t, solid, turned, {{L"P1", {1, 2, 3}}, {L"P2", {0, 0, 0}}}, 0);
    });
    ASSERT_NE(feature931, 0);
    EXPECT_TRUE(dimsOf(feature931).empty()) << "points without dimensions";
    auto pts = points();
    ASSERT_EQ(pts.size(), 2u);
    EXPECT_EQ(pts[0].second, L"P1");
    EXPECT_EQ(pts[1].second, L"P2");
    // TURNED: rotated 90 degrees about X (y -> z, z -> -y), origin (1, 2, 3).
    expectVec(pointAt(pts[0].first).data(), {1 + 1, 2 - 3, 3 + 2}, "P1");
    expectVec(pointAt(pts[1].first).data(), {1, 2, 3}, "P2");

    // A filter's PRO_TK_CONTINUE skips a point; a visit's answer ends the visit.
    ProAsmcomppath path{};
    ProAsmcomppathInit(solid, nullptr, 0, &path);
    int seen = 0;
    EXPECT_EQ(ProAsmcomppathDispPointVisit(
                  &path, solid, [](ProPoint, ProAppData) { return PRO_TK_CONTINUE; },
                  [](ProPoint, ProError, ProAppData d) {
                      ++*static_cast<int*>(d);
                      return PRO_TK_NO_ERROR;
                  },
                  &seen),
              PRO_TK_E_NOT_FOUND);
    EXPECT_EQ(seen, 0);
    EXPECT_EQ(ProAsmcomppathDispPointVisit(
                  &path, solid, nullptr,
                  [](ProPoint, ProError, ProAppData d) {
                      ++*static_cast<int*>(d);
                      return PRO_TK_USER_ABORT;
                  },
                  &seen),
              PRO_TK_USER_ABORT);
    EXPECT_EQ(seen, 1);
    // No path below the root yet.
    ProIdTable ids = {1};
    EXPECT_EQ(ProAsmcomppathInit(solid, ids, 1, &path), PRO_TK_E_NOT_FOUND);
}

TEST_F(CsysTest, TreesTheHostCannotPlaceAreRefusedNamingTheElement) {
    int base = makeDefault(L"BASE");
    int plain = make(solid, 917, L"PLAIN");
    struct Case {
        const char* what;
        std::function<void(ProElement)> build;
        int element;
        ProError code;
    };
    std::vector<Case> cases = {
        {"reference is a feature",
         [&](ProElement t) { offsetTree(t, solid, plain, {}, 0, PRO_FEATURE); }, 2136,
         PRO_TK_BAD_INPUTS},
        {"reference is no item", [&](ProElement t) { offsetTree(t, solid, 999, {}); }, 2136,
         PRO_TK_BAD_INPUTS},
        {"cylindrical offset", [&](ProElement t) { offsetTree(t, solid, base, {}, 1); }, 2147,
         PRO_TK_BAD_INPUTS},
        {"unknown move",
         [&](ProElement t) {
             offsetTree(t, solid, base, {{9, 1}});
         },
         2140, PRO_TK_BAD_INPUTS},
    };
    for (const Case& c : cases) {
        ProElement t = tree(979, L"BAD");
        c.build(t);
        ProFeature f{};
        ProErrorlist errors{};
        EXPECT_EQ(create(solid, t, &f, &errors), PRO_TK_GENERAL_ERROR) << c.what;
        ASSERT_EQ(errors.error_number, 1) << c.what;
        EXPECT_EQ(errors.error_list[0].err_item_id, c.element) << c.what;
        EXPECT_EQ(errors.error_list[0].error, c.code) << c.what;
        ProElementFree(&t);
    }
    // Points: none at all, a name twice.
    EXPECT_EQ(make(solid, 931, L"NONE", [&](ProElement t) { pointTree(t, solid, base, {}); }), 0);
    EXPECT_EQ(make(solid, 931, L"TWICE",
                   [&](ProElement t) {
                       pointTree(t, solid, base, {{L"PT", {0, 0, 0}}, {L"pt", {1, 0, 0}}});
                   }),
              0);
    EXPECT_TRUE(points().empty());
    EXPECT_EQ(idsOf(solid).size(), 2u) << "nothing was created";
}

TEST_F(CsysTest, HandlesOfGoneItemsAndForeignTypesFindNothing) {
    int base = makeDefault(L"BASE");
    int pf = make(solid, 931, L"PT", [&](ProElement t) {
        pointTree(t, solid, base, {{L"PT", {}}});
    });
    int pointItem = points().at(0).first;
    ProCsys csys = nullptr;
    ASSERT_EQ(ProCsysInit(solid, base, &csys), PRO_TK_NO_ERROR);
    ProCsys again = nullptr;
    ProCsysInit(solid, base, &again);
    EXPECT_EQ(csys, again) << "one handle per item";
    EXPECT_EQ(ProCsysInit(solid, pointItem, &again), PRO_TK_E_NOT_FOUND);
    ProPoint point = nullptr;
    ASSERT_EQ(ProPointInit(solid, pointItem, &point), PRO_TK_NO_ERROR);
    ProGeomitemdata* data = nullptr;
    EXPECT_EQ(ProCsysDataGet(reinterpret_cast<ProCsys>(point), &data), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProCsysDataGet(reinterpret_cast<ProCsys>(&data), &data), PRO_TK_BAD_INPUTS);
    ProGeomitem item{};
    ProSolid other = part(L"OTHER");
    EXPECT_EQ(ProCsysToGeomitem(other, csys, &item), PRO_TK_BAD_INPUTS) << "not its owner";

    // Deleting the point's feature, then erasing the model.
    ASSERT_EQ(ProFeatureDelete(solid, &pf, 1, nullptr, 0), PRO_TK_NO_ERROR);
    ProVector xyz{};
    EXPECT_EQ(ProPointCoordGet(point, xyz), PRO_TK_E_NOT_FOUND);
    ASSERT_EQ(ProMdlErase(solid), PRO_TK_NO_ERROR);
    EXPECT_EQ(ProCsysDataGet(csys, &data), PRO_TK_E_NOT_FOUND);
    EXPECT_EQ(data, nullptr);
    ProGeomitemdata* none = nullptr;
    EXPECT_EQ(ProGeomitemdataFree(&none), PRO_TK_BAD_INPUTS);
}

TEST_F(CsysTest, HighlightsAreRecordedPerItem) {
    int base = makeDefault(L"BASE");
    ProModelitem item{PRO_CSYS, base, solid};
    ProSelection selection = nullptr;
    ASSERT_EQ(ProSelectionAlloc(nullptr, &item, &selection), PRO_TK_NO_ERROR);
    EXPECT_EQ(ProSelectionHighlight(selection, PRO_COLOR_WARNING), PRO_TK_NO_ERROR);
    auto shown = simhost::highlights();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].model, "HOLDER.PRT");
    EXPECT_EQ(shown[0].type, PRO_CSYS);
    EXPECT_EQ(shown[0].id, base);
    EXPECT_EQ(shown[0].color, PRO_COLOR_WARNING);
    EXPECT_EQ(ProSelectionDisplay(selection), PRO_TK_NO_ERROR);
    EXPECT_EQ(simhost::highlights().at(0).color, -1);
    // 30 is a value of the colour type but no colour of the host.
    EXPECT_EQ(ProSelectionHighlight(selection, static_cast<ProColortype>(30)), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProSelectionUnhighlight(selection), PRO_TK_NO_ERROR);
    EXPECT_TRUE(simhost::highlights().empty());
    ProSelectionHighlight(selection, PRO_COLOR_HIGHLITE);
    ProMdlErase(solid);
    EXPECT_TRUE(simhost::highlights().empty()) << "an erased model shows nothing";
    ProSelectionFree(&selection);
}

TEST_F(CsysTest, MatrixInitPutsAxesAndOriginInRows) {
    ProVector x{0, 1, 0}, y{-1, 0, 0}, z{0, 0, 1};
    ProPoint3d origin{5, 6, 7};
    ProMatrix m{};
    ASSERT_EQ(ProMatrixInit(x, y, z, origin, m), PRO_TK_NO_ERROR);
    const double want[4][4] = {{0, 1, 0, 0}, {-1, 0, 0, 0}, {0, 0, 1, 0}, {5, 6, 7, 1}};
    for (int r = 0; r < 4; ++r) {
        for (int k = 0; k < 4; ++k) {
            EXPECT_EQ(m[r][k], want[r][k]) << r << "," << k;
        }
    }
    origin[1] = NAN;
    EXPECT_EQ(ProMatrixInit(x, y, z, origin, m), PRO_TK_BAD_INPUTS);
}

TEST_F(CsysTest, PlacementsAndDimensionsSurviveSaveAndLoad) {
    int base = makeDefault(L"BASE");
    int off = makeOffset(L"OFF", base, {{4, 33}, {0, 1.25}});
    int offFeature = wanted;
    make(solid, 931, L"PT", [&](ProElement t) { pointTree(t, solid, off, {{L"PT", {1, 1, 1}}}); });
    std::vector<ProDimension> dims = dimsOf(offFeature);
    ProName symbol = L"OFF_B";
    ASSERT_EQ(ProDimensionSymbolSet(&dims[0], symbol), PRO_TK_NO_ERROR);
    ProCsysdata before = data(off);
    Vec pointBefore = pointAt(points().at(0).first);
    ASSERT_EQ(ProMdlSave(solid), PRO_TK_NO_ERROR);
    restart();

    ProMdl loaded = nullptr;
    ASSERT_EQ(modeltest::load("holder.prt", &loaded), PRO_TK_NO_ERROR);
    solid = static_cast<ProSolid>(loaded);
    ProCsysdata after = data(off);
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(after.origin[k], before.origin[k]);
        EXPECT_EQ(after.x_vector[k], before.x_vector[k]);
        EXPECT_EQ(after.z_vector[k], before.z_vector[k]);
    }
    EXPECT_EQ(pointAt(points().at(0).first), pointBefore);
    // The dimensions came back and still drive the placement.
    dims = dimsOf(offFeature);
    ASSERT_EQ(dims.size(), 2u);
    ProName got{};
    ProDimensionSymbolGet(&dims[0], got);
    EXPECT_EQ(std::wstring(got), L"OFF_B");
    ProDimensionValueSet(&dims[1], 3);
    ProSolidRegenerate(solid, PRO_REGEN_NO_FLAGS);
    EXPECT_NEAR(data(off).origin[0], 3.0, 1e-12);
}

TEST_F(CsysTest, ModelFilesPlaceCoordinateSystemsAndPoints) {
    writeFile("fixture.prt", R"({"features": [
      {"id": 1, "type": 979, "name": "MOUNT", "items": [{"id": 2, "type": 25,
        "placement": {"origin": [1, 2, 3], "x": [0, 1, 0], "y": [-1, 0, 0], "z": [0, 0, 1]}}]},
      {"id": 3, "type": 931, "name": "P", "items": [{"id": 4, "type": 66, "xyz": [7, 8, 9]}]},
      {"id": 5, "type": 979, "name": "GONE", "status": 5, "items": [{"id": 6, "type": 25}]}
    ]})");
    ProMdl model = nullptr;
    ASSERT_EQ(modeltest::load("fixture.prt", &model), PRO_TK_NO_ERROR);
    solid = static_cast<ProSolid>(model);
    ProCsysdata d = data(2);
    expectVec(d.origin, {1, 2, 3}, "origin");
    expectVec(d.x_vector, {0, 1, 0}, "x");
    EXPECT_EQ(pointAt(4), (Vec{7, 8, 9}));
    // The suppressed feature's coordinate system is not there to visit.
    int visited = 0;
    ProSolidCsysVisit(
        solid,
        [](ProCsys, ProError, ProAppData data) {
            ++*static_cast<int*>(data);
            return PRO_TK_NO_ERROR;
        },
        nullptr, &visited);
    EXPECT_EQ(visited, 1);

    writeFile("skew.prt", R"({"features": [{"id": 1, "type": 979, "items": [{"id": 2, "type": 25,
        "placement": {"origin": [0, 0, 0], "x": [1, 0, 0], "y": [1, 1, 0], "z": [0, 0, 1]}}]}]})");
    EXPECT_EQ(modeltest::load("skew.prt", &model), PRO_TK_INVALID_FILE);
    EXPECT_NE(simhost::lastLoadDiagnostic().find("features[0].items[0].placement: the axes"),
              std::string::npos)
        << simhost::lastLoadDiagnostic();
}

}  // namespace
