// Helpers of the drawing tests: a part with a solid and saved views, drawings made from
// templates, and transforms in the host's row layout.
#pragma once

#include <ProArray.h>
#include <ProDrawing.h>

#include <array>
#include <string>
#include <vector>

#include "simhost/model_helpers.h"

namespace drawingtest {

using Point = std::array<double, 3>;

// A 40 x 20 x 10 box from the origin, with the saved views FRONT (looking along +y) and
// TOP (the identity).
constexpr const char* kBoxPart = R"({
  "solids": [{"box": {"corner": [0, 0, 0], "size": [40, 20, 10]}}],
  "views": {"named": [
    {"name": "FRONT", "x": [1, 0, 0], "y": [0, 0, 1], "z": [0, -1, 0]},
    {"name": "TOP", "x": [1, 0, 0], "y": [0, 1, 0], "z": [0, 0, 1]}]}})";

// p in the frame of a row-layout matrix: p[0] * row 0 + p[1] * row 1 + p[2] * row 2 + row 3.
inline Point placed(const ProMatrix m, const Point& p) {
    Point out{};
    for (int k = 0; k < 3; ++k) {
        out[k] = p[0] * m[0][k] + p[1] * m[1][k] + p[2] * m[2][k] + m[3][k];
    }
    return out;
}

inline void identity(ProMatrix m) {
    for (int r = 0; r < 4; ++r) {
        for (int k = 0; k < 4; ++k) {
            m[r][k] = r == k ? 1.0 : 0.0;
        }
    }
}

inline void expectPointNear(const Point& actual, const Point& expected, double tolerance = 1e-9) {
    for (int k = 0; k < 3; ++k) {
        EXPECT_NEAR(actual[k], expected[k], tolerance) << "coordinate " << k;
    }
}

inline ProModel modelRecord(const std::wstring& name, const std::wstring& type) {
    ProModel record{};
    std::wcsncpy(record.name, name.c_str(), 79);
    std::wcsncpy(record.type, type.c_str(), 9);
    return record;
}

class DrawingTest : public modeltest::ConnectedTest {
protected:
    void SetUp() override {
        ConnectedTest::SetUp();
        writeFile("box.prt", kBoxPart);
    }

    ProMdl loadBox() {
        ProMdl box = nullptr;
        EXPECT_EQ(modeltest::load("box.prt", &box), PRO_TK_NO_ERROR);
        return box;
    }

    // ProDrawingFromTmpltCreate for the part BOX with options 0.
    ProError createFor(const std::wstring& name, const std::wstring& templ, ProDrawing* out,
                       ProDwgcreateErrs* errors = nullptr, int options = 0,
                       const std::wstring& model = L"BOX", const std::wstring& type = L"PRT") {
        modeltest::Name n(name);
        modeltest::Name t(templ);
        ProModel record = modelRecord(model, type);
        return ProDrawingFromTmpltCreate(n.text, t.text, &record, options, out, errors);
    }

    // A drawing DRW made for BOX from a template of one sheet of that size.
    ProDrawing drawingOfSize(const std::string& size = "A4") {
        simhost::writeDrawingTemplate("tpl_" + size, {{size, "", 1}});
        ProDrawing drawing = nullptr;
        EXPECT_EQ(createFor(L"drw", std::wstring(L"tpl_") + std::wstring(size.begin(), size.end()),
                            &drawing),
                  PRO_TK_NO_ERROR);
        return drawing;
    }

    // A general view of `solid` on sheet 1 at the screen point `position`.
    ProError viewOf(ProDrawing drawing, ProMdl solid, const Point& position, double scale,
                    ProView* view, int sheet = 1) {
        ProMatrix orientation;
        identity(orientation);
        ProPoint3d at = {position[0], position[1], position[2]};
        return ProDrawingGeneralviewCreate(drawing, static_cast<ProSolid>(solid), sheet,
                                           PRO_B_FALSE, at, scale, orientation, view);
    }

    std::wstring sheetSize(ProDrawing drawing, int sheet, ProMatrix transform) {
        ProName size{};
        EXPECT_EQ(ProDrawingSheetTrfGet(drawing, sheet, size, transform), PRO_TK_NO_ERROR);
        return size;
    }
};

}  // namespace drawingtest
