// PDF export of a part or an assembly: the option objects, the file's structure (header,
// objects at the offsets the cross-reference table gives, trailer), and the drawing of
// the model's edges in its current view, fitted to the page.
#include <ProCurvedata.h>
#include <ProPDF.h>
#include <ProView.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "simhost/model_helpers.h"

namespace {

using namespace modeltest;

constexpr const char* kBlock =
    R"({"solids": [{"box": {"corner": [0, 0, 0], "size": [40, 20, 10]}}]})";

class PdfTest : public ConnectedTest {
protected:
    // Exports `model` to `file` and reads the file back.
    std::string exported(ProMdl model, const std::string& file, ProPDFOptions options = nullptr) {
        Path path(file);
        EXPECT_EQ(ProPDFExport(model, path.text, options), PRO_TK_NO_ERROR);
        return readText(file);
    }
};

// The content stream of the one page.
std::string contentOf(const std::string& pdf) {
    const auto start = pdf.find("stream\n");
    const auto end = pdf.find("endstream");
    if (start == std::string::npos || end == std::string::npos || end < start) {
        return "";
    }
    return pdf.substr(start + 7, end - start - 7);
}

int count(const std::string& text, const std::string& what) {
    int n = 0;
    for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) {
        ++n;
    }
    return n;
}

// The structure every file must have: header, every object where the cross-reference
// table says, the table where startxref says, one page, the end marker.
void expectWellFormed(const std::string& pdf) {
    ASSERT_EQ(pdf.rfind("%PDF-1.4\n", 0), 0u) << "header";
    ASSERT_GE(pdf.size(), 6u);
    EXPECT_EQ(pdf.substr(pdf.size() - 6), "%%EOF\n");
    const auto startxref = pdf.rfind("startxref\n");
    ASSERT_NE(startxref, std::string::npos);
    const std::size_t xref = std::strtoul(pdf.c_str() + startxref + 10, nullptr, 10);
    ASSERT_LT(xref, pdf.size());
    ASSERT_EQ(pdf.compare(xref, 5, "xref\n"), 0) << "startxref points at the table";
    std::istringstream table(pdf.substr(xref + 5));
    int first = -1;
    int size = 0;
    table >> first >> size;
    ASSERT_EQ(first, 0);
    ASSERT_GE(size, 5);
    std::string line;
    std::getline(table, line);
    for (int id = 0; id < size; ++id) {
        ASSERT_TRUE(std::getline(table, line));
        ASSERT_EQ(line.size(), 19u) << "entries are 20 bytes with their line end";
        if (id == 0) {
            EXPECT_EQ(line, "0000000000 65535 f ");
            continue;
        }
        const std::size_t offset = std::strtoul(line.c_str(), nullptr, 10);
        const std::string head = std::to_string(id) + " 0 obj\n";
        EXPECT_EQ(pdf.compare(offset, head.size(), head), 0) << "object " << id;
    }
    EXPECT_NE(pdf.find("/Size " + std::to_string(size)), std::string::npos);
    EXPECT_NE(pdf.find("/Type /Catalog"), std::string::npos);
    EXPECT_NE(pdf.find("/Count 1"), std::string::npos);
    EXPECT_EQ(count(pdf, "/Type /Page "), 1);
    const std::string content = contentOf(pdf);
    const std::regex length("/Length ([0-9]+)");
    std::smatch match;
    ASSERT_TRUE(std::regex_search(pdf, match, length));
    EXPECT_EQ(std::stoul(match[1]), content.size());
}

// The points of the drawing: the operands of its m and l operators.
std::vector<std::pair<double, double>> pointsOf(const std::string& content) {
    std::vector<std::pair<double, double>> points;
    std::istringstream in(content);
    std::vector<std::string> words;
    for (std::string word; in >> word;) {
        if ((word == "m" || word == "l") && words.size() >= 2) {
            points.emplace_back(std::stod(words[words.size() - 2]),
                                std::stod(words[words.size() - 1]));
        }
        words.push_back(word);
    }
    return points;
}

// True when qpdf is there to check files (scripts/setup installs it).
bool qpdfAvailable() {
#if defined(_WIN32)
    return false;
#else
    return std::system("qpdf --version > /dev/null 2>&1") == 0;
#endif
}

