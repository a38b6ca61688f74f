// Fault-sweep rows of kelt2pDrw. The set-up writes the part SHAFT (coordinate system M_0,
// saved views FASYS and ZRV), the templates PLAIN (one A3 sheet) and SHOWN (a view of
// ZRV) and the format FRAME, and loads the part; most rows start from the drawing DWG
// made from PLAIN for SHAFT. The DXF procedures only record most of their calls: those
// rows name the calls that raise.
#include <ProMdl.h>
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "drawing/drw_files.h"
#include "faults/model_scene.h"
#include "kelt2proe/drw.h"
#include "kelt2proe/simhost/control.h"
#include "support/expect.h"
#include "support/sweep_table.h"

namespace {

using namespace testkit;

// What the host answers when a drawing or template name reaches it empty.
constexpr int kEmptyNameRefused = PRO_TK_BAD_INPUTS;

Ardo::kelt2pDrw drawing;
Ardo::kelt2pMdl shaft;
Ardo::kelt2pMdl frame;
std::string formatName;

void filesWritten() {
    freshHost();
    writeTextFile("shaft.prt", drwtest::kShaft);
    writeTextFile("plain.drw", drwtest::kPlainTemplate);
    writeTextFile("shown.drw", drwtest::kViewTemplate);
    writeTextFile("frame.frm", drwtest::kFrameFormat);
    shaft = Ardo::kelt2pMdl();
    shaft.Load("shaft.prt", Ardo::KELT2P_MDL_PART, false);
    frame = Ardo::kelt2pMdl();
    drawing = Ardo::kelt2pDrw();
}

void madeDrawing() {
    filesWritten();
    drawing.CreateFromTemplate("DWG", "plain", shaft);
}

void drawingWithFormat() {
    madeDrawing();
    frame.Load("frame.frm", Ardo::KELT2P_MDL_DWGFORM, false);
    drawing.FormatAdd(frame, 1, 1);
    formatName = "unset";
}

bool drawingInSession(const wchar_t* name) {
    return modelrows::inSession(name, PRO_MDL_DRAWING);
}

bool calls(const HostCall& call, const char* function, int occurrence = 0) {
    return call.function == function && (occurrence == 0 || call.occurrence == occurrence);
}

Expectation when(Expectation base, const char* function, int occurrence, Expectation other) {
    return exceptWhen(
        std::move(base),
        [function, occurrence](const HostCall& call, int) {
            return calls(call, function, occurrence);
        },
        std::move(other));
}

// Making a drawing from a template: the data record's name and type narrowed, the two
// names widened. A refused conversion hands the host an empty text, which it refuses with
// its own code; the record's other fields are not used.
Expectation templateCreation(Expectation rest, const std::string& createText,
                             const std::string& refusedText) {
    Expectation made =
        except(except(std::move(rest), "ProMdldataGet", throwsLibrary("Ardo::Mdl::DataGet")),
               "ProDrawingFromTmpltCreate", throwsLibrary(createText));
    Expectation named = exceptWhen(
        std::move(made),
        [](const HostCall& call, int) {
            return calls(call, "ProStringToWstring") ||
                   (calls(call, "ProWstringToString") && call.occurrence <= 2);
        },
        throwsAlways(Outcome::library(kEmptyNameRefused, refusedText)));
    return exceptWhen(
        std::move(named),
        [](const HostCall& call, int) {
            return calls(call, "ProWstringToString") && call.occurrence > 2;
        },
        swallows());
}

// The display switches of the DXF procedures: axes, coordinate systems, planes, points,
// each switched off from on, so that the n-th call of each function is the n-th switch's.
Expectation switchesOff(Expectation rest) {
    const char* texts[] = {"Ardo::Mdl::DispModeAxis", "Ardo::Mdl::DispModeCsys",
                           "Ardo::Mdl::DispModePlane", "Ardo::Mdl::DispModePoint"};
    for (const char* function : {"ProConfigoptGet", "ProConfigoptSet", "ProDisplistInvalidate",
                                 "ProMdlWindowGet", "ProWindowRepaint"}) {
        for (int n = 1; n <= 4; ++n) {
            rest = when(std::move(rest), function, n, throwsLibrary(texts[n - 1]));
        }
    }
    return rest;
}

// DXF procedures 1 and 3: the calls after the display are only recorded.
Expectation dxfProcedure(bool third) {
    Expectation recorded = swallows();
    recorded = except(std::move(recorded), "ProMdlDisplay", throwsLibrary("Ardo::Mdl::Display"));
    // A sheet transform not read is all zeros, which has no inverse.
    recorded = except(std::move(recorded), "ProDrawingSheetTrfGet",
                      throwsAlways(Outcome::library(-1, "keine inverse MAtrix moeglich")));
    recorded = except(std::move(recorded), "ProMdlErase", throwsLibrary("Ardo::Mdl::Erase"));
    recorded = switchesOff(std::move(recorded));
    if (third) {
        // The creation is only recorded; without a drawing the display raises its code.
        return templateCreation(std::move(recorded), "Ardo::Mdl::Display", "Ardo::Mdl::Display");
    }
    return templateCreation(std::move(recorded), "ProDrawingFromTmpltCreate",
                            "ProDrawingFromTmpltCreate");
}

// A procedure that ends in success erases its drawing; a failure after the drawing was
// made leaves it in session.
void drawingLeftOnFailure(const HostCall&, int, const Outcome& outcome) {
    if (outcome.thrown == Outcome::Thrown::Nothing) {
        EXPECT_FALSE(drawingInSession(L"ABC"));
        EXPECT_TRUE(modelrows::fileExists("abc.dxf") || modelrows::fileExists("ABC.DXF"));
    }
}

Expectation dxfProcedure2() {
    Expectation rest = throwsLibrary("Ardo::Drw::GeneralviewCreate");
    rest = except(std::move(rest), "ProMdlDisplay", throwsLibrary("Ardo::Mdl::Display"));
    rest = except(std::move(rest), "ProModelitemByNameInit",
                  throwsLibrary("CsysGetTransform CSYS nicht gefunden"));
    for (const char* function :
         {"ProCsysInit", "ProCsysDataGet", "ProMatrixInit", "ProGeomitemdataFree"}) {
        rest = except(std::move(rest), function, throwsLibrary("Ardo::Solid::CsysGetTransform"));
    }
    rest = except(std::move(rest), "ProViewNameToView",
                  throwsLibrary("Ardo::kelt2pMdl::ViewMatrixGet"));
    rest = except(std::move(rest), "ProViewMatrixGet", throwsLibrary("Ardo::Mdl::ViewMatrixGet"));
    rest = except(std::move(rest), "ProMdlWindowGet", throwsLibrary("Ardo::Mdl::WindowGet"));
    rest = except(std::move(rest), "ProOutputFileWrite", throwsLibrary("Ardo::Drw::DxfOut"));
    return templateCreation(std::move(rest), "Ardo::Drw::CreateFromTemplate",
                            "Ardo::Drw::CreateFromTemplate");
}

bool isConversion(const HostCall& call, int) {
    return call.isTextConversion();
}

std::vector<SweepRow> drawingRows() {
    std::vector<SweepRow> rows = {
        {"Ardo::kelt2pDrw::Load(char const*)",
         [] {
             filesWritten();
             writeTextFile("dwg.drw", drwtest::kPlainTemplate);
         },
         [] { drawing.Load("dwg"); }, throwsLibrary("Ardo::Mdl::Load")},
        {"Ardo::kelt2pDrw::Save()", madeDrawing, [] { drawing.Save(); },
         throwsLibrary("Ardo::Mdl::Save")},
        {"Ardo::kelt2pDrw::Erase()", madeDrawing, [] { drawing.Erase(); },
         throwsLibrary("Ardo::Mdl::Erase"),
         [](const HostCall&, int, const Outcome& outcome) {
             EXPECT_EQ(drawingInSession(L"DWG"), outcome.thrown != Outcome::Thrown::Nothing);
         }},
        {"Ardo::kelt2pDrw::Rename(char const*)", madeDrawing, [] { drawing.Rename("PLAN"); },
         throwsLibrary("Ardo::Mdl::Rename"),
         [](const HostCall&, int, const Outcome& outcome) {
             EXPECT_EQ(drawingInSession(L"DWG"), outcome.thrown != Outcome::Thrown::Nothing);
         }},
        {"Ardo::kelt2pDrw::NameGet()", madeDrawing, [] { drawing.NameGet(); },
         except(throwsLibrary("Ardo::Mdl::NameGet"), "ProWstringToString", swallows())},
        {"Ardo::kelt2pDrw::DataGet()", madeDrawing, [] { drawing.DataGet(); },
         exceptWhen(throwsLibrary("Ardo::Mdl::DataGet"), isConversion, swallows())},
        {"Ardo::kelt2pDrw::Display()", madeDrawing, [] { drawing.Display(); },
         throwsLibrary("Ardo::Mdl::Display")},
        {"Ardo::kelt2pDrw::Current()",
         [] {
             madeDrawing();
             drawing.Display();
             drawing = Ardo::kelt2pDrw();
         },
         [] { drawing.Current(); },
         except(throwsLibrary("Ardo::Mdl::Current"), "ProMdlTypeGet",
                throwsToolkit("ardotk::MdlType"))},
        {"Ardo::kelt2pDrw::SheetsCount()", madeDrawing, [] { drawing.SheetsCount(); },
         throwsLibrary("Ardo::Drw::SheetsCount")},
        // A sheet with a format: not found reads as no format; a refused narrowing as
        // the empty name.
        {"Ardo::kelt2pDrw::FormatGet(int, bool)", drawingWithFormat,
         [] { formatName = drawing.FormatGet(1, false); },
         exceptWhen(
             except(throwsLibrary("Ardo::Drw::FormatGet"), "ProWstringToString", swallows()),
             [](const HostCall& call, int code) {
                 return calls(call, "ProDrawingFormatGet") && code == PRO_TK_E_NOT_FOUND;
             },
             swallows()),
         [](const HostCall&, int, const Outcome& outcome) {
             if (outcome.thrown == Outcome::Thrown::Nothing) {
                 EXPECT_EQ(formatName, "");
             }
         }},
        {"Ardo::kelt2pDrw::FormatAdd(Ardo::kelt2pMdl&, int, int)",
         [] {
             madeDrawing();
             frame.Load("frame.frm", Ardo::KELT2P_MDL_DWGFORM, false);
         },
         [] { drawing.FormatAdd(frame, 1, 1); }, throwsLibrary("Ardo::Drw::FormatAdd"),
         [](const HostCall&, int, const Outcome&) {
             EXPECT_STREQ(drawing.FormatGet(1, false), "");
         }},
        {"Ardo::kelt2pDrw::CreateFromTemplate(char const*, char const*, Ardo::kelt2pMdl&)",
         filesWritten, [] { drawing.CreateFromTemplate("DWG", "plain", shaft); },
         templateCreation(throwsLibrary("Ardo::Drw::CreateFromTemplate"),
                          "Ardo::Drw::CreateFromTemplate", "Ardo::Drw::CreateFromTemplate"),
         [](const HostCall&, int, const Outcome& outcome) {
             if (outcome.thrown != Outcome::Thrown::Nothing) {
                 EXPECT_THROW(drawing.SheetsCount(), Ardo::Error) << "left unbound";
             }
         }},
        // The option calls are only recorded.
        {"Ardo::kelt2pDrw::WritePDF(char const*)", madeDrawing, [] { drawing.WritePDF("dwg.pdf"); },
         except(swallows(), "ProPDFExport", throwsLibrary("Ardo::Drw::WritePDF"))},
        {"Ardo::kelt2pDrw::GetMdls()",
         [] {
             filesWritten();
             drawing.CreateFromTemplate("DWG", "shown", shaft);
         },
         [] { drawing.GetMdls(); },
         except(throwsLibrary("Ardo::Drw::GetMdls"), "ProArrayFree", swallows()),
         [](const HostCall&, int, const Outcome& outcome) {
             if (outcome.thrown != Outcome::Thrown::Nothing) {
                 EXPECT_SUBSCRIPT_ERROR(drawing.GetMdls(0));
             }
         }},
        {"Ardo::kelt2pDrw::GetMdls(int)",
         [] {
             filesWritten();
             drawing.CreateFromTemplate("DWG", "shown", shaft);
             drawing.GetMdls();
         },
         [] { drawing.GetMdls(0); }},
        {"Ardo::kelt2pDrw::TestDXF(char const*, char const*, Ardo::kelt2pMdl&)", filesWritten,
         [] { drawing.TestDXF("ABC", "plain", shaft); }, dxfProcedure(false), drawingLeftOnFailure},
        {"Ardo::kelt2pDrw::TestDXF3(char const*, char const*, Ardo::kelt2pMdl&)", filesWritten,
         [] { drawing.TestDXF3("ABC", "plain", shaft); }, dxfProcedure(true), drawingLeftOnFailure},
        {"Ardo::kelt2pDrw::TestDXF2(char const*, char const*, Ardo::kelt2pMdl&)", filesWritten,
         [] { drawing.TestDXF2("ABC", "plain", shaft); }, dxfProcedure2(),
         [](const HostCall& failed, int, const Outcome&) {
             const bool beforeCreation =
                 calls(failed, "ProMdldataGet") || calls(failed, "ProDrawingFromTmpltCreate") ||
                 calls(failed, "ProStringToWstring") ||
                 (calls(failed, "ProWstringToString") && failed.occurrence <= 2);
             EXPECT_EQ(drawingInSession(L"ABC"), !beforeCreation);
         }},
    };
    // The DXF procedures write the file, which needs the host's geometry kernel.
    for (SweepRow& row : rows) {
        row.needsGeometryKernel = row.operation.rfind("Ardo::kelt2pDrw::TestDXF", 0) == 0;
    }
    return rows;
}

SWEEP_ROWS(drawingRows);

}  // namespace
