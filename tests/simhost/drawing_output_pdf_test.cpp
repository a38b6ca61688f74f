// PDF of drawings (ProPDFExport on a drawing): a page per sheet at the sheet's size, the
// border and the views' edges at their scale in points, hidden edges dashed, and a file
// that qpdf accepts.
#include <ProPDF.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "simhost/drawing_output_helpers.h"

namespace {

using namespace drawingoutput;
using namespace modeltest;

constexpr double kPoints = 72.0 / 25.4;

// A page as the file holds it: its size and the segments of its solid and dashed lines.
struct Page {
    double width = 0;
    double height = 0;
    std::vector<Segment> lines;
    std::vector<Segment> dashed;
};

// The segments the m and l operators of a content stream draw, split at the dash setting.
void readContent(const std::string& content, Page& page) {
    std::istringstream in(content);
    std::vector<std::string> words;
    Point last{0, 0};
    bool dashed = false;
    for (std::string word; in >> word;) {
        if (word == "d") {
            dashed = true;
        } else if ((word == "m" || word == "l") && words.size() >= 2) {
            const Point p{std::stod(words[words.size() - 2]), std::stod(words.back())};
            if (word == "l") {
                (dashed ? page.dashed : page.lines).push_back({last, p});
            }
            last = p;
        }
        words.push_back(word);
    }
}

// The pages in the order the page tree lists them.
std::vector<Page> pagesOf(const std::string& pdf) {
    std::vector<Page> pages;
    const std::regex kids("/Kids \\[([0-9 R]*)\\]");
    std::smatch match;
    if (!std::regex_search(pdf, match, kids)) {
        return pages;
    }
    std::istringstream list(match[1].str());
    for (int id = 0, generation = 0; list >> id >> generation;) {
        std::string r;
        list >> r;
        const std::string head = "\n" + std::to_string(id) + " 0 obj\n";
        const auto at = pdf.find(head);
        if (at == std::string::npos) {
            return {};
        }
        const std::string object = pdf.substr(at, pdf.find("endobj", at) - at);
        const std::regex page("/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\].*/Contents ([0-9]+) 0 R");
        if (!std::regex_search(object, match, page)) {
            return {};
        }
        Page out;
        out.width = std::stod(match[1]);
        out.height = std::stod(match[2]);
        const std::string contentHead = "\n" + match[3].str() + " 0 obj\n";
        const auto content = pdf.find(contentHead);
        const auto start = pdf.find("stream\n", content);
        const auto end = pdf.find("endstream", start);
        if (content == std::string::npos || start == std::string::npos ||
            end == std::string::npos) {
            return {};
        }
        readContent(pdf.substr(start + 7, end - start - 7), out);
        pages.push_back(out);
    }
    return pages;
}

bool qpdfAccepts(const std::filesystem::path& file) {
    const std::string command = "qpdf --check \"" + file.string() + "\" > /dev/null 2>&1";
    return std::system(command.c_str()) == 0;
}

bool qpdfAvailable() {
#if defined(_WIN32)
    return false;
#else
    return std::system("qpdf --version > /dev/null 2>&1") == 0;
#endif
}

class DrawingPdfTest : public ConnectedTest {
protected:
    std::vector<Page> exported(state::Model* drawing, const std::string& file) {
        Path path(file);
        EXPECT_EQ(ProPDFExport(handleOf(drawing), path.text, nullptr), PRO_TK_NO_ERROR);
        if (qpdfAvailable()) {
            EXPECT_TRUE(qpdfAccepts(workDir / file));
        }
        return pagesOf(readText(file));
    }
};

TEST_F(DrawingPdfTest, EverySheetIsAPageOfItsSizeWithItsBorder) {
    state::Model* drawing = newDrawing("SHEETS", {{297, 210}, {420, 297}, {210, 297}});
    const std::vector<Page> pages = exported(drawing, "sheets.pdf");
    ASSERT_EQ(pages.size(), 3u);
    const Point sizes[] = {{297, 210}, {420, 297}, {210, 297}};
    for (std::size_t i = 0; i < pages.size(); ++i) {
        SCOPED_TRACE("sheet " + std::to_string(i + 1));
        const double width = sizes[i][0] * kPoints;
        const double height = sizes[i][1] * kPoints;
        EXPECT_NEAR(pages[i].width, width, 1e-3);
        EXPECT_NEAR(pages[i].height, height, 1e-3);
        EXPECT_EQ(pages[i].lines.size(), 4u) << "the border only";
        EXPECT_TRUE(coveredAlong(pages[i].lines, {0, 0}, {width, 0}, 1e-3));
        EXPECT_TRUE(coveredAlong(pages[i].lines, {width, 0}, {width, height}, 1e-3));
        EXPECT_TRUE(coveredAlong(pages[i].lines, {width, height}, {0, height}, 1e-3));
        EXPECT_TRUE(coveredAlong(pages[i].lines, {0, height}, {0, 0}, 1e-3));
        EXPECT_TRUE(pages[i].dashed.empty());
    }
}

TEST_F(DrawingPdfTest, ViewsAreDrawnAtTheirScaleWithHiddenEdgesDashed) {
    REQUIRE_KERNEL();
    writeFile("pin.prt", kPin);
    ProMdl part = nullptr;
    ASSERT_EQ(load("pin.prt", &part), PRO_TK_NO_ERROR) << simhost::lastLoadDiagnostic();
    testkit::BoxShape box;
    box.size = {40, 20, 10};
    box.holeRadius = 4;
    ASSERT_TRUE(testkit::writeStepSolids((workDir / "holed.stp").string(), {box}));
    writeFile("holed.prt", R"({"solids": [{"step": "holed.stp"}]})");
    ASSERT_EQ(load("holed.prt", &part), PRO_TK_NO_ERROR) << simhost::lastLoadDiagnostic();

    state::Model* drawing = newDrawing("VIEWS", {{297, 210}, {297, 210}});
    // Sheet 2: the pin along its axis at twice its size, a circle of radius 10 mm around
    // (100, 100) mm; the block from the front with its hole's outlines hidden, at x 196
    // and 204 mm from y 95 to 105 mm.
    PlannedView pin{"PIN", {1, 0, 0}, {0, 1, 0}, {0, 0, 15}, {100, 100}, 2.0};
    pin.sheet = 2;
    addView(*drawing, pin);
    PlannedView block{"HOLED", {1, 0, 0}, {0, 0, 1}, {20, 10, 5}, {200, 100}, 1.0};
    block.sheet = 2;
    block.style = PRO_DISPSTYLE_HIDDEN_LINE;
    addView(*drawing, block);
    const std::vector<Page> pages = exported(drawing, "views.pdf");
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[0].lines.size(), 4u) << "sheet 1 shows its border only";

