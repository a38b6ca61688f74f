// The section "drawing" of drawing and format files: what a save writes is read back,
// and every malformed value is refused with its place.
#include <string>

#include "simhost/drawing_helpers.h"

namespace {

using namespace drawingtest;

TEST_F(DrawingTest, SheetsViewsAndTheirRecordsComeBackAfterSaveEraseAndLoad) {
    ProMdl box = loadBox();
    simhost::writeDrawingFormat("frm", {"A3", "C"});
    simhost::writeDrawingTemplate("tpl", {{"A4", "", 1}, {"A2", "frm", 2}},
                                  {{"TOP", 2, 100, 50, 0.5}});
    ProDrawing drawing = nullptr;
    ASSERT_EQ(createFor(L"drw", L"tpl", &drawing), PRO_TK_NO_ERROR);
    const double skew[4][4] = {{2, 1, 0, 0}, {0, 3, 0, 0}, {0, 0, 1, 0}, {-4, 9.5, 0, 1}};
    ASSERT_TRUE(simhost::setSheetTransform(drawing, 1, skew));
    ProMatrix front = {{1, 0, 0, 0}, {0, 0, 1, 0}, {0, -1, 0, 0}, {0, 0, 0, 1}};
    ProPoint3d at = {30, -40, 0};
    ProView view = nullptr;
    ASSERT_EQ(ProDrawingGeneralviewCreate(drawing, static_cast<ProSolid>(box), 1, PRO_B_FALSE, at,
                                          0.25, front, &view),
              PRO_TK_NO_ERROR);
    ProDrawingViewDisplay display{};
    ASSERT_EQ(ProDrawingViewDisplayGet(drawing, view, &display), PRO_TK_NO_ERROR);
    display.style = PRO_DISPSTYLE_HIDDEN_LINE;
    display.concept_model = PRO_B_TRUE;
    ASSERT_EQ(ProDrawingViewDisplaySet(drawing, view, &display), PRO_TK_NO_ERROR);

    // What the drawing answers before the save, to be compared after the load.
    ProMatrix sheetBefore[2];
    EXPECT_EQ(sheetSize(drawing, 1, sheetBefore[0]), L"A4");
    EXPECT_EQ(sheetSize(drawing, 2, sheetBefore[1]), L"A2");
    ProSolid* solids = nullptr;
    ASSERT_EQ(ProDrawingSolidsCollect(drawing, &solids), PRO_TK_NO_ERROR);
    ProArrayFree(reinterpret_cast<ProArray*>(&solids));

    ASSERT_EQ(ProMdlSave(drawing), PRO_TK_NO_ERROR);
    ASSERT_EQ(ProMdlErase(drawing), PRO_TK_NO_ERROR);
    ProMdl loaded = nullptr;
    ASSERT_EQ(modeltest::load("drw.drw", &loaded), PRO_TK_NO_ERROR)
        << simhost::lastLoadDiagnostic();
    auto reloaded = static_cast<ProDrawing>(loaded);
    int count = 0;
    ASSERT_EQ(ProDrawingSheetsCount(reloaded, &count), PRO_TK_NO_ERROR);
    ASSERT_EQ(count, 2);
    for (int sheet = 1; sheet <= 2; ++sheet) {
        ProMatrix t;
        EXPECT_EQ(sheetSize(reloaded, sheet, t), sheet == 1 ? L"A4" : L"A2");
        for (int r = 0; r < 4; ++r) {
            for (int k = 0; k < 4; ++k) {
                EXPECT_EQ(t[r][k], sheetBefore[sheet - 1][r][k]) << sheet << " " << r << k;
            }
        }
    }
    ProName format{};
    EXPECT_EQ(ProDrawingFormatGet(reloaded, 1, format), PRO_TK_E_NOT_FOUND);
    ASSERT_EQ(ProDrawingFormatGet(reloaded, 2, format), PRO_TK_NO_ERROR);
    EXPECT_EQ(std::wstring(format), L"FRM");
    EXPECT_EQ(ProDrawingSolidsCollect(reloaded, &solids), PRO_TK_NO_ERROR);
    ProArrayFree(reinterpret_cast<ProArray*>(&solids));
    const std::string text = readText("drw.drw");
    // The template's view became a view of the drawing, no longer a template view.
    EXPECT_EQ(text.find("\"template_views\""), std::string::npos);
    std::size_t views = 0;
    for (std::size_t at = text.find("\"solid\": \"BOX\""); at != std::string::npos;
         at = text.find("\"solid\": \"BOX\"", at + 1)) {
        ++views;
    }
    EXPECT_EQ(views, 2u) << text;
    EXPECT_NE(text.find("\"style\": 2"), std::string::npos) << text;
    EXPECT_NE(text.find("\"concept_model\": true"), std::string::npos);
    EXPECT_NE(text.find("\"screen_to_drawing\""), std::string::npos);
    // Written again unchanged: the file round trip loses nothing.
    ASSERT_EQ(ProMdlSave(loaded), PRO_TK_NO_ERROR);
    std::string again = readText("drw.drw");
    const auto version = [](std::string s) {
        const std::size_t at = s.find("\"version\"");
        return at == std::string::npos ? s : s.erase(at, s.find('\n', at) - at);
    };
    EXPECT_EQ(version(again), version(text));
}

TEST_F(DrawingTest, MalformedDrawingSectionsAreRefusedWithThePlace) {
    // A view without its solid's name and type, which the cases add.
    const std::string placed =
        R"("position": [0, 0, 0], "scale": 1, "x": [1, 0, 0], "y": [0, 1, 0], "z": [0, 0, 1])";
    const std::string view = R"("solid": "BOX", )" + placed;
    const struct {
        const char* file;
        std::string text;
        const char* diagnostic;
    } cases[] = {
        {"a.drw", R"({"drawing": []})", "drawing: an object"},
        {"b.drw", R"({"drawing": {"sheets": [{"size": "A5"}]}})",
         "drawing.sheets[0].size: unknown sheet size"},
        {"c.drw", R"({"drawing": {"sheets": {"size": "A4"}}})", "drawing.sheets"},
        {"d.drw", R"({"drawing": {"sheets": [{"format_sheet": 1}]}})",
         "drawing.sheets[0].format_sheet: a format sheet without a format"},
        {"e.drw",
         R"({"drawing": {"sheets": [{"screen_to_drawing": {"x": [1, 0, 0], "y": [0, 1, 0], "z": [0, 0, 1]}}]}})",
         "drawing.sheets[0].screen_to_drawing.origin"},
        {"f.drw", R"({"drawing": {"views": [{)" + view + R"(, "sheet": 2}]}})",
         "drawing.views[0].sheet"},
        {"g.drw",
         R"({"drawing": {"views": [{"solid": "BOX", "position": [0, 0, 0], "scale": 0, "x": [1, 0, 0], "y": [0, 1, 0], "z": [0, 0, 1]}]}})",
         "drawing.views[0].scale: a scale greater than 0"},
        {"h.drw",
         R"({"drawing": {"views": [{"solid": "BOX", "position": [0, 0, 0], "scale": 1, "x": [1, 0, 0], "y": [0, 1, 0], "z": [0, 0, -1]}]}})",
         "drawing.views[0]: the axes"},
        {"i.drw", R"({"drawing": {"views": [{)" + view + R"(, "type": "DRW"}]}})",
         "drawing.views[0].type"},
        {"j.drw", R"({"drawing": {"views": [{)" + view + R"(, "display": {"style": 7}}]}})",
         "drawing.views[0].display.style"},
        {"k.drw", R"({"drawing": {"views": [{"solid": "no name", )" + placed + R"(}]}})",
         "drawing.views[0].solid"},
        {"l.drw",
         R"({"drawing": {"template_views": [{"view": "FRONT", "position": [0, 0, 0], "scale": -1}]}})",
         "drawing.template_views[0].scale"},
        {"m.frm", R"({"drawing": {"views": [{)" + view + R"(}]}})",
         "drawing.views: a format holds no views"},
        {"n.frm", R"({"drawing": {"sheets": [{"format": "X", "format_sheet": 1}]}})",
         "drawing.sheets[0].format: a format's sheet holds no format"},
        {"o.prt", R"({"drawing": {}})", "drawing: only drawings and formats"},
    };
    for (const auto& c : cases) {
        writeFile(c.file, c.text);
        ProMdl model = nullptr;
        EXPECT_EQ(modeltest::load(c.file, &model), PRO_TK_INVALID_FILE) << c.file;
        EXPECT_NE(simhost::lastLoadDiagnostic().find(c.diagnostic), std::string::npos)
            << c.file << ": " << simhost::lastLoadDiagnostic();
    }
    // Limits: 1000 sheets load, 1001 do not.
    std::string sheets;
    for (int i = 0; i < 1000; ++i) {
        sheets += std::string(i == 0 ? "" : ", ") + R"({"size": "A"})";
    }
    writeFile("many.drw", R"({"drawing": {"sheets": [)" + sheets + "]}}");
    writeFile("toomany.drw", R"({"drawing": {"sheets": [)" + sheets + R"(, {}]}})");
    ProMdl model = nullptr;
    EXPECT_EQ(modeltest::load("many.drw", &model), PRO_TK_NO_ERROR);
    EXPECT_EQ(modeltest::load("toomany.drw", &model), PRO_TK_INVALID_FILE);
    EXPECT_NE(simhost::lastLoadDiagnostic().find("drawing.sheets: more than 1000"),
              std::string::npos)
        << simhost::lastLoadDiagnostic();
}

}  // namespace
