// Drawings made from templates, their PDF output, and the process-wide list of the
// models a drawing shows.
#include <string>

#include "drawing/drw_fixture.h"

namespace {

using Ardo::kelt2pDrw;
using Ardo::kelt2pMdl;
using drwtest::DrawingTest;

class DrawingTemplates : public DrawingTest {
protected:
    void SetUp() override {
        DrawingTest::SetUp();
        writeTemplate("plain", drwtest::kPlainTemplate);
        writeTemplate("shown", drwtest::kViewTemplate);
    }
};

TEST_F(DrawingTemplates, CreateFromTemplateBindsToTheNewDrawing) {
    kelt2pMdl shaft = part("shaft.prt", drwtest::kShaft);
    kelt2pDrw drw;
    simhost::clearJournal();
    drw.CreateFromTemplate("DWG", "plain", shaft);
    EXPECT_STREQ(drw.NameGet(), "DWG");
    EXPECT_TRUE(drwtest::drawingInSession(L"DWG"));
    EXPECT_TRUE(testkit::journalHas("ProDrawingFromTmpltCreate DWG plain SHAFT.PRT 4"))
        << "the names, the model record and the options";
}

TEST_F(DrawingTemplates, CreateFromTemplateFailures) {
    kelt2pMdl shaft = part("shaft.prt", drwtest::kShaft);
    kelt2pDrw drw;
    EXPECT_THROW_CODE(drw.CreateFromTemplate("DWG", "missing", shaft), Ardo::Error, -4,
                      "Ardo::Drw::CreateFromTemplate");
    EXPECT_THROW_CODE(drw.SheetsCount(), Ardo::Error, -45, "Ardo::Drw::SheetsCount");
    kelt2pMdl unbound;
    EXPECT_THROW_CODE(drw.CreateFromTemplate("DWG", "plain", unbound), Ardo::Error, -45,
                      "Ardo::Mdl::DataGet");
    EXPECT_FALSE(drwtest::drawingInSession(L"DWG"));
}

TEST_F(DrawingTemplates, NamesOverThirtyOneCharactersAreRefusedBeforeAnyHostCall) {
    kelt2pMdl shaft = part("shaft.prt", drwtest::kShaft);
    const std::string longest(31, 'N');
    const std::string tooLong(32, 'N');
    writeTemplate(std::string(31, 't'), drwtest::kPlainTemplate);
    kelt2pDrw drw;
    simhost::clearJournal();
    EXPECT_THROW_CODE(drw.CreateFromTemplate(tooLong.c_str(), "plain", shaft), Ardo::Error, -6,
                      "Ardo::Drw::CreateFromTemplate");
    EXPECT_THROW_CODE(drw.CreateFromTemplate("DWG", std::string(32, 'T').c_str(), shaft),
                      Ardo::Error, -6, "Ardo::Drw::CreateFromTemplate");
    EXPECT_THROW_CODE(drw.TestDXF(tooLong.c_str(), "plain", shaft), Ardo::Error, -6,
                      "ProDrawingFromTmpltCreate");
    EXPECT_THROW_CODE(drw.TestDXF3("DWG", std::string(32, 'T').c_str(), shaft), Ardo::Error, -6,
                      "ProDrawingFromTmpltCreate");
    EXPECT_THROW_CODE(drw.TestDXF2(tooLong.c_str(), "plain", shaft), Ardo::Error, -6,
                      "Ardo::Drw::CreateFromTemplate");
    EXPECT_TRUE(simhost::journal().empty());
    drw.CreateFromTemplate(longest.c_str(), std::string(31, 'T').c_str(), shaft);
    EXPECT_EQ(drw.NameGet(), longest);
}

TEST_F(DrawingTemplates, WritePdfTestsTheFileNameFirst) {
    const std::string longest = "dir/" + std::string(251, 'f') + ".pdf";  // 259 characters
    const std::string tooLong = longest + "x";
    ASSERT_EQ(longest.size(), 259u);
    kelt2pDrw unbound;
    simhost::clearJournal();
    EXPECT_THROW_CODE(unbound.WritePDF(tooLong.c_str()), Ardo::Error, -6, "filename too long");
    EXPECT_TRUE(simhost::journal().empty());

    kelt2pMdl shaft = part("shaft.prt", drwtest::kShaft);
    kelt2pDrw drw;
    drw.CreateFromTemplate("DWG", "plain", shaft);
    simhost::clearJournal();
    try {
        drw.WritePDF(longest.c_str());  // the directory does not exist: the host may refuse
    } catch (const Ardo::Error& e) {
        EXPECT_STREQ(e.text, "Ardo::Drw::WritePDF");
    }
    EXPECT_TRUE(testkit::journalHas("ProPDFExport"));
    EXPECT_TRUE(testkit::journalHas("ProPDFoptionsIntpropertySet 30 0"))
        << "a drawing's PDF sets the sheet range to 0";
    EXPECT_EQ(testkit::callCount("ProPDFoptionsFree"), 1);
}

TEST_F(DrawingTemplates, WritePdfFailureRaisesAndFreesTheOptions) {
    kelt2pMdl shaft = part("shaft.prt", drwtest::kShaft);
    kelt2pDrw drw;
    drw.CreateFromTemplate("DWG", "plain", shaft);
    const long before = simhost::liveObjects();
    EXPECT_FAULT("ProPDFExport", -2, drw.WritePDF("dwg.pdf"), Ardo::Error, "Ardo::Drw::WritePDF");
    EXPECT_EQ(simhost::liveObjects(), before);
    // Refused options are only recorded.
    simhost::injectFault("ProPDFoptionsIntpropertySet", -1);
    simhost::injectFault("ProPDFoptionsBoolpropertySet", -1);
    EXPECT_NO_THROW(drw.WritePDF("dwg.pdf"));
}

TEST_F(DrawingTemplates, GetMdlsFillsOneListThatTheNextDrawingReplaces) {
    kelt2pMdl shaft = part("shaft.prt", drwtest::kShaft);
    kelt2pMdl other = part("other.prt", drwtest::kShaftWithoutCsys);
    kelt2pDrw empty;
    empty.CreateFromTemplate("EMPTY", "plain", shaft);
    // The host answers that the views show no model.
    EXPECT_THROW_CODE(empty.GetMdls(), Ardo::Error, -4, "Ardo::Drw::GetMdls");
    EXPECT_SUBSCRIPT_ERROR(empty.GetMdls(0));

    kelt2pDrw first;
    first.CreateFromTemplate("FIRST", "shown", shaft);
    kelt2pDrw second;
    second.CreateFromTemplate("SECOND", "shown", other);
    ASSERT_EQ(first.GetMdls(), 1);
    EXPECT_STREQ(second.GetMdls(0).NameGet(), "SHAFT");  // one list for every drawing
    ASSERT_EQ(second.GetMdls(), 1);
    EXPECT_STREQ(first.GetMdls(0).NameGet(), "OTHER");
    EXPECT_SUBSCRIPT_ERROR(first.GetMdls(1));
    EXPECT_SUBSCRIPT_ERROR(first.GetMdls(-1));
}

TEST_F(DrawingTemplates, GetMdlsFailureLeavesTheListEmpty) {
    kelt2pMdl shaft = part("shaft.prt", drwtest::kShaft);
    kelt2pDrw drw;
    drw.CreateFromTemplate("DWG", "shown", shaft);
    ASSERT_EQ(drw.GetMdls(), 1);
    const long before = simhost::liveObjects();
    EXPECT_FAULT("ProDrawingSolidsCollect", -1, drw.GetMdls(), Ardo::Error, "Ardo::Drw::GetMdls");
    EXPECT_SUBSCRIPT_ERROR(drw.GetMdls(0));
    EXPECT_FAULT("ProArraySizeGet", -2, drw.GetMdls(), Ardo::Error, "Ardo::Drw::GetMdls");
    EXPECT_EQ(simhost::liveObjects(), before);
}

}  // namespace
