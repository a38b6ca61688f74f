// Drawing objects bound to host drawings: binding to the current model, the operations
// that need a bound drawing, sheets and formats.
#include <set>
#include <string>

#include "drawing/drw_fixture.h"
#include "kelt2proe/session.h"

namespace {

using Ardo::kelt2pDrw;
using Ardo::kelt2pMdl;
using drwtest::DrawingTest;

class DrawingSheets : public DrawingTest {
protected:
    // A drawing DWG of the part SHAFT made from the template `templ`.
    kelt2pDrw drawing(const char* templ = "plain") {
        kelt2pMdl shaft = part("shaft.prt", drwtest::kShaft);
        kelt2pDrw drw;
        drw.CreateFromTemplate("DWG", templ, shaft);
        return drw;
    }

    void SetUp() override {
        DrawingTest::SetUp();
        writeTemplate("plain", drwtest::kPlainTemplate);
    }
};

TEST_F(DrawingSheets, UnboundOperationsRaiseEmptyBeforeAnyHostCall) {
    kelt2pDrw drw;
    kelt2pMdl format;
    simhost::clearJournal();
    EXPECT_THROW_CODE(drw.SheetsCount(), Ardo::Error, -45, "Ardo::Drw::SheetsCount");
    EXPECT_THROW_CODE(drw.FormatGet(1, false), Ardo::Error, -45, "Ardo::Drw::FormatGet");
    EXPECT_THROW_CODE(drw.FormatAdd(format, 1, 1), Ardo::Error, -45, "Ardo::Drw::FormatAdd");
    EXPECT_THROW_CODE(drw.WritePDF("out.pdf"), Ardo::Error, -45, "Ardo::Drw::WritePDF");
    EXPECT_THROW_CODE(drw.GetMdls(), Ardo::Error, -45, "Ardo::Drw::GetMdls");
    EXPECT_TRUE(simhost::journal().empty());
}

TEST_F(DrawingSheets, CurrentBindsOnlyToADrawing) {
    kelt2pMdl shaft = part("shaft.prt", drwtest::kShaft);
    shaft.Display();
    kelt2pDrw drw;
    drw.Current();  // a part is current: no error, left unbound
    EXPECT_THROW_CODE(drw.SheetsCount(), Ardo::Error, -45, "Ardo::Drw::SheetsCount");

    kelt2pDrw made = drawing();
    made.Display();
    drw.Current();
    EXPECT_STREQ(drw.NameGet(), "DWG");
    EXPECT_EQ(drw.SheetsCount(), 1);
}

TEST_F(DrawingSheets, FormatGetOfASheetWithoutFormat) {
    kelt2pDrw drw = drawing();
    EXPECT_STREQ(drw.FormatGet(1, false), "");
    EXPECT_THROW_CODE(drw.FormatGet(1, true), Ardo::Error, -4, "Ardo::Drw::FormatGet");
    // Another failure raises whatever mustExist says.
    EXPECT_FAULT("ProDrawingFormatGet", -2, drw.FormatGet(1, false), Ardo::Error,
                 "Ardo::Drw::FormatGet");
}

TEST_F(DrawingSheets, FormatAddPlacesTheFormatThatFormatGetNames) {
    kelt2pDrw drw = drawing();
    writeFile("frame.frm", drwtest::kFrameFormat);
    kelt2pMdl frame;
    frame.Load("frame.frm", Ardo::KELT2P_MDL_DWGFORM, false);
    drw.FormatAdd(frame, 1, 1);
    EXPECT_STREQ(drw.FormatGet(1, true), "FRAME");
    EXPECT_STREQ(drw.NameGet(), "DWG") << "the drawing's name is read again from the host";
    kelt2pMdl unbound;
    EXPECT_THROW(drw.FormatAdd(unbound, 1, 1), Ardo::Error);
    EXPECT_FAULT("ProDrawingFormatAdd", -2, drw.FormatAdd(frame, 1, 1), Ardo::Error,
                 "Ardo::Drw::FormatAdd");
}

TEST_F(DrawingSheets, CopiesAreBoundToTheSameDrawingAndOutliveTheOriginal) {
    kelt2pDrw copy;
    {
        kelt2pDrw drw = drawing();
        copy = drw;
    }
    EXPECT_STREQ(copy.NameGet(), "DWG");
    EXPECT_EQ(copy.SheetsCount(), 1);
    EXPECT_TRUE(drwtest::drawingInSession(L"DWG"));
}

TEST_F(DrawingSheets, LoadTakesADrawingFile) {
    {
        kelt2pDrw drw = drawing();
        drw.Save();
        drw.Erase();
        EXPECT_THROW_CODE(drw.SheetsCount(), Ardo::Error, -45, "Ardo::Drw::SheetsCount");
    }
    EXPECT_FALSE(drwtest::drawingInSession(L"DWG"));
    kelt2pDrw loaded;
    EXPECT_EQ(loaded.Load("dwg").SheetsCount(), 1);
    EXPECT_STREQ(loaded.DataGet().type, "DRW");
}

TEST_F(DrawingSheets, SessionDrawingListGivesWorkingDrawings) {
    kelt2pDrw made = drawing();
    kelt2pMdl shaft = part("shaft.prt", drwtest::kShaft);
    kelt2pDrw second;
    second.CreateFromTemplate("SECOND", "plain", shaft);
    Ardo::kelt2pSession session;
    ASSERT_EQ(session.DrwList(), 2);
    std::set<std::string> names;
    for (int i = 0; i < 2; ++i) {
        kelt2pDrw listed = session.DrwListAt(i);
        names.insert(listed.NameGet());
        EXPECT_EQ(listed.SheetsCount(), 1);
        EXPECT_STREQ(listed.FormatGet(1, false), "");
    }
    EXPECT_EQ(names, (std::set<std::string>{"DWG", "SECOND"}));
    second.Erase();
    EXPECT_EQ(session.DrwList(), 1);
    kelt2pDrw remaining = session.DrwListAt(0);
    EXPECT_STREQ(remaining.NameGet(), "DWG");
}

}  // namespace
