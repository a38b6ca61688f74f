// The DXF procedures: the drawing each makes, the file name it asks the host to write,
// what stays in session, and where the general view lands.
#include <ProDrawing.h>

#include <string>

#include "base/facade_impl.h"
#include "drawing/drw.h"
#include "drawing/drw_fixture.h"
#include "kelt2proe/geometry.h"

namespace {

using Ardo::kelt2pDrw;
using Ardo::kelt2pMdl;
using drwtest::DrawingTest;

// A template whose sheet takes screen coordinates to drawing coordinates by
// drawing = 2 * screen + (10, 20, 0).
constexpr const char* kScaledTemplate = R"({"drawing": {"sheets": [{"size": "A3",
  "screen_to_drawing": {"x": [2, 0, 0], "y": [0, 2, 0], "z": [0, 0, 2], "origin": [10, 20, 0]}}]}})";

// A template whose sheet transform has no inverse.
constexpr const char* kSingularTemplate = R"({"drawing": {"sheets": [{"size": "A3",
  "screen_to_drawing": {"x": [1, 0, 0], "y": [2, 0, 0], "z": [0, 0, 1], "origin": [0, 0, 0]}}]}})";

class DxfProcedures : public DrawingTest {
protected:
    void SetUp() override {
        DrawingTest::SetUp();
        writeTemplate("plain", drwtest::kPlainTemplate);
        writeTemplate("scaled", kScaledTemplate);
        writeTemplate("singular", kSingularTemplate);
    }

    // The file name and file type of the last output file the host was asked to write.
    static std::string lastDxfWritten() {
        std::string found;
        for (const std::string& entry : simhost::journal()) {
            if (entry.rfind("ProOutputFileWrite ", 0) == 0) {
                found =
                    entry.substr(entry.find(' ', std::string("ProOutputFileWrite ").size()) + 1);
            }
        }
        return found;
    }
};

TEST_F(DxfProcedures, TestDxfWritesNameDotDxfAndErasesTheDrawing) {
    kelt2pMdl shaft = part("shaft.prt", drwtest::kShaft);
    kelt2pDrw drw;
    simhost::clearJournal();
    drw.TestDXF("ABC", "plain", shaft);
    EXPECT_EQ(lastDxfWritten(), "ABC.DXF 9");
    EXPECT_FALSE(drwtest::drawingInSession(L"ABC"));
    EXPECT_THROW_CODE(drw.SheetsCount(), Ardo::Error, -45, "Ardo::Drw::SheetsCount");
    EXPECT_EQ(testkit::callCount("ProDrawingViewDisplaySet"), 1);
    EXPECT_EQ(testkit::callCount("ProDrawingGeneralviewCreate"), 2) << "trial and final view";
    EXPECT_EQ(testkit::callCount("ProDrawingViewDelete"), 1);
}

TEST_F(DxfProcedures, TestDxf3WritesTheSecondView) {
    kelt2pMdl shaft = part("shaft.prt", drwtest::kShaft);
    kelt2pDrw drw;
    simhost::clearJournal();
    drw.TestDXF3("ABC", "plain", shaft);
    EXPECT_EQ(lastDxfWritten(), "ABC.DXF 9");
    EXPECT_EQ(testkit::callCount("ProDrawingGeneralviewCreate"), 3);
    EXPECT_FALSE(drwtest::drawingInSession(L"ABC"));
}

TEST_F(DxfProcedures, TestDxfOfALongNameFitsTheFileNameBuffer) {
    kelt2pMdl shaft = part("shaft.prt", drwtest::kShaft);
    const std::string longest(31, 'L');
    kelt2pDrw drw;
    drw.TestDXF(longest.c_str(), "plain", shaft);
    EXPECT_EQ(lastDxfWritten(), longest + ".DXF 9");
}

TEST_F(DxfProcedures, TestDxfRaisesForTheTemplateAndOnlyRecordsTheViewAndTheFile) {
    kelt2pMdl shaft = part("shaft.prt", drwtest::kShaft);
    kelt2pDrw drw;
    EXPECT_THROW_CODE(drw.TestDXF("ABC", "missing", shaft), Ardo::Error, -4,
                      "ProDrawingFromTmpltCreate");
    // A file the host does not write is recorded; the procedure still erases its drawing.
    simhost::injectFault("ProOutputFileWrite", -1, 1);
    drw.TestDXF("ABC", "plain", shaft);
    EXPECT_FALSE(drwtest::drawingInSession(L"ABC"));
    EXPECT_EQ(testkit::callCount("ProMdlErase"), 1);
    // So is a final view the host does not make: the file is written all the same.
    simhost::clearJournal();
    simhost::injectFault("ProDrawingGeneralviewCreate", -1, 2);
    drw.TestDXF("ABC", "plain", shaft);
    EXPECT_EQ(testkit::callCount("ProOutputFileWrite"), 1);
    EXPECT_FALSE(drwtest::drawingInSession(L"ABC"));
}

TEST_F(DxfProcedures, TestDxf3WithoutItsTemplateFailsWhenDisplaying) {
    kelt2pMdl shaft = part("shaft.prt", drwtest::kShaft);
    kelt2pDrw drw;
    simhost::clearJournal();
    EXPECT_THROW_CODE(drw.TestDXF3("ABC", "missing", shaft), Ardo::Error, -4, "Ardo::Mdl::Display");
    EXPECT_EQ(testkit::callCount("ProOutputFileWrite"), 0);
}

