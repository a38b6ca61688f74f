// A small writer of PDF 1.4 files: pages of line drawing, in the page's points (1/72 inch,
// origin at the lower left corner).
#pragma once

#include <array>
#include <string>
#include <vector>

namespace simhost::state {

// A connected line through at least two points (x, y) of the page.
using PagePolyline = std::vector<std::array<double, 2>>;

struct PdfPage {
    double width = 595.0;  // A4 portrait
    double height = 842.0;
    std::vector<PagePolyline> lines;
    std::vector<PagePolyline> dashed;  // drawn dashed, after the others
};

// The whole file: header, catalog, page tree, the page, its content stream, the cross-
// reference table with the objects' byte offsets, trailer, startxref and %%EOF.
std::string pdfDocument(const PdfPage& page, const std::string& title);
// The same with the pages in order (at least one; none gives one empty A4 page).
std::string pdfDocument(const std::vector<PdfPage>& pages, const std::string& title);

// The lines (x, y of each point, in any units) scaled uniformly and centred to fit the
// page within `margin` points of its edges; lines shorter than two points are dropped.
PdfPage pdfPageFitted(const std::vector<PagePolyline>& lines, double margin = 36.0);

}  // namespace simhost::state