    const std::vector<Segment> circle =
        within(pages[1].lines, {80 * kPoints, 80 * kPoints}, {120 * kPoints, 120 * kPoints});
    ASSERT_GE(circle.size(), 60u);
    for (const Segment& s : circle) {
        EXPECT_NEAR(std::hypot(s.a[0] - 100 * kPoints, s.a[1] - 100 * kPoints), 10 * kPoints, 2e-3);
    }
    EXPECT_TRUE(coveredAlong(pages[1].lines, {180 * kPoints, 95 * kPoints},
                             {220 * kPoints, 95 * kPoints}, 2e-3))
        << "the block's lower edge";
    EXPECT_TRUE(coveredAlong(pages[1].dashed, {196 * kPoints, 95 * kPoints},
                             {196 * kPoints, 105 * kPoints}, 2e-3));
    EXPECT_TRUE(coveredAlong(pages[1].dashed, {204 * kPoints, 95 * kPoints},
                             {204 * kPoints, 105 * kPoints}, 2e-3));
    EXPECT_FALSE(entersBox(pages[1].lines, {181 * kPoints, 95.5 * kPoints},
                           {219 * kPoints, 104.5 * kPoints}))
        << "the hidden edges are not drawn solid";
}

TEST_F(DrawingPdfTest, AViewWhosePartIsGoneWritesNoFile) {
    state::Model* drawing = newDrawing("ORPHAN", {{297, 210}});
    addView(*drawing, {"NOSUCH", {1, 0, 0}, {0, 1, 0}, {0, 0, 0}, {100, 100}, 1.0});
    Path path("orphan.pdf");
    EXPECT_EQ(ProPDFExport(handleOf(drawing), path.text, nullptr), PRO_TK_E_NOT_FOUND);
    EXPECT_FALSE(std::filesystem::exists(workDir / "orphan.pdf"));
}

}  // namespace