TEST_F(DxfProcedures, TestDxf2WritesTheNameUnchangedAndKeepsTheDrawing) {
    kelt2pMdl shaft = part("shaft.prt", drwtest::kShaft);
    kelt2pDrw drw;
    simhost::clearJournal();
    if (simhost::geometryKernelAvailable()) {
        drw.TestDXF2("ABC", "plain", shaft);
    } else {
        // Without its kernel the host writes no DXF, and the procedure raises.
        EXPECT_THROW_CODE(drw.TestDXF2("ABC", "plain", shaft), Ardo::Error, PRO_TK_UNSUPPORTED,
                          "Ardo::Drw::DxfOut");
    }
    EXPECT_EQ(lastDxfWritten(), "ABC 9");
    EXPECT_TRUE(drwtest::drawingInSession(L"ABC"));
    EXPECT_STREQ(drw.NameGet(), "ABC");
    ASSERT_EQ(drw.GetMdls(), 1);
    EXPECT_STREQ(drw.GetMdls(0).NameGet(), "SHAFT");
}

TEST_F(DxfProcedures, TestDxf2WithoutCsysFailsAfterTheDrawingWasMade) {
    kelt2pMdl shaft = part("shaft.prt", drwtest::kShaftWithoutCsys);
    kelt2pDrw drw;
    EXPECT_THROW_CODE(drw.TestDXF2("ABC", "plain", shaft), Ardo::Error, -4,
                      "CsysGetTransform CSYS nicht gefunden");
    EXPECT_TRUE(drwtest::drawingInSession(L"ABC"));
    EXPECT_STREQ(drw.NameGet(), "ABC");
}

TEST_F(DxfProcedures, DxfOutNamesOfFortyCharactersAreRefused) {
    kelt2pMdl shaft = part("shaft.prt", drwtest::kShaft);
    const std::string longest(39, 'd');
    kelt2pDrw drw;
    drw.CreateFromTemplate("DWG", "plain", shaft);
    Ardo::Drw& impl = Ardo::FacadeAccess::ImplOf(drw);
    simhost::clearJournal();
    EXPECT_THROW_CODE(impl.DxfOut((longest + "d").c_str()), Ardo::Error, -1, "Ardo::Drw::DxfOut");
    EXPECT_TRUE(simhost::journal().empty());
    if (simhost::geometryKernelAvailable()) {
        impl.DxfOut(longest.c_str());
    } else {
        EXPECT_THROW_CODE(impl.DxfOut(longest.c_str()), Ardo::Error, PRO_TK_UNSUPPORTED,
                          "Ardo::Drw::DxfOut");
    }
    EXPECT_EQ(lastDxfWritten(), longest + " 9");
    Ardo::Drw unbound;
    EXPECT_THROW_CODE(unbound.DxfOut("x"), Ardo::Error, -45, "Ardo::Drw::DxfOut");
}

TEST_F(DxfProcedures, ASingularSheetTransformRaises) {
    kelt2pMdl shaft = part("shaft.prt", drwtest::kShaft);
    kelt2pDrw drw;
    EXPECT_THROW_CODE(drw.TestDXF2("ABC", "singular", shaft), Ardo::Error, -1,
                      "keine inverse MAtrix moeglich");
    EXPECT_THROW_CODE(drw.TestDXF("DEF", "singular", shaft), Ardo::Error, -1,
                      "keine inverse MAtrix moeglich");
    EXPECT_EQ(testkit::callCount("ProDrawingGeneralviewCreate"), 0);
}

// The final view lands at p1 + q: p1 the requested position taken back to screen
// coordinates, q the trial view's model point turned by the orientation and taken back
// too. With the orientation the identity and the model point shown at p1, q = Tinv(p1).
TEST_F(DxfProcedures, GeneralviewCreatePlacesTheViewByTheSheetTransformsInverse) {
    kelt2pMdl shaft = part("shaft.prt", drwtest::kShaft);
    kelt2pDrw drw;
    drw.CreateFromTemplate("DWG", "scaled", shaft);
    Ardo::Drw& impl = Ardo::FacadeAccess::ImplOf(drw);
    Ardo::Matrix identity;
    // The view is placed through the drawing's window.
    EXPECT_THROW_CODE(impl.GeneralviewCreate(Ardo::FacadeAccess::ImplOf(shaft), 1, false,
                                             Ardo::Vector(), 1.0, identity, Ardo::Vector()),
                      Ardo::Error, -4, "Ardo::Mdl::WindowGet");
    drw.Display();
    const ProView view = impl.GeneralviewCreate(Ardo::FacadeAccess::ImplOf(shaft), 1, false,
                                                Ardo::Vector(100.0, -200.0, 0.0), 1.0, identity,
                                                Ardo::Vector(0.0, 0.0, 0.0));
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(testkit::callCount("ProDrawingViewDelete"), 1);
    ProMatrix toDrawing = {};
    ASSERT_EQ(ProDrawingViewTransformGet(static_cast<ProDrawing>(impl.handle), view, PRO_B_TRUE,
                                         toDrawing),
              PRO_TK_NO_ERROR);
    // Screen p1 = Tinv(100, -200) = (45, -110); q = Tinv(p1) = (17.5, -65); the view's
    // screen position (62.5, -175) is the drawing position (135, -330).
    const Ardo::Point origin = Ardo::Point(0.0, 0.0, 0.0) * ~Ardo::Matrix(toDrawing);
    EXPECT_NEAR(origin.x, 135.0, 1e-9);
    EXPECT_NEAR(origin.y, -330.0, 1e-9);
}

}  // namespace