TEST_F(PdfTest, QpdfFindsNothingWrong) {
    if (!qpdfAvailable()) {
        GTEST_SKIP() << "qpdf is not installed";
    }
    ProMdl plain = create(L"plain");
    exported(plain, "plain.pdf");
    writeFile("block.prt", kBlock);
    ProMdl block = nullptr;
    ASSERT_EQ(load("block.prt", &block), PRO_TK_NO_ERROR);
    exported(block, "block.pdf");
    for (const char* file : {"plain.pdf", "block.pdf"}) {
        const std::string command =
            "qpdf --check \"" + (workDir / file).string() + "\" > /dev/null 2>&1";
        EXPECT_EQ(std::system(command.c_str()), 0) << file;
    }
}

TEST_F(PdfTest, OptionObjectsAreLiveUntilFreed) {
    ProPDFOptions options = nullptr;
    ASSERT_EQ(ProPDFoptionsAlloc(&options), PRO_TK_NO_ERROR);
    EXPECT_EQ(simhost::liveObjects(), 1);
    EXPECT_EQ(ProPDFoptionsIntpropertySet(options, PRO_PDFOPT_COLOR_DEPTH, 2), PRO_TK_NO_ERROR);
    EXPECT_EQ(ProPDFoptionsBoolpropertySet(options, PRO_PDFOPT_LAUNCH_VIEWER, PRO_B_FALSE),
              PRO_TK_NO_ERROR);
    EXPECT_EQ(ProPDFoptionsIntpropertySet(options, static_cast<ProPDFOptionType>(48), 1),
              PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProPDFoptionsAlloc(nullptr), PRO_TK_BAD_INPUTS);

    // A free of another kind of object is refused and leaves it live.
    ProCurvedata* record = nullptr;
    ASSERT_EQ(ProCurvedataAlloc(&record), PRO_TK_NO_ERROR);
    EXPECT_EQ(ProPDFoptionsFree(reinterpret_cast<ProPDFOptions>(record)), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProCurvedataFree(record), PRO_TK_NO_ERROR);

    EXPECT_EQ(ProPDFoptionsFree(options), PRO_TK_NO_ERROR);
    EXPECT_EQ(simhost::liveObjects(), 0);
    EXPECT_EQ(ProPDFoptionsFree(options), PRO_TK_BAD_INPUTS) << "freed twice";
    EXPECT_EQ(ProPDFoptionsIntpropertySet(options, PRO_PDFOPT_COLOR_DEPTH, 2), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProPDFoptionsFree(nullptr), PRO_TK_BAD_INPUTS);
}

TEST_F(PdfTest, RefusalsAndUnwritableFiles) {
    ProMdl part = create(L"plain");
    ASSERT_NE(part, nullptr);
    Path file("plain.pdf");
    EXPECT_EQ(ProPDFExport(nullptr, file.text, nullptr), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProPDFExport(part, nullptr, nullptr), PRO_TK_BAD_INPUTS);
    Path empty("");
    EXPECT_EQ(ProPDFExport(part, empty.text, nullptr), PRO_TK_BAD_INPUTS);
    ProPDFOptions freed = nullptr;
    ASSERT_EQ(ProPDFoptionsAlloc(&freed), PRO_TK_NO_ERROR);
    ASSERT_EQ(ProPDFoptionsFree(freed), PRO_TK_NO_ERROR);
    EXPECT_EQ(ProPDFExport(part, file.text, freed), PRO_TK_BAD_INPUTS);
    Path nowhere("no/such/folder/plain.pdf");
    EXPECT_EQ(ProPDFExport(part, nowhere.text, nullptr), PRO_TK_GENERAL_ERROR);
}

TEST_F(PdfTest, AModelWithoutSolidsGivesAPageWithoutEdges) {
    ProMdl part = create(L"plain");
    ProPDFOptions options = nullptr;
    ASSERT_EQ(ProPDFoptionsAlloc(&options), PRO_TK_NO_ERROR);
    const std::string pdf = exported(part, "plain.pdf", options);
    EXPECT_EQ(ProPDFoptionsFree(options), PRO_TK_NO_ERROR);
    expectWellFormed(pdf);
    EXPECT_TRUE(pointsOf(contentOf(pdf)).empty());
    EXPECT_NE(pdf.find("/Title (PLAIN)"), std::string::npos);
}

