// Exports of a model: the 3D export with its options and reference coordinate system,
// STL in a placement, PDF and VRML, and the refusals before any host call.
#include <ProToolkit.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "kelt2proe/simhost/control.h"
#include "model/io_fixture.h"

namespace iotest {
namespace {

using Ardo::kelt2pMdl;
using Ardo::Matrix;
using Strings = std::vector<std::string>;

const Strings kExportCalls = {"ProOutputBrepRepresentationAlloc",
                              "ProOutputBrepRepresentationFlagsSet",
                              "ProOutputInclusionAlloc",
                              "ProOutputInclusionFlagsSet",
                              "ProOutputLayerOptionsAlloc",
                              "ProOutputLayerOptionsAutoidSet",
                              "ProMdlTypeGet",
                              "ProSelectionAlloc",
                              "ProIntf3DFileWrite",
                              "ProOutputBrepRepresentationFree",
                              "ProOutputLayerOptionsFree",
                              "ProOutputInclusionFree",
                              "ProSelectionFree"};
const Strings kOptionReleases = {"ProOutputBrepRepresentationFree", "ProOutputLayerOptionsFree",
                                 "ProOutputInclusionFree"};

std::string nameOf(std::size_t length) {
    return std::string(length, 'n');
}

std::string fileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

Matrix scaledShift() {
    Matrix m;
    m.RotZ(0.5);
    m.TransAdd(1, 2, 3);
    return m;
}

class IoExportTest : public IoTest {};

TEST_F(IoExportTest, UnboundModelIsRefusedBeforeAnyHostCall) {
    kelt2pMdl unbound;
    Matrix m;
    simhost::clearJournal();
    const char* kExport = "Ardo::Solid::WriteExport";
    EXPECT_THROW_CODE(unbound.WriteSTEP("a.stp", "CS0", false, false, false), Ardo::Error, -45,
                      kExport);
    EXPECT_THROW_CODE(unbound.WriteACIS("a.sat", "CS0", false, false, false), Ardo::Error, -45,
                      kExport);
    EXPECT_THROW_CODE(unbound.WriteExport("a.igs", "CS0", Ardo::KELT2P_EXPORT_IGES,
                                          Ardo::KELT2P_OUTPUT_FLAT_FILE, false, false, false),
                      Ardo::Error, -45, kExport);
    EXPECT_THROW_CODE(unbound.WriteSTL("a", m, "CS0", 0.1, 0.1), Ardo::Error, -45,
                      "Ardo::Solid::WriteSTL");
    EXPECT_THROW_CODE(unbound.WritePDF("a.pdf"), Ardo::Error, -45, "Ardo::Solid::WritePDF");
    EXPECT_THROW_CODE(unbound.ShrinkwrapCreate("a.stl", 1, false), Ardo::Error, -45,
                      "Ardo::Solid::ShrinkwrapCreate");
    EXPECT_THROW_CODE(unbound.ShrinkwrapCreate(box, 1, false), Ardo::Error, -45,
                      "Ardo::Solid::ShrinkwrapCreate");
    EXPECT_TRUE(simhost::journal().empty());
    EXPECT_TRUE(m.IsIdent());
}

TEST_F(IoExportTest, LongFileNamesAreRefusedBeforeAnyHostCall) {
    Matrix m = scaledShift();
    const Matrix original = m;
    simhost::clearJournal();
    EXPECT_THROW_CODE(box.WriteSTL(nameOf(33).c_str(), m, "CS0", 0.1, 0.1), Ardo::Error, -6,
                      "filename too long");
    EXPECT_THROW_CODE(box.WritePDF(nameOf(260).c_str()), Ardo::Error, -6, "filename too long");
    EXPECT_THROW_CODE(box.ExportVRML(nameOf(260).c_str()), Ardo::Error, -6, "filename too long");
    EXPECT_TRUE(simhost::journal().empty());
    EXPECT_EQ(m, original);
}

TEST_F(IoExportTest, StepOfAPartSelectsItsSystemWithoutPathAndReleasesInOrder) {
    // The export itself needs the kernel; without it the host answers "not available".
    if (!simhost::geometryKernelAvailable()) {
        GTEST_SKIP() << "no geometry kernel";
    }
    long live = simhost::liveObjects();
    simhost::clearJournal();
    box.WriteSTEP("box.stp", "MOV.*", true, true, false);
    EXPECT_EQ(callsAmong(kExportCalls), kExportCalls);
    // Surfaces, not solid; datums, not blanked; automatic layer ids; STEP as one file.
    EXPECT_EQ(entriesOf("ProOutputBrepRepresentationFlagsSet"),
              Strings{"ProOutputBrepRepresentationFlagsSet 0 1 0 0"});
    EXPECT_EQ(entriesOf("ProOutputInclusionFlagsSet"), Strings{"ProOutputInclusionFlagsSet 1 0 0"});
    EXPECT_EQ(entriesOf("ProOutputLayerOptionsAutoidSet"),
              Strings{"ProOutputLayerOptionsAutoidSet 1"});
    ASSERT_EQ(entriesOf("ProIntf3DFileWrite").size(), 1u);
    EXPECT_NE(entriesOf("ProIntf3DFileWrite")[0].find(" 1 box.stp 1"), std::string::npos)
        << entriesOf("ProIntf3DFileWrite")[0];
    EXPECT_EQ(entriesOf("ProSelectionAlloc"), Strings{"ProSelectionAlloc 25 12"});

    simhost::clearJournal();
    box.WriteACIS("box.sat", "CS0", false, false, true);
    EXPECT_EQ(entriesOf("ProOutputBrepRepresentationFlagsSet"),
              Strings{"ProOutputBrepRepresentationFlagsSet 0 0 1 0"});
    EXPECT_EQ(entriesOf("ProOutputInclusionFlagsSet"), Strings{"ProOutputInclusionFlagsSet 0 1 0"});
    ASSERT_EQ(entriesOf("ProIntf3DFileWrite").size(), 1u);
    EXPECT_NE(entriesOf("ProIntf3DFileWrite")[0].find(" 7 box.sat 0"), std::string::npos)
        << entriesOf("ProIntf3DFileWrite")[0];
    EXPECT_EQ(simhost::liveObjects(), live);
    EXPECT_TRUE(std::filesystem::exists("box.stp"));
}

TEST_F(IoExportTest, MissingSystemRaisesNotFoundAndReleasesTheOptions) {
    long live = simhost::liveObjects();
    simhost::clearJournal();
    EXPECT_THROW_CODE(box.WriteSTEP("box.stp", "NONE", false, false, false), Ardo::Error, -4,
                      "Ardo::Solid::WriteExport");
    EXPECT_EQ(callsAmong({"ProSelectionAlloc", "ProIntf3DFileWrite"}), Strings{});
    EXPECT_EQ(callsAmong(kOptionReleases), kOptionReleases);
    EXPECT_EQ(simhost::liveObjects(), live);
    EXPECT_FALSE(std::filesystem::exists("box.stp"));
}

TEST_F(IoExportTest, FailingExportReleasesOptionsAndSelectionInOrder) {
    long live = simhost::liveObjects();
    simhost::clearJournal();
    EXPECT_FAULT("ProIntf3DFileWrite", -1, box.WriteACIS("box.sat", "CS0", false, false, false),
                 Ardo::Error, "Ardo::Solid::WriteExport");
    Strings releases = kOptionReleases;
    releases.push_back("ProSelectionFree");
    EXPECT_EQ(callsAmong({"ProOutputBrepRepresentationFree", "ProOutputLayerOptionsFree",
                          "ProOutputInclusionFree", "ProSelectionFree"}),
              releases);
    EXPECT_EQ(simhost::liveObjects(), live);

    EXPECT_FAULT("ProSelectionAlloc", -2, box.WriteSTEP("box.stp", "CS0", false, false, false),
                 Ardo::Error, "Ardo::Solid::WriteExport");
    EXPECT_FAULT("ProMdlTypeGet", -2, box.WriteSTEP("box.stp", "CS0", false, false, false),
                 ardotk::Error, "ardotk::MdlType");
    EXPECT_EQ(simhost::liveObjects(), live);
}

TEST_F(IoExportTest, StepOfAnAssemblySelectsThroughItsRootPath) {
    // The export itself needs the kernel; without it the host answers "not available".
    if (!simhost::geometryKernelAvailable()) {
        GTEST_SKIP() << "no geometry kernel";
    }
    kelt2pMdl assembly = threePartAssembly();
    long live = simhost::liveObjects();
    simhost::clearJournal();
    assembly.WriteSTEP("asm.stp", "CS0", false, false, false);
    EXPECT_EQ(callsAmong(kExportCalls), kExportCalls);
    // The path is the model's root path of depth 0, built without asking the host.
    EXPECT_EQ(testkit::callCount("ProAsmcomppathInit"), 0);
    EXPECT_EQ(simhost::liveObjects(), live);
    EXPECT_TRUE(std::filesystem::exists("asm.stp"));
}

TEST_F(IoExportTest, StlNameOfThirtyTwoCharactersGetsItsExtension) {
    if (!simhost::geometryKernelAvailable()) {
        GTEST_SKIP() << "no geometry kernel";
    }
    Matrix m;
    box.WriteSTL(nameOf(32).c_str(), m, "CS0", 0.1, 0.5);
    EXPECT_TRUE(std::filesystem::exists(nameOf(32) + ".stl"));
}

TEST_F(IoExportTest, StlOfIdentityAtTheModelFrameKeepsTheModelCoordinates) {
    if (!simhost::geometryKernelAvailable()) {
        GTEST_SKIP() << "no geometry kernel";
    }
    Matrix m;
    box.WriteSTL("ident", m, "CS0", 0.1, 0.5);
    EXPECT_TRUE(m.IsIdent());
    int triangles = 0;
    EXPECT_TRUE(samePoints(boxCorners(), stlVertices("ident.stl", &triangles), 1e-4));
    EXPECT_EQ(triangles, 12);
}

TEST_F(IoExportTest, StlPlacesEachPointByTheMatrixAfterTheSystemAndLeavesItInverted) {
    if (!simhost::geometryKernelAvailable()) {
        GTEST_SKIP() << "no geometry kernel";
    }
    const Matrix given = scaledShift();
    const Matrix a = movedPlacement();
    Matrix m = given;
    box.WriteSTL("first", m, "MOVED", 0.1, 0.5);
    EXPECT_EQ(m, given.Inverse());
    int triangles = 0;
    EXPECT_TRUE(samePoints(transformed(given * a.Inverse(), boxCorners()),
                           stlVertices("first.stl", &triangles), 1e-4));

    // The same object again: now the inverse places the points, and is inverted back.
    box.WriteSTL("second", m, "MOVED", 0.1, 0.5);
    EXPECT_EQ(m, given);
    EXPECT_TRUE(samePoints(transformed(given.Inverse() * a.Inverse(), boxCorners()),
                           stlVertices("second.stl", &triangles), 1e-4));
}

TEST_F(IoExportTest, StlFailuresNameTheirStep) {
    Matrix m = scaledShift();
    EXPECT_THROW_CODE(box.WriteSTL("x", m, "NONE", 0.1, 0.5), Ardo::Error, -4,
                      "Ardo::Solid::WriteSTL");
    EXPECT_FAULT("ProCsysInit", -2, box.WriteSTL("x", m, "CS0", 0.1, 0.5), Ardo::Error,
                 "Ardo::Solid::WriteSTL");
    EXPECT_FAULT("ProCsysDataGet", -2, box.WriteSTL("x", m, "CS0", 0.1, 0.5), Ardo::Error,
                 "Ardo::Solid::WriteSTL");
    EXPECT_FAULT("ProMatrixInit", -2, box.WriteSTL("x", m, "CS0", 0.1, 0.5), Ardo::Error,
                 "Ardo::Solid::WriteSTL");
    EXPECT_FAULT("ProGeomitemdataFree", -2, box.WriteSTL("x", m, "CS0", 0.1, 0.5), Ardo::Error,
                 "ProGeomitemdataFree");
    // Up to here the matrix was not reached.
    EXPECT_EQ(m, scaledShift());
    long live = simhost::liveObjects();
    EXPECT_FAULT("ProIntfSliceFileExport", -1, box.WriteSTL("x", m, "CS0", 0.1, 0.5), Ardo::Error,
                 "ProIntfSliceFileExport");
    EXPECT_EQ(simhost::liveObjects(), live);
    EXPECT_EQ(m, scaledShift().Inverse());
}

TEST_F(IoExportTest, SingularMatrixIsRefusedBeforeTheExportAndKept) {
    Matrix m;
    m.m[2][2] = 0;
    const Matrix singular = m;
    simhost::clearJournal();
    EXPECT_THROW_CODE(box.WriteSTL("flat", m, "CS0", 0.1, 0.5), Ardo::Error, -1,
                      "keine inverse MAtrix moeglich");
    EXPECT_EQ(testkit::callCount("ProIntfSliceFileExport"), 0);
    EXPECT_EQ(m, singular);
}

TEST_F(IoExportTest, PdfOptionsAreSetAndReleasedWhateverTheExportAnswers) {
    const Strings pdfCalls = {"ProPDFoptionsAlloc", "ProPDFoptionsIntpropertySet",
                              "ProPDFoptionsBoolpropertySet", "ProPDFExport", "ProPDFoptionsFree"};
    long live = simhost::liveObjects();
    simhost::clearJournal();
    EXPECT_FAULT("ProPDFExport", -1, box.WritePDF("box.pdf"), Ardo::Error, "Ardo::Solid::WritePDF");
    EXPECT_EQ(callsAmong(pdfCalls), pdfCalls);
    EXPECT_EQ(entriesOf("ProPDFoptionsIntpropertySet"),
              Strings{"ProPDFoptionsIntpropertySet 30 2"});
    EXPECT_EQ(entriesOf("ProPDFoptionsBoolpropertySet"),
              Strings{"ProPDFoptionsBoolpropertySet 5 0"});
    EXPECT_EQ(simhost::liveObjects(), live);

    // A refused option is only recorded; a path of 259 characters is taken.
    std::string dir = nameOf(100) + "/" + nameOf(100);
    std::filesystem::create_directories(dir);
    std::string path = dir + "/" + nameOf(53) + ".pdf";
    ASSERT_EQ(path.size(), 259u);
    simhost::injectFault("ProPDFoptionsIntpropertySet", -2);
    EXPECT_NO_THROW(box.WritePDF(path.c_str()));
    EXPECT_TRUE(std::filesystem::exists(path));
    EXPECT_EQ(simhost::liveObjects(), live);
}

TEST_F(IoExportTest, PdfOfAPartIsADocumentOfOnePage) {
    box.WritePDF("box.pdf");
    std::string pdf = fileText("box.pdf");
    ASSERT_GT(pdf.size(), 20u);
    EXPECT_EQ(pdf.rfind("%PDF-", 0), 0u);
    EXPECT_NE(pdf.find("\nxref"), std::string::npos);
    EXPECT_NE(pdf.find("trailer"), std::string::npos);
    EXPECT_NE(pdf.find("/Count 1"), std::string::npos);
    EXPECT_NE(pdf.find("%%EOF"), std::string::npos);
}

TEST_F(IoExportTest, VrmlReportsNothingAndHandsTheHostWhatItHas) {
    kelt2pMdl unbound;
    simhost::clearJournal();
    EXPECT_NO_THROW(unbound.ExportVRML("none.wrl"));
    EXPECT_EQ(testkit::callCount("ProExportVRML"), 1);
    EXPECT_FALSE(std::filesystem::exists("none.wrl"));

    if (!simhost::geometryKernelAvailable()) {
        GTEST_SKIP() << "no geometry kernel";
    }
    box.ExportVRML("box.wrl");
    EXPECT_EQ(fileText("box.wrl").rfind("#VRML V2.0", 0), 0u);
}

}  // namespace
}  // namespace iotest
