// Drawings made from templates: sheets, sizes and screen transforms, formats, template
// views and their errors, the refusals; drawings and formats as models.
#include <ProWindows.h>

#include <cmath>
#include <cstring>
#include <fstream>
#include <sstream>

#include "simhost/drawing_helpers.h"

namespace {

using namespace drawingtest;
using modeltest::load;
using modeltest::nameOf;

constexpr double kPoint = 25.4 / 72.0;

TEST_F(DrawingTest, SheetsTakeTheTemplatesSizesWithAScreenTransformInPointsAboutTheCentre) {
    const struct {
        const char* size;
        double width;
        double height;
    } sizes[] = {{"A4", 297, 210},    {"A3", 420, 297},    {"A2", 594, 420},    {"A1", 841, 594},
                 {"A0", 1189, 841},   {"A", 279.4, 215.9}, {"B", 431.8, 279.4}, {"C", 558.8, 431.8},
                 {"D", 863.6, 558.8}, {"E", 1117.6, 863.6}};
    std::vector<simhost::TemplateSheetEntry> sheets;
    for (const auto& s : sizes) {
        sheets.push_back({s.size, "", 1});
    }
    sheets[1].size = "a3";  // any case
    simhost::writeDrawingTemplate("all_sizes", sheets);
    ProDrawing drawing = nullptr;
    ASSERT_EQ(createFor(L"sheets", L"all_sizes", &drawing), PRO_TK_NO_ERROR);
    int count = 0;
    ASSERT_EQ(ProDrawingSheetsCount(drawing, &count), PRO_TK_NO_ERROR);
    ASSERT_EQ(count, 10);
    for (int i = 0; i < count; ++i) {
        const auto& s = sizes[i];
        ProMatrix t;
        EXPECT_EQ(sheetSize(drawing, i + 1, t), std::wstring(s.size, s.size + std::strlen(s.size)));
        // The screen origin is the sheet's centre, and 72 screen units are an inch.
        expectPointNear(placed(t, {0, 0, 0}), {s.width / 2, s.height / 2, 0});
        expectPointNear(placed(t, {72, -144, 0}), {s.width / 2 + 25.4, s.height / 2 - 50.8, 0});
        EXPECT_NEAR(t[2][2], kPoint, 1e-15);
        EXPECT_EQ(t[0][3], 0.0);
        EXPECT_EQ(t[3][3], 1.0) << s.size;
    }
    ProName size{};
    ProMatrix t;
    EXPECT_EQ(ProDrawingSheetTrfGet(drawing, 0, size, t), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProDrawingSheetTrfGet(drawing, 11, size, t), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProDrawingSheetTrfGet(drawing, 1, nullptr, t), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProDrawingSheetTrfGet(drawing, 1, size, nullptr), PRO_TK_BAD_INPUTS);
}

TEST_F(DrawingTest, CreationRefusesBadArgumentsTakenNamesAndMissingTemplatesAndModels) {
    simhost::writeDrawingTemplate("tpl", {{"A4", "", 1}});
    ProDrawing drawing = nullptr;
    modeltest::Name name(L"drw");
    modeltest::Name templ(L"tpl");
    ProModel record = modelRecord(L"BOX", L"PRT");
    EXPECT_EQ(ProDrawingFromTmpltCreate(nullptr, templ.text, &record, 0, &drawing, nullptr),
              PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProDrawingFromTmpltCreate(name.text, nullptr, &record, 0, &drawing, nullptr),
              PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProDrawingFromTmpltCreate(name.text, templ.text, nullptr, 0, &drawing, nullptr),
              PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProDrawingFromTmpltCreate(name.text, templ.text, &record, 0, nullptr, nullptr),
              PRO_TK_BAD_INPUTS);
    EXPECT_EQ(createFor(L"has space", L"tpl", &drawing), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(createFor(L"drw", L"tpl", &drawing, nullptr, 1 << 4), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(createFor(L"drw", L"tpl", &drawing, nullptr, -1), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(createFor(L"drw", L"tpl", &drawing, nullptr, 0, L"BOX", L"DRW"), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(createFor(L"drw", L"missing", &drawing), PRO_TK_E_NOT_FOUND);
    EXPECT_EQ(createFor(L"drw", L"tpl", &drawing, nullptr, 0, L"NOSUCH"), PRO_TK_E_NOT_FOUND);
    ProMdl found = nullptr;
    EXPECT_EQ(modeltest::init(L"drw", PRO_MDL_DRAWING, &found), PRO_TK_E_NOT_FOUND)
        << "a refused creation leaves no drawing";
    EXPECT_EQ(drawing, nullptr);

    // The model is retrieved from the working directory when it is not in session.
    ASSERT_EQ(createFor(L"drw", L"tpl", &drawing), PRO_TK_NO_ERROR);
    ProMdl box = nullptr;
    EXPECT_EQ(modeltest::init(L"BOX", PRO_MDL_PART, &box), PRO_TK_NO_ERROR);
    EXPECT_EQ(nameOf(drawing), L"DRW");
    ProDrawing again = nullptr;
    EXPECT_EQ(createFor(L"Drw", L"tpl", &again), PRO_TK_E_FOUND);
    EXPECT_EQ(again, nullptr);
}

TEST_F(DrawingTest, ATemplateInSessionWinsOverTheFileAndAnInvalidFileIsDiagnosed) {
    simhost::writeDrawingTemplate("tpl", {{"A3", "", 1}});
    ProDrawing first = nullptr;
    ASSERT_EQ(createFor(L"first", L"tpl", &first), PRO_TK_NO_ERROR);
    // The drawing FIRST is in session only; as a template it gives its own sheets.
    simhost::writeDrawingTemplate("first", {{"A0", "", 1}, {"A1", "", 1}});
    ProDrawing second = nullptr;
    ASSERT_EQ(createFor(L"second", L"first", &second), PRO_TK_NO_ERROR);
    int count = 0;
    ASSERT_EQ(ProDrawingSheetsCount(second, &count), PRO_TK_NO_ERROR);
    EXPECT_EQ(count, 1);
    ProMatrix t;
    EXPECT_EQ(sheetSize(second, 1, t), L"A3");

    writeFile("broken.drw", R"({"drawing": {"sheets": [{"size": "A9"}]}})");
    ProDrawing third = nullptr;
    EXPECT_EQ(createFor(L"third", L"broken", &third), PRO_TK_INVALID_FILE);
    EXPECT_NE(simhost::lastLoadDiagnostic().find("drawing.sheets[0].size: unknown sheet size"),
              std::string::npos)
        << simhost::lastLoadDiagnostic();
    ProMdl found = nullptr;
    EXPECT_EQ(modeltest::init(L"broken", PRO_MDL_DRAWING, &found), PRO_TK_E_NOT_FOUND)
        << "a template file is read, not brought into session";
}

TEST_F(DrawingTest, TemplateViewsOfSavedViewsAreMadeAndMissingOnesAreErrorsTheHostKeeps) {
    simhost::writeDrawingTemplate(
        "views", {{"A3", "", 1}, {"A4", "", 1}},
        {{"FRONT", 1, 100, 80, 1}, {"SIDE", 2, 10, 10, 0}, {"TOP", 2, 150, 100, 0}});
    ProDrawing drawing = nullptr;
    ProDwgcreateErrs errors = nullptr;
    ASSERT_EQ(createFor(L"drw", L"views", &drawing, &errors, PRO_DWGCREATE_WRITE_ERRORS_TO_FILE),
              PRO_TK_DWGCREATE_ERRORS);
    ASSERT_NE(drawing, nullptr) << "the drawing is made all the same";
    ASSERT_NE(errors, nullptr);
    EXPECT_NE(errors[0], nullptr);
    EXPECT_EQ(errors[1], nullptr) << "one error, then the end of the record";
    const std::vector<std::string> texts = simhost::drawingCreateErrors(drawing);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_NE(texts[0].find("SIDE"), std::string::npos) << texts[0];
    EXPECT_EQ(readText("drw.err"), texts[0] + "\n");

    ProSolid* solids = nullptr;
    ASSERT_EQ(ProDrawingSolidsCollect(drawing, &solids), PRO_TK_NO_ERROR);
    int n = 0;
    ProArraySizeGet(solids, &n);
    ASSERT_EQ(n, 1);
    ProMdl box = nullptr;
    ASSERT_EQ(modeltest::init(L"BOX", PRO_MDL_PART, &box), PRO_TK_NO_ERROR);
    EXPECT_EQ(solids[0], box);
    ProArrayFree(reinterpret_cast<ProArray*>(&solids));

    // A drawing without errors writes NULL into the record and an empty error file.
    simhost::writeDrawingTemplate("clean", {{"A4", "", 1}}, {{"TOP", 1, 100, 100, 2}});
    ProDrawing clean = nullptr;
    errors = reinterpret_cast<ProDwgcreateErrs>(&clean);
    ASSERT_EQ(createFor(L"clean", L"clean", &clean, &errors, PRO_DWGCREATE_WRITE_ERRORS_TO_FILE),
              PRO_TK_NO_ERROR);
    EXPECT_EQ(errors, nullptr);
    EXPECT_EQ(readText("clean.err"), "");
    EXPECT_TRUE(simhost::drawingCreateErrors(clean).empty());
}

TEST_F(DrawingTest, TheDisplayOptionShowsTheNewDrawingAndOnlyIt) {
    simhost::writeDrawingTemplate("tpl", {{"A4", "", 1}});
    ProMdl box = loadBox();
    ASSERT_EQ(ProMdlDisplay(box), PRO_TK_NO_ERROR);
    ProDrawing hidden = nullptr;
    ASSERT_EQ(createFor(L"hidden", L"tpl", &hidden), PRO_TK_NO_ERROR);
    ProMdl current = nullptr;
    ASSERT_EQ(ProMdlCurrentGet(&current), PRO_TK_NO_ERROR);
    EXPECT_EQ(current, box);
    ProDrawing shown = nullptr;
    ASSERT_EQ(createFor(L"shown", L"tpl", &shown, nullptr,
                        PRO_DWGCREATE_DISPLAY_DRAWING | PRO_DWGCREATE_SHOW_ERROR_DIALOG),
              PRO_TK_NO_ERROR);
    ASSERT_EQ(ProMdlCurrentGet(&current), PRO_TK_NO_ERROR);
    EXPECT_EQ(current, shown);
    int window = 0;
    EXPECT_EQ(ProMdlWindowGet(hidden, &window), PRO_TK_E_NOT_FOUND);
    std::error_code ec;
    EXPECT_FALSE(std::filesystem::exists(workDir / "shown.err", ec))
        << "errors go to a file only when asked";
}

TEST_F(DrawingTest, AFormatGivesTheSheetItsNameSizeAndTransform) {
    simhost::writeDrawingFormat("std_frm", {"A2", "B"});
    simhost::writeDrawingTemplate("tpl", {{"A4", "", 1}, {"A4", "std_frm", 1}});
    ProDrawing drawing = nullptr;
    ASSERT_EQ(createFor(L"drw", L"tpl", &drawing), PRO_TK_NO_ERROR);
    ProName format{};
    EXPECT_EQ(ProDrawingFormatGet(drawing, 1, format), PRO_TK_E_NOT_FOUND);
    ASSERT_EQ(ProDrawingFormatGet(drawing, 2, format), PRO_TK_NO_ERROR);
    EXPECT_EQ(std::wstring(format), L"STD_FRM");
    EXPECT_EQ(ProDrawingFormatGet(drawing, 3, format), PRO_TK_BAD_INPUTS);

    ProMdl frm = nullptr;
    ASSERT_EQ(load("std_frm.frm", &frm), PRO_TK_NO_ERROR);
    ProMdlType type = PRO_MDL_UNUSED;
    ASSERT_EQ(ProMdlTypeGet(frm, &type), PRO_TK_NO_ERROR);
    EXPECT_EQ(type, PRO_MDL_DWGFORM);
    ASSERT_EQ(ProDrawingFormatAdd(drawing, 1, nullptr, frm, 2), PRO_TK_NO_ERROR);
    ASSERT_EQ(ProDrawingFormatGet(drawing, 1, format), PRO_TK_NO_ERROR);
    EXPECT_EQ(std::wstring(format), L"STD_FRM");
    ProMatrix t;
    EXPECT_EQ(sheetSize(drawing, 1, t), L"B");
    expectPointNear(placed(t, {0, 0, 0}), {431.8 / 2, 279.4 / 2, 0});

    ProMdl box = loadBox();
    EXPECT_EQ(ProDrawingFormatAdd(drawing, 1, nullptr, box, 1), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProDrawingFormatAdd(drawing, 1, nullptr, frm, 3), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProDrawingFormatAdd(drawing, 3, nullptr, frm, 1), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProDrawingFormatAdd(static_cast<ProDrawing>(frm), 1, nullptr, frm, 1),
              PRO_TK_BAD_INPUTS)
        << "a format is no drawing to add a format to";
    EXPECT_EQ(ProDrawingFormatGet(static_cast<ProDrawing>(box), 1, format), PRO_TK_BAD_INPUTS);
    int count = 0;
    ASSERT_EQ(ProDrawingSheetsCount(static_cast<ProDrawing>(frm), &count), PRO_TK_NO_ERROR);
    EXPECT_EQ(count, 2);
    EXPECT_EQ(ProDrawingSheetsCount(static_cast<ProDrawing>(box), &count), PRO_TK_BAD_INPUTS);
}

TEST_F(DrawingTest, DrawingsAndFormatsLoadSaveCopyRenameAndEraseAsModels) {
    writeFile("plain.frm", "{}");
    ProMdl frm = nullptr;
    ASSERT_EQ(load("plain", PRO_MDL_DWGFORM, &frm), PRO_TK_NO_ERROR);
    ProMdldata data{};
    ASSERT_EQ(ProMdldataGet(frm, &data), PRO_TK_NO_ERROR);
    EXPECT_EQ(std::wstring(data.type), L"FRM");
    int count = 0;
    ASSERT_EQ(ProDrawingSheetsCount(static_cast<ProDrawing>(frm), &count), PRO_TK_NO_ERROR);
    EXPECT_EQ(count, 1) << "a format without sheets has one A4 sheet";
    ProMdl frmCopy = nullptr;
    modeltest::Name copyName(L"plain2");
    ASSERT_EQ(ProMdlCopy(frm, copyName.text, &frmCopy), PRO_TK_NO_ERROR);
    EXPECT_TRUE(std::filesystem::exists(workDir / "plain2.frm"));

    ProDrawing drawing = drawingOfSize("A1");
    ProMdl box = loadBox();
    ProView view = nullptr;
    ASSERT_EQ(viewOf(drawing, box, {10, 20, 0}, 1.0, &view), PRO_TK_NO_ERROR);
    ASSERT_EQ(ProMdlSave(drawing), PRO_TK_NO_ERROR);
    EXPECT_TRUE(std::filesystem::exists(workDir / "drw.drw"));
    ProMdl copy = nullptr;
    modeltest::Name drwCopy(L"drw_copy");
    ASSERT_EQ(ProMdlCopy(drawing, drwCopy.text, &copy), PRO_TK_NO_ERROR);
    ProMatrix t;
    EXPECT_EQ(sheetSize(static_cast<ProDrawing>(copy), 1, t), L"A1");
    ProSolid* solids = nullptr;
    ASSERT_EQ(ProDrawingSolidsCollect(static_cast<ProDrawing>(copy), &solids), PRO_TK_NO_ERROR)
        << "the copy shows the views of the original";
    ProArrayFree(reinterpret_cast<ProArray*>(&solids));
    modeltest::Name renamed(L"drw_new");
    ASSERT_EQ(ProMdlRename(drawing, renamed.text), PRO_TK_NO_ERROR);
    EXPECT_EQ(nameOf(drawing), L"DRW_NEW");
    ProView stillThere = view;
    ProDrawingViewDisplay display{};
    EXPECT_EQ(ProDrawingViewDisplayGet(drawing, stillThere, &display), PRO_TK_NO_ERROR);
    ASSERT_EQ(ProMdlDisplay(drawing), PRO_TK_NO_ERROR);
    ASSERT_EQ(ProMdlErase(drawing), PRO_TK_NO_ERROR);
    EXPECT_EQ(ProDrawingSheetsCount(drawing, &count), PRO_TK_BAD_INPUTS);
    ProMdl reloaded = nullptr;
    ASSERT_EQ(load("drw.drw", &reloaded), PRO_TK_NO_ERROR);
    EXPECT_EQ(ProDrawingViewDisplayGet(static_cast<ProDrawing>(reloaded), view, &display),
              PRO_TK_BAD_INPUTS)
        << "a view handle does not survive its drawing's erase";
}

TEST_F(DrawingTest, ViewsAndFormatsFollowTheirModelsToANewName) {
    simhost::writeDrawingFormat("frm", {"A3"});
    simhost::writeDrawingTemplate("tpl", {{"A4", "frm", 1}}, {{"TOP", 1, 100, 100, 1}});
    ProDrawing drawing = nullptr;
    ASSERT_EQ(createFor(L"drw", L"tpl", &drawing), PRO_TK_NO_ERROR);
    ProMdl box = nullptr;
    ASSERT_EQ(modeltest::init(L"BOX", PRO_MDL_PART, &box), PRO_TK_NO_ERROR);
    ProMdl frm = nullptr;
    ASSERT_EQ(load("frm.frm", &frm), PRO_TK_NO_ERROR);
    modeltest::Name crate(L"crate");
    modeltest::Name sheetFormat(L"std");
    ASSERT_EQ(ProMdlRename(box, crate.text), PRO_TK_NO_ERROR);
    ASSERT_EQ(ProMdlRename(frm, sheetFormat.text), PRO_TK_NO_ERROR);

    ProSolid* solids = nullptr;
    ASSERT_EQ(ProDrawingSolidsCollect(drawing, &solids), PRO_TK_NO_ERROR)
        << "the view still shows the renamed part";
    EXPECT_EQ(solids[0], box);
    ProArrayFree(reinterpret_cast<ProArray*>(&solids));
    ProName format{};
    ASSERT_EQ(ProDrawingFormatGet(drawing, 1, format), PRO_TK_NO_ERROR);
    EXPECT_EQ(std::wstring(format), L"STD");
    ASSERT_EQ(ProMdlSave(drawing), PRO_TK_NO_ERROR);
    const std::string text = readText("drw.drw");
    EXPECT_NE(text.find("\"solid\": \"CRATE\""), std::string::npos) << text;
    EXPECT_EQ(text.find("BOX"), std::string::npos) << text;
}

}  // namespace