TEST_F(PdfTest, ThePartsEdgesAreDrawnInItsViewAndFitted) {
    if (!simhost::geometryKernelAvailable()) {
        GTEST_SKIP() << "no geometry kernel";
    }
    writeFile("block.prt", kBlock);
    ProMdl block = nullptr;
    ASSERT_EQ(load("block.prt", &block), PRO_TK_NO_ERROR) << simhost::lastLoadDiagnostic();
    const std::string front = exported(block, "front.pdf");
    expectWellFormed(front);
    const std::string content = contentOf(front);
    EXPECT_EQ(count(content, "S\n"), 12) << "the twelve edges of the box";
    const auto points = pointsOf(content);
    ASSERT_EQ(points.size(), 24u);
    double minX = 1e9, maxX = -1e9, minY = 1e9, maxY = -1e9;
    for (const auto& p : points) {
        minX = std::min(minX, p.first);
        maxX = std::max(maxX, p.first);
        minY = std::min(minY, p.second);
        maxY = std::max(maxY, p.second);
    }
    // Seen along Z the box is 40 wide and 20 high: the width fills the page's width.
    EXPECT_NEAR(minX, 36.0, 1e-3);
    EXPECT_NEAR(maxX, 595.0 - 36.0, 1e-3);
    EXPECT_NEAR((maxY - minY) / (maxX - minX), 0.5, 1e-4);
    EXPECT_NEAR((minY + maxY) / 2.0, 421.0, 1e-3) << "centred";

    // Turned so that the view's X axis is the model's Z: the box shows 10 by 20.
    ProMatrix side = {{0, 0, 1, 0}, {0, 1, 0, 0}, {-1, 0, 0, 0}, {0, 0, 0, 1}};
    ASSERT_EQ(ProViewMatrixSet(block, nullptr, side), PRO_TK_NO_ERROR);
    const auto turned = pointsOf(contentOf(exported(block, "side.pdf")));
    ASSERT_EQ(turned.size(), 24u);
    minX = 1e9, maxX = -1e9, minY = 1e9, maxY = -1e9;
    for (const auto& p : turned) {
        minX = std::min(minX, p.first);
        maxX = std::max(maxX, p.first);
        minY = std::min(minY, p.second);
        maxY = std::max(maxY, p.second);
    }
    EXPECT_NEAR((maxY - minY) / (maxX - minX), 2.0, 1e-4);
    EXPECT_EQ(simhost::liveObjects(), 0);
}

TEST_F(PdfTest, CurvedEdgesAreDiscretised) {
    if (!simhost::geometryKernelAvailable()) {
        GTEST_SKIP() << "no geometry kernel";
    }
    writeFile("pin.prt", R"({"solids": [{"cylinder": {"origin": [0, 0, 0], "axis": [0, 0, 1],
                             "radius": 5, "height": 30}}]})");
    ProMdl pin = nullptr;
    ASSERT_EQ(load("pin.prt", &pin), PRO_TK_NO_ERROR) << simhost::lastLoadDiagnostic();
    const std::string pdf = exported(pin, "pin.pdf");
    expectWellFormed(pdf);
    // Seen along the axis the two circles cover each other; each is many chords.
    const auto points = pointsOf(contentOf(pdf));
    EXPECT_GT(points.size(), 60u);
    double minX = 1e9, maxX = -1e9;
    for (const auto& p : points) {
        minX = std::min(minX, p.first);
        maxX = std::max(maxX, p.first);
    }
    const double centre = (minX + maxX) / 2.0;
    const double radius = (maxX - minX) / 2.0;
    int onCircle = 0;
    for (const auto& p : points) {
        const double r = std::hypot(p.first - centre, p.second - 421.0);
        onCircle += std::abs(r - radius) < radius * 0.01 ? 1 : 0;
    }
    EXPECT_GE(onCircle, 60);
}

}  // namespace
